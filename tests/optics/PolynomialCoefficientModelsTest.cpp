// Polynomial coefficient models (parameter types 18 and 118), checked
// against hand computation on fits that follow a thin lens of f = 25 mm.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "optics/PolynomialCoefficientModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

namespace {

// W(b) = 25 / b, B(W) = 25 / W, L(W) = W + 45 + 625 / W, V(L) = L - 50;
// b = 0.04 draw, draw = 25 b; beta 0.01..0.2; fl = 25; P = 0.8 / 1;
// image circle 11, no rings, draw range 5, effective diameter 30, W_min 150,
// open F 1.4.
struct Fit {
    std::vector<double> a = {0, 0, 0, 0, 25, 0, 0, 0};
    std::vector<double> b = {0, 0, 25, 0, 0, 0};
    std::vector<double> c = {1, 0, 0, 0, 625, 0, 45};
    std::vector<double> d = {1, 0, 0, 0, 0, 0, -50};
    double g1 = 0.04, g0 = 0.0, betaMax = 0.2, betaMin = 0.01;
    std::vector<double> f = {0, 0, 25};
    std::vector<double> p = {0, 0, 1};    // pupil denominator
    std::vector<double> q = {0, 0, 0.8};  // pupil numerator
    double h1 = 25, h0 = 0, imageCircle = 11, maxRing = 0, maxDraw = 5, effective = 30,
           minWD = 150, openF = 1.4;
    // Param118: D(b) = 0.112 / b + 0.112 / b^2
    std::vector<double> k = {0, 0, 0, 0.112, 0.112, 0};

    std::vector<double> Values(bool withDof) const {
        std::vector<double> v;
        for (const auto* part : {&a, &b, &c, &d}) v.insert(v.end(), part->begin(), part->end());
        v.insert(v.end(), {g1, g0, betaMax, betaMin});
        for (const auto* part : {&f, &p, &q}) v.insert(v.end(), part->begin(), part->end());
        v.insert(v.end(), {h1, h0, imageCircle, maxRing, maxDraw, effective, minWD, openF});
        if (withDof) v.insert(v.end(), k.begin(), k.end());
        return v;
    }
};

std::unique_ptr<CCCTVData_Param18> Make18(const Fit& fit = {}) {
    return MakeLens<CCCTVData_Param18>(fit.Values(false), 18);
}

std::unique_ptr<CCCTVData_Param118> Make118(const Fit& fit = {}) {
    return MakeLens<CCCTVData_Param118>(fit.Values(true), 118);
}

struct PolynomialCoefficientTest : ::testing::Test {
    tagLensCalcResult r;
    int Run(CCCTVData& lens, double sensor, double value, int mode, double fno = 2.8,
            double wantedDOF = -1.0, double coc = 0.04, double draw = 0.0) {
        r.PresetForSearch();
        r.nRingIndex = 7;  // these models never write it
        return lens.CalcOptics(sensor, value, mode, r, fno, wantedDOF, coc, draw);
    }
};

}  // namespace

// ---- reading ---------------------------------------------------------------

TEST(PolynomialCoefficientReading, EachTokenLandsInItsField) {
    const auto p118 = MakeLens<CCCTVData_Param118>(CountingText(55), 118);
    ExpectTokenOrder(p118->m_adWDFromMag, p118->m_adMagFromWD, p118->m_adOIFromWD, p118->m_adWDFromOI,
                     p118->m_dMagPerDraw, p118->m_dMagAtZeroDraw, p118->m_dMaxMagnification,
                     p118->m_dMinMagnification, p118->m_adFocalFromMag, p118->m_adPupilDenominator,
                     p118->m_adPupilNumerator, p118->m_dDrawPerMag, p118->m_dDrawAtZeroMag, p118->m_dImageCircle,
                     p118->m_dMaxRingLength, p118->m_dMaxDraw, p118->m_dEffectiveDiameter, p118->m_dMinWD,
                     p118->m_dOpenFno, p118->m_adDOFFromMag);
    // Param18 reads token 49 to the end of the text.
    const auto p18 = MakeLens<CCCTVData_Param18>(CountingText(49) + L" trailing", 18);
    EXPECT_EQ(p18->m_dMinWD, 48.0);
    EXPECT_EQ(p18->m_dOpenFno, 49.0);
}

TEST(PolynomialCoefficientReading, FitsPutEachCoefficientOnItsOwnPower) {
    Fit fit;
    fit.a = {1, 2, 3, 4, 5, 6, 7, 8};
    fit.b = {1, 2, 3, 4, 5, 6};
    fit.d = {1, 2, 3, 4, 5, 6, 7};
    fit.f = {1, 2, 3};
    auto lens = Make18(fit);
    EXPECT_DOUBLE_EQ(lens->WorkingDistance(2.0), 110.875);  // 2+8+24+64+2.5+1.5+0.875+8
    EXPECT_DOUBLE_EQ(lens->Magnification(4.0), 45.5);       // 4 + 2*16 + 3/4 + 4/16 + 5/2 + 6
    // 4 + 2*2 + 3*16 + 4*4^-0.1 + 5/4 + 6*4^0.1 + 7
    EXPECT_DOUBLE_EQ(lens->WDFromOI(4.0), 74.62439238316671);
    EXPECT_DOUBLE_EQ(lens->FocalLength(2.0), 11.0);  // 1*4 + 2*2 + 3
}

