// The fitted single-lens models (parameter types 12 and 14): constants and
// parameter text, one hand-computed configuration each, the branch and range
// thresholds of their fits, and the contract over random lenses and requests.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "optics/FittedSingleLensModels.h"
#include "tests/optics/ModelTestSupport.h"
#include "tests/optics/ModelProperties.h"

using model_test::SearchCalc;

namespace {

std::unique_ptr<CCCTVData_Param14> Param14(const std::wstring& text) {
    auto lens = std::make_unique<CCCTVData_Param14>();
    lens->m_strParameter = text;
    lens->m_dMaxRingLength = 100.0;
    lens->m_dMaxDraw = 3.0;
    lens->SetParameter();
    return lens;
}

const wchar_t* const kQM85 = L"1.5,2.5,84.7,4.5,5.5,11,0,32";

}  // namespace

// ---- Param12 -----------------------------------------------------------------

TEST(FittedParam12, SetParameterSetsTheFixedConstants) {
    CCCTVData_Param12 lens;
    lens.m_strParameter = L"50,1,2,3,4,5,6,7";
    lens.m_dMaxRingLength = 100.0;
    lens.SetParameter();
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens.m_dMaxDraw, 1.25);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 19.5);
    EXPECT_EQ(lens.m_dFocalLength, 0.0);
}

TEST(FittedParam12, MagnificationGivesTheFittedConfigurationAndTheDraw) {
    CCCTVData_Param12 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 0.01, kModeMagnification, 2.8), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dFOV[0], 1100.0);
    EXPECT_CLOSE(r.dWD[0], 1181.52863094642);  // 11.761 / 0.01^1.001
    EXPECT_CLOSE(r.dObjectToImage[0], 1238.07147808333);  // 0.9999 WD + 56.661
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 0.1202);
    EXPECT_EQ(r.dExtension[0], -1.0);
    // f = 12.02, P = 2.6614173228346454, k = 1.00375739644970.
    EXPECT_CLOSE(r.dEffectiveFno, 2.81052071005917);
    EXPECT_CLOSE(r.dDOF, 17061.2027645483);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dMagnification[2], 0.104);
    EXPECT_EQ(r.dFOV[2], 11.0 / 0.104);
    EXPECT_EQ(r.dWD[2], 100.0);
    EXPECT_EQ(r.dObjectToImage[2], 157.47);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam12, WorkingDistance2000TakesThePowerLaw) {
    CCCTVData_Param12 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 2000.0, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.00590359471587576);  // 11.541 * 2000^-0.997
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 2000.5, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.00829539028681084);  // 0.0387 - 0.004 ln 2000.5
    EXPECT_CLOSE(r.dFocusDraw[0], 12.02 * 0.00829539028681084);
}

TEST(FittedParam12, ObjectToImage700UsesTheNearBranch) {
    CCCTVData_Param12 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 700.0, kModeObjectToImage), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 643.402);  // 1.0001 * 700 - 56.668
    EXPECT_CLOSE(r.dMagnification[0], 0.0184859115619048);  // 8.0689 * 643.402^-0.94
}

TEST(FittedParam12, TheDrawIsOnlyWrittenInTheFirstFourModes) {
    CCCTVData_Param12 lens;
    tagLensCalcResult r;
    r.FillRingTable();  // the detail page's record: all zero
    r.dMagnification[0] = 0.05;
    ASSERT_EQ(lens.CalcOptics(11.0, 1.0, kModeRing, r, 2.8, -1.0, 0.04, 0.7), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
    EXPECT_EQ(r.dWD[0], 0.0);
}

// ---- Param14 -----------------------------------------------------------------

TEST(FittedParam14, SetParameterReadsEightTokens) {
    const auto lens = Param14(kQM85);
    EXPECT_EQ(lens->m_adStoredValues[0], 1.5);
    EXPECT_EQ(lens->m_adStoredValues[1], 2.5);
    EXPECT_EQ(lens->m_dFocalLength, 84.7);
    EXPECT_EQ(lens->m_adStoredValues[2], 4.5);
    EXPECT_EQ(lens->m_adStoredValues[3], 5.5);
    EXPECT_EQ(lens->m_dImageCircle, 11.0);
    EXPECT_EQ(lens->m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens->m_dEffectiveDiameter, 32.0);
    EXPECT_EQ(lens->m_dMaxDraw, 0.0);
}

TEST(FittedParam14, TheLastTokenEndsAtAFurtherCommaOrTheEndOfTheText) {
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,32,99")->m_dEffectiveDiameter, 32.0);
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,,99")->m_dEffectiveDiameter, -1.0);  // empty
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,")->m_dEffectiveDiameter, -1.0);     // empty
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,x")->m_dEffectiveDiameter, 0.0);     // no number
}

TEST(FittedParam14, WorkingDistanceGivesTheFittedConfiguration) {
    const auto lens = Param14(kQM85);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance, 8.0), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.343766802814599);  // 436.0632356 * 300^-1.25277902
    EXPECT_CLOSE(r.dFOV[0], 23.2715897361229);
    EXPECT_EQ(r.dWD[0], 300.0);
    EXPECT_CLOSE(r.dObjectToImage[0], 437.31316275);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    // f = 84.7, P = 0.9494891220423032.
    EXPECT_CLOSE(r.dEffectiveFno, 10.8964359450495);
    EXPECT_CLOSE(r.dDOF, 7.37732719743310);
    EXPECT_EQ(r.dMagnification[1], 0.2);
    EXPECT_EQ(r.dFOV[1], 40.0);
    EXPECT_EQ(r.dWD[1], 476.76);
    EXPECT_EQ(r.dObjectToImage[1], 601.576936);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.5);
    EXPECT_EQ(r.dFOV[2], 16.0);
    EXPECT_EQ(r.dWD[2], 222.76);
    EXPECT_EQ(r.dObjectToImage[2], 372.856322);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam14, WorkingDistance322_76UsesTheNearBranch) {
    const auto lens = Param14(kQM85);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 322.76, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.313673343059450);  // 436.0632356 WD^-1.25277902
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 322.7601, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 255.04898918 * std::pow(322.7601, -1.15984842));
}

