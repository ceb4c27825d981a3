#pragma once
// A fresh directory per test, removed afterwards, and byte-level file helpers.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

class TTempDir {
 public:
  TTempDir() {
    std::string Template =
        (std::filesystem::temp_directory_path() / "quorsec-test-XXXXXX").string();
    if (::mkdtemp(Template.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    FPath = Template;
    // Wide open, so a test that drops its privileges can still work in here.
    std::filesystem::permissions(FPath, std::filesystem::perms::all);
  }
  ~TTempDir() {
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
  }
  TTempDir(const TTempDir &) = delete;
  TTempDir &operator=(const TTempDir &) = delete;

  std::string File(const std::string &Name) const { return (FPath / Name).string(); }
  const std::filesystem::path &Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string &Path) {
  std::ifstream In(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string &Path, const std::vector<std::uint8_t> &Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(reinterpret_cast<const char *>(Bytes.data()),
            static_cast<std::streamsize>(Bytes.size()));
}
