#include "Quorsec/SecurityRules.h"

#include "EIniFile/RecordFormat.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "platform/runtime/TextConvert.h"

using namespace Schema;

void CheckNameLength(const std::string &What, const std::string &Name) {
  if (Name.size() > MaxNameLength) {
    throw ENameTooLong(What + " is " + IntToStr(static_cast<std::int64_t>(Name.size())) +
                       " bytes long; at most " + IntToStr(MaxNameLength) + " are allowed");
  }
}

bool IsAdministrator(const TEIniFile &Store, const std::string &UserName) {
  return Store.ReadString(UserSection(UserName), DefUserKey, "") == AdministratorMarker;
}

void AddUser(TEIniFile &Store, const std::string &UserName, const std::string &Password,
             bool Administrator) {
  const std::string Section = UserSection(UserName);
  const std::string &Marker = Administrator ? AdministratorMarker : NotAdministratorMarker;
  CheckEntryFits(Section, PasswordKey, Password);
  CheckEntryFits(Section, DefUserKey, Marker);
  AppendToList(Store, MainSection, Lists::Users, {UserName});
  Store.WriteString(Section, PasswordKey, Password);
  Store.WriteString(Section, DefUserKey, Marker);
}

std::optional<std::string> FirstMemberOfGroup(const TEIniFile &Store, const std::string &Group) {
  for (const std::string &User : ReadList(Store, MainSection, Lists::Users)) {
    if (ListContains(Store, UserSection(User), Lists::Groups, Group)) return User;
  }
  return std::nullopt;
}

void SetUserPassword(TEIniFile &Store, const std::string &UserName, const std::string &Password) {
  Store.WriteString(UserSection(UserName), PasswordKey, Password);
}

bool SeedAdministratorIfNoUsers(TEIniFile &Store) {
  if (ListCount(Store, MainSection, Lists::Users) != 0) return false;
  Store.WriteInteger(MainSection, Lists::Users.CountKey, 1);
  Store.WriteString(MainSection, ItemKey(Lists::Users, 1), SeedUserName);
  Store.WriteString(UserSection(SeedUserName), PasswordKey, "");
  Store.WriteString(UserSection(SeedUserName), DefUserKey, AdministratorMarker);
  return true;
}

std::string LogonRefusalMessage(TLogonOutcome Outcome) {
  switch (Outcome) {
    case TLogonOutcome::Accepted:
      return "";
    case TLogonOutcome::NoUsersDefined:
      return "No Users Defined.\xFE";
    case TLogonOutcome::UserNotFound:
      return "User Not Found.\xFE";
    case TLogonOutcome::BadDataFile:
      return "Bad Data File.\xFE";
    case TLogonOutcome::PasswordIncorrect:
      return "Password Incorrect\xFE";
  }
  return "";
}

namespace {

// A time written under other regional settings does not read back; such a logon counts as the
// first, rather than locking the user out.
TDateTime PreviousAccessOrNow(const std::string &Text, TDateTime Current) {
  try {
    return StrToDateTime(Text);
  } catch (const EConvertError &) {
    return Current;
  }
}

}  // namespace

TLogonResult CheckLogon(TEIniFile &Store, const std::string &UserName, const std::string &Password,
                        const std::function<bool(const std::string &)> &UserExists) {
  TLogonResult Result;
  if (ListCount(Store, MainSection, Lists::Users) == 0) {
    Result.Outcome = TLogonOutcome::NoUsersDefined;
    return Result;
  }
  const bool Listed =
      UserExists ? UserExists(UserName) : MasterListContains(Store, Lists::Users, UserName);
  if (!Listed) {
    Result.Outcome = TLogonOutcome::UserNotFound;
    return Result;
  }
  const std::string Section = UserSection(UserName);
  const std::string Stored = Store.ReadString(Section, PasswordKey, NoStoredPassword);
  if (Stored == NoStoredPassword) {
    Result.Outcome = TLogonOutcome::BadDataFile;
    return Result;
  }
  if (Stored != Password) {
    Result.Outcome = TLogonOutcome::PasswordIncorrect;
    return Result;
  }

  const TDateTime Current = Now();
  Result.PreviousAccess = PreviousAccessOrNow(
      Store.ReadString(Section, LastAccessKey, DateTimeToStr(Current)), Current);
  Store.WriteString(Section, LastAccessKey, DateTimeToStr(Now()));
  Store.WriteInteger(Section, AccessCountKey, Store.ReadInteger(Section, AccessCountKey, 0) + 1);
  Result.AccessCount = Store.ReadInteger(Section, AccessCountKey, 0);
  Result.Outcome = TLogonOutcome::Accepted;
  return Result;
}

bool UserMayPerform(const TEIniFile &Store, const std::string &UserName,
                    const std::string &Action) {
  const std::string Section = UserSection(UserName);
  if (ListContains(Store, Section, Lists::Actions, Action)) return true;
  for (const std::string &Group : ReadList(Store, Section, Lists::Groups)) {
    if (ListContains(Store, GroupSection(Group), Lists::Actions, Action)) return true;
  }
  return false;
}

bool ChangeUserPassword(TEIniFile &Store, const std::string &UserName,
                        const std::string &OldPassword, const std::string &NewPassword) {
  const std::string Section = UserSection(UserName);
  if (Store.ReadString(Section, PasswordKey, NoStoredPassword) != OldPassword) return false;
  SetUserPassword(Store, UserName, NewPassword);
  return true;
}
