// The fitted models (parameter types 7, 8, 9, 13 and 15): their constants,
// one hand-computed configuration each, the branch and range thresholds of
// their fits, the range ends, and the contract over random requests.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "optics/FittedModels.h"
#include "tests/optics/ModelTestSupport.h"
#include "tests/optics/ModelProperties.h"

using model_test::SearchCalc;

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
        EXPECT_EQ(c.lens->m_dImageCircle, c.imageCircle);
        EXPECT_EQ(c.lens->m_dMaxRingLength, 0.0);
        EXPECT_EQ(c.lens->m_dEffectiveDiameter, c.effectiveDiameter);
        EXPECT_EQ(c.lens->m_dFocalLength, 0.0);
        EXPECT_EQ(c.lens->m_dOpenFno, 0.0);
        EXPECT_EQ(c.lens->m_dMaxDraw, 0.0);
    }
}

TEST(FittedModels, Param15CompletesItselfFromTheColumns) {
    const CCCTVData_Param15 lens(Param15Columns());
    EXPECT_EQ(lens.m_strType, L"QX-85M56");
    EXPECT_EQ(lens.m_nParamType, 15);
    EXPECT_EQ(lens.m_strCatalogEN, L"https://example.com/en/QX-85M56.pdf");
    EXPECT_EQ(lens.m_strParameter, L"1,2,3");
    EXPECT_EQ(lens.m_dPixelSize, 5.5);
    EXPECT_EQ(lens.m_strMountType, L"M58");
    EXPECT_EQ(lens.m_nSpecialFlag, 3);
    EXPECT_EQ(lens.m_nDrawoutDirection, 1);
    EXPECT_EQ(lens.m_dImageCircle, 82.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 24.64853);
    EXPECT_EQ(lens.m_dFocalLength, 0.0);  // the text is not read
    ASSERT_EQ(lens.m_nFnoCount, 3);
    EXPECT_EQ(lens.m_astrFno[0], L"5.6");
    EXPECT_EQ(lens.m_astrFno[2], L"11");
    EXPECT_EQ(lens.m_strFno, L"11");
}

// ---- Param7 ------------------------------------------------------------------

TEST(FittedParam7, MagnificationGivesTheFittedConfiguration) {
    CCCTVData_Param7 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 0.02, kModeMagnification, 2.8), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dMagnification[0], 0.02);
    EXPECT_EQ(r.dFOV[0], 550.0);
    EXPECT_CLOSE(r.dWD[0], 285.715875478701);           // 3.5595 / 0.02^1.121
    EXPECT_CLOSE(r.dObjectToImage[0], 380.446141678307);
    EXPECT_EQ(r.dExtension[0], 0.0);
    // f = 6.24922393936038, P = 44.5406663256758, k = 1.00044902785813.
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_CLOSE(r.dEffectiveFno, 2.80125727800277);
    EXPECT_CLOSE(r.dDOF, 2844.13846725976);
    // No ring, no draw.
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    // Far end: the magnification only; near end: the fixed values.
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.dWD[1], -1.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dMagnification[2], 0.05033);
    EXPECT_EQ(r.dFOV[2], 11.0 / 0.05033);
    EXPECT_EQ(r.dWD[2], 100.0);
    EXPECT_EQ(r.dObjectToImage[2], 194.43224);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam7, WorkingDistance400TakesTheNearBranch) {
    CCCTVData_Param7 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 400.0, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.0147873267627140);  // 3.0969 / 400^0.892
    EXPECT_EQ(r.dWD[0], 400.0);
    EXPECT_EQ(r.dExtension[0], -1.0);  // not written in mode 0
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 400.0001, kModeWorkingDistance), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.0146622177848041);  // 4.727 / 400.0001^0.964
}

TEST(FittedParam7, TheUpperRangeEndIsInside) {
    CCCTVData_Param7 lens;
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 0.05033, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 0.050331, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.05033);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_CLOSE(r.dWD[0], 3.5595 / std::pow(0.05033, 1.121));
    EXPECT_EQ(r.nMaxValid, 1);  // the re-run at the end wrote the ends
}

// ---- Param8 ------------------------------------------------------------------

