// users, groups, actions and the commands that add to and delete from those master lists.

#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "Quorsec/SecurityRules.h"
#include "tools/quorsec-admin/AdminCommands.h"
#include "tools/quorsec-admin/MasterLists.h"
#include "tools/quorsec-admin/OperandChecks.h"

namespace {

void RefuseGroupInUse(const TEIniFile &Store, const std::string &Group) {
  if (const auto User = FirstMemberOfGroup(Store, Group)) {
    throw ERefused("group " + Group + " is in use: user " + *User + " is in it");
  }
}

struct TListCommands {
  const TMasterList &List;
  // Throws ERefused while another list still names Name; null when no list refers to these names.
  void (*RefuseDelete)(const TEIniFile &Store, const std::string &Name);
};

const TListCommands Users{UserList, nullptr};
const TListCommands Groups{GroupList, RefuseGroupInUse};
const TListCommands Actions{ActionList, nullptr};

std::string NameOf(const TMasterList &List) {
  return List.Noun + std::string(" name");
}

const std::string &NewName(const TCommandLine &Line, const TMasterList &List) {
  const std::string &Name = NameOperand(Line, 1, NameOf(List));
  if (Name.empty()) throw ERefused("a " + NameOf(List) + " cannot be empty");
  return Name;
}

void AppendNew(TEIniFile &Store, const TMasterList &List, const std::string &Name) {
  if (IsListed(Store, List, Name)) throw ERefused(Named(List, Name) + " exists already");
  AppendToList(Store, Schema::MainSection, List.Kind, {Name});
}

template <const TListCommands &Commands>
void Show(const TCommandLine &Line, std::ostream &Out) {
  CheckExtraOptions(Line, {});
  TEIniFile Store = OpenStore(Line);
  const TStrings Names = ReadList(Store, Schema::MainSection, Commands.List.Kind);
  Store.Release();
  for (const std::string &Name : Names) Out << Name << '\n';
}

template <const TListCommands &Commands>
void Add(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {});
  const std::string &Name = NewName(Line, Commands.List);
  TEIniFile Store = OpenStore(Line);
  AppendNew(Store, Commands.List, Name);
  Store.Release();
}

void AddUserCommand(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {.Password = true, .Admin = true});
  const std::string &Name = NewName(Line, UserList);
  // Read before the store is opened, so a slow typist does not widen the window in which another
  // process's save could be overwritten.
  const std::string Password = PasswordOperand(Line);
  TEIniFile Store = OpenStore(Line);
  if (IsListed(Store, UserList, Name)) throw ERefused(Named(UserList, Name) + " exists already");
  AddUser(Store, Name, Password, Line.Admin);
  Store.Release();
}

template <const TListCommands &Commands>
void Delete(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {});
  const std::string &Name = NameOperand(Line, 1, NameOf(Commands.List));
  TEIniFile Store = OpenStore(Line);
  if (Commands.RefuseDelete != nullptr) Commands.RefuseDelete(Store, Name);
  if (!DeleteFromMasterList(Store, Commands.List.Kind, Name)) {
    throw ERefused("no " + Named(Commands.List, Name));
  }
  Store.Release();
}

const TCommand Commands[] = {
    {"users", "FILE", 1, "print the users, one name a line, in list order", Show<Users>},
    {"groups", "FILE", 1, "print the groups, one name a line, in list order", Show<Groups>},
    {"actions", "FILE", 1, "print the actions, one name a line, in list order", Show<Actions>},
    {"add-user", "FILE NAME [--password P] [--admin]", 2,
     "add a user with a password; --admin lets the user manage the file", AddUserCommand},
    {"delete-user", "FILE NAME", 2, "remove a user and everything in the user's section",
     Delete<Users>},
    {"add-group", "FILE NAME", 2, "add a group", Add<Groups>},
    {"delete-group", "FILE NAME", 2,
     "remove a group and its section; refused while a user is in it", Delete<Groups>},
    {"add-action", "FILE NAME", 2, "add an action", Add<Actions>},
    {"delete-action", "FILE NAME", 2, "remove an action from the action list", Delete<Actions>},
};

}  // namespace

std::span<const TCommand> ListCommands() {
  return Commands;
}
