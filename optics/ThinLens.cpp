#include "optics/ThinLens.h"

#include <cmath>

#include "optics/ParamReader.h"

namespace optics {

void ReadThinLensTokens(CCCTVData& lens, CParamReader& reader, double& token5) {
    reader.Next({&lens.m_dFocalLength, &lens.m_dPrincipalGap, &lens.m_dLensLength, &lens.m_dParam4, &token5,
                 &lens.m_dFrontDistB, &lens.m_dParam7, &lens.m_dPupilMagnification, &lens.m_dOpenFno,
                 &lens.m_dMaxDraw, &lens.m_dMaxRingLength, &lens.m_dImageCircle});
}

void ThinLensDepthOfField(tagLensCalcResult& r, double beta, double k, double kFno, double f,
                          double fno, double wantedDOF, double coc) {
    const double c = coc;
    if (wantedDOF < 0.0) {
        r.dFno = fno;
        const double Fe = k * fno;
        r.dEffectiveFno = Fe;
        r.dDOF = 2.0 * Fe * c / (Sq(beta) - Sq(fno) * Sq(c) / Sq(f));
    } else {
        r.dDOF = wantedDOF;
        const double g = k * f;
        const double Fe = (g * std::sqrt(Sq(wantedDOF) * Sq(beta) + Sq(g)) - Sq(g)) / (wantedDOF * c);
        r.dEffectiveFno = Fe;
        r.dFno = Fe / kFno;
    }
}

bool FittedLensDepthOfField(tagLensCalcResult& r, double beta, double f, double pupilNumerator,
                            double pupilDenominator, double fno, double wantedDOF, double coc) {
    if (IsZero(f) || IsZero(pupilDenominator)) return false;
    const double P = pupilNumerator / pupilDenominator;
    if (IsZero(P)) return false;
    const double k = beta / P + 1.0;
    ThinLensDepthOfField(r, beta, k, k, f, fno, wantedDOF, coc);
    return true;
}

void EffectiveFnoDepthOfField(tagLensCalcResult& r, double beta, double k, double F, double feAtF,
                              double feWanted, double wantedDOF, double coc) {
    if (wantedDOF < 0.0) {
        r.dFno = F;
        r.dEffectiveFno = feAtF;
        r.dDOF = 2.0 * feAtF * coc / Sq(beta);
    } else {
        r.dDOF = wantedDOF;
        r.dEffectiveFno = feWanted;
        r.dFno = feWanted / k;
    }
}

}  // namespace optics
