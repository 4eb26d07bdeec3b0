#include "optics/MotorStepModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"
#include "optics/ThinLens.h"

using namespace optics;

namespace {

// Bisection of the focus step: tolerance on |g - R| and iteration budget; a
// search that used the whole budget still counts when within the looser
// tolerance.
constexpr double kStepTolerance = 1e-8;
constexpr double kStepToleranceAtBudget = 1e-7;
constexpr int kStepIterations = 10000;

// Longest ring of the table, mm.
constexpr double kLongestRing = 100.0;

}  // namespace

// -- The shared course --

template <class Image>
CMotorStepLens::Bisection CMotorStepLens::Bisect(double ring, Image image) const {
    Bisection b;
    double lo = 0.0;
    double hi = m_nUpperStep;
    double x = m_nFirstStep;
    int iterations = 0;
    double err = 0.0;
    do {
        b.last = StepAt(x, ring);
        b.g = image(b.last);
        err = std::fabs(b.g - b.last.rear);
        const double evaluated = x;
        if (b.g > b.last.rear) {
            lo = x;
            x = (x + hi) / 2.0;
        } else {
            hi = x;
            x = (x + lo) / 2.0;
        }
        ++iterations;
        // Once halving no longer moves the step, every further iteration
        // repeats this one exactly: the outcome is that of the full budget.
        if (x == evaluated) iterations = kStepIterations;
    } while (err > kStepTolerance && iterations < kStepIterations);
    b.xAfter = x;
    b.converged = (iterations < kStepIterations && err < kStepTolerance) ||
                  (iterations == kStepIterations && err < kStepToleranceAtBudget);
    return b;
}

bool CMotorStepLens::SolveForMagnification(double beta, double ring, tagLensCalcResult& r,
                                           FocusStep& solution) const {
    r.dMagnification[0] = beta;
    const Bisection b = Bisect(ring, [&](const FocusStep& st) { return ImageForMagnification(st, beta); });
    solution = b.last;
    const double u = ObjectForImage(solution, b.g);
    r.dWD[0] = u - StepAt(b.xAfter, ring).front;
    r.dObjectToImage[0] = ObjectToImage(solution, u, b.g);
    r.dFocusDraw[0] = Draw(b.xAfter);
    return b.converged;
}

bool CMotorStepLens::SolveForWorkingDistance(double sensor, double wd, double ring, tagLensCalcResult& r,
                                             FocusStep& solution, double& g) const {
    const Bisection b = Bisect(ring, [&](const FocusStep& st) { return ImageForObject(st, st.front + wd); });
    solution = b.last;
    g = b.g;
    const double beta = MagnificationAt(solution, b.g);
    r.dMagnification[0] = beta;
    r.dFOV[0] = sensor / beta;
    r.dFocusDraw[0] = Draw(b.xAfter);
    return b.converged;
}

void CMotorStepLens::ConfigurationAtDraw(double sensor, double value, double ring, double draw,
                                         tagLensCalcResult& r, FocusStep& solution) const {
    r.dFocusDraw[0] = draw;
    r.dExtension[0] = value;
    solution = StepAt(StepOfDraw(draw), ring);
    const double g = solution.rear;
    const double u = ObjectForImage(solution, g);
    r.dWD[0] = u - solution.front;
    r.dObjectToImage[0] = ObjectToImage(solution, u, g);
    const double beta = MagnificationAt(solution, g);
    r.dMagnification[0] = beta;
    r.dFOV[0] = sensor / beta;
}

int CMotorStepLens::TestAcceptance(const tagLensCalcResult& r, double ring, bool converged, int mode) const {
    if (r.dFocusDraw[0] < 0.0) return kCalcInfeasible;
    if (ring > kLongestRing || r.dRing[r.nRingIndex] > m_dMaxRingLength) return kCalcInfeasible;
    const bool refused = m_bRefusesRingInSearch && IsRefusedRing(ring);
    if (r.dFocusDraw[0] <= m_dMaxDraw && converged && !refused) return kCalcOk;
    // A given ring never changes, so a refused one has no answer.
    if (mode == kModeRing && refused) return kCalcInfeasible;
    return kTryNextRing;
}

