// The power-law coefficient model (parameter type 17): its parameter text,
// a hand-computed configuration, the range ends, the working-distance floor,
// the focus draw, the failures it reports itself, and the contract over
// random lenses and requests.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "optics/PowerLawModel.h"
#include "tests/optics/ModelTestSupport.h"
#include "tests/optics/ModelProperties.h"

using model_test::SearchCalc;

namespace {

// A 35 mm macro lens, 0.05x to 0.5x:
//   WD = 48.1 beta^-0.903 from beta 0.15, else 47.49 beta^-0.91
//   beta = 72.92 WD^-1.1074 up to 267.1 mm, else 69.57 WD^-1.0989
//   OI = WD + 95; in mode 3 WD = OI - 95; beta = draw * 0.0285714 + 0.05
//   g = 2 beta + 35, P = (0.15 beta + 0.8) / (0.1 beta + 1)
//   draw = 35 beta - 1.75 up to 16 mm; image circle 11, effective
//   diameter 30, shortest WD 88, open F 2.8.
std::vector<double> MacroValues() {
    return {0.15, 48.1,      -0.903, 47.49, -0.91, 1,   95,  267.1, 72.92, -1.1074, 69.57, -1.0989,
            1,    -95,       0.0285714, 0.05, 0.5,  0.05, 0,  2,   35,   0,     0.1,  1,
            0,    0.15,      0.8,    35,    -1.75, 11,  0,   16,  30,   88,    2.8};
}

std::unique_ptr<CCCTVData_Param17> Lens(const std::vector<double>& values) {
    auto lens = std::make_unique<CCCTVData_Param17>();
    lens->m_nParamType = 17;
    lens->m_strParameter = model_properties::ParameterText(values);
    lens->m_dMaxRingLength = 100.0;
    lens->SetParameter();
    return lens;
}

// The macro lens with token k (counted from 1) replaced.
std::unique_ptr<CCCTVData_Param17> MacroWith(int token, double value) {
    std::vector<double> v = MacroValues();
    v[token - 1] = value;
    return Lens(v);
}

}  // namespace

TEST(PowerLawParam17, SetParameterReadsThirtyFiveTokensInOrder) {
    std::vector<double> v;
    for (int k = 1; k <= 35; ++k) v.push_back(k);
    const auto lens = Lens(v);
    const double members[] = {
        lens->m_dBetaSplit,         lens->m_dWdCoefHigh,        lens->m_dWdExpHigh,
        lens->m_dWdCoefLow,         lens->m_dWdExpLow,          lens->m_dOiSlope,
        lens->m_dOiOffset,          lens->m_dWdSplit,           lens->m_dBetaCoefNear,
        lens->m_dBetaExpNear,       lens->m_dBetaCoefFar,       lens->m_dBetaExpFar,
        lens->m_dWdFromOiSlope,     lens->m_dWdFromOiOffset,    lens->m_dBetaFromDrawSlope,
        lens->m_dBetaFromDrawOffset, lens->m_dBetaMax,          lens->m_dBetaMin,
        lens->m_adG[0],             lens->m_adG[1],             lens->m_adG[2],
        lens->m_adPupilDen[0],      lens->m_adPupilDen[1],      lens->m_adPupilDen[2],
        lens->m_adPupilNum[0],      lens->m_adPupilNum[1],      lens->m_adPupilNum[2],
        lens->m_dDrawSlope,         lens->m_dDrawOffset,        lens->m_dImageCircle,
        lens->m_dMaxRingLength,     lens->m_dMaxDraw,           lens->m_dEffectiveDiameter,
        lens->m_dWdMin,             lens->m_dOpenFno};
    for (int k = 1; k <= 35; ++k) EXPECT_EQ(members[k - 1], k) << "token " << k;
    EXPECT_EQ(lens->m_dFocalLength, 0.0);
}

