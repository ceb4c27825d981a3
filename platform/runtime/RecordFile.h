#pragma once
// A file of fixed-size records over a POSIX descriptor. Every failure throws EInOutError with the
// system's error code and the path; nothing is reported by return codes except a short last record.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class TRecordFile {
 public:
  explicit TRecordFile(std::size_t RecordSize);
  ~TRecordFile();  // closes quietly; call Close() where a failure must be seen
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
  bool EndOfFile();
  // Pushes written records to the storage device (fsync), for a save that must survive a crash.
  void Sync();
  void Close();

  const std::string &Path() const noexcept { return FPath; }

 private:
  void Open(const std::string &Path, int Flags);
  void CheckOpen(std::size_t BufferSize) const;

  std::size_t FRecordSize;
  int FHandle = -1;
  std::string FPath;
};
