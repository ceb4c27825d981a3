#pragma once
// A file of fixed-size records over a POSIX descriptor. Every failure throws EInOutError with the
// system's error code and the path; nothing is reported by return codes except a short last record.
//
// Reads and writes go through a buffer, since a data file is read or written whole and one system
// call per record would dominate. An opened file is either read or written, never both.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TRecordFile {
 public:
  explicit TRecordFile(std::size_t RecordSize);
  ~TRecordFile();  // closes quietly, dropping unwritten records; Close() reports failures
  TRecordFile(const TRecordFile &) = delete;
  TRecordFile &operator=(const TRecordFile &) = delete;

  static bool Exists(const std::string &Path);
  // Creates an empty file and closes it at once; an existing file is left alone.
  static void CreateEmpty(const std::string &Path);

  void OpenReadWrite(const std::string &Path);
  void CreateOrTruncate(const std::string &Path);

  // Reads the next whole record. Returns false, consuming the rest of the file, when fewer bytes
  // than a record remain: an incomplete last record is not an error of the file's reader.
  bool Read(std::span<std::uint8_t> Record);
  void Write(std::span<const std::uint8_t> Record);
  bool EndOfFile() const;
  // Writes out buffered records and pushes them to the storage device (fsync).
  void Sync();
  // Writes out buffered records and closes.
  void Close();

  const std::string &Path() const noexcept { return FPath; }

 private:
  void Open(const std::string &Path, int Flags);
  void CheckOpen(std::size_t BufferSize) const;
  void Flush();

  std::size_t FRecordSize;
  int FHandle = -1;
  std::string FPath;
  std::uint64_t FPosition = 0;  // of the caller, in bytes
  std::uint64_t FSize = 0;
  std::vector<std::uint8_t> FReadAhead;
  std::size_t FReadStart = 0;  // first byte of FReadAhead not yet handed out
  std::vector<std::uint8_t> FUnwritten;
};
