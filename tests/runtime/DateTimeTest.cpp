#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

#include "platform/runtime/DateTime.h"

void PrintTo(const TDateTimeParts &P, std::ostream *Out) {
  *Out << P.Year << '-' << P.Month << '-' << P.Day << ' ' << P.Hour << ':' << P.Minute << ':'
       << P.Second;
}

namespace {

constexpr double OneSecond = 1.0 / 86400;

// Sets LC_TIME for the lifetime of the object, then puts the previous setting back.
class TLcTime {
 public:
  explicit TLcTime(const char *Name) : Previous(std::setlocale(LC_TIME, nullptr)) {
    Installed = std::setlocale(LC_TIME, Name) != nullptr;
  }
  ~TLcTime() { std::setlocale(LC_TIME, Previous.c_str()); }
  bool Installed;

 private:
  std::string Previous;
};

TDateTime Encode(const TDateTimeParts &P) {
  return EncodeDateTime(P.Year, P.Month, P.Day, P.Hour, P.Minute, P.Second);
}

TEST(DateTimeEncoding, CountsDaysFrom1899December30WithTimeAsFraction) {
  const struct {
    TDateTimeParts Parts;
    TDateTime Value;
  } cases[] = {
      {{1899, 12, 30, 0, 0, 0}, 0.0},
      {{1900, 3, 1, 0, 0, 0}, 61.0},
      {{2000, 1, 1, 12, 0, 0}, 36526.5},
      {{2024, 2, 29, 18, 0, 0}, 45351.75},
      {{2026, 12, 11, 14, 5, 9}, 46367 + (14 * 3600 + 5 * 60 + 9) * OneSecond},
      {{1899, 12, 29, 6, 0, 0}, -1.25},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Parts));
    EXPECT_DOUBLE_EQ(Encode(c.Parts), c.Value);
    EXPECT_EQ(DecodeDateTime(c.Value), c.Parts);
  }
}

TEST(DateTimeEncoding, DecodeRoundsToTheMillisecondThenDropsIt) {
  const TDateTime Moment = EncodeDateTime(2026, 12, 11, 14, 5, 9);
  const TDateTimeParts Expected{2026, 12, 11, 14, 5, 9};
  EXPECT_EQ(DecodeDateTime(Moment - 1e-11), Expected);
  EXPECT_EQ(DecodeDateTime(Moment + 0.999 * OneSecond), Expected);
  const TDateTimeParts NextDay{2026, 12, 12, 0, 0, 0};
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(2026, 12, 11, 23, 59, 59) + 0.9999 * OneSecond), NextDay);
}

TEST(DateTimeEncoding, RejectsFieldsThatNameNoMoment) {
  const TDateTimeParts cases[] = {
      {2026, 2, 29, 0, 0, 0}, {2026, 4, 31, 0, 0, 0},  {2026, 0, 1, 0, 0, 0},
      {2026, 13, 1, 0, 0, 0}, {2026, 257, 1, 0, 0, 0}, {2026, 1, 0, 0, 0, 0},
      {0, 1, 1, 0, 0, 0},     {2026, 1, 1, 24, 0, 0},  {2026, 1, 1, 0, 60, 0},
      {2026, 1, 1, 0, 0, 60}, {2026, 1, 1, -1, 0, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::PrintToString(c));
    EXPECT_THROW(Encode(c), EConvertError);
  }
}

class DateTimeCLocale : public testing::Test {
  TLcTime Locale{"C"};
};

