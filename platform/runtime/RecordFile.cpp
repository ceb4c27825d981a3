#include "platform/runtime/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/runtime/InOutError.h"

namespace {
constexpr std::size_t BufferSize = 64 * 1024;
}  // namespace

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
  struct stat Info {};
  if (::fstat(Handle, &Info) != 0) {
    const int Error = errno;
    ::close(Handle);
    throw EInOutError(Error, Path, "cannot open");
  }
  FHandle = Handle;
  FPath = Path;
  FPosition = 0;
  FSize = static_cast<std::uint64_t>(Info.st_size);
  FReadAhead.clear();
  FReadStart = 0;
  FUnwritten.clear();
}

void TRecordFile::OpenReadWrite(const std::string &Path) { Open(Path, O_RDWR); }

void TRecordFile::CreateOrTruncate(const std::string &Path) {
  Open(Path, O_WRONLY | O_CREAT | O_TRUNC);
}

void TRecordFile::CheckOpen(std::size_t Size) const {
  if (Size != FRecordSize) throw std::invalid_argument("record buffer of the wrong size");
  if (FHandle < 0) throw EInOutError(EBADF, FPath, "file not open:");
}

bool TRecordFile::Read(std::span<std::uint8_t> Record) {
  CheckOpen(Record.size());
  std::size_t Done = 0;
  while (Done < FRecordSize) {
    if (FReadStart == FReadAhead.size()) {
      FReadAhead.resize(BufferSize);
      FReadStart = 0;
      ssize_t Got = 0;
      do Got = ::read(FHandle, FReadAhead.data(), FReadAhead.size());
      while (Got < 0 && errno == EINTR);
      if (Got < 0) {
        const int Error = errno;
        FReadAhead.clear();
        throw EInOutError(Error, FPath, "cannot read");
      }
      FReadAhead.resize(static_cast<std::size_t>(Got));
      if (Got == 0) {
        FPosition = std::max(FPosition, FSize);
        return false;
      }
    }
    const std::size_t Take = std::min(FRecordSize - Done, FReadAhead.size() - FReadStart);
    std::memcpy(Record.data() + Done, FReadAhead.data() + FReadStart, Take);
    Done += Take;
    FReadStart += Take;
    FPosition += Take;
  }
  return true;
}

void TRecordFile::Write(std::span<const std::uint8_t> Record) {
  CheckOpen(Record.size());
  FUnwritten.insert(FUnwritten.end(), Record.begin(), Record.end());
  FPosition += FRecordSize;
  FSize = std::max(FSize, FPosition);
  if (FUnwritten.size() >= BufferSize) Flush();
}

void TRecordFile::Flush() {
  std::size_t Done = 0;
  while (Done < FUnwritten.size()) {
    const ssize_t Put = ::write(FHandle, FUnwritten.data() + Done, FUnwritten.size() - Done);
    if (Put < 0) {
      if (errno == EINTR) continue;
      const int Error = errno;
      FUnwritten.clear();
      throw EInOutError(Error, FPath, "cannot write");
    }
    Done += static_cast<std::size_t>(Put);
  }
  FUnwritten.clear();
}

bool TRecordFile::EndOfFile() const {
  CheckOpen(FRecordSize);
  return FPosition >= FSize;
}

void TRecordFile::Sync() {
  CheckOpen(FRecordSize);
  Flush();
  if (::fsync(FHandle) != 0) throw EInOutError(errno, FPath, "cannot write");
}

void TRecordFile::Close() {
  if (FHandle < 0) return;
  try {
    Flush();
  } catch (...) {
    ::close(FHandle);
    FHandle = -1;
    throw;
  }
  const int Handle = FHandle;
  FHandle = -1;
  if (::close(Handle) != 0) throw EInOutError(errno, FPath, "cannot close");
}