int CMotorStepLens::EvaluateRing(double sensor, double value, int mode, double ring, double draw,
                                 tagLensCalcResult& r, FocusStep& solution) const {
    bool converged = true;  // no bisection: a given draw
    switch (mode) {
    case kModeFieldOfView:
        r.dFOV[0] = value;
        converged = SolveForMagnification(sensor / value, ring, r, solution);
        break;
    case kModeMagnification:
        r.dFOV[0] = sensor / value;
        converged = SolveForMagnification(value, ring, r, solution);
        break;
    case kModeWorkingDistance: {
        r.dWD[0] = value;
        double g = 0.0;
        converged = SolveForWorkingDistance(sensor, value, ring, r, solution, g);
        r.dObjectToImage[0] = ObjectToImage(solution, solution.front + value, g);
        break;
    }
    case kModeObjectToImage: {
        r.dObjectToImage[0] = value;
        const double wd = WorkingDistanceAt(value, ring);
        r.dWD[0] = wd;
        double g = 0.0;
        converged = SolveForWorkingDistance(sensor, wd, ring, r, solution, g);
        break;
    }
    default:
        ConfigurationAtDraw(sensor, value, ring, draw, r, solution);
        break;
    }
    return TestAcceptance(r, ring, converged, mode);
}

int CMotorStepLens::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r, double fno,
                               double wantedDOF, double coc, double draw) {
    FocusStep solution;  // the step whose optics give the configuration
    double ringUsed = 0.0;
    const int code = SearchRingUpward(r, mode, value, draw, [&](double ring, double drawNow) {
        ringUsed = ring;
        return EvaluateRing(sensor, value, mode, ring, drawNow, r, solution);
    });
    if (code != kCalcOk) return code;

    const double ring = kRingStep * r.nRingIndex;
    if (IsRefusedRing(ring)) return kCalcInfeasible;
    r.dExtension[0] = ring;

    // Pupil and depth of field.
    const double F = fno < 0.0 ? m_dOpenFno : fno;
    const double beta = r.dMagnification[0];
    const PupilTerms pupil = Pupil(solution, r.dFocusDraw[0], F);
    const double k = beta / pupil.P + 1.0;
    EffectiveFnoDepthOfField(r, beta, k, F, k * solution.f / pupil.entrance, Sq(beta) * wantedDOF / (2.0 * coc),
                      wantedDOF, coc);
    r.nValid = 1;

    if (!WriteRangeEnds(r, sensor, beta, ringUsed)) return kCalcInfeasible;
    return SuccessIfFinite(r);
}

bool CMotorStepLens::WriteRangeEnds(tagLensCalcResult& r, double sensor, double beta, double ring) const {
    const auto end = [&](int column, double drawAtEnd) {
        const FocusStep st = StepAt(StepOfDraw(drawAtEnd), ring);
        return WriteRingEnd(r, column, sensor, MagnificationAt(st, st.rear), beta, 1e-9, [&] {
            const double u = ObjectForImage(st, st.rear);
            return EndDistances{u - st.front, ObjectToImage(st, u, st.rear)};
        });
    };
    if (!end(kMinEnd, 0.0)) return false;
    end(kMaxEnd, m_dMaxDraw);
    return true;
}

// -- Two groups --

void CTwoGroupMotorLens::ReadGroupTokens(CParamReader& reader) {
    m_dT1 = reader.Next();
    m_dT2 = reader.Next();
    m_dT3 = reader.Next();
    m_dT4 = reader.Next();
    m_dT5 = reader.Next();
    m_dT6 = reader.Next();
    m_dT7 = reader.Next();
    m_dT8 = reader.Next();
    m_dImageCircle = reader.Next();
    m_dT10 = reader.Next();
    m_dT11 = reader.Next();
    m_dT12 = reader.Next();
    m_dT13 = reader.Next();
}

