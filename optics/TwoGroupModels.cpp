#include "optics/TwoGroupModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// Longest ring of the table, mm.
constexpr double kLongestRing = 100.0;

// Rounding size, relative. The draw and the minimum end are computed by other
// formulas than the configuration, so at the focusing stop (draw 0) they miss
// it by a rounding step or two; only a larger excess refuses it.
constexpr double kRounding = 1e-9;

// The largest minimum-end magnification that a configuration of
// magnification beta lies within.
double MinimumEndCeiling(double beta) { return beta + kRounding * std::fabs(beta); }

// After one evaluation at ring thickness R (discriminant d, 0 when the mode
// solves no quadratic): the limits that end the search (-1), then whether
// this ring stands (the draw within 0..D and the ring outside the refused
// band) or the next ring is to be tried. A draw below 0 by a rounding step of
// the draw range is the stop itself, and is reported as 0 so that no page
// shows "-0.000".
int TestRing(tagLensCalcResult& r, double d, double R, double D, double Rmax, int mode) {
    if (d >= 0.0 && r.dFocusDraw[0] < -kRounding * std::fabs(D)) return kCalcInfeasible;
    if (r.dFocusDraw[0] < 0.0 && r.dFocusDraw[0] >= -kRounding * std::fabs(D)) r.dFocusDraw[0] = 0.0;
    if (R > kLongestRing) return kCalcInfeasible;
    if (r.dRing[r.nRingIndex] > Rmax) return kCalcInfeasible;
    const bool refused = IsRefusedRing(R);
    if (D - r.dFocusDraw[0] >= 0.0 && !refused) return kCalcOk;
    // A given ring never changes, so a refused one has no answer.
    if (mode == kModeRing && refused) return kCalcInfeasible;
    return kTryNextRing;
}

// The F-number the depth of field uses: the given one, or the open one.
double FNumber(double fno, double openFno) { return fno < 0.0 ? openFno : fno; }

}  // namespace

// -- Param2 --

