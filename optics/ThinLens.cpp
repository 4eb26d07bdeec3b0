#include "optics/ThinLens.h"

#include <cmath>

namespace optics {

int RingIndexOfThickness(double thickness) {
    const double t = 2.0 * thickness + 0.5;
    // Truncation toward zero, so anything above -1 gives index 0 or more.
    if (!(t > -1.0 && t < static_cast<double>(kMaxRingIndex + 1))) return -1;
    return static_cast<int>(t);
}

int SearchRing(double extension, double maxDraw) {
    double slack = maxDraw - extension;
    if (slack >= 0.0) return 0;
    for (int i = 1; i <= kMaxRingIndex; ++i) {
        slack += kRingStep;
        if (slack >= 0.0) {
            if (extension > 5.0 && i >= 5 && i <= 9) return 10;
            return i;
        }
    }
    return kMaxRingIndex;
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

int SuccessIfFinite(const tagLensCalcResult& r) { return r.AllFinite() ? kCalcOk : kCalcInfeasible; }

void WriteRangeEnd(tagLensCalcResult& r, int end, double sensor, double beta, const EndDistances& at) {
    r.dMagnification[end] = beta;
    r.dFOV[end] = sensor / beta;
    r.dWD[end] = at.dWD;
    r.dObjectToImage[end] = at.dObjectToImage;
    (end == kMinEnd ? r.nMinValid : r.nMaxValid) = 1;
}

}  // namespace optics
