// Power-law coefficient model: a lens described entirely by fitted curves
// read from its parameter text. No close-up rings.
//
//   WD(beta)  = cH beta^eH for beta >= betaSplit, else cL beta^eL
//   beta(WD)  = cN WD^eN   for WD <= wdSplit,    else cF WD^eF
//   OI(WD)    = WD sOI + oOI
//   mode 3    WD = OI sW + oW
//   mode 4+   beta = draw sB + oB
//   draw      = beta sD + oD, at most the draw range
//   g(beta), P(beta) = N(beta) / D(beta): quadratics that take the place of
//   the focal length and pupil magnification in the depth of field
// The magnification range [betaMin, betaMax] is tested after the mode; a
// violated end answers with the configuration there (-2 below, -3 above).
// The working distance has a floor.
#pragma once

#include "optics/CCCTVData.h"

class CCCTVData_Param17 : public CCCTVData {
public:
    void SetParameter() override;
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

    double m_dBetaSplit = 0.0;           // magnification where the WD curve changes branch
    double m_dWdCoefHigh = 0.0;          // WD = coef * beta^exp for beta >= m_dBetaSplit
    double m_dWdExpHigh = 0.0;
    double m_dWdCoefLow = 0.0;           // WD = coef * beta^exp for beta < m_dBetaSplit
    double m_dWdExpLow = 0.0;
    double m_dOiSlope = 0.0;             // OI = WD * slope + offset
    double m_dOiOffset = 0.0;
    double m_dWdSplit = 0.0;             // working distance where the beta curve changes branch
    double m_dBetaCoefNear = 0.0;        // beta = coef * WD^exp for WD <= m_dWdSplit
    double m_dBetaExpNear = 0.0;
    double m_dBetaCoefFar = 0.0;         // beta = coef * WD^exp for WD > m_dWdSplit
    double m_dBetaExpFar = 0.0;
    double m_dWdFromOiSlope = 0.0;       // WD = OI * slope + offset (object-to-image mode)
    double m_dWdFromOiOffset = 0.0;
    double m_dBetaFromDrawSlope = 0.0;   // beta = draw * slope + offset (draw modes)
    double m_dBetaFromDrawOffset = 0.0;
    double m_dBetaMax = 0.0;             // largest magnification
    double m_dBetaMin = 0.0;             // smallest magnification (0: no far end)
    double m_adG[3] = {};                // g(beta), beta^2 coefficient first
    double m_adPupilDen[3] = {};         // D(beta), beta^2 coefficient first
    double m_adPupilNum[3] = {};         // N(beta); pupil magnification N / D
    double m_dDrawSlope = 0.0;           // focus draw = beta * slope + offset
    double m_dDrawOffset = 0.0;
    double m_dWdMin = 0.0;               // shortest working distance reached

private:
    double WD(double beta) const;
    double Beta(double wd) const;
    double OI(double wd) const;
};
