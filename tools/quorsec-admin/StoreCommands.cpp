// dump, get, set, delete: the data file seen as plain entries, without its schema.

#include <cstdio>

#include "tools/quorsec-admin/Command.h"
#include "tools/quorsec-admin/OperandChecks.h"

namespace {

// Control bytes and the backslash are escaped so that one entry is always one line of text.
std::string Escaped(const std::string &Text) {
  std::string Out;
  for (const char C : Text) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte < 0x20 || Byte == 0x7F || C == '\\') {
      char Code[5];
      std::snprintf(Code, sizeof Code, "\\x%02x", Byte);
      Out += Code;
    } else {
      Out += C;
    }
  }
  return Out;
}

void Dump(const TCommandLine &Line, std::ostream &Out) {
  CheckExtraOptions(Line, {});
  TEIniFile Store = OpenStore(Line);
  for (std::size_t I = 0; I < Store.Sections().size(); ++I) {
    Out << Escaped(Store.Sections()[I]) << '\t' << Escaped(Store.Keys()[I]) << '\t'
        << Escaped(Store.Values()[I]) << '\n';
  }
  Store.Release();
}

void Get(const TCommandLine &Line, std::ostream &Out) {
  CheckExtraOptions(Line, {});
  const std::string &Section = Line.Operands[1];
  const std::string &Ident = Line.Operands[2];
  TEIniFile Store = OpenStore(Line);
  std::string Value;
  const bool Found = Store.ItemExistInSection(Ident, Section, Value);
  Store.Release();
  if (!Found) throw ERefused("no key " + Ident + " in section " + Section);
  Out << Value << '\n';
}

void Set(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {});
  TEIniFile Store = OpenStore(Line);
  Store.WriteString(Line.Operands[1], Line.Operands[2], Line.Operands[3]);
  Store.Release();
}

void Delete(const TCommandLine &Line, std::ostream &) {
  CheckExtraOptions(Line, {});
  const std::string &Section = Line.Operands[1];
  const std::string &Ident = Line.Operands[2];
  TEIniFile Store = OpenStore(Line);
  const bool Removed = Store.DeleteItem(Ident, Section);
  Store.Release();
  if (!Removed) throw ERefused("no key " + Ident + " in section " + Section);
}

const TCommand Commands[] = {
    {"dump", "FILE", 1, "print every entry: section, key, value, tab-separated", Dump},
    {"get", "FILE SECTION KEY", 3, "print the value of a key", Get},
    {"set", "FILE SECTION KEY VALUE", 4, "write a value, replacing the first match", Set},
    {"delete", "FILE SECTION KEY", 3, "remove the first matching entry", Delete},
};

}  // namespace

std::span<const TCommand> StoreCommands() {
  return Commands;
}
