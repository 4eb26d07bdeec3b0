// Draw-polynomial models (parameter types 20, 21 and 200), checked against
// hand computation on a lens whose curves are those of a thin lens of
// f = 25 mm, and against the range ends and thresholds of the model.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "optics/DrawPolynomialModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;
using model_properties::ParameterText;

namespace {

// The thin-lens curves of f = 25 mm:
//   WDcurve(b) = 25 / b             a5 = 25
//   OIcurve(W) = W + 45 + 625 / W   b1 = 1, b5 = 625, b7 = 45
//   H(b)       = 25 b - 2.5         h1 = 25, h6 = -2.5 (ring beyond the 2.5 mm draw)
//   Mcurve(z)  = z / 25             c1 = 0.04
struct Curves {
    std::vector<double> a = {0, 0, 0, 0, 25, 0, 0, 0};
    std::vector<double> b = {1, 0, 0, 0, 625, 0, 45};
    std::vector<double> h = {25, 0, 0, 0, 0, -2.5};
    std::vector<double> c = {0.04, 0, 0, 0, 0};
};

// beta 0.01..1, image circle 11, rings up to 40 mm, draw 2.5 mm, effective
// diameter 30, WD 25..2500, no ring from WD 250 on, open F 1.4.
struct Limits {
    double betaMax = 1.0, betaMin = 0.01, imageCircle = 11, maxRing = 40, maxDraw = 2.5,
           effective = 30, wdMax = 2500, wdMin = 25, wdRing = 250, openF = 1.4;
};

std::vector<double> Join(const Curves& k) {
    std::vector<double> v;
    for (const auto* part : {&k.a, &k.b, &k.h, &k.c}) v.insert(v.end(), part->begin(), part->end());
    return v;
}

std::vector<double> LimitValues(const Limits& l) {
    return {l.betaMax, l.betaMin, l.imageCircle, l.maxRing, l.maxDraw,
            l.effective, l.wdMax, l.wdMin, l.wdRing, l.openF};
}

// Param20 text: focal length 25 at every draw, pupil magnification 1.
std::wstring Param20Text(const Curves& k = {}, const Limits& l = {}, double f0 = 25, double q0 = 1,
                         double p0 = 1) {
    std::vector<double> v = Join(k);
    v.insert(v.end(), {f0, q0, p0});
    const auto lim = LimitValues(l);
    v.insert(v.end(), lim.begin(), lim.end());
    v.insert(v.end(), {0, 0, 0, 0, 0, 0, 0, 0, 0});
    return ParameterText(v);
}

// Param200 text: DOFcurve(b) = 0.112 / b + 0.112 / b^2 (0.08 x 1.4 x (1/b^2 + 1/b)).
std::wstring Param200Text(const Curves& k = {}, const Limits& l = {},
                          std::vector<double> d = {0, 0, 0, 0.112, 0.112, 0}) {
    std::vector<double> v = Join(k);
    const auto lim = LimitValues(l);
    v.insert(v.end(), lim.begin(), lim.end());
    v.insert(v.end(), d.begin(), d.end());
    return ParameterText(v);
}

std::unique_ptr<CCCTVData_Param20> MakeParam20(const std::wstring& text, int direction = 0) {
    auto lens = MakeLens<CCCTVData_Param20>(text, 20);
    lens->m_nDrawoutDirection = direction;
    return lens;
}

std::unique_ptr<CCCTVData_Param200> MakeParam200(const std::wstring& text, int paramType = 200) {
    tagLensColumns c;
    c.strType = L"QD-TEST";
    c.nParamType = paramType;
    c.strParameter = text;
    c.nSpecialFlag = 1;
    c.strFno = L"1.4,2,2.8";
    return std::make_unique<CCCTVData_Param200>(c);
}

struct DrawPolynomialTest : SearchFixture {};

}  // namespace

// ---- reading ---------------------------------------------------------------

