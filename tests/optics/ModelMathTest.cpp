// The numeric helpers the optical models share: the range-end re-run and its
// depth guard, ring indices from any estimate, bisection, the fitted curve
// forms and the depth of field from a fitted curve.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "optics/ModelMath.h"
#include "tests/optics/ModelTestSupport.h"

using namespace optics;
using model_test::ResultIs;

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

TEST(RangeEndRerun, AnswersWithTheConfigurationAtTheViolatedEndOnce) {
    // Each request: the lens's range, the request, then the code, the number
    // of runs and the magnification the record ends with.
    const struct {
        double lo, hi, value;
        int code, runs;
        double beta;
    } cases[] = {
        {0.2, 0.5, 0.1, kCalcBelowRange, 2, 0.2},
        {0.2, 0.5, 0.7, kCalcAboveRange, 2, 0.5},
        // Guards against endless recursion: with 0.6 > 0.5 the end the re-run
        // goes to fails the other test again, and must not re-run once more.
        {0.6, 0.5, 0.55, kCalcBelowRange, 2, 0.6},
        // The guard is released afterwards: the next request re-runs again.
        {0.6, 0.5, 0.9, kCalcAboveRange, 2, 0.5},
    };
    RangeLens lens;
    tagLensCalcResult r;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        lens.lo = c.lo;
        lens.hi = c.hi;
        lens.runs = 0;
        EXPECT_EQ(lens.CalcOptics(8.0, c.value, kModeMagnification, r, 2.8, -1.0, 0.04, 0.0), c.code);
        EXPECT_EQ(lens.runs, c.runs);
        EXPECT_EQ(r.dMagnification[0], c.beta);
        EXPECT_EQ(r.nValid, 0);
    }
}

TEST(RingIndex, ClampsAnyNumberToTheRingTable) {
    const struct {
        double index;
        int expected;
    } cases[] = {{0.0, 0},    {3.99, 3},  {199.999, 199}, {200.0, 200}, {200.5, 200}, {1e300, 200},
                 {kInf, 200}, {-0.7, 0},  {-5.0, 0},      {-kInf, 0},   {kNaN, 0}};
    for (const auto& c : cases) EXPECT_EQ(ClampRingIndex(c.index), c.expected) << c.index;
}

TEST(RingIndex, FromAnEstimateIsTwiceItPlusOneWithinTheRingLimitAndTheTable) {
    const struct {
        double estimate, limit;
        int expected;
    } cases[] = {
        {0.0, 20.0, 1},     // 0.5 mm
        {-0.3, 20.0, 0},    // 2 * -0.3 + 1 = 0.4
        {0.74, 20.0, 2},    // 2.48: 1.0 mm
        {60.0, 20.0, 40},   // the limit, 20 mm
        {-3.0, 20.0, 0},
        {5.2, 20.25, 11},   // limit 40 does not bite
        {120.0, 150.0, 200},  // limit above 100 mm
        {kInf, 100.0, 200},
        {kInf, kInf, 200},
        {-kInf, 100.0, 0},
        {kNaN, 100.0, 0},
        {3.0, -5.0, 0},  // negative limit
        {3.0, kNaN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RingIndexFromEstimate(c.estimate, c.limit), c.expected) << c.estimate << ", " << c.limit;
}

TEST(Bisection, FindsTheRootOfRisingAndFallingCurves) {
    int evaluations = 0;
    const BisectionResult rising = Bisect(0.0, 2.0, 200, 1e-12, true, [&](double x) {
        ++evaluations;
        return x * x - 2.0;
    });
    EXPECT_TRUE(rising.converged);
    EXPECT_NEAR(rising.x, 1.4142135623730951, 1e-12);
    EXPECT_LT(evaluations, 60);
    // 100 / x = 40 at x = 2.5.
    const BisectionResult falling = Bisect(1.0, 10.0, 200, 1e-9, false, [](double x) { return 100.0 / x - 40.0; });
    EXPECT_TRUE(falling.converged);
    EXPECT_NEAR(falling.x, 2.5, 1e-9);
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
    // A mismatch that is not a number moves the lower bound too, whichever the direction.
    EXPECT_EQ(Bisect(0.0, 1.0, 1, 1e-9, true, [](double) { return kNaN; }).x, 0.75);
    EXPECT_EQ(Bisect(0.0, 1.0, 1, 1e-9, false, [](double) { return kNaN; }).x, 0.75);
}

TEST(FittedCurves, PowerLawsSumsOfPowersAndPolynomials) {
    constexpr PowerLaw p{6.0, 2.0};
    EXPECT_EQ(p.Times(3.0), 54.0);
    EXPECT_EQ(p.Over(3.0), 6.0 / 9.0);
    EXPECT_EQ((PowerLaw{5.0, -1.0}.Times(4.0)), 1.25);

    // 1 x + 2 x^2 + 3 x^-1 + 4 at x = 2: 2 + 8 + 1.5 + 4.
    const double coef[] = {1.0, 2.0, 3.0, 4.0};
    const double exponent[] = {1.0, 2.0, -1.0, 0.0};
    EXPECT_EQ(SumOfPowers(coef, exponent, 2.0), 15.5);
    // A square root term: 3 x^0.5 at x = 16.
    const double root[] = {3.0};
    const double half[] = {0.5};
    EXPECT_EQ(SumOfPowers(root, half, 16.0), 12.0);

    const double c[] = {1.0, 2.0, 3.0};
    EXPECT_EQ(Polynomial(c, 2.0), 11.0);           // x^2 + 2x + 3
    EXPECT_EQ(PolynomialAscending(c, 2.0), 17.0);  // 1 + 2x + 3x^2
    EXPECT_EQ(PolynomialAscending(c, 0.0), 1.0);
}

TEST(FittedDepthOfField, ScalesTheCurveWithTheCircleAndTheFNumber) {
    // D = 3 mm at beta 0.5, open F 2.8; at F 5.6 and c = 0.04 the depth of
    // field is D itself and Fe = 3 * 0.25 / 0.08 * 2 = 18.75, twice its value
    // at the open F-number. A circle of 0.02 halves the depth of field, the
    // same for every F.
    tagLensCalcResult r;
    FittedDepthOfField(r, 3.0, 0.5, 5.6, 2.8, -1.0, 0.04);
    EXPECT_TRUE(ResultIs(r, {.fno = 5.6, .fe = 18.75, .dof = 3.0}));
    FittedDepthOfField(r, 3.0, 0.5, 2.8, 2.8, -1.0, 0.04);
    EXPECT_TRUE(ResultIs(r, {.fe = 9.375}));
    FittedDepthOfField(r, 3.0, 0.5, 11.0, 2.8, -1.0, 0.02);
    EXPECT_TRUE(ResultIs(r, {.dof = 1.5}));

    // A wanted depth of field gives the F-number: wanted = D gives the open F
    // and Fe = beta^2 DOF / (2 c); 6 at c 0.02 gives 2.8 * 2 * 2.
    FittedDepthOfField(r, 3.0, 0.5, -1.0, 2.8, 3.0, 0.04);
    EXPECT_TRUE(ResultIs(r, {.fno = 2.8, .fe = 9.375, .dof = 3.0}));
    FittedDepthOfField(r, 3.0, 0.5, -1.0, 2.8, 6.0, 0.02);
    EXPECT_TRUE(ResultIs(r, {.fno = 11.2, .fe = 37.5}));
}
