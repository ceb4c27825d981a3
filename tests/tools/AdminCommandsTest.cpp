// quorsec-admin's schema commands, run as an administrator would run them, with the file read
// back through the library.

#include <gtest/gtest.h>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "platform/runtime/DateTime.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

const std::string Key = "k3y";

// Runs Command FILE Operands... under the test key.
TRunResult Admin(const std::string &File, std::vector<std::string> Arguments,
                 const std::string &Input = "") {
  Arguments.insert(Arguments.begin() + 1, File);
  Arguments.insert(Arguments.end(), {"--key", Key});
  return RunProgram(QUORSEC_ADMIN, Arguments, Input);
}

TStrings MasterList(const TEIniFile &Store, const TListKind &Kind) {
  return ReadList(Store, Schema::MainSection, Kind);
}

TEST(AdminCommands, ProvisionGrantQueryAndDeleteRefusingWithoutWriting) {
  TTempDir Dir;
  const std::string File = Dir.File("Sec.Dat");
  const std::string Long(201, 'x');
  struct {
    std::vector<std::string> Arguments;  // the command, then the operands after FILE
    std::string Input;
    int ExitCode;
    std::string Out;
    std::string ErrMentions;  // with exit code 0, standard error must be empty
    bool Writes;
  } Steps[] = {
      {{"add-user", "alice", "--password", "pw"}, "", 0, "", "", true},
      {{"add-user", "bob", "--admin"}, "s3cret\r\nignored\n", 0, "", "", true},
      {{"add-user", "carol"}, "", 0, "", "", true},
      {{"add-user", "alice", "--password", "x"}, "", 1, "", "user alice exists already", false},
      {{"add-user", "", "--password", "x"}, "", 1, "", "cannot be empty", false},
      {{"add-user", Long, "--password", "x"}, "", 1, "", "user name is 201 bytes long", false},
      {{"add-user", "dave", "--password", Long}, "", 1, "", "password is 201 bytes long", false},
      {{"add-user", "dave"}, std::string("a\0b\n", 4), 1, "", "zero byte", false},
      {{"add-group", "staff"}, "", 0, "", "", true},
      {{"add-group", "staff"}, "", 1, "", "group staff exists already", false},
      {{"add-action", "print"}, "", 0, "", "", true},
      {{"add-action", "scan"}, "", 0, "", "", true},
      {{"add-action", "print"}, "", 1, "", "action print exists already", false},
      {{"users"}, "", 0, "alice\nbob\ncarol\n", "", false},
      {{"groups"}, "", 0, "staff\n", "", false},
      {{"actions"}, "", 0, "print\nscan\n", "", false},

      {{"grant", "alice", "print"}, "", 0, "", "", true},
      {{"grant", "alice", "print"},
       "",
       1,
       "",
       "action print is already listed for user alice",
       false},
      {{"grant", "alice", "fly"}, "", 1, "", "no action fly", false},
      {{"grant", "zed", "print"}, "", 1, "", "no user zed", false},
      {{"grant", "alice", Long}, "", 1, "", "action name is 201 bytes long", false},
      {{"join", "bob", "staff"}, "", 0, "", "", true},
      {{"join", "bob", "chess"}, "", 1, "", "no group chess", false},
      {{"allow", "staff", "scan"}, "", 0, "", "", true},
      {{"allow", "chess", "scan"}, "", 1, "", "no group chess", false},
      {{"test-access", "alice", "print"}, "", 0, "yes\n", "", false},
      {{"test-access", "alice", "scan"}, "", 1, "no\n", "alice", false},
      {{"test-access", "bob", "scan"}, "", 0, "yes\n", "", false},  // through group staff
      {{"test-access", "bob", "print"}, "", 1, "no\n", "bob", false},

      {{"delete-group", "staff"}, "", 1, "", "user bob", false},
      {{"disallow", "staff", "scan"}, "", 0, "", "", true},
      {{"disallow", "staff", "scan"},
       "",
       1,
       "",
       "action scan is not listed for group staff",
       false},
      {{"leave", "bob", "staff"}, "", 0, "", "", true},
      {{"leave", "bob", "staff"}, "", 1, "", "group staff is not listed for user bob", false},
      {{"test-access", "bob", "scan"}, "", 1, "no\n", "bob", false},
      {{"revoke", "alice", "print"}, "", 0, "", "", true},
      {{"revoke", "alice", "print"}, "", 1, "", "action print is not listed for user alice", false},
      {{"delete-group", "staff"}, "", 0, "", "", true},
      {{"delete-group", "staff"}, "", 1, "", "no group staff", false},
      {{"passwd", "alice", "--password", "new"}, "", 0, "", "", true},
      {{"passwd", "zed", "--password", "x"}, "", 1, "", "no user zed", false},
      {{"delete-user", "carol"}, "", 0, "", "", true},
      {{"delete-user", "carol"}, "", 1, "", "no user carol", false},
      {{"delete-action", "scan"}, "", 0, "", "", true},
      {{"delete-action", "scan"}, "", 1, "", "no action scan", false},
      {{"seed"}, "", 1, "", "user list already", false},

      {{"add-group", "x", "--admin"}, "", 2, "", "add-group takes no --admin", false},
      {{"grant", "alice", "print", "--password", "p"},
       "",
       2,
       "",
       "grant takes no --password",
       false},
      {{"join", "bob"}, "", 2, "", "FILE USER GROUP", false},
  };
  for (const auto &Step : Steps) {
    SCOPED_TRACE(Step.Arguments.front() + " " +
                 (Step.Arguments.size() > 1 ? Step.Arguments[1].substr(0, 20) : ""));
    const auto Before = ReadBytes(File);
    const TRunResult Result = Admin(File, Step.Arguments, Step.Input);
    EXPECT_EQ(Result.ExitCode, Step.ExitCode) << Result.Err;
    EXPECT_EQ(Result.Out, Step.Out);
    if (Step.ExitCode == 0) {
      EXPECT_EQ(Result.Err, "");
    } else {
      EXPECT_NE(Result.Err.find(Step.ErrMentions), std::string::npos) << Result.Err;
    }
    if (Step.ExitCode == 1) {
      EXPECT_NE(Result.Err.find(File), std::string::npos) << Result.Err;
    }
    if (Step.Writes) {
      EXPECT_NE(ReadBytes(File), Before);
    } else {
      EXPECT_EQ(ReadBytes(File), Before);
    }
  }

  TEIniFile Store(File, Key);
  EXPECT_EQ(MasterList(Store, Lists::Users), (TStrings{"alice", "bob"}));
  EXPECT_EQ(MasterList(Store, Lists::Groups), TStrings{});
  EXPECT_EQ(MasterList(Store, Lists::Actions), TStrings{"print"});
  EXPECT_EQ(Store.ReadString("User_alice", "Password", ""), "new");
  EXPECT_EQ(Store.ReadString("User_alice", "DefUser", ""), "ThisIsATest");
  EXPECT_EQ(Store.ReadString("User_bob", "Password", ""), "s3cret");
  EXPECT_EQ(Store.ReadString("User_bob", "DefUser", ""), "MayManage");
  EXPECT_EQ(ReadList(Store, "User_alice", Lists::Actions), TStrings{});
  EXPECT_EQ(ReadList(Store, "User_bob", Lists::Groups), TStrings{});
  EXPECT_FALSE(Store.SectionExists("User_carol"));
  EXPECT_FALSE(Store.SectionExists("Group_staff"));
  Store.Release();
}

