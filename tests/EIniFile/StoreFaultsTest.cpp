// Bad files and failing saves: each must give a clear error and lose nothing.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "EIniFile/RecordFormat.h"
#include "EIniFile/TEIniFile.h"
#include "platform/runtime/InOutError.h"
#include "tests/support/TempDir.h"
#include "tests/support/Unprivileged.h"

namespace {

void Seed(const std::string &Path, const std::string &Key, int Count) {
  TEIniFile Store(Path, Key);
  for (int I = 1; I <= Count; ++I) Store.AddItem("S", "K" + std::to_string(I), "v");
  Store.Release();
}

TEST(StoreFaults, MissingFileIsCreatedEmptyAndStaysEmpty) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  TEIniFile Store(Path, "");
  EXPECT_TRUE(Store.Keys().empty());
  Store.Release();
  ASSERT_TRUE(std::filesystem::exists(Path));
  EXPECT_EQ(std::filesystem::file_size(Path), 0u);
}

TEST(StoreFaults, IncompleteLastRecordIsDroppedAndAReaderLeavesTheFileAlone) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  Seed(Path, "", 2);
  auto Bytes = ReadBytes(Path);
  Bytes.resize(Bytes.size() - 100);
  WriteBytes(Path, Bytes);

  TEIniFile Store(Path, "");
  EXPECT_EQ(Store.Keys(), (TStrings{"K1"}));
  Store.Release();
  EXPECT_EQ(ReadBytes(Path), Bytes);
}

TEST(StoreFaults, WrongKeyReadLeavesTheFileByteIdentical) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  Seed(Path, "right", 3);
  const auto Before = ReadBytes(Path);
  {
    TEIniFile Store(Path, "wrong");
    EXPECT_NE(Store.ReadString("S", "K1", "none"), "v");
    Store.Release();
  }
  { TEIniFile Unreleased(Path, "wrong"); }  // the destructor's fallback must not save either
  EXPECT_EQ(ReadBytes(Path), Before);
}

TEST(StoreFaults, UnopenableFilesThrowWithPathAndReason) {
  TTempDir Dir;
  const std::string InMissingDir = Dir.File("absent/Sec.Dat");
  try {
    TEIniFile Store(InMissingDir, "");
    ADD_FAILURE() << "no error";
  } catch (const EInOutError &Error) {
    EXPECT_EQ(Error.ErrorCode(), ENOENT);
    EXPECT_NE(std::string(Error.what()).find(InMissingDir), std::string::npos);
  }

  const std::string ReadOnly = Dir.File("ReadOnly.Dat");
  Seed(ReadOnly, "", 1);
  ::chmod(ReadOnly.c_str(), 0444);
  const int Status = RunUnprivileged([&] {
    try {
      TEIniFile Store(ReadOnly, "");
    } catch (const EInOutError &Error) {
      return Error.ErrorCode() == EACCES && Error.Path() == ReadOnly ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(Status, 0);
}

TEST(StoreFaults, FailedSaveThrowsAndLeavesTheOldFileWhole) {
  TTempDir Dir;
  const std::filesystem::path Locked = Dir.Path() / "locked";
  std::filesystem::create_directory(Locked);
  const std::string Path = (Locked / "Sec.Dat").string();
  Seed(Path, "", 2);
  ::chmod(Path.c_str(), 0666);
  ::chmod(Locked.c_str(), 0555);  // the file is writable, but nothing can be created beside it
  const auto Before = ReadBytes(Path);

  const int Status = RunUnprivileged([&] {
    TEIniFile Store(Path, "");
    Store.WriteString("S", "K1", "changed");
    try {
      Store.Release();
    } catch (const EInOutError &Error) {
      return Error.ErrorCode() == EACCES ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(Status, 0);
  EXPECT_EQ(ReadBytes(Path), Before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Locked), {}), 1);
}

TEST(StoreFaults, SaveKeepsTheFilesPermissionsAndLeavesNoTemporaryFile) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  Seed(Path, "", 1);
  ::chmod(Path.c_str(), 0640);
  Seed(Path, "", 2);
  struct stat Info {};
  ASSERT_EQ(::stat(Path.c_str(), &Info), 0);
  EXPECT_EQ(Info.st_mode & 07777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);
}

TEST(StoreFaults, ChangesAreSavedByTheDestructorWhenReleaseIsNeverReached) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  try {
    TEIniFile Store(Path, "");
    Store.WriteString("S", "K", "kept");
    throw std::runtime_error("operation failed after its change");
  } catch (const std::runtime_error &) {
  }
  TEIniFile Store(Path, "");
  EXPECT_EQ(Store.ReadString("S", "K", ""), "kept");
}

TEST(StoreFaults, EntriesARecordCannotHoldAreRefusedBeforeAnythingChanges) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  Seed(Path, "", 1);
  TEIniFile Store(Path, "");
  const std::string Long(RecordFormat::EntryCapacity - 1, 'x');  // with "S" and "K": 512
  EXPECT_THROW(Store.AddItem("S", "K", Long), EInvalidEntry);
  EXPECT_THROW(Store.WriteString("S", "K1", Long), EInvalidEntry);
  EXPECT_THROW(Store.WriteString("S", "New", Long), EInvalidEntry);
  EXPECT_THROW(Store.WriteString("S", "K", std::string("a\0b", 3)), EInvalidEntry);
  EXPECT_EQ(Store.Keys(), (TStrings{"K1"}));
  EXPECT_EQ(Store.ReadString("S", "K1", ""), "v");
  EXPECT_FALSE(Store.Modified());
  Store.WriteString("S", "K1", std::string(RecordFormat::EntryCapacity - 3, 'x'));  // exactly 511

  EXPECT_TRUE(Store.Modified());
}

}  // namespace