// ---- hand-checked configurations ---------------------------------------------

TEST_F(PolynomialCoefficientTest, EachModeOnTheThinLensFits) {
    auto lens = Make18();
    // Draw 25 x 0.05; the ring index is left as it was. m = 0.05 / 0.8 + 1 =
    // 1.0625, Fe = 2.975, DOF = 2 x 2.975 x 0.04 / (0.0025 - 2.8^2 x 0.04^2 / 625).
    // Smallest magnification 0.01: W 2500, no floor at this end; largest
    // 0.2: W 125 raised to the floor 150.
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .valid = 1, .ring = 7, .beta = 0.05, .fov = 220.0, .wd = 500.0,
                             .oi = 546.25, .ext = 0.0, .draw = 1.25, .fno = 2.8, .fe = 2.975,
                             .dof = 95.970466258397, .minValid = 1, .beta1 = 0.01, .fov1 = 1100.0, .wd1 = 2500.0,
                             .oi1 = 2545.25, .maxValid = 1, .beta2 = 0.2, .fov2 = 55.0, .wd2 = 150.0,
                             .oi2 = 199.16666666666666}));
    EXPECT_EQ(r.dExtension[1], -1.0);  // never written
    EXPECT_EQ(r.dFocusDraw[2], -1.0);

    ASSERT_EQ(Run(*lens, 11.0, 220.0, kModeFieldOfView), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.05, .fov = 220.0, .wd = 500.0}));
    ASSERT_EQ(Run(*lens, 11.0, 500.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.05, .oi = 546.25}));
    // V(546.25) = 496.25, B = 25 / 496.25
    ASSERT_EQ(Run(*lens, 11.0, 546.25, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.05037783375314862, .wd = 496.25, .oi = 546.25}));
    // A given draw: 0.04 x 2, whatever the ring thickness.
    ASSERT_EQ(Run(*lens, 11.0, 33.0, kModeRing, 2.8, -1.0, 0.04, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 7, .beta = 0.08, .wd = 312.5, .ext = 0.0, .draw = 2.0}));
}

TEST_F(PolynomialCoefficientTest, DepthOfFieldOfBothModels) {
    // Param18: g = 1.0625 x 25, Fe = (g sqrt(100 x 0.0025 + g^2) - g^2) / 0.4, F = Fe / 1.0625.
    ASSERT_EQ(Run(*Make18(), 11.0, 0.05, kModeMagnification, -1.0, 10.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .fno = 0.29409159834572435, .fe = 0.3124723232423321, .dof = 10.0}));

    // Param118: D(0.05) = 47.04; with F = 2 F0 and c = 0.04 the depth of
    // field is D, the effective F-number twice the 1.47 of F = F0. A wanted
    // depth of field D(beta) at c = 0.04 gives the open F-number.
    auto lens = Make118();
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fe = 2.94, .dof = 47.04}));
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 1.4), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fe = 1.47, .dof = 47.04}));
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, -1.0, 47.04), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-12, .fno = 1.4, .fe = 1.47}));
}

// ---- edge cases --------------------------------------------------------------

TEST_F(PolynomialCoefficientTest, RangeEndsAndTheWorkingDistanceFloor) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 0.01, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.2);
    // Below the range: the smallest magnification answers.
    ASSERT_EQ(Run(*lens, 11.0, 0.9 * 0.01, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.01, .wd = 2500.0, .minValid = 1, .maxValid = 1}));
    ASSERT_EQ(Run(*lens, 11.0, 0.25, kModeMagnification), kCalcAboveRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.2, .wd = 150.0}));  // the inner run raised 125 to the floor
    // A working distance below the floor is raised: L(150), B(140).
    ASSERT_EQ(Run(*lens, 11.0, 140.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .beta = 0.17857142857142858, .wd = 150.0, .oi = 199.16666666666666}));

    // A smallest magnification of 0 leaves the far end unset.
    Fit fit;
    fit.betaMin = 0.0;
    ASSERT_EQ(Run(*Make18(fit), 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.minValid = 0, .beta1 = 0.0, .fov1 = -1.0, .wd1 = -1.0, .oi1 = -1.0}));
}