void CCCTVData_Param2::SetParameter() {
    CParamReader reader(m_strParameter);
    m_dF1 = reader.Next();
    m_dF2 = reader.Next();
    m_dT3 = reader.Next();
    m_dT4 = reader.Next();
    m_dT5 = reader.Next();
    m_dT6 = reader.Next();
    m_dT7 = reader.Next();
    m_dT8 = reader.Next();
    m_dImageCircle = reader.Next();
    m_dT10 = reader.Next();
    m_dFrontDistA = reader.Next();       // t11
    m_dExtensionOffset = reader.Next();  // t12
    m_dT13 = reader.Next();
    m_dT14 = reader.Next();
    m_dFocalLength = reader.Next();      // t15
    m_dT16 = reader.Next();
    m_dT17 = reader.Next();
    m_dOpenFno = reader.Next();
    m_dT19 = reader.Next();
    m_dT20 = reader.Next();
    m_dT21 = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param2::Object(double s, double x) const {
    const double f1 = m_dF1, f2 = m_dF2;
    return (s * x / f2 - (s + x)) / ((s / f1 - 1.0) * (x / f2) - (s + x) / f1 + 1.0);
}

double CCCTVData_Param2::SystemFocalLength(double s) const { return m_dF1 * m_dF2 / (m_dF1 + m_dF2 - s); }

CCCTVData_Param2::RingQuantities CCCTVData_Param2::QuantitiesOfRing(double R) const {
    RingQuantities q;
    q.x = m_dExtensionOffset - m_dT7 + R;
    q.T = m_dT3 + m_dFrontDistA + q.x + m_dT6 - m_dT4 + m_dT10;
    q.a = q.x / m_dF2 - 1.0;
    q.k = q.a / m_dF1;
    return q;
}

double CCCTVData_Param2::SolveSeparation(const RingQuantities& rq, double sensor, double value, int mode,
                                         double draw, tagLensCalcResult& r, double& d) const {
    const double f1 = m_dF1, f2 = m_dF2;
    const double t4 = m_dT4, t5 = m_dT5, t6 = m_dT6, t8 = m_dT8, t10 = m_dT10;
    const double S = 1.0 / f1 + 1.0 / f2;
    const double x = rq.x, T = rq.T, a = rq.a, k = rq.k;
    const auto beta = [&](double sep) { return S * x - k * sep - 1.0; };
    const auto W = [&](double sep) { return Object(sep, x) - (T - sep - x); };
    const auto L = [&](double sep) { return Object(sep, x) + sep + x + t5 + t8; };

    d = 0.0;
    double s = 0.0;
    double b = 0.0;
    switch (mode) {
    case kModeFieldOfView:
    case kModeMagnification:
        if (mode == kModeFieldOfView) {
            r.dFOV[0] = value;
            b = sensor / value;
        } else {
            b = value;
            r.dFOV[0] = sensor / value;
        }
        s = (S * x - b - 1.0) / k;
        r.dWD[0] = W(s);
        r.dObjectToImage[0] = L(s);
        break;
    case kModeWorkingDistance:
    case kModeObjectToImage: {
        const double Wd = mode == kModeWorkingDistance ? value : value - t5 - t8 - T;
        const double h = T - x;
        const double p = -((h - Wd) * a - x) / f1;
        const double q = 4.0 * k * ((Wd / f1 - 1.0) * x - a * (Wd / f1 - 1.0) * h + a * Wd);
        d = Sq(p) - q;
        const double z = (-p - std::sqrt(d)) / (2.0 * k);
        s = h - z;
        b = beta(s);
        r.dFOV[0] = sensor / b;
        if (mode == kModeWorkingDistance) {
            r.dWD[0] = value;
            r.dObjectToImage[0] = z + Wd + s + x + t5 + t8;
        } else {
            r.dObjectToImage[0] = value;
            r.dWD[0] = Wd;
        }
        break;
    }
    default:  // a given ring thickness and draw
        s = t6 + t10 + draw - t4;
        b = beta(s);
        r.dExtension[0] = value;
        r.dFOV[0] = sensor / b;
        r.dWD[0] = W(s);
        r.dObjectToImage[0] = L(s);
        break;
    }
    r.dMagnification[0] = b;
    return s;
}

int CCCTVData_Param2::EvaluateRing(double sensor, double value, int mode, double R, double draw,
                                   tagLensCalcResult& r, Evaluation& e) const {
    e.ring = QuantitiesOfRing(R);
    double d = 0.0;
    e.s = SolveSeparation(e.ring, sensor, value, mode, draw, r, d);
    r.dFocusDraw[0] = e.s + m_dT4 - m_dT6 - m_dT10;
    return TestRing(r, d, R, m_dMaxDraw, m_dMaxRingLength, mode);
}

int CCCTVData_Param2::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                                 double wantedDOF, double coc, double draw) {
    Evaluation e;  // of the last ring evaluated
    const int code = SearchRingUpward(r, mode, value, draw, [&](double R, double drawNow) {
        return EvaluateRing(sensor, value, mode, R, drawNow, r, e);
    });
    if (code != kCalcOk) return code;

    const double f1 = m_dF1, f2 = m_dF2;
    const double t4 = m_dT4, t5 = m_dT5, t6 = m_dT6, t7 = m_dT7, t8 = m_dT8, t10 = m_dT10;
    const double t12 = m_dExtensionOffset;
    const double D = m_dMaxDraw;
    const double S = 1.0 / f1 + 1.0 / f2;
    const double s = e.s, T = e.ring.T;

    // The ring taken.
    const double ring = kRingStep * r.nRingIndex;
    const double x1 = t12 - t7 + ring;
    if (IsRefusedRing(ring)) return kCalcInfeasible;
    r.dExtension[0] = ring;

    // Pupil magnification of the paraxial pupil group.
    const double F = FNumber(fno, m_dOpenFno);
    const double A0 = m_dFocalLength / F;
    const double t19 = m_dT19;
    const double w = s + t4 - m_dT21;
    const double B = m_dT20 + m_dT14;
    const double alpha = B / t19 - 1.0;
    const double P0 = (1.0 - w / t19) - ((1.0 / t19 + 1.0 / f2 - w / (t19 * f2)) * (alpha * w - B)) /
                                            (alpha * w / f2 - (1.0 / t19 + 1.0 / f2) * B + 1.0);
    const double P = P0 * (1.0 - (m_dT13 - m_dT16) / m_dT17);

    // Depth of field.
    const double beta = r.dMagnification[0];
    const double kP = beta / P + 1.0;
    EffectiveFnoDepthOfField(r, beta, kP, F, kP * SystemFocalLength(s) / A0, beta * wantedDOF * beta / (2.0 * coc),
                      wantedDOF, coc);
    r.nValid = 1;

    // Range ends with the ring taken: draw 0 and full draw.
    const double k1 = (x1 / f2 - 1.0) / f1;
    const auto at = [&](double se) {
        const double o = Object(se, x1);
        return EndDistances{o - (T - se - x1), o + se + x1 + t5 + t8};
    };
    const double s0 = t10 - t4 + t6;
    if (!WriteRingEnd(r, kMinEnd, sensor, S * x1 - k1 * s0 - 1.0, MinimumEndCeiling(beta), 1e-9,
                      [&] { return at(s0); }))
        return kCalcInfeasible;
    const double s1 = D + t10 - t4 + t6;
    WriteRingEnd(r, kMaxEnd, sensor, S * x1 - k1 * s1 - 1.0, beta, 1e-9, [&] { return at(s1); });
    return SuccessIfFinite(r);
}

