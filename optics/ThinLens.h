// The thin-lens relations and the depth-of-field forms built on them: the
// leading tokens of a thin-lens parameter text, the flange distance, the
// object-to-image distance of a thin lens, the thin-lens depth of field (also for a lens whose focal length and pupil
// magnification are fits) and the depth of field from an effective F-number.
// The general numeric helpers (zero tolerance, range ends, ring table,
// bisection, fitted curves) are in optics/ModelMath.h, which this header
// includes.
#pragma once

#include "optics/CCCTVData.h"
#include "optics/ModelMath.h"

class CParamReader;

namespace optics {

// Reads the twelve tokens that every thin-lens parameter text starts with,
// into the record's model values 1 to 12: f, H, a, token 4, the front
// distance s1 (or what a model keeps in its place: `token5`), s2, token 7,
// P, open F-number, draw range, ring limit and image circle.
void ReadThinLensTokens(CCCTVData& lens, CParamReader& reader, double& token5);

// C-mount flange focal distance, mm.
constexpr double kFlangeDistance = 17.526;

// Object-to-image distance of a thin lens of focal length f whose principal
// planes lie H apart, at magnification beta: L = (beta + 2 + 1/beta) f + H.
inline double ObjectToImage(double beta, double f, double H) {
    return (beta + 2.0 + 1.0 / beta) * f + H;
}

// Thin-lens depth of field for a permissible circle of confusion c. With a
// negative wantedDOF it uses fno as given: Fe = k fno and
// DOF = 2 Fe c / (beta^2 - fno^2 c^2 / f^2). Otherwise the wanted depth of
// field is stored and the F-numbers are derived from it:
// g = k f, Fe = (g sqrt(DOF^2 beta^2 + g^2) - g^2) / (DOF c), F = Fe / kFno.
// k is the pupil factor beta/P + 1 of the magnification that sets the
// effective aperture; kFno that of the magnification that converts the
// effective F-number back (the same k for most models).
void ThinLensDepthOfField(tagLensCalcResult& r, double beta, double k, double kFno, double f,
                          double fno, double wantedDOF, double coc);

// Thin-lens depth of field (ThinLensDepthOfField) for a lens whose focal
// length f and pupil magnification P = pupilNumerator / pupilDenominator are
// fits: the pupil factor is k = beta / P + 1. Returns false and writes
// nothing when f, the denominator or P counts as zero, since the formulas
// divide by each of them.
bool FittedLensDepthOfField(tagLensCalcResult& r, double beta, double f, double pupilNumerator,
                            double pupilDenominator, double fno, double wantedDOF, double coc);

// Depth of field of a lens whose pupil model gives the effective F-number:
// DOF = 2 Fe c / beta^2. With a negative wantedDOF, F is stored and Fe is
// feAtF (the pupil model's value at F); otherwise the wanted depth of field
// is stored, Fe is feWanted (beta^2 DOF / 2c as the model writes it) and the
// F-number is Fe / k, k being the pupil factor beta/P + 1.
void EffectiveFnoDepthOfField(tagLensCalcResult& r, double beta, double k, double F, double feAtF,
                              double feWanted, double wantedDOF, double coc);

}  // namespace optics
