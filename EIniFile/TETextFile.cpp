#include "EIniFile/TETextFile.h"

#include "platform/runtime/RandomBytes.h"

using namespace RecordFormat;

TETextFile::TETextFile(const std::string &FileName, const std::string &Key, TTextFileOpenMode Mode)
    : FMode(Mode), FFileName(FileName), FKey(Key), FKeyHash(ComputeKeyHash(Key)) {
  if (!TRecordFile::Exists(FileName)) TRecordFile::CreateEmpty(FileName);
  if (Mode == TTextFileOpenMode::oRead) {
    FFile.OpenReadWrite(FileName);
  } else {
    FFile.CreateOrTruncate(FileName);
  }
}

std::int32_t TETextFile::ComputeKeyHash(const std::string &Key) {
  std::uint32_t Sum = 0;  // unsigned, so that the doubling wraps without undefined behaviour
  for (const char C : Key) Sum = 2 * Sum + static_cast<unsigned char>(C);
  return static_cast<std::int32_t>(Sum) % 255;
}

void TETextFile::Scramble(TRecord &Record) const {
  const auto ScrambleByte = static_cast<std::uint8_t>(
      static_cast<std::uint32_t>(Record[SaltOffset]) ^ static_cast<std::uint32_t>(FKeyHash));
  for (std::size_t I = 0; I < ScrambledSize; ++I) Record[I] ^= ScrambleByte;
}

bool TETextFile::ReadLine() {
  ++FLineCount;
  TRecord Record;
  if (!FFile.Read(Record)) return false;
  Scramble(Record);

  std::size_t P = 0;
  const auto NextText = [&Record, &P] {
    std::string Text;
    while (P < SaltOffset && Record[P] != 0) Text.push_back(static_cast<char>(Record[P++]));
    ++P;
    return Text;
  };
  FSection = NextText();
  FIdent = NextText();
  FValue = NextText();
  return true;
}

void TETextFile::WriteLine(const std::string &Section, const std::string &Ident,
                           const std::string &Value) {
  if (Section.empty() || Ident.empty()) return;
  CheckEntryFits(Section, Ident, Value);
  ++FLineCount;

  TRecord Record{};
  for (std::size_t I = 0; I < ScrambledSize; ++I) Record[I] = RandomFillerByte();
  std::size_t P = 0;
  for (const std::string *Text : {&Section, &Ident, &Value}) {
    for (const char C : *Text) Record[P++] = static_cast<std::uint8_t>(C);
    if (P < SaltOffset) Record[P++] = 0;
  }
  // A scramble byte of 0 or 32 would leave the text readable or only flip its letter case.
  std::int32_t V = 0;
  do {
    Record[SaltOffset] = RandomFillerByte();
    V = static_cast<std::int32_t>(Record[SaltOffset]) ^ FKeyHash;
  } while (V == 0 || V == 32);
  Scramble(Record);
  FFile.Write(Record);
}

bool TETextFile::EndOfFile() const {
  return FFile.EndOfFile();
}

void TETextFile::Commit() {
  FFile.Sync();
  FFile.Close();
}
