#pragma once
// The three master lists of section "Main" as the commands see them: what a name is called in a
// message, how a gap in the list reads, and which section holds a name's own lists.

#include <string>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/NumberedList.h"

struct TMasterList {
  const char *Noun;  // "user", "group", "action"
  const TListKind &Kind;
  const std::string &MissingItem;
  std::string (*Section)(const std::string &Name);  // null for actions, which own no section
};

extern const TMasterList UserList;
extern const TMasterList GroupList;
extern const TMasterList ActionList;

// "user NAME", for messages.
std::string Named(const TMasterList &List, const std::string &Name);

// Exact comparison; a gap in the list reads as List.MissingItem, as the logon's lookup reads it.
bool IsListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name);

// Throws ERefused when Name is not listed.
void RequireListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name);
