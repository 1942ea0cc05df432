// Box texts into the records' fixed texts and back.

#include "input/record_text_entry.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordTextEntry, StoresPaddedAndShowsWithoutThePaddingOnly)
{
    engine::FixedText<15> key;
    input::StoreRecordText(key, QStringLiteral(" Hwy 7"));
    EXPECT_EQ(key.str(), " Hwy 7         ");
    EXPECT_EQ(input::ShownRecordText(key.view()), " Hwy 7");

    engine::FixedText<10> code;
    input::StoreRecordText(code, QString::fromUtf8("Straße-12345"));
    EXPECT_EQ(code.str(), "Stra\xC3\x9F" "e-123");
    EXPECT_EQ(input::ShownRecordText(code.view()), QString::fromUtf8("Straße-123"));
}

} // namespace
