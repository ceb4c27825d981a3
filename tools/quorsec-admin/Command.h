#pragma once
// One quorsec-admin command: its name, its operands and the function that carries it out.

#include <cstddef>
#include <ostream>
#include <span>
#include <string_view>

#include "EIniFile/TEIniFile.h"
#include "tools/quorsec-admin/CommandLine.h"

struct TCommand {
  std::string_view Name;
  std::string_view Operands;  // as shown in the help, e.g. "FILE SECTION KEY"
  std::size_t OperandCount;
  std::string_view Summary;
  // Writes its answer to Out; throws ERefused, EUsageError, EInOutError or EInvalidEntry.
  void (*Run)(const TCommandLine &Line, std::ostream &Out);
};

// The store named by the first operand, opened with the command line's file key.
TEIniFile OpenStore(const TCommandLine &Line);

std::span<const TCommand> StoreCommands();
