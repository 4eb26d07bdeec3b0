// The numeric helpers the optical models share: the range-end re-run and its
// depth guard, ring indices from any estimate, bisection, the fitted curve
// forms and the depth of field from a fitted curve.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "optics/ModelMath.h"

using namespace optics;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A lens whose range [lo, hi] is given; outside it the lens answers with the
// configuration at the end, as the fitted models do. It counts its runs.
struct RangeLens : CCCTVData {
    double lo = 0.0;
    double hi = 1.0;
    int runs = 0;
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                   double wantedDOF, double coc, double draw) override {
        ++runs;
        r.dMagnification[0] = value;
        r.nValid = 1;
        if (value < lo)
            return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, lo, kModeMagnification, r, fno,
                                   wantedDOF, coc, draw);
        if (value > hi)
            return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, hi, kModeMagnification, r, fno,
                                   wantedDOF, coc, draw);
        return kCalcOk;
    }
};

}  // namespace

TEST(RangeEndRerun, AnswersWithTheConfigurationAtTheViolatedEnd) {
    RangeLens lens;
    lens.lo = 0.2;
    lens.hi = 0.5;
    tagLensCalcResult r;
    EXPECT_EQ(lens.CalcOptics(8.0, 0.1, kModeMagnification, r, 2.8, -1.0, 0.04, 0.0),
              kCalcBelowRange);
    EXPECT_EQ(lens.runs, 2);
    EXPECT_EQ(r.dMagnification[0], 0.2);
    EXPECT_EQ(r.nValid, 0);

    lens.runs = 0;
    EXPECT_EQ(lens.CalcOptics(8.0, 0.7, kModeMagnification, r, 2.8, -1.0, 0.04, 0.0),
              kCalcAboveRange);
    EXPECT_EQ(lens.runs, 2);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(r.nValid, 0);
}

TEST(RangeEndRerun, RunsAtMostOnceWhenTheMinimumLiesAboveTheMaximum) {
    // 0.6 > 0.5: the end the re-run goes to fails the other test again; it
    // must not re-run once more (that would recurse without end).
    RangeLens lens;
    lens.lo = 0.6;
    lens.hi = 0.5;
    tagLensCalcResult r;
    EXPECT_EQ(lens.CalcOptics(8.0, 0.55, kModeMagnification, r, 2.8, -1.0, 0.04, 0.0),
              kCalcBelowRange);
    EXPECT_EQ(lens.runs, 2);
    EXPECT_EQ(r.dMagnification[0], 0.6);
    EXPECT_EQ(r.nValid, 0);

    // The guard is released afterwards: the next request re-runs again.
    lens.runs = 0;
    EXPECT_EQ(lens.CalcOptics(8.0, 0.9, kModeMagnification, r, 2.8, -1.0, 0.04, 0.0),
              kCalcAboveRange);
    EXPECT_EQ(lens.runs, 2);
    EXPECT_EQ(r.dMagnification[0], 0.5);
}

TEST(RingIndex, ClampsAnyNumberToTheRingTable) {
    EXPECT_EQ(ClampRingIndex(0.0), 0);
    EXPECT_EQ(ClampRingIndex(3.99), 3);
    EXPECT_EQ(ClampRingIndex(199.999), 199);
    EXPECT_EQ(ClampRingIndex(200.0), 200);
    EXPECT_EQ(ClampRingIndex(200.5), 200);
    EXPECT_EQ(ClampRingIndex(1e300), 200);
    EXPECT_EQ(ClampRingIndex(kInf), 200);
    EXPECT_EQ(ClampRingIndex(-0.7), 0);
    EXPECT_EQ(ClampRingIndex(-5.0), 0);
    EXPECT_EQ(ClampRingIndex(-kInf), 0);
    EXPECT_EQ(ClampRingIndex(kNaN), 0);
}

TEST(RingIndex, FromAnEstimateIsTwiceItPlusOneWithinTheRingLimit) {
    EXPECT_EQ(RingIndexFromEstimate(0.0, 20.0), 1);    // 0.5 mm
    EXPECT_EQ(RingIndexFromEstimate(-0.3, 20.0), 0);   // 2 * -0.3 + 1 = 0.4
    EXPECT_EQ(RingIndexFromEstimate(0.74, 20.0), 2);   // 2.48: 1.0 mm
    EXPECT_EQ(RingIndexFromEstimate(60.0, 20.0), 40);  // the limit, 20 mm
    EXPECT_EQ(RingIndexFromEstimate(-3.0, 20.0), 0);
    EXPECT_EQ(RingIndexFromEstimate(5.2, 20.25), 11);  // limit 40 does not bite
}

TEST(RingIndex, FromAnEstimateStaysInTheTableWhateverTheEstimateOrLimit) {
    EXPECT_EQ(RingIndexFromEstimate(120.0, 150.0), 200);  // limit above 100 mm
    EXPECT_EQ(RingIndexFromEstimate(kInf, 100.0), 200);
    EXPECT_EQ(RingIndexFromEstimate(kInf, kInf), 200);
    EXPECT_EQ(RingIndexFromEstimate(-kInf, 100.0), 0);
    EXPECT_EQ(RingIndexFromEstimate(kNaN, 100.0), 0);
    EXPECT_EQ(RingIndexFromEstimate(3.0, -5.0), 0);  // negative limit
    EXPECT_EQ(RingIndexFromEstimate(3.0, kNaN), 0);
}

