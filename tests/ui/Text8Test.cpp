#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Text8.h"

namespace {

TEST(Text8, RoundTripsExactly) {
  using namespace std::string_literals;
  using namespace Qt::StringLiterals;
  struct {
    std::string Bytes;
    QString Shown;
  } Cases[] = {
      {"", u""_s},
      {"Logon", u"Logon"_s},
      {"M\xC3\xBCller \xE2\x82\xAC", u"Müller €"_s},
      {"Access denied\xFE", u"Access denied\u200F"_s},
      {"\xFE", u"\u200F"_s},
      {"\xFE\xFE"
       "a\xFE",
       u"\u200F\u200Fa\u200F"_s},
      {"\xC3\xBC\xFE\xE2\x82\xAC", u"ü\u200F€"_s},
      {"\xF0\x9F\x94\x92\xFE", u"\U0001F512\u200F"_s},
      {"a\0b"s, u"a\0b"_s},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(testing::PrintToString(Case.Bytes));
    EXPECT_EQ(ToQString(Case.Bytes), Case.Shown);
    EXPECT_EQ(FromQString(Case.Shown), Case.Bytes);
  }
}

TEST(Text8, BytesThatAreNotUtf8AreNotKept) {
  struct {
    std::string Bytes;
    std::string Back;
  } Cases[] = {
      {"a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},                             // becomes U+FFFD
      {"\xC3\xFE", "\xEF\xBF\xBD\xFE"},  // a sequence cut short by the mark
      {"\xE2\x80\x8F", "\xFE"},          // the mark written as UTF-8
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(testing::PrintToString(Case.Bytes));
    EXPECT_EQ(FromQString(ToQString(Case.Bytes)), Case.Back);
  }
}

}  // namespace
