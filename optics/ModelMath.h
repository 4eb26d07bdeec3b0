// Numeric pieces and steps of the calculation course that the optical models
// share, so that each model file reads as its own formulas:
//
//   zero and finite      kZeroTolerance, Sq, IsZero; SuccessIfFinite, the
//                        final check of a success
//   range ends           the columns of the two ends and their writers (one
//                        end, an end at a ring, the ends of an interval);
//                        RerunAtRangeEnd, the re-run of a model's own
//                        calculation at a violated end, nested at most once
//   close-up rings       the ring table rules: refused rings, the index of a
//                        thickness, of any number and of an estimate, the
//                        smallest ring for an extension, the upward search
//   bisection            Bisect, with a tolerance and an iteration limit
//   fitted curves        PowerLaw; SumOfPowers and the exponent tables of the
//                        shared fit forms; Polynomial (highest power first)
//                        and PolynomialAscending (constant first)
//   fitted depth of field  from a curve D(beta) taken at the open F-number
//                        and a circle of confusion of 0.04 mm, its inverse,
//                        and the form that refuses a degenerate fit
//
// The thin-lens relations and the depth-of-field forms built on them are in
// optics/ThinLens.h.
#pragma once

#include <cmath>
#include <cstddef>

#include "optics/CCCTVData.h"