TEST(DrawPolynomialReading, EachTokenLandsInItsFieldAndParam200CompletesItself) {
    const auto p20 = MakeParam20(CountingText(48));
    ExpectTokenOrder(p20->m_adWDCurve, p20->m_adOICurve, p20->m_adRingCurve, p20->m_adMagCurve,
                     p20->m_adFocalFromDraw[0], p20->m_adPupilDenominator[0], p20->m_adPupilNumerator[0],
                     p20->m_dMaxMagnification, p20->m_dMinMagnification, p20->m_dImageCircle, p20->m_dMaxRingLength,
                     p20->m_dMaxDraw, p20->m_dEffectiveDiameter, p20->m_dMaxWD, p20->m_dMinWD, p20->m_dRingWD,
                     p20->m_dOpenFno, p20->m_adFocalFromDraw[1], p20->m_adFocalFromDraw[2],
                     p20->m_adFocalFromDraw[3], p20->m_adPupilDenominator[1], p20->m_adPupilDenominator[2],
                     p20->m_adPupilDenominator[3], p20->m_adPupilNumerator[1], p20->m_adPupilNumerator[2],
                     p20->m_adPupilNumerator[3]);

    const auto p200 = MakeParam200(CountingText(42), 21);
    ExpectTokenOrder(p200->m_adWDCurve, p200->m_adOICurve, p200->m_adRingCurve, p200->m_adMagCurve,
                     p200->m_dMaxMagnification, p200->m_dMinMagnification, p200->m_dImageCircle,
                     p200->m_dMaxRingLength, p200->m_dMaxDraw, p200->m_dEffectiveDiameter, p200->m_dMaxWD,
                     p200->m_dMinWD, p200->m_dRingWD, p200->m_dOpenFno, p200->m_adDOFCurve);
    EXPECT_EQ(p200->m_strType, L"QD-TEST");
    EXPECT_EQ(p200->m_nParamType, 21);  // keeps the type as read
    EXPECT_EQ(p200->m_nSpecialFlag, 1);
    EXPECT_EQ(p200->m_nFnoCount, 3);
    EXPECT_EQ(p200->m_astrFno[2], L"2.8");
}

TEST(DrawPolynomialReading, CurvesPutEachCoefficientOnItsOwnPower) {
    Curves k;
    k.a = {1, 2, 3, 4, 5, 6, 7, 8};
    k.b = {1, 2, 3, 4, 5, 6, 7};
    k.h = {1, 2, 3, 4, 5, 6};
    k.c = {1, 2, 3, 4, 5};
    auto lens = MakeParam20(Param20Text(k));
    EXPECT_DOUBLE_EQ(lens->EvalCurveA(2.0), 110.875);  // 2 + 8 + 24 + 64 + 2.5 + 1.5 + 0.875 + 8
    // 4 + 2*2 + 3*16 + 4*4^-0.1 + 5/4 + 6*4^0.1 + 7
    EXPECT_DOUBLE_EQ(lens->EvalCurveB(4.0), 74.62439238316671);
    EXPECT_DOUBLE_EQ(lens->EvalRingCurve(2.0), 109.35886731268147);  // 2 + 8 + 24 + 64 + 5*2^0.1 + 6
    EXPECT_DOUBLE_EQ(lens->EvalCurveC(1.5, 0.5), 103.0);  // draw 1.5 plus ring 0.5: z = 2, 2 + 8 + 24 + 64 + 5
}

// ---- hand-checked configurations -----------------------------------------

TEST_F(DrawPolynomialTest, MagnificationOnTheThinLensCurves) {
    auto lens = MakeParam20(Param20Text());
    // Without ring: 500 >= WDring 250; the draw z / 25 = 0.05 is the first
    // midpoint of [0, 2.5]. k = 0.05 / 1 + 1 = 1.05, Fe = 2.94,
    // DOF = 2 x 2.94 x 0.04 / (0.0025 - 2.8^2 x 0.04^2 / 25^2). Smallest
    // magnification: ring 0 gives beta_min 0.01; largest: full draw 2.5 ->
    // 0.1, working distance WDring.
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .valid = 1, .ring = 0, .beta = 0.05, .fov = 220.0, .wd = 500.0,
                             .oi = 546.25, .ext = 0.0, .draw = 1.25, .fno = 2.8, .fe = 2.94,
                             .dof = 94.84140194947469, .minValid = 1, .beta1 = 0.01, .fov1 = 1100.0, .wd1 = 2500.0,
                             .oi1 = 2545.25, .maxValid = 1, .beta2 = 0.1, .fov2 = 110.0, .wd2 = 250.0,
                             .oi2 = 297.5}));

    // WD 125 < 250: H = 25 x 0.2 - 2.5 = 2.5, index = int(2 x 2.5 + 1) = 6,
    // ring 3.0 mm; (draw + 3) / 25 = 0.2 within 1e-5, so draw 2.0 within
    // 25 x 1e-5. Ends with the 3 mm ring: 3/25 = 0.12 at draw 0, 5.5/25 = 0.22
    // at full draw, its working distance from the curve, not WDring.
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .ring = 6, .wd = 125.0, .ext = 3.0, .beta1 = 0.12,
                             .wd1 = 208.33333333333334, .beta2 = 0.22, .wd2 = 113.63636363636364,
                             .oi2 = 164.13636363636363}));
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 2.5e-4);

    // 25 / 0.1 lands exactly on WDring: no ring, and WDring at the near end.
    ASSERT_EQ(Run(*lens, 11.0, 0.1, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .wd = 250.0, .ext = 0.0, .wd2 = 250.0}));
}

