#include "tools/quorsec-admin/MasterLists.h"

#include "Quorsec/SchemaNames.h"
#include "tools/quorsec-admin/CommandLine.h"

namespace {
// No group or action is ever added under the empty name, so a gap cannot match one.
const std::string EmptyName;
}  // namespace

const TMasterList UserList{"user", Lists::Users, Schema::ImpossibleUser, Schema::UserSection};
const TMasterList GroupList{"group", Lists::Groups, EmptyName, Schema::GroupSection};
const TMasterList ActionList{"action", Lists::Actions, EmptyName, nullptr};

std::string Named(const TMasterList &List, const std::string &Name) {
  return List.Noun + (' ' + Name);
}

bool IsListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name) {
  return ListContains(Store, Schema::MainSection, List.Kind, Name, List.MissingItem);
}

void RequireListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name) {
  if (!IsListed(Store, List, Name)) throw ERefused("no " + Named(List, Name));
}
