#include "tools/quorsec-admin/MasterLists.h"

#include "tools/quorsec-admin/CommandLine.h"

const TMasterList UserList{"user", Lists::Users};
const TMasterList GroupList{"group", Lists::Groups};
const TMasterList ActionList{"action", Lists::Actions};

std::string Named(const TMasterList &List, const std::string &Name) {
  return List.Noun + (' ' + Name);
}

bool IsListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name) {
  return MasterListContains(Store, List.Kind, Name);
}

void RequireListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name) {
  if (!IsListed(Store, List, Name)) throw ERefused("no " + Named(List, Name));
}
