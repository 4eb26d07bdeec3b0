#include "optics/RinglessModels.h"

#include <cmath>
#include <limits>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

constexpr double kNoSolution = std::numeric_limits<double>::quiet_NaN();

// 1/0.3 + 1 and 0.3 + 2 + 1/0.3 as the nearest doubles.
constexpr double kWDFactorAt03 = 4.333333333333334;
constexpr double kOIFactorAt03 = 5.633333333333333;

}  // namespace

double CRinglessThinLens::ObjectToImage(double beta) const {
    return optics::ObjectToImage(beta, m_dFocalLength, m_dPrincipalGap);
}

int CRinglessThinLens::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                                  double wantedDOF, double coc, double draw) {
    double beta = 0.0;
    switch (mode) {
    case kModeFieldOfView:
        r.dExtension[0] = 0.0;
        r.dFOV[0] = value;
        beta = sensor / value;
        r.dMagnification[0] = beta;
        r.dWD[0] = WorkingDistance(beta);
        r.dObjectToImage[0] = ObjectToImage(beta);
        break;
    case kModeMagnification:
        r.dExtension[0] = 0.0;
        beta = value;
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / value;
        r.dWD[0] = WorkingDistance(beta);
        r.dObjectToImage[0] = ObjectToImage(beta);
        break;
    case kModeWorkingDistance:
        r.dExtension[0] = 0.0;
        beta = FromWorkingDistance(r, sensor, value);
        break;
    case kModeObjectToImage:
        r.dExtension[0] = 0.0;
        beta = FromObjectToImage(r, sensor, value);
        break;
    default:  // no input of these lenses: the preset magnification stands
        beta = r.dMagnification[0];
        break;
    }
    // No real root, or zero over zero: no configuration at all.
    if (std::isnan(beta)) return kCalcInfeasible;

    // Outside the interval: the configuration at the nearer end.
    if (beta < m_dBetaMin)
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, m_dBetaMin, kModeMagnification, r, fno, wantedDOF,
                               coc, draw);
    if (beta > m_dBetaMax)
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, m_dBetaMax, kModeMagnification, r, fno, wantedDOF,
                               coc, draw);

    r.nValid = 1;
    const double k = beta / m_dPupilMagnification + 1.0;
    ThinLensDepthOfField(r, beta, k, k, m_dFocalLength, fno, wantedDOF, coc);
    WriteRangeEnds(r, sensor);
    return SuccessIfFinite(r);
}

// -- Param11 --

void CCCTVData_Param11::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadThinLensTokens(*this, reader, m_dFrontDistA);
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param11::WorkingDistance(double beta) const {
    return (1.0 / beta + 1.0) * m_dFocalLength - m_dFrontDistA - m_dFrontDistB;
}

double CCCTVData_Param11::FromWorkingDistance(tagLensCalcResult& r, double sensor, double value) const {
    r.dWD[0] = value;
    const double beta = 1.0 / ((value + m_dFrontDistA + m_dFrontDistB) / m_dFocalLength - 1.0);
    r.dMagnification[0] = beta;
    r.dObjectToImage[0] = ObjectToImage(beta);
    r.dFOV[0] = sensor / beta;
    return beta;
}

double CCCTVData_Param11::FromObjectToImage(tagLensCalcResult& r, double sensor, double value) const {
    r.dObjectToImage[0] = value;
    const double q = (value - m_dPrincipalGap) / m_dFocalLength - 2.0;
    const double disc = q * q - 4.0;
    if (!(disc >= 0.0)) return kNoSolution;  // shorter than 4f + H
    const double beta = (q - std::sqrt(disc)) * 0.5;
    r.dMagnification[0] = beta;
    r.dWD[0] = WorkingDistance(beta);
    r.dFOV[0] = sensor / beta;
    return beta;
}

void CCCTVData_Param11::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    const double f = m_dFocalLength;
    r.dMagnification[kMinEnd] = 0.0;  // focus at infinity: nothing finite to write
    WriteRangeEnd(r, kMaxEnd, sensor, 0.3,
                  {kWDFactorAt03 * f - m_dFrontDistA - m_dFrontDistB, kOIFactorAt03 * f + m_dPrincipalGap});
}

// -- Param16 --

void CCCTVData_Param16::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadThinLensTokens(*this, reader, m_dFrontToImage);
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param16::WorkingDistance(double beta) const { return ObjectToImage(beta) - m_dFrontToImage; }

double CCCTVData_Param16::SmallerRoot(double q) {
    if (-2.0 < q && q < 2.0) return -1.0;
    return (q - std::sqrt(q * q - 4.0)) * 0.5;
}

double CCCTVData_Param16::FromWorkingDistance(tagLensCalcResult& r, double sensor, double value) const {
    r.dWD[0] = value;
    r.dObjectToImage[0] = value + m_dFrontToImage;
    const double q = (value + m_dFrontToImage - m_dPrincipalGap) / m_dFocalLength - 2.0;
    const double beta = SmallerRoot(q);
    r.dMagnification[0] = beta;
    r.dFOV[0] = sensor / beta;
    return beta;
}

double CCCTVData_Param16::FromObjectToImage(tagLensCalcResult& r, double sensor, double value) const {
    r.dObjectToImage[0] = value;
    const double q = (value - m_dPrincipalGap) / m_dFocalLength - 2.0;
    const double beta = SmallerRoot(q);
    r.dMagnification[0] = beta;
    r.dFOV[0] = sensor / beta;
    r.dWD[0] = value - m_dFrontToImage;
    return beta;
}

void CCCTVData_Param16::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    const double f = m_dFocalLength;
    const double K = m_dFrontToImage;
    const double L03 = kOIFactorAt03 * f + m_dPrincipalGap;
    WriteRangeEnd(r, kMinEnd, sensor, 0.3, {L03 - K, L03});
    const double L1 = 4.0 * f + m_dPrincipalGap;
    WriteRangeEnd(r, kMaxEnd, sensor, 1.0, {L1 - K, L1});
}
