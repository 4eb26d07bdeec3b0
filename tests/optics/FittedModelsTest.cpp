// The fitted models (parameter types 7, 8, 9, 13 and 15): their constants,
// one hand-computed configuration each, the branch and range thresholds of
// their fits, the range ends, and the contract over random requests.
#include <gtest/gtest.h>

#include <memory>

#include "optics/FittedModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

namespace {

tagLensColumns Param15Columns() {
    tagLensColumns c;
    c.strType = L"QX-85M56";
    c.nParamType = 15;
    c.strCatalogEN = L"https://example.com/en/QX-85M56.pdf";
    c.strParameter = L"1,2,3";
    c.dPixelSize = 5.5;
    c.strMountType = L"M58";
    c.nSpecialFlag = 3;
    c.nDrawoutDirection = 1;
    c.strFno = L"5.6,8,11";
    return c;
}

// One lens of each fitted model; requests with the search's preset.
struct FittedTest : ::testing::Test {
    CCCTVData_Param7 p7;
    CCCTVData_Param8 p8;
    CCCTVData_Param9 p9;
    CCCTVData_Param13 p13;
    CCCTVData_Param15 p15{Param15Columns()};
    tagLensCalcResult r;
};

}  // namespace

// ---- constants ---------------------------------------------------------------

TEST(FittedModels, SetParameterSetsTheFixedConstantsAndIgnoresTheText) {
    struct Expected {
        std::unique_ptr<CCCTVData> lens;
        double imageCircle;
        double effectiveDiameter;
    };
    Expected cases[] = {
        {std::make_unique<CCCTVData_Param7>(), 16.8, 58.61255},
        {std::make_unique<CCCTVData_Param8>(), 16.8, 40.24916},
        {std::make_unique<CCCTVData_Param9>(), 45.0, 30.09786},
        {std::make_unique<CCCTVData_Param13>(), 11.0, 21.0},
    };
    for (auto& c : cases) {
        c.lens->m_strParameter = L"25,1,2,3,4,5,6,7,8,9,10,11,12,13,14";
        c.lens->m_dMaxRingLength = 100.0;  // as the loader sets it first
        c.lens->SetParameter();
        SCOPED_TRACE(c.imageCircle);
        EXPECT_EQ(c.lens->m_dImageCircle, c.imageCircle);
        EXPECT_EQ(c.lens->m_dEffectiveDiameter, c.effectiveDiameter);
        for (double unset : {c.lens->m_dMaxRingLength, c.lens->m_dFocalLength, c.lens->m_dOpenFno,
                             c.lens->m_dMaxDraw})
            EXPECT_EQ(unset, 0.0);
    }
}

TEST_F(FittedTest, Param15CompletesItselfFromTheColumns) {
    EXPECT_EQ(p15.m_strType, L"QX-85M56");
    EXPECT_EQ(p15.m_nParamType, 15);
    EXPECT_EQ(p15.m_strCatalogEN, L"https://example.com/en/QX-85M56.pdf");
    EXPECT_EQ(p15.m_strParameter, L"1,2,3");
    EXPECT_EQ(p15.m_dPixelSize, 5.5);
    EXPECT_EQ(p15.m_strMountType, L"M58");
    EXPECT_EQ(p15.m_nSpecialFlag, 3);
    EXPECT_EQ(p15.m_nDrawoutDirection, 1);
    EXPECT_EQ(p15.m_dImageCircle, 82.0);
    EXPECT_EQ(p15.m_dMaxRingLength, 0.0);
    EXPECT_EQ(p15.m_dEffectiveDiameter, 24.64853);
    EXPECT_EQ(p15.m_dFocalLength, 0.0);  // the text is not read
    ASSERT_EQ(p15.m_nFnoCount, 3);
    EXPECT_EQ(p15.m_astrFno[0], L"5.6");
    EXPECT_EQ(p15.m_astrFno[2], L"11");
    EXPECT_EQ(p15.m_strFno, L"11");
}

// ---- hand-computed configurations ----------------------------------------------

