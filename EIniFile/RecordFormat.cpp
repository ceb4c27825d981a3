#include "EIniFile/RecordFormat.h"

void CheckEntryFits(const std::string &Section, const std::string &Ident,
                    const std::string &Value) {
  const std::size_t Length = Section.size() + Ident.size() + Value.size();
  const std::string Where = "entry [" + Section + "] " + Ident;
  if (Length > RecordFormat::EntryCapacity) {
    throw EInvalidEntry(Where + " is " + std::to_string(Length) +
                        " bytes long; section, key and value together may hold at most " +
                        std::to_string(RecordFormat::EntryCapacity));
  }
  const auto HasNul = [](const std::string &Text) { return Text.find('\0') != std::string::npos; };
  if (HasNul(Section) || HasNul(Ident) || HasNul(Value)) {
    throw EInvalidEntry(Where + " holds a zero byte, which a record cannot store");
  }
}
