// Pieces the optical models share, so that each model file reads as its own
// formulas: constants and thin-lens relations, the ring table rules, the two
// depth-of-field forms, the final check of a success, the writers of the range
// ends and the upward ring search. (The re-run at a violated range end is
// optics::RerunAtRangeEnd in optics/ModelMath.h.)
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

// Depth of field of a lens whose pupil model gives the effective F-number:
// DOF = 2 Fe c / beta^2. With a negative wantedDOF, F is stored and Fe is
// feAtF (the pupil model's value at F); otherwise the wanted depth of field
// is stored, Fe is feWanted (beta^2 DOF / 2c as the model writes it) and the
// F-number is Fe / k, k being the pupil factor beta/P + 1.
void EffectiveFnoDepthOfField(tagLensCalcResult& r, double beta, double k, double F, double feAtF,
                              double feWanted, double wantedDOF, double coc);

// Success, unless a value of the record is not finite (a zero denominator in
// the model, or a root of a negative number): such a configuration cannot be
// shown or compared, so it is infeasible.
int SuccessIfFinite(const tagLensCalcResult& r);

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

}  // namespace optics
