#include "optics/FixedMagnificationModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// The band around the lens's own magnification (or working distance) that a
// request must fall in.
constexpr double kBandHigh = 1.26;
constexpr double kBandLow = 0.74;

// Circle of confusion at which the catalogue states its depth of field, mm.
constexpr double kCatalogCoc = 0.04;

}  // namespace

void CFixedMagnificationLens::ReadParameters(bool withOpenFno) {
    CParamReader reader(m_strParameter);
    reader.Next({&m_dFixedMagnification, &m_dFixedFocalLength, &m_dFixedToken3, &m_dFixedToken4, &m_dFixedWD,
                 &m_dFixedToken6, &m_dFixedObjectToImage, &m_dFixedToken8, &m_dFixedToken9, &m_dCatalogDOF,
                 &m_dFixedToken11, &m_dFixedToken12, &m_dFixedToken13, &m_dFixedToken14, &m_dEntrancePupil,
                 &m_dExitPupil, &m_dFixedToken17, &m_dFixedToken18, &m_dFixedToken19, &m_dImageCircle,
                 &m_dMaxRingLength});
    if (withOpenFno) {
        m_dEffectiveDiameter = reader.Next();
        m_dOpenFno = reader.Last();
    } else {
        m_dEffectiveDiameter = reader.Last();
    }
}

int CFixedMagnificationLens::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                                        double wantedDOF, double coc, double draw) {
    const double B0 = std::fabs(m_dFixedMagnification);

    // 1. The input magnification.
    double beta = 0.0;
    switch (mode) {
    case kModeFieldOfView:
        beta = sensor / value;
        r.dMagnification[0] = beta;
        break;
    case kModeMagnification:
        beta = value;
        r.dMagnification[0] = beta;
        break;
    case kModeWorkingDistance: {
        const double W = value;
        const double W0 = std::fabs(m_dFixedWD);
        if (W0 > kBandHigh * W || kBandLow * W > W0) return kCalcInfeasible;
        beta = B0;
        r.dMagnification[0] = beta;
        break;
    }
    default:  // no input of this lens: the preset magnification stands
        beta = r.dMagnification[0];
        break;
    }

    // 2-3. Depth of field at the input magnification.
    r.nValid = 1;
    DepthOfField(r, beta, B0, fno, wantedDOF, coc);

    // 4. Only a magnification strictly inside the band is this lens's.
    if (!(kBandHigh * beta > B0 && B0 > kBandLow * beta)) return kCalcInfeasible;

    // 5. The lens's own configuration.
    r.dMagnification[0] = B0;
    r.dFOV[0] = sensor / B0;
    r.dWD[0] = m_dFixedWD;
    r.dObjectToImage[0] = m_dFixedObjectToImage;
    r.dExtension[0] = 0.0;
    return SuccessIfFinite(r);
}

// -- Param10 --

void CCCTVData_Param10::SetParameter() { ReadParameters(false); }

void CCCTVData_Param10::DepthOfField(tagLensCalcResult& r, double beta, double B0, double fno, double wantedDOF,
                                     double coc) const {
    const double P = m_dExitPupil / m_dEntrancePupil;
    const double k = beta / P + 1.0;
    ThinLensDepthOfField(r, B0, k, B0 / P + 1.0, m_dFixedFocalLength, fno, wantedDOF, coc);
}

// -- Param100 --

void CCCTVData_Param100::SetParameter() { ReadParameters(true); }

void CCCTVData_Param100::DepthOfField(tagLensCalcResult& r, double beta, double, double fno, double wantedDOF,
                                      double coc) const {
    const double G = m_dCatalogDOF;
    const double Fo = m_dOpenFno;
    const double ratio = kCatalogCoc / coc;
    if (wantedDOF < 0.0) {
        r.dFno = fno;
        r.dDOF = G / ratio;
        r.dEffectiveFno = Sq(beta) * (G * 0.5) / kCatalogCoc * (fno / Fo);
    } else {
        r.dDOF = wantedDOF;
        const double t = wantedDOF / G;
        r.dFno = t * Fo * ratio;
        r.dEffectiveFno = Sq(beta) * (G * 0.5) / coc * t;
    }
}
