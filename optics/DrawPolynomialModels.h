// Draw-polynomial models: a lens described entirely by fitted curves.
//
//   WDcurve(b)  working distance at magnification b
//   OIcurve(W)  object-to-image distance at working distance W
//   H(b)        close-up ring that magnification b needs
//   Mcurve(z)   magnification reached with focus draw plus ring z
//
// Modes 0 and 3 invert WDcurve and OIcurve numerically. The close-up ring is
// taken from H(b) in 0.5 mm steps and the focus draw from Mcurve; a lens
// whose m_nDrawoutDirection is 0 gains magnification as it draws out, any
// other direction loses it.
//
// CCCTVData_Param20 (parameter type 20) has its focal length and pupil
// magnification as polynomials of the draw and the thin-lens depth of field;
// CCCTVData_Param200 (parameter types 21 and 200) a fitted depth-of-field
// curve of the magnification, and completes itself from the catalogue
// columns.
#pragma once

#include "optics/CCCTVData.h"

class CParamReader;

// What the two draw-polynomial models share: the four curves, the ring rule,
// the draw solver and the course of a calculation.
class CCCTVData_DrawPolynomial : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) final;

    double EvalCurveA(double beta) const;             // WDcurve(beta)
    double EvalCurveB(double WD) const;               // OIcurve(WD)
    double EvalRingCurve(double beta) const;          // H(beta)
    double EvalCurveC(double draw, double ring) const;  // Mcurve(draw + ring)

    // Ring index for a magnification at a working distance: 0 at and beyond
    // WDring, else the integer part of 2 H(beta) + 1 within the ring limit.
    int RingIndexFor(double beta, double WD) const;

    // The draw in [0, m_dMaxDraw] at which Mcurve(draw, ring) = beta, or -1.0
    // when the ring at draw 0 already passes beta by more than 1 %. A beta
    // that no draw reaches ends the bisection at one end of the range.
    double SolveQuartic(double beta, double ring) const;

    // True when the draw brings the magnification with the ring within 1 %
    // of beta: the bisection of SolveQuartic ends at a range end when the
    // draw that beta needs lies beyond it.
    bool DrawReaches(double beta, double draw, double ring) const;

    // True when WDcurve at beta lies within the inversion's tolerance of WD:
    // an inversion from a working distance that runs out of iterations
    // answers an end of the magnification range, whose working distance is
    // another.
    bool CurveReachesWD(double beta, double WD) const;

    double m_adWDCurve[8] = {};      // a1..a8 of WDcurve
    double m_adOICurve[7] = {};      // b1..b7 of OIcurve
    double m_adRingCurve[6] = {};    // h1..h6 of H
    double m_adMagCurve[5] = {};     // c1..c5 of Mcurve
    double m_dMaxMagnification = 0.0;  // largest magnification [beta_max]
    double m_dMinMagnification = 0.0;  // smallest magnification [beta_min]
    double m_dMaxWD = 0.0;           // longest working distance, mm; 10000 or more: unlimited
    double m_dMinWD = 0.0;           // shortest working distance, mm
    double m_dRingWD = 0.0;          // working distance at and beyond which no ring is needed, mm

protected:
    // Tokens 1 to 26: the four curves.
    void ReadCurves(CParamReader& reader);
    // The ten tokens after them (Param20: 30 to 39, Param200: 27 to 36):
    // beta_max, beta_min, image circle, ring limit, draw range, effective
    // diameter, WDmax, WDmin, WDring, open F-number.
    void ReadLimits(CParamReader& reader);

    // Magnification at a working distance (inverse of WDcurve).
    virtual double SolveWD(double WD) const = 0;
    // Working distance at an object-to-image distance (inverse of OIcurve).
    virtual double SolveOI(double OI) const = 0;
    // Depth of field or F-number at magnification beta and focus draw d;
    // false when a term of the model's own fit is degenerate (zero).
    virtual bool DepthOfField(tagLensCalcResult& r, double beta, double d, double fno,
                              double wantedDOF, double coc) const = 0;

    // Working distance above which range test 1 applies; 10000 or more
    // disables it.
    bool HasFarLimit() const;
    // Inverse of WDcurve by bisection between the bounds lo and hi; the ends
    // of the answer are judged against beta_min and beta_max.
    double BisectWD(double WD, double lo, double hi) const;
};

class CCCTVData_Param20 : public CCCTVData_DrawPolynomial {
public:
    void SetParameter() override;

    double SolveLaurent(double WD) const;  // magnification at a working distance
    double SolveLarge(double OI) const;    // working distance at an object-to-image distance

    double FocalLength(double d) const;         // A(d)

    double m_adFocalFromDraw[4] = {};     // f0..f3: A(d) = f0 + f1 d + f2 d^2 + f3 d^3
    double m_adPupilDenominator[4] = {};  // q0..q3 of P(d)
    double m_adPupilNumerator[4] = {};    // p0..p3 of P(d) = numerator / denominator

protected:
    double SolveWD(double WD) const override { return SolveLaurent(WD); }
    double SolveOI(double OI) const override { return SolveLarge(OI); }
    bool DepthOfField(tagLensCalcResult& r, double beta, double d, double fno, double wantedDOF,
                      double coc) const override;
};

class CCCTVData_Param200 : public CCCTVData_DrawPolynomial {
public:
    // Completes the record from the catalogue columns: assigns them, reads
    // the parameter text and splits the F-number list.
    explicit CCCTVData_Param200(const tagLensColumns& columns);

    void SetParameter() override;

    double SolveHelperA(double WD) const;  // magnification at a working distance
    double SolveHelperB(double OI) const;  // working distance at an object-to-image distance

    double EvalDOFCurve(double beta) const;  // DOFcurve(beta)

    double m_adDOFCurve[6] = {};  // d1..d6: depth of field at the open F-number, coc 0.04 mm

protected:
    double SolveWD(double WD) const override { return SolveHelperA(WD); }
    double SolveOI(double OI) const override { return SolveHelperB(OI); }
    bool DepthOfField(tagLensCalcResult& r, double beta, double d, double fno, double wantedDOF,
                      double coc) const override;
};
