#include "platform/runtime/TextConvert.h"

#include <charconv>
#include <limits>

namespace {

bool ParseHex(const std::string &Digits, std::int32_t &Result) {
  if (Digits.empty() || Digits.size() > 8) return false;
  std::uint32_t Bits = 0;
  const auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Bits, 16);
  if (Error != std::errc() || End != Digits.data() + Digits.size()) return false;
  Result = static_cast<std::int32_t>(Bits);
  return true;
}

bool ParseDecimal(const std::string &Text, std::int32_t &Result) {
  std::size_t Start = 0;
  bool Negative = false;
  if (!Text.empty() && (Text[0] == '+' || Text[0] == '-')) {
    Negative = Text[0] == '-';
    Start = 1;
  }
  if (Start == Text.size()) return false;
  // Accumulate in 64 bits so that -2147483648 converts while 2147483648 overflows.
  std::int64_t Magnitude = 0;
  for (std::size_t I = Start; I < Text.size(); ++I) {
    const char C = Text[I];
    if (C < '0' || C > '9') return false;
    Magnitude = Magnitude * 10 + (C - '0');
    if (Magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
  }
  const std::int64_t Value = Negative ? -Magnitude : Magnitude;
  if (Value > std::numeric_limits<std::int32_t>::max()) return false;
  Result = static_cast<std::int32_t>(Value);
  return true;
}

bool IsBlankOrControl(char C) {
  return static_cast<unsigned char>(C) <= ' ';
}

}  // namespace

std::int32_t StrToIntDef(const std::string &Text, std::int32_t Default) {
  std::int32_t Result = 0;
  const bool Converted = !Text.empty() && Text[0] == '$' ? ParseHex(Text.substr(1), Result)
                                                         : ParseDecimal(Text, Result);
  return Converted ? Result : Default;
}

std::string IntToStr(std::int64_t Value) {
  return std::to_string(Value);
}

std::string Trim(const std::string &Text) {
  std::size_t First = 0;
  std::size_t Last = Text.size();
  while (First < Last && IsBlankOrControl(Text[First])) ++First;
  while (Last > First && IsBlankOrControl(Text[Last - 1])) --Last;
  return Text.substr(First, Last - First);
}
