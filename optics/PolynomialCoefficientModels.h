// Polynomial coefficient models: a lens without a thin-lens formula, every
// relation a fitted sum of power terms.
//
//   W(b)  working distance at magnification b
//   B(W)  magnification at working distance W
//   L(W)  object-to-image distance at working distance W
//   V(L)  working distance at object-to-image distance L
//
// The lens takes no close-up ring; its magnification follows the focus draw
// linearly (b = g1 draw + g0, draw = h1 b + h0); its working distance has a
// floor W_min; its magnification range is [beta_min, beta_max]. Outside the
// range the answer is the configuration at the nearer end.
//
// CCCTVData_Param18 (parameter type 18) takes the thin-lens depth of field
// with a fitted focal length fl(b) and pupil magnification P(b);
// CCCTVData_Param118 (parameter type 118) scales a fitted depth of field
// D(b) taken at the open F-number.
#pragma once

#include "optics/CCCTVData.h"

class CParamReader;

// What the two polynomial coefficient models share: the fits and the course
// of a calculation.
class CCCTVData_PolynomialCoefficient : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) final;

    double WorkingDistance(double beta) const;  // W(beta)
    double Magnification(double W) const;       // B(W)
    double ObjectToImage(double W) const;       // L(W)
    double WDFromOI(double L) const;            // V(L)
    double FocalLength(double beta) const;      // fl(beta)

    double m_adWDFromMag[8] = {};         // a1..a8 of W(beta)
    double m_adMagFromWD[6] = {};         // b1..b6 of B(W)
    double m_adOIFromWD[7] = {};          // c1..c7 of L(W)
    double m_adWDFromOI[7] = {};          // d1..d7 of V(L)
    double m_dMagPerDraw = 0.0;           // g1, magnification per mm of focus draw
    double m_dMagAtZeroDraw = 0.0;        // g0, magnification at draw 0
    double m_dMaxMagnification = 0.0;     // beta_max
    double m_dMinMagnification = 0.0;     // beta_min
    double m_adFocalFromMag[3] = {};      // f1..f3 of fl(beta) = f1 b^2 + f2 b + f3
    double m_adPupilDenominator[3] = {};  // p1..p3: p1 b^2 + p2 b + p3
    double m_adPupilNumerator[3] = {};    // q1..q3: q1 b^2 + q2 b + q3; P = numerator / denominator
    double m_dDrawPerMag = 0.0;           // h1, focus draw per unit of magnification
    double m_dDrawAtZeroMag = 0.0;        // h0, focus draw at magnification 0
    double m_dMinWD = 0.0;                // floor of the working distance W_min, mm

protected:
    // Tokens 1 to 48, up to and including W_min.
    void ReadCoefficients(CParamReader& reader);

    // Depth of field or F-number at magnification beta; false when a term of
    // the model's own fit is degenerate (zero).
    virtual bool DepthOfField(tagLensCalcResult& r, double beta, double fno, double wantedDOF,
                              double coc) const = 0;
};

class CCCTVData_Param18 : public CCCTVData_PolynomialCoefficient {
public:
    void SetParameter() override;

protected:
    bool DepthOfField(tagLensCalcResult& r, double beta, double fno, double wantedDOF,
                      double coc) const override;
};

class CCCTVData_Param118 : public CCCTVData_PolynomialCoefficient {
public:
    void SetParameter() override;

    double DepthOfFieldAtOpenFno(double beta) const;  // D(beta)

    double m_adDOFFromMag[6] = {};  // k1..k6 of D(beta), at the open F-number and coc 0.04 mm

protected:
    bool DepthOfField(tagLensCalcResult& r, double beta, double fno, double wantedDOF,
                      double coc) const override;
};
