// The lens record: parameter reader, polynomial, F-number list, Calc.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "optics/CCCTVData.h"
#include "optics/CCCTVData_Param1.h"
#include "optics/ParamReader.h"

TEST(GetParamValue, ReadsTokenAndReportsItsComma) {
    int comma = 0;
    EXPECT_EQ(CCCTVData::GetParamValue(L"12.5,3", 0, comma), 12.5);
    EXPECT_EQ(comma, 4);
}

TEST(GetParamValue, LastTokenHasNoCommaAndReadsMinusOne) {
    int comma = 0;
    EXPECT_EQ(CCCTVData::GetParamValue(L"12.5,3", 5, comma), -1.0);
    EXPECT_EQ(comma, -1);
}

TEST(GetParamValue, EmptyTokenReadsMinusOne) {
    int comma = 0;
    EXPECT_EQ(CCCTVData::GetParamValue(L"1,,3", 2, comma), -1.0);
    EXPECT_EQ(comma, 2);
}

TEST(GetParamValue, StartOutsideTheTextFindsNoComma) {
    int comma = 0;
    EXPECT_EQ(CCCTVData::GetParamValue(L"1,2", 4, comma), -1.0);
    EXPECT_EQ(comma, -1);
    EXPECT_EQ(CCCTVData::GetParamValue(L"1,2", -1, comma), -1.0);
    EXPECT_EQ(comma, -1);
}

TEST(GetParamValue, TokenWithoutLeadingNumberReadsZero) {
    int comma = 0;
    EXPECT_EQ(CCCTVData::GetParamValue(L"abc,2", 0, comma), 0.0);
    EXPECT_EQ(comma, 3);
    EXPECT_EQ(CCCTVData::GetParamValue(L" 7.25mm,2", 0, comma), 7.25);
}

TEST(ParamReader, ShortTextWrapsAroundAndLastTokenReadsToTheEnd) {
    // A 15-token model on three numbers: 10, 20, -1 repeating, the last
    // token read to the end from behind the comma the 14th search found.
    const std::wstring text = L"10,20,30";
    CParamReader reader(text);
    const double expected[14] = {10, 20, -1, 10, 20, -1, 10, 20, -1, 10, 20, -1, 10, 20};
    for (double e : expected) EXPECT_EQ(reader.Next(), e);
    EXPECT_EQ(reader.Last(), 30.0);
}

TEST(ParamReader, TrailingCommaMakesTheLastTokenEmpty) {
    const std::wstring text = L"1,2,";
    CParamReader reader(text);
    EXPECT_EQ(reader.Next(), 1.0);
    EXPECT_EQ(reader.Next(), 2.0);
    EXPECT_EQ(reader.Last(), -1.0);
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

TEST(SplitFnoList, SplitsAndKeepsTheLastEntry) {
    CCCTVData lens;
    lens.m_strFno = L"1.4,2,2.8";
    lens.SplitFnoList();
    ASSERT_EQ(lens.m_nFnoCount, 3);
    EXPECT_EQ(lens.m_astrFno[0], L"1.4");
    EXPECT_EQ(lens.m_astrFno[1], L"2");
    EXPECT_EQ(lens.m_astrFno[2], L"2.8");
    EXPECT_EQ(lens.m_strFno, L"2.8");
}

TEST(SplitFnoList, EmptyEntriesAndTrailingComma) {
    CCCTVData empty;
    empty.SplitFnoList();
    EXPECT_EQ(empty.m_nFnoCount, 0);

    CCCTVData gap;
    gap.m_strFno = L"1.4,,2";
    gap.SplitFnoList();
    ASSERT_EQ(gap.m_nFnoCount, 3);
    EXPECT_EQ(gap.m_astrFno[1], L"");
    EXPECT_EQ(gap.m_astrFno[2], L"2");

    CCCTVData trailing;
    trailing.m_strFno = L"1.4,2,";
    trailing.SplitFnoList();
    EXPECT_EQ(trailing.m_nFnoCount, 2);
    EXPECT_EQ(trailing.m_strFno, L"");
}

TEST(SplitFnoList, NeverStoresMoreThanTwentyEntries) {
    CCCTVData lens;
    for (int i = 1; i <= 25; ++i) lens.m_strFno += std::to_wstring(i) + (i < 25 ? L"," : L"");
    lens.SplitFnoList();
    EXPECT_EQ(lens.m_nFnoCount, 20);
    EXPECT_EQ(lens.m_astrFno[19], L"20");
    EXPECT_EQ(lens.m_strFno, L"25");
}

TEST(Calc, RecordWithoutModelReturnsZeroAndLeavesTheResult) {
    CCCTVData lens;
    tagLensCalcResult r;
    r.PresetForSearch();
    EXPECT_EQ(lens.Calc(8.0, 100.0, kModeFieldOfView, r, -1.0, -1.0, 0.04, 0.0), kCalcNoModel);
    EXPECT_EQ(r.dMagnification[0], -1.0);
    EXPECT_EQ(r.nValid, 0);
}

TEST(Calc, PresetFillsRingTableExactly) {
    tagLensCalcResult r;
    r.PresetForSearch();
    for (int i = 0; i <= 200; ++i) EXPECT_EQ(r.dRing[i], 0.5 * i);
    EXPECT_EQ(r.dWD[2], -1.0);
    EXPECT_EQ(r.nRingIndex, 0);
}
