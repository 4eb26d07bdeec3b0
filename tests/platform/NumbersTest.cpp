// Locale-independent number reading and formatting.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/Numbers.h"

using quorrel::FormatFixed;
using quorrel::ParseLeadingNumber;

TEST(ParseLeadingNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(ParseLeadingNumber(L"12.5"), 12.5);
    EXPECT_EQ(ParseLeadingNumber(L"  -3.25mm"), -3.25);
    EXPECT_EQ(ParseLeadingNumber(L"+4"), 4.0);
    EXPECT_EQ(ParseLeadingNumber(L".5"), 0.5);
    EXPECT_EQ(ParseLeadingNumber(L"5."), 5.0);
    EXPECT_EQ(ParseLeadingNumber(L"1.5e2x"), 150.0);
    EXPECT_EQ(ParseLeadingNumber(L"2e"), 2.0);      // exponent without digits stops
    EXPECT_EQ(ParseLeadingNumber(L"12.5(8.0-20.0)"), 12.5);
}

TEST(ParseLeadingNumber, NoNumberReadsZero) {
    size_t used = 99;
    EXPECT_EQ(ParseLeadingNumber(L"", &used), 0.0);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(ParseLeadingNumber(L"--"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"+\u221e"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"."), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"-"), 0.0);
}

TEST(ParseLeadingNumber, NeverReturnsNonFiniteValues) {
    EXPECT_EQ(ParseLeadingNumber(L"nan"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"inf"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"-infinity"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"1e999"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"1e-999"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(L"0x10"), 0.0);
}

TEST(ParseLeadingNumber, ReportsCharactersUsed) {
    size_t used = 0;
    ParseLeadingNumber(L"  12.5,3", &used);
    EXPECT_EQ(used, 6u);
}

TEST(FormatFixed, RoundsLikePrintf) {
    EXPECT_EQ(FormatFixed(12.345, 2), L"12.35");  // 12.345 is slightly above .345 in binary
    EXPECT_EQ(FormatFixed(0.125, 2), L"0.12");    // exact tie goes to even
    EXPECT_EQ(FormatFixed(-1.0, 2), L"-1.00");
    EXPECT_EQ(FormatFixed(100.0, 1), L"100.0");
    EXPECT_EQ(FormatFixed(2.5, 0), L"2");
}

TEST(Numbers, DecimalPointUnderDecimalCommaLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    const bool have = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const double read = ParseLeadingNumber(L"12.5");
    const std::wstring written = FormatFixed(12.5, 2);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(have) << "the de_DE.UTF-8 locale should be installed by install-deps";
    EXPECT_EQ(read, 12.5);
    EXPECT_EQ(written, L"12.50");
}
