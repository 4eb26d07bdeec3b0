// The fitted, fitted single-lens and power-law lenses as the catalogue makes
// them: the record factory's class and constants per parameter type, and the
// sample catalogue's lenses of these types found by ordinary searches.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/LensRecordFactory.h"
#include "optics/FittedModels.h"
#include "optics/FittedSingleLensModels.h"
#include "optics/PowerLawModel.h"
#include "platform/Message.h"
#include "tests/optics/CatalogueTestSupport.h"

using namespace catalogue_test;

TEST(FittedFactory, FittedTypesGetTheirClassAndFixedConstants) {
    struct Expected {
        int type;
        double imageCircle;
        double maxDraw;
        double effectiveDiameter;
    };
    const Expected cases[] = {
        {7, 16.8, 0.0, 58.61255}, {8, 16.8, 0.0, 40.24916}, {9, 45.0, 0.0, 30.09786},
        {12, 11.0, 1.25, 19.5},   {13, 11.0, 0.0, 21.0},    {15, 82.0, 0.0, 24.64853},
    };
    for (const auto& e : cases) {
        const auto lens = CreateLensRecord(Columns(e.type, L"25,1,2,3,4,5,6,7,8,9,10,11,12,13,14"));
        EXPECT_EQ(lens->m_nParamType, e.type);
        EXPECT_EQ(lens->m_dImageCircle, e.imageCircle) << e.type;
        EXPECT_EQ(lens->m_dMaxRingLength, 0.0) << e.type;
        EXPECT_EQ(lens->m_dMaxDraw, e.maxDraw) << e.type;
        EXPECT_EQ(lens->m_dEffectiveDiameter, e.effectiveDiameter) << e.type;
        EXPECT_EQ(lens->m_dFocalLength, 0.0) << e.type;  // the text is not read
        EXPECT_EQ(lens->m_nFnoCount, 3) << e.type;
    }
    EXPECT_TRUE(Is<CCCTVData_Param7>(CreateLensRecord(Columns(7, L""))));
    EXPECT_TRUE(Is<CCCTVData_Param8>(CreateLensRecord(Columns(8, L""))));
    EXPECT_TRUE(Is<CCCTVData_Param9>(CreateLensRecord(Columns(9, L""))));
    EXPECT_TRUE(Is<CCCTVData_Param12>(CreateLensRecord(Columns(12, L""))));
    EXPECT_TRUE(Is<CCCTVData_Param13>(CreateLensRecord(Columns(13, L""))));
    EXPECT_TRUE(Is<CCCTVData_Param15>(CreateLensRecord(Columns(15, L""))));
}

TEST(FittedFactory, ParameterTextTypesReadTheirText) {
    const auto lens14 = CreateLensRecord(Columns(14, L"0,0,84.7,0,0,11,0,32"));
    ASSERT_TRUE(Is<CCCTVData_Param14>(lens14));
    EXPECT_EQ(lens14->m_dFocalLength, 84.7);
    EXPECT_EQ(lens14->m_dImageCircle, 11.0);
    EXPECT_EQ(lens14->m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens14->m_dEffectiveDiameter, 32.0);
    // A text too short for the ring token leaves the loader's 100 mm replaced
    // by what the reader finds there (a repeat from the start of the text).
    const auto short14 = CreateLensRecord(Columns(14, L"5,6"));
    EXPECT_EQ(short14->m_dMaxRingLength, 5.0);

    std::wstring text;
    for (int k = 1; k <= 35; ++k) text += (k > 1 ? L"," : L"") + std::to_wstring(k);
    const auto lens17 = CreateLensRecord(Columns(17, text));
    ASSERT_TRUE(Is<CCCTVData_Param17>(lens17));
    EXPECT_EQ(lens17->m_dImageCircle, 30.0);
    EXPECT_EQ(lens17->m_dMaxRingLength, 31.0);
    EXPECT_EQ(lens17->m_dOpenFno, 35.0);
}

// ---- the sample catalogue ------------------------------------------------------

TEST(FittedSampleCatalogue, OrdinarySearchesFindEveryFittedLens) {
    quorrel::CMessageRecorder messages;
    SampleCatalogue cat;
    ASSERT_TRUE(LoadSampleCatalogue(cat));

    struct Case {
        const wchar_t* lens;
        int paramType;
        Search search;
    };
    const Search fov100{L"2/3\"", kHorizontalFov, 100.0};
    const Search wd300{L"1/2\"", kWorkingDistance, 300.0};
    const Case cases[] = {
        {L"QW-6M28", 7, wd300},
        {L"QW-8M24", 8, wd300},
        {L"QL-35M28", 9, fov100},
        {L"QL-35M28", 9, wd300},
        {L"QS-12M18", 12, fov100},
        {L"QS-12M18", 12, wd300},
        {L"QS-8M20", 13, fov100},
        {L"QS-8M20", 13, wd300},
        {L"QX-85M56", 15, {L"2/3\"", kHorizontalFov, 12.0}},
        {L"QX-85M56", 15, {L"1/2\"", kMagnification, 0.75}},
        {L"QM-85M40", 14, wd300},
        {L"QM-85M45", 14, wd300},
        {L"QP-35M28", 17, fov100},
        {L"QP-35M28", 17, wd300},
        {L"QP-75M40", 17, wd300},
    };
    for (const auto& c : cases) ExpectSearchFinds(cat, c.lens, c.paramType, c.search);
    EXPECT_EQ(messages.Count(), 0u);
}