TEST(FittedParam8, WorkingDistanceGivesTheFittedConfiguration) {
    CCCTVData_Param8 lens;
    tagLensCalcResult r;
    r.PresetForSearch();
    r.nMinValid = 1;  // the far end is marked invalid by the model itself
    ASSERT_EQ(lens.CalcOptics(11.0, 300.0, kModeWorkingDistance, r, 4.0, -1.0, 0.04, 0.0), kCalcOk);
    EXPECT_CLOSE(r.dMagnification[0], 0.0249545775289655);  // 4.3298 * 300^-0.904
    EXPECT_CLOSE(r.dFOV[0], 440.800890627460);
    EXPECT_EQ(r.dWD[0], 300.0);
    EXPECT_CLOSE(r.dObjectToImage[0], 399.8414);
    EXPECT_EQ(r.dExtension[0], -1.0);
    // f = 8.14387695804430, P = 18.8739903154770.
    EXPECT_CLOSE(r.dEffectiveFno, 4.00528867019890);
    EXPECT_CLOSE(r.dDOF, 1353.48328202875);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dMagnification[2], 0.069319);
    EXPECT_EQ(r.dWD[2], 90.636895);
    EXPECT_EQ(r.dObjectToImage[2], 190.478287);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam8, ObjectToImage200GivesWorkingDistance100_1586) {
    CCCTVData_Param8 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 200.0, kModeObjectToImage), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dWD[0], 100.1586);
    EXPECT_EQ(r.dObjectToImage[0], 200.0);
    EXPECT_CLOSE(r.dMagnification[0], 2.6439 * std::pow(100.1586, -0.807));
}

// ---- Param9 ------------------------------------------------------------------

TEST(FittedParam9, FieldOfViewGivesTheFittedConfiguration) {
    CCCTVData_Param9 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 100.0, kModeFieldOfView, 2.8), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.11);
    EXPECT_CLOSE(r.dWD[0], 313.912563297636);  // 34.0416731069 * 0.11^-1.0064577907
    EXPECT_CLOSE(r.dObjectToImage[0], 429.414930992404);
    EXPECT_EQ(r.dExtension[0], 0.0);
    // f = 35.3374697336787, P = 1.33481985951505.
    EXPECT_CLOSE(r.dEffectiveFno, 3.03074274614996);
    EXPECT_CLOSE(r.dDOF, 20.0546178000739);
    EXPECT_EQ(r.dMagnification[1], 0.000001);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dMagnification[2], 0.5);
    EXPECT_EQ(r.dFOV[2], 22.0);
    EXPECT_CLOSE(r.dWD[2], 64.8818910375470);  // 31.351521079 * 0.5^-1.0492804289
    EXPECT_CLOSE(r.dObjectToImage[2], 184.746820984746);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam9, FieldOfViewIsStoredAsGiven) {
    // 11 / (11 / 167) is 166.99999999999997: the model keeps the argument.
    CCCTVData_Param9 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 167.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dFOV[0], 167.0);
}

TEST(FittedParam9, BelowTheRangeAnswersWithTheConfigurationAtItsEnd) {
    CCCTVData_Param9 lens;
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 0.0000005, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.000001);
    EXPECT_EQ(r.dFOV[0], 11.0 / 0.000001);
    EXPECT_CLOSE(r.dWD[0], 37218395.0368053);
    EXPECT_CLOSE(r.dObjectToImage[0], 4635413356.74509);
}

// ---- Param13 -----------------------------------------------------------------

TEST(FittedParam13, ObjectToImageGivesTheFittedConfiguration) {
    CCCTVData_Param13 lens;
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 300.0, kModeObjectToImage, 2.8), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 240.81544);  // 0.99998 * 300 - 59.17856
    EXPECT_CLOSE(r.dMagnification[0], 0.0305201393775148);
    EXPECT_CLOSE(r.dFOV[0], 360.417751175280);
    // f = 8.04883072277576, P = 5.25981771878779.
    EXPECT_CLOSE(r.dEffectiveFno, 2.81624702505408);
    EXPECT_CLOSE(r.dDOF, 305.346341055936);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.dMagnification[2], 0.127);
    EXPECT_EQ(r.dWD[2], 50.0);
    EXPECT_EQ(r.dObjectToImage[2], 109.04);
}

TEST(FittedParam13, NeverWritesTheExtension) {
    CCCTVData_Param13 lens;
    tagLensCalcResult r;
    for (int mode : {kModeWorkingDistance, kModeMagnification, kModeFieldOfView}) {
        const double value = mode == kModeWorkingDistance ? 300.0 : mode == kModeMagnification ? 0.05 : 150.0;
        ASSERT_EQ(SearchCalc(lens, r, 11.0, value, mode), kCalcOk) << "mode " << mode;
        EXPECT_EQ(r.dExtension[0], -1.0) << "mode " << mode;
    }
}

