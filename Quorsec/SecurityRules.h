#pragma once
// The security rules over an open store: who may manage, who may log on, who may do what, and
// how a password changes. The component, its dialogs and quorsec-admin all decide through these.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "EIniFile/TEIniFile.h"
#include "platform/runtime/DateTime.h"

// Names (users, groups, actions) and passwords are limited so that every entry the file ever
// writes for them fits in one record. Longer ones are refused, never shortened.
constexpr std::size_t MaxNameLength = 200;

class ENameTooLong : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// What names the text in the error ("user name", "password" ...). Throws ENameTooLong.
void CheckNameLength(const std::string &What, const std::string &Name);

bool IsAdministrator(const TEIniFile &Store, const std::string &UserName);

// Appends UserName to the master user list and writes the user's password and administrator
// marker. The caller has checked that the name is new; nothing is written when an entry would
// not fit.
void AddUser(TEIniFile &Store, const std::string &UserName, const std::string &Password,
             bool Administrator);

// An administrator's reset: no old password is asked.
void SetUserPassword(TEIniFile &Store, const std::string &UserName, const std::string &Password);

// The first user whose group list holds Group, if any: such a group must not be deleted, or the
// user's list would name a group no master list holds.
std::optional<std::string> FirstMemberOfGroup(const TEIniFile &Store, const std::string &Group);

// In a file without users, writes the administrator "Manager" with an empty password.
// Returns whether it did; a negative count is a list, though an empty one, and is left alone.
bool SeedAdministratorIfNoUsers(TEIniFile &Store);

enum class TLogonOutcome { Accepted, NoUsersDefined, UserNotFound, BadDataFile, PasswordIncorrect };

// The text shown for a refusal, with its trailing byte 0xFE; empty for Accepted.
std::string LogonRefusalMessage(TLogonOutcome Outcome);

struct TLogonResult {
  TLogonOutcome Outcome = TLogonOutcome::NoUsersDefined;
  std::int32_t AccessCount = 0;    // including this logon
  TDateTime PreviousAccess = 0.0;  // this logon's time when there was none before
};

// Checks the pair and, when it is accepted, records this logon's time and count in the user's
// section. UserExists answers the master-list lookup; without one it is made in Store.
TLogonResult CheckLogon(TEIniFile &Store, const std::string &UserName, const std::string &Password,
                        const std::function<bool(const std::string &)> &UserExists = {});

// The user's own actions, then those of each of the user's groups; exact comparison.
bool UserMayPerform(const TEIniFile &Store, const std::string &UserName, const std::string &Action);

// Replaces the user's password when OldPassword equals the stored one exactly.
bool ChangeUserPassword(TEIniFile &Store, const std::string &UserName,
                        const std::string &OldPassword, const std::string &NewPassword);
