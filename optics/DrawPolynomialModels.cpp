#include "optics/DrawPolynomialModels.h"

#include <algorithm>
#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// H(b) = h1 b + h2 b^2 + h3 b^3 + h4 b^4 + h5 b^0.1 + h6
constexpr double kRingCurveExponents[6] = {1.0, 2.0, 3.0, 4.0, 0.1, 0.0};

// Working-distance limits of the range tests.
constexpr double kUnlimitedWD = 10000.0;  // WDmax at or above this: no far limit
constexpr double kFarWDMargin = 1.001;    // below the range beyond 1.001 WDmax
constexpr double kNearWDMargin = 0.9;     // above the range short of 0.9 WDmin

// Draw solver: the ring at draw 0 may pass the magnification by 1 %.
constexpr int kBisectionSteps = 200;
constexpr double kMagTolerance = 0.00001;
constexpr double kDrawZeroAbove = 1.01;  // drawout direction 0
constexpr double kDrawZeroBelow = 0.99;  // the other direction
constexpr double kDrawMatch = 0.01;      // a draw within 1 % of the magnification reaches it

// Inverse of WDcurve.
constexpr double kWDTolerance = 0.00001;
constexpr double kRangeEndTolerance = 0.0001;  // an unmatched answer this close to an end is that end
constexpr double kBeyondMaxFactor = 1.1;       // answer for a distance shorter than beta_max gives
constexpr double kWidenMax = 1.001;            // Param200 bisects a little beyond both ends
constexpr double kWidenMin = 0.999;

// Inverse of OIcurve.
constexpr double kOpenFarWD = 1000000.0;  // farthest working distance tried without a far limit
constexpr double kCoarseDivisions = 99.0;
constexpr int kCoarseSteps = 100;         // Param20
constexpr double kFineDivisions = 9999.0;
constexpr int kFineSteps = 10000;         // Param20
constexpr double kSearchAbove = 1.01;     // Param200 searches 1 % beyond both ends
constexpr double kSearchBelow = 0.99;
constexpr int kCoarseEvaluations = 101;   // Param200
constexpr int kFineEvaluations = 10001;   // Param200
constexpr double kNoMatch = 99999999.0;
constexpr double kMatchFraction = 0.01;   // a best match further off than 1 % is no match

}  // namespace

// ---- curves ----------------------------------------------------------------

double CCCTVData_DrawPolynomial::EvalCurveA(double beta) const {
    return SumOfPowers(m_adWDCurve, kWDFromMagExponents, beta);
}

double CCCTVData_DrawPolynomial::EvalCurveB(double WD) const {
    return SumOfPowers(m_adOICurve, kOIFromWDExponents, WD);
}

double CCCTVData_DrawPolynomial::EvalRingCurve(double beta) const {
    return SumOfPowers(m_adRingCurve, kRingCurveExponents, beta);
}

double CCCTVData_DrawPolynomial::EvalCurveC(double draw, double ring) const {
    // Mcurve(z) = c1 z + c2 z^2 + c3 z^3 + c4 z^4 + c5: the fit lists the
    // linear term first and the constant last, so the table is reordered
    // highest power first for the polynomial.
    const double* c = m_adMagCurve;
    const double highestFirst[5] = {c[3], c[2], c[1], c[0], c[4]};
    const double z = draw + ring;
    return Polynomial(highestFirst, z);
}

// ---- ring and draw ---------------------------------------------------------

int CCCTVData_DrawPolynomial::RingIndexFor(double beta, double WD) const {
    if (WD >= m_dRingWD) return 0;
    return RingIndexFromEstimate(EvalRingCurve(beta), m_dMaxRingLength);
}

double CCCTVData_DrawPolynomial::SolveQuartic(double beta, double ring) const {
    const bool drawsOut = m_nDrawoutDirection == 0;
    const double m0 = EvalCurveC(0.0, ring);
    if (drawsOut ? m0 > kDrawZeroAbove * beta : m0 < kDrawZeroBelow * beta) return -1.0;
    // Drawout direction 0: the magnification grows with the draw.
    const BisectionResult found =
        Bisect(0.0, m_dMaxDraw, kBisectionSteps, kMagTolerance, drawsOut,
               [&](double x) { return EvalCurveC(x, ring) - beta; });
    return found.x;
}

