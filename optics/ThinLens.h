// Pieces of the thin-lens family of models, shared so that each model file
// reads as its own formulas.
#pragma once

#include "optics/CCCTVData.h"

namespace optics {

// A quantity counts as zero within this tolerance, both ends included.
constexpr double kZeroTolerance = 1e-9;
// C-mount flange focal distance, mm.
constexpr double kFlangeDistance = 17.526;
// Close-up rings come in steps of 0.5 mm; the table has 201 entries.
constexpr double kRingStep = 0.5;
constexpr int kMaxRingIndex = tagLensCalcResult::kRingCount - 1;

inline double Sq(double x) { return x * x; }

inline bool IsZero(double x) { return x >= -kZeroTolerance && x <= kZeroTolerance; }

// Rings of 2.5 mm up to (not including) 5.0 mm are never used.
inline bool IsRefusedRing(double ring) { return ring >= 2.5 && ring < 5.0; }

// Object-to-image distance of a thin lens of focal length f whose principal
// planes lie H apart, at magnification beta: L = (beta + 2 + 1/beta) f + H.
inline double ObjectToImage(double beta, double f, double H) {
    return (beta + 2.0 + 1.0 / beta) * f + H;
}

// Ring index of a given ring thickness: the integer part of (2 t + 0.5).
// Returns -1 when that index lies outside the ring table (or t is not a
// number), so a caller never reads beyond the table.
int RingIndexOfThickness(double thickness);

// The smallest ring that brings a needed extension E within the draw range D
// (table steps of 0.5 mm, counted by repeated addition as the slack grows).
// When the search stops on a ring of 2.5 to 4.5 mm and E exceeds 5.0 mm, the
// 5.0 mm ring takes its place; when no ring up to 100 mm suffices the answer
// is the last one, 200. Returns the ring index.
int SearchRing(double extension, double maxDraw);

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

}  // namespace optics
