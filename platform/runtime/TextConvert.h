#pragma once
// Text and integer conversions with the rules the data file has always been read with.

#include <cstdint>
#include <string>

// Optional sign and decimal digits, or "$" and up to eight hex digits (taken as the 32-bit pattern,
// so "$FFFFFFFF" is -1). Anything else, overflow and blanks included, gives Default.
std::int32_t StrToIntDef(const std::string &Text, std::int32_t Default);

std::string IntToStr(std::int64_t Value);

// Removes leading and trailing blanks and control characters (bytes up to 0x20).
std::string Trim(const std::string &Text);
