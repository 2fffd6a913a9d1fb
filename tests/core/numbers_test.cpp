#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numbers.h"

namespace volna {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndZeroOtherwise) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},        {"abc", 0},      {"12abc", 12},  {"  7", 7},      {"\t-3.5x", -3.5},
      {"+4", 4},      {".5", 0.5},     {"5.", 5},      {"-", 0},        {"1E+20", 1e20},
      {"2e3", 2000},  {"2e", 2},       {"2e+", 2},     {"1.5E-05", 1.5e-5}, {"0012", 12},
      {"３", 0},      {"- 5", 0},      {"1,000", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
}

TEST(StrictNumber, AcceptsOnlyAWholeNumberWithSurroundingBlanks) {
  EXPECT_EQ(strictNumber(" 42 "), 42);
  EXPECT_EQ(strictNumber("-0.25"), -0.25);
  EXPECT_EQ(strictNumber("1E+20"), 1e20);
  for (const char* junk : {"", " ", "12abc", "abc", "1 2", "inf", "nan", "--1", "1e400", "."})
    EXPECT_FALSE(strictNumber(junk).has_value()) << '"' << junk << '"';
}

TEST(PlainText, WritesNumbersWithoutDecorations) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {100, "100"},
      {-5, "-5"},
      {2.5, "2.5"},
      {-0.125, "-0.125"},
      {0.1 + 0.2, "0.3"},
      {51.5, "51.5"},
      {123456789012345, "123456789012345"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {0.0001, "0.0001"},
      {1e-20, "1E-20"},
      {std::numeric_limits<double>::infinity(), "1.79769313486231E+308"},
      {-std::numeric_limits<double>::infinity(), "-1.79769313486231E+308"},
      {std::nan(""), "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(plainText(c.value), c.text) << c.value;
}

TEST(PlainText, EveryWrittenNumberReadsBackTheSameWithBothReaders) {
  const double values[] = {0, 1, -1, 10.5, 1.0 / 3, -2.0 / 3, 1e14 + 0.5, 99999999999999.9, 1e15,
                           123456789.123456789, 1e100, -1e-7, 5e-324, 1.7976931348623157e308};
  for (double v : values) {
    const std::string text = plainText(v);
    const auto strict = strictNumber(text);
    ASSERT_TRUE(strict.has_value()) << text;
    EXPECT_EQ(*strict, leadingNumber(text)) << text;
    EXPECT_EQ(plainText(*strict), text) << "not stable: " << text;
  }
}

TEST(StrForm, PutsASpaceBeforeZeroAndPositiveNumbers) {
  EXPECT_EQ(strForm(0), " 0");
  EXPECT_EQ(strForm(48), " 48");
  EXPECT_EQ(strForm(51.5), " 51.5");
  EXPECT_EQ(strForm(-3), "-3");
}

TEST(FloorInt, RoundsTowardsMinusInfinity) {
  EXPECT_EQ(floorInt(38.66), 38);
  EXPECT_EQ(floorInt(-0.5), -1);
  EXPECT_EQ(floorInt(-2), -2);
}

}  // namespace
}  // namespace volna
