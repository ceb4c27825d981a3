#include <gtest/gtest.h>

#include "platform/runtime/TextConvert.h"

namespace {

TEST(TextConvert, StrToIntDefTakesDecimalAndDollarHexIntoThirtyTwoBits) {
  struct {
    const char *Text;
    std::int32_t Expected;
  } Cases[] = {
      {"0", 0},
      {"42", 42},
      {"-5", -5},
      {"+7", 7},
      {"007", 7},
      {"$1F", 31},
      {"$1f", 31},
      {"$FFFFFFFF", -1},
      {"$7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      // Everything below gives the default, -99.
      {"", -99},
      {"-", -99},
      {"$", -99},
      {"12abc", -99},
      {" 5", -99},
      {"5 ", -99},
      {"2147483648", -99},
      {"-2147483649", -99},
      {"$100000000", -99},
      {"$-1", -99},
      {"-$1", -99},
      {"0x1F", -99},
      {"1.5", -99},
  };
  for (const auto &Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(StrToIntDef(Case.Text, -99), Case.Expected);
  }
}

TEST(TextConvert, IntToStrIsPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(IntToStr(2147483648LL), "2147483648");
}

TEST(TextConvert, TrimRemovesBlanksAndControlBytesAtBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01\x1f"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xfe x \xfe"), "\xfe x \xfe");
}

}  // namespace
