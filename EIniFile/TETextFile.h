#pragma once
// Reads or writes the data file one record at a time and does the scrambling. One object serves
// one load or one save.

#include <array>
#include <cstdint>
#include <string>

#include "EIniFile/RecordFormat.h"
#include "platform/runtime/RecordFile.h"

enum class TTextFileOpenMode : std::uint8_t { oRead = 0, oWrite = 1 };

class TETextFile {
 public:
  // Creates the file empty when it does not exist, then opens it: oRead for reading and writing at
  // the first record, oWrite truncated to length 0. Failures throw EInOutError.
  TETextFile(const std::string &FileName, const std::string &Key, TTextFileOpenMode Mode);

  // Reads the next record into Section, Ident and Value. Returns false for an incomplete last
  // record, which is consumed and leaves the three texts as they were.
  bool ReadLine();
  // Writes one record at the current position; an empty section or key writes nothing.
  void WriteLine(const std::string &Section, const std::string &Ident, const std::string &Value);
  bool EndOfFile() const;
  // Syncs and closes, throwing on failure; the destructor closes quietly.
  void Commit();

  // Only the last 32 key bytes count: earlier ones are shifted out of the 32-bit sum.
  static std::int32_t ComputeKeyHash(const std::string &Key);

  TTextFileOpenMode Mode() const noexcept { return FMode; }
  const std::string &FileName() const noexcept { return FFileName; }
  std::int32_t LineCount() const noexcept { return FLineCount; }
  const std::string &Key() const noexcept { return FKey; }
  std::int32_t KeyHash() const noexcept { return FKeyHash; }
  const std::string &Section() const noexcept { return FSection; }
  const std::string &Ident() const noexcept { return FIdent; }
  const std::string &Value() const noexcept { return FValue; }

 private:
  using TRecord = std::array<std::uint8_t, RecordFormat::RecordSize>;
  void Scramble(TRecord &Record) const;

  TRecordFile FFile{RecordFormat::RecordSize};
  TTextFileOpenMode FMode;
  std::string FFileName;
  std::int32_t FLineCount = 0;
  std::string FKey;
  std::int32_t FKeyHash;
  std::string FSection;
  std::string FIdent;
  std::string FValue;
};
