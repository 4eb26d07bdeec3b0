// One pass of the digits-only rule.
#include <gtest/gtest.h>

#include "platform/DigitsFilter.h"

using quorrel::StripNonNumeric;

TEST(StripNonNumeric, DigitsAndPointsPassUnchanged) {
    EXPECT_EQ(StripNonNumeric(L""), L"");
    EXPECT_EQ(StripNonNumeric(L"0123456789"), L"0123456789");
    EXPECT_EQ(StripNonNumeric(L"1.2.3"), L"1.2.3");
    EXPECT_EQ(StripNonNumeric(L"."), L".");
}

TEST(StripNonNumeric, RemovesEveryOccurrenceOfTheFirstOffendingCharacterOnly) {
    EXPECT_EQ(StripNonNumeric(L"12a5"), L"125");
    EXPECT_EQ(StripNonNumeric(L"a1a2b3"), L"12b3");
    EXPECT_EQ(StripNonNumeric(L"12b3"), L"123");
    // Pasted minus, 3, comma, 5: two passes.
    EXPECT_EQ(StripNonNumeric(L"-3,5"), L"3,5");
    EXPECT_EQ(StripNonNumeric(L"3,5"), L"35");
    EXPECT_EQ(StripNonNumeric(L"-1.00"), L"1.00");
    EXPECT_EQ(StripNonNumeric(L"1e-3"), L"1-3");
    EXPECT_EQ(StripNonNumeric(L"   "), L"");
}

TEST(StripNonNumeric, NonAsciiDigitsAreNotDigits) {
    // Full-width one and two, Arabic-Indic five.
    EXPECT_EQ(StripNonNumeric(L"\uFF11\uFF122"), L"\uFF122");
    EXPECT_EQ(StripNonNumeric(L"\u06655"), L"5");
    EXPECT_EQ(StripNonNumeric(L"7\u00B0"), L"7");
}
