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

using namespace model_test;

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
    const auto l = Lens(v);
    ExpectTokenOrder(l->m_dBetaSplit, l->m_dWdCoefHigh, l->m_dWdExpHigh, l->m_dWdCoefLow, l->m_dWdExpLow,
                     l->m_dOiSlope, l->m_dOiOffset, l->m_dWdSplit, l->m_dBetaCoefNear, l->m_dBetaExpNear,
                     l->m_dBetaCoefFar, l->m_dBetaExpFar, l->m_dWdFromOiSlope, l->m_dWdFromOiOffset,
                     l->m_dBetaFromDrawSlope, l->m_dBetaFromDrawOffset, l->m_dBetaMax, l->m_dBetaMin, l->m_adG,
                     l->m_adPupilDen, l->m_adPupilNum, l->m_dDrawSlope, l->m_dDrawOffset, l->m_dImageCircle,
                     l->m_dMaxRingLength, l->m_dMaxDraw, l->m_dEffectiveDiameter, l->m_dWdMin, l->m_dOpenFno);
    EXPECT_EQ(l->m_dFocalLength, 0.0);
}

TEST(PowerLawParam17, WorkingDistanceGivesTheFittedConfiguration) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    // beta = 69.57 * 300^-1.0989, draw 35 beta - 1.75; g = 35.2638417094953,
    // P = 0.809114224207552. Far end at 0.05x: WD = 47.49 * 0.05^-0.91; near
    // end at 0.5x: WD = 48.1 * 0.5^-0.903, above the floor.
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 1, .ring = 0, .beta = 0.131920854747625,
                             .fov = 60.6424209068736, .wd = 300.0, .oi = 395.0, .ext = 0.0,
                             .draw = 2.86722991616687, .fno = 2.8, .fe = 3.25652193749915, .dof = 14.9785193420441,
                             .minValid = 1, .beta1 = 0.05, .fov1 = 160.0, .wd1 = 725.336388579724,
                             .oi1 = 820.336388579724, .maxValid = 1, .beta2 = 0.5, .fov2 = 16.0,
                             .wd2 = 89.9446140236900, .oi2 = 184.944614023690}));

    // The wanted depth of field of that configuration gives back its F-number.
    ASSERT_EQ(SearchCalc(*lens, r, 8.0, 300.0, kModeWorkingDistance, -1.0, 14.9785193420441), kCalcOk);
    EXPECT_NEAR(r.dFno, 2.8, 1e-9);
    EXPECT_NEAR(r.dEffectiveFno, 3.25652193749915, 1e-9);
}

TEST(PowerLawParam17, RangeEnds) {
    const auto lens = Lens(MacroValues());
    tagLensCalcResult r;
    // Both ends are inside.
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 16.0, kModeFieldOfView), kCalcOk);  // beta exactly 0.5
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(SearchCalc(*lens, r, 8.0, 0.04, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.05, .wd = 725.336388579724}));
    // An object-to-image distance without working distance (WD 0 and -45) is above the range.
    for (double oi : {95.0, 50.0}) {
        EXPECT_EQ(SearchCalc(*lens, r, 8.0, oi, kModeObjectToImage), kCalcAboveRange) << oi;
        EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .valid = 0, .beta = 0.5, .fov = 16.0, .wd = 89.9446140236900}));
    }
    // A smallest magnification of 0 leaves the far end invalid.
    ASSERT_EQ(SearchCalc(*MacroWith(18, 0.0), r, 8.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.minValid = 0, .beta1 = 0.0, .fov1 = -1.0, .wd1 = -1.0, .oi1 = -1.0}));
}

TEST(PowerLawParam17, FocusDraw) {
    tagLensCalcResult r;
    // Without a draw range the draw is only the given one: 7 * 0.0285714 + 0.05.
    const auto noRange = MacroWith(32, 0.0);
    ASSERT_EQ(SearchCalc(*noRange, r, 8.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    ASSERT_EQ(SearchCalc(*noRange, r, 8.0, 300.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    ASSERT_EQ(SearchCalc(*noRange, r, 8.0, 2.0, kModeRing, -1.0, -1.0, 0.04, 7.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .ring = 0, .beta = 0.2499998, .wd = 168.192088068925, .draw = 7.0}));

    // With one, the draw follows the magnification up to the draw range.
    ASSERT_EQ(SearchCalc(*Lens(MacroValues()), r, 8.0, 2.0, kModeRing, -1.0, -1.0, 0.04, 7.0), kCalcOk);
    EXPECT_CLOSE(r.dFocusDraw[0], 6.999993);  // 35 * 0.2499998 - 1.75, not the given 7
    ASSERT_EQ(SearchCalc(*MacroWith(32, 10.0), r, 8.0, 0.5, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 10.0);  // 15.75 lowered to the range
}

TEST(PowerLawParam17, AWorkingDistanceBelowTheFloorIsRaisedToIt) {
    tagLensCalcResult r;
    // 48.1 * 0.45^-0.903 = 98.92 and 89.94 at the near end raised to 100;
    // no floor at the far end.
    ASSERT_EQ(SearchCalc(*MacroWith(34, 100.0), r, 8.0, 0.45, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-10, .beta = 0.45, .wd = 100.0, .oi = 195.0, .wd1 = 725.336388579724,
                             .wd2 = 100.0, .oi2 = 195.0}));
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
