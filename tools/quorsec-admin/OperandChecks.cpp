#include "tools/quorsec-admin/OperandChecks.h"

#include "Quorsec/SecurityRules.h"
#include "tools/quorsec-admin/PasswordInput.h"

namespace {

void RefuseTooLong(const std::string &What, const std::string &Text) {
  try {
    CheckNameLength(What, Text);
  } catch (const ENameTooLong &Error) {
    throw ERefused(Error.what());
  }
}

}  // namespace

void CheckExtraOptions(const TCommandLine &Line, TExtraOptions Takes) {
  if (Line.Password && !Takes.Password) throw EUsageError(Line.Command + " takes no --password");
  if (Line.Admin && !Takes.Admin) throw EUsageError(Line.Command + " takes no --admin");
}

const std::string &NameOperand(const TCommandLine &Line, std::size_t Index,
                               const std::string &What) {
  const std::string &Name = Line.Operands.at(Index);
  RefuseTooLong(What, Name);
  return Name;
}

std::string PasswordOperand(const TCommandLine &Line) {
  std::string Password = PasswordFrom(Line);
  RefuseTooLong("password", Password);
  return Password;
}
