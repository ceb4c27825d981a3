#include <gtest/gtest.h>

#include <QMetaProperty>

#include "Quorsec/SecurityRules.h"
#include "platform/runtime/InOutError.h"
#include "platform/runtime/Paths.h"
#include "platform/ui/MessageRecorder.h"
#include "tests/support/SecurityFixture.h"

namespace {

using TMessages = std::vector<TMessageRecorder::TMessage>;

TMessages Shown(const std::string &Text) {
  return {{TMessageKind::Information, Text}};
}

TEST(Component, DefaultsAndPublishedProperties) {
  TQuorSecurity Security;
  EXPECT_EQ(Security.DatFile(), "Sec.Dat");
  EXPECT_EQ(Security.Password(), "");
  EXPECT_FALSE(Security.Active());
  EXPECT_TRUE(Security.AutoIdentify());
  EXPECT_TRUE(Security.ShowUserInterface());
  EXPECT_EQ(Security.UserAccessCount(), 0);
  EXPECT_EQ(Security.UserLastAccess(), 0.0);
  EXPECT_EQ(Security.UserName(), "");

  // The order and writability a form designer shows.
  const QMetaObject *Meta = Security.metaObject();
  const struct {
    const char *Name;
    bool Writable;
  } Expected[] = {{"DatFile", true},          {"Password", true},        {"Active", false},
                  {"UserAccessCount", false}, {"UserLastAccess", false}, {"AutoIdentify", true},
                  {"ShowUserInterface", true}};
  const int First = Meta->propertyOffset();
  ASSERT_EQ(Meta->propertyCount() - First, 7);
  for (int I = 0; I < 7; ++I) {
    SCOPED_TRACE(Expected[I].Name);
    EXPECT_STREQ(Meta->property(First + I).name(), Expected[I].Name);
    EXPECT_EQ(Meta->property(First + I).isWritable(), Expected[I].Writable);
  }
  EXPECT_TRUE(Security.setProperty("DatFile", QString("Other.Dat")));
  EXPECT_EQ(Security.DatFile(), "Other.Dat");
}

TEST(Component, DataFileSitsBesideTheExecutableAtRunTime) {
  TQuorSecurity Security;
  Security.setDatFile("C:\\Somewhere\\Else/Data.Sec");
  EXPECT_EQ(Security.GetIniName(), ExtractFilePath(ExecutablePath()) + "Data.Sec");
}

class ComponentLogon : public SecurityFixture {};

TEST_F(ComponentLogon, DataFileFollowsTheDesignedFormAndDropsDatFilesDirectory) {
  Security.setDatFile("/elsewhere/My.Dat");
  EXPECT_EQ(Security.GetIniName(), Dir.File("My.Dat"));
}

TEST_F(ComponentLogon, RefusalsShowTheirMessageOnlyWithTheUserInterface) {
  TMessageRecorder Messages;
  EXPECT_FALSE(Security.LogonEx("Anna", "pw"));  // no users yet
  WriteSampleUsers();
  EXPECT_FALSE(Security.LogonEx("anna", "pw"));
  EXPECT_FALSE(Security.LogonEx("Anna", "PW"));
  EXPECT_EQ(Messages.Messages(),
            (TMessages{{TMessageKind::Information, "No Users Defined.\xFE"},
                       {TMessageKind::Information, "User Not Found.\xFE"},
                       {TMessageKind::Information, "Password Incorrect\xFE"}}));
  Security.setShowUserInterface(false);
  EXPECT_FALSE(Security.LogonEx("Anna", "PW"));
  EXPECT_EQ(Messages.Messages().size(), 3u);
  EXPECT_FALSE(Security.Active());
  EXPECT_EQ(Security.UserName(), "");
}

TEST_F(ComponentLogon, LogonsCountAndARefusalKeepsTheEarlierUser) {
  WriteSampleUsers();
  TMessageRecorder Messages;
  const TDateTime Before = Now();
  ASSERT_TRUE(Security.LogonEx("Anna", "pw"));
  EXPECT_TRUE(Security.Active());
  EXPECT_EQ(Security.UserName(), "Anna");
  EXPECT_EQ(Security.UserPassword(), "pw");
  EXPECT_EQ(Security.UserAccessCount(), 1);
  EXPECT_NEAR(Security.UserLastAccess(), Before, 2.0 / 86400);

  ASSERT_TRUE(Security.LogonEx("Anna", "pw"));
  EXPECT_EQ(Security.UserAccessCount(), 2);

  EXPECT_FALSE(Security.LogonEx("Manager", "wrong"));
  EXPECT_EQ(Messages.Messages(), Shown("Password Incorrect\xFE"));
  EXPECT_FALSE(Security.Active());
  EXPECT_EQ(Security.UserName(), "Anna");
  EXPECT_EQ(Security.UserAccessCount(), 2);
  EXPECT_TRUE(Security.TestAccess("Edit_Cut"));  // still answered for Anna
}

TEST_F(ComponentLogon, MasterListChecksAndAddAction) {
  WriteSampleUsers();
  EXPECT_TRUE(Security.UserExist("Manager"));
  EXPECT_FALSE(Security.UserExist("manager"));
  EXPECT_FALSE(Security.UserExist(""));
  EXPECT_TRUE(Security.GroupExist("Staff"));
  EXPECT_FALSE(Security.ActionExist(""));

  const auto Bytes = ReadBytes(DataFile());
  Security.AddAction("");
  Security.AddAction("Edit_Cut");
  EXPECT_EQ(ReadBytes(DataFile()), Bytes);  // nothing to add: the file is not even rewritten
  Security.AddAction("Help_&About");
  TEIniFile Store(DataFile(), "file key");
  EXPECT_EQ(ReadList(Store, "Main", Lists::Actions),
            (TStrings{"File_&Open", "Edit_Cut", "Help_&About"}));
  EXPECT_THROW(Security.AddAction(std::string(MaxNameLength + 1, 'a')), ENameTooLong);
}

TEST_F(ComponentLogon, NobodyLoggedOnNeverOpensTheFile) {
  TTempProject Unreachable("/nonexistent-dir/Project.ui");
  SetToolServices(&Unreachable);
  EXPECT_THROW(Security.UserExist("x"), EInOutError);  // opening the file would fail
  EXPECT_FALSE(Security.TestAccess("File_&Open"));
  EXPECT_FALSE(Security.ChangePasswordEx("", "new"));
  SetToolServices(&Project);
}

TEST_F(ComponentLogon, AccessTestAnswersForTheLoggedOnUser) {
  WriteSampleUsers();
  ASSERT_TRUE(Security.LogonEx("Anna", "pw"));
  const auto Bytes = ReadBytes(DataFile());
  EXPECT_TRUE(Security.TestAccess("File_&Open"));
  EXPECT_TRUE(Security.TestAccess("Edit_Cut"));
  EXPECT_FALSE(Security.TestAccess("edit_cut"));
  EXPECT_EQ(ReadBytes(DataFile()), Bytes);  // asking changes nothing on disk
  ASSERT_TRUE(Security.LogonEx("Manager", ""));
  EXPECT_FALSE(Security.TestAccess("File_&Open"));
}

TEST_F(ComponentLogon, PasswordChangeOfTheLoggedOnUser) {
  WriteSampleUsers();
  ASSERT_TRUE(Security.LogonEx("Anna", "pw"));
  EXPECT_FALSE(Security.ChangePasswordEx("pw ", "new"));
  EXPECT_THROW(Security.ChangePasswordEx("pw", std::string(MaxNameLength + 1, 'p')), ENameTooLong);
  EXPECT_TRUE(Security.ChangePasswordEx("pw", ""));
  EXPECT_EQ(Security.UserPassword(), "pw");  // the logged-on state is left as it was
  TMessageRecorder Messages;
  EXPECT_FALSE(Security.LogonEx("Anna", "pw"));
  EXPECT_TRUE(Security.LogonEx("Anna", ""));
}

TEST_F(ComponentLogon, ReadOnlyOperationsLeaveAFileOfAnotherKeyAlone) {
  WriteSampleUsers();
  const auto Bytes = ReadBytes(DataFile());
  Security.setPassword("wrong key");
  TMessageRecorder Messages;
  EXPECT_FALSE(Security.LogonEx("Anna", "pw"));
  EXPECT_EQ(ReadBytes(DataFile()), Bytes);
}

}  // namespace