TEST(AdminCommands, LogonCountsAccessesAndRefusesWithTheDialogTexts) {
  TTempDir Dir;
  const std::string Empty = Dir.File("Empty.Dat");
  const std::string File = Dir.File("Sec.Dat");
  WriteBytes(Empty, {});
  ASSERT_EQ(Admin(File, {"seed"}).ExitCode, 0);
  ASSERT_EQ(Admin(File, {"add-user", "ghost", "--password", "x"}).ExitCode, 0);
  {
    // Listed, but its section lost the password: the file is damaged.
    TEIniFile Store(File, Key);
    Store.DeleteItem(Schema::PasswordKey, Schema::UserSection("ghost"));
    Store.Release();
  }

  const TRunResult First = Admin(File, {"logon", "Manager"}, "\n");  // the seeded empty password
  ASSERT_EQ(First.ExitCode, 0) << First.Err;
  EXPECT_EQ(First.Out.substr(0, 5), "ok 1 ");
  const std::string FirstTime = TEIniFile(File, Key).ReadString("User_Manager", "LastAccess", "");
  EXPECT_NO_THROW(StrToDateTime(FirstTime));

  const TRunResult Second = Admin(File, {"logon", "Manager", "--password", ""});
  EXPECT_EQ(Second.ExitCode, 0) << Second.Err;
  EXPECT_EQ(Second.Out, "ok 2 " + FirstTime + "\n");
  EXPECT_EQ(TEIniFile(File, Key).ReadInteger("User_Manager", "AccessCount", 0), 2);

  struct {
    const std::string &File;
    std::vector<std::string> Arguments;
    std::string Input;
    std::string Reason;
  } Refusals[] = {
      {Empty, {"logon", "Manager", "--password", ""}, "", "No Users Defined."},
      {File, {"logon", "Nobody", "--password", ""}, "", "User Not Found."},
      {File, {"logon", "ghost", "--password", "x"}, "", "Bad Data File."},
      {File, {"logon", "Manager", "--password", "wrong"}, "", "Password Incorrect"},
      {File, {"logon", "Manager"}, "wrong\n", "Password Incorrect"},
      {File, {"logon", "Manager"}, " \r\n", "Password Incorrect"},  // only the line end goes
  };
  for (const auto &Refusal : Refusals) {
    SCOPED_TRACE(Refusal.Reason + " " + Refusal.Arguments[1]);
    const auto Before = ReadBytes(Refusal.File);
    const TRunResult Result = Admin(Refusal.File, Refusal.Arguments, Refusal.Input);
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_EQ(Result.Out, "");
    EXPECT_EQ(Result.Err, "quorsec-admin: " + Refusal.File + ": " + Refusal.Reason + "\n");
    EXPECT_EQ(ReadBytes(Refusal.File), Before);
  }
}

}  // namespace