CMotorStepLens::FocusStep CTwoGroupMotorLens::TwoGroupStep(double x, double A, double B, double R) const {
    const double t1 = m_dT1, t2 = m_dT2;
    FocusStep st;
    st.x = x;
    st.front = A;
    st.B = B;
    st.rear = R;
    st.K = 1.0 / t1 + 1.0 / t2 - B / (t1 * t2);
    st.f = t1 * t2 / (t1 + t2 - B);
    return st;
}

double CTwoGroupMotorLens::Draw(double x) const { return m_dT12 * x + m_dT13 - DrawOrigin(); }

double CTwoGroupMotorLens::StepOfDraw(double draw) const { return (draw - m_dT13 + DrawOrigin()) / m_dT12; }

double CTwoGroupMotorLens::WorkingDistanceAt(double objectToImage, double ring) const {
    return objectToImage - m_dT5 - m_dT8 - LengthSum(ring);
}

double CTwoGroupMotorLens::ImageForMagnification(const FocusStep& st, double beta) const {
    return (beta + 1.0 - st.B / m_dT1) / st.K;
}

double CTwoGroupMotorLens::ImageForObject(const FocusStep& st, double a) const {
    const double t1 = m_dT1, t2 = m_dT2, B = st.B;
    return ((a / t1 - 1.0) * B - a) / ((a / t1 - 1.0) * B / t2 - a * (1.0 / t1 + 1.0 / t2) + 1.0);
}

double CTwoGroupMotorLens::ObjectForImage(const FocusStep& st, double s) const {
    const double t1 = m_dT1, t2 = m_dT2, B = st.B;
    return (B * s / t2 - (s + B)) / (s * (B / t1 - 1.0) / t2 - (s + B) / t1 + 1.0);
}

double CTwoGroupMotorLens::MagnificationAt(const FocusStep& st, double s) const {
    return st.K * s + st.B / m_dT1 - 1.0;
}

double CTwoGroupMotorLens::ObjectToImage(const FocusStep& st, double u, double g) const {
    return u + st.B + g + m_dT5 + m_dT8;
}

// -- Param4 --

void CCCTVData_Param4::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadGroupTokens(reader);
    m_dT14 = reader.Next();
    m_dFrontDistA = reader.Next();
    m_dExtensionOffset = reader.Next();
    m_dT17 = reader.Next();
    m_dFocalLength = reader.Next();
    m_dOpenFno = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param4::LengthSum(double ring) const {
    return (m_dExtensionOffset - m_dT7) + ring + (m_dT3 + m_dFrontDistA) + (m_dT17 - m_dT4 + m_dT6 + m_dT14);
}

CMotorStepLens::FocusStep CCCTVData_Param4::StepAt(double x, double ring) const {
    const double A = m_dT10 * x + m_dT11 + m_dT3;
    const double B = m_dT12 * x + m_dT6 + m_dT13 + m_dT14 - m_dT4;
    return TwoGroupStep(x, A, B, LengthSum(ring) - A - B);
}

CMotorStepLens::PupilTerms CCCTVData_Param4::Pupil(const FocusStep&, double draw, double F) const {
    const double t1 = m_dT1, t4 = m_dT4, t17 = m_dT17;
    const double D0 = (1.0 - (t17 - t4) / t1) * (m_dFocalLength / F);
    const double Dep = D0 / (1.0 - (t17 + draw - t4) / t1);
    const double P = D0 / (1.0 - (m_dT14 + m_dT6) / m_dT2) / Dep;
    return {P, Dep};
}

// -- Param5 --