bool CCCTVData_DrawPolynomial::DrawReaches(double beta, double draw, double ring) const {
    return std::fabs(EvalCurveC(draw, ring) - beta) <= kDrawMatch * std::fabs(beta);
}

// ---- inverses --------------------------------------------------------------

bool CCCTVData_DrawPolynomial::CurveReachesWD(double beta, double WD) const {
    return std::fabs(EvalCurveA(beta) - WD) < kWDTolerance;
}

bool CCCTVData_DrawPolynomial::HasFarLimit() const { return m_dMaxWD < kUnlimitedWD; }

double CCCTVData_DrawPolynomial::BisectWD(double WD, double lo, double hi) const {
    // WDcurve falls as the magnification grows.
    const BisectionResult found =
        Bisect(lo, hi, kBisectionSteps, kWDTolerance, false,
               [&](double x) { return EvalCurveA(x) - WD; });
    const double x = found.x;
    if (found.converged) return x;
    if (std::fabs(m_dMaxMagnification - x) < kRangeEndTolerance)
        return kBeyondMaxFactor * m_dMaxMagnification;
    if (std::fabs(m_dMinMagnification - x) < kRangeEndTolerance) return m_dMinMagnification;
    return x;
}

double CCCTVData_Param20::SolveLaurent(double WD) const {
    return BisectWD(WD, m_dMinMagnification, m_dMaxMagnification);
}

double CCCTVData_Param200::SolveHelperA(double WD) const {
    return BisectWD(WD, kWidenMin * m_dMinMagnification, kWidenMax * m_dMaxMagnification);
}

double CCCTVData_Param20::SolveLarge(double OI) const {
    // Coarse steps down from the far end until the curve falls below OI, then
    // fine steps up to the first distance that reaches it.
    double x = HasFarLimit() ? m_dMaxWD : kOpenFarWD;
    const double step = (x - m_dMinWD) / kCoarseDivisions;
    for (int i = 0; i < kCoarseSteps; ++i) {
        if (OI > EvalCurveB(x)) break;
        x = x - step;
    }
    const double fine = step / kFineDivisions;
    for (int i = 0; i < kFineSteps; ++i) {
        if (EvalCurveB(x) >= OI) return x;
        x = x + fine;
    }
    return x;
}

double CCCTVData_Param200::SolveHelperB(double OI) const {
    const double far = kSearchAbove * m_dMaxWD;
    const double hi = far >= kUnlimitedWD ? kOpenFarWD : far;
    const double lo = kSearchBelow * m_dMinWD;
    const double step = (hi - lo) / kCoarseDivisions;

    // The best match of both passes; lo until some distance comes closer
    // than kNoMatch.
    double bestError = kNoMatch;
    double best = lo;
    auto consider = [&](double x, double v) {
        const double error = std::fabs(v - OI);
        if (error < bestError) {
            bestError = error;
            best = x;
        }
    };

    // Coarse: down from the far end while the curve keeps falling.
    double x = hi;
    double previous = kNoMatch;
    for (int i = 0; i < kCoarseEvaluations; ++i) {
        const double v = EvalCurveB(x);
        consider(x, v);
        if (!(v < previous)) break;
        previous = v;
        x = x - step;
    }

    // Fine: two coarse steps either side of the best, within the range.
    const double upper = std::min(m_dMaxWD, best + 2.0 * step);
    const double lower = std::max(m_dMinWD, best - 2.0 * step);
    const double fine = (upper - lower) / kFineDivisions;
    x = upper;
    for (int i = 0; i < kFineEvaluations; ++i) {
        consider(x, EvalCurveB(x));
        x = x - fine;
    }

    if (std::fabs(EvalCurveB(best) - OI) > kMatchFraction * OI) return lo;
    return best;
}

// ---- calculation -----------------------------------------------------------

