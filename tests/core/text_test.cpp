// Windows-1251 text, number conversion, rounding, the random source and the
// error type.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/convert.h"
#include "core/cp1251.h"
#include "core/data_error.h"
#include "core/random.h"
#include "core/rounding.h"

using namespace core;

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = cp1251_to_utf8(all);
  EXPECT_EQ(utf8_length(utf8), 256u);
  EXPECT_EQ(utf8_to_cp1251(utf8), all);
  // Each byte alone, too: no byte depends on its neighbours.
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8_to_cp1251(cp1251_to_utf8(one)), one) << "byte " << b;
  }
}

TEST(Cp1251, MapsTheCodePage) {
  EXPECT_EQ(cp1251_to_utf8("\xC3\xEE\xEB\xEE\xE4"), "Голод");
  EXPECT_EQ(utf8_to_cp1251("Голод"), "\xC3\xEE\xEB\xEE\xE4");
  EXPECT_EQ(cp1251_to_utf8("\xA8\xB8"), "Ёё");
  EXPECT_EQ(utf8_to_cp1251("Ёё"), "\xA8\xB8");
  EXPECT_EQ(cp1251_to_utf8("\xC0\xDF\xE0\xFF"), "АЯая");
  EXPECT_EQ(cp1251_to_utf8("\xB9\x88\x96\xAB\xBB"), "№€–«»");
  EXPECT_EQ(cp1251_to_utf8("\x98"), "\xC2\x98");  // the unassigned byte
  EXPECT_EQ(cp1251_to_utf8("Data\\x 1"), "Data\\x 1");
}

TEST(Cp1251, UnmappableAndBrokenTextBecomesQuestionMarks) {
  EXPECT_EQ(utf8_to_cp1251("a€b"),
            "a\x88"
            "b");
  EXPECT_EQ(utf8_to_cp1251("a\xE4\xB8\xADz"), "a?z");  // a CJK character
  EXPECT_EQ(utf8_to_cp1251("a\xFFz"), "a?z");          // not UTF-8 at all
  EXPECT_EQ(utf8_to_cp1251("a\xD0"), "a?");            // cut short
  EXPECT_EQ(utf8_to_cp1251("\xC0\xAF"), "??");         // overlong '/'
  EXPECT_EQ(utf8_to_cp1251("\xED\xA0\x80"), "???");    // a surrogate
}

TEST(Cp1251, LengthAndPrefixCountCharacters) {
  EXPECT_EQ(utf8_length(""), 0u);
  EXPECT_EQ(utf8_length("Голод: 76 %"), 11u);
  EXPECT_EQ(utf8_prefix("Голод", 3), "Гол");
  EXPECT_EQ(utf8_prefix("Голод", 0), "");
  EXPECT_EQ(utf8_prefix("Голод", 10), "Голод");
  EXPECT_EQ(utf8_prefix("aЁb", 2), "aЁ");
}

