#include "optics/FocusDrawPolynomialModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// r(W) = t1 W + t2 W^2 + t3 W^-1 + t4 W^-2 + t5, and Wmin(e) in the same form
constexpr double kRingFromWDExponents[5] = {1.0, 2.0, -1.0, -2.0, 0.0};
// E(y) = o1 y + o2 y^2 + o3 y^3 + o4 y^-1 + o5 y^-0.5 + o6 y^-0.01 + o7
constexpr double kOIFromRingExponents[7] = {1.0, 2.0, 3.0, -1.0, -0.5, -0.01, 0.0};

constexpr double kMagTolerance = 1e-5;       // bisection on the magnification
constexpr int kMagIterations = 200;
constexpr double kDistanceTolerance = 1e-4;  // bisections on distances and the ring, mm
constexpr int kDistanceIterations = 100;

constexpr double kNoRingMatch = 999.0;       // initial best mismatch of the ring search
constexpr double kRingSearchFloor = 0.2;     // the search gives up below this upper bound
constexpr double kNoRing = -1.0;             // ring search result: no ring
constexpr double kNearWDMargin = 0.9;        // above the range short of 0.9 W_short
constexpr double kFarMissLimit = 10.0;       // Param119: a working distance missed by more, mm
constexpr double kSmallestRing = 0.1;        // thinner rings have no fitted minimum end

}  // namespace

// ---- fits ------------------------------------------------------------------

double CCCTVData_FocusDrawPolynomial::RingFromMag(double beta) const {
    return Polynomial(m_adRingFromMag, beta);
}

double CCCTVData_FocusDrawPolynomial::RingFromWD(double W) const {
    return SumOfPowers(m_adRingFromWD, kRingFromWDExponents, W);
}

double CCCTVData_FocusDrawPolynomial::OIFromRing(double ring) const {
    const double y = ring + 1.0;
    return SumOfPowers(m_adOIFromRing, kOIFromRingExponents, y);
}

double CCCTVData_FocusDrawPolynomial::Focal(double x) const {
    return Polynomial(m_adFocalFromDraw, x);
}

double CCCTVData_FocusDrawPolynomial::Magnification(double x, double e, double phi) const {
    const double* m = m_adMagCoef;
    const double u = x + e;
    return m[0] * u + m[1] * phi + m[2] * Sq(phi) + m[3] * u / phi + m[4];
}

double CCCTVData_FocusDrawPolynomial::WorkingDistance(double x, double beta, double phi) const {
    const double* w = m_adWDCoef;
    return w[0] * phi + w[1] * beta + w[2] * phi / beta + w[3] * Magnification(x, 0.0, phi) + w[4];
}

double CCCTVData_FocusDrawPolynomial::MinMagnification(double e) const {
    return Polynomial(m_adMinMagFromRing, e);
}

double CCCTVData_FocusDrawPolynomial::MinWD(double e) const {
    return SumOfPowers(m_adMinWDFromRing, kRingFromWDExponents, e);
}

double CCCTVData_FocusDrawPolynomial::ObjectToImage(double x, double e, double W) const {
    return LensLength(x, e) + W + m_dOIConstant;
}

// ---- solvers ---------------------------------------------------------------

double CCCTVData_FocusDrawPolynomial::RingForDistance(double OI) const {
    // A longer distance needs a thinner ring.
    double lo = 0.0;
    double hi = m_dMaxRingLength;
    double ring = hi / 2.0;
    double best = kNoRingMatch;
    double bestRing = kNoRing;  // no ring when no iteration comes closer than kNoRingMatch
    for (int i = 0; i < kDistanceIterations; ++i) {
        const double E = OIFromRing(ring);
        const double mismatch = std::fabs(E - OI);
        if (mismatch < kDistanceTolerance) return ring;
        if (mismatch < best) {
            best = mismatch;
            bestRing = ring;
        }
        if (OI > E)
            hi = ring;
        else
            lo = ring;
        if (hi < kRingSearchFloor) return kNoRing;
        ring = (lo + hi) / 2.0;
    }
    return bestRing;
}

bool CCCTVData_FocusDrawPolynomial::SolveFocusDraw(double e, double target, double& x,
                                                   double& phi) const {
    // The magnification grows with the draw.
    phi = 0.0;
    const BisectionResult found =
        Bisect(0.0, m_dMaxDraw, kMagIterations, kMagTolerance, true, [&](double xi) {
            phi = Focal(xi);
            return Magnification(xi, e, phi) - target;
        });
    x = found.x;
    return found.converged;
}

bool CCCTVData_FocusDrawPolynomial::SolveFocusDrawForDistance(double e, double target, double& S,
                                                              double& W, double& x, double& phi,
                                                              double& beta) const {
    // The object-to-image distance shrinks as the draw grows.
    S = W = phi = beta = 0.0;
    const BisectionResult found =
        Bisect(0.0, m_dMaxDraw, kDistanceIterations, kDistanceTolerance, false, [&](double xi) {
            phi = Focal(xi);
            beta = Magnification(xi, e, phi);
            W = beta == 0.0 ? -1.0 : WorkingDistance(xi, beta, phi);
            S = LensLength(xi, e);
            const double t = S + W + m_dOIConstant;
            return t - target;
        });
    x = found.x;
    return found.converged;
}