TEST(PowerLawParam17, WorkingDistanceGivesTheFittedConfiguration) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance, 2.8), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_CLOSE(r.dMagnification[0], 0.131920854747625);  // 69.57 * 300^-1.0989
    EXPECT_CLOSE(r.dFOV[0], 60.6424209068736);
    EXPECT_EQ(r.dWD[0], 300.0);
    EXPECT_EQ(r.dObjectToImage[0], 395.0);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_CLOSE(r.dFocusDraw[0], 2.86722991616687);  // 35 beta - 1.75
    // g = 35.2638417094953, P = 0.809114224207552.
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_CLOSE(r.dEffectiveFno, 3.25652193749915);
    EXPECT_CLOSE(r.dDOF, 14.9785193420441);
    EXPECT_EQ(r.nRingIndex, 0);
    // Far end at 0.05x, near end at 0.5x.
    EXPECT_EQ(r.dMagnification[1], 0.05);
    EXPECT_CLOSE(r.dWD[1], 725.336388579724);  // 47.49 * 0.05^-0.91
    EXPECT_CLOSE(r.dObjectToImage[1], 820.336388579724);
    EXPECT_EQ(r.dFOV[1], 160.0);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.5);
    EXPECT_CLOSE(r.dWD[2], 89.9446140236900);  // 48.1 * 0.5^-0.903, above the floor
    EXPECT_CLOSE(r.dObjectToImage[2], 184.944614023690);
    EXPECT_EQ(r.dFOV[2], 16.0);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST(PowerLawParam17, WantedDepthOfFieldGivesBackTheFNumber) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance, -1.0, 14.9785193420441),
              kCalcOk);
    EXPECT_NEAR(r.dFno, 2.8, 1e-9);
    EXPECT_NEAR(r.dEffectiveFno, 3.25652193749915, 1e-9);
}

TEST(PowerLawParam17, ObjectToImageWithoutWorkingDistanceIsAboveTheRange) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    for (double oi : {95.0, 50.0}) {  // WD 0 and -45
        EXPECT_EQ(SearchCalc(*lens, r, 8.0, oi, kModeObjectToImage), kCalcAboveRange) << oi;
        EXPECT_EQ(r.nValid, 0);
        EXPECT_EQ(r.dMagnification[0], 0.5);
        EXPECT_CLOSE(r.dWD[0], 89.9446140236900);
        EXPECT_EQ(r.dFOV[0], 16.0);
    }
}

TEST(PowerLawParam17, TheRangeEndsAreInside) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 16.0, kModeFieldOfView), kCalcOk);  // beta exactly 0.5
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.04, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.05);
    EXPECT_CLOSE(r.dWD[0], 725.336388579724);
    EXPECT_EQ(r.nValid, 0);
}

TEST(PowerLawParam17, ZeroSmallestMagnificationLeavesTheFarEndInvalid) {
    const auto lens = MacroWith(18, 0.0);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.dWD[1], -1.0);
    EXPECT_EQ(r.dObjectToImage[1], -1.0);
}

TEST(PowerLawParam17, WithoutDrawRangeTheDrawIsOnlyTheGivenOne) {
    const auto lens = MacroWith(32, 0.0);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 2.0, kModeRing, -1.0, -1.0, 0.04, 7.0), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 7.0);
    EXPECT_CLOSE(r.dMagnification[0], 0.2499998);  // 7 * 0.0285714 + 0.05
    EXPECT_CLOSE(r.dWD[0], 168.192088068925);
    EXPECT_EQ(r.nRingIndex, 0);
}

TEST(PowerLawParam17, TheDrawFollowsTheMagnificationUpToTheDrawRange) {
    tagLensCalcResult r;
    const auto lens = Lens(MacroValues());
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 2.0, kModeRing, -1.0, -1.0, 0.04, 7.0), kCalcOk);
    EXPECT_CLOSE(r.dFocusDraw[0], 6.999993);  // 35 * 0.2499998 - 1.75, not the given 7
    const auto shortDraw = MacroWith(32, 10.0);
    ASSERT_EQ(SearchCalc(*shortDraw, r, 8.0, 0.5, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 10.0);  // 15.75 lowered to the range
}

