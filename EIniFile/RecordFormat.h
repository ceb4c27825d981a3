#pragma once
// The data file is a bare sequence of 514-byte records, one entry each:
//
//   offset   0..255  scrambled area: entry text and filler, XORed with the record's scramble byte
//   offset 256..512  plain area: the rest of a long entry text, then filler nobody reads
//   offset 513       salt, 1..254; scramble byte = low 8 bits of (salt XOR key hash)
//
// The entry text is section, 0x00, key, 0x00, value, 0x00. At 511 text bytes the value's terminator
// would land on the salt; readers stop before offset 513, so such an entry still reads back whole.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace RecordFormat {
constexpr std::size_t RecordSize = 514;
constexpr std::size_t ScrambledSize = 256;
constexpr std::size_t SaltOffset = 513;
constexpr std::size_t EntryCapacity = 511;  // section + key + value bytes
}  // namespace RecordFormat

// Thrown before anything changes when an entry cannot be stored in one record: too long, or a text
// holding the byte 0x00 that the record uses as terminator.
class EInvalidEntry : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

void CheckEntryFits(const std::string &Section, const std::string &Ident, const std::string &Value);
