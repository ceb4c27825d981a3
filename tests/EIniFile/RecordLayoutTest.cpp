// Byte-level checks of the record format: files must stay readable by every earlier writer.

#include <gtest/gtest.h>

#include "EIniFile/RecordFormat.h"
#include "EIniFile/TEIniFile.h"
#include "EIniFile/TETextFile.h"
#include "tests/support/TempDir.h"

namespace {

using namespace RecordFormat;
using TBytes = std::vector<std::uint8_t>;

TBytes RecordAt(const TBytes &File, std::size_t Index) {
  return TBytes(File.begin() + Index * RecordSize, File.begin() + (Index + 1) * RecordSize);
}

std::uint8_t ScrambleByte(const TBytes &Record, std::int32_t KeyHash) {
  return static_cast<std::uint8_t>(Record[SaltOffset] ^ static_cast<std::uint32_t>(KeyHash));
}

TBytes Descrambled(TBytes Record, std::int32_t KeyHash) {
  const std::uint8_t Scramble = ScrambleByte(Record, KeyHash);
  for (std::size_t I = 0; I < ScrambledSize; ++I) Record[I] ^= Scramble;
  return Record;
}

void SaveEntries(const std::string &Path, const std::string &Key,
                 const std::vector<std::array<std::string, 3>> &Entries) {
  TEIniFile Store(Path, Key);
  for (const auto &[Section, Ident, Value] : Entries) Store.AddItem(Section, Ident, Value);
  Store.Release();
}

TEST(RecordLayout, KeyHashDoublesAndAddsThenTakesTheSignedRemainderOf255) {
  const std::string Tail32 = "0123456789abcdefghijklmnopqrstuv";
  struct {
    std::string Key;
    std::int32_t Hash;
  } Cases[] = {
      {"", 0},
      {"a", 97},
      {"ab", 37},
      {"Secret", 228},
      {std::string(23, 'A'), 95},
      {std::string(24, 'A'), 0},
      {std::string(27, 'q'), -233},  // wrapped past 2^31: negative
      {"0123456789abcdefghijklmnopqrstuvwxyz", -224},
      {"\xff\xfe", 254},  // bytes taken unsigned: 2 * 255 + 254 = 764
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Key);
    EXPECT_EQ(TETextFile::ComputeKeyHash(Case.Key), Case.Hash);
  }
  // Only the last 32 bytes count.
  EXPECT_EQ(TETextFile::ComputeKeyHash("anything at all" + Tail32),
            TETextFile::ComputeKeyHash(Tail32));
}

TEST(RecordLayout, TextFromOffsetZeroFillerAndSaltInRangeUnderTheEmptyKey) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  std::vector<std::array<std::string, 3>> Entries(200, {"Main", "Users", "3"});
  SaveEntries(Path, "", Entries);

  const TBytes File = ReadBytes(Path);
  ASSERT_EQ(File.size(), 200 * RecordSize);
  const std::string Text(
      "Main\0Users\0"
      "3\0",
      13);
  for (std::size_t R = 0; R < 200; ++R) {
    SCOPED_TRACE(R);
    const TBytes Record = RecordAt(File, R);
    const std::uint8_t Salt = Record[SaltOffset];
    EXPECT_GE(Salt, 1);
    EXPECT_LE(Salt, 254);
    // With the empty key the scramble byte is the salt itself, and never 0 or 32.
    EXPECT_NE(Salt, 32);
    const TBytes Plain = Descrambled(Record, 0);
    EXPECT_EQ(std::string(Plain.begin(), Plain.begin() + 13), Text);
    for (std::size_t I = Text.size(); I < ScrambledSize; ++I) {
      ASSERT_GE(Plain[I], 1) << "filler at " << I;
      ASSERT_LE(Plain[I], 254) << "filler at " << I;
    }
  }
}