// ---- calculation -----------------------------------------------------------

int CCCTVData_FocusDrawPolynomial::CalcOptics(double sensor, double value, int mode,
                                              tagLensCalcResult& r, double fno, double wantedDOF,
                                              double coc, double draw) {
    const double D = m_dMaxDraw;
    const double Rmax = m_dMaxRingLength;
    double phi = 0.0;    // focal length at the draw found
    bool solved = true;  // the draw found meets the solver's tolerance

    // 1. The configuration asked for.
    switch (mode) {
    case kModeFieldOfView:
    case kModeMagnification: {
        double beta;
        if (mode == kModeFieldOfView) {
            r.dFOV[0] = value;
            beta = sensor / value;
            r.dMagnification[0] = beta;
        } else {
            beta = value;
            r.dMagnification[0] = beta;
            r.dFOV[0] = sensor / value;
        }
        r.nRingIndex = RingIndexFromEstimate(RingFromMag(beta), Rmax);
        const double e = kRingStep * r.nRingIndex;
        double x;
        solved = SolveFocusDraw(e, beta, x, phi);
        r.dFocusDraw[0] = x;
        // The working distance of the wanted magnification, not of the one
        // reached at x.
        const double W = beta == 0.0 ? -1.0 : WorkingDistance(x, beta, phi);
        r.dWD[0] = W;
        r.dObjectToImage[0] = ObjectToImage(x, e, W);
        break;
    }
    case kModeWorkingDistance: {
        r.dWD[0] = value;
        r.nRingIndex = value < m_dRingWD ? RingIndexFromEstimate(RingFromWD(value), Rmax) : 0;
        const double e = kRingStep * r.nRingIndex;
        // The working distance shrinks as the draw grows.
        double a = 0.0;
        double w = 0.0;
        const BisectionResult found =
            Bisect(0.0, D, kDistanceIterations, kDistanceTolerance, false, [&](double xi) {
                phi = Focal(xi);
                a = Magnification(xi, e, phi);
                w = a == 0.0 ? -1.0 : WorkingDistance(xi, a, phi);
                return w - value;
            });
        solved = found.converged;
        bool write = true;
        if (LeavesFarMissUnwritten()) {
            // Within 10 mm is close enough; further off, the record keeps
            // the caller's magnification and draw.
            const double miss = std::fabs(w - value);
            write = !(miss > kFarMissLimit);
            solved = miss <= kFarMissLimit;
        }
        if (write) {
            r.dFocusDraw[0] = found.x;
            r.dMagnification[0] = a;
        }
        r.dFOV[0] = sensor / r.dMagnification[0];
        r.dObjectToImage[0] = ObjectToImage(r.dFocusDraw[0], e, value);
        break;
    }
    case kModeObjectToImage: {
        r.dObjectToImage[0] = value;
        r.nRingIndex = RingIndexFromEstimate(RingForDistance(value), Rmax);
        const double e = kRingStep * r.nRingIndex;
        double S, W, x, a;
        solved = SolveFocusDrawForDistance(e, value, S, W, x, phi, a);
        r.dWD[0] = W;
        r.dFocusDraw[0] = x;
        r.dMagnification[0] = a;
        r.dFOV[0] = sensor / r.dMagnification[0];
        // Shorter than the lens reaches with full draw and the longest ring.
        if (value < LensLength(D, Rmax) + m_dMinWD + m_dOIConstant) r.dWD[0] = -1.0;
        break;
    }
    default: {  // a given ring thickness and draw; no ring search
        r.dFocusDraw[0] = draw;
        r.nRingIndex = ClampRingIndex(2.0 * value);
        phi = Focal(draw);
        const double beta = Magnification(draw, value, phi);  // the thickness itself
        r.dMagnification[0] = beta;
        const double W = beta == 0.0 ? -1.0 : WorkingDistance(draw, beta, phi);
        r.dWD[0] = W;
        r.dFOV[0] = sensor / beta;
        r.dObjectToImage[0] = ObjectToImage(draw, kRingStep * r.nRingIndex, W);
        break;
    }
    }

    // A magnification that is not a number lies in no range.
    const double beta = r.dMagnification[0];
    if (std::isnan(beta)) return kCalcInfeasible;

    // 2. Range tests: the configuration at the violated end instead.
    if (beta < m_dMinMagnification)
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, m_dMinMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);
    if (beta > m_dMaxMagnification || r.dWD[0] < kNearWDMargin * m_dMinWD)
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, m_dMaxMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);

    // 3. Depth of field at the draw found.
    r.nValid = 1;
    const double x = r.dFocusDraw[0];
    if (!DepthOfField(r, beta, x, phi, fno, wantedDOF, coc)) return kCalcInfeasible;

    // 4. The draw within [0, D] and the ring within its limit; a draw that
    // missed its target needs more (or less) than the draw range gives.
    if (!solved || x < 0.0 || r.dRing[r.nRingIndex] > Rmax || x > D) return kCalcInfeasible;

    const double e = kRingStep * r.nRingIndex;

    // 5. Smallest magnification with this ring: draw 0.
    const double bMin = e >= kSmallestRing ? MinMagnification(e) : 0.0;
    r.dMagnification[1] = bMin;
    if (!IsZero(bMin) && r.nRingIndex != 0) {
        r.dFOV[1] = sensor / bMin;
        if (bMin > beta) return kCalcInfeasible;
        r.dWD[1] = MinWD(e);
        r.dObjectToImage[1] = ObjectToImage(0.0, e, r.dWD[1]);
        r.nMinValid = 1;
    }

    // 6. Largest magnification with this ring: full draw.
    phi = Focal(D);
    const double bMax = Magnification(D, e, phi);
    r.dMagnification[2] = bMax;
    if (IsZero(bMax)) return SuccessIfFinite(r);
    r.dFOV[2] = sensor / bMax;
    r.dWD[2] = r.nRingIndex == 0 ? m_dRingWD : WorkingDistance(D, bMax, phi);
    r.dObjectToImage[2] = ObjectToImage(D, e, r.dWD[2]);
    r.nMaxValid = 1;
    return SuccessIfFinite(r);
}

