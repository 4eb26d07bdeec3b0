#include "optics/PolynomialCoefficientModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// B(W) = b1 W + b2 W^2 + b3 W^-1 + b4 W^-2 + b5 W^-0.5 + b6
constexpr double kMagFromWDExponents[6] = {1.0, 2.0, -1.0, -2.0, -0.5, 0.0};

}  // namespace

// ---- fits ------------------------------------------------------------------

double CCCTVData_PolynomialCoefficient::WorkingDistance(double beta) const {
    return SumOfPowers(m_adWDFromMag, kWDFromMagExponents, beta);
}

double CCCTVData_PolynomialCoefficient::Magnification(double W) const {
    return SumOfPowers(m_adMagFromWD, kMagFromWDExponents, W);
}

double CCCTVData_PolynomialCoefficient::ObjectToImage(double W) const {
    return SumOfPowers(m_adOIFromWD, kOIFromWDExponents, W);
}

double CCCTVData_PolynomialCoefficient::WDFromOI(double L) const {
    return SumOfPowers(m_adWDFromOI, kOIFromWDExponents, L);
}

double CCCTVData_PolynomialCoefficient::FocalLength(double beta) const {
    return Polynomial(m_adFocalFromMag, beta);
}

// ---- calculation -----------------------------------------------------------

int CCCTVData_PolynomialCoefficient::CalcOptics(double sensor, double value, int mode,
                                                tagLensCalcResult& r, double fno, double wantedDOF,
                                                double coc, double draw) {
    double beta = 0.0;
    double W = 0.0;

    // 1. The configuration asked for.
    switch (mode) {
    case kModeFieldOfView:
        r.dFOV[0] = value;
        beta = sensor / value;
        r.dMagnification[0] = beta;
        r.dWD[0] = W = WorkingDistance(beta);
        r.dObjectToImage[0] = ObjectToImage(W);
        r.dExtension[0] = 0.0;
        break;
    case kModeMagnification:
        beta = value;
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / value;
        r.dExtension[0] = 0.0;
        r.dWD[0] = W = WorkingDistance(beta);
        r.dObjectToImage[0] = ObjectToImage(W);
        break;
    case kModeWorkingDistance:
        r.dWD[0] = W = value;
        beta = Magnification(W);
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / beta;
        r.dObjectToImage[0] = ObjectToImage(W);
        r.dExtension[0] = 0.0;
        break;
    case kModeObjectToImage:
        r.dObjectToImage[0] = value;
        W = WDFromOI(value);
        r.dWD[0] = W;
        beta = Magnification(W);
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / beta;
        r.dExtension[0] = 0.0;
        break;
    default:  // a given focus draw; no ring, the thickness is not used
        r.dExtension[0] = 0.0;
        r.dFocusDraw[0] = draw;
        beta = m_dMagPerDraw * draw + m_dMagAtZeroDraw;
        r.dMagnification[0] = beta;
        r.dWD[0] = W = WorkingDistance(beta);
        r.dObjectToImage[0] = ObjectToImage(W);
        r.dFOV[0] = sensor / beta;
        break;
    }

    // A magnification that is not a number (0 / 0, or a fit taken at a
    // negative distance) lies in no range.
    if (std::isnan(beta)) return kCalcInfeasible;

    // 2, 3. Range tests: the configuration at the violated end instead.
    if (beta < m_dMinMagnification)
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, m_dMinMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);
    if (beta > m_dMaxMagnification)
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, m_dMaxMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);

    // 4. The working distance has a floor; magnification and field of view
    // stay as computed.
    if (W < m_dMinWD) {
        r.dWD[0] = m_dMinWD;
        r.dObjectToImage[0] = ObjectToImage(m_dMinWD);
    }

    // 5. Focus draw, limited to the draw range from above only.
    if (m_dMaxDraw > 0.0) {
        double x = m_dDrawPerMag * beta + m_dDrawAtZeroMag;
        if (x > m_dMaxDraw) x = m_dMaxDraw;
        r.dFocusDraw[0] = x;
    }

    // 6, 7. Depth of field.
    r.nValid = 1;
    if (!DepthOfField(r, beta, fno, wantedDOF, coc)) return kCalcInfeasible;

    // 8, 9. Smallest magnification (no floor at this end) and largest, its
    // working distance raised to the floor.
    WriteIntervalEnds(r, sensor, m_dMinMagnification, m_dMaxMagnification, m_dMinWD,
                      [&](double beta) { return WorkingDistance(beta); },
                      [&](double W) { return ObjectToImage(W); });
    return SuccessIfFinite(r);
}

// ---- parameter texts -------------------------------------------------------

void CCCTVData_PolynomialCoefficient::ReadCoefficients(CParamReader& reader) {
    reader.Next(m_adWDFromMag, 8);         // 1-8
    reader.Next(m_adMagFromWD, 6);         // 9-14
    reader.Next(m_adOIFromWD, 7);          // 15-21
    reader.Next(m_adWDFromOI, 7);          // 22-28
    m_dMagPerDraw = reader.Next();         // 29
    m_dMagAtZeroDraw = reader.Next();      // 30
    m_dMaxMagnification = reader.Next();   // 31
    m_dMinMagnification = reader.Next();   // 32
    reader.Next(m_adFocalFromMag, 3);      // 33-35
    reader.Next(m_adPupilDenominator, 3);  // 36-38
    reader.Next(m_adPupilNumerator, 3);    // 39-41
    m_dDrawPerMag = reader.Next();         // 42
    m_dDrawAtZeroMag = reader.Next();      // 43
    m_dImageCircle = reader.Next();        // 44
    m_dMaxRingLength = reader.Next();      // 45, for the pages only
    m_dMaxDraw = reader.Next();            // 46
    m_dEffectiveDiameter = reader.Next();  // 47
    m_dMinWD = reader.Next();              // 48
}

// ---- Param18: thin-lens depth of field with fitted focal length and pupil ---

void CCCTVData_Param18::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadCoefficients(reader);
    m_dOpenFno = reader.Last();  // 49, for the pages only
}

bool CCCTVData_Param18::DepthOfField(tagLensCalcResult& r, double beta, double fno,
                                     double wantedDOF, double coc) const {
    return FittedLensDepthOfField(r, beta, FocalLength(beta), Polynomial(m_adPupilNumerator, beta),
                             Polynomial(m_adPupilDenominator, beta), fno, wantedDOF, coc);
}

// ---- Param118: fitted depth of field at the open F-number -------------------

void CCCTVData_Param118::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadCoefficients(reader);
    m_dOpenFno = reader.Next();         // 49
    reader.Next(m_adDOFFromMag, 5);     // 50-54
    m_adDOFFromMag[5] = reader.Last();  // 55
}

double CCCTVData_Param118::DepthOfFieldAtOpenFno(double beta) const {
    return SumOfPowers(m_adDOFFromMag, kDOFFromMagExponents, beta);
}

bool CCCTVData_Param118::DepthOfField(tagLensCalcResult& r, double beta, double fno,
                                      double wantedDOF, double coc) const {
    return FittedDepthOfFieldIfDefined(r, DepthOfFieldAtOpenFno(beta), beta, fno, m_dOpenFno,
                                       wantedDOF, coc);
}
