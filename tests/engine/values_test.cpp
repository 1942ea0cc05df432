#include <gtest/gtest.h>

#include "common/key_character_cases.h"
#include "engine/values.h"

#include <climits>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace engine {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(4.5F), 4);
}

TEST(RoundHalfEven, OtherValuesGoToTheNearest) {
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
  EXPECT_EQ(RoundHalfEven(1e12 + 0.5), 1000000000000LL);
}

TEST(Narrowing, SaturatesInsteadOfWrapping) {
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(40000.0), 32767);
  EXPECT_EQ(ToInt16(-40000.0), -32768);
  EXPECT_EQ(ToInt16(12.5), 12);
  EXPECT_EQ(ClampToInt16(70000), 32767);
  EXPECT_EQ(ToInt32(3e10), 2147483647);
  EXPECT_EQ(ClampToInt32(-3000000000LL), -2147483647 - 1);
}

TEST(FixedText, PadsShortAndCutsLongTexts) {
  FixedText<5> t;
  EXPECT_EQ(t.view(), "     ");
  EXPECT_TRUE(t.IsBlank());
  t = "ab";
  EXPECT_EQ(t.view(), "ab   ");
  EXPECT_EQ(t.Trimmed(), "ab");
  t = "abcdefgh";
  EXPECT_EQ(t.view(), "abcde");
  t.Clear();
  EXPECT_TRUE(t.IsBlank());
}

class KeyCharacters : public ::testing::TestWithParam<testing_support::KeyCharacterCase> {};

TEST_P(KeyCharacters, FixedTextsHoldCharactersNotBytes) {
  const auto& c = GetParam();
  const FixedText<15> key(c.typed);
  const FixedText<10> code(c.typed);
  EXPECT_EQ(key.view(), testing_support::PaddedToCharacters(c.asKey, 15));
  EXPECT_EQ(code.view(), testing_support::PaddedToCharacters(c.asCode, 10));
  EXPECT_EQ(key.Trimmed(), c.asKey);
  EXPECT_EQ(code.Trimmed(), c.asCode);
  EXPECT_EQ(PadOrCut(c.typed, 15), key.view());
  // Assigning what it holds changes nothing; a copy compares equal.
  FixedText<15> again;
  again = key.view();
  EXPECT_EQ(again, key);
  EXPECT_FALSE(key.IsBlank());
}

INSTANTIATE_TEST_SUITE_P(KeyCharacters, KeyCharacters, ::testing::ValuesIn(testing_support::KeyCharacterCases()),
                         [](const auto& info) { return testing_support::CaseName(info.param); });

TEST(KeyCharacters, IllFormedBytesCountAsOneCharacterEach) {
  // A character cut short, a stray continuation byte, a surrogate and an
  // overlong blank: each byte becomes U+FFFD, so the text stays well-formed.
  EXPECT_EQ(FixedText<4>("AB\xC3").view(), "AB\xEF\xBF\xBD ");
  EXPECT_EQ(FixedText<3>("\x80" "A").view(), "\xEF\xBF\xBD" "A ");
  EXPECT_EQ(FixedText<3>("\xED\xA0\x80").view(), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(FixedText<2>("\xC0\xA0").view(), "\xEF\xBF\xBD\xEF\xBF\xBD");
  // The largest: N characters of four bytes.
  EXPECT_EQ(FixedText<2>("\xF4\x8F\xBF\xBF\xF4\x8F\xBF\xBF\xF4\x8F\xBF\xBF").view(),
            "\xF4\x8F\xBF\xBF\xF4\x8F\xBF\xBF");
}

TEST(FixedText, EqualityCountsCaseAndEveryCharacter) {
  EXPECT_EQ(FixedText<4>("ab"), FixedText<4>("ab  "));
  EXPECT_NE(FixedText<4>("ab"), FixedText<4>("AB"));
  EXPECT_NE(FixedText<4>(" ab"), FixedText<4>("ab"));
  EXPECT_EQ(FixedText<4>("äb"), FixedText<4>("äb  x"));
  EXPECT_NE(FixedText<4>("äb"), FixedText<4>("Äb"));
}

TEST(TextHelpers, TrimAndPad) {
  EXPECT_EQ(PadOrCut("x", 3), "x  ");
  EXPECT_EQ(PadOrCut("wxyz", 3), "wxy");
  EXPECT_EQ(RTrim("  a b  "), "  a b");
  EXPECT_EQ(LTrim("  a b  "), "a b  ");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_TRUE(TrimmedEquals(" X  ", "X"));
  EXPECT_FALSE(TrimmedEquals("X", "x"));
}

TEST(Str, LeadingBlankForNonNegativeNumbers) {
  EXPECT_EQ(StrInteger(42), " 42");
  EXPECT_EQ(StrInteger(-42), "-42");
  EXPECT_EQ(StrInteger(0), " 0");
  EXPECT_EQ(CStrInteger(42), "42");
  EXPECT_EQ(Str(2.5), " 2.5");
  EXPECT_EQ(Str(0.5), " .5");
  EXPECT_EQ(Str(-0.25), "-.25");
  EXPECT_EQ(Str(300.0), " 300");
  EXPECT_EQ(Str(0.0), " 0");
  EXPECT_EQ(CStr(1.0 / 3.0), ".333333333333333");
  EXPECT_EQ(StrSingle(0.1F), " .1");
  EXPECT_EQ(StrSingle(123.456F), " 123.456");
}

TEST(Val, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(Val("450"), 450.0);
  EXPECT_DOUBLE_EQ(Val("  450 mm"), 450.0);
  EXPECT_DOUBLE_EQ(Val("1 2 3"), 123.0);
  EXPECT_DOUBLE_EQ(Val("-12.5x"), -12.5);
  EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
  EXPECT_DOUBLE_EQ(Val("1.5E2"), 150.0);
  EXPECT_DOUBLE_EQ(Val("2D1"), 20.0);
  EXPECT_DOUBLE_EQ(Val("3E"), 3.0);
  EXPECT_DOUBLE_EQ(Val("5.0/3.5"), 5.0);
  EXPECT_DOUBLE_EQ(Val("125x75"), 125.0);
}

TEST(Val, NoNumberReadsZero) {
  EXPECT_DOUBLE_EQ(Val(""), 0.0);
  EXPECT_DOUBLE_EQ(Val("X"), 0.0);
  EXPECT_DOUBLE_EQ(Val("-"), 0.0);
  EXPECT_DOUBLE_EQ(Val("."), 0.0);
}

TEST(Val, BeyondTheNumberRangeIsBeyondEveryLimitInItsSign) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::pair<std::string, double>> cases = {
      {"1E999", inf},  {"-1e400", -inf}, {std::string(400, '9'), inf}, {"-" + std::string(400, '9'), -inf},
      {"1e400 mm", inf}, {"1e-400", 0.0}, {"1e308", 1e308}, {"-1.5e308", -1.5e308}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << text.substr(0, 12);
  // The saturating conversions bring it to their ends.
  EXPECT_EQ(ToInt32(Val("1e400")), INT32_MAX);
  EXPECT_EQ(ToInt16(Val("-1e400")), INT16_MIN);
}

TEST(Val, HexadecimalAndOctal) {
  EXPECT_DOUBLE_EQ(Val("&H10"), 16.0);
  EXPECT_DOUBLE_EQ(Val("&HFFFF"), -1.0);
  EXPECT_DOUBLE_EQ(Val("&O17"), 15.0);
  EXPECT_DOUBLE_EQ(Val("&HZZ"), 0.0);
}

}  // namespace
}  // namespace engine
