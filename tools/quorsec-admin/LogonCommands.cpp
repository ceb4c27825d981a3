// seed, passwd, logon and test-access: the security rules, run from the shell.

#include "Quorsec/SecurityRules.h"
#include "tools/quorsec-admin/AdminCommands.h"
#include "tools/quorsec-admin/MasterLists.h"
#include "tools/quorsec-admin/OperandChecks.h"

namespace {

void Seed(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {});
  TEIniFile Store = OpenStore(Line);
  if (!SeedAdministratorIfNoUsers(Store)) throw ERefused("the file has a user list already");
  Store.Release();
}

// An administrator's reset: a forgotten password cannot be given as the old one.
void Passwd(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {.Password = true});
  const std::string &Name = NameOperand(Line, 1, "user name");
  const std::string Password = PasswordOperand(Line);  // before the store opens, as add-user
  TEIniFile Store = OpenStore(Line);
  RequireListed(Store, UserList, Name);
  SetUserPassword(Store, Name, Password);
  Store.Release();
}

// A refusal is an error line on standard error, so standard output only ever carries "ok ...".
void Logon(const TCommandLine &Line, std::ostream &Out) {
  CheckExtraOptions(Line, {.Password = true});
  const std::string &Name = NameOperand(Line, 1, "user name");
  const std::string Password = PasswordOperand(Line);
  TEIniFile Store = OpenStore(Line);
  const TLogonResult Result = CheckLogon(Store, Name, Password);
  if (Result.Outcome != TLogonOutcome::Accepted) {
    std::string Reason = LogonRefusalMessage(Result.Outcome);
    if (!Reason.empty() && Reason.back() == '\xFE') Reason.pop_back();  // a dialog's marker only
    throw ERefused(Reason);
  }
  Store.Release();
  Out << "ok " << Result.AccessCount << ' ' << DateTimeToStr(Result.PreviousAccess) << '\n';
}

// Released unchanged, so the file is never rewritten.
void TestAccess(const TCommandLine &Line, std::ostream &Out) {
  CheckExtraOptions(Line, {});
  const std::string &User = NameOperand(Line, 1, "user name");
  const std::string &Action = NameOperand(Line, 2, "action name");
  TEIniFile Store = OpenStore(Line);
  const bool Allowed = UserMayPerform(Store, User, Action);
  Store.Release();
  Out << (Allowed ? "yes" : "no") << '\n';
  if (!Allowed) throw ERefused("user " + User + " may not perform action " + Action);
}

const TCommand Commands[] = {
    {"seed", "FILE", 1, "in a file without users, add the administrator Manager, no password",
     Seed},
    {"passwd", "FILE USER [--password P]", 2, "set a user's password without the old one", Passwd},
    {"logon", "FILE USER [--password P]", 2,
     "log a user on, counting the logon; print ok, the count and the previous logon time", Logon},
    {"test-access", "FILE USER ACTION", 3,
     "print yes or no: may the user perform the action, itself or through a group", TestAccess},
};

}  // namespace

std::span<const TCommand> LogonCommands() {
  return Commands;
}
