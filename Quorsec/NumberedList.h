#pragma once
// The one list form of the data file: a count key ("Users") and item keys numbered from 1
// ("User1", "User2", ...). Master lists live in section "Main"; member lists in a user's or a
// group's section. Every reader and writer of a list goes through these functions.

#include <string>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/SchemaNames.h"

// A kind of name and its lists: the keys of a list of such names, and what the master list in
// "Main" implies for a name of this kind.
struct TListKind {
  std::string CountKey;
  std::string ItemStem;
  // How a gap in the master list reads when a name is looked up there.
  std::string MissingMasterItem;
  // The prefix of the section a listed name owns; empty when its names own none.
  std::string OwnSectionPrefix;
};

namespace Lists {
inline const TListKind Users{"Users", "User", Schema::ImpossibleUser, Schema::UserSectionPrefix};
inline const TListKind Groups{"Groups", "Group", "", Schema::GroupSectionPrefix};
inline const TListKind Actions{"Actions", "Action", "", ""};
}  // namespace Lists

std::string ItemKey(const TListKind &Kind, int Position);

// The count; 0 or less is an empty list, and text that is no number reads as 0.
int ListCount(const TEIniFile &Store, const std::string &Section, const TListKind &Kind);

// Items 1..count in list order; a missing item reads as MissingItem.
TStrings ReadList(const TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const std::string &MissingItem = "");

// Reads every item up to the count and compares exactly, case-sensitively.
bool ListContains(const TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const std::string &Name, const std::string &MissingItem = "");

// Whether Name is in the master list of its kind, a gap reading as Kind.MissingMasterItem.
bool MasterListContains(const TEIniFile &Store, const TListKind &Kind, const std::string &Name);

// Appends at count + 1, one name after the other. Checks that every entry fits before writing
// anything, so a refused name leaves the list as it was.
void AppendToList(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                  const TStrings &Names);

// Removes the first item equal to Name from a master list in "Main" and rewrites the list as
// items 1..n-1; the other master lists stay as they are. Deleting a user or a group also removes
// its whole section (Kind.OwnSectionPrefix + Name). Returns false, changing nothing, when Name is
// not listed.
bool DeleteFromMasterList(TEIniFile &Store, const TListKind &Kind, const std::string &Name);

// Withdraws every item equal to one of Names from a member list: the count drops by the number
// withdrawn and the others are rewritten as items 1, 2, ... Keys above the new count stay; no
// reader looks past the count. Returns the number withdrawn.
int WithdrawFromMemberList(TEIniFile &Store, const std::string &Section, const TListKind &Kind,
                           const TStrings &Names);