TEST_F(DrawPolynomialTest, WorkingDistanceAndDistanceRequestsInvertTheCurves) {
    auto lens20 = MakeParam20(Param20Text());
    ASSERT_EQ(Run(*lens20, 11.0, 500.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.wd = 500.0, .oi = 546.25}));
    EXPECT_NEAR(r.dMagnification[0], 0.05, 1e-9);
    EXPECT_NEAR(r.dFOV[0], 220.0, 1e-6);

    // Stepped search: coarse steps of 25 mm down from 2500, then steps of
    // 25/9999 mm up to the first distance that reaches 546.25.
    EXPECT_NEAR(lens20->SolveLarge(546.25), 500.0, 25.0 / 9999.0);
    ASSERT_EQ(Run(*lens20, 11.0, 546.25, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], 546.25);
    EXPECT_NEAR(r.dWD[0], 500.0, 25.0 / 9999.0);
    EXPECT_NEAR(r.dMagnification[0], 0.05, 1e-6);

    // Best match: fine steps of 4 x 25.255 / 9999 mm around the coarse best.
    auto lens200 = MakeParam200(Param200Text());
    EXPECT_NEAR(lens200->SolveHelperB(546.25), 500.0, 0.006);
    ASSERT_EQ(Run(*lens200, 11.0, 546.25, kModeObjectToImage), kCalcOk);
    EXPECT_NEAR(r.dWD[0], 500.0, 0.006);
    EXPECT_NEAR(lens200->SolveHelperA(500.0), 0.05, 1e-9);
}

TEST_F(DrawPolynomialTest, DepthOfFieldOfBothModels) {
    auto lens = MakeParam200(Param200Text());
    // D(0.05) = 0.112 / 0.0025 + 0.112 / 0.05 = 47.04, whatever F; the
    // effective F-number 47.04 x 0.0025 / 0.08 x (F / 1.4).
    EXPECT_NEAR(lens->EvalDOFCurve(0.05), 47.04, 1e-12);
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fno = 2.8, .fe = 2.94, .dof = 47.04}));
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 1.4), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fe = 1.47, .dof = 47.04}));
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 8.0, -1.0, 0.02), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .dof = 23.52}));
    // Wanted depth of field 10: F = 1.4 x (10 / 47.04), Fe = 10 x 0.0025 / 0.08.
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, -1.0, 10.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fno = 0.29761904761904767, .fe = 0.3125, .dof = 10.0}));

    // Param20: g = 1.05 x 25, Fe = (g sqrt(100 x 0.0025 + g^2) - g^2) / (10 x 0.04), F = Fe / 1.05.
    ASSERT_EQ(Run(*MakeParam20(Param20Text()), 11.0, 0.05, kModeMagnification, -1.0, 10.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .fno = 0.2975920575901606, .fe = 0.3124716604696687, .dof = 10.0}));
}

// ---- edge cases --------------------------------------------------------------