// -- Param3 --

void CCCTVData_Param3::SetParameter() {
    CParamReader reader(m_strParameter);
    m_dG2 = reader.Next();
    m_dG1 = reader.Next();
    m_dU3 = reader.Next();
    m_dU4 = reader.Next();
    m_dU5 = reader.Next();
    m_dU6 = reader.Next();
    m_dU7 = reader.Next();
    m_dU8 = reader.Next();
    m_dImageCircle = reader.Next();
    m_dU10 = reader.Next();
    m_dFrontDistA = reader.Next();       // u11
    m_dExtensionOffset = reader.Next();  // u12
    m_dU13 = reader.Next();
    m_dToken14 = reader.Next();
    m_dFocalLength = reader.Next();      // u15
    m_dOpenFno = reader.Next();
    m_dU17 = reader.Next();
    m_dU18 = reader.Next();
    m_dU19 = reader.Next();
    m_dU20 = reader.Next();
    m_dU21 = reader.Next();
    m_dU22 = reader.Next();
    m_dU23 = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param3::Object(double s, double m) const {
    const double g1 = m_dG1, g2 = m_dG2;
    return (s * m / g1 - (s + m)) / ((s / g2 - 1.0) * (m / g1) - (s + m) / g2 + 1.0);
}

double CCCTVData_Param3::SystemFocalLength(double s) const { return m_dG1 * m_dG2 / (m_dG1 + m_dG2 - s); }

double CCCTVData_Param3::Beta(double s, double m) const {
    const double g1 = m_dG1, g2 = m_dG2;
    const double Fs = SystemFocalLength(s);
    return ((s / g2) / (1.0 / g2 + 1.0 / g1 - s / (g1 * g2)) - Fs + m) / Fs;
}

CCCTVData_Param3::RingQuantities CCCTVData_Param3::QuantitiesOfRing(double R) const {
    RingQuantities q;
    const double y = m_dExtensionOffset - m_dU7 + R;
    q.T = y + FrontLength() + DrawZeroSeparation();
    q.h = q.T - FrontLength();
    q.b1 = q.h / m_dG2 - 1.0;
    q.c1 = q.b1 / m_dG1;
    return q;
}

double CCCTVData_Param3::SolveSeparation(const RingQuantities& rq, double sensor, double value, int mode,
                                         double draw, tagLensCalcResult& r, double& d) const {
    const double g1 = m_dG1, g2 = m_dG2;
    const double u4 = m_dU4, u5 = m_dU5, u6 = m_dU6, u8 = m_dU8, u10 = m_dU10;
    const double Q = FrontLength();
    const double gg = 1.0 / (g1 * g2);
    const double T = rq.T, h = rq.h, b1 = rq.b1, c1 = rq.c1;

    d = 0.0;
    double s = 0.0;
    double beta = 0.0;
    switch (mode) {
    case kModeFieldOfView:
    case kModeMagnification: {
        if (mode == kModeFieldOfView) {
            r.dFOV[0] = value;
            beta = sensor / value;
        } else {
            beta = value;
            r.dFOV[0] = sensor / value;
        }
        d = Sq(c1) - 4.0 * gg * (b1 - beta);
        const double m = (std::sqrt(d) + c1) / (2.0 * gg);
        s = T - m - Q;
        const double o = Object(s, m);
        r.dWD[0] = o - Q;
        r.dObjectToImage[0] = o + s + m + u8 + u5;
        break;
    }
    case kModeWorkingDistance:
    case kModeObjectToImage: {
        double W = value;
        if (mode == kModeWorkingDistance) {
            r.dWD[0] = value;
        } else {
            r.dObjectToImage[0] = value;
            W = value - u8 - u5 - T;
            r.dWD[0] = W;
        }
        const double z = W + Q;
        const double e = (z / g2 - 1.0) / g1;
        const double n = h * (z / g2 - 1.0) - z;
        d = Sq(n / g1) - 4.0 * e * n;
        const double m = (std::sqrt(d) + n / g1) / (2.0 * e);
        s = T - m - Q;
        beta = Beta(s, m);
        r.dFOV[0] = sensor / beta;
        if (mode == kModeWorkingDistance) r.dObjectToImage[0] = z + s + m + u8 + u5;
        break;
    }
    default: {  // a given ring thickness and draw
        r.dExtension[0] = value;
        s = u10 - draw + u6 - u4;
        const double m = h - s;
        const double o = Object(s, m);
        r.dWD[0] = o - Q;
        r.dObjectToImage[0] = o + s + m + u8 + u5;
        beta = Beta(s, m);
        r.dFOV[0] = sensor / beta;
        break;
    }
    }
    r.dMagnification[0] = beta;
    return s;
}

int CCCTVData_Param3::EvaluateRing(double sensor, double value, int mode, double R, double draw,
                                   tagLensCalcResult& r, Evaluation& e) const {
    e.ring = QuantitiesOfRing(R);
    double d = 0.0;
    e.s = SolveSeparation(e.ring, sensor, value, mode, draw, r, d);
    r.dFocusDraw[0] = m_dU10 - (e.s + m_dU4 - m_dU6);
    return TestRing(r, d, R, m_dMaxDraw, m_dMaxRingLength, mode);
}

int CCCTVData_Param3::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                                 double wantedDOF, double coc, double draw) {
    Evaluation e;  // of the last ring evaluated
    const int code = SearchRingUpward(r, mode, value, draw, [&](double R, double drawNow) {
        return EvaluateRing(sensor, value, mode, R, drawNow, r, e);
    });
    if (code != kCalcOk) return code;

    const double g1 = m_dG1, g2 = m_dG2;
    const double u4 = m_dU4, u5 = m_dU5, u6 = m_dU6, u8 = m_dU8, u10 = m_dU10;
    const double D = m_dMaxDraw;
    const double Q = FrontLength();
    const double V = DrawZeroSeparation();
    const double gg = 1.0 / (g1 * g2);
    const double s = e.s, T = e.ring.T, b1 = e.ring.b1, c1 = e.ring.c1;

    // The ring taken.
    const double ring = kRingStep * r.nRingIndex;
    if (IsRefusedRing(ring)) return kCalcInfeasible;
    r.dExtension[0] = ring;

    // Aperture and pupil magnification.
    const double F = FNumber(fno, m_dOpenFno);
    const double A0 = (1.0 - (m_dU13 - m_dU18) / m_dU17) * m_dFocalLength / F;
    const double u19 = m_dU19;
    const double w = s - u6 + m_dU20;
    const double B = m_dU13 - m_dU21;
    const double alpha = B / u19 - 1.0;
    const double P0 = 1.0 - w / u19 - ((1.0 / u19 + 1.0 / g2 - w / (u19 * g2)) * (alpha * w - B)) /
                                          (alpha * w / g2 - (1.0 / u19 + 1.0 / g2) * B + 1.0);
    const double P = 1.0 / ((1.0 - m_dU23 / m_dU22) * P0);

    // Depth of field.
    const double beta = r.dMagnification[0];
    const double kP = beta / P + 1.0;
    EffectiveFnoDepthOfField(r, beta, kP, F, kP * SystemFocalLength(s) / (P0 * A0),
                      beta * wantedDOF * beta / (2.0 * coc), wantedDOF, coc);
    r.nValid = 1;

    // Range ends: draw 0 (separation V) and full draw.
    const auto betaAt = [&](double m) { return b1 - (Sq(c1) - Sq(2.0 * gg * m - c1)) / (4.0 * gg); };
    const auto at = [&](double se, double me) {
        const double o = Object(se, me);
        return EndDistances{o - Q, o + se + me + u5 + u8};
    };
    const double s0 = V;
    const double m0 = T - s0 - Q;
    if (!WriteRingEnd(r, kMinEnd, sensor, betaAt(m0), MinimumEndCeiling(beta), 1e-7,
                      [&] { return at(s0, m0); }))
        return kCalcInfeasible;
    const double s1 = u10 - D - u4 + u6;
    const double m1 = T - s1 - Q;
    WriteRingEnd(r, kMaxEnd, sensor, betaAt(m1), beta, 1e-7, [&] { return at(s1, m1); });
    return SuccessIfFinite(r);
}
