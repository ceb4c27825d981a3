#pragma once
// The three master lists of section "Main" as the commands see them: what a name is called in a
// message and which kind of list it is.

#include <string>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/NumberedList.h"

struct TMasterList {
  const char *Noun;  // "user", "group", "action"
  const TListKind &Kind;
};

extern const TMasterList UserList;
extern const TMasterList GroupList;
extern const TMasterList ActionList;

// "user NAME", for messages.
std::string Named(const TMasterList &List, const std::string &Name);

// Exact comparison, a gap reading as the logon's lookup reads it.
bool IsListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name);

// Throws ERefused when Name is not listed.
void RequireListed(const TEIniFile &Store, const TMasterList &List, const std::string &Name);