TEST(Convert, IntegersAreStrict) {
  EXPECT_EQ(parse_int("0"), 0);
  EXPECT_EQ(parse_int("42"), 42);
  EXPECT_EQ(parse_int("+42"), 42);
  EXPECT_EQ(parse_int("-42"), -42);
  EXPECT_EQ(parse_int("007"), 7);
  EXPECT_EQ(parse_int("2147483647"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(parse_int("-2147483648"), std::numeric_limits<int32_t>::min());
  for (const char* bad :
       {"", " ", "+", "-", " 1", "1 ", "1.0", "1,5", "0x10", "$10", "1e3", "2147483648",
        "-2147483649", "99999999999999999999", "--1", "1-", "12a", "\t3"})
    EXPECT_FALSE(parse_int(bad).has_value()) << "'" << bad << "'";
}

TEST(Convert, DecimalsTakeCommaOrPoint) {
  EXPECT_DOUBLE_EQ(*parse_decimal("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(*parse_decimal("0,5"), 0.5);
  EXPECT_DOUBLE_EQ(*parse_decimal("-1,25"), -1.25);
  EXPECT_DOUBLE_EQ(*parse_decimal("+3"), 3.0);
  EXPECT_DOUBLE_EQ(*parse_decimal(",5"), 0.5);
  EXPECT_DOUBLE_EQ(*parse_decimal("5."), 5.0);
  EXPECT_DOUBLE_EQ(*parse_decimal("1,5E2"), 150.0);
  EXPECT_DOUBLE_EQ(*parse_decimal("2e-1"), 0.2);
  EXPECT_EQ(*parse_decimal("0.1"), 0.1);  // correctly rounded
  for (const char* bad : {"", " ", " 1", "1 ", ".", ",", "-", "1.2.3", "1,2,3", "1.2,3", "e5", "1e",
                          "1e+", "abc", "inf", "nan", "0x1p3", "1e999", "1_000"})
    EXPECT_FALSE(parse_decimal(bad).has_value()) << "'" << bad << "'";
}

TEST(Convert, ThrowingFormsNameTheValueFileAndLine) {
  EXPECT_EQ(to_int("15", "f.cfg", 3), 15);
  EXPECT_DOUBLE_EQ(to_decimal("1,5", "f.cfg", 3), 1.5);
  try {
    to_int("abc", "Data\\Config\\roamkin.cfg", 4);
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "'abc' is not a valid integer value");
    EXPECT_EQ(e.file(), "Data\\Config\\roamkin.cfg");
    EXPECT_EQ(e.line(), 4);
  }
  try {
    to_decimal("", "x.loc", 9);
    FAIL();
  } catch (const DataError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid floating point value (x.loc, line 9)");
  }
  EXPECT_EQ(str(0), "0");
  EXPECT_EQ(str(-1234567), "-1234567");
  EXPECT_EQ(str(9000000000LL), "9000000000");
}

TEST(DataError, WhatNamesFileAndLine) {
  EXPECT_STREQ(DataError("File not found", "Data\\a.dat", 3).what(),
               "File not found (Data\\a.dat, line 3)");
  EXPECT_STREQ(DataError("File not found", "Data\\a.dat").what(), "File not found (Data\\a.dat)");
  EXPECT_STREQ(DataError("File not found").what(), "File not found");
  EXPECT_EQ(format_data_error("x", "", 5), "x");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Round(74.5L), 74);
  EXPECT_EQ(Round(75.5L), 76);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(3.5L), 4);
  EXPECT_EQ(Round(-0.5L), 0);
  EXPECT_EQ(Round(-1.5L), -2);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(0.49999999L), 0);
  EXPECT_EQ(Round(0.50000001L), 1);
  EXPECT_EQ(Round(-7.6L), -8);
  EXPECT_EQ(Round(1e15L + 0.5L), 1000000000000000LL);
  EXPECT_EQ(Round(9 / 1.2L), 7);
  EXPECT_EQ(Round(21 / 1.2L), 18);
}

TEST(Rounding, OutOfRangeSaturates) {
  EXPECT_EQ(Round(1e30L), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(Round(-1e30L), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(Round(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(Random, StaysInRangeAndRepeatsPerSeed) {
  RandomSource a(12345), b(12345);
  std::vector<int> counts(10);
  for (int i = 0; i < 10000; ++i) {
    const int r = a.Random(10);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 10);
    ASSERT_EQ(r, b.Random(10));
    ++counts[r];
  }
  for (int c : counts) EXPECT_GT(c, 800);  // roughly uniform
  EXPECT_EQ(a.Random(0), 0);
  EXPECT_EQ(a.Random(-5), 0);
  EXPECT_EQ(a.Random(1), 0);
  const int big = a.Random(std::numeric_limits<int>::max());
  EXPECT_GE(big, 0);

  a.seed_with(7);
  b.seed_with(7);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(a.Random(100), b.Random(100));
  RandomSource c(8);
  int same = 0;
  for (int i = 0; i < 100; ++i) same += a.Random(1000) == c.Random(1000);
  EXPECT_LT(same, 10);
}
