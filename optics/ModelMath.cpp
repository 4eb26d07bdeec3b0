#include "optics/ModelMath.h"

#include <algorithm>

namespace optics {

namespace {

// Depth of the range-end re-runs in progress on this thread.
thread_local int g_rerunDepth = 0;

struct RerunScope {
    RerunScope() { ++g_rerunDepth; }
    ~RerunScope() { --g_rerunDepth; }
    RerunScope(const RerunScope&) = delete;
    RerunScope& operator=(const RerunScope&) = delete;
};

}  // namespace

int SuccessIfFinite(const tagLensCalcResult& r) { return r.AllFinite() ? kCalcOk : kCalcInfeasible; }

void WriteRangeEnd(tagLensCalcResult& r, int end, double sensor, double beta, const EndDistances& at) {
    r.dMagnification[end] = beta;
    r.dFOV[end] = sensor / beta;
    r.dWD[end] = at.dWD;
    r.dObjectToImage[end] = at.dObjectToImage;
    (end == kMinEnd ? r.nMinValid : r.nMaxValid) = 1;
}

int RerunAtRangeEnd(CCCTVData& lens, int code, double sensor, double value, int mode,
                    tagLensCalcResult& r, double fno, double wantedDOF, double coc, double draw) {
    if (g_rerunDepth == 0) {
        RerunScope scope;
        lens.CalcOptics(sensor, value, mode, r, fno, wantedDOF, coc, draw);
    }
    r.nValid = 0;
    return code;
}

int RingIndexOfThickness(double thickness) {
    const double t = 2.0 * thickness + 0.5;
    // Truncation toward zero, so anything above -1 gives index 0 or more.
    if (!(t > -1.0 && t < static_cast<double>(kMaxRingIndex + 1))) return -1;
    return static_cast<int>(t);
}

int ClampRingIndex(double index) {
    if (!(index > 0.0)) return 0;  // negative, zero or NaN
    if (index >= static_cast<double>(kMaxRingIndex)) return kMaxRingIndex;
    return static_cast<int>(index);  // truncation toward zero
}

int RingIndexFromEstimate(double estimate, double maxRingLength) {
    const int index = ClampRingIndex(2.0 * estimate + 1.0);
    const int limit = ClampRingIndex(2.0 * maxRingLength);
    return std::min(index, limit);
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

void FittedDepthOfField(tagLensCalcResult& r, double D, double beta, double fno, double openFno,
                        double wantedDOF, double coc) {
    const double c = coc;
    if (wantedDOF < 0.0) {
        r.dFno = fno;
        r.dDOF = D * (c / kFittedDofCoc);
        r.dEffectiveFno = D * Sq(beta) / (2.0 * kFittedDofCoc) * (fno / openFno);
    } else {
        r.dDOF = wantedDOF;
        r.dFno = openFno * (wantedDOF / D) * (kFittedDofCoc / c);
        r.dEffectiveFno = D * Sq(beta) / (2.0 * c) * (wantedDOF / D);
    }
}

bool FittedDepthOfFieldIfDefined(tagLensCalcResult& r, double D, double beta, double fno,
                                 double openFno, double wantedDOF, double coc) {
    if (wantedDOF < 0.0 ? IsZero(openFno) : IsZero(D)) return false;
    FittedDepthOfField(r, D, beta, fno, openFno, wantedDOF, coc);
    return true;
}

}  // namespace optics
