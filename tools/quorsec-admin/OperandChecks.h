#pragma once
// Checks the schema commands make before they open the store, so that a refused command never
// writes anything.

#include <cstddef>
#include <string>

#include "tools/quorsec-admin/CommandLine.h"

// The options a command takes besides the file key.
struct TExtraOptions {
  bool Password = false;
  bool Admin = false;
};

// Throws EUsageError when --password or --admin is given to a command that does not take it.
void CheckExtraOptions(const TCommandLine &Line, TExtraOptions Takes);

// The operand at Index, taken as a name. What ("user name", "action name" ...) names it in the
// library's message when it is too long, which is thrown as ERefused.
const std::string &NameOperand(const TCommandLine &Line, std::size_t Index,
                               const std::string &What);

// The password the command works with (see PasswordFrom); ERefused when it is too long.
std::string PasswordOperand(const TCommandLine &Line);
