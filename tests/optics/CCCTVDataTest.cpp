// The lens record: parameter reader, polynomial, F-number list, Calc.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "optics/CCCTVData.h"
#include "optics/ParamReader.h"

TEST(GetParamValue, ReadsTheTokenFromStartAndReportsItsComma) {
    const struct {
        const wchar_t* text;
        int start;
        double value;
        int comma;  // -1: none found
    } cases[] = {
        {L"12.5,3", 0, 12.5, 4},
        {L"12.5,3", 5, -1.0, -1},    // the last token has no comma and reads -1
        {L"1,,3", 2, -1.0, 2},       // an empty token reads -1
        {L"1,2", 4, -1.0, -1},       // a start outside the text finds no comma
        {L"1,2", -1, -1.0, -1},
        {L"abc,2", 0, 0.0, 3},       // a token without a leading number reads 0
        {L" 7.25mm,2", 0, 7.25, 7},
    };
    for (const auto& c : cases) {
        int comma = 99;
        EXPECT_EQ(CCCTVData::GetParamValue(c.text, c.start, comma), c.value) << c.start;
        EXPECT_EQ(comma, c.comma) << c.start;
    }
}

TEST(ParamReader, ShortTextWrapsAroundAndLastTokenReadsToTheEnd) {
    // A 15-token model on three numbers: 10, 20, -1 repeating, the last
    // token read to the end from behind the comma the 14th search found.
    const std::wstring text = L"10,20,30";
    CParamReader reader(text);
    const double expected[14] = {10, 20, -1, 10, 20, -1, 10, 20, -1, 10, 20, -1, 10, 20};
    for (double e : expected) EXPECT_EQ(reader.Next(), e);
    EXPECT_EQ(reader.Last(), 30.0);

    // A trailing comma makes the last token empty.
    const std::wstring trailing = L"1,2,";
    CParamReader other(trailing);
    EXPECT_EQ(other.Next(), 1.0);
    EXPECT_EQ(other.Next(), 2.0);
    EXPECT_EQ(other.Last(), -1.0);
}

TEST(ParamReader, ReadsUnderDecimalCommaLocale) {
    // The catalogue's decimal point is read the same whatever the locale.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    const bool haveCommaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    const std::wstring text = L"12.5,0.75";
    CParamReader reader(text);
    const double first = reader.Next();
    const double last = reader.Last();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(haveCommaLocale) << "the de_DE.UTF-8 locale should be installed by install-deps";
    EXPECT_EQ(first, 12.5);
    EXPECT_EQ(last, 0.75);
}

TEST(EvalPolynomial, HighestPowerFirst) {
    const double c[] = {1.0, 2.0, 3.0};
    EXPECT_EQ(CCCTVData::EvalPolynomial(3, c, 2.0), 11.0);
    EXPECT_EQ(CCCTVData::EvalPolynomial(3, c, 0.0), 3.0);
    EXPECT_EQ(CCCTVData::EvalPolynomial(0, c, 2.0), 0.0);
    EXPECT_EQ(CCCTVData::EvalPolynomial(-2, c, 2.0), 0.0);
}

TEST(SplitFnoList, SplitsAtMostTwentyEntriesAndKeepsTheLast) {
    std::wstring many;
    std::vector<std::wstring> first20;
    for (int i = 1; i <= 25; ++i) {
        many += std::to_wstring(i) + (i < 25 ? L"," : L"");
        if (i <= 20) first20.push_back(std::to_wstring(i));
    }
    const struct {
        std::wstring list;
        std::vector<std::wstring> entries;  // the first ones stored
        int count;
        std::wstring rest;  // what m_strFno holds afterwards
    } cases[] = {
        {L"1.4,2,2.8", {L"1.4", L"2", L"2.8"}, 3, L"2.8"},
        {L"", {}, 0, L""},
        {L"1.4,,2", {L"1.4", L"", L"2"}, 3, L"2"},
        {L"1.4,2,", {L"1.4", L"2"}, 2, L""},  // a trailing comma adds no entry
        {many, first20, 20, L"25"},
    };
    for (const auto& c : cases) {
        CCCTVData lens;
        lens.m_strFno = c.list;
        lens.SplitFnoList();
        ASSERT_EQ(lens.m_nFnoCount, c.count) << c.count;
        for (size_t i = 0; i < c.entries.size(); ++i) EXPECT_EQ(lens.m_astrFno[i], c.entries[i]) << i;
        EXPECT_EQ(lens.m_strFno, c.rest);
    }
}

TEST(Calc, RecordWithoutModelAndThePreset) {
    CCCTVData lens;
    tagLensCalcResult r;
    r.PresetForSearch();
    for (int i = 0; i <= 200; ++i) EXPECT_EQ(r.dRing[i], 0.5 * i);
    EXPECT_EQ(r.dWD[2], -1.0);
    EXPECT_EQ(r.nRingIndex, 0);
    // A record without a model of its own returns 0 and leaves the result.
    EXPECT_EQ(lens.Calc(8.0, 100.0, kModeFieldOfView, r, -1.0, -1.0, 0.04, 0.0), kCalcNoModel);
    EXPECT_EQ(r.dMagnification[0], -1.0);
    EXPECT_EQ(r.nValid, 0);
}
