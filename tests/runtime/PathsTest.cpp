#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/runtime/Paths.h"

namespace {

TEST(Paths, SplitsAtBackslashColonAndSlash) {
  struct {
    const char *Path;
    const char *FileName;
    const char *Directory;
  } Cases[] = {
      {"Sec.Dat", "Sec.Dat", ""},     {"C:\\App\\Sec.Dat", "Sec.Dat", "C:\\App\\"},
      {"C:Sec.Dat", "Sec.Dat", "C:"}, {"/opt/app/Sec.Dat", "Sec.Dat", "/opt/app/"},
      {"dir/", "", "dir/"},           {"", "", ""},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Path);
    EXPECT_EQ(ExtractFileName(Case.Path), Case.FileName);
    EXPECT_EQ(ExtractFilePath(Case.Path), Case.Directory);
  }
}

TEST(Paths, ExecutablePathNamesThisTestProgram) {
  EXPECT_EQ(ExtractFileName(ExecutablePath()), "runtime_tests");
}

TEST(Paths, SystemDataDirectoryFollowsXdgDataHomeElseHome) {
  const auto Saved = [](const char *Name) {
    const char *Value = std::getenv(Name);
    return std::pair<std::string, bool>(Value ? Value : "", Value != nullptr);
  };
  const auto Restore = [](const char *Name, const std::pair<std::string, bool> &Value) {
    if (Value.second) {
      ::setenv(Name, Value.first.c_str(), 1);
    } else {
      ::unsetenv(Name);
    }
  };
  const auto DataHome = Saved("XDG_DATA_HOME");
  const auto Home = Saved("HOME");
  ::setenv("XDG_DATA_HOME", "/data/home", 1);
  EXPECT_EQ(SystemDataDirectory(), "/data/home");
  ::setenv("XDG_DATA_HOME", "", 1);
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(SystemDataDirectory(), "/home/someone/.local/share");
  Restore("XDG_DATA_HOME", DataHome);
  Restore("HOME", Home);
}

}  // namespace