int CCCTVData_DrawPolynomial::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r,
                                         double fno, double wantedDOF, double coc, double draw) {
    double beta = 0.0;
    double WD = 0.0;
    double ring = 0.0;  // ring thickness in Mcurve
    double d = draw;    // focus draw
    const bool solved = mode >= kModeWorkingDistance && mode <= kModeObjectToImage;

    // 1. The configuration asked for.
    if (solved) {
        switch (mode) {
        case kModeFieldOfView:
            r.dFOV[0] = value;
            beta = sensor / value;
            WD = EvalCurveA(beta);
            r.dObjectToImage[0] = EvalCurveB(WD);
            break;
        case kModeMagnification:
            beta = value;
            r.dFOV[0] = sensor / value;
            WD = EvalCurveA(beta);
            r.dObjectToImage[0] = EvalCurveB(WD);
            break;
        case kModeWorkingDistance:
            WD = value;
            beta = SolveWD(WD);
            r.dFOV[0] = sensor / beta;
            r.dObjectToImage[0] = EvalCurveB(WD);
            break;
        default:  // object-to-image distance
            r.dObjectToImage[0] = value;
            WD = SolveOI(value);
            beta = SolveWD(WD);
            r.dFOV[0] = sensor / beta;
            break;
        }
        r.nRingIndex = RingIndexFor(beta, WD);
        ring = kRingStep * r.nRingIndex;
        d = SolveQuartic(beta, ring);
    } else {
        // A given ring thickness and draw; the table entry is the integer
        // part of twice the thickness (no half added).
        ring = value;
        r.nRingIndex = ClampRingIndex(2.0 * value);
        beta = EvalCurveC(draw, value);
        WD = EvalCurveA(beta);
        r.dObjectToImage[0] = EvalCurveB(WD);
        r.dFOV[0] = sensor / beta;
    }
    r.dMagnification[0] = beta;
    r.dWD[0] = WD;
    r.dExtension[0] = ring;
    r.dFocusDraw[0] = d;

    // 2. Range tests: the configuration at the violated end instead.
    if (beta < m_dMinMagnification || (HasFarLimit() && WD > kFarWDMargin * m_dMaxWD))
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, m_dMinMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);
    if (beta > m_dMaxMagnification || WD < kNearWDMargin * m_dMinWD)
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, m_dMaxMagnification, kModeMagnification,
                               r, fno, wantedDOF, coc, draw);
    if (d < 0.0)  // the ring needs a negative draw: show the ring at draw 0
        return RerunAtRangeEnd(*this, kCalcNegativeDraw, sensor, ring, kModeRing, r, fno, wantedDOF,
                               coc, 0.0);

    // 3. Depth of field.
    r.nValid = 1;
    if (!DepthOfField(r, beta, d, fno, wantedDOF, coc)) return kCalcInfeasible;

    // 4. Acceptance: the ring and the draw within the lens's limits, a
    // solved draw that actually reaches the magnification, and a
    // magnification inverted from a working distance that gives it.
    if (r.dRing[r.nRingIndex] > m_dMaxRingLength || d > m_dMaxDraw) return kCalcInfeasible;
    if (solved && !DrawReaches(beta, d, ring)) return kCalcInfeasible;
    const bool inverted = mode == kModeWorkingDistance || mode == kModeObjectToImage;
    if (inverted && !CurveReachesWD(beta, WD)) return kCalcInfeasible;

    const bool drawsOut = m_nDrawoutDirection == 0;
    const double D = m_dMaxDraw;

    // 5. Smallest magnification with this ring.
    const double beta1 =
        r.nRingIndex == 0 ? m_dMinMagnification : EvalCurveC(drawsOut ? 0.0 : D, ring);
    r.dMagnification[1] = beta1;
    if (!IsZero(beta1)) {
        r.dFOV[1] = sensor / beta1;
        if (beta1 > beta) return kCalcInfeasible;
        r.dWD[1] = EvalCurveA(beta1);
        r.dObjectToImage[1] = EvalCurveB(r.dWD[1]);
        r.nMinValid = 1;
    }

    // 6. Largest magnification with this ring.
    const double beta2 = EvalCurveC(drawsOut ? D : 0.0, ring);
    r.dMagnification[2] = beta2;
    if (!IsZero(beta2)) {
        r.dFOV[2] = sensor / beta2;
        r.dWD[2] = r.nRingIndex == 0 ? m_dRingWD : EvalCurveA(beta2);
        r.dObjectToImage[2] = EvalCurveB(r.dWD[2]);
        r.nMaxValid = 1;
    }
    return SuccessIfFinite(r);
}

