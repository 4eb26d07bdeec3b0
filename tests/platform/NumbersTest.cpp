// Locale-independent number reading and formatting.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
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

TEST(FormatFixed, AgreesWithPrintfOnRandomAndTieValues) {
    // The short path must give printf's text to the last digit, ties
    // included (0.125 is an exact tie; 0.145 lies just below one).
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 16);
    const double ties[] = {0.125, 0.375, 2.5, 0.145, 1.005, 1.015, 1234.5675, -0.0, -0.001, 0.0,
                           0.05, 0.95, 9.995, 99.995, 1e15, 8.999999999999999e15, 1e-300};
    auto check = [](double v) {
        for (int d = 0; d <= 3; ++d) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", d, v);
            ASSERT_EQ(quorrel::FormatFixedA(v, d), expected) << "value " << v << " decimals " << d;
        }
    };
    for (double v : ties) check(v);
    for (int i = 0; i < 200000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        check(v);
        check(std::round(v * 1000.0) / 1000.0 + 0.0005);  // near three-decimal ties
    }
}

TEST(ParseLeadingNumber, WhiteSpaceIsTheCLocalesWhateverTheUserLocale) {
    // An ideographic space is not white space to the reader, in any locale.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const double ideographic = ParseLeadingNumber(L"\u30001.5");
    const double tab = ParseLeadingNumber(L"\t\n 1.5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(ideographic, 0.0);
    EXPECT_EQ(tab, 1.5);
}