void CCCTVData_Param5::SetParameter() {
    CParamReader reader(m_strParameter);
    ReadGroupTokens(reader);
    m_dFrontDistA = reader.Next();
    m_dExtensionOffset = reader.Next();
    m_dT16 = reader.Next();
    m_dFocalLength = reader.Next();
    m_dOpenFno = reader.Next();
    m_dU1 = reader.Next();
    m_dU2 = reader.Next();
    m_dU3 = reader.Next();
    m_dU4 = reader.Next();
    m_dU5 = reader.Next();
    m_dU6 = reader.Next();
    m_dU7 = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param5::LengthSum(double ring) const {
    return (m_dExtensionOffset - m_dT7) + ring + (m_dT3 + m_dFrontDistA) + (m_dT16 - m_dT4 + m_dT6);
}

CMotorStepLens::FocusStep CCCTVData_Param5::StepAt(double x, double ring) const {
    const double A = m_dT10 * x + m_dT11 + m_dT3;
    const double B = m_dT12 * x + m_dT6 + m_dT13 - m_dT4;
    return TwoGroupStep(x, A, B, LengthSum(ring) - A - B);
}

CMotorStepLens::PupilTerms CCCTVData_Param5::Pupil(const FocusStep& solution, double, double F) const {
    const double t2 = m_dT2;
    const double T = m_dT12 * solution.x + m_dT13 - m_dU5 + m_dT6;
    const double g = 1.0 / m_dU3;
    const double M = m_dU7 + m_dU4;
    const double Pr = (1.0 - T * g) - (g + 1.0 / t2 - T * g / t2) * ((M * g - 1.0) * T - M) /
                                          ((M * g - 1.0) * T / t2 - (g + 1.0 / t2) * M + 1.0);
    const double P = Pr * (1.0 - (m_dU6 - m_dU2) / m_dU1);
    return {P, m_dFocalLength / F};
}

// -- Param6 --

void CCCTVData_Param6::SetParameter() {
    CParamReader reader(m_strParameter);
    reader.Next({&m_dT1, &m_dT2, &m_dT3, &m_dT4, &m_dT5, &m_dT6, &m_dT7, &m_dT8, &m_dT9, &m_dT10, &m_dT11,
                 &m_dT12, &m_dT13, &m_dT14, &m_dT15});
    m_dFrontDistA = reader.Next();
    m_dExtensionOffset = reader.Next();
    m_dImageCircle = reader.Next();
    m_dT19 = reader.Next();
    m_dT20 = reader.Next();
    m_dT21 = reader.Next();
    m_dT22 = reader.Next();
    m_dFocalLength = reader.Next();
    m_dOpenFno = reader.Next();
    m_dMaxDraw = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.Last();
}

double CCCTVData_Param6::LengthSum(double ring) const {
    return (m_dExtensionOffset - m_dT11 + ring) + (m_dT14 + m_dT13 - m_dT5 + m_dT7) + (m_dT15 - m_dT8 + m_dT10);
}

CMotorStepLens::FocusStep CCCTVData_Param6::StepAt(double x, double ring) const {
    const double fa = m_dT1, fb = m_dT2, fc = m_dT3;
    FocusStep st;
    st.x = x;
    st.S1 = m_dT19 * x + m_dT20 + m_dT14 - m_dT5 + m_dT7;
    st.S2 = m_dT21 * x + m_dT22 - m_dT8 + m_dT10;
    st.front = FrontOffset();
    st.rear = LengthSum(ring) - st.S1 - st.S2;
    const double S1 = st.S1, S2 = st.S2;
    const double power = S1 * S2 / (fa * fb * fc) + (1.0 / fa + 1.0 / fb + 1.0 / fc) -
                         (1.0 / fb + 1.0 / fc) * S1 / fa - (1.0 / fa + 1.0 / fb) * S2 / fc;
    st.f = 1.0 / power;
    st.X = (1.0 / fa + 1.0 / fb) * S2 + S1 / fa - S1 * S2 / (fa * fb);
    return st;
}

double CCCTVData_Param6::Draw(double x) const { return m_dT13 - (m_dT19 * x + m_dT20); }

double CCCTVData_Param6::StepOfDraw(double draw) const { return (m_dT13 - draw - m_dT20) / m_dT19; }

double CCCTVData_Param6::ImageForMagnification(const FocusStep& st, double beta) const {
    return (beta + 1.0 - st.X) * st.f;
}

double CCCTVData_Param6::ImageForObject(const FocusStep& st, double a) const {
    const double fa = m_dT1, fb = m_dT2, fc = m_dT3;
    const double a1 = a / (a / fa - 1.0);
    const double m = st.S1 - a1;
    return ((1.0 - m / fb) * st.S2 + m) / ((1.0 - m / fb) * st.S2 / fc + (1.0 / fb + 1.0 / fc) * m - 1.0);
}

double CCCTVData_Param6::ObjectForImage(const FocusStep& st, double s) const {
    const double fa = m_dT1, fb = m_dT2, fc = m_dT3;
    const double m = st.S1 - ((1.0 - s / fc) * st.S2 + s) / ((1.0 - s / fc) * st.S2 / fb + (1.0 / fb + 1.0 / fc) * s - 1.0);
    return m / (m / fa - 1.0);
}

double CCCTVData_Param6::MagnificationAt(const FocusStep& st, double s) const { return st.X - 1.0 + s / st.f; }

double CCCTVData_Param6::ObjectToImage(const FocusStep& st, double u, double g) const {
    return u + st.S1 + st.S2 + g + m_dT6 + m_dT9 + m_dT12;
}

double CCCTVData_Param6::WorkingDistanceAt(double objectToImage, double ring) const {
    return objectToImage - m_dT6 - m_dT9 - m_dT12 - (LengthSum(ring) + FrontOffset());
}

CMotorStepLens::PupilTerms CCCTVData_Param6::Pupil(const FocusStep& solution, double draw, double F) const {
    const double fa = m_dT1, fb = m_dT2, fc = m_dT3;
    const double t5 = m_dT5, t13 = m_dT13;
    const double S2 = solution.S2;
    const double W = m_dT14 + m_dT7;
    const double D0 = (1.0 - (t13 - t5) / fa) * (m_dFocalLength / F);
    const double Dep = D0 / (1.0 - (t13 - draw - t5) / fa);
    const double q = W / fb - 1.0;
    const double P = (1.0 - S2 / fb -
                      ((1.0 / fb + 1.0 / fc) - S2 / (fb * fc)) * (q * S2 - W) /
                          (q * S2 / fc - W * (1.0 / fb + 1.0 / fc) + 1.0)) *
                     D0 / Dep;
    return {P, Dep};
}

bool CCCTVData_Param6::WriteRangeEnds(tagLensCalcResult& r, double sensor, double beta, double ring) const {
    // Minimum end: the distances are stored before the magnification is
    // tested.
    const FocusStep lo = StepAt(StepOfDraw(0.0), ring);
    const double betaMin = MagnificationAt(lo, lo.rear);
    const double uMin = ObjectForImage(lo, lo.rear);
    r.dMagnification[kMinEnd] = betaMin;
    r.dWD[kMinEnd] = uMin - lo.front;
    r.dObjectToImage[kMinEnd] = ObjectToImage(lo, uMin, lo.rear);
    if (betaMin > 1e-9) {
        r.dFOV[kMinEnd] = sensor / betaMin;
        if (betaMin > beta) return false;
        r.nMinValid = 1;
    } else {
        r.dMagnification[kMinEnd] = 0.0;
    }

    // Maximum end: written whatever its magnification.
    const FocusStep hi = StepAt(StepOfDraw(m_dMaxDraw), ring);
    const double uMax = ObjectForImage(hi, hi.rear);
    WriteRangeEnd(r, kMaxEnd, sensor, MagnificationAt(hi, hi.rear), {uMax - hi.front, ObjectToImage(hi, uMax, hi.rear)});
    return true;
}
