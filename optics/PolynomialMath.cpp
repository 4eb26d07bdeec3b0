#include "optics/PolynomialMath.h"

#include "optics/ModelMath.h"
#include "optics/ThinLens.h"

namespace optics {

bool FittedLensDepthOfField(tagLensCalcResult& r, double beta, double f, double pupilNumerator,
                       double pupilDenominator, double fno, double wantedDOF, double coc) {
    if (IsZero(f) || IsZero(pupilDenominator)) return false;
    const double P = pupilNumerator / pupilDenominator;
    if (IsZero(P)) return false;
    const double k = beta / P + 1.0;
    ThinLensDepthOfField(r, beta, k, k, f, fno, wantedDOF, coc);
    return true;
}

bool FittedDepthOfFieldIfDefined(tagLensCalcResult& r, double D, double beta, double fno,
                                 double openFno, double wantedDOF, double coc) {
    if (wantedDOF < 0.0 ? IsZero(openFno) : IsZero(D)) return false;
    FittedDepthOfField(r, D, beta, fno, openFno, wantedDOF, coc);
    return true;
}

}  // namespace optics
