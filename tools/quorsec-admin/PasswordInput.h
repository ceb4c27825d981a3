#pragma once
// Where a command's password comes from.

#include <string>

#include "tools/quorsec-admin/CommandLine.h"

// The value of --password; without it, one line of standard input without its final "\n" (and a
// "\r" before that), so a password never shows in the process list. A terminal gets a prompt and
// does not echo the line. Empty input is the empty password.
std::string PasswordFrom(const TCommandLine &Line);