// ---- parameter texts -------------------------------------------------------

void CCCTVData_DrawPolynomial::ReadCurves(CParamReader& reader) {
    reader.Next(m_adWDCurve, 8);
    reader.Next(m_adOICurve, 7);
    reader.Next(m_adRingCurve, 6);
    reader.Next(m_adMagCurve, 5);
}

void CCCTVData_DrawPolynomial::ReadLimits(CParamReader& reader) {
    reader.Next({&m_dMaxMagnification, &m_dMinMagnification, &m_dImageCircle, &m_dMaxRingLength, &m_dMaxDraw,
                 &m_dEffectiveDiameter, &m_dMaxWD, &m_dMinWD, &m_dRingWD, &m_dOpenFno});
}

// ---- Param20: focal length and pupil as polynomials of the draw -------------

void CCCTVData_Param20::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadCurves(reader);                        // 1-26
    m_adFocalFromDraw[0] = reader.Next();      // 27 f0
    m_adPupilDenominator[0] = reader.Next();   // 28 q0
    m_adPupilNumerator[0] = reader.Next();     // 29 p0
    ReadLimits(reader);                        // 30-39
    reader.Next(&m_adFocalFromDraw[1], 3);     // 40-42 f1..f3
    reader.Next(&m_adPupilDenominator[1], 3);  // 43-45 q1..q3
    reader.Next(&m_adPupilNumerator[1], 2);    // 46, 47 p1, p2
    m_adPupilNumerator[3] = reader.Last();     // 48 p3
}

// The tables start with the constant: f0 + f1 d + f2 d^2 + f3 d^3.
double CCCTVData_Param20::FocalLength(double d) const {
    return PolynomialAscending(m_adFocalFromDraw, d);
}

bool CCCTVData_Param20::DepthOfField(tagLensCalcResult& r, double beta, double d, double fno,
                                     double wantedDOF, double coc) const {
    return FittedLensDepthOfField(r, beta, FocalLength(d), PolynomialAscending(m_adPupilNumerator, d),
                             PolynomialAscending(m_adPupilDenominator, d), fno, wantedDOF, coc);
}

// ---- Param200: fitted depth-of-field curve ---------------------------------

CCCTVData_Param200::CCCTVData_Param200(const tagLensColumns& columns) {
    AssignColumns(columns);
    CCCTVData_Param200::SetParameter();
    SplitFnoList();
}

void CCCTVData_Param200::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadCurves(reader);                 // 1-26
    ReadLimits(reader);                 // 27-36
    reader.Next(m_adDOFCurve, 5);       // 37-41 d1..d5
    m_adDOFCurve[5] = reader.Last();    // 42 d6
}

double CCCTVData_Param200::EvalDOFCurve(double beta) const {
    return SumOfPowers(m_adDOFCurve, kDOFFromMagExponents, beta);
}

bool CCCTVData_Param200::DepthOfField(tagLensCalcResult& r, double beta, double d, double fno,
                                      double wantedDOF, double coc) const {
    const double D = EvalDOFCurve(beta);
    const double F0 = m_dOpenFno;
    if (wantedDOF < 0.0) {
        if (IsZero(F0)) return false;
        r.dFno = fno;
        r.dDOF = D * coc / kFittedDofCoc;
        r.dEffectiveFno = D * Sq(beta) / (2.0 * kFittedDofCoc) * (fno / F0);
    } else {
        if (IsZero(D)) return false;
        r.dDOF = wantedDOF;
        r.dFno = F0 * (wantedDOF / D) * (kFittedDofCoc / coc);
        r.dEffectiveFno = wantedDOF * Sq(beta) / (2.0 * coc);
    }
    return true;
}
