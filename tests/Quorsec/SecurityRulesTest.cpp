#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "EIniFile/RecordFormat.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "Quorsec/SecurityRules.h"
#include "tests/support/TempDir.h"

namespace {

using Schema::MainSection;

// Anna (password "pw", groups Staff and Ghost), Bob (no password key), the administrator Manager
// (empty password), Cleo (password equal to the missing-password marker).
class SecurityRules : public ::testing::Test {
 protected:
  void SetUp() override {
    std::setlocale(LC_TIME, "C");
    AppendToList(Store, MainSection, Lists::Users, {"Anna", "Bob", "Manager", "Cleo"});
    AppendToList(Store, MainSection, Lists::Groups, {"Staff"});
    AppendToList(Store, MainSection, Lists::Actions, {"File_&Open", "File_&Save"});
    Store.WriteString("User_Anna", "Password", "pw");
    Store.WriteString("User_Anna", "DefUser", "ThisIsATest");
    AppendToList(Store, "User_Anna", Lists::Actions, {"File_&Open", "Retired"});
    AppendToList(Store, "User_Anna", Lists::Groups, {"Staff", "Ghost"});
    AppendToList(Store, "Group_Staff", Lists::Actions, {"File_&Open", "Edit_Cut"});
    AppendToList(Store, "Group_Ghost", Lists::Actions, {"Ghost_Act"});
    Store.WriteString("User_Bob", "DefUser", "maymanage");
    Store.WriteString("User_Manager", "Password", "");
    Store.WriteString("User_Manager", "DefUser", "MayManage");
    Store.WriteString("User_Cleo", "Password", "NoStoredPwdMarker");
  }

