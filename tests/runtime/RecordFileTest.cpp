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

TEST(RecordFile, RecordsSpanningBufferRefillsComeBackWhole) {
  TTempDir Dir;
  const std::string Path = Dir.File("records");
  constexpr std::size_t Size = 514;  // does not divide the buffer, so records straddle refills
  constexpr int Count = 300;
  std::vector<std::uint8_t> Record(Size);
  {
    TRecordFile File(Size);
    File.CreateOrTruncate(Path);
    for (int R = 0; R < Count; ++R) {
      for (std::size_t I = 0; I < Size; ++I) Record[I] = static_cast<std::uint8_t>(R * 7 + I);
      File.Write(Record);
    }
    File.Close();
  }
  ASSERT_EQ(std::filesystem::file_size(Path), Size * Count);
  TRecordFile File(Size);
  File.OpenReadWrite(Path);
  for (int R = 0; R < Count; ++R) {
    ASSERT_FALSE(File.EndOfFile()) << R;
    ASSERT_TRUE(File.Read(Record)) << R;
    ASSERT_EQ(Record[0], static_cast<std::uint8_t>(R * 7)) << R;
    ASSERT_EQ(Record[Size - 1], static_cast<std::uint8_t>(R * 7 + Size - 1)) << R;
  }
  EXPECT_TRUE(File.EndOfFile());
  EXPECT_FALSE(File.Read(Record));
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