TEST_F(DrawPolynomialTest, DrawSolverAndTheNegativeDrawCode) {
    auto lens = MakeParam20(Param20Text());
    // Ring 5 mm: Mcurve(0, 5) = 0.2. 1.01 x 0.198 = 0.19998 < 0.2: refused;
    // 1.01 x 0.1981 = 0.200081 >= 0.2: the bisection runs down to draw 0.
    EXPECT_EQ(lens->SolveQuartic(0.198, 5.0), -1.0);
    const double x = lens->SolveQuartic(0.1981, 5.0);
    EXPECT_GE(x, 0.0);
    EXPECT_LT(x, 1e-9);

    // H(b) = 25 b + 1: always a ring too thick. b 0.2: H = 6, index 13, ring
    // 6.5 mm, Mcurve(0, 6.5) = 0.26 > 1.01 x 0.2: -4 with the configuration
    // of the ring at draw 0, not valid.
    Curves thick;
    thick.h = {25, 0, 0, 0, 0, 1.0};
    auto thickLens = MakeParam20(Param20Text(thick));
    EXPECT_EQ(thickLens->SolveQuartic(0.2, 6.5), -1.0);
    ASSERT_EQ(Run(*thickLens, 11.0, 0.2, kModeMagnification), kCalcNegativeDraw);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .ring = 13, .beta = 0.26, .ext = 6.5, .draw = 0.0}));

    // The other drawout direction: Mcurve(z) = 0.2 - z / 25, no ring down to
    // 10 mm. 0.99 x 0.21 = 0.2079 > Mcurve(0) = 0.2: refused. The largest
    // magnification lies at draw 0.
    Curves falling;
    falling.c = {-0.04, 0, 0, 0, 0.2};
    Limits near;
    near.wdRing = 10.0;
    auto other = MakeParam20(Param20Text(falling, near), 1);
    EXPECT_DOUBLE_EQ(other->SolveQuartic(0.15, 0.0), 1.25);
    EXPECT_EQ(other->SolveQuartic(0.21, 0.0), -1.0);
    ASSERT_EQ(Run(*other, 11.0, 0.15, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.draw = 1.25, .beta2 = 0.2}));

    // b 0.5 needs a 10 mm ring; the 2 mm limit with full draw reaches 4.5/25:
    // the bisection ran to the end of the range.
    Limits shortRings;
    shortRings.maxRing = 2.0;
    ASSERT_EQ(Run(*MakeParam20(Param20Text({}, shortRings)), 11.0, 0.5, kModeMagnification), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .ring = 4}));
    EXPECT_NEAR(r.dFocusDraw[0], 2.5, 1e-9);
}

TEST_F(DrawPolynomialTest, WorkingDistanceLimits) {
    auto lens = MakeParam20(Param20Text());
    // 24 mm is shorter than WDcurve(beta_max) = 25 but not than 0.9 x 25:
    // the bisection ends at beta_max, which answers 1.1 x beta_max.
    EXPECT_DOUBLE_EQ(lens->SolveLaurent(24.0), 1.1);
    ASSERT_EQ(Run(*lens, 11.0, 24.0, kModeWorkingDistance), kCalcAboveRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 1.0, .wd = 25.0}));

    // The far limit is one per mille beyond WDmax; beyond WDcurve(beta_min) =
    // 2500 the bisection ends at beta_min, whose working distance is not the
    // one asked for: within the limit that is infeasible, not below the range.
    const double limit = 1.001 * 2500.0;
    EXPECT_EQ(lens->SolveLaurent(limit), 0.01);
    ASSERT_EQ(Run(*lens, 11.0, limit, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.rel = 0.0, .beta = 0.01, .wd = limit}));
    ASSERT_EQ(Run(*lens, 11.0, std::nextafter(limit, 1e9), kModeWorkingDistance), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.01, .wd = 2500.0}));

    // The near limit is 0.9 x WDmin = 22.5; WDcurve(b) = a5 / b is a5 at
    // beta_max = 1. Below it: above the range; the configuration at beta_max
    // fails the same test and is not re-run again.
    Curves k;
    k.a = {0, 0, 0, 0, 22.5, 0, 0, 0};
    ASSERT_EQ(Run(*MakeParam20(Param20Text(k)), 11.0, 1.0, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dWD[0], 22.5);
    k.a[4] = std::nextafter(22.5, 0.0);
    ASSERT_EQ(Run(*MakeParam20(Param20Text(k)), 11.0, 1.0, kModeMagnification), kCalcAboveRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 1.0}));

    // WDmax 10000 or more has no far limit (the curve still does not reach
    // 20000).
    Limits unlimited;
    unlimited.wdMax = 10000;
    ASSERT_EQ(Run(*MakeParam20(Param20Text({}, unlimited)), 11.0, 20000.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.01, .wd = 20000.0}));
    Limits limited;
    limited.wdMax = 9999.0;
    EXPECT_EQ(Run(*MakeParam20(Param20Text({}, limited)), 11.0, 20000.0, kModeWorkingDistance), kCalcBelowRange);
}

TEST_F(DrawPolynomialTest, WorkingDistanceBeyondTheCurveIsInfeasible) {
    // Sample lens QD-35M20 (type 21): WDcurve(b) = 35 / b on beta 0.0035..1.2,
    // no far limit (WDmax 10000). The inversion from 15000 runs out at beta_min,
    // whose working distance is 10000, not 15000.
    auto lens = MakeParam200(
        L"0,0,0,0,35,0,0,0,1,0,0,0,1225,0,71,35,0,0,0,0,-3.5,0.028571429,0,0,0,0,1.2,0.0035,16,50,"
        L"3.5,32,10000,29.17,350,2,0,0,0,0.16,0.16,0",
        21);
    EXPECT_EQ(Run(*lens, 11.0, 15000.0, kModeWorkingDistance), kCalcInfeasible);
}