  TTempDir Dir;
  TEIniFile Store{Dir.File("Sec.Dat"), ""};
};

TEST_F(SecurityRules, LogonOutcomesAndTheirExactMessages) {
  struct {
    const char *User;
    const char *Password;
    TLogonOutcome Outcome;
    std::string Message;
  } Cases[] = {
      {"Anna", "pw", TLogonOutcome::Accepted, ""},
      {"anna", "pw", TLogonOutcome::UserNotFound, "User Not Found.\xFE"},
      {"", "", TLogonOutcome::UserNotFound, "User Not Found.\xFE"},
      {"Anna", "PW", TLogonOutcome::PasswordIncorrect, "Password Incorrect\xFE"},
      {"Anna", "pw ", TLogonOutcome::PasswordIncorrect, "Password Incorrect\xFE"},
      {"Manager", "", TLogonOutcome::Accepted, ""},
      {"Manager", "x", TLogonOutcome::PasswordIncorrect, "Password Incorrect\xFE"},
      {"Bob", "", TLogonOutcome::BadDataFile, "Bad Data File.\xFE"},
      {"Cleo", "NoStoredPwdMarker", TLogonOutcome::BadDataFile, "Bad Data File.\xFE"},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(std::string(Case.User) + "/" + Case.Password);
    const TLogonResult Result = CheckLogon(Store, Case.User, Case.Password);
    EXPECT_EQ(Result.Outcome, Case.Outcome);
    EXPECT_EQ(LogonRefusalMessage(Result.Outcome), Case.Message);
  }
  EXPECT_EQ(LogonRefusalMessage(TLogonOutcome::NoUsersDefined), "No Users Defined.\xFE");
}

TEST_F(SecurityRules, NoUsersDefinedWhileTheCountIsZeroEvenWithUserSections) {
  Store.WriteInteger(MainSection, "Users", 0);
  EXPECT_EQ(CheckLogon(Store, "Anna", "pw").Outcome, TLogonOutcome::NoUsersDefined);
  Store.WriteInteger(MainSection, "Users", -1);
  EXPECT_EQ(CheckLogon(Store, "Anna", "pw").Outcome, TLogonOutcome::UserNotFound);
  EXPECT_FALSE(SeedAdministratorIfNoUsers(Store));  // a negative count is not "no users"
}

TEST_F(SecurityRules, RefusedLogonRecordsNothing) {
  CheckLogon(Store, "Anna", "wrong");
  EXPECT_EQ(Store.ReadString("User_Anna", "AccessCount", "none"), "none");
  EXPECT_EQ(Store.ReadString("User_Anna", "LastAccess", "none"), "none");
}

TEST_F(SecurityRules, SuccessfulLogonsCountAndReportThePreviousTime) {
  const TDateTime Before = Now();
  const TLogonResult First = CheckLogon(Store, "Anna", "pw");
  EXPECT_EQ(First.AccessCount, 1);
  EXPECT_NEAR(First.PreviousAccess, Before, 2.0 / 86400);

  const TDateTime Earlier = EncodeDateTime(2020, 2, 29, 23, 59, 58);
  Store.WriteString("User_Anna", "LastAccess", DateTimeToStr(Earlier));
  const TLogonResult Second = CheckLogon(Store, "Anna", "pw");
  EXPECT_EQ(Second.AccessCount, 2);
  EXPECT_DOUBLE_EQ(Second.PreviousAccess, Earlier);
  EXPECT_NEAR(StrToDateTime(Store.ReadString("User_Anna", "LastAccess", "")), Now(), 2.0 / 86400);
  EXPECT_EQ(Store.ReadString("User_Anna", "AccessCount", ""), "2");
}

TEST_F(SecurityRules, UnreadableLastAccessCountsAsAFirstLogon) {
  Store.WriteString("User_Anna", "LastAccess", "11.12.2026 14:05:09 Uhr");
  const TLogonResult Result = CheckLogon(Store, "Anna", "pw");
  EXPECT_EQ(Result.Outcome, TLogonOutcome::Accepted);
  EXPECT_NEAR(Result.PreviousAccess, Now(), 2.0 / 86400);
  EXPECT_NO_THROW(StrToDateTime(Store.ReadString("User_Anna", "LastAccess", "")));
}

TEST_F(SecurityRules, LogonAsksTheGivenUserLookup) {
  int Asked = 0;
  const auto NobodyListed = [&Asked](const std::string &) { return ++Asked, false; };
  EXPECT_EQ(CheckLogon(Store, "Anna", "pw", NobodyListed).Outcome, TLogonOutcome::UserNotFound);
  EXPECT_EQ(Asked, 1);
}

TEST_F(SecurityRules, AccessComesFromOwnAndGroupListsOnly) {
  struct {
    const char *User;
    const char *Action;
    bool Allowed;
  } Cases[] = {
      {"Anna", "File_&Open", true},   // own list and group
      {"Anna", "Retired", true},      // own list only, not in the master list
      {"Anna", "Edit_Cut", true},     // group only
      {"Anna", "Ghost_Act", true},    // a group section without a master entry still grants
      {"Anna", "File_&Save", false},  // in the catalogue, granted to nobody
      {"Anna", "file_&open", false},    {"Anna", "", false},
      {"Manager", "File_&Open", false},  // the administrator marker grants nothing
      {"Nobody", "File_&Open", false},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(std::string(Case.User) + "/" + Case.Action);
    EXPECT_EQ(UserMayPerform(Store, Case.User, Case.Action), Case.Allowed);
  }
  // A counted but missing item reads empty, and so grants the empty name.
  Store.WriteString("User_Anna", "Actions", "3");
  EXPECT_TRUE(UserMayPerform(Store, "Anna", ""));
}

TEST_F(SecurityRules, AGroupIsInUseWhileAUsersGroupListNamesIt) {
  EXPECT_EQ(FirstMemberOfGroup(Store, "Staff"), "Anna");
  EXPECT_EQ(FirstMemberOfGroup(Store, "staff"), std::nullopt);
  WithdrawFromMemberList(Store, "User_Anna", Lists::Groups, {"Staff"});
  EXPECT_EQ(FirstMemberOfGroup(Store, "Staff"), std::nullopt);
}

TEST_F(SecurityRules, AdministratorMarkerMustMatchExactly) {
  EXPECT_TRUE(IsAdministrator(Store, "Manager"));
  EXPECT_FALSE(IsAdministrator(Store, "Anna"));
  EXPECT_FALSE(IsAdministrator(Store, "Bob"));
  EXPECT_FALSE(IsAdministrator(Store, "Nobody"));
}

TEST_F(SecurityRules, SeedingWritesTheAdministratorOnlyIntoAFileWithoutUsers) {
  EXPECT_FALSE(SeedAdministratorIfNoUsers(Store));
  TTempDir Other;
  TEIniFile Empty(Other.File("Sec.Dat"), "");
  Empty.WriteString(MainSection, "Users", "none");  // junk reads as 0
  EXPECT_TRUE(SeedAdministratorIfNoUsers(Empty));
  EXPECT_EQ(ReadList(Empty, MainSection, Lists::Users), (TStrings{"Manager"}));
  EXPECT_TRUE(IsAdministrator(Empty, "Manager"));
  EXPECT_EQ(CheckLogon(Empty, "Manager", "").Outcome, TLogonOutcome::Accepted);
}

TEST_F(SecurityRules, PasswordChangeNeedsTheStoredPasswordExactly) {
  EXPECT_FALSE(ChangeUserPassword(Store, "Anna", "PW", "new"));
  EXPECT_TRUE(ChangeUserPassword(Store, "Anna", "pw", "pw"));
  EXPECT_TRUE(ChangeUserPassword(Store, "Anna", "pw", ""));
  EXPECT_EQ(Store.ReadString("User_Anna", "Password", "?"), "");
  // A lost password key reads as the marker, which is then the only old password that matches.
  EXPECT_FALSE(ChangeUserPassword(Store, "Bob", "", "x"));
  EXPECT_TRUE(ChangeUserPassword(Store, "Bob", "NoStoredPwdMarker", "x"));
  EXPECT_EQ(Store.ReadString("User_Bob", "Password", "?"), "x");
}

TEST_F(SecurityRules, AddUserWritesTheUserWholeOrNotAtAll) {
  AddUser(Store, "Dora", "secret", true);
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Users).back(), "Dora");
  EXPECT_TRUE(IsAdministrator(Store, "Dora"));
  EXPECT_EQ(CheckLogon(Store, "Dora", "secret").Outcome, TLogonOutcome::Accepted);
  AddUser(Store, "Emil", "", false);
  EXPECT_EQ(Store.ReadString("User_Emil", "DefUser", ""), "ThisIsATest");

  const TStrings Before = ReadList(Store, MainSection, Lists::Users);
  EXPECT_THROW(AddUser(Store, "Fritz", std::string("a\0b", 3), false), EInvalidEntry);
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Users), Before);
  EXPECT_FALSE(Store.SectionExists("User_Fritz"));
}

TEST(NameLength, LongNamesAreRefusedWithTheirLength) {
  EXPECT_NO_THROW(CheckNameLength("user name", std::string(MaxNameLength, 'n')));
  try {
    CheckNameLength("user name", std::string(MaxNameLength + 1, 'n'));
    ADD_FAILURE() << "no error";
  } catch (const ENameTooLong &Error) {
    EXPECT_EQ(std::string(Error.what()), "user name is 201 bytes long; at most 200 are allowed");
  }
}

}  // namespace
