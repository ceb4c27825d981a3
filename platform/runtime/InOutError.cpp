#include "platform/runtime/InOutError.h"

#include <cstring>

namespace {
std::string Describe(int ErrorCode, const std::string &Path, const std::string &Operation) {
  return Operation + " " + Path + ": " + std::strerror(ErrorCode);
}
}  // namespace

EInOutError::EInOutError(int ErrorCode, std::string Path, const std::string &Operation)
    : std::runtime_error(Describe(ErrorCode, Path, Operation)),
      FErrorCode(ErrorCode),
      FPath(std::move(Path)) {}