TEST(RecordLayout, ScrambleByteIsLowByteOfSaltXorKeyHash) {
  for (const std::string Key : {"Secret", "0123456789abcdefghijklmnopqrstuvwxyz"}) {
    SCOPED_TRACE(Key);
    TTempDir Dir;
    const std::string Path = Dir.File("Sec.Dat");
    SaveEntries(Path, Key, {{"S", "K", "V"}});
    const std::int32_t Hash = TETextFile::ComputeKeyHash(Key);
    const TBytes Plain = Descrambled(RecordAt(ReadBytes(Path), 0), Hash);
    EXPECT_EQ(std::string(Plain.begin(), Plain.begin() + 6), std::string("S\0K\0V\0", 6));
    if (Hash >= 0) {
      const std::uint8_t Scramble = ScrambleByte(RecordAt(ReadBytes(Path), 0), Hash);
      EXPECT_NE(Scramble, 0);
      EXPECT_NE(Scramble, 32);
    }
  }
}

TEST(RecordLayout, FullRecordEntryRoundTripsAndKeepsItsTailPlain) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  const std::string Section = "User_" + std::string(95, 's');  // 100 bytes
  const std::string Ident(100, 'k');
  std::string Value;
  for (int I = 0; I < 311; ++I) Value += static_cast<char>('a' + I % 26);  // 511 in all
  SaveEntries(Path, "Secret", {{Section, Ident, Value}});

  const TBytes Record = RecordAt(ReadBytes(Path), 0);
  // From offset 256 the text is stored as it is; the terminator that would fall on 513 gives way
  // to the salt.
  const std::string Whole = Section + '\0' + Ident + '\0' + Value;
  EXPECT_EQ(std::string(Record.begin() + 256, Record.begin() + 513), Whole.substr(256));

  TEIniFile Store(Path, "Secret");
  ASSERT_EQ(Store.Keys().size(), 1u);
  EXPECT_EQ(Store.ReadString(Section, Ident, "missing"), Value);
}

TEST(RecordLayout, EntryOf257BytesReadsBackWithItsTailUnscrambled) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  const std::string Value(300, 'v');
  SaveEntries(Path, "", {{"S", "K", Value}});
  const TBytes Record = RecordAt(ReadBytes(Path), 0);
  EXPECT_EQ(std::string(Record.begin() + 256, Record.begin() + 304), std::string(48, 'v'));
  EXPECT_EQ(Record[304], 0);  // the value's terminator, unscrambled
  TEIniFile Store(Path, "");
  EXPECT_EQ(Store.ReadString("S", "K", ""), Value);
}

TEST(RecordLayout, ReadingNeedsOnlyTheLowEightBitsOfTheKeyHash) {
  const std::string Writer(27, 'q');  // hash -233
  const std::string Reader(31, 'i');  // hash 23: same low byte
  ASSERT_NE(TETextFile::ComputeKeyHash(Writer), TETextFile::ComputeKeyHash(Reader));
  ASSERT_EQ(TETextFile::ComputeKeyHash(Writer) & 0xff, TETextFile::ComputeKeyHash(Reader) & 0xff);
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  SaveEntries(Path, Writer, {{"Main", "Users", "1"}, {"Main", "User1", "Anna"}});
  TEIniFile Store(Path, Reader);
  EXPECT_EQ(Store.ReadString("Main", "User1", ""), "Anna");
  EXPECT_EQ(Store.ReadInteger("Main", "Users", 0), 1);
}

TEST(RecordLayout, EntriesWithAnEmptySectionOrKeyAreNotSaved) {
  TTempDir Dir;
  const std::string Path = Dir.File("Sec.Dat");
  SaveEntries(Path, "", {{"", "K", "1"}, {"S", "", "2"}, {"S", "K", ""}});
  EXPECT_EQ(ReadBytes(Path).size(), RecordSize);
  TEIniFile Store(Path, "");
  std::string Value = "x";
  EXPECT_TRUE(Store.ItemExistInSection("K", "S", Value));
  EXPECT_EQ(Value, "");
  EXPECT_EQ(Store.ReadString("S", "K", "default"), "");
}

}  // namespace
