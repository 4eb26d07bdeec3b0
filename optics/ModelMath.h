// Numeric pieces shared by the fitted optical models (fitted curves, power
// laws, polynomial and power-sum fits), so that each model file reads as its
// own formulas.
//
//   RerunAtRangeEnd      the re-run of a model's own calculation at a violated
//                        range end; nested at most once
//   ClampRingIndex       any number to an index of the ring table 0..200
//   RingIndexFromEstimate  integer part of 2 r + 1, limited by the ring limit
//   Bisect               bisection with a tolerance and an iteration limit
//   PowerLaw             c * x^e and c / x^e
//   SumOfPowers          sum of c[i] * x^e[i] with fixed exponents
//   Polynomial           CCCTVData::EvalPolynomial over a fixed-size table
//                        (highest power first); PolynomialAscending for tables
//                        that start with the constant
//   FittedDepthOfField   depth of field from a fitted curve D(beta) taken at
//                        the open F-number and a circle of confusion of
//                        0.04 mm, and its inverse
//
// The thin-lens depth of field (from a focal length and a pupil factor) and
// the final check of a success (optics::SuccessIfFinite: a success that
// carries a value that is not finite is reported as -1) are in
// optics/ThinLens.h, which this header includes.
#pragma once

#include <cmath>
#include <cstddef>

#include "optics/CCCTVData.h"
#include "optics/ThinLens.h"

namespace optics {

// ---- range ends ------------------------------------------------------------

// A model whose magnification falls outside its range answers with the
// configuration at the violated end: it runs its own calculation again with
// `value` at that end (mode 1 as a rule; the other arguments unchanged), then
// clears nValid and returns `code` (-2 below, -3 above) whatever the re-run
// returned. The re-run is not repeated inside itself: when the configuration
// at the end fails the range test again (a range whose minimum lies above its
// maximum, or an end that the model's own curves do not reach), the inner
// call does not run a further re-run; it only clears nValid and returns its
// code.
int RerunAtRangeEnd(CCCTVData& lens, int code, double sensor, double value, int mode,
                    tagLensCalcResult& r, double fno, double wantedDOF, double coc, double draw);

// ---- close-up rings --------------------------------------------------------

// Index into the ring table for any number: the integer part (truncated
// toward zero) within 0..200; NaN and negative numbers give 0, numbers at or
// above 200 (infinity included) give 200.
int ClampRingIndex(double index);

// Ring index for an estimated ring thickness r: the integer part of (2 r + 1),
// at least 0 and at most the integer part of (2 * maxRingLength); the result
// always lies within the ring table 0..200, whatever the estimate or the limit
// (NaN, infinite, negative, a limit above 100 mm).
int RingIndexFromEstimate(double estimate, double maxRingLength);

// ---- bisection -------------------------------------------------------------

struct BisectionResult {
    double x;        // the point that met the tolerance, or the last midpoint
    bool converged;  // false when the iterations ran out
};

// Bisection on [lo, hi] starting at the midpoint. Each step evaluates
// d = mismatch(x) (the curve's value minus the target); |d| < tolerance ends
// the search at x. Otherwise, for a curve that grows with x (`increasing`),
// d > 0 moves the upper bound to x, for a falling curve d < 0 does; every
// other d (NaN included) moves the lower bound to x. The next x is the new
// midpoint. After `maxIterations` steps the last midpoint is returned,
// unevaluated, with converged = false.
template <class Mismatch>
BisectionResult Bisect(double lo, double hi, int maxIterations, double tolerance, bool increasing,
                       Mismatch&& mismatch) {
    double x = (lo + hi) / 2.0;
    for (int i = 0; i < maxIterations; ++i) {
        const double d = mismatch(x);
        if (std::fabs(d) < tolerance) return {x, true};
        const bool tooFar = increasing ? d > 0.0 : d < 0.0;
        if (tooFar)
            hi = x;
        else
            lo = x;
        x = (lo + hi) / 2.0;
    }
    return {x, false};
}

// ---- fitted curves ---------------------------------------------------------

// A fitted power law with coefficient c and exponent e. Fits are given either
// as c * x^e or as c / x^e; the two forms round differently, so each fit is
// evaluated in the form it was made in.
struct PowerLaw {
    double c;
    double e;
    double Times(double x) const { return c * std::pow(x, e); }  // c * x^e
    double Over(double x) const { return c / std::pow(x, e); }   // c / x^e
};

// Sum of coef[i] * x^exponent[i], added in table order to a sum that starts
// at 0.0; a constant term has exponent 0 (x^0 = 1 for every x).
template <std::size_t N>
double SumOfPowers(const double (&coef)[N], const double (&exponent)[N], double x) {
    double sum = 0.0;
    for (std::size_t i = 0; i < N; ++i) sum += coef[i] * std::pow(x, exponent[i]);
    return sum;
}

// Polynomial of a table whose first entry belongs to the highest power and
// whose last is the constant.
template <std::size_t N>
double Polynomial(const double (&c)[N], double x) {
    return CCCTVData::EvalPolynomial(static_cast<int>(N), c, x);
}

// Polynomial of a table that starts with the constant (c[0] + c[1] x + ...):
// evaluated through a reversed copy, so the terms are summed from the highest
// power down.
template <std::size_t N>
double PolynomialAscending(const double (&c)[N], double x) {
    double reversed[N];
    for (std::size_t i = 0; i < N; ++i) reversed[i] = c[N - 1 - i];
    return CCCTVData::EvalPolynomial(static_cast<int>(N), reversed, x);
}

// ---- depth of field from a fitted curve ------------------------------------

// Circle of confusion at which a fitted depth-of-field curve was taken, mm.
constexpr double kFittedDofCoc = 0.04;

// Depth of field from D, the fitted depth of field at magnification beta for
// the open F-number openFno and a circle of confusion of 0.04 mm. With a
// negative wantedDOF the F-number fno is kept and
//   DOF = D * (c / 0.04)                      (the same for every F-number)
//   Fe  = D * beta^2 / (2 * 0.04) * (fno / openFno);
// otherwise the wanted depth of field is stored and
//   F   = openFno * (wantedDOF / D) * (0.04 / c)
//   Fe  = D * beta^2 / (2 * c) * (wantedDOF / D).
void FittedDepthOfField(tagLensCalcResult& r, double D, double beta, double fno, double openFno,
                        double wantedDOF, double coc);

}  // namespace optics
