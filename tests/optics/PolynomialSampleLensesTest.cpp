// The sample catalogue's fitted-curve lenses (types 18, 19, 20, 21, 118, 119
// and 200), loaded through the lens loader and its record factory, answer
// the ordinary searches: a 2/3" sensor with a 100 mm horizontal field of view
// and a 1/2" sensor at a 300 mm working distance.
#include <gtest/gtest.h>

#include <map>

#include "optics/DrawPolynomialModels.h"
#include "optics/FocusDrawPolynomialModels.h"
#include "optics/PolynomialCoefficientModels.h"
#include "platform/Message.h"
#include "tests/optics/CatalogueTestSupport.h"

using namespace catalogue_test;

namespace {

bool IsPolynomialType(int type) {
    switch (type) {
    case 18: case 19: case 20: case 21: case 118: case 119: case 200: return true;
    default: return false;
    }
}

// True when the record is of the class the parameter type selects.
bool HasItsClass(CCCTVData& lens) {
    switch (lens.m_nParamType) {
    case 18: return dynamic_cast<CCCTVData_Param18*>(&lens) != nullptr;
    case 19: return dynamic_cast<CCCTVData_Param19*>(&lens) != nullptr;
    case 20: return dynamic_cast<CCCTVData_Param20*>(&lens) != nullptr;
    case 21:
    case 200: return dynamic_cast<CCCTVData_Param200*>(&lens) != nullptr;
    case 118: return dynamic_cast<CCCTVData_Param118*>(&lens) != nullptr;
    case 119: return dynamic_cast<CCCTVData_Param119*>(&lens) != nullptr;
    default: return false;
    }
}

}  // namespace

TEST(PolynomialSampleLenses, OrdinarySearchesFindEveryFittedCurveLens) {
    quorrel::CMessageRecorder messages;
    SampleCatalogue cat;
    ASSERT_TRUE(LoadSampleCatalogue(cat));
    const CCCTVCCDData* twoThirds = cat.Sensor(L"2/3\"");
    const CCCTVCCDData* half = cat.Sensor(L"1/2\"");
    ASSERT_NE(twoThirds, nullptr);
    ASSERT_NE(half, nullptr);

    std::map<int, int> perType;
    tagLensCalcResult r;
    for (const auto& lens : cat.lenses) {
        if (!IsPolynomialType(lens->m_nParamType)) continue;
        SCOPED_TRACE(quorrel::ToUtf8(lens->m_strType));
        ++perType[lens->m_nParamType];
        EXPECT_TRUE(HasItsClass(*lens));
        EXPECT_GE(lens->m_dImageCircle, twoThirds->m_dRadial);
        EXPECT_NE(lens->m_nSpecialFlag & twoThirds->m_nSpecialFlag, 0);

        // 2/3" with a horizontal field of view of 100 mm: the diagonal field
        // of view D x 100 / H.
        const double D = twoThirds->m_dRadial;
        ASSERT_EQ(RunSearch(*lens, *twoThirds, {L"2/3\"", kHorizontalFov, 100.0}, r), kCalcOk);
        EXPECT_EQ(r.nValid, 1);
        EXPECT_NEAR(r.dFOV[0] * twoThirds->m_dHorizontal / D, 100.0, 1e-9);
        EXPECT_GT(r.dWD[0], 50.0);
        EXPECT_LT(r.dWD[0], 1000.0);

        // 1/2" at a working distance of 300 mm.
        ASSERT_EQ(RunSearch(*lens, *half, {L"1/2\"", kWorkingDistance, 300.0}, r), kCalcOk);
        EXPECT_EQ(r.nValid, 1);
        EXPECT_DOUBLE_EQ(r.dWD[0], 300.0);
        EXPECT_GT(r.dMagnification[0], 0.0);
    }
    // Two lenses of each parameter-text type, one of each self-completing one.
    EXPECT_EQ(perType[18], 2);
    EXPECT_EQ(perType[19], 2);
    EXPECT_EQ(perType[20], 2);
    EXPECT_EQ(perType[118], 2);
    EXPECT_EQ(perType[119], 2);
    EXPECT_EQ(perType[21], 1);
    EXPECT_EQ(perType[200], 1);
    EXPECT_EQ(messages.Count(), 0u);
}
