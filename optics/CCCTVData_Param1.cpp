#include "optics/CCCTVData_Param1.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

void CCCTVData_Param1::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadThinLensTokens(*this, reader, m_dFrontDistA);
    m_dExtensionOffset = reader.Next();
    m_dWDOffset = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param1::ObjectToImage(double beta) const {
    return optics::ObjectToImage(beta, m_dFocalLength, m_dPrincipalGap);
}

double CCCTVData_Param1::WorkingDistance(double L, double extension) const {
    return L - m_dLensLength - kFlangeDistance - extension + m_dWDOffset;
}

int CCCTVData_Param1::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r,
                                 double fno, double wantedDOF, double coc, double draw) {
    const double f = m_dFocalLength;
    const double D = m_dMaxDraw;
    double X = D;  // draw at the far end of the range
    bool searchRing = true;

    // 1. The configuration asked for.
    switch (mode) {
    case kModeFieldOfView:
    case kModeMagnification: {
        // A zero field of view or magnification (or a zero sensor) has no
        // finite configuration.
        if (IsZero(value)) return kCalcInfeasible;
        const double beta = mode == kModeFieldOfView ? sensor / value : value;
        if (IsZero(beta)) return kCalcInfeasible;
        r.nValid = 1;
        if (mode == kModeFieldOfView) {
            r.dFOV[0] = value;
        } else {
            r.dFOV[0] = sensor / value;
        }
        r.dMagnification[0] = beta;
        r.dExtension[0] = Extension(beta);
        r.dObjectToImage[0] = ObjectToImage(beta);
        r.dWD[0] = WorkingDistance(r.dObjectToImage[0], r.dExtension[0]);
        break;
    }
    case kModeWorkingDistance: {
        r.dWD[0] = value;
        const double d = value + m_dFrontDistA + m_dFrontDistB - f;
        r.nValid = 1;
        if (IsZero(d)) break;  // object at the focal point: nothing to compute
        const double beta = f / d;
        r.dMagnification[0] = beta;
        if (IsZero(beta)) break;
        r.dFOV[0] = sensor / beta;
        r.dExtension[0] = Extension(beta);
        r.dObjectToImage[0] = ObjectToImage(beta);
        break;
    }
    case kModeObjectToImage: {
        if (IsZero(f)) return kCalcInfeasible;
        const double q = (value - m_dPrincipalGap - 2.0 * f) / f;
        const double disc = q * q - 4.0;
        if (!(disc >= 0.0)) return kCalcInfeasible;  // shorter than 4f + H: no real root
        const double beta = (q - std::sqrt(disc)) / 2.0;
        if (IsZero(beta)) return kCalcInfeasible;
        r.dObjectToImage[0] = value;
        r.dMagnification[0] = beta;
        r.nValid = 1;
        r.dFOV[0] = sensor / beta;
        r.dExtension[0] = Extension(beta);
        r.dWD[0] = WorkingDistance(value, r.dExtension[0]);
        break;
    }
    default: {  // a given ring (value) and focus draw
        if (IsZero(f)) return kCalcInfeasible;
        // A given ring must lie in the ring table; modes above 4 search the
        // ring afterwards, so their given thickness only seeds the index.
        const int ring = RingIndexOfThickness(value);
        if (ring < 0 && mode == kModeRing) return kCalcInfeasible;
        const double beta = (value + draw + m_dExtensionOffset) / f;
        if (IsZero(beta)) return kCalcInfeasible;
        r.dFocusDraw[0] = draw;
        r.nValid = 1;
        r.dMagnification[0] = beta;
        r.nRingIndex = ring < 0 ? 0 : ring;
        r.dFOV[0] = sensor / beta;
        r.dExtension[0] = Extension(beta);
        r.dObjectToImage[0] = ObjectToImage(beta);
        r.dWD[0] = WorkingDistance(r.dObjectToImage[0], r.dExtension[0]);
        if (mode == kModeRing) {
            X = draw;
            searchRing = false;
        }
        break;
    }
    }

    // 2. The smallest ring that brings the extension within the draw range.
    if (searchRing) {
        const double E = r.dExtension[0];
        r.nRingIndex = SearchRing(E, D);
        r.dFocusDraw[0] = E - r.dRing[r.nRingIndex];
    }
    const double R = r.dRing[r.nRingIndex];

    // 3. Rings of 2.5 to 4.5 mm are refused.
    if (IsRefusedRing(R)) return kCalcInfeasible;

    // 4. Depth of field, or the F-number for a wanted depth of field.
    const double beta = r.dMagnification[0];
    const double k = beta / m_dPupilMagnification + 1.0;
    ThinLensDepthOfField(r, beta, k, k, f, fno, wantedDOF, coc);

    // 5. Range tests.
    if (r.dFocusDraw[0] < 0.0) return kCalcBelowRange;
    if (R > m_dMaxRingLength) return kCalcAboveRange;
    if (r.dFocusDraw[0] > X) return kCalcAboveRange;

    // 6. Far end: no focus draw with this ring.
    const double betaMin = (R + m_dExtensionOffset) / f;
    r.dMagnification[kMinEnd] = betaMin;
    if (!IsZero(betaMin)) {
        r.dFOV[kMinEnd] = sensor / betaMin;
        if (betaMin > beta) return kCalcInfeasible;
        const double L = ObjectToImage(betaMin);
        WriteRangeEnd(r, kMinEnd, sensor, betaMin, {WorkingDistance(L, R), L});
    }

    // 7. Near end: full draw with this ring.
    const double betaMax = (X + R + m_dExtensionOffset) / f;
    r.dMagnification[kMaxEnd] = betaMax;
    if (IsZero(betaMax)) return SuccessIfFinite(r);
    const double L = ObjectToImage(betaMax);
    WriteRangeEnd(r, kMaxEnd, sensor, betaMax, {WorkingDistance(L, X + R), L});
    return SuccessIfFinite(r);
}