TEST(PowerLawParam17, AWorkingDistanceBelowTheFloorIsRaisedToIt) {
    const auto lens = MacroWith(34, 100.0);
    tagLensCalcResult r;
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 0.45, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dWD[0], 100.0);  // 48.1 * 0.45^-0.903 = 98.92
    EXPECT_EQ(r.dObjectToImage[0], 195.0);
    EXPECT_EQ(r.dMagnification[0], 0.45);
    EXPECT_EQ(r.dWD[2], 100.0);  // 89.94 raised as well
    EXPECT_EQ(r.dObjectToImage[2], 195.0);
    EXPECT_CLOSE(r.dWD[1], 725.336388579724);  // no floor at the far end
}

// ---- failures the model reports itself ---------------------------------------

TEST(PowerLawParam17Failures, ARangeWhoseMinimumLiesAboveItsMaximumReRunsOnce) {
    const auto lens = MacroWith(18, 0.6);  // betaMin 0.6 > betaMax 0.5
    tagLensCalcResult r;
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.55, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.6);
    EXPECT_EQ(r.nValid, 0);
    // Above the maximum: the re-run at 0.5 lies below the minimum and stops there.
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.7, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance), kCalcBelowRange);
}

TEST(PowerLawParam17Failures, NonFiniteConfigurationsAreInfeasible) {
    tagLensCalcResult r;
    // Magnification 0 within a range from 0: infinite working distance.
    const auto fromZero = MacroWith(18, 0.0);
    EXPECT_EQ(SearchCalc(*fromZero, r, 8.0, 0.0, kModeMagnification), kCalcInfeasible);
    // A wanted depth of field of 0 divides zero by zero.
    const auto lens = Lens(MacroValues());
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.2, kModeMagnification, -1.0, 0.0), kCalcInfeasible);
    // Pupil numerator and denominator both 0: P is not a number.
    std::vector<double> v = MacroValues();
    for (int k = 22; k <= 27; ++k) v[k - 1] = 0.0;
    EXPECT_EQ(SearchCalc(*Lens(v), r, 8.0, 0.2, kModeMagnification, 2.8), kCalcInfeasible);
    // A negative working distance in mode 0: a power of a negative base.
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, -40.0, kModeWorkingDistance), kCalcInfeasible);
}

// ---- contract over random lenses and requests --------------------------------

TEST(PowerLawParam17Properties, RandomLensesAndRequestsKeepTheContract) {
    using model_properties::CRandom;
    const auto stats = model_properties::Check([](CRandom& rnd) -> std::unique_ptr<CCCTVData> {
        const double betaMin = rnd.Value(0.0, 0.3);
        const double betaMax = rnd.Chance(0.05) ? rnd.Value(0.0, 0.3) : rnd.Value(0.3, 2.0);
        const double f = rnd.Value(8.0, 100.0);
        std::vector<double> v = {
            rnd.Value(0.05, 1.0), f * rnd.Value(1.0, 1.5), -rnd.Value(0.7, 1.1), f * rnd.Value(1.0, 1.5),
            -rnd.Value(0.7, 1.1), rnd.Value(0.9, 1.1), rnd.Value(20.0, 200.0), rnd.Value(50.0, 1000.0),
            rnd.Value(10.0, 500.0), -rnd.Value(0.8, 1.3), rnd.Value(10.0, 500.0), -rnd.Value(0.8, 1.3),
            rnd.Value(0.9, 1.1), -rnd.Value(20.0, 200.0), rnd.Value(0.0, 0.1), betaMin,
            betaMax, betaMin, rnd.Value(-1.0, 1.0), rnd.Value(-5.0, 5.0), f,
            rnd.Value(-1.0, 1.0), rnd.Value(-1.0, 1.0), rnd.Value(0.5, 2.0), rnd.Value(-1.0, 1.0),
            rnd.Value(-1.0, 1.0), rnd.Value(0.5, 2.0), f, -rnd.Value(0.0, 5.0), rnd.Value(8.0, 45.0),
            0.0, rnd.Value(0.0, 30.0), rnd.Value(20.0, 60.0), rnd.Value(0.0, 200.0), rnd.Value(1.4, 4.0)};
        return Lens(v);
    });
    EXPECT_GT(stats.Count(kCalcOk), 500);
    EXPECT_GT(stats.Count(kCalcInfeasible), 10);
    EXPECT_GT(stats.Count(kCalcBelowRange), 500);
    EXPECT_GT(stats.Count(kCalcAboveRange), 500);
}