TEST(Bisection, FindsTheRootOfARisingCurve) {
    int evaluations = 0;
    const BisectionResult b = Bisect(0.0, 2.0, 200, 1e-12, true, [&](double x) {
        ++evaluations;
        return x * x - 2.0;
    });
    EXPECT_TRUE(b.converged);
    EXPECT_NEAR(b.x, 1.4142135623730951, 1e-12);
    EXPECT_LT(evaluations, 60);
}

TEST(Bisection, FindsTheRootOfAFallingCurve) {
    // 100 / x = 40 at x = 2.5.
    const BisectionResult b =
        Bisect(1.0, 10.0, 200, 1e-9, false, [](double x) { return 100.0 / x - 40.0; });
    EXPECT_TRUE(b.converged);
    EXPECT_NEAR(b.x, 2.5, 1e-9);
}

TEST(Bisection, StartsAtTheMidpointAndStopsAtOnceWithinTolerance) {
    int evaluations = 0;
    const BisectionResult b = Bisect(0.0, 8.0, 200, 1e-5, true, [&](double x) {
        ++evaluations;
        return x - 4.0;
    });
    EXPECT_TRUE(b.converged);
    EXPECT_EQ(b.x, 4.0);
    EXPECT_EQ(evaluations, 1);
}

TEST(Bisection, EndsOnTheLastMidpointWhenTheIterationsRunOut) {
    // No root in [0, 1] of x - 5: the lower bound moves up every step,
    // 0.5, 0.75, 0.875, then the midpoint 0.9375 is returned unevaluated.
    int evaluations = 0;
    const BisectionResult b = Bisect(0.0, 1.0, 3, 1e-9, true, [&](double x) {
        ++evaluations;
        return x - 5.0;
    });
    EXPECT_FALSE(b.converged);
    EXPECT_EQ(b.x, 0.9375);
    EXPECT_EQ(evaluations, 3);
}

TEST(Bisection, ANotANumberMismatchMovesTheLowerBound) {
    const BisectionResult rising = Bisect(0.0, 1.0, 1, 1e-9, true, [](double) { return kNaN; });
    EXPECT_EQ(rising.x, 0.75);
    const BisectionResult falling = Bisect(0.0, 1.0, 1, 1e-9, false, [](double) { return kNaN; });
    EXPECT_EQ(falling.x, 0.75);
}

TEST(FittedCurves, PowerLawInBothForms) {
    constexpr PowerLaw p{6.0, 2.0};
    EXPECT_EQ(p.Times(3.0), 54.0);
    EXPECT_EQ(p.Over(3.0), 6.0 / 9.0);
    EXPECT_EQ((PowerLaw{5.0, -1.0}.Times(4.0)), 1.25);
}

TEST(FittedCurves, SumOfPowersAddsTheTermsWithTheirExponents) {
    // 1 x + 2 x^2 + 3 x^-1 + 4 at x = 2: 2 + 8 + 1.5 + 4.
    const double coef[] = {1.0, 2.0, 3.0, 4.0};
    const double exponent[] = {1.0, 2.0, -1.0, 0.0};
    EXPECT_EQ(SumOfPowers(coef, exponent, 2.0), 15.5);
    // A square root term: 3 x^0.5 at x = 16.
    const double root[] = {3.0};
    const double half[] = {0.5};
    EXPECT_EQ(SumOfPowers(root, half, 16.0), 12.0);
}

TEST(FittedCurves, PolynomialsInBothCoefficientOrders) {
    const double highestFirst[] = {1.0, 2.0, 3.0};  // x^2 + 2x + 3
    EXPECT_EQ(Polynomial(highestFirst, 2.0), 11.0);
    const double constantFirst[] = {1.0, 2.0, 3.0};  // 1 + 2x + 3x^2
    EXPECT_EQ(PolynomialAscending(constantFirst, 2.0), 17.0);
    EXPECT_EQ(PolynomialAscending(constantFirst, 0.0), 1.0);
}

TEST(FittedDepthOfField, ScalesTheCurveWithTheCircleAndTheFNumber) {
    // D = 3 mm at beta 0.5, open F 2.8; at F 5.6 and c = 0.04 the depth of
    // field is D itself and Fe = 3 * 0.25 / 0.08 * 2 = 18.75, twice its value
    // at the open F-number.
    tagLensCalcResult r;
    FittedDepthOfField(r, 3.0, 0.5, 5.6, 2.8, -1.0, 0.04);
    EXPECT_EQ(r.dFno, 5.6);
    EXPECT_EQ(r.dDOF, 3.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 18.75);
    FittedDepthOfField(r, 3.0, 0.5, 2.8, 2.8, -1.0, 0.04);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 9.375);
    // A circle of 0.02 halves the depth of field; it is the same for every F.
    FittedDepthOfField(r, 3.0, 0.5, 11.0, 2.8, -1.0, 0.02);
    EXPECT_DOUBLE_EQ(r.dDOF, 1.5);
}

TEST(FittedDepthOfField, WantedDepthOfFieldGivesTheFNumber) {
    tagLensCalcResult r;
    FittedDepthOfField(r, 3.0, 0.5, -1.0, 2.8, 3.0, 0.04);  // wanted = D: the open F
    EXPECT_EQ(r.dDOF, 3.0);
    EXPECT_DOUBLE_EQ(r.dFno, 2.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 9.375);  // beta^2 DOF / (2 c)
    FittedDepthOfField(r, 3.0, 0.5, -1.0, 2.8, 6.0, 0.02);
    EXPECT_DOUBLE_EQ(r.dFno, 11.2);  // 2.8 * 2 * 2
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 37.5);
}