TEST_F(DateTimeCLocale, WritesMonthDayFourDigitYearAnd24HourTime) {
  const struct {
    TDateTimeParts Parts;
    const char *Text;
  } cases[] = {
      {{2026, 12, 11, 14, 5, 9}, "12/11/2026 14:05:09"},
      {{2003, 1, 2, 0, 0, 0}, "01/02/2003 00:00:00"},
      {{1950, 7, 4, 23, 59, 59}, "07/04/1950 23:59:59"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(DateTimeToStr(Encode(c.Parts)), c.Text);
  }
}

TEST_F(DateTimeCLocale, ReadsLocaleIsoAndTwoDigitYearForms) {
  const struct {
    const char *Text;
    TDateTimeParts Parts;
  } cases[] = {
      {"12/11/2026 14:05:09", {2026, 12, 11, 14, 5, 9}},
      {"12/11/2026", {2026, 12, 11, 0, 0, 0}},
      {"02/29/2024 23:59:59", {2024, 2, 29, 23, 59, 59}},
      {"2026-12-11 14:05:09", {2026, 12, 11, 14, 5, 9}},
      {"2026-12-11T14:05:09", {2026, 12, 11, 14, 5, 9}},
      {"2026-12-11", {2026, 12, 11, 0, 0, 0}},
      {"12/11/26 14:05:09", {2026, 12, 11, 14, 5, 9}},
      {"01/01/00", {2000, 1, 1, 0, 0, 0}},
      {"12/31/49 23:59:59", {2049, 12, 31, 23, 59, 59}},
      {"01/01/50", {1950, 1, 1, 0, 0, 0}},
      {"07/04/99 08:00:00", {1999, 7, 4, 8, 0, 0}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(StrToDateTime(c.Text), Encode(c.Parts));
  }
}

TEST_F(DateTimeCLocale, RejectsAnyOtherTextQuotingIt) {
  const char *cases[] = {
      "",
      "yesterday",
      "12/11/2026 14:05:09x",
      "12/11/2026 14:05:09 ",
      "12/11/2026 14:05",
      "13/11/2026 14:05:09",
      "02/30/2026",
      "12/00/2026",
      "12/11/2026 24:00:00",
      "12/11/2026 14:60:00",
      "12/11/2026 14:05:60",
      "2026-13-01",
      "2026-02-29 10:00:00",
      "2026-12-11X14:05:09",
      "11.12.2026 14:05:09",
  };
  for (const char *Text : cases) {
    SCOPED_TRACE(Text);
    std::optional<std::string> Message;
    try {
      StrToDateTime(Text);
    } catch (const EConvertError &Error) {
      Message = Error.what();
    }
    EXPECT_EQ(Message, "'" + std::string(Text) + "' is not a valid date and time");
  }
}

TEST_F(DateTimeCLocale, NowRoundTripsToTheSecond) {
  const TDateTime Moment = Now();
  const TDateTime Read = StrToDateTime(DateTimeToStr(Moment));
  EXPECT_EQ(DecodeDateTime(Read), DecodeDateTime(Moment));
  EXPECT_LT(std::fabs(Read - Moment), OneSecond);
}

// A fixed zone five and a half hours east of UTC, written as a POSIX rule so no zone files are
// needed.
TEST(DateTimeNow, IsLocalWallTime) {
  const char *Saved = std::getenv("TZ");
  const std::optional<std::string> PreviousZone =
      Saved ? std::optional<std::string>(Saved) : std::nullopt;
  setenv("TZ", "XST-5:30", 1);
  tzset();
  const std::time_t Utc = std::time(nullptr);
  const TDateTime Local = Now();
  if (PreviousZone)
    setenv("TZ", PreviousZone->c_str(), 1);
  else
    unsetenv("TZ");
  tzset();

  const std::time_t Shifted = Utc + 5 * 3600 + 30 * 60;
  std::tm Expected{};
  gmtime_r(&Shifted, &Expected);
  const TDateTime ExpectedValue =
      EncodeDateTime(Expected.tm_year + 1900, Expected.tm_mon + 1, Expected.tm_mday,
                     Expected.tm_hour, Expected.tm_min, Expected.tm_sec);
  // The two clock readings may straddle a second boundary.
  EXPECT_NEAR(Local, ExpectedValue, 2 * OneSecond);
}

struct TLocaleCase {
  const char *Name;
  const char *Text;          // 2026-12-11 14:05:09 under this locale
  const char *TwoDigitText;  // the same with a two-digit year
};

void PrintTo(const TLocaleCase &Case, std::ostream *Out) {
  *Out << Case.Name;
}

class DateTimeInstalledLocale : public testing::TestWithParam<TLocaleCase> {};

TEST_P(DateTimeInstalledLocale, WritesAndReadsThatLocalesForm) {
  const TLocaleCase &Case = GetParam();
  const TLcTime Locale(Case.Name);
  if (!Locale.Installed) GTEST_SKIP() << Case.Name << " is not installed";
  const TDateTime Moment = EncodeDateTime(2026, 12, 11, 14, 5, 9);
  EXPECT_EQ(DateTimeToStr(Moment), Case.Text);
  EXPECT_EQ(StrToDateTime(Case.Text), Moment);
  EXPECT_EQ(StrToDateTime(Case.TwoDigitText), Moment);
  // A text written under the C locale is no longer this machine's form.
  EXPECT_THROW(StrToDateTime("12/11/2026 14:05:09"), EConvertError);
  const TDateTime Current = Now();
  EXPECT_EQ(DecodeDateTime(StrToDateTime(DateTimeToStr(Current))), DecodeDateTime(Current));
}

INSTANTIATE_TEST_SUITE_P(
    CommonLocales, DateTimeInstalledLocale,
    testing::Values(TLocaleCase{"en_US.UTF-8", "12/11/2026 02:05:09 PM", "12/11/26 02:05:09 PM"},
                    TLocaleCase{"de_DE.UTF-8", "11.12.2026 14:05:09", "11.12.26 14:05:09"}));

}  // namespace
