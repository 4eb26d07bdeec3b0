// The fitted single-lens models (parameter types 12 and 14): constants and
// parameter text, one hand-computed configuration each, the branch and range
// thresholds of their fits, and the contract over random lenses and requests.
#include <gtest/gtest.h>

#include <memory>

#include "optics/FittedSingleLensModels.h"
#include "tests/optics/ModelTestSupport.h"
#include "tests/optics/ModelProperties.h"

using namespace model_test;

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

// One lens of each model; requests with the search's preset.
struct SingleLensTest : ::testing::Test {
    CCCTVData_Param12 p12;
    std::unique_ptr<CCCTVData_Param14> p14 = Param14(kQM85);
    tagLensCalcResult r;
};

}  // namespace

// ---- constants and parameter text ---------------------------------------------

TEST(FittedSingleLensReading, ConstantsAndTokens) {
    CCCTVData_Param12 p12;
    p12.m_strParameter = L"50,1,2,3,4,5,6,7";
    p12.m_dMaxRingLength = 100.0;
    p12.SetParameter();
    EXPECT_EQ(p12.m_dImageCircle, 11.0);
    EXPECT_EQ(p12.m_dMaxRingLength, 0.0);
    EXPECT_EQ(p12.m_dMaxDraw, 1.25);
    EXPECT_EQ(p12.m_dEffectiveDiameter, 19.5);
    EXPECT_EQ(p12.m_dFocalLength, 0.0);

    const auto p14 = Param14(CountingText(8));
    ExpectTokenOrder(p14->m_adStoredValues[0], p14->m_adStoredValues[1], p14->m_dFocalLength,
                     p14->m_adStoredValues[2], p14->m_adStoredValues[3], p14->m_dImageCircle, p14->m_dMaxRingLength,
                     p14->m_dEffectiveDiameter);
    EXPECT_EQ(p14->m_dMaxDraw, 0.0);
    // The last token ends at a further comma or at the end of the text.
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,32,99")->m_dEffectiveDiameter, 32.0);
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,,99")->m_dEffectiveDiameter, -1.0);  // empty
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,")->m_dEffectiveDiameter, -1.0);     // empty
    EXPECT_EQ(Param14(L"0,0,84.7,0,0,11,0,x")->m_dEffectiveDiameter, 0.0);     // no number
}

// ---- Param12 -----------------------------------------------------------------

TEST_F(SingleLensTest, Param12) {
    // beta 0.01: WD = 11.761 / 0.01^1.001, OI = 0.9999 WD + 56.661, draw
    // 12.02 beta; f = 12.02, P = 2.6614173228346454, k = 1.00375739644970.
    ASSERT_EQ(SearchCalc(p12, r, 11.0, 0.01, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 1, .fov = 1100.0, .wd = 1181.52863094642,
                             .oi = 1238.07147808333, .ext = -1.0, .draw = 0.1202, .fe = 2.81052071005917,
                             .dof = 17061.2027645483, .minValid = 0, .beta1 = 0.0, .maxValid = 1, .beta2 = 0.104,
                             .fov2 = 105.76923076923077, .wd2 = 100.0, .oi2 = 157.47}));
    // OI 700 uses the near branch: WD = 1.0001 * 700 - 56.668, beta = 8.0689 * WD^-0.94.
    ASSERT_EQ(SearchCalc(p12, r, 11.0, 700.0, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.0184859115619048, .wd = 643.402}));

    // The draw is only written in the first four modes.
    r = tagLensCalcResult{};
    r.FillRingTable();  // the detail page's record: all zero
    r.dMagnification[0] = 0.05;
    ASSERT_EQ(p12.CalcOptics(11.0, 1.0, kModeRing, r, 2.8, -1.0, 0.04, 0.7), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.wd = 0.0, .draw = 0.0}));
}

TEST_F(SingleLensTest, Param12WorkingDistance2000TakesThePowerLaw) {
    ASSERT_EQ(SearchCalc(p12, r, 11.0, 2000.0, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.00590359471587576);  // 11.541 * 2000^-0.997
    ASSERT_EQ(SearchCalc(p12, r, 11.0, 2000.5, kModeWorkingDistance), kCalcOk);
    // 0.0387 - 0.004 ln 2000.5, and the draw 12.02 beta.
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.00829539028681084, .draw = 0.0997105912474663}));
}

// ---- Param14 -----------------------------------------------------------------

TEST_F(SingleLensTest, Param14) {
    // WD 300: beta = 436.0632356 * 300^-1.25277902; f = 84.7,
    // P = 0.9494891220423032. Both ends are fixed.
    ASSERT_EQ(SearchCalc(*p14, r, 8.0, 300.0, kModeWorkingDistance, 8.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.343766802814599, .fov = 23.2715897361229, .wd = 300.0,
                             .oi = 437.31316275, .ext = 0.0, .draw = -1.0, .fe = 10.8964359450495,
                             .dof = 7.37732719743310, .minValid = 1, .beta1 = 0.2, .fov1 = 40.0, .wd1 = 476.76,
                             .oi1 = 601.576936, .maxValid = 1, .beta2 = 0.5, .fov2 = 16.0, .wd2 = 222.76,
                             .oi2 = 372.856322}));
    // Field-of-view mode writes the extension too.
    ASSERT_EQ(SearchCalc(*p14, r, 8.0, 20.0, kModeFieldOfView), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.4, .ext = 0.0}));
    // Below the range: the configuration at 0.2, WD = 118.84509816 / 0.2^0.86212467;
    // no extension in magnification mode.
    EXPECT_EQ(SearchCalc(*p14, r, 8.0, 0.19, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.2, .fov = 40.0, .wd = 475.971071477413,
                             .oi = 601.540879219102, .ext = -1.0}));
}

TEST_F(SingleLensTest, Param14WorkingDistance322_76UsesTheNearBranch) {
    ASSERT_EQ(SearchCalc(*p14, r, 8.0, 322.76, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.313673343059450);  // 436.0632356 WD^-1.25277902
    ASSERT_EQ(SearchCalc(*p14, r, 8.0, 322.7601, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.3138363807165885);  // 255.04898918 WD^-1.15984842
}

TEST_F(SingleLensTest, Param14MissingFocalLengthReadsMinusOneAndStillComputes) {
    const auto lens = Param14(L"1,2,,4,5,11,0,32");
    EXPECT_EQ(lens->m_dFocalLength, -1.0);
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 0.3, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .fe = 3.68468628075823, .dof = 3.80570778843031}));
}

// ---- failures the models report themselves ---------------------------------

TEST_F(SingleLensTest, NonFiniteConfigurationsAreInfeasible) {
    // Magnification 0 is inside [0, 0.104]; its working distance is infinite.
    EXPECT_EQ(SearchCalc(p12, r, 11.0, 0.0, kModeMagnification), kCalcInfeasible);
    // The power of a negative working distance is not a number.
    EXPECT_EQ(SearchCalc(p12, r, 11.0, -20.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_EQ(SearchCalc(*p14, r, 8.0, -20.0, kModeWorkingDistance), kCalcInfeasible);
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
