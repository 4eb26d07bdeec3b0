// Focus-draw polynomial models (parameter types 19 and 119), checked against
// hand computation on fits that follow a thin lens of f = 25 mm with a
// 1 mm focus draw.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "optics/FocusDrawPolynomialModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

namespace {

// phi(x) = 25, A(x, e) = (x + e) / phi, W(x, b) = phi / b;
// ring estimates r(b) = 25 b - 1 and r(W) = 625 / W - 1 (the ring that full
// draw needs), E(y) = y + 625 / y + 45 (distance at full draw with ring y - 1);
// Bmin(e) = e / 25, Wmin(e) = 625 / e; lens length 27.474 + x + e plus
// c0 = 17.526; beta 0.01..1; rings up to 40 mm; draw 1 mm; W_short 15.24;
// W_ring 625; open F 1.4; pupil magnification 1.
struct Fit {
    std::vector<double> s = {0, 0, 0, 25, -1};
    std::vector<double> t = {0, 0, 625, 0, -1};
    std::vector<double> o = {1, 0, 0, 625, 0, 0, 45};
    double l0 = 27.474;
    std::vector<double> m = {0, 0, 0, 1, 0};
    std::vector<double> w = {0, 0, 1, 0, 0};
    std::vector<double> k = {0, 0, 0, 25};
    std::vector<double> d = {0, 0, 0, 0, 1};  // pupil denominator
    std::vector<double> q = {0, 0, 0, 0, 1};  // pupil numerator
    std::vector<double> g = {0, 0, 0, 0.04, 0};
    std::vector<double> h = {0, 0, 625, 0, 0};
    double c0 = 17.526, betaMax = 1.0, betaMin = 0.01, imageCircle = 11, maxRing = 40, maxDraw = 1,
           effective = 30, wdShort = 15.24, wdRing = 625, openF = 1.4, l1 = 1, l2 = 1;
    // Param119: D(b) = 0.112 / b + 0.112 / b^2, lens length 0 x^2 + 1 x + 27.474 (+ e)
    std::vector<double> dof = {0, 0, 0, 0.112, 0.112, 0};

    std::vector<double> Limits() const {
        return {c0, betaMax, betaMin, imageCircle, maxRing, maxDraw, effective, wdShort, wdRing, openF};
    }
    std::vector<double> Values19() const {
        std::vector<double> v;
        for (const auto* part : {&s, &t, &o}) v.insert(v.end(), part->begin(), part->end());
        v.push_back(l0);
        for (const auto* part : {&m, &w, &k, &d, &q, &g, &h}) v.insert(v.end(), part->begin(), part->end());
        const auto lim = Limits();
        v.insert(v.end(), lim.begin(), lim.end());
        v.insert(v.end(), {l1, l2});
        return v;
    }
    std::vector<double> Values119() const {
        std::vector<double> v;
        for (const auto* part : {&s, &t, &o, &m, &w, &k, &g, &h}) v.insert(v.end(), part->begin(), part->end());
        const auto lim = Limits();
        v.insert(v.end(), lim.begin(), lim.end());
        v.insert(v.end(), dof.begin(), dof.end());
        v.insert(v.end(), {0, 1, l0});
        return v;
    }
};

std::unique_ptr<CCCTVData_Param19> Make19(const Fit& fit = {}) {
    return MakeLens<CCCTVData_Param19>(fit.Values19(), 19);
}

std::unique_ptr<CCCTVData_Param119> Make119(const Fit& fit = {}) {
    return MakeLens<CCCTVData_Param119>(fit.Values119(), 119);
}

struct FocusDrawTest : SearchFixture {};

}  // namespace

// ---- reading ---------------------------------------------------------------

