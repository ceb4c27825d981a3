#include "platform/runtime/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "platform/runtime/InOutError.h"

TRecordFile::TRecordFile(std::size_t RecordSize) : FRecordSize(RecordSize) {}

TRecordFile::~TRecordFile() {
  if (FHandle >= 0) ::close(FHandle);
}

bool TRecordFile::Exists(const std::string &Path) {
  struct stat Info {};
  return ::stat(Path.c_str(), &Info) == 0;
}

void TRecordFile::CreateEmpty(const std::string &Path) {
  const int Handle = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (Handle < 0) throw EInOutError(errno, Path, "cannot create");
  ::close(Handle);
}

void TRecordFile::Open(const std::string &Path, int Flags) {
  if (FHandle >= 0) Close();
  const int Handle = ::open(Path.c_str(), Flags | O_CLOEXEC, 0666);
  if (Handle < 0) throw EInOutError(errno, Path, "cannot open");
  FHandle = Handle;
  FPath = Path;
}

void TRecordFile::OpenReadWrite(const std::string &Path) {
  Open(Path, O_RDWR);
}

void TRecordFile::CreateOrTruncate(const std::string &Path) {
  Open(Path, O_WRONLY | O_CREAT | O_TRUNC);
}

void TRecordFile::CheckOpen(std::size_t BufferSize) const {
  if (BufferSize != FRecordSize) throw std::invalid_argument("record buffer of the wrong size");
  if (FHandle < 0) throw EInOutError(EBADF, FPath, "file not open:");
}

bool TRecordFile::Read(std::span<std::uint8_t> Record) {
  CheckOpen(Record.size());
  std::size_t Done = 0;
  while (Done < FRecordSize) {
    const ssize_t Got = ::read(FHandle, Record.data() + Done, FRecordSize - Done);
    if (Got < 0) {
      if (errno == EINTR) continue;
      throw EInOutError(errno, FPath, "cannot read");
    }
    if (Got == 0) return false;
    Done += static_cast<std::size_t>(Got);
  }
  return true;
}

void TRecordFile::Write(std::span<const std::uint8_t> Record) {
  CheckOpen(Record.size());
  std::size_t Done = 0;
  while (Done < FRecordSize) {
    const ssize_t Put = ::write(FHandle, Record.data() + Done, FRecordSize - Done);
    if (Put < 0) {
      if (errno == EINTR) continue;
      throw EInOutError(errno, FPath, "cannot write");
    }
    Done += static_cast<std::size_t>(Put);
  }
}

bool TRecordFile::EndOfFile() {
  CheckOpen(FRecordSize);
  const off_t Here = ::lseek(FHandle, 0, SEEK_CUR);
  struct stat Info {};
  if (Here < 0 || ::fstat(FHandle, &Info) != 0) throw EInOutError(errno, FPath, "cannot read");
  return Here >= Info.st_size;
}

void TRecordFile::Sync() {
  CheckOpen(FRecordSize);
  if (::fsync(FHandle) != 0) throw EInOutError(errno, FPath, "cannot write");
}

void TRecordFile::Close() {
  if (FHandle < 0) return;
  const int Handle = FHandle;
  FHandle = -1;
  if (::close(Handle) != 0) throw EInOutError(errno, FPath, "cannot close");
}