TEST_F(FittedTest, Param7And8) {
    // Param7 at beta 0.02: WD = 3.5595 / 0.02^1.121; f = 6.24922393936038,
    // P = 44.5406663256758, k = 1.00044902785813. No ring, no draw; far end:
    // the magnification only; near end: the fixed values.
    ASSERT_EQ(SearchCalc(p7, r, 11.0, 0.02, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 1, .ring = 0, .beta = 0.02, .fov = 550.0,
                             .wd = 285.715875478701, .oi = 380.446141678307, .ext = 0.0, .draw = -1.0, .fno = 2.8,
                             .fe = 2.80125727800277, .dof = 2844.13846725976, .minValid = 0, .beta1 = 0.0,
                             .fov1 = -1.0, .wd1 = -1.0, .maxValid = 1, .beta2 = 0.05033, .fov2 = 218.55752036558712,
                             .wd2 = 100.0, .oi2 = 194.43224}));

    // Param8 at WD 300: beta = 4.3298 * 300^-0.904; f = 8.14387695804430,
    // P = 18.8739903154770. The far end is marked invalid by the model itself.
    r.PresetForSearch();
    r.nMinValid = 1;
    ASSERT_EQ(p8.CalcOptics(11.0, 300.0, kModeWorkingDistance, r, 4.0, -1.0, 0.04, 0.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.0249545775289655, .fov = 440.800890627460, .wd = 300.0,
                             .oi = 399.8414, .ext = -1.0, .fe = 4.00528867019890, .dof = 1353.48328202875,
                             .minValid = 0, .beta1 = 0.0, .maxValid = 1, .beta2 = 0.069319, .wd2 = 90.636895,
                             .oi2 = 190.478287}));
    // OI 200 gives WD 100.1586 and beta = 2.6439 * 100.1586^-0.807.
    ASSERT_EQ(SearchCalc(p8, r, 11.0, 200.0, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.06422285540736218, .wd = 100.1586, .oi = 200.0}));
}

TEST_F(FittedTest, Param9And13) {
    // Param9 at FOV 100: WD = 34.0416731069 * 0.11^-1.0064577907;
    // f = 35.3374697336787, P = 1.33481985951505; near end WD =
    // 31.351521079 * 0.5^-1.0492804289.
    ASSERT_EQ(SearchCalc(p9, r, 11.0, 100.0, kModeFieldOfView, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.11, .wd = 313.912563297636, .oi = 429.414930992404, .ext = 0.0,
                             .fe = 3.03074274614996, .dof = 20.0546178000739, .minValid = 0, .beta1 = 0.000001,
                             .fov1 = -1.0, .maxValid = 1, .beta2 = 0.5, .fov2 = 22.0, .wd2 = 64.8818910375470,
                             .oi2 = 184.746820984746}));
    // 11 / (11 / 167) is 166.99999999999997: the model keeps the argument.
    ASSERT_EQ(SearchCalc(p9, r, 11.0, 167.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dFOV[0], 167.0);
    // Below the range: the configuration at its end.
    EXPECT_EQ(SearchCalc(p9, r, 11.0, 0.0000005, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.000001, .fov = 11000000.0, .wd = 37218395.0368053,
                             .oi = 4635413356.74509}));

    // Param13 at OI 300: WD = 0.99998 * 300 - 59.17856; f = 8.04883072277576,
    // P = 5.25981771878779.
    ASSERT_EQ(SearchCalc(p13, r, 11.0, 300.0, kModeObjectToImage, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.0305201393775148, .fov = 360.417751175280, .wd = 240.81544,
                             .fe = 2.81624702505408, .dof = 305.346341055936, .beta1 = 0.0, .beta2 = 0.127,
                             .wd2 = 50.0, .oi2 = 109.04}));
    for (int mode : {kModeWorkingDistance, kModeMagnification, kModeFieldOfView}) {
        const double value = mode == kModeWorkingDistance ? 300.0 : mode == kModeMagnification ? 0.05 : 150.0;
        ASSERT_EQ(SearchCalc(p13, r, 11.0, value, mode), kCalcOk) << "mode " << mode;
        EXPECT_EQ(r.dExtension[0], -1.0) << "mode " << mode;  // never written
    }
}

TEST_F(FittedTest, Param15) {
    // beta 0.75: WD = 132.49 * 0.75^-0.721; f = 83.1255452390284,
    // P = 0.945022188562978. Both ends are fixed.
    ASSERT_EQ(SearchCalc(p15, r, 11.0, 0.75, kModeMagnification, 5.6), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .wd = 163.028648840055, .oi = 334.071961347364, .ext = 0.0,
                             .fe = 10.0443400915132, .dof = 1.42854681018664, .minValid = 1, .beta1 = 0.500013,
                             .fov1 = 21.99942801487161, .wd1 = 220.060739, .oi1 = 370.09248, .maxValid = 1,
                             .beta2 = 0.999998, .wd2 = 133.264246, .oi2 = 325.586834}));
    ASSERT_EQ(SearchCalc(p15, r, 11.0, 0.75, kModeMagnification, -1.0, 1.0, 0.02), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .fno = 7.84018672391722, .fe = 14.0624110421413, .dof = 1.0}));
    // Working-distance mode writes the extension too: beta = 873.68 * 150^-1.386.
    ASSERT_EQ(SearchCalc(p15, r, 8.0, 150.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.8419569942743081, .ext = 0.0}));
}

