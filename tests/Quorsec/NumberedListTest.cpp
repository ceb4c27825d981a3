#include <gtest/gtest.h>

#include "EIniFile/RecordFormat.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "tests/support/TempDir.h"

namespace {

using Schema::MainSection;

class NumberedList : public ::testing::Test {
 protected:
  TTempDir Dir;
  TEIniFile Store{Dir.File("Sec.Dat"), "key"};

  // Every entry of a section as "key=value", in file order.
  TStrings SectionEntries(const std::string &Section) const {
    TStrings Keys, Values, Out;
    Store.ReadSection(Section, Keys);
    Store.ReadSectionValues(Section, Values);
    for (std::size_t I = 0; I < Keys.size(); ++I) Out.push_back(Keys[I] + "=" + Values[I]);
    return Out;
  }
};

TEST_F(NumberedList, AppendsOneAfterTheOtherAndReadsInOrder) {
  AppendToList(Store, MainSection, Lists::Actions, {"File_&Open"});
  AppendToList(Store, MainSection, Lists::Actions, {"File_&Save", "Help"});
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Actions),
            (TStrings{"File_&Open", "File_&Save", "Help"}));
  EXPECT_EQ(SectionEntries(MainSection),
            (TStrings{"Actions=3", "Action1=File_&Open", "Action2=File_&Save", "Action3=Help"}));
  EXPECT_TRUE(ListContains(Store, MainSection, Lists::Actions, "Help"));
  EXPECT_FALSE(ListContains(Store, MainSection, Lists::Actions, "help"));
}

TEST_F(NumberedList, CountsInHexJunkAndNegativeAndMissingItems) {
  struct {
    const char *Count;
    TStrings Expected;
  } Cases[] = {
      {"$2", {"a", "b"}}, {"0x3", {"a", "b", "Missing"}}, {"0X1", {"a"}}, {"two", {}}, {"-4", {}},
      {"", {}},
  };
  Store.WriteString("Group_G", "Action1", "a");
  Store.WriteString("Group_G", "Action2", "b");
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Count);
    Store.WriteString("Group_G", "Actions", Case.Count);
    EXPECT_EQ(ReadList(Store, "Group_G", Lists::Actions, "Missing"), Case.Expected);
  }
}

TEST_F(NumberedList, MasterListGapsReadAsTheirKindsSentinel) {
  // Counts of 2 with only item 1 stored: item 2 is a gap.
  for (const TListKind *Kind : {&Lists::Users, &Lists::Groups, &Lists::Actions}) {
    Store.WriteString(MainSection, Kind->CountKey, "2");
    Store.WriteString(MainSection, ItemKey(*Kind, 1), "Anna");
  }
  struct {
    const TListKind &Kind;
    const char *Name;
    bool Listed;
  } Cases[] = {
      {Lists::Users, "Anna", true}, {Lists::Users, "anna", false},
      {Lists::Users, "", false},    {Lists::Users, "ImposibleUser", true},
      {Lists::Groups, "", true},    {Lists::Groups, "ImposibleUser", false},
      {Lists::Actions, "", true},   {Lists::Actions, "Anna", true},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Kind.CountKey + "/" + Case.Name);
    EXPECT_EQ(MasterListContains(Store, Case.Kind, Case.Name), Case.Listed);
  }
}

TEST_F(NumberedList, AppendingToANegativeCountStartsAtOne) {
  Store.WriteString(MainSection, "Groups", "-3");
  AppendToList(Store, MainSection, Lists::Groups, {"Staff"});
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Groups), (TStrings{"Staff"}));
}

TEST_F(NumberedList, RefusedAppendChangesNothing) {
  AppendToList(Store, MainSection, Lists::Actions, {"a"});
  const TStrings Before = SectionEntries(MainSection);
  EXPECT_THROW(AppendToList(Store, MainSection, Lists::Actions,
                            {"b", std::string(RecordFormat::EntryCapacity, 'x')}),
               EInvalidEntry);
  EXPECT_EQ(SectionEntries(MainSection), Before);
}

TEST_F(NumberedList, MasterDeleteRewritesOneListAndRemovesTheSection) {
  AppendToList(Store, MainSection, Lists::Users, {"Anna", "Bob", "Cleo"});
  AppendToList(Store, MainSection, Lists::Groups, {"Staff"});
  AppendToList(Store, MainSection, Lists::Actions, {"Staff"});
  Store.WriteString("User_Bob", "Password", "pw");
  Store.WriteString("User_Bob", "Groups", "1");
  Store.WriteString("User_Bobby", "Password", "kept");
  Store.WriteString("Group_Staff", "Actions", "0");

  EXPECT_TRUE(DeleteFromMasterList(Store, Lists::Users, "Bob"));
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Users), (TStrings{"Anna", "Cleo"}));
  EXPECT_EQ(SectionEntries(MainSection),
            (TStrings{"Groups=1", "Group1=Staff", "Actions=1", "Action1=Staff", "Users=2",
                      "User1=Anna", "User2=Cleo"}));
  EXPECT_FALSE(Store.SectionExists("User_Bob"));
  EXPECT_TRUE(Store.SectionExists("User_Bobby"));

  EXPECT_FALSE(DeleteFromMasterList(Store, Lists::Users, "Bob"));
  // An action owns no section: deleting the action "Staff" leaves the group's section alone.
  EXPECT_TRUE(DeleteFromMasterList(Store, Lists::Actions, "Staff"));
  EXPECT_TRUE(Store.SectionExists("Group_Staff"));
  EXPECT_TRUE(DeleteFromMasterList(Store, Lists::Groups, "Staff"));
  EXPECT_FALSE(Store.SectionExists("Group_Staff"));
  EXPECT_EQ(ListCount(Store, MainSection, Lists::Groups), 0);
}

TEST_F(NumberedList, MemberWithdrawKeepsTheOthersInOrder) {
  AppendToList(Store, "User_Anna", Lists::Actions, {"a", "b", "c", "d", "e"});
  EXPECT_EQ(WithdrawFromMemberList(Store, "User_Anna", Lists::Actions, {"b", "d"}), 2);
  EXPECT_EQ(ReadList(Store, "User_Anna", Lists::Actions), (TStrings{"a", "c", "e"}));
  EXPECT_EQ(Store.ReadString("User_Anna", "Action4", ""), "d");  // beyond the count: unread
  EXPECT_EQ(WithdrawFromMemberList(Store, "User_Anna", Lists::Actions, {"x"}), 0);
}

}  // namespace
