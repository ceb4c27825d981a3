#pragma once
// An INI-style store of (section, key, value) entries held in memory for one operation and kept in
// a file of scrambled records. Entries keep file order; duplicates are kept and every lookup that
// returns one entry returns the first.
//
// Use: construct (loads the whole file), read and write, then Release() (saves when something
// changed). Release() is where a failed save is reported; the destructor only falls back to a
// quiet save when Release() was never reached, e.g. while an exception unwinds.

#include <cstdint>
#include <string>
#include <vector>

using TStrings = std::vector<std::string>;

class TEIniFile {
 public:
  // Loads FileName under the file key; a missing file is created empty. Throws EInOutError when
  // the file or its directory cannot be created or the file cannot be opened for reading and
  // writing.
  TEIniFile(const std::string &FileName, const std::string &Key);
  ~TEIniFile();
  TEIniFile(const TEIniFile &) = delete;
  TEIniFile &operator=(const TEIniFile &) = delete;

  // Saves when the entries changed since the load, then closes the store. Throws EInOutError when
  // the save fails; the file then still holds what it held before.
  void Release();
  bool Modified() const noexcept { return FModified; }

  std::string GetFileName() const { return FFileName; }
  // A name with a directory part is used as it is; a bare name lives in SystemDataDirectory().
  std::string GetIniPathName() const;
  // The first of Name-without-extension.0, .1, ... that does not exist yet.
  static std::string GetBackupIniPathName(const std::string &Name);

  // Section and key comparisons are exact, except SectionExists and ItemExists, which ignore case.
  bool SectionExists(const std::string &Section) const;
  bool ItemExistInSection(const std::string &Ident, const std::string &Section,
                          std::string &Value) const;
  bool ItemExists(const std::string &Ident, std::string &Section, std::string &Value) const;

  // Every writer throws EInvalidEntry, changing nothing, for an entry a record cannot hold.
  void AddItem(const std::string &Section, const std::string &Ident, const std::string &Value);
  bool ReplaceItem(const std::string &Ident, const std::string &Section, const std::string &Value);
  bool DeleteItem(const std::string &Ident, const std::string &Section);

  std::string ReadString(const std::string &Section, const std::string &Ident,
                         const std::string &Default) const;
  void WriteString(const std::string &Section, const std::string &Ident, const std::string &Value);
  // Decimal, or hex after "$", "0x" or "0X"; text that does not convert gives Default.
  std::int32_t ReadInteger(const std::string &Section, const std::string &Ident,
                           std::int32_t Default) const;
  void WriteInteger(const std::string &Section, const std::string &Ident, std::int32_t Value);
  bool ReadBool(const std::string &Section, const std::string &Ident, bool Default) const;
  void WriteBool(const std::string &Section, const std::string &Ident, bool Value);

  // Both append to Strings without clearing it.
  void ReadSection(const std::string &Section, TStrings &Strings) const;
  void ReadSectionValues(const std::string &Section, TStrings &Strings) const;
  void EraseSection(const std::string &Section);

  void ReadIni();
  // Writes every entry with a non-empty section and key to a file beside the data file, syncs it
  // and renames it over the data file, so a failure never leaves a half-written data file.
  void WriteIni();

  // The entries in order, for whole-file views such as a dump.
  const TStrings &Sections() const noexcept { return FSections; }
  const TStrings &Keys() const noexcept { return FKeys; }
  const TStrings &Values() const noexcept { return FValues; }

 private:
  // Index of the first entry with exactly this section and key, or -1.
  std::ptrdiff_t IndexOf(const std::string &Section, const std::string &Ident) const;

  std::string FFileName;
  TStrings FSections;
  TStrings FKeys;
  TStrings FValues;
  std::string FKey;
  bool FModified = false;
  bool FReleased = false;
};
