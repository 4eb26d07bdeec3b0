#include "optics/FittedSingleLensModels.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "optics/ParamReader.h"

using namespace optics;

namespace {

// A fit y = slope * ln x + offset.
struct LogLaw {
    double slope;
    double offset;
    double At(double x) const { return slope * std::log(x) + offset; }
};

// Modes that derive the magnification from a field of view or a distance.
bool IsDerivedMagnificationMode(int mode) {
    return mode == kModeWorkingDistance || mode == kModeFieldOfView ||
           mode == kModeObjectToImage;
}

}  // namespace

// Polynomial tables list the highest power first, the constant last.
// Quadratics written with the linear term first (a x - b x^2 + c) are stored
// as {-b, a, c}: the first two summands commute, so the value is the same to
// the last bit.

// ---- Param12 -----------------------------------------------------------------

namespace fit12 {
constexpr double kImageCircle = 11.0;
constexpr double kMaxDraw = 1.25;
constexpr double kEffectiveDiameter = 19.5;
// Focal length, mm (its square 144.4804 is exact in double precision), and
// pupil magnification.
constexpr double kFocalLength = 12.02;
static_assert(kFocalLength * kFocalLength == 144.4804);
constexpr double kPupil = 2.6614173228346454;
constexpr double kBetaMin = 0.0;
constexpr double kBetaMax = 0.104;
// WD from beta: a logarithm below 0.006, then c / beta^e below 0.018 and above.
constexpr double kWdSplitLog = 0.006;
constexpr double kWdSplit = 0.018;
constexpr LogLaw kWdLog{-2779.0, -12241.0};
constexpr PowerLaw kWdMid{11.761, 1.001};
constexpr PowerLaw kWdNear{9.2281, 1.063};
// beta from WD: a logarithm beyond 2000 mm, then c * WD^e beyond 650 mm and up to it.
constexpr double kBetaSplitLog = 2000.0;
constexpr double kBetaSplit = 650.0;
constexpr LogLaw kBetaLog{-0.004, 0.0387};
constexpr PowerLaw kBetaMid{11.541, -0.997};
constexpr PowerLaw kBetaNear{8.0689, -0.94};
// OI = a WD + b, and back WD = a OI + b.
constexpr double kOiFromWd[] = {0.9999, 56.661};
constexpr double kWdFromOi[] = {1.0001, -56.668};
// Near end of the range.
constexpr double kWdAtMax = 100.0;
constexpr double kOiAtMax = 157.47;
}  // namespace fit12

void CCCTVData_Param12::SetParameter() {
    using namespace fit12;
    m_dImageCircle = kImageCircle;
    m_dMaxRingLength = 0.0;
    m_dMaxDraw = kMaxDraw;
    m_dEffectiveDiameter = kEffectiveDiameter;
}

double CCCTVData_Param12::WD(double beta) const {
    using namespace fit12;
    if (beta < kWdSplitLog) return kWdLog.At(beta);
    if (beta < kWdSplit) return kWdMid.Over(beta);
    return kWdNear.Over(beta);
}

double CCCTVData_Param12::Beta(double wd) const {
    using namespace fit12;
    if (wd > kBetaSplitLog) return kBetaLog.At(wd);
    if (wd > kBetaSplit) return kBetaMid.Times(wd);
    return kBetaNear.Times(wd);
}

double CCCTVData_Param12::OI(double wd) const { return Polynomial(fit12::kOiFromWd, wd); }
double CCCTVData_Param12::WDFromOI(double oi) const { return Polynomial(fit12::kWdFromOi, oi); }
double CCCTVData_Param12::FocalLength(double) const { return fit12::kFocalLength; }
double CCCTVData_Param12::Pupil(double) const { return fit12::kPupil; }
double CCCTVData_Param12::BetaMin() const { return fit12::kBetaMin; }
double CCCTVData_Param12::BetaMax() const { return fit12::kBetaMax; }

// The helicoid draws the whole extension of the single lens: f * beta.
void CCCTVData_Param12::AfterMode(int mode, double beta, tagLensCalcResult& r) const {
    if (mode >= kModeWorkingDistance && mode <= kModeObjectToImage)
        r.dFocusDraw[0] = fit12::kFocalLength * beta;
}

void CCCTVData_Param12::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit12;
    r.dMagnification[kMinEnd] = kBetaMin;
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {kWdAtMax, kOiAtMax});
}

// ---- Param14 -----------------------------------------------------------------

namespace fit14 {
constexpr double kPupil = 0.9494891220423032;
constexpr double kBetaMin = 0.2;
constexpr double kBetaMax = 0.5;
// WD = c / beta^e: below beta 0.314671, and from there on.
constexpr double kWdSplit = 0.314671;
constexpr PowerLaw kWdFar{118.84509816, 0.86212467};
constexpr PowerLaw kWdNear{127.93943765, 0.79810531};
// beta = c * WD^e: beyond 322.76 mm, and up to it.
constexpr double kBetaSplit = 322.76;
constexpr PowerLaw kBetaFar{255.04898918, -1.15984842};
constexpr PowerLaw kBetaNear{436.0632356, -1.25277902};
// OI = quadratic of WD; back: WD = 1.52110542 OI - 0.00043337 OI^2 - 282.41476592.
constexpr double kOiFromWd[] = {0.00032587, 0.68039973, 203.86494375};
constexpr double kWdFromOi[] = {-0.00043337, 1.52110542, -282.41476592};
// The two ends: magnification, WD and OI.
constexpr double kWdAtMin = 476.76;
constexpr double kOiAtMin = 601.576936;
constexpr double kWdAtMax = 222.76;
constexpr double kOiAtMax = 372.856322;
}  // namespace fit14

void CCCTVData_Param14::SetParameter() {
    CParamReader reader(m_strParameter);
    m_adStoredValues[0] = reader.Next();
    m_adStoredValues[1] = reader.Next();
    m_dFocalLength = reader.Next();
    m_adStoredValues[2] = reader.Next();
    m_adStoredValues[3] = reader.Next();
    m_dImageCircle = reader.Next();
    m_dMaxRingLength = reader.Next();
    m_dEffectiveDiameter = reader.NextOrLast();
    m_dMaxDraw = 0.0;
}

double CCCTVData_Param14::WD(double beta) const {
    using namespace fit14;
    if (beta < kWdSplit) return kWdFar.Over(beta);
    return kWdNear.Over(beta);
}

double CCCTVData_Param14::Beta(double wd) const {
    using namespace fit14;
    if (wd > kBetaSplit) return kBetaFar.Times(wd);
    return kBetaNear.Times(wd);
}

double CCCTVData_Param14::OI(double wd) const { return Polynomial(fit14::kOiFromWd, wd); }
double CCCTVData_Param14::WDFromOI(double oi) const { return Polynomial(fit14::kWdFromOi, oi); }
double CCCTVData_Param14::FocalLength(double) const { return m_dFocalLength; }
double CCCTVData_Param14::Pupil(double) const { return fit14::kPupil; }
double CCCTVData_Param14::BetaMin() const { return fit14::kBetaMin; }
double CCCTVData_Param14::BetaMax() const { return fit14::kBetaMax; }

void CCCTVData_Param14::AfterMode(int mode, double, tagLensCalcResult& r) const {
    if (IsDerivedMagnificationMode(mode)) r.dExtension[0] = 0.0;
}

void CCCTVData_Param14::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit14;
    WriteRangeEnd(r, kMinEnd, sensor, kBetaMin, {kWdAtMin, kOiAtMin});
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {kWdAtMax, kOiAtMax});
}
