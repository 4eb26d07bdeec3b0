// Focus-draw polynomial models: a lens whose focusing changes its focal
// length, every quantity a fitted function of the focus draw x and the
// close-up ring e.
//
//   phi(x)      focal length
//   A(x, e)     magnification, with u = x + e:
//               m1 u + m2 phi + m3 phi^2 + m4 u / phi + m5
//   W(x, b)     working distance: w1 phi + w2 b + w3 phi / b + w4 A(x, 0) + w5
//   S(x, e)     lens length
//   T(x, e, W)  object-to-image distance S(x, e) + W + c0
//
// The draw for a wanted magnification, working distance or object-to-image
// distance is found by bisection over [0, D]; the close-up ring comes from
// fitted estimates r(b), r(W) and E(y) in 0.5 mm steps.
//
// CCCTVData_Param19 (parameter type 19): lens length l0 + l1 x + l2 e and
// the thin-lens depth of field with a fitted pupil magnification P(x);
// CCCTVData_Param119 (parameter type 119): lens length j1 x^2 + j2 x + j3 + e
// and a fitted depth of field D(b) taken at the open F-number.
#pragma once

#include "optics/CCCTVData.h"

class CParamReader;

// What the two focus-draw models share: the fits, the ring rules, both
// solvers and the course of a calculation.
class CCCTVData_FocusDrawPolynomial : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) final;

    double RingFromMag(double beta) const;  // r(beta)
    double RingFromWD(double W) const;      // r(W)
    double OIFromRing(double ring) const;   // E(y), y = ring + 1
    double Focal(double x) const;           // phi(x)
    double Magnification(double x, double e, double phi) const;  // A(x, e), phi = phi(x)
    double WorkingDistance(double x, double beta, double phi) const;  // W(x, beta), phi = phi(x)
    double MinMagnification(double e) const;  // Bmin(e): draw 0 with ring e
    double MinWD(double e) const;             // Wmin(e): working distance there
    virtual double LensLength(double x, double e) const = 0;  // S(x, e)
    double ObjectToImage(double x, double e, double W) const;  // T(x, e, W)

    // The ring estimate for an object-to-image distance: bisection of E over
    // [0, Rmax]; -1.0 (no ring) when the distance lies beyond E of every ring.
    double RingForDistance(double OI) const;

    // The draw x at which A(x, e) = target, with phi = phi(x) of the last
    // evaluation. False when the bisection ran out of iterations: the
    // target lies beyond what the ring reaches within [0, D].
    bool SolveFocusDraw(double e, double target, double& x, double& phi) const;

    // The draw x at which T(x, e, W) = target, with the lens length S, the
    // working distance W, phi and the magnification beta of the last
    // evaluation. False when the bisection ran out of iterations.
    bool SolveFocusDrawForDistance(double e, double target, double& S, double& W, double& x,
                                   double& phi, double& beta) const;

    double m_adRingFromMag[5] = {};     // s1..s5: r(b) = s1 b^4 + s2 b^3 + s3 b^2 + s4 b + s5
    double m_adRingFromWD[5] = {};      // t1..t5: r(W) = t1 W + t2 W^2 + t3 W^-1 + t4 W^-2 + t5
    double m_adOIFromRing[7] = {};      // o1..o7 of E(y)
    double m_adMagCoef[5] = {};         // m1..m5 of A(x, e)
    double m_adWDCoef[5] = {};          // w1..w5 of W(x, b)
    double m_adFocalFromDraw[4] = {};   // k1..k4: phi(x) = k1 x^3 + k2 x^2 + k3 x + k4
    double m_adMinMagFromRing[5] = {};  // g1..g5: Bmin(e) = g1 e^4 + g2 e^3 + g3 e^2 + g4 e + g5
    double m_adMinWDFromRing[5] = {};   // h1..h5: Wmin(e) = h1 e + h2 e^2 + h3 e^-1 + h4 e^-2 + h5
    double m_dOIConstant = 0.0;         // c0, added to every object-to-image distance, mm
    double m_dMaxMagnification = 0.0;   // beta_max
    double m_dMinMagnification = 0.0;   // beta_min
    double m_dMinWD = 0.0;              // W_short: full draw with the longest ring, mm
    double m_dRingWD = 0.0;             // W_ring: below it a ring is needed; full draw without ring, mm

protected:
    // Tokens 1 to 17: r(b), r(W), E(y).
    void ReadRingEstimates(CParamReader& reader);
    // The tokens from beta_max to the open F-number (Param19: 54 to 62,
    // Param119: 43 to 51).
    void ReadLimits(CParamReader& reader);

    // Depth of field or F-number at magnification beta, draw x and focal
    // length phi; false when a term of the model's own fit is degenerate.
    virtual bool DepthOfField(tagLensCalcResult& r, double beta, double x, double phi, double fno,
                              double wantedDOF, double coc) const = 0;

    // True for a model that leaves magnification and draw unwritten when the
    // working distance of mode 0 is missed by more than 10 mm.
    virtual bool LeavesFarMissUnwritten() const { return false; }
};

class CCCTVData_Param19 : public CCCTVData_FocusDrawPolynomial {
public:
    void SetParameter() override;

    double LensLength(double x, double e) const override;  // l0 + l1 x + l2 e

    double m_dLengthConstant = 0.0;      // l0, mm
    double m_adPupilDenominator[5] = {};  // d1..d5: d1 x^4 + d2 x^3 + d3 x^2 + d4 x + d5
    double m_adPupilNumerator[5] = {};    // q1..q5; P(x) = numerator / denominator
    double m_dLengthPerDraw = 0.0;       // l1, lens length per mm of draw
    double m_dLengthPerRing = 0.0;       // l2, lens length per mm of ring

protected:
    bool DepthOfField(tagLensCalcResult& r, double beta, double x, double phi, double fno,
                      double wantedDOF, double coc) const override;
};

class CCCTVData_Param119 : public CCCTVData_FocusDrawPolynomial {
public:
    void SetParameter() override;

    double LensLength(double x, double e) const override;  // j1 x^2 + j2 x + j3 + e
    double DepthOfFieldAtOpenFno(double beta) const;       // D(b)

    double m_adDOFFromMag[6] = {};      // k1..k6 of D(b), at the open F-number and coc 0.04 mm
    double m_adLengthFromDraw[3] = {};  // j1..j3 of the lens length

protected:
    bool DepthOfField(tagLensCalcResult& r, double beta, double x, double phi, double fno,
                      double wantedDOF, double coc) const override;
    bool LeavesFarMissUnwritten() const override { return true; }
};
