// Pieces that several polynomial model families share: the forms of their
// fitted curves and the depth-of-field steps with their degenerate fits
// refused.
//
// A fitted curve is a sum of power terms c[i] * x^e[i] with fixed exponents
// (optics::SumOfPowers in optics/ModelMath.h); the exponent tables below are
// the forms, in the order in which the fits list their coefficients. A
// constant term has exponent 0.
#pragma once

#include "optics/CCCTVData.h"

namespace optics {

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

// Thin-lens depth of field (optics::ThinLensDepthOfField) for a lens whose
// focal length f and pupil magnification P = pupilNumerator /
// pupilDenominator are fits: the pupil factor is k = beta / P + 1. Returns
// false and writes nothing when f, the denominator or P counts as zero, since
// the formulas divide by each of them.
bool FittedLensDepthOfField(tagLensCalcResult& r, double beta, double f, double pupilNumerator,
                       double pupilDenominator, double fno, double wantedDOF, double coc);

// Depth of field from a fitted curve value D (optics::FittedDepthOfField).
// Returns false and writes nothing when the quotient it needs is not
// defined: the open F-number is zero (for a given F-number) or D is zero
// (for a wanted depth of field).
bool FittedDepthOfFieldIfDefined(tagLensCalcResult& r, double D, double beta, double fno,
                                 double openFno, double wantedDOF, double coc);

}  // namespace optics
