#include "platform/runtime/DateTime.h"

#include <langinfo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace std::chrono;

constexpr sys_days Epoch{year{1899} / December / 30};
constexpr long long MillisecondsPerDay = 86'400'000;

std::optional<TDateTime> TryEncode(const TDateTimeParts &P) {
  // Checked before building the calendar types, which keep only the low bits of an out-of-range
  // value.
  if (P.Year < 1 || P.Year > 9999 || P.Month < 1 || P.Month > 12 || P.Day < 1 || P.Day > 31 ||
      P.Hour < 0 || P.Hour > 23 || P.Minute < 0 || P.Minute > 59 || P.Second < 0 || P.Second > 59)
    return std::nullopt;
  const year_month_day Date{year{P.Year}, month{static_cast<unsigned>(P.Month)},
                            day{static_cast<unsigned>(P.Day)}};
  if (!Date.ok()) return std::nullopt;
  const auto Days = static_cast<double>((sys_days{Date} - Epoch).count());
  const double Time = (P.Hour * 3600 + P.Minute * 60 + P.Second) / 86400.0;
  return Days < 0 ? Days - Time : Days + Time;
}

std::tm ToTm(const TDateTimeParts &P) {
  std::tm Result{};
  Result.tm_year = P.Year - 1900;
  Result.tm_mon = P.Month - 1;
  Result.tm_mday = P.Day;
  Result.tm_hour = P.Hour;
  Result.tm_min = P.Minute;
  Result.tm_sec = P.Second;
  Result.tm_isdst = -1;
  // mktime works out the weekday and the zone that some locales print (%A, %Z). It also moves a
  // wall time that falls in a daylight-saving gap, so only those fields are taken from it.
  std::tm Resolved = Result;
  std::mktime(&Resolved);
  Result.tm_wday = Resolved.tm_wday;
  Result.tm_yday = Resolved.tm_yday;
  Result.tm_isdst = Resolved.tm_isdst;
  Result.tm_gmtoff = Resolved.tm_gmtoff;
  Result.tm_zone = Resolved.tm_zone;
  return Result;
}

// The format with every plain year directive turned into YearDirective ('Y' or 'y'). Flags and
// width stay; era and alternative-digit forms (%Ey, %Oy) are left alone, as they have no such twin.
std::string WithYearDirective(std::string_view Format, char YearDirective) {
  std::string Result;
  std::size_t I = 0;
  while (I < Format.size()) {
    const char C = Format[I++];
    Result += C;
    if (C != '%') continue;
    while (I < Format.size() &&
           std::string_view("_-0^#123456789").find(Format[I]) != std::string_view::npos)
      Result += Format[I++];
    const bool Modified = I < Format.size() && (Format[I] == 'E' || Format[I] == 'O');
    if (Modified) Result += Format[I++];
    if (I == Format.size()) break;
    const char Conversion = Format[I++];
    Result += !Modified && (Conversion == 'y' || Conversion == 'Y') ? YearDirective : Conversion;
  }
  return Result;
}

std::string LocaleDateFormat(char YearDirective) {
  return WithYearDirective(nl_langinfo(D_FMT), YearDirective);
}

std::string LocaleTimeFormat() {
  return nl_langinfo(T_FMT);
}

// The fields read when Format covers all of Text.
std::optional<std::tm> ParseWhole(const std::string &Text, const std::string &Format) {
  std::tm Fields{};
  const char *End = strptime(Text.c_str(), Format.c_str(), &Fields);
  if (End != Text.c_str() + Text.size()) return std::nullopt;
  return Fields;
}

}  // namespace

TDateTime Now() {
  const auto Clock = system_clock::now();
  const std::time_t Seconds = system_clock::to_time_t(Clock);
  std::tm Local{};
  localtime_r(&Seconds, &Local);
  const auto Milliseconds = duration_cast<milliseconds>(Clock.time_since_epoch()).count() % 1000;
  // A leap second reads as the last regular second of its minute.
  return EncodeDateTime(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday, Local.tm_hour,
                        Local.tm_min, std::min(Local.tm_sec, 59)) +
         static_cast<double>(Milliseconds) / MillisecondsPerDay;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second) {
  if (const auto Value = TryEncode({Year, Month, Day, Hour, Minute, Second})) return *Value;
  throw EConvertError("EncodeDateTime: " + std::to_string(Year) + '-' + std::to_string(Month) +
                      '-' + std::to_string(Day) + ' ' + std::to_string(Hour) + ':' +
                      std::to_string(Minute) + ':' + std::to_string(Second) +
                      " is not a valid date and time");
}

TDateTimeParts DecodeDateTime(TDateTime Value) {
  double WholeDays = std::trunc(Value);
  long long Milliseconds = std::llround(std::fabs(Value - WholeDays) * MillisecondsPerDay);
  if (Milliseconds == MillisecondsPerDay) {
    Milliseconds = 0;
    WholeDays += 1;
  }
  const year_month_day Date{Epoch + days{static_cast<days::rep>(WholeDays)}};
  const auto Seconds = static_cast<int>(Milliseconds / 1000);
  return {static_cast<int>(Date.year()),
          static_cast<int>(static_cast<unsigned>(Date.month())),
          static_cast<int>(static_cast<unsigned>(Date.day())),
          Seconds / 3600,
          Seconds / 60 % 60,
          Seconds % 60};
}

std::string DateTimeToStr(TDateTime Value) {
  const std::tm Fields = ToTm(DecodeDateTime(Value));
  const std::string Format = LocaleDateFormat('Y') + ' ' + LocaleTimeFormat();
  char Buffer[256];
  const std::size_t Length = std::strftime(Buffer, sizeof Buffer, Format.c_str(), &Fields);
  return std::string(Buffer, Length);
}

TDateTime StrToDateTime(const std::string &Text) {
  const std::string Time = LocaleTimeFormat();
  const std::string LongDate = LocaleDateFormat('Y');
  const std::string ShortDate = LocaleDateFormat('y');
  struct TForm {
    std::string Format;
    bool TwoDigitYear;
  };
  std::vector<TForm> Forms;
  // Two-digit forms come first: "%Y" would also read "26" as the year 26.
  if (ShortDate != LongDate)
    Forms.insert(Forms.end(), {{ShortDate + ' ' + Time, true}, {ShortDate, true}});
  Forms.insert(Forms.end(), {{LongDate + ' ' + Time, false},
                             {LongDate, false},
                             {"%Y-%m-%d %H:%M:%S", false},
                             {"%Y-%m-%dT%H:%M:%S", false},
                             {"%Y-%m-%d", false}});
  for (const TForm &Form : Forms) {
    const auto Fields = ParseWhole(Text, Form.Format);
    if (!Fields) continue;
    int Year = Fields->tm_year + 1900;
    if (Form.TwoDigitYear) {
      const int TwoDigits = Fields->tm_year % 100;
      Year = TwoDigits < 50 ? 2000 + TwoDigits : 1900 + TwoDigits;
    }
    if (const auto Value = TryEncode({Year, Fields->tm_mon + 1, Fields->tm_mday, Fields->tm_hour,
                                      Fields->tm_min, Fields->tm_sec}))
      return *Value;
  }
  throw EConvertError("'" + Text + "' is not a valid date and time");
}
