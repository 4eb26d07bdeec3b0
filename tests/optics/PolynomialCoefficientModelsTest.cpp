// Polynomial coefficient models (parameter types 18 and 118), checked
// against hand computation on fits that follow a thin lens of f = 25 mm.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "optics/PolynomialCoefficientModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

namespace {

using model_properties::ParameterText;

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
    return model_test::MakeLens<CCCTVData_Param18>(fit.Values(false), 18);
}

std::unique_ptr<CCCTVData_Param118> Make118(const Fit& fit = {}) {
    return model_test::MakeLens<CCCTVData_Param118>(fit.Values(true), 118);
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

TEST(PolynomialCoefficientReading, TokensLandInTheirFields) {
    std::vector<double> v;
    for (int i = 1; i <= 55; ++i) v.push_back(i);
    auto lens = model_test::MakeLens<CCCTVData_Param118>(ParameterText(v), 118);
    EXPECT_EQ(lens->m_adWDFromMag[0], 1.0);
    EXPECT_EQ(lens->m_adWDFromMag[7], 8.0);
    EXPECT_EQ(lens->m_adMagFromWD[0], 9.0);
    EXPECT_EQ(lens->m_adMagFromWD[5], 14.0);
    EXPECT_EQ(lens->m_adOIFromWD[0], 15.0);
    EXPECT_EQ(lens->m_adOIFromWD[6], 21.0);
    EXPECT_EQ(lens->m_adWDFromOI[0], 22.0);
    EXPECT_EQ(lens->m_adWDFromOI[6], 28.0);
    EXPECT_EQ(lens->m_dMagPerDraw, 29.0);
    EXPECT_EQ(lens->m_dMagAtZeroDraw, 30.0);
    EXPECT_EQ(lens->m_dMaxMagnification, 31.0);
    EXPECT_EQ(lens->m_dMinMagnification, 32.0);
    EXPECT_EQ(lens->m_adFocalFromMag[0], 33.0);
    EXPECT_EQ(lens->m_adPupilDenominator[0], 36.0);
    EXPECT_EQ(lens->m_adPupilNumerator[2], 41.0);
    EXPECT_EQ(lens->m_dDrawPerMag, 42.0);
    EXPECT_EQ(lens->m_dDrawAtZeroMag, 43.0);
    EXPECT_EQ(lens->m_dImageCircle, 44.0);
    EXPECT_EQ(lens->m_dMaxRingLength, 45.0);
    EXPECT_EQ(lens->m_dMaxDraw, 46.0);
    EXPECT_EQ(lens->m_dEffectiveDiameter, 47.0);
    EXPECT_EQ(lens->m_dMinWD, 48.0);
    EXPECT_EQ(lens->m_dOpenFno, 49.0);
    EXPECT_EQ(lens->m_adDOFFromMag[0], 50.0);
    EXPECT_EQ(lens->m_adDOFFromMag[5], 55.0);

    // Param18 reads token 49 to the end of the text.
    v.resize(49);
    auto lens18 = model_test::MakeLens<CCCTVData_Param18>(ParameterText(v) + L" trailing", 18);
    EXPECT_EQ(lens18->m_dMinWD, 48.0);
    EXPECT_EQ(lens18->m_dOpenFno, 49.0);
}

TEST(PolynomialCoefficientReading, FitsPutEachCoefficientOnItsOwnPower) {
    Fit fit;
    fit.a = {1, 2, 3, 4, 5, 6, 7, 8};
    fit.b = {1, 2, 3, 4, 5, 6};
    fit.d = {1, 2, 3, 4, 5, 6, 7};
    fit.f = {1, 2, 3};
    auto lens = Make18(fit);
    EXPECT_DOUBLE_EQ(lens->WorkingDistance(2.0), 110.875);   // 2+8+24+64+2.5+1.5+0.875+8
    EXPECT_DOUBLE_EQ(lens->Magnification(4.0), 45.5);  // 4 + 2*16 + 3/4 + 4/16 + 5/2 + 6
    EXPECT_DOUBLE_EQ(lens->WDFromOI(4.0), 4 + 4 + 48 + 4 * std::pow(4.0, -0.1) + 1.25 +
                                              6 * std::pow(4.0, 0.1) + 7);
    EXPECT_DOUBLE_EQ(lens->FocalLength(2.0), 11.0);  // 1*4 + 2*2 + 3
}

// ---- hand-checked configurations ---------------------------------------------

TEST_F(PolynomialCoefficientTest, MagnificationOnTheThinLensFits) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 220.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.05);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 500.0);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 546.25);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 1.25);  // 25 x 0.05
    EXPECT_EQ(r.nRingIndex, 7);               // untouched
    // m = 0.05 / 0.8 + 1 = 1.0625, Fe = 2.975,
    // DOF = 2 x 2.975 x 0.04 / (0.0025 - 2.8^2 x 0.04^2 / 625) = 95.970466258397
    EXPECT_NEAR(r.dEffectiveFno, 2.975, 1e-12);
    EXPECT_NEAR(r.dDOF, 95.970466258397, 1e-9);
    EXPECT_EQ(r.dFno, 2.8);
    // Smallest magnification 0.01: W 2500, no floor at this end.
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.dMagnification[1], 0.01);
    EXPECT_DOUBLE_EQ(r.dWD[1], 2500.0);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[1], 2545.25);
    EXPECT_DOUBLE_EQ(r.dFOV[1], 1100.0);
    // Largest 0.2: W 125 raised to the floor 150.
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.2);
    EXPECT_EQ(r.dWD[2], 150.0);
    EXPECT_NEAR(r.dObjectToImage[2], 199.16666666666666, 1e-9);
    EXPECT_DOUBLE_EQ(r.dFOV[2], 55.0);
    EXPECT_EQ(r.dExtension[1], -1.0);  // never written
    EXPECT_EQ(r.dFocusDraw[2], -1.0);
}