// ---- parameter texts -------------------------------------------------------

void CCCTVData_FocusDrawPolynomial::ReadRingEstimates(CParamReader& reader) {
    reader.Next(m_adRingFromMag, 5);
    reader.Next(m_adRingFromWD, 5);
    reader.Next(m_adOIFromRing, 7);
}

void CCCTVData_FocusDrawPolynomial::ReadLimits(CParamReader& reader) {
    reader.Next({&m_dMaxMagnification, &m_dMinMagnification, &m_dImageCircle, &m_dMaxRingLength, &m_dMaxDraw,
                 &m_dEffectiveDiameter, &m_dMinWD, &m_dRingWD, &m_dOpenFno});
}

// ---- Param19: linear lens length, thin-lens depth of field -----------------

void CCCTVData_Param19::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadRingEstimates(reader);               // 1-17
    m_dLengthConstant = reader.Next();       // 18
    reader.Next(m_adMagCoef, 5);             // 19-23
    reader.Next(m_adWDCoef, 5);              // 24-28
    reader.Next(m_adFocalFromDraw, 4);       // 29-32
    reader.Next(m_adPupilDenominator, 5);    // 33-37
    reader.Next(m_adPupilNumerator, 5);      // 38-42
    reader.Next(m_adMinMagFromRing, 5);      // 43-47
    reader.Next(m_adMinWDFromRing, 5);       // 48-52
    m_dOIConstant = reader.Next();           // 53
    ReadLimits(reader);                      // 54-62
    m_dLengthPerDraw = reader.Next();        // 63
    m_dLengthPerRing = reader.Last();        // 64
}

double CCCTVData_Param19::LensLength(double x, double e) const {
    return m_dLengthConstant + m_dLengthPerDraw * x + m_dLengthPerRing * e;
}

bool CCCTVData_Param19::DepthOfField(tagLensCalcResult& r, double beta, double x, double phi,
                                     double fno, double wantedDOF, double coc) const {
    return FittedLensDepthOfField(r, beta, phi, Polynomial(m_adPupilNumerator, x),
                                  Polynomial(m_adPupilDenominator, x), fno, wantedDOF, coc);
}

// ---- Param119: quadratic lens length, fitted depth of field ----------------

void CCCTVData_Param119::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadRingEstimates(reader);             // 1-17
    reader.Next(m_adMagCoef, 5);           // 18-22
    reader.Next(m_adWDCoef, 5);            // 23-27
    reader.Next(m_adFocalFromDraw, 4);     // 28-31
    reader.Next(m_adMinMagFromRing, 5);    // 32-36
    reader.Next(m_adMinWDFromRing, 5);     // 37-41
    m_dOIConstant = reader.Next();         // 42
    ReadLimits(reader);                    // 43-51
    reader.Next(m_adDOFFromMag, 6);        // 52-57
    reader.Next(m_adLengthFromDraw, 2);    // 58, 59
    m_adLengthFromDraw[2] = reader.Last(); // 60
}

double CCCTVData_Param119::LensLength(double x, double e) const {
    return Polynomial(m_adLengthFromDraw, x) + e;
}

double CCCTVData_Param119::DepthOfFieldAtOpenFno(double beta) const {
    return SumOfPowers(m_adDOFFromMag, kDOFFromMagExponents, beta);
}

bool CCCTVData_Param119::DepthOfField(tagLensCalcResult& r, double beta, double x, double phi,
                                      double fno, double wantedDOF, double coc) const {
    return FittedDepthOfFieldIfDefined(r, DepthOfFieldAtOpenFno(beta), beta, fno, m_dOpenFno,
                                       wantedDOF, coc);
}
