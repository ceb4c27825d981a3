#include "platform/runtime/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/runtime/InOutError.h"

bool IsPathDelimiter(char C) {
  return C == '\\' || C == ':' || C == '/';
}

namespace {
std::size_t AfterLastDelimiter(const std::string &Path) {
  for (std::size_t I = Path.size(); I > 0; --I) {
    if (IsPathDelimiter(Path[I - 1])) return I;
  }
  return 0;
}
}  // namespace

std::string ExtractFileName(const std::string &Path) {
  return Path.substr(AfterLastDelimiter(Path));
}

std::string ExtractFilePath(const std::string &Path) {
  return Path.substr(0, AfterLastDelimiter(Path));
}

std::string ExecutablePath() {
  std::error_code Error;
  const auto Path = std::filesystem::read_symlink("/proc/self/exe", Error);
  if (Error) throw EInOutError(Error.value(), "/proc/self/exe", "cannot read");
  return Path.string();
}

std::string SystemDataDirectory() {
  const char *DataHome = std::getenv("XDG_DATA_HOME");
  if (DataHome != nullptr && *DataHome != '\0') return DataHome;
  const char *Home = std::getenv("HOME");
  return std::string(Home != nullptr ? Home : "") + "/.local/share";
}
