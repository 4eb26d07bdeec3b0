#include "optics/PowerLawModel.h"

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

void CCCTVData_Param17::SetParameter() {
    CParamReader reader(m_strParameter);
    m_dBetaSplit = reader.Next();
    m_dWdCoefHigh = reader.Next();
    m_dWdExpHigh = reader.Next();
    m_dWdCoefLow = reader.Next();
    m_dWdExpLow = reader.Next();
    m_dOiSlope = reader.Next();
    m_dOiOffset = reader.Next();
    m_dWdSplit = reader.Next();
    m_dBetaCoefNear = reader.Next();
    m_dBetaExpNear = reader.Next();
    m_dBetaCoefFar = reader.Next();
    m_dBetaExpFar = reader.Next();
    m_dWdFromOiSlope = reader.Next();
    m_dWdFromOiOffset = reader.Next();
    m_dBetaFromDrawSlope = reader.Next();
    m_dBetaFromDrawOffset = reader.Next();
    m_dBetaMax = reader.Next();
    m_dBetaMin = reader.Next();
    reader.Next(m_adG, 3);
    reader.Next(m_adPupilDen, 3);
    reader.Next(m_adPupilNum, 3);
    m_dDrawSlope = reader.Next();
    m_dDrawOffset = reader.Next();
    m_dImageCircle = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dEffectiveDiameter = reader.Next();
    m_dWdMin = reader.Next();
    m_dOpenFno = reader.Last();
}

double CCCTVData_Param17::WD(double beta) const {
    if (beta >= m_dBetaSplit) return PowerLaw{m_dWdCoefHigh, m_dWdExpHigh}.Times(beta);
    return PowerLaw{m_dWdCoefLow, m_dWdExpLow}.Times(beta);
}

double CCCTVData_Param17::Beta(double wd) const {
    if (wd <= m_dWdSplit) return PowerLaw{m_dBetaCoefNear, m_dBetaExpNear}.Times(wd);
    return PowerLaw{m_dBetaCoefFar, m_dBetaExpFar}.Times(wd);
}

double CCCTVData_Param17::OI(double wd) const { return wd * m_dOiSlope + m_dOiOffset; }

int CCCTVData_Param17::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r,
                                  double fno, double wantedDOF, double coc, double draw) {
    // 1. The configuration of the mode; the lens has no ring, so no extension.
    double beta;
    switch (mode) {
    case kModeFieldOfView:
        beta = sensor / value;
        r.dFOV[0] = value;
        r.dWD[0] = WD(beta);
        r.dObjectToImage[0] = OI(r.dWD[0]);
        break;
    case kModeMagnification:
        beta = value;
        r.dFOV[0] = sensor / beta;
        r.dWD[0] = WD(beta);
        r.dObjectToImage[0] = OI(r.dWD[0]);
        break;
    case kModeWorkingDistance:
        beta = Beta(value);
        r.dFOV[0] = sensor / beta;
        r.dWD[0] = value;
        r.dObjectToImage[0] = OI(value);
        break;
    case kModeObjectToImage: {
        const double w = value * m_dWdFromOiSlope + m_dWdFromOiOffset;
        // No working distance in front of the lens: beyond the near end.
        beta = w > 0.0 ? Beta(w) : m_dBetaMax + 1.0;
        r.dFOV[0] = sensor / beta;
        r.dWD[0] = w;
        r.dObjectToImage[0] = value;
        break;
    }
    default:  // the magnification follows the given focus draw
        beta = draw * m_dBetaFromDrawSlope + m_dBetaFromDrawOffset;
        r.dFOV[0] = sensor / beta;
        r.dWD[0] = WD(beta);
        r.dObjectToImage[0] = OI(r.dWD[0]);
        r.dFocusDraw[0] = draw;
        break;
    }
    r.dMagnification[0] = beta;
    r.dExtension[0] = 0.0;

    // 2. The magnification range, both ends inside.
    if (beta < m_dBetaMin)
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, m_dBetaMin, kModeMagnification, r,
                               fno, wantedDOF, coc, draw);
    if (beta > m_dBetaMax)
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, m_dBetaMax, kModeMagnification, r,
                               fno, wantedDOF, coc, draw);

    // 3. The working distance has a floor.
    if (r.dWD[0] < m_dWdMin) {
        r.dWD[0] = m_dWdMin;
        r.dObjectToImage[0] = OI(m_dWdMin);
    }
    const double g = Polynomial(m_adG, beta);
    const double P = Polynomial(m_adPupilNum, beta) / Polynomial(m_adPupilDen, beta);
    if (m_dMaxDraw > 0.0) {
        const double x = beta * m_dDrawSlope + m_dDrawOffset;
        r.dFocusDraw[0] = x > m_dMaxDraw ? m_dMaxDraw : x;
    }
    r.nValid = 1;
    const double m = beta / P + 1.0;
    // The thin-lens depth of field with g(beta) in place of the focal length.
    ThinLensDepthOfField(r, beta, m, m, g, fno, wantedDOF, coc);

    // 4, 5. Far end (smallest magnification; a zero magnification has none)
    // and near end (largest magnification), the working distance floored.
    WriteIntervalEnds(r, sensor, m_dBetaMin, m_dBetaMax, m_dWdMin, [&](double b) { return WD(b); },
                      [&](double wd) { return OI(wd); });
    return SuccessIfFinite(r);
}
