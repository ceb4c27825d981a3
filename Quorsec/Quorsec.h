#pragma once
// TQuorSecurity: the access-control component a host places on its main window. It keeps no
// data of its own between calls: every operation opens the data file, works, and releases it.

#include <QString>
#include <cstdint>
#include <string>

#include "EIniFile/TEIniFile.h"
#include "platform/runtime/DateTime.h"
#include "platform/ui/TComponent.h"

struct TListKind;

class TQuorSecurity : public TComponent {
  Q_OBJECT
  // The properties a form stores and Qt Designer edits. The setters carry the names uic calls.
  Q_PROPERTY(QString DatFile READ DatFile WRITE setDatFile)
  Q_PROPERTY(QString Password READ Password WRITE setPassword)
  Q_PROPERTY(bool Active READ Active)
  Q_PROPERTY(int UserAccessCount READ UserAccessCount)
  Q_PROPERTY(double UserLastAccess READ UserLastAccess)
  Q_PROPERTY(bool AutoIdentify READ AutoIdentify WRITE setAutoIdentify)
  Q_PROPERTY(bool ShowUserInterface READ ShowUserInterface WRITE setShowUserInterface)

 public:
  explicit TQuorSecurity(QWidget *Owner = nullptr);

  QString DatFile() const;
  void setDatFile(const QString &Value);
  // The file key of the data file, not a user's password.
  QString Password() const;
  void setPassword(const QString &Value);
  bool Active() const { return FActive; }
  std::int32_t UserAccessCount() const { return FUserAccessCount; }
  // The logged-on user's previous logon; at a first logon, the time of that logon.
  TDateTime UserLastAccess() const { return FUserLastAccess; }
  bool AutoIdentify() const { return FAutoIdentify; }
  void setAutoIdentify(bool Value) { FAutoIdentify = Value; }
  bool ShowUserInterface() const { return FShowUserInterface; }
  void setShowUserInterface(bool Value) { FShowUserInterface = Value; }

  // Empty while nobody is logged on.
  const std::string &UserName() const { return FUserName; }
  const std::string &UserPassword() const { return FUserPassword; }

  // The file-name part of DatFile in the executable's directory, or, while designing, in the
  // directory of the form being designed.
  std::string GetIniName() const;
  // The one way an operation opens the data file: GetIniName() under the file key.
  TEIniFile OpenStore() const;

  // Checks the pair; a refusal shows its reason when ShowUserInterface is set. A refusal keeps
  // the earlier user logged on, with Active cleared.
  bool LogonEx(const std::string &AUserName, const std::string &APassword);
  bool UserExist(const std::string &Name) const;
  bool ActionExist(const std::string &Name) const;
  bool GroupExist(const std::string &Name) const;
  // Adds a new, non-empty name to the catalogue of actions; throws ENameTooLong for a long one.
  void AddAction(const std::string &Name);
  // Whether the logged-on user may perform Action; false, without touching the file, when
  // nobody is logged on.
  bool TestAccess(const std::string &Action) const;
  // Changes the logged-on user's own password; throws ENameTooLong for a long new one.
  bool ChangePasswordEx(const std::string &OldPassword, const std::string &NewPassword);

  // Logs nobody on, then asks for a name and a password in the logon dialog until they are
  // accepted (true) or the user cancels (false).
  bool LogOn();
  // The change-password dialog for the logged-on user; false at once when nobody is logged on.
  bool ChangePassword();
  // At run time with AutoIdentify set: the logon dialog, and the application ends when nobody
  // logs on.
  void Loaded() override;

 private:
  bool Listed(const TListKind &Kind, const std::string &Name) const;

  bool FActive = false;
  bool FAutoIdentify = true;
  bool FShowUserInterface = true;
  std::string FDatFile = "Sec.Dat";
  std::string FPassword;
  std::int32_t FUserAccessCount = 0;
  TDateTime FUserLastAccess = 0.0;
  std::string FUserName;
  std::string FUserPassword;
};