TEST_F(PolynomialCoefficientTest, WantedDepthOfFieldGivesTheFNumber) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, -1.0, 10.0), kCalcOk);
    // g = 1.0625 x 25, Fe = (g sqrt(100 x 0.0025 + g^2) - g^2) / 0.4, F = Fe / 1.0625
    EXPECT_EQ(r.dDOF, 10.0);
    EXPECT_NEAR(r.dEffectiveFno, 0.3124723232423321, 1e-12);
    EXPECT_NEAR(r.dFno, 0.29409159834572435, 1e-12);
}

TEST_F(PolynomialCoefficientTest, EachModeReachesTheSameFits) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 220.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dFOV[0], 220.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.05);
    EXPECT_DOUBLE_EQ(r.dWD[0], 500.0);

    ASSERT_EQ(Run(*lens, 11.0, 500.0, kModeWorkingDistance), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.05);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 546.25);

    // V(546.25) = 496.25, B = 25 / 496.25
    ASSERT_EQ(Run(*lens, 11.0, 546.25, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], 546.25);
    EXPECT_DOUBLE_EQ(r.dWD[0], 496.25);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.05037783375314862);
}

// ---- edge cases --------------------------------------------------------------

TEST_F(PolynomialCoefficientTest, RangeEndsThemselvesAreInRange) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 0.01, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    ASSERT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.2);
}

TEST_F(PolynomialCoefficientTest, BelowTheRangeAnswersWithTheSmallestMagnification) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 0.9 * 0.01, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.01);
    EXPECT_DOUBLE_EQ(r.dWD[0], 2500.0);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.nMaxValid, 1);

    ASSERT_EQ(Run(*lens, 11.0, 0.25, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.2);
    EXPECT_EQ(r.dWD[0], 150.0);  // the inner run raised 125 to the floor
}

TEST_F(PolynomialCoefficientTest, ZeroSmallestMagnificationLeavesTheFarEndUnset) {
    Fit fit;
    fit.betaMin = 0.0;
    auto lens = Make18(fit);
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.dWD[1], -1.0);
    EXPECT_EQ(r.dObjectToImage[1], -1.0);
}

