// Numbers typed into the tool's fields, and the texts that refuse them.
#include <gtest/gtest.h>

#include "../../../service/texts/number_text.h"

namespace {

TEST(NumberParsing, AcceptsDecimalsWithBlanksAround) {
  double value = 0;
  EXPECT_TRUE(ParseNumber("99.8", value));
  EXPECT_DOUBLE_EQ(99.8, value);
  EXPECT_TRUE(ParseNumber(" \t100.5 ", value));
  EXPECT_DOUBLE_EQ(100.5, value);
  EXPECT_TRUE(ParseNumber("-5", value));
  EXPECT_DOUBLE_EQ(-5, value);
  EXPECT_TRUE(ParseNumber(".5", value));
  EXPECT_DOUBLE_EQ(0.5, value);
  EXPECT_TRUE(ParseNumber("1e2", value));
  EXPECT_DOUBLE_EQ(100, value);
}

TEST(NumberParsing, RefusesWhatIsNotAPlainNumberAndKeepsTheOldValue) {
  for (const char* text : {"", "   ", "abc", "99.8mm", "99,8", "1 2", "inf", "nan", "0x10", "+",
                           "-", "1e999"}) {
    double value = 42;
    EXPECT_FALSE(ParseNumber(text, value)) << '"' << text << '"';
    EXPECT_EQ(42, value) << '"' << text << '"';
  }
}

TEST(NumberFormatting, ShowsFifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ("100", FormatNumber(100.0));
  EXPECT_EQ("99.8", FormatNumber(99.80));
  EXPECT_EQ("100.1", FormatNumber(100.1));
  EXPECT_EQ("0.333333333333333", FormatNumber(1.0 / 3.0));
  EXPECT_EQ("-0.25", FormatNumber(-0.25));
}

TEST(RefusalTexts, AreTheStandardTextsFilledIn) {
  EXPECT_EQ("Please enter a number between 99.5 and 100.5.", NumberRangeText(99.5, 100.5));
  EXPECT_EQ("Please enter a number between -1 and 2.25.", NumberRangeText(-1, 2.25));
  // Placeholders take their arguments in any order.
  EXPECT_EQ("b then a", FillPlaceholders("%2 then %1", {"a", "b"}));
  EXPECT_EQ("a and %3, 100%", FillPlaceholders("%1 and %3, 100%", {"a", "b"}));
  EXPECT_EQ("C:\\x\\%1.txt was not found.", FillPlaceholders("%1 was not found.", {"C:\\x\\%1.txt"}));
}

}  // namespace