TEST(FocusDrawReading, EachTokenLandsInItsField) {
    const auto p19 = MakeLens<CCCTVData_Param19>(CountingText(64), 19);
    ExpectTokenOrder(p19->m_adRingFromMag, p19->m_adRingFromWD, p19->m_adOIFromRing, p19->m_dLengthConstant,
                     p19->m_adMagCoef, p19->m_adWDCoef, p19->m_adFocalFromDraw, p19->m_adPupilDenominator,
                     p19->m_adPupilNumerator, p19->m_adMinMagFromRing, p19->m_adMinWDFromRing, p19->m_dOIConstant,
                     p19->m_dMaxMagnification, p19->m_dMinMagnification, p19->m_dImageCircle, p19->m_dMaxRingLength,
                     p19->m_dMaxDraw, p19->m_dEffectiveDiameter, p19->m_dMinWD, p19->m_dRingWD, p19->m_dOpenFno,
                     p19->m_dLengthPerDraw, p19->m_dLengthPerRing);
    const auto p119 = MakeLens<CCCTVData_Param119>(CountingText(60), 119);
    ExpectTokenOrder(p119->m_adRingFromMag, p119->m_adRingFromWD, p119->m_adOIFromRing, p119->m_adMagCoef,
                     p119->m_adWDCoef, p119->m_adFocalFromDraw, p119->m_adMinMagFromRing, p119->m_adMinWDFromRing,
                     p119->m_dOIConstant, p119->m_dMaxMagnification, p119->m_dMinMagnification,
                     p119->m_dImageCircle, p119->m_dMaxRingLength, p119->m_dMaxDraw, p119->m_dEffectiveDiameter,
                     p119->m_dMinWD, p119->m_dRingWD, p119->m_dOpenFno, p119->m_adDOFFromMag,
                     p119->m_adLengthFromDraw);
}

TEST(FocusDrawReading, FitsPutEachCoefficientOnItsOwnPower) {
    Fit fit;
    fit.m = {1, 2, 3, 4, 5};
    fit.w = {1, 2, 3, 4, 5};
    fit.k = {1, 2, 3, 4};
    fit.o = {1, 2, 3, 4, 5, 6, 7};
    auto lens = Make19(fit);
    const double phi = lens->Focal(1.0);  // 1 + 2 + 3 + 4
    EXPECT_EQ(phi, 10.0);
    EXPECT_DOUBLE_EQ(lens->Magnification(1.0, 2.0, phi), 329.2);  // u = 1 + 2: 3 + 2*10 + 3*100 + 4*3/10 + 5
    // 10 + 2*4 + 3*10/4 + 4*A(1, 0) + 5, A(1, 0) = 1 + 20 + 300 + 0.4 + 5
    EXPECT_DOUBLE_EQ(lens->WorkingDistance(1.0, 4.0, phi), 1336.1);
    // y = 3: 3 + 18 + 81 + 4/3 + 5/sqrt(3) + 6 x 3^-0.01 + 7
    EXPECT_DOUBLE_EQ(lens->OIFromRing(2.0), 119.15452870431449);
    EXPECT_DOUBLE_EQ(lens->LensLength(2.0, 3.0), 32.474);    // 27.474 + 2 + 3
    EXPECT_DOUBLE_EQ(Make119()->LensLength(2.0, 3.0), 32.474);  // 2 + 27.474 + 3
}

// ---- hand-checked configurations ---------------------------------------------

TEST_F(FocusDrawTest, MagnificationWithARing) {
    // r(0.2) = 4: index int(9) = 9, e = 4.5; (x + 4.5) / 25 = 0.2 at the
    // first midpoint x = 0.5. OI = 27.474 + 0.5 + 4.5 + 125 + 17.526; the
    // extension is never written. m = 1.2, Fe = 3.36,
    // DOF = 2 x 3.36 x 0.04 / (0.04 - 2.8^2 x 0.04^2 / 625). Draw 0 with the
    // 4.5 mm ring: 0.18, Wmin 625 / 4.5; full draw: 5.5 / 25 = 0.22, W = 25 / 0.22.
    ASSERT_EQ(Run(*Make19(), 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .ring = 9, .fov = 55.0, .wd = 125.0, .oi = 175.0, .ext = -1.0,
                             .draw = 0.5, .fe = 3.36, .dof = 6.7233735198973426, .minValid = 1, .beta1 = 0.18,
                             .fov1 = 61.111111111111114, .wd1 = 138.88888888888889, .oi1 = 188.38888888888889,
                             .maxValid = 1, .beta2 = 0.22, .fov2 = 50.0, .wd2 = 113.63636363636364,
                             .oi2 = 164.13636363636365}));
}