namespace optics {

// ---- zero and finite -------------------------------------------------------

// A quantity counts as zero within this tolerance, both ends included.
constexpr double kZeroTolerance = 1e-9;

inline double Sq(double x) { return x * x; }

inline bool IsZero(double x) { return x >= -kZeroTolerance && x <= kZeroTolerance; }

// Success, unless a value of the record is not finite (a zero denominator in
// the model, or a root of a negative number): such a configuration cannot be
// shown or compared, so it is infeasible.
int SuccessIfFinite(const tagLensCalcResult& r);

// ---- range ends ------------------------------------------------------------

// Columns of the range ends in the result triples.
constexpr int kMinEnd = 1;  // smallest magnification: focus draw 0
constexpr int kMaxEnd = 2;  // largest magnification: full focus draw

// Distances at one end of the range.
struct EndDistances {
    double dWD;             // working distance, mm
    double dObjectToImage;  // object-to-image distance, mm
};

// Writes one end of the range: its magnification, field of view
// (sensor / beta), working distance and object-to-image distance, and sets
// the end's valid flag.
void WriteRangeEnd(tagLensCalcResult& r, int end, double sensor, double beta, const EndDistances& at);

// One end of the range of a model with close-up rings, at the chosen ring:
// the end's magnification is stored; when it exceeds `floor` the end is
// written with the distances that `at()` gives, otherwise its magnification
// becomes 0.0 and nothing else is written. At the minimum end a magnification
// above the configuration's beta means the configuration lies below what the
// ring reaches: the function then returns false, with only the end's field of
// view written.
template <class Distances>
bool WriteRingEnd(tagLensCalcResult& r, int end, double sensor, double betaEnd, double beta, double floor,
                  Distances at) {
    r.dMagnification[end] = betaEnd;
    if (!(betaEnd > floor)) {
        r.dMagnification[end] = 0.0;
        return true;
    }
    r.dFOV[end] = sensor / betaEnd;
    if (end == kMinEnd && betaEnd > beta) return false;
    WriteRangeEnd(r, end, sensor, betaEnd, at());
    return true;
}

// The two ends of a lens without rings whose range is the magnification
// interval [betaMin, betaMax], with its working distance wd(beta) and
// object-to-image distance oi(W): the smallest magnification (none when it
// counts as zero: magnification 0.0, flag cleared) and the largest, whose
// working distance is raised to the floor wdMin.
template <class WorkingDistance, class ObjectToImage>
void WriteIntervalEnds(tagLensCalcResult& r, double sensor, double betaMin, double betaMax, double wdMin,
                       WorkingDistance wd, ObjectToImage oi) {
    if (IsZero(betaMin)) {
        r.dMagnification[kMinEnd] = 0.0;
        r.nMinValid = 0;
    } else {
        const double W = wd(betaMin);
        WriteRangeEnd(r, kMinEnd, sensor, betaMin, {W, oi(W)});
    }
    double W = wd(betaMax);
    if (W < wdMin) W = wdMin;
    WriteRangeEnd(r, kMaxEnd, sensor, betaMax, {W, oi(W)});
}

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

// Close-up rings come in steps of 0.5 mm; the table has 201 entries.
constexpr double kRingStep = 0.5;
constexpr int kMaxRingIndex = tagLensCalcResult::kRingCount - 1;

// Rings of 2.5 mm up to (not including) 5.0 mm are never used.
inline bool IsRefusedRing(double ring) { return ring >= 2.5 && ring < 5.0; }

// Ring index of a given ring thickness: the integer part of (2 t + 0.5).
// Returns -1 when that index lies outside the ring table (or t is not a
// number), so a caller never reads beyond the table.
int RingIndexOfThickness(double thickness);

// Index into the ring table for any number: the integer part (truncated
// toward zero) within 0..200; NaN and negative numbers give 0, numbers at or
// above 200 (infinity included) give 200.
int ClampRingIndex(double index);

// Ring index for an estimated ring thickness r: the integer part of (2 r + 1),
// at least 0 and at most the integer part of (2 * maxRingLength); the result
// always lies within the ring table 0..200, whatever the estimate or the limit
// (NaN, infinite, negative, a limit above 100 mm).
int RingIndexFromEstimate(double estimate, double maxRingLength);

// The smallest ring that brings a needed extension E within the draw range D
// (table steps of 0.5 mm, counted by repeated addition as the slack grows).
// When the search stops on a ring of 2.5 to 4.5 mm and E exceeds 5.0 mm, the
// 5.0 mm ring takes its place; when no ring up to 100 mm suffices the answer
// is the last one, 200. Returns the ring index.
int SearchRing(double extension, double maxDraw);

// What an evaluation at one ring answers when the ring does not suffice.
constexpr int kTryNextRing = 2;

// Finds the close-up ring by trying the rings upward, evaluating the model
// once per ring: evaluate(thickness, draw) returns kTryNextRing when the
// configuration needs the next ring, else its code.
// - Mode 4 (a given ring): the ring index is that of the thickness (-1 when
//   it lies outside the ring table). A configuration that does not stand is
//   evaluated once more at draw 0 (the ring cannot change); when that does
//   not stand either, the answer is -1.
// - Every other mode starts at the ring the record holds, at the given draw,
//   and goes up one ring at a time with draw 0. Beyond the last ring of the
//   table (100 mm) the answer is -1; the record keeps the last ring tried. A
//   ring the record holds outside the table answers -1 at once.
template <class Evaluate>
int SearchRingUpward(tagLensCalcResult& r, int mode, double value, double draw, Evaluate evaluate) {
    if (mode == kModeRing) {
        const int index = RingIndexOfThickness(value);
        if (index < 0) return kCalcInfeasible;
        r.nRingIndex = index;
        const int code = evaluate(value, draw);
        if (code != kTryNextRing) return code;
        const int atDrawZero = evaluate(value, 0.0);
        return atDrawZero == kTryNextRing ? kCalcInfeasible : atDrawZero;
    }
    if (r.nRingIndex < 0 || r.nRingIndex > kMaxRingIndex) return kCalcInfeasible;
    for (;;) {
        const int code = evaluate(kRingStep * r.nRingIndex, draw);
        if (code != kTryNextRing) return code;
        if (r.nRingIndex == kMaxRingIndex) return kCalcInfeasible;
        ++r.nRingIndex;
        draw = 0.0;
    }
}

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

// The forms of the fits that several model families share, as exponent
// tables for SumOfPowers in the order in which the fits list their
// coefficients.

// Working distance from the magnification:
//   a1 b + a2 b^2 + a3 b^3 + a4 b^4 + a5 b^-1 + a6 b^-2 + a7 b^-3 + a8
inline constexpr double kWDFromMagExponents[8] = {1.0, 2.0, 3.0, 4.0, -1.0, -2.0, -3.0, 0.0};

// Object-to-image distance from the working distance (and, in the same form,
// working distance from the object-to-image distance):
//   c1 W + c2 W^0.5 + c3 W^2 + c4 W^-0.1 + c5 W^-1 + c6 W^0.1 + c7
inline constexpr double kOIFromWDExponents[7] = {1.0, 0.5, 2.0, -0.1, -1.0, 0.1, 0.0};

// Depth of field from the magnification (taken at the open F-number and a
// circle of confusion of 0.04 mm):
//   k1 b + k2 b^2 + k3 b^3 + k4 b^-1 + k5 b^-2 + k6
inline constexpr double kDOFFromMagExponents[6] = {1.0, 2.0, 3.0, -1.0, -2.0, 0.0};

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

// FittedDepthOfField where the quotient it needs is defined. Returns false
// and writes nothing when the open F-number is zero (for a given F-number)
// or D is zero (for a wanted depth of field).
bool FittedDepthOfFieldIfDefined(tagLensCalcResult& r, double D, double beta, double fno,
                                 double openFno, double wantedDOF, double coc);

}  // namespace optics
