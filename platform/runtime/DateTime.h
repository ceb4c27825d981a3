#pragma once

#include <stdexcept>
#include <string>

// Local wall-clock time as a day count: the whole part counts days since 1899-12-30, the fraction
// is the time of day. Before that date the whole part is negative and the fraction still counts
// forward from midnight (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

// A text that does not read as a date and time.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TDateTimeParts {
  int Year, Month, Day, Hour, Minute, Second;
  bool operator==(const TDateTimeParts &) const = default;
};

// The local clock, with milliseconds.
TDateTime Now();

// Throws EConvertError when the fields name no real moment (February 30, hour 24, ...).
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second);
// Milliseconds are dropped; a value within half a millisecond of the next second counts as that
// second.
TDateTimeParts DecodeDateTime(TDateTime Value);

// Date and time under the current LC_TIME locale, always with a four-digit year, one blank between.
std::string DateTimeToStr(TDateTime Value);
// Reads what DateTimeToStr writes, the same with a two-digit year (00-49 is 20xx, 50-99 is 19xx),
// and ISO 8601 "YYYY-MM-DD HH:MM:SS" (or with "T"); a date alone is midnight.
TDateTime StrToDateTime(const std::string &Text);
