// The store's lookups and edits on entries in memory, and what a save and a load keep of them.

#include <gtest/gtest.h>

#include "EIniFile/TEIniFile.h"
#include "tests/support/TempDir.h"

namespace {

using TEntries = std::vector<std::array<std::string, 3>>;

TEntries EntriesOf(const TEIniFile &Store) {
  TEntries Out;
  for (std::size_t I = 0; I < Store.Keys().size(); ++I) {
    Out.push_back({Store.Sections()[I], Store.Keys()[I], Store.Values()[I]});
  }
  return Out;
}

class StoreSemantics : public ::testing::Test {
 protected:
  void SetUp() override {
    TEIniFile Seed(Path, "k");
    for (const auto &[Section, Ident, Value] : Initial) Seed.AddItem(Section, Ident, Value);
    Seed.Release();
  }

  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  const TEntries Initial = {
      {"Main", "Users", "2"},   {"Main", "User1", "Anna"}, {"User_Anna", "Password", ""},
      {"Main", "User2", "Bob"}, {"Main", "Users", "dup"},  {"Hex", "A", "0x1F"},
      {"Hex", "B", "0X1f"},     {"Hex", "C", "$1F"},       {"Hex", "D", "-5"},
      {"Hex", "E", ""},         {"Hex", "F", "0x"},        {"Hex", "G", "12abc"},
      {"Bool", "T1", "1"},      {"Bool", "T2", "2"},       {"Bool", "T3", "-1"},
      {"Bool", "F0", "0"},      {"Bool", "X", "yes"},
  };
};

TEST_F(StoreSemantics, LoadKeepsFileOrderAndDuplicates) {
  TEIniFile Store(Path, "k");
  EXPECT_EQ(EntriesOf(Store), Initial);
}

TEST_F(StoreSemantics, ExactAndCaseInsensitiveLookups) {
  TEIniFile Store(Path, "k");
  EXPECT_TRUE(Store.SectionExists("main"));
  EXPECT_TRUE(Store.SectionExists("USER_ANNA"));
  EXPECT_FALSE(Store.SectionExists("Mai"));

  std::string Value;
  EXPECT_TRUE(Store.ItemExistInSection("Users", "Main", Value));
  EXPECT_EQ(Value, "2");  // the first of the duplicates
  EXPECT_FALSE(Store.ItemExistInSection("users", "Main", Value));
  EXPECT_EQ(Value, "");
  EXPECT_EQ(Store.ReadString("main", "Users", "def"), "def");
  EXPECT_EQ(Store.ReadString("User_Anna", "Password", "def"), "");

  std::string Section = "untouched";
  Value = "untouched";
  EXPECT_FALSE(Store.ItemExists("NoSuchKey", Section, Value));
  EXPECT_EQ(Section + Value, "untoucheduntouched");
  EXPECT_TRUE(Store.ItemExists("PASSWORD", Section, Value));
  EXPECT_EQ(Section, "User_Anna");
  EXPECT_EQ(Value, "");
}

TEST_F(StoreSemantics, IntegerAndBooleanReads) {
  TEIniFile Store(Path, "k");
  struct {
    const char *Ident;
    std::int32_t Integer;
    bool Bool;
  } Cases[] = {
      {"A", 31, true},  {"B", 31, true},  {"C", 31, true},  {"D", -5, true},
      {"E", -7, false}, {"F", -7, false}, {"G", -7, false}, {"Missing", -7, false},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Ident);
    EXPECT_EQ(Store.ReadInteger("Hex", Case.Ident, -7), Case.Integer);
    EXPECT_EQ(Store.ReadBool("Hex", Case.Ident, false), Case.Bool);
  }
  struct {
    const char *Ident;
    bool Default;
    bool Expected;
  } Bools[] = {{"T1", false, true}, {"T2", false, true}, {"T3", false, true},
               {"F0", true, false}, {"X", true, true},   {"X", false, false}};
  for (const auto &Case : Bools) {
    SCOPED_TRACE(Case.Ident);
    EXPECT_EQ(Store.ReadBool("Bool", Case.Ident, Case.Default), Case.Expected);
  }
}

TEST_F(StoreSemantics, WritesReplaceInPlaceAppendOtherwiseAndDeletesCloseTheGap) {
  {
    TEIniFile Store(Path, "k");
    Store.WriteString("Main", "User1", "Anne");  // replaced where it stands
    Store.WriteString("main", "users", "9");     // another spelling: a new entry
    Store.WriteInteger("Main", "Count", -12);
    Store.WriteBool("Main", "On", true);
    Store.WriteBool("Main", "Off", false);
    EXPECT_TRUE(Store.DeleteItem("Users", "Main"));  // only the first of the two
    EXPECT_FALSE(Store.DeleteItem("Absent", "Main"));
    EXPECT_FALSE(Store.ReplaceItem("Absent", "Main", "x"));
    Store.EraseSection("Bool");
    Store.EraseSection("Hex");
    Store.Release();
  }
  TEIniFile Store(Path, "k");
  const TEntries Expected = {
      {"Main", "User1", "Anne"}, {"User_Anna", "Password", ""}, {"Main", "User2", "Bob"},
      {"Main", "Users", "dup"},  {"main", "users", "9"},        {"Main", "Count", "-12"},
      {"Main", "On", "1"},       {"Main", "Off", "0"},
  };
  EXPECT_EQ(EntriesOf(Store), Expected);
  EXPECT_EQ(Store.ReadString("Main", "Users", ""), "dup");
}

TEST_F(StoreSemantics, SectionListsAppendWithoutClearing) {
  TEIniFile Store(Path, "k");
  TStrings Keys = {"before"};
  Store.ReadSection("Main", Keys);
  EXPECT_EQ(Keys, (TStrings{"before", "Users", "User1", "User2", "Users"}));
  TStrings Values = {"before"};
  Store.ReadSectionValues("Main", Values);
  EXPECT_EQ(Values, (TStrings{"before", "2", "Anna", "Bob", "dup"}));
}

TEST(StorePaths, BareNamesLiveInTheDataDirectoryAndBackupsAreNumbered) {
  TTempDir Dir;
  ::setenv("XDG_DATA_HOME", Dir.Path().c_str(), 1);
  {
    TEIniFile Store("Sec.Dat", "");
    EXPECT_EQ(Store.GetIniPathName(), Dir.File("Sec.Dat"));
    EXPECT_EQ(Store.GetFileName(), "Sec.Dat");
  }
  EXPECT_TRUE(std::filesystem::exists(Dir.File("Sec.Dat")));
  ::unsetenv("XDG_DATA_HOME");

  const std::string Name = Dir.File("Sec.Dat");
  EXPECT_EQ(TEIniFile::GetBackupIniPathName(Name), Dir.File("Sec.0"));
  WriteBytes(Dir.File("Sec.0"), {});
  EXPECT_EQ(TEIniFile::GetBackupIniPathName(Name), Dir.File("Sec.1"));
  EXPECT_EQ(TEIniFile::GetBackupIniPathName(Dir.File("NoExt")), Dir.File("NoExt.0"));
}

}  // namespace
