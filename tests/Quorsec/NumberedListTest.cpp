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
  // A gap inside the count matches only the sentinel.
  Store.WriteString(MainSection, "Users", "2");
  Store.WriteString(MainSection, "User1", "Anna");
  EXPECT_TRUE(
      ListContains(Store, MainSection, Lists::Users, "ImposibleUser", Schema::ImpossibleUser));
  EXPECT_FALSE(ListContains(Store, MainSection, Lists::Users, "", Schema::ImpossibleUser));
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
  Store.WriteString("User_Bob", "Password", "pw");
  Store.WriteString("User_Bob", "Groups", "1");
  Store.WriteString("User_Bobby", "Password", "kept");
  Store.WriteString("Group_Staff", "Actions", "0");

  EXPECT_TRUE(DeleteFromMasterList(Store, Lists::Users, "Bob"));
  EXPECT_EQ(ReadList(Store, MainSection, Lists::Users), (TStrings{"Anna", "Cleo"}));
  EXPECT_EQ(SectionEntries(MainSection),
            (TStrings{"Groups=1", "Group1=Staff", "Users=2", "User1=Anna", "User2=Cleo"}));
  EXPECT_FALSE(Store.SectionExists("User_Bob"));
  EXPECT_TRUE(Store.SectionExists("User_Bobby"));

  EXPECT_FALSE(DeleteFromMasterList(Store, Lists::Users, "Bob"));
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