TEST_F(FocusDrawTest, WorkingDistanceAndDistanceFindTheSameDraw) {
    auto lens = Make19();
    // r(125) = 4: the same ring; 625 / (x + 4.5) = 125 at x = 0.5.
    ASSERT_EQ(Run(*lens, 11.0, 125.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 9, .beta = 0.2, .oi = 175.0, .draw = 0.5}));

    // E(y) = 170 at y + 625 / y = 125: y = 5.2178, ring estimate 4.2178,
    // index int(9.4356) = 9, e = 4.5. Then 49.5 + x + 625 / (x + 4.5) = 170
    // at u = x + 4.5 = (125 - sqrt(13125)) / 2 = 5.217803813052001, the same u as y.
    EXPECT_NEAR(lens->RingForDistance(170.0), 4.217803813052001, 1e-4);
    ASSERT_EQ(Run(*lens, 11.0, 170.0, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 9);
    EXPECT_EQ(r.dObjectToImage[0], 170.0);
    EXPECT_NEAR(r.dFocusDraw[0], 0.7178038130520008, 1e-6);
    EXPECT_NEAR(r.dWD[0], 119.78219618694798, 1e-4);  // 625 / u
    EXPECT_NEAR(r.dMagnification[0], 0.20871215252208003, 1e-7);  // u / 25
}

TEST_F(FocusDrawTest, Param119DepthOfFieldFromItsFit) {
    auto lens = Make119();
    // D(0.2) = 0.112 / 0.04 + 0.112 / 0.2 = 3.36, the same for every F-number;
    // Fe = 3.36 x 0.04 / 0.08 x (F / 1.4); lens length 0.5 + 27.474 + 4.5.
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fe = 3.36, .dof = 3.36}));
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification, 5.6), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fe = 6.72, .dof = 3.36}));
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification, -1.0, 3.36), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .oi = 175.0, .fno = 1.4}));
}

// ---- edge cases --------------------------------------------------------------

