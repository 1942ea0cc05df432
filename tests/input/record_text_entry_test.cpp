// Box texts into the records' fixed UTF-8 fields and back.

#include "input/record_text_entry.h"

#include <gtest/gtest.h>

namespace {

struct CutCase {
    const char *text;
    std::size_t bytes;
    const char *stored;
};

class Utf8CutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(Utf8CutTest, NeverSplitsACharacter)
{
    const CutCase c = GetParam();
    EXPECT_EQ(input::Utf8Cut(QString::fromUtf8(c.text), c.bytes), std::string(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8CutTest,
                         ::testing::Values(CutCase{"", 15, ""}, CutCase{"J100", 15, "J100"},
                                           CutCase{"ABCDEFGHIJKLMNOPQ", 15, "ABCDEFGHIJKLMNO"},
                                           // Eight two-byte letters: the eighth would be cut in half.
                                           CutCase{"\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84",
                                                   15,
                                                   "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"},
                                           // A three-byte sign after nine letters: 12 bytes do not fit in 10.
                                           CutCase{"ABCDEFGHI\xE2\x82\xAC", 10, "ABCDEFGHI"},
                                           CutCase{"ABCDEFG\xE2\x82\xAC", 10, "ABCDEFG\xE2\x82\xAC"},
                                           // A four-byte character.
                                           CutCase{"ABCDEFGH\xF0\x9F\x98\x80", 10, "ABCDEFGH"}));

TEST(RecordTextEntry, StoresPaddedAndShowsWithoutThePaddingOnly)
{
    engine::FixedText<15> key;
    input::StoreRecordText(key, QStringLiteral(" Hwy 7"));
    EXPECT_EQ(key.str(), " Hwy 7         ");
    EXPECT_EQ(input::ShownRecordText(key.view()), " Hwy 7");

    engine::FixedText<10> code;
    input::StoreRecordText(code, QString::fromUtf8("Straße-12345"));
    EXPECT_EQ(code.str(), "Stra\xC3\x9F" "e-12");
    EXPECT_EQ(input::ShownRecordText(code.view()), QString::fromUtf8("Straße-12"));
}

} // namespace
