// quorsec-admin: inspect and administer a security data file from the shell.

#include <iostream>
#include <string>
#include <vector>

#include "EIniFile/RecordFormat.h"
#include "platform/runtime/InOutError.h"
#include "tools/quorsec-admin/AdminCommands.h"
#include "tools/quorsec-admin/Command.h"

namespace {

std::vector<TCommand> AllCommands() {
  std::vector<TCommand> All;
  for (const auto &Group : {StoreCommands(), ListCommands(), MemberCommands(), LogonCommands()}) {
    All.insert(All.end(), Group.begin(), Group.end());
  }
  return All;
}

void PrintHelp(const std::vector<TCommand> &Commands, std::ostream &Out) {
  Out << "Usage: quorsec-admin COMMAND OPERANDS [--key KEY | --key-file PATH]\n\n"
         "Commands:\n";
  for (const TCommand &Command : Commands) {
    Out << "  " << Command.Name << ' ' << Command.Operands << "\n      " << Command.Summary << '\n';
  }
  Out << R"(
A FILE without a directory is taken from the current directory. Without --key or
--key-file the empty file key is used; a key file's final newline is not part of the key.
add-user, passwd and logon read the password as one line of standard input when
--password is not given (a terminal does not echo it); empty input is the empty password.
logon prints "ok COUNT PREVIOUS-LOGON-TIME" on standard output; a refused logon prints
its reason (e.g. "Password Incorrect") on standard error, like every refusal, and exits 1.
test-access prints yes (exit 0) or no (exit 1, with the reason on standard error).
Exit codes: 0 done, 1 not found or refused, 2 usage error, 3 file error.
)";
}

const TCommand *FindCommand(const std::vector<TCommand> &Commands, const std::string &Name) {
  for (const TCommand &Command : Commands) {
    if (Command.Name == Name) return &Command;
  }
  return nullptr;
}

int Run(const std::vector<std::string> &Arguments) {
  const std::vector<TCommand> Commands = AllCommands();
  std::string Subject;  // the data file, named in every error line once it is known
  const auto Fail = [&Subject](int Code, const std::string &Reason) {
    std::cerr << "quorsec-admin: " << (Subject.empty() ? "" : Subject + ": ") << Reason << '\n';
    return Code;
  };
  try {
    const TCommandLine Line = ParseCommandLine(Arguments);
    if (Line.Help || Line.Command.empty()) {
      PrintHelp(Commands, Line.Help ? std::cout : std::cerr);
      return Line.Help ? ExitDone : ExitUsage;
    }
    const TCommand *Command = FindCommand(Commands, Line.Command);
    if (Command == nullptr) throw EUsageError("unknown command " + Line.Command + " (see --help)");
    if (Line.Operands.size() != Command->OperandCount) {
      throw EUsageError("usage: quorsec-admin " + std::string(Command->Name) + ' ' +
                        std::string(Command->Operands));
    }
    Subject = Line.Operands.front();
    Command->Run(Line, std::cout);
    return ExitDone;
  } catch (const EUsageError &Error) {
    return Fail(ExitUsage, Error.what());
  } catch (const ERefused &Error) {
    return Fail(ExitRefused, Error.what());
  } catch (const EInvalidEntry &Error) {
    return Fail(ExitRefused, Error.what());
  } catch (const EInOutError &Error) {
    Subject.clear();  // the error names its own path
    return Fail(ExitFileError, Error.what());
  }
}

}  // namespace

int main(int argc, char **argv) {
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
