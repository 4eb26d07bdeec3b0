// Thin-lens models of lenses used without close-up rings, whose
// magnification is confined to a fixed interval: [0, 0.3] (parameter type 11)
// and [0.3, 1.0] (parameter type 16).
//
// They share the thin-lens relations of the ring model
//   object-to-image   L(beta) = (beta + 2 + 1/beta) f + H
//   field of view     sensor / beta
// but choose no ring and compute no focus draw. An input outside the interval
// is answered with the configuration at the nearer end of the interval and
// code -2 (below) or -3 (above).
#pragma once

#include "optics/CCCTVData.h"

// The course both models share: the configuration by mode, the interval
// test, the depth of field and the range ends.
class CRinglessThinLens : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

protected:
    CRinglessThinLens(double betaMin, double betaMax) : m_dBetaMin(betaMin), m_dBetaMax(betaMax) {}

    double ObjectToImage(double beta) const;

    // Working distance at magnification beta.
    virtual double WorkingDistance(double beta) const = 0;
    // Mode 0 and mode 3: write what the input gives and return the
    // magnification, or not-a-number when the input has no real solution.
    virtual double FromWorkingDistance(tagLensCalcResult& r, double sensor, double value) const = 0;
    virtual double FromObjectToImage(tagLensCalcResult& r, double sensor, double value) const = 0;
    // The configurations at the two ends of the interval.
    virtual void WriteRangeEnds(tagLensCalcResult& r, double sensor) const = 0;

    const double m_dBetaMin;  // lower end of the magnification interval
    const double m_dBetaMax;  // upper end of the magnification interval
};

// Magnification 0 to 0.3; the working distance is measured from the object
// focal point: W(beta) = (1/beta + 1) f - s1 - s2.
class CCCTVData_Param11 : public CRinglessThinLens {
public:
    CCCTVData_Param11() : CRinglessThinLens(0.0, 0.3) {}
    void SetParameter() override;

protected:
    double WorkingDistance(double beta) const override;
    double FromWorkingDistance(tagLensCalcResult& r, double sensor, double value) const override;
    double FromObjectToImage(tagLensCalcResult& r, double sensor, double value) const override;
    void WriteRangeEnds(tagLensCalcResult& r, double sensor) const override;
};

// Magnification 0.3 to 1.0; the working distance is the object-to-image
// distance less the lens front to image distance K: W(beta) = L(beta) - K.
class CCCTVData_Param16 : public CRinglessThinLens {
public:
    CCCTVData_Param16() : CRinglessThinLens(0.3, 1.0) {}
    void SetParameter() override;

    double m_dFrontToImage = 0.0;  // K: lens front to image plane, mm

protected:
    double WorkingDistance(double beta) const override;
    double FromWorkingDistance(tagLensCalcResult& r, double sensor, double value) const override;
    double FromObjectToImage(tagLensCalcResult& r, double sensor, double value) const override;
    void WriteRangeEnds(tagLensCalcResult& r, double sensor) const override;

private:
    // The magnification for q = L / f - 2 - H / f: the smaller root of
    // beta + 1/beta = q, or -1.0 (below the interval) when |q| < 2.
    static double SmallerRoot(double q);
};
