#include <gtest/gtest.h>

#include <array>
#include <cerrno>

#include "platform/runtime/InOutError.h"
#include "platform/runtime/RecordFile.h"
#include "tests/support/TempDir.h"

namespace {

using TRecord = std::array<std::uint8_t, 4>;

TEST(RecordFile, WritesAndReadsWholeRecordsAndDropsAShortTail) {
  TTempDir Dir;
  const std::string Path = Dir.File("records");
  EXPECT_FALSE(TRecordFile::Exists(Path));
  TRecordFile::CreateEmpty(Path);
  EXPECT_TRUE(TRecordFile::Exists(Path));
  {
    TRecordFile File(4);
    File.CreateOrTruncate(Path);
    File.Write(TRecord{1, 2, 3, 4});
    File.Write(TRecord{5, 6, 7, 8});
    File.Sync();
    File.Close();
  }
  auto Bytes = ReadBytes(Path);
  Bytes.push_back(9);  // an incomplete third record
  WriteBytes(Path, Bytes);

  TRecordFile File(4);
  File.OpenReadWrite(Path);
  TRecord Record{};
  ASSERT_TRUE(File.Read(Record));
  EXPECT_EQ(Record, (TRecord{1, 2, 3, 4}));
  ASSERT_TRUE(File.Read(Record));
  EXPECT_EQ(Record, (TRecord{5, 6, 7, 8}));
  EXPECT_FALSE(File.EndOfFile());
  EXPECT_FALSE(File.Read(Record));
  EXPECT_TRUE(File.EndOfFile());
}

TEST(RecordFile, FailuresCarryTheSystemReasonAndThePath) {
  TTempDir Dir;
  struct {
    const char *Name;
    std::string Path;
    int Errno;
  } Cases[] = {
      {"missing file", Dir.File("absent"), ENOENT},
      {"missing directory", Dir.File("absent/records"), ENOENT},
      {"a directory", Dir.Path().string(), EISDIR},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TRecordFile File(4);
    try {
      File.OpenReadWrite(Case.Path);
      ADD_FAILURE() << "no error";
    } catch (const EInOutError &Error) {
      EXPECT_EQ(Error.ErrorCode(), Case.Errno);
      EXPECT_EQ(Error.Path(), Case.Path);
      EXPECT_NE(std::string(Error.what()).find(Case.Path), std::string::npos);
    }
  }
  EXPECT_THROW(TRecordFile::CreateEmpty(Dir.File("absent/records")), EInOutError);
}

}  // namespace