TEST_F(DrawPolynomialTest, GivenRingsTakeTheIntegerPartWithoutAHalf) {
    auto lens = MakeParam20(Param20Text());
    // (1.0 + 1.3) / 25; the ends use the thickness given: 1.3/25 and 3.8/25.
    ASSERT_EQ(Run(*lens, 11.0, 1.3, kModeRing, 2.8, -1.0, 0.04, 1.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .beta = 0.092, .wd = 271.7391304347826, .ext = 1.3, .draw = 1.0,
                             .beta1 = 0.052, .beta2 = 0.152}));
    // A negative draw: -4 with the ring at draw 0.
    ASSERT_EQ(Run(*lens, 11.0, 1.3, kModeRing, 2.8, -1.0, 0.04, -0.5), kCalcNegativeDraw);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.052, .draw = 0.0}));

    Limits l;
    l.betaMax = 2.0;
    l.wdMin = 10.0;
    auto wide = MakeParam20(Param20Text({}, l));
    // A given draw of 3 mm exceeds the 2.5 mm range; the value column stays valid.
    ASSERT_EQ(Run(*wide, 11.0, 0.0, kModeRing, 2.8, -1.0, 0.04, 3.0), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .beta = 0.12}));
    // A 40.5 mm ring exceeds the 40 mm limit.
    EXPECT_EQ(Run(*wide, 11.0, 40.5, kModeRing, 2.8, -1.0, 0.04, 0.0), kCalcInfeasible);
}

// ---- faults guarded against --------------------------------------------------

TEST_F(DrawPolynomialTest, RangeWithMinimumAboveMaximumStopsAfterOneRerun) {
    Limits crossed;
    crossed.betaMin = 0.5;
    crossed.betaMax = 0.2;
    auto lens = MakeParam20(Param20Text({}, crossed));
    EXPECT_EQ(Run(*lens, 11.0, 0.3, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.5}));  // the configuration at beta_min, once
    EXPECT_EQ(Run(*lens, 11.0, 0.6, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.2);
}

TEST_F(DrawPolynomialTest, RingIndexStaysInTheTable) {
    Limits wide;
    wide.maxRing = 150.0;  // above the 100 mm of the table
    wide.betaMax = 10.0;
    wide.wdMin = 0.0;
    auto lens = MakeParam20(Param20Text({}, wide));
    // H(4.9) = 120: int(241) would pass the last entry, 200.
    EXPECT_EQ(lens->RingIndexFor(4.9, 1.0), 200);
    EXPECT_EQ(lens->RingIndexFor(std::numeric_limits<double>::quiet_NaN(), 1.0), 0);
    EXPECT_EQ(lens->RingIndexFor(0.01, 1.0), 0);  // H = -2.25: int(-3.5) raised to 0
    Limits negative;
    negative.maxRing = -5.0;
    EXPECT_EQ(MakeParam20(Param20Text({}, negative))->RingIndexFor(0.5, 1.0), 0);
    // A given ring of 150 mm: int(300) would pass it too.
    Run(*lens, 11.0, 150.0, kModeRing);
    EXPECT_EQ(r.nRingIndex, 200);
}