// ---- branch thresholds and range ends ---------------------------------------------

TEST_F(FittedTest, BranchThresholdsBelongToTheirLowerFit) {
    // Param7: beta = 3.0969 / 400^0.892 up to 400 mm, 4.727 / WD^0.964 beyond.
    ASSERT_EQ(SearchCalc(p7, r, 11.0, 400.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.0147873267627140, .wd = 400.0, .ext = -1.0}));
    ASSERT_EQ(SearchCalc(p7, r, 11.0, 400.0001, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.0146622177848041);

    // Param15: WD = 190.83444138 OI - 0.28465499 OI^2 - 31822.79541713 up to
    // OI 333.460621, 8.71394365 OI - 0.01016421 OI^2 - 1613.283545 beyond.
    ASSERT_EQ(SearchCalc(p15, r, 11.0, 333.460621, kModeObjectToImage), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 160.483699733053);
    ASSERT_EQ(SearchCalc(p15, r, 11.0, 333.4607, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .wd = 162.254318371685, .ext = -1.0}));
}

TEST_F(FittedTest, TheUpperRangeEndIsInside) {
    EXPECT_EQ(SearchCalc(p7, r, 11.0, 0.05033, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    // Above it: the configuration at the end, written by the re-run with its ends.
    EXPECT_EQ(SearchCalc(p7, r, 11.0, 0.050331, kModeMagnification), kCalcAboveRange);
    // WD = 3.5595 / 0.05033^1.121.
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.05033, .wd = 101.54089997106912, .maxValid = 1}));
}

TEST_F(FittedTest, Param15OtherModesTestTheMagnificationAlreadyInTheRecord) {
    r.FillRingTable();  // the detail page's record: all zero
    EXPECT_EQ(p15.CalcOptics(11.0, 2.0, kModeRing, r, 4.0, -1.0, 0.04, 0.5), kCalcBelowRange);
    // 132.49 * 0.5^-0.721; the draw is never written.
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.5, .wd = 218.38646927090969, .draw = 0.0}));

    r.dMagnification[0] = 0.8;
    r.dWD[0] = 0.0;
    EXPECT_EQ(p15.CalcOptics(11.0, 2.0, 6, r, 4.0, -1.0, 0.04, 0.5), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .wd = 0.0}));  // nothing of the configuration is computed
}

// ---- failures the models report themselves ---------------------------------

TEST_F(FittedTest, RequestsWithoutAFiniteConfiguration) {
    // Magnification 0 lies inside [0, 0.05033] but has an infinite working
    // distance and field of view: no success.
    EXPECT_EQ(SearchCalc(p7, r, 11.0, 0.0, kModeMagnification), kCalcInfeasible);
    // The power of a negative working distance is not a number.
    EXPECT_EQ(SearchCalc(p7, r, 11.0, -50.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_EQ(SearchCalc(p13, r, 11.0, -50.0, kModeWorkingDistance), kCalcInfeasible);
    // OI 100 gives a working distance of -15585.8 mm.
    EXPECT_EQ(SearchCalc(p15, r, 11.0, 100.0, kModeObjectToImage), kCalcInfeasible);
    // A zero field of view is above the range.
    EXPECT_EQ(SearchCalc(p13, r, 11.0, 0.0, kModeFieldOfView), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.127);
}

// ---- contract over random requests -------------------------------------------

TEST(FittedModelsProperties, RandomRequestsKeepTheContract) {
    using model_properties::CRandom;
    const model_properties::LensMaker makers[] = {
        [](CRandom&) -> std::unique_ptr<CCCTVData> { return std::make_unique<CCCTVData_Param7>(); },
        [](CRandom&) -> std::unique_ptr<CCCTVData> { return std::make_unique<CCCTVData_Param8>(); },
        [](CRandom&) -> std::unique_ptr<CCCTVData> { return std::make_unique<CCCTVData_Param9>(); },
        [](CRandom&) -> std::unique_ptr<CCCTVData> { return std::make_unique<CCCTVData_Param13>(); },
        [](CRandom&) -> std::unique_ptr<CCCTVData> {
            tagLensColumns c;
            c.nParamType = 15;
            return std::make_unique<CCCTVData_Param15>(c);
        },
    };
    model_properties::Options options;
    options.lenses = 50;
    options.requestsPerLens = 200;
    for (const auto& make : makers) {
        const auto stats = model_properties::Check(make, options);
        EXPECT_GT(stats.Count(kCalcOk), 200);
        EXPECT_GT(stats.Count(kCalcInfeasible), 50);
        EXPECT_GT(stats.Count(kCalcBelowRange), 500);
        EXPECT_GT(stats.Count(kCalcAboveRange), 500);
    }
}