TEST(FittedParam14, BelowTheRangeAnswersWithTheConfigurationAt0_2) {
    const auto lens = Param14(kQM85);
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.19, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.2);
    EXPECT_EQ(r.dFOV[0], 40.0);
    EXPECT_CLOSE(r.dWD[0], 475.971071477413);  // 118.84509816 / 0.2^0.86212467
    EXPECT_CLOSE(r.dObjectToImage[0], 601.540879219102);
    EXPECT_EQ(r.dExtension[0], -1.0);  // not written in magnification mode
}

TEST(FittedParam14, FieldOfViewModeWritesTheExtension) {
    const auto lens = Param14(kQM85);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 20.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_EQ(r.dMagnification[0], 0.4);
}

TEST(FittedParam14, AMissingFocalLengthReadsMinusOneAndStillComputes) {
    const auto lens = Param14(L"1,2,,4,5,11,0,32");
    EXPECT_EQ(lens->m_dFocalLength, -1.0);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 0.3, kModeMagnification, 2.8), kCalcOk);
    EXPECT_CLOSE(r.dEffectiveFno, 3.68468628075823);
    EXPECT_CLOSE(r.dDOF, 3.80570778843031);
}

// ---- failures the models report themselves ---------------------------------

TEST(FittedSingleLensFailures, NonFiniteConfigurationsAreInfeasible) {
    CCCTVData_Param12 lens12;
    tagLensCalcResult r;
    // Magnification 0 is inside [0, 0.104]; its working distance is infinite.
    EXPECT_EQ(SearchCalc(lens12, r, 11.0, 0.0, kModeMagnification), kCalcInfeasible);
    // The power of a negative working distance is not a number.
    EXPECT_EQ(SearchCalc(lens12, r, 11.0, -20.0, kModeWorkingDistance), kCalcInfeasible);
    const auto lens14 = Param14(kQM85);
    EXPECT_EQ(SearchCalc(*lens14, r, 8.0, -20.0, kModeWorkingDistance), kCalcInfeasible);
}

// ---- contract over random lenses and requests --------------------------------

TEST(FittedSingleLensProperties, RandomLensesAndRequestsKeepTheContract) {
    using model_properties::CRandom;
    model_properties::Options options;
    options.lenses = 50;
    options.requestsPerLens = 200;
    const auto stats12 = model_properties::Check(
        [](CRandom&) -> std::unique_ptr<CCCTVData> {
            auto lens = std::make_unique<CCCTVData_Param12>();
            lens->m_nParamType = 12;
            lens->SetParameter();
            return lens;
        },
        options);
    EXPECT_GT(stats12.Count(kCalcOk), 300);
    EXPECT_GT(stats12.Count(kCalcBelowRange), 50);
    EXPECT_GT(stats12.Count(kCalcAboveRange), 300);

    const auto stats14 = model_properties::Check(
        [](CRandom& rnd) -> std::unique_ptr<CCCTVData> {
            auto lens = std::make_unique<CCCTVData_Param14>();
            lens->m_nParamType = 14;
            lens->m_strParameter = model_properties::ParameterText(
                {rnd.Value(0.0, 5.0), rnd.Value(0.0, 5.0), rnd.Value(20.0, 150.0), rnd.Value(0.0, 5.0),
                 rnd.Value(0.0, 5.0), rnd.Value(8.0, 45.0), 0.0, rnd.Value(20.0, 60.0)});
            lens->SetParameter();
            return lens;
        },
        options);
    EXPECT_GT(stats14.Count(kCalcOk), 300);
    EXPECT_GT(stats14.Count(kCalcBelowRange), 300);
    EXPECT_GT(stats14.Count(kCalcAboveRange), 300);
}