TEST_F(PolynomialCoefficientTest, WorkingDistanceBelowTheFloorIsRaised) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 140.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 150.0);
    EXPECT_NEAR(r.dObjectToImage[0], 199.16666666666666, 1e-9);  // L(150)
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.17857142857142858);  // B(140)
}

TEST_F(PolynomialCoefficientTest, FocusDrawFromTheMagnification) {
    Fit noDraw;
    noDraw.maxDraw = 0.0;
    auto lens = Make18(noDraw);
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);  // the caller's preset

    Fit shortDraw;
    shortDraw.maxDraw = 4.0;
    auto other = Make18(shortDraw);
    ASSERT_EQ(Run(*other, 11.0, 0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 4.0);  // 25 x 0.2 = 5 limited to 4
}

TEST_F(PolynomialCoefficientTest, RingModeIgnoresTheThickness) {
    auto lens = Make18();
    ASSERT_EQ(Run(*lens, 11.0, 33.0, kModeRing, 2.8, -1.0, 0.04, 2.0), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.08);  // 0.04 x 2
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_EQ(r.nRingIndex, 7);
    EXPECT_DOUBLE_EQ(r.dWD[0], 312.5);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 2.0);
}

TEST_F(PolynomialCoefficientTest, Param118ScalesItsFittedDepthOfField) {
    auto lens = Make118();
    // D(0.05) = 47.04; with F = 2 F0 and c = 0.04 the depth of field is D,
    // the effective F-number twice the 1.47 of F = F0.
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 2.8), kCalcOk);
    EXPECT_NEAR(r.dDOF, 47.04, 1e-12);
    EXPECT_NEAR(r.dEffectiveFno, 2.94, 1e-12);
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, 1.4), kCalcOk);
    EXPECT_NEAR(r.dDOF, 47.04, 1e-12);
    EXPECT_NEAR(r.dEffectiveFno, 1.47, 1e-12);
    // Wanted depth of field D(beta) at c = 0.04: the open F-number.
    ASSERT_EQ(Run(*lens, 11.0, 0.05, kModeMagnification, -1.0, lens->DepthOfFieldAtOpenFno(0.05)),
              kCalcOk);
    EXPECT_DOUBLE_EQ(r.dFno, 1.4);
    EXPECT_NEAR(r.dEffectiveFno, 0.05 * 0.05 * 47.04 / 0.08, 1e-12);
}

// ---- faults guarded against --------------------------------------------------

TEST_F(PolynomialCoefficientTest, RangeWithMinimumAboveMaximumStopsAfterOneRerun) {
    Fit crossed;
    crossed.betaMin = 0.3;
    crossed.betaMax = 0.1;
    auto lens = Make18(crossed);
    EXPECT_EQ(Run(*lens, 11.0, 0.2, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.3);
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

model_properties::Options PropertyOptions(std::uint32_t seed) {
    model_properties::Options options;
    options.seed = seed;
    return options;
}

}  // namespace

TEST(PolynomialCoefficientProperties, Param18KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](model_properties::CRandom& rnd) {
            return std::unique_ptr<CCCTVData>(Make18(RandomFit(rnd)));
        },
        PropertyOptions(18));
    EXPECT_GT(stats.Count(kCalcOk), 1000);
    EXPECT_GT(stats.Count(kCalcBelowRange), 500);
    EXPECT_GT(stats.Count(kCalcAboveRange), 500);
}

TEST(PolynomialCoefficientProperties, Param118KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](model_properties::CRandom& rnd) {
            return std::unique_ptr<CCCTVData>(Make118(RandomFit(rnd)));
        },
        PropertyOptions(118));
    EXPECT_GT(stats.Count(kCalcOk), 1000);
    EXPECT_GT(stats.Count(kCalcBelowRange), 500);
    EXPECT_GT(stats.Count(kCalcAboveRange), 500);
}
