#include "Quorsec/Quorsec.h"

#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "Quorsec/SecurityRules.h"
#include "Quorsec/ShowForm.h"
#include "dialogs/Chngpsw/Chngpsw.h"
#include "dialogs/Lgndlg/Lgndlg.h"
#include "platform/runtime/Paths.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Terminate.h"
#include "platform/ui/Text8.h"
#include "platform/ui/ToolServices.h"

TQuorSecurity::TQuorSecurity(QWidget *Owner) : TComponent(Owner) {}

QString TQuorSecurity::DatFile() const {
  return ToQString(FDatFile);
}
void TQuorSecurity::setDatFile(const QString &Value) {
  FDatFile = FromQString(Value);
}
QString TQuorSecurity::Password() const {
  return ToQString(FPassword);
}
void TQuorSecurity::setPassword(const QString &Value) {
  FPassword = FromQString(Value);
}

std::string TQuorSecurity::GetIniName() const {
  const TToolServices *Designer = ToolServices();
  const std::string Directory =
      ExtractFilePath(Designer != nullptr ? Designer->ProjectFileName() : ExecutablePath());
  return Directory + ExtractFileName(FDatFile);
}

TEIniFile TQuorSecurity::OpenStore() const {
  return TEIniFile(GetIniName(), FPassword);
}

bool TQuorSecurity::LogonEx(const std::string &AUserName, const std::string &APassword) {
  FActive = false;
  TEIniFile Store = OpenStore();
  const TLogonResult Result = CheckLogon(
      Store, AUserName, APassword, [this](const std::string &Name) { return UserExist(Name); });
  if (Result.Outcome != TLogonOutcome::Accepted) {
    if (FShowUserInterface) ShowMessage(LogonRefusalMessage(Result.Outcome));
    Store.Release();
    return false;
  }
  // Saved before the logon takes effect: a logon whose record cannot be written does not count.
  Store.Release();
  FUserLastAccess = Result.PreviousAccess;
  FUserAccessCount = Result.AccessCount;
  FUserName = AUserName;
  FUserPassword = APassword;
  FActive = true;
  return true;
}

bool TQuorSecurity::Listed(const TListKind &Kind, const std::string &Name) const {
  TEIniFile Store = OpenStore();
  const bool Found = MasterListContains(Store, Kind, Name);
  Store.Release();
  return Found;
}

bool TQuorSecurity::UserExist(const std::string &Name) const {
  return Listed(Lists::Users, Name);
}

bool TQuorSecurity::ActionExist(const std::string &Name) const {
  return Listed(Lists::Actions, Name);
}

bool TQuorSecurity::GroupExist(const std::string &Name) const {
  return Listed(Lists::Groups, Name);
}

void TQuorSecurity::AddAction(const std::string &Name) {
  if (Name.empty()) return;
  CheckNameLength("action name", Name);
  if (ActionExist(Name)) return;
  TEIniFile Store = OpenStore();
  AppendToList(Store, Schema::MainSection, Lists::Actions, {Name});
  Store.Release();
}

bool TQuorSecurity::TestAccess(const std::string &Action) const {
  if (FUserName.empty()) return false;
  TEIniFile Store = OpenStore();
  const bool Allowed = UserMayPerform(Store, FUserName, Action);
  Store.Release();
  return Allowed;
}

bool TQuorSecurity::ChangePasswordEx(const std::string &OldPassword,
                                     const std::string &NewPassword) {
  if (FUserName.empty()) return false;
  CheckNameLength("password", NewPassword);
  TEIniFile Store = OpenStore();
  const bool Changed = ChangeUserPassword(Store, FUserName, OldPassword, NewPassword);
  Store.Release();
  return Changed;
}

bool TQuorSecurity::LogOn() {
  FUserName.clear();
  FUserPassword.clear();
  const TShownForm<TfrmLogon> Shown(this, frmLogon);
  return Shown.Form().LoggedOn;
}

bool TQuorSecurity::ChangePassword() {
  if (FUserName.empty()) return false;
  const TShownForm<TfrmChangePasswd> Shown(this, frmChangePasswd);
  return Shown.Form().PasswordChanged;
}

void TQuorSecurity::Loaded() {
  TComponent::Loaded();
  if (IsDesigning() || !FAutoIdentify) return;
  if (!LogOn()) Terminate();
}
