#include "EIniFile/TEIniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>

#include "EIniFile/RecordFormat.h"
#include "EIniFile/TETextFile.h"
#include "platform/runtime/InOutError.h"
#include "platform/runtime/Paths.h"
#include "platform/runtime/RecordFile.h"
#include "platform/runtime/TextConvert.h"

namespace {

bool SameTextIgnoringCase(const std::string &A, const std::string &B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I) {
    if (std::tolower(static_cast<unsigned char>(A[I])) !=
        std::tolower(static_cast<unsigned char>(B[I]))) {
      return false;
    }
  }
  return true;
}

// The rename only reaches the disk once the directory entry itself is synced.
void SyncDirectoryOf(const std::string &Path) {
  std::string Directory = ExtractFilePath(Path);
  if (Directory.empty()) Directory = ".";
  const int Handle = ::open(Directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Handle < 0) return;
  ::fsync(Handle);
  ::close(Handle);
}

// The new file takes the old file's permission bits, so a save never widens or narrows access.
void CopyPermissions(const std::string &From, const std::string &To) {
  struct stat Info {};
  if (::stat(From.c_str(), &Info) != 0) return;
  if (::chmod(To.c_str(), Info.st_mode & 07777) != 0) throw EInOutError(errno, To, "cannot write");
}

}  // namespace

TEIniFile::TEIniFile(const std::string &FileName, const std::string &Key)
    : FFileName(FileName), FKey(Key) {
  ReadIni();
}

TEIniFile::~TEIniFile() {
  if (FReleased || !FModified) return;
  try {
    WriteIni();
  } catch (...) {
    // A destructor must not throw; Release() is the call that reports a failed save.
  }
}

void TEIniFile::Release() {
  if (FReleased) return;
  FReleased = true;
  if (FModified) WriteIni();
}

std::string TEIniFile::GetIniPathName() const {
  if (FFileName.find_first_of("\\/") != std::string::npos) return FFileName;
  return SystemDataDirectory() + "/" + FFileName;
}

std::string TEIniFile::GetBackupIniPathName(const std::string &Name) {
  std::string Stem = Name;
  const std::size_t Dot = Stem.find('.');
  if (Dot != std::string::npos) Stem.erase(Dot, 4);
  for (int N = 0;; ++N) {
    std::string Candidate = Stem + "." + IntToStr(N);
    if (!TRecordFile::Exists(Candidate)) return Candidate;
  }
}

std::ptrdiff_t TEIniFile::IndexOf(const std::string &Section, const std::string &Ident) const {
  for (std::size_t I = 0; I < FSections.size(); ++I) {
    if (FSections[I] == Section && FKeys[I] == Ident) return static_cast<std::ptrdiff_t>(I);
  }
  return -1;
}

bool TEIniFile::SectionExists(const std::string &Section) const {
  for (const std::string &Each : FSections) {
    if (SameTextIgnoringCase(Each, Section)) return true;
  }
  return false;
}

bool TEIniFile::ItemExistInSection(const std::string &Ident, const std::string &Section,
                                   std::string &Value) const {
  Value.clear();
  const std::ptrdiff_t I = IndexOf(Section, Ident);
  if (I < 0) return false;
  Value = FValues[static_cast<std::size_t>(I)];
  return true;
}

bool TEIniFile::ItemExists(const std::string &Ident, std::string &Section,
                           std::string &Value) const {
  for (std::size_t I = 0; I < FKeys.size(); ++I) {
    if (SameTextIgnoringCase(FKeys[I], Ident)) {
      Section = FSections[I];
      Value = FValues[I];
      return true;
    }
  }
  return false;
}

void TEIniFile::AddItem(const std::string &Section, const std::string &Ident,
                        const std::string &Value) {
  CheckEntryFits(Section, Ident, Value);
  FSections.push_back(Section);
  FKeys.push_back(Ident);
  FValues.push_back(Value);
  FModified = true;
}

bool TEIniFile::ReplaceItem(const std::string &Ident, const std::string &Section,
                            const std::string &Value) {
  const std::ptrdiff_t I = IndexOf(Section, Ident);
  if (I < 0) return false;
  CheckEntryFits(Section, Ident, Value);
  std::string &Stored = FValues[static_cast<std::size_t>(I)];
  if (Stored != Value) {
    Stored = Value;
    FModified = true;
  }
  return true;
}

bool TEIniFile::DeleteItem(const std::string &Ident, const std::string &Section) {
  const std::ptrdiff_t I = IndexOf(Section, Ident);
  if (I < 0) return false;
  FSections.erase(FSections.begin() + I);
  FKeys.erase(FKeys.begin() + I);
  FValues.erase(FValues.begin() + I);
  FModified = true;
  return true;
}

std::string TEIniFile::ReadString(const std::string &Section, const std::string &Ident,
                                  const std::string &Default) const {
  std::string Value;
  return ItemExistInSection(Ident, Section, Value) ? Value : Default;
}

void TEIniFile::WriteString(const std::string &Section, const std::string &Ident,
                            const std::string &Value) {
  if (!ReplaceItem(Ident, Section, Value)) AddItem(Section, Ident, Value);
}

std::int32_t TEIniFile::ReadInteger(const std::string &Section, const std::string &Ident,
                                    std::int32_t Default) const {
  std::string Text = ReadString(Section, Ident, "");
  if (Text.size() >= 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')) {
    Text = "$" + Text.substr(2, 255);
  }
  return StrToIntDef(Text, Default);
}

void TEIniFile::WriteInteger(const std::string &Section, const std::string &Ident,
                             std::int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TEIniFile::ReadBool(const std::string &Section, const std::string &Ident, bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TEIniFile::WriteBool(const std::string &Section, const std::string &Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

void TEIniFile::ReadSection(const std::string &Section, TStrings &Strings) const {
  for (std::size_t I = 0; I < FSections.size(); ++I) {
    if (FSections[I] == Section) Strings.push_back(FKeys[I]);
  }
}

void TEIniFile::ReadSectionValues(const std::string &Section, TStrings &Strings) const {
  for (std::size_t I = 0; I < FSections.size(); ++I) {
    if (FSections[I] == Section) Strings.push_back(FValues[I]);
  }
}

void TEIniFile::EraseSection(const std::string &Section) {
  TStrings Idents;
  ReadSection(Section, Idents);
  for (const std::string &Ident : Idents) DeleteItem(Ident, Section);
}

void TEIniFile::ReadIni() {
  TETextFile File(GetIniPathName(), FKey, TTextFileOpenMode::oRead);
  while (!File.EndOfFile()) {
    if (!File.ReadLine()) break;  // an incomplete last record is dropped
    FSections.push_back(File.Section());
    FKeys.push_back(File.Ident());
    FValues.push_back(File.Value());
  }
}

void TEIniFile::WriteIni() {
  const std::string Path = GetIniPathName();
  const std::string Temporary = Path + ".saving-" + IntToStr(::getpid());
  try {
    TETextFile File(Temporary, FKey, TTextFileOpenMode::oWrite);
    for (std::size_t I = 0; I < FSections.size(); ++I) {
      File.WriteLine(FSections[I], FKeys[I], FValues[I]);
    }
    File.Commit();
    CopyPermissions(Path, Temporary);
    if (std::rename(Temporary.c_str(), Path.c_str()) != 0) {
      throw EInOutError(errno, Path, "cannot replace");
    }
  } catch (...) {
    std::remove(Temporary.c_str());
    throw;
  }
  SyncDirectoryOf(Path);
  FModified = false;
}