// ---- Param15 -----------------------------------------------------------------

TEST(FittedParam15, MagnificationGivesTheFittedConfiguration) {
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 0.75, kModeMagnification, 5.6), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 163.028648840055);  // 132.49 * 0.75^-0.721
    EXPECT_CLOSE(r.dObjectToImage[0], 334.071961347364);
    EXPECT_EQ(r.dExtension[0], 0.0);
    // f = 83.1255452390284, P = 0.945022188562978.
    EXPECT_CLOSE(r.dEffectiveFno, 10.0443400915132);
    EXPECT_CLOSE(r.dDOF, 1.42854681018664);
    // Both ends are fixed.
    EXPECT_EQ(r.dMagnification[1], 0.500013);
    EXPECT_EQ(r.dFOV[1], 11.0 / 0.500013);
    EXPECT_EQ(r.dWD[1], 220.060739);
    EXPECT_EQ(r.dObjectToImage[1], 370.09248);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.999998);
    EXPECT_EQ(r.dWD[2], 133.264246);
    EXPECT_EQ(r.dObjectToImage[2], 325.586834);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(FittedParam15, WantedDepthOfFieldGivesTheFNumber) {
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 0.75, kModeMagnification, -1.0, 1.0, 0.02), kCalcOk);
    EXPECT_EQ(r.dDOF, 1.0);
    EXPECT_CLOSE(r.dEffectiveFno, 14.0624110421413);
    EXPECT_CLOSE(r.dFno, 7.84018672391722);
}

TEST(FittedParam15, ObjectToImageSplitBelongsToTheLowerFit) {
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 333.460621, kModeObjectToImage), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 160.483699733053);  // 190.83444138 OI - 0.28465499 OI^2 - 31822.79541713
    ASSERT_EQ(SearchCalc(lens, r, 11.0, 333.4607, kModeObjectToImage), kCalcOk);
    EXPECT_CLOSE(r.dWD[0], 162.254318371685);  // 8.71394365 OI - 0.01016421 OI^2 - 1613.283545
    EXPECT_EQ(r.dExtension[0], -1.0);          // not written in mode 3
}

TEST(FittedParam15, WritesTheExtensionInWorkingDistanceMode) {
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(lens, r, 8.0, 150.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_CLOSE(r.dMagnification[0], 873.68 * std::pow(150.0, -1.386));
}

TEST(FittedParam15, OtherModesTestTheMagnificationAlreadyInTheRecord) {
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    r.FillRingTable();  // the detail page's record: all zero
    EXPECT_EQ(lens.CalcOptics(11.0, 2.0, kModeRing, r, 4.0, -1.0, 0.04, 0.5), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_CLOSE(r.dWD[0], 132.49 * std::pow(0.5, -0.721));
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);  // the draw is never written

    r.dMagnification[0] = 0.8;
    r.dWD[0] = 0.0;
    EXPECT_EQ(lens.CalcOptics(11.0, 2.0, 6, r, 4.0, -1.0, 0.04, 0.5), kCalcOk);
    EXPECT_EQ(r.dWD[0], 0.0);  // nothing of the configuration is computed
    EXPECT_EQ(r.nValid, 1);
}

// ---- failures the models report themselves ---------------------------------

TEST(FittedModelsFailures, AZeroMagnificationInsideTheRangeIsInfeasible) {
    // Magnification 0 lies inside [0, 0.05033] but has an infinite working
    // distance and field of view: no success.
    CCCTVData_Param7 lens;
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 0.0, kModeMagnification), kCalcInfeasible);
}

TEST(FittedModelsFailures, ANegativeWorkingDistanceIsInfeasible) {
    // The power of a negative working distance is not a number.
    CCCTVData_Param7 lens7;
    CCCTVData_Param13 lens13;
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens7, r, 11.0, -50.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_EQ(SearchCalc(lens13, r, 11.0, -50.0, kModeWorkingDistance), kCalcInfeasible);
}

TEST(FittedModelsFailures, AnObjectToImageDistanceBeforeTheFitIsInfeasible) {
    // OI 100 gives a working distance of -15585.8 mm.
    CCCTVData_Param15 lens(Param15Columns());
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 100.0, kModeObjectToImage), kCalcInfeasible);
}

TEST(FittedModelsFailures, AZeroFieldOfViewIsAboveTheRange) {
    CCCTVData_Param13 lens;
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(lens, r, 11.0, 0.0, kModeFieldOfView), kCalcAboveRange);
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
