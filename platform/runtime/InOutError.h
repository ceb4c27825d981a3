#pragma once
// The one error type of file input and output: it keeps the system's error code and the path, so a
// caller can both show a clear line and react to the cause (ENOENT, EACCES, ENOSPC ...).

#include <stdexcept>
#include <string>

class EInOutError : public std::runtime_error {
 public:
  // Operation is a short verb phrase ("cannot open", "cannot write") that starts the message.
  EInOutError(int ErrorCode, std::string Path, const std::string &Operation);

  int ErrorCode() const noexcept { return FErrorCode; }
  const std::string &Path() const noexcept { return FPath; }

 private:
  int FErrorCode;
  std::string FPath;
};
