// quorsec-admin's store commands, run as a user would run them.

#include <gtest/gtest.h>

#include "EIniFile/TEIniFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

TRunResult Admin(const std::vector<std::string> &Arguments) {
  return RunProgram(QUORSEC_ADMIN, Arguments);
}

TEST(StoreCommands, SetGetDeleteAndDumpWithEscapes) {
  TTempDir Dir;
  const std::string File = Dir.File("Sec.Dat");
  const std::vector<std::string> Key = {"--key", "s3cret"};
  const auto With = [&](std::vector<std::string> Arguments) {
    Arguments.insert(Arguments.end(), Key.begin(), Key.end());
    return Admin(Arguments);
  };

  EXPECT_EQ(With({"set", File, "Main", "Users", "1"}).ExitCode, 0);
  EXPECT_EQ(With({"set", File, "Main", "User1", "A\\b\tc\x7f\xfe"}).ExitCode, 0);
  EXPECT_EQ(With({"set", File, "Main", "Users", "2"}).ExitCode, 0);  // replaced in place

  const TRunResult Get = With({"get", File, "Main", "Users"});
  EXPECT_EQ(Get.ExitCode, 0);
  EXPECT_EQ(Get.Out, "2\n");

  const TRunResult Dump = With({"dump", File});
  EXPECT_EQ(Dump.ExitCode, 0);
  EXPECT_EQ(Dump.Out, "Main\tUsers\t2\nMain\tUser1\tA\\x5cb\\x09c\\x7f\xfe\n");

  // The same store through the library, under the same key.
  {
    TEIniFile Store(File, "s3cret");
    EXPECT_EQ(Store.ReadString("Main", "User1", ""), "A\\b\tc\x7f\xfe");
  }

  EXPECT_EQ(With({"delete", File, "Main", "Users"}).ExitCode, 0);
  const TRunResult Missing = With({"get", File, "Main", "Users"});
  EXPECT_EQ(Missing.ExitCode, 1);
  EXPECT_EQ(Missing.Out, "");
  EXPECT_NE(Missing.Err.find(File), std::string::npos);
  EXPECT_EQ(With({"delete", File, "Main", "Users"}).ExitCode, 1);
}

TEST(StoreCommands, KeyFileAndBareFileNames) {
  TTempDir Dir;
  const std::string KeyFile = Dir.File("key");
  WriteBytes(KeyFile, {'s', '3', 'c', 'r', 'e', 't', '\n'});
  const std::string File = Dir.File("Sec.Dat");
  ASSERT_EQ(Admin({"set", File, "S", "K", "v", "--key-file", KeyFile}).ExitCode, 0);
  EXPECT_EQ(Admin({"get", File, "S", "K", "--key", "s3cret"}).Out, "v\n");
  // Without a key the empty key is used, and the entry does not decode.
  EXPECT_EQ(Admin({"get", File, "S", "K"}).ExitCode, 1);
}

TEST(StoreCommands, UsageAndFileErrorsHaveTheirExitCodes) {
  TTempDir Dir;
  const std::string File = Dir.File("Sec.Dat");
  struct {
    const char *Name;
    std::vector<std::string> Arguments;
    int ExitCode;
    std::string ErrorMentions;
  } Cases[] = {
      {"no command", {}, 2, "Usage"},
      {"unknown command", {"frobnicate", File}, 2, "frobnicate"},
      {"missing operand", {"get", File, "S"}, 2, "FILE SECTION KEY"},
      {"unknown option", {"dump", File, "--colour"}, 2, "--colour"},
      {"two keys", {"dump", File, "--key", "a", "--key", "b"}, 2, "once"},
      {"missing directory", {"dump", Dir.File("absent/Sec.Dat")}, 3, Dir.File("absent/Sec.Dat")},
      {"missing key file", {"dump", File, "--key-file", Dir.File("nokey")}, 3, Dir.File("nokey")},
      {"entry too long", {"set", File, "S", "K", std::string(600, 'x')}, 1, File},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TRunResult Result = Admin(Case.Arguments);
    EXPECT_EQ(Result.ExitCode, Case.ExitCode);
    EXPECT_NE(Result.Err.find(Case.ErrorMentions), std::string::npos) << Result.Err;
  }
  const TRunResult Help = Admin({"--help"});
  EXPECT_EQ(Help.ExitCode, 0);
  for (const char *Command : {"dump", "get", "set", "delete"}) {
    EXPECT_NE(Help.Out.find(Command), std::string::npos) << Command;
  }
}

}  // namespace