TEST_F(DrawPolynomialTest, DegenerateValuesNeverSucceed) {
    EXPECT_EQ(Run(*MakeParam20(Param20Text()), 0.0, 0.0, kModeFieldOfView), kCalcInfeasible);  // beta 0 / 0
    EXPECT_EQ(Run(*MakeParam20(Param20Text({}, {}, 0.0)), 11.0, 0.05, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);  // no focal length
    EXPECT_EQ(Run(*MakeParam20(Param20Text({}, {}, 25.0, 0.0)), 11.0, 0.05, kModeMagnification), kCalcInfeasible);
    Limits noOpenF;
    noOpenF.openF = 0.0;
    EXPECT_EQ(Run(*MakeParam200(Param200Text({}, noOpenF)), 11.0, 0.05, kModeMagnification, 2.8), kCalcInfeasible);
    auto flatDof = MakeParam200(Param200Text({}, {}, {0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Run(*flatDof, 11.0, 0.05, kModeMagnification, -1.0, 10.0), kCalcInfeasible);
}

// ---- properties --------------------------------------------------------------

namespace {

// A lens near the thin-lens curves of focal length f, with fitted terms and
// limits drawn at random (now and then degenerate).
std::vector<double> RandomCurves(model_properties::CRandom& rnd, double f, double D) {
    return {rnd.Value(-0.5, 0.5, 0.02), rnd.Value(-0.1, 0.1, 0.02), 0, 0,
            rnd.Value(0.8 * f, 1.2 * f), rnd.Value(-0.1, 0.1, 0.02), 0, rnd.Value(-10, 10),
            1, rnd.Value(-0.5, 0.5, 0.02), 0, 0, rnd.Value(0.5, 1.5) * f * f, 0, rnd.Value(10, 200),
            rnd.Value(0.8 * f, 1.2 * f), rnd.Value(-1, 1, 0.02), 0, 0, rnd.Value(-0.2, 0.2, 0.02),
            -rnd.Value(0.0, D),
            rnd.Value(0.8, 1.2) / f, rnd.Value(-1e-3, 1e-3, 0.02), 0, 0, rnd.Value(-0.01, 0.01)};
}

std::vector<double> RandomLimits(model_properties::CRandom& rnd, double f, double D) {
    const double betaMin = rnd.Value(0.001, 0.05);
    const double betaMax = rnd.Value(0.1, 2.0);
    return {betaMax, betaMin, 11, rnd.Value(0.0, 110.0), D, 30,
            rnd.Chance(0.2) ? 10000.0 : f / betaMin, f / betaMax * rnd.Value(0.8, 1.2),
            f * f / D, rnd.Value(1.0, 4.0)};
}

void ExpectEveryCodeReached(const model_properties::Stats& stats) {
    EXPECT_GT(stats.Count(kCalcOk), 300);
    EXPECT_GT(stats.Count(kCalcInfeasible), 50);
    EXPECT_GT(stats.Count(kCalcBelowRange), 50);
    EXPECT_GT(stats.Count(kCalcAboveRange), 50);
    EXPECT_GT(stats.Count(kCalcNegativeDraw), 10);
}

}  // namespace

// The draw-polynomial models may answer -4 as well.
const model_properties::Options kOptions = {
    .lenses = 150, .codes = {kCalcOk, kCalcInfeasible, kCalcBelowRange, kCalcAboveRange, kCalcNegativeDraw}};

TEST(DrawPolynomialProperties, Param20KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](model_properties::CRandom& rnd) {
            const double f = rnd.Uniform(8.0, 75.0);
            const double D = rnd.Value(0.5, 10.0);
            std::vector<double> v = RandomCurves(rnd, f, D);
            v.insert(v.end(), {rnd.Value(0.8 * f, 1.2 * f), 1.0, rnd.Value(0.5, 1.5)});
            const auto lim = RandomLimits(rnd, f, D);
            v.insert(v.end(), lim.begin(), lim.end());
            v.insert(v.end(), {rnd.Value(-0.1, 0.1, 0.02), 0, 0, rnd.Value(-0.05, 0.05, 0.02), 0, 0,
                               rnd.Value(-0.05, 0.05, 0.02), 0, 0});
            auto lens = MakeParam20(ParameterText(v), rnd.Chance(0.2) ? 1 : 0);
            return std::unique_ptr<CCCTVData>(std::move(lens));
        },
        kOptions);
    ExpectEveryCodeReached(stats);
}

TEST(DrawPolynomialProperties, Param200KeepsTheContract) {
    model_properties::Options options = kOptions;
    options.seed = 77;
    const auto stats = model_properties::Check(
        [](model_properties::CRandom& rnd) {
            const double f = rnd.Uniform(8.0, 75.0);
            const double D = rnd.Value(0.5, 10.0);
            std::vector<double> v = RandomCurves(rnd, f, D);
            const auto lim = RandomLimits(rnd, f, D);
            v.insert(v.end(), lim.begin(), lim.end());
            const double k = 0.08 * rnd.Value(1.0, 4.0);
            v.insert(v.end(), {rnd.Value(-0.1, 0.1, 0.02), 0, 0, k, k, rnd.Value(-0.5, 0.5, 0.02)});
            auto lens = MakeParam200(ParameterText(v), rnd.Chance(0.5) ? 21 : 200);
            if (rnd.Chance(0.2)) lens->m_nDrawoutDirection = 1;
            return std::unique_ptr<CCCTVData>(std::move(lens));
        },
        options);
    ExpectEveryCodeReached(stats);
}
