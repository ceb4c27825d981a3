// grant/revoke, join/leave, allow/disallow: the member lists in a user's or a group's section.

#include "Quorsec/NumberedList.h"
#include "tools/quorsec-admin/AdminCommands.h"
#include "tools/quorsec-admin/MasterLists.h"
#include "tools/quorsec-admin/OperandChecks.h"

namespace {

struct TMembership {
  const TMasterList &Holder;  // whose section holds the member list
  const TMasterList &Member;  // whose names the member list holds
};

const TMembership UserActions{UserList, ActionList};
const TMembership UserGroups{UserList, GroupList};
const TMembership GroupActions{GroupList, ActionList};

struct TMemberOperands {
  const std::string &Holder;
  const std::string &Member;
};

TMemberOperands ReadOperands(const TCommandLine &Line, const TMembership &Membership) {
  CheckExtraOptions(Line, {});
  return {NameOperand(Line, 1, Membership.Holder.Noun + std::string(" name")),
          NameOperand(Line, 2, Membership.Member.Noun + std::string(" name"))};
}

// "action print" + Relation + "user alice"
std::string Describe(const TMembership &Membership, const TMemberOperands &Names,
                     const std::string &Relation) {
  return Named(Membership.Member, Names.Member) + Relation + Named(Membership.Holder, Names.Holder);
}

// Both names must be in their master lists, as the setup dialogs only offer listed names.
template <const TMembership &Membership>
void AddMember(const TCommandLine &Line, std::ostream &) {
  const TMemberOperands Names = ReadOperands(Line, Membership);
  TEIniFile Store = OpenStore(Line);
  RequireListed(Store, Membership.Holder, Names.Holder);
  RequireListed(Store, Membership.Member, Names.Member);
  const std::string Section = Membership.Holder.Kind.OwnSectionPrefix + Names.Holder;
  if (ListContains(Store, Section, Membership.Member.Kind, Names.Member)) {
    throw ERefused(Describe(Membership, Names, " is already listed for "));
  }
  AppendToList(Store, Section, Membership.Member.Kind, {Names.Member});
  Store.Release();
}

// Withdrawing a name that is not in the list changes nothing, so the store stays unwritten.
template <const TMembership &Membership>
void RemoveMember(const TCommandLine &Line, std::ostream &) {
  const TMemberOperands Names = ReadOperands(Line, Membership);
  TEIniFile Store = OpenStore(Line);
  if (WithdrawFromMemberList(Store, Membership.Holder.Kind.OwnSectionPrefix + Names.Holder,
                             Membership.Member.Kind, {Names.Member}) == 0) {
    throw ERefused(Describe(Membership, Names, " is not listed for "));
  }
  Store.Release();
}

const TCommand Commands[] = {
    {"grant", "FILE USER ACTION", 3, "let a user perform an action", AddMember<UserActions>},
    {"revoke", "FILE USER ACTION", 3, "take an action from the user's own actions",
     RemoveMember<UserActions>},
    {"join", "FILE USER GROUP", 3, "put a user in a group", AddMember<UserGroups>},
    {"leave", "FILE USER GROUP", 3, "take a user out of a group", RemoveMember<UserGroups>},
    {"allow", "FILE GROUP ACTION", 3, "let a group's users perform an action",
     AddMember<GroupActions>},
    {"disallow", "FILE GROUP ACTION", 3, "take an action from a group", RemoveMember<GroupActions>},
};

}  // namespace

std::span<const TCommand> MemberCommands() {
  return Commands;
}
