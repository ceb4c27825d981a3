#include "tools/quorsec-admin/CommandLine.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include "platform/runtime/InOutError.h"

namespace {

std::string ReadKeyFile(const std::string &Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw EInOutError(errno, Path, "cannot read key file");
  std::string Key((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  if (!Key.empty() && Key.back() == '\n') Key.pop_back();
  return Key;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string> &Arguments) {
  TCommandLine Line;
  bool KeyGiven = false;
  bool OptionsEnded = false;
  for (std::size_t I = 0; I < Arguments.size(); ++I) {
    const std::string &Argument = Arguments[I];
    const auto NextValue = [&]() -> const std::string & {
      if (I + 1 >= Arguments.size()) throw EUsageError(Argument + " needs a value");
      return Arguments[++I];
    };
    const auto SetKey = [&](std::string Key) {
      if (KeyGiven) throw EUsageError("give the file key once, with --key or --key-file");
      KeyGiven = true;
      Line.FileKey = std::move(Key);
    };
    if (OptionsEnded || Argument.size() < 2 || Argument.compare(0, 2, "--") != 0) {
      if (Line.Command.empty()) {
        Line.Command = Argument;
      } else {
        Line.Operands.push_back(Argument);
      }
    } else if (Argument == "--") {
      OptionsEnded = true;
    } else if (Argument == "--key") {
      SetKey(NextValue());
    } else if (Argument == "--key-file") {
      SetKey(ReadKeyFile(NextValue()));
    } else if (Argument == "--password") {
      Line.Password = NextValue();
    } else if (Argument == "--admin") {
      Line.Admin = true;
    } else if (Argument == "--help") {
      Line.Help = true;
    } else {
      throw EUsageError("unknown option " + Argument);
    }
  }
  return Line;
}

std::string DataFilePath(const std::string &Operand) {
  return Operand.find('/') == std::string::npos ? "./" + Operand : Operand;
}