TEST_F(PolynomialCoefficientTest, FocusDrawFromTheMagnification) {
    Fit noDraw;
    noDraw.maxDraw = 0.0;
    ASSERT_EQ(Run(*Make18(noDraw), 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);  // the caller's preset
    Fit shortDraw;
    shortDraw.maxDraw = 4.0;
    ASSERT_EQ(Run(*Make18(shortDraw), 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 4.0);  // 25 x 0.2 = 5 limited to 4
}

// ---- faults guarded against --------------------------------------------------

TEST_F(PolynomialCoefficientTest, RangeWithMinimumAboveMaximumStopsAfterOneRerun) {
    Fit crossed;
    crossed.betaMin = 0.3;
    crossed.betaMax = 0.1;
    auto lens = Make18(crossed);
    EXPECT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.3}));
    EXPECT_EQ(Run(*lens, 11.0, 0.4, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 0.1);
}

TEST_F(PolynomialCoefficientTest, DegenerateValuesNeverSucceed) {
    auto lens = Make18();
    EXPECT_EQ(Run(*lens, 0.0, 0.0, kModeFieldOfView), kCalcInfeasible);        // 0 / 0
    EXPECT_EQ(Run(*lens, 11.0, -40.0, kModeWorkingDistance), kCalcInfeasible);  // B(-40) takes W^-0.5
    Fit noFocal;
    noFocal.f = {0, 0, 0};
    EXPECT_EQ(Run(*Make18(noFocal), 11.0, 0.05, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);
    Fit noPupil;
    noPupil.p = {0, 0, 0};
    EXPECT_EQ(Run(*Make18(noPupil), 11.0, 0.05, kModeMagnification), kCalcInfeasible);
    Fit noOpenF;
    noOpenF.openF = 0.0;
    EXPECT_EQ(Run(*Make118(noOpenF), 11.0, 0.05, kModeMagnification, 2.8), kCalcInfeasible);
    Fit flatDof;
    flatDof.k = {0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Run(*Make118(flatDof), 11.0, 0.05, kModeMagnification, -1.0, 5.0), kCalcInfeasible);
}

// ---- properties --------------------------------------------------------------

namespace {

Fit RandomFit(model_properties::CRandom& rnd) {
    const double f = rnd.Uniform(6.0, 75.0);
    Fit fit;
    fit.a = {rnd.Value(-1, 1, 0.02), 0, 0, 0, rnd.Value(0.8 * f, 1.2 * f), rnd.Value(-0.5, 0.5, 0.02), 0,
             rnd.Value(-10, 10)};
    fit.b = {rnd.Value(-1e-5, 1e-5, 0.02), 0, rnd.Value(0.8 * f, 1.2 * f), rnd.Value(-f, f, 0.02),
             rnd.Value(-0.1, 0.1, 0.02), rnd.Value(-0.01, 0.01)};
    fit.c = {1, rnd.Value(-0.5, 0.5, 0.02), 0, 0, f * f, rnd.Value(-1, 1, 0.02), rnd.Value(10, 200)};
    fit.d = {1, rnd.Value(-0.5, 0.5, 0.02), 0, 0, -f * f, 0, -rnd.Value(10, 200)};
    fit.g1 = rnd.Value(0.5, 1.5) / f;
    fit.g0 = rnd.Value(-0.01, 0.01);
    fit.betaMin = rnd.Chance(0.2) ? 0.0 : rnd.Value(0.001, 0.05);
    fit.betaMax = rnd.Value(0.05, 1.5);
    fit.f = {rnd.Value(-1, 1, 0.02), rnd.Value(-1, 1, 0.02), rnd.Value(0.8 * f, 1.2 * f)};
    fit.p = {0, rnd.Value(-0.2, 0.2, 0.02), 1};
    fit.q = {0, rnd.Value(-0.2, 0.2, 0.02), rnd.Value(0.5, 1.5)};
    fit.h1 = f * rnd.Value(0.8, 1.2);
    fit.h0 = rnd.Value(-0.1, 0.1);
    fit.maxDraw = rnd.Value(0.0, 10.0);
    fit.minWD = rnd.Value(0.0, 300.0);
    fit.openF = rnd.Value(1.0, 4.0);
    const double k = 0.08 * fit.openF;
    fit.k = {rnd.Value(-0.1, 0.1, 0.02), 0, 0, k, k, rnd.Value(-0.5, 0.5, 0.02)};
    return fit;
}

void ExpectEveryCodeReached(const model_properties::Stats& stats) {
    EXPECT_GT(stats.Count(kCalcOk), 1000);
    EXPECT_GT(stats.Count(kCalcBelowRange), 500);
    EXPECT_GT(stats.Count(kCalcAboveRange), 500);
}

}  // namespace

TEST(PolynomialCoefficientProperties, Param18AndParam118KeepTheContract) {
    using model_properties::CRandom;
    ExpectEveryCodeReached(model_properties::Check(
        [](CRandom& rnd) { return std::unique_ptr<CCCTVData>(Make18(RandomFit(rnd))); }, {.seed = 18}));
    ExpectEveryCodeReached(model_properties::Check(
        [](CRandom& rnd) { return std::unique_ptr<CCCTVData>(Make118(RandomFit(rnd))); }, {.seed = 118}));
}
