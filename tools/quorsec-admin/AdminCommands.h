#pragma once
// The commands that work through the data file's schema rather than on its bare entries.

#include <span>

#include "tools/quorsec-admin/Command.h"

std::span<const TCommand> ListCommands();    // users, groups, actions, add-*, delete-*
std::span<const TCommand> MemberCommands();  // grant, revoke, join, leave, allow, disallow
std::span<const TCommand> LogonCommands();   // seed, passwd, logon, test-access