TEST_F(FocusDrawTest, RingIndexFromTheEstimate) {
    auto lens = Make19();
    const struct {
        double beta;
        int ring;
    } cases[] = {{0.04, 1}, {0.028, 0}, {0.0696, 2}};  // estimates 0.0, -0.3 and 0.74
    for (const auto& c : cases) {
        Run(*lens, 11.0, c.beta, kModeMagnification);
        EXPECT_EQ(r.nRingIndex, c.ring) << c.beta;
    }
    // A far working distance takes no ring: r(700) would be -0.107, but
    // 700 >= W_ring gives index 0 anyway; no ring, no fitted far end, and
    // W_ring at full draw.
    ASSERT_EQ(Run(*lens, 11.0, 700.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .minValid = 0, .beta1 = 0.0, .wd2 = 625.0}));
    EXPECT_NEAR(r.dFocusDraw[0], 0.8928571428571429, 1e-6);  // 625 / 700

    // 60.0 with Rmax 20: index 40. The 20 mm ring and full draw reach only
    // 21 / 25, so no draw in range gives 2.44.
    Fit shortRings;
    shortRings.maxRing = 20.0;
    shortRings.betaMax = 3.0;
    shortRings.wdShort = 0.0;
    EXPECT_EQ(Run(*Make19(shortRings), 11.0, 2.44, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 40);

    // A distance beyond every ring needs none: 45 + x + 625 / x = 5000.
    Fit fit;
    fit.betaMin = 0.001;
    auto far = Make19(fit);
    EXPECT_EQ(far->RingForDistance(5000.0), -1.0);
    ASSERT_EQ(Run(*far, 11.0, 5000.0, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dFocusDraw[0], 0.1261384280328457, 1e-6);
}

TEST_F(FocusDrawTest, RangeEndsAndGivenRings) {
    auto lens = Make19();
    // 100 < 27.474 + 1 + 40 + 15.24 + 17.526 = 101.24: shorter than the lens reaches.
    ASSERT_EQ(Run(*lens, 11.0, 100.0, kModeObjectToImage), kCalcAboveRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 1.0, .wd = 25.0}));
    // The range ends themselves are inside (0.25 / 25 in ring mode).
    EXPECT_EQ(Run(*lens, 11.0, 0.0, kModeRing, 2.8, -1.0, 0.04, 0.25), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    EXPECT_EQ(Run(*lens, 11.0, 1.0, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 1.0);
    EXPECT_EQ(Run(*lens, 11.0, 0.009, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    // Ring mode truncates the index but uses the thickness: 1.25 / 25, the
    // lens length with the 1.0 mm ring.
    ASSERT_EQ(Run(*lens, 11.0, 1.5, kModeRing, 2.8, -1.0, 0.04, 0.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 3, .beta = 0.06}));
    ASSERT_EQ(Run(*lens, 11.0, 1.25, kModeRing, 2.8, -1.0, 0.04, 0.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .beta = 0.05, .oi = 546.0}));
}

TEST_F(FocusDrawTest, WorkingDistanceMissedByTheDraw) {
    // With a 5 mm ring and 1 mm draw W spans 104.2 to 125.
    Fit fit;
    fit.maxRing = 5.0;
    fit.wdShort = 0.0;
    // Param119: 30 mm is missed by far more than 10 mm: magnification and
    // draw keep the search's -1.0, which is below the range. 100 mm is missed
    // by 4.2 mm: close enough for this model.
    auto lens119 = Make119(fit);
    ASSERT_EQ(Run(*lens119, 11.0, 30.0, kModeWorkingDistance), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    ASSERT_EQ(Run(*lens119, 11.0, 100.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 10, .wd = 100.0}));
    EXPECT_NEAR(r.dFocusDraw[0], 1.0, 1e-9);

    // Param19 guards against taking a draw that misses its target, and
    // against a magnification beyond the 5 mm ring at full draw (6 / 25).
    auto lens19 = Make19(fit);
    ASSERT_EQ(Run(*lens19, 11.0, 100.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(Run(*lens19, 11.0, 0.3, kModeMagnification), kCalcInfeasible);
}

// ---- faults guarded against --------------------------------------------------

TEST_F(FocusDrawTest, RangeWithMinimumAboveMaximumStopsAfterOneRerun) {
    Fit crossed;
    crossed.betaMin = 0.5;
    crossed.betaMax = 0.2;
    auto lens = Make19(crossed);
    EXPECT_EQ(Run(*lens, 11.0, 0.3, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.5}));
    EXPECT_EQ(Run(*lens, 11.0, 0.6, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.2);
}

TEST_F(FocusDrawTest, RingIndexStaysInTheTable) {
    Fit wide;
    wide.maxRing = 150.0;  // beyond the 100 mm of the table
    wide.betaMax = 10.0;
    wide.wdShort = 0.0;
    auto lens = Make19(wide);
    const struct {
        double value;
        int mode;
        int ring;
    } cases[] = {
        {5.0, kModeMagnification, 200},  // estimate 124: int(249)
        {150.0, kModeRing, 200},         // a given 150 mm ring: int(300)
        {-3.0, kModeRing, 0},
    };
    for (const auto& c : cases) {
        Run(*lens, 11.0, c.value, c.mode);
        EXPECT_EQ(r.nRingIndex, c.ring) << c.value;
    }
}

TEST_F(FocusDrawTest, DegenerateValuesNeverSucceed) {
    EXPECT_EQ(Run(*Make19(), 0.0, 0.0, kModeFieldOfView), kCalcInfeasible);  // 0 / 0
    Fit noPupil;
    noPupil.d = {0, 0, 0, 0, 0};
    EXPECT_EQ(Run(*Make19(noPupil), 11.0, 0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);
    Fit noOpenF;
    noOpenF.openF = 0.0;
    EXPECT_EQ(Run(*Make119(noOpenF), 11.0, 0.2, kModeMagnification, 2.8), kCalcInfeasible);
    Fit flatDof;
    flatDof.dof = {0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Run(*Make119(flatDof), 11.0, 0.2, kModeMagnification, -1.0, 5.0), kCalcInfeasible);
}

// ---- properties --------------------------------------------------------------

namespace {

// A lens near the thin-lens fits of focal length f with draw D and rings up
// to Rmax, its fitted terms and limits drawn at random.
Fit RandomFit(model_properties::CRandom& rnd) {
    const double f = rnd.Uniform(8.0, 75.0);
    const double D = rnd.Value(0.3, 5.0);
    const double Rmax = rnd.Value(0.0, 110.0);
    const double fD = f * rnd.Value(0.95, 1.0);
    Fit fit;
    fit.s = {0, 0, rnd.Value(-1, 1, 0.02), fD, -D};
    fit.t = {rnd.Value(-1e-3, 1e-3, 0.02), 0, fD * fD, rnd.Value(-10, 10, 0.02), -D};
    fit.o = {1, 0, 0, fD * fD, rnd.Value(-1, 1, 0.02), 0, rnd.Value(20, 150)};
    fit.l0 = rnd.Value(10, 80);
    fit.m = {rnd.Value(-0.01, 0.01, 0.02), 0, 0, 1, rnd.Value(-0.01, 0.01)};
    fit.w = {rnd.Value(-0.1, 0.1, 0.02), 0, 1, 0, rnd.Value(-5, 5)};
    fit.k = {0, 0, (fD - f) / D, f};
    fit.d = {0, 0, 0, rnd.Value(-0.1, 0.1, 0.02), 1};
    fit.q = {0, 0, 0, rnd.Value(-0.1, 0.1, 0.02), rnd.Value(0.5, 1.5)};
    fit.g = {0, 0, 0, 1.0 / f, 0};
    fit.h = {0, 0, f * f, 0, 0};
    fit.betaMin = rnd.Value(0.001, 0.05);
    fit.betaMax = rnd.Value(0.05, 2.0);
    fit.maxRing = Rmax;
    fit.maxDraw = D;
    fit.wdShort = fD * fD / (D + Rmax) * rnd.Value(0.8, 1.2);
    fit.wdRing = fD * fD / D;
    fit.openF = rnd.Value(1.0, 4.0);
    const double kd = 0.08 * fit.openF;
    fit.dof = {rnd.Value(-0.1, 0.1, 0.02), 0, 0, kd, kd, rnd.Value(-0.5, 0.5, 0.02)};
    return fit;
}

void ExpectEveryCodeReached(const model_properties::Stats& stats) {
    EXPECT_GT(stats.Count(kCalcOk), 500);
    EXPECT_GT(stats.Count(kCalcInfeasible), 200);
    EXPECT_GT(stats.Count(kCalcBelowRange), 200);
    EXPECT_GT(stats.Count(kCalcAboveRange), 200);
}

}  // namespace

TEST(FocusDrawProperties, Param19AndParam119KeepTheContract) {
    using model_properties::CRandom;
    ExpectEveryCodeReached(model_properties::Check(
        [](CRandom& rnd) { return std::unique_ptr<CCCTVData>(Make19(RandomFit(rnd))); }, {.seed = 19}));
    ExpectEveryCodeReached(model_properties::Check(
        [](CRandom& rnd) { return std::unique_ptr<CCCTVData>(Make119(RandomFit(rnd))); }, {.seed = 119}));
}
