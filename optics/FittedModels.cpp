#include "optics/FittedModels.h"

#include "optics/ModelMath.h"
#include "optics/ThinLens.h"

using namespace optics;

// ---- the shared course -------------------------------------------------------

int CFittedModel::CalcOptics(double sensor, double value, int mode, tagLensCalcResult& r,
                             double fno, double wantedDOF, double coc, double draw) {
    double beta = r.dMagnification[0];
    switch (mode) {
    case kModeFieldOfView:
        r.dFOV[0] = value;
        beta = sensor / value;
        r.dMagnification[0] = beta;
        r.dWD[0] = WD(beta);
        r.dObjectToImage[0] = OI(r.dWD[0]);
        break;
    case kModeMagnification:
        beta = value;
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / value;
        r.dWD[0] = WD(beta);
        r.dObjectToImage[0] = OI(r.dWD[0]);
        break;
    case kModeWorkingDistance:
        r.dWD[0] = value;
        beta = Beta(value);
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / beta;
        r.dObjectToImage[0] = OI(value);
        break;
    case kModeObjectToImage:
        r.dObjectToImage[0] = value;
        r.dWD[0] = WDFromOI(value);
        beta = Beta(r.dWD[0]);
        r.dMagnification[0] = beta;
        r.dFOV[0] = sensor / beta;
        break;
    default:  // nothing to compute: the magnification in the record is tested
        break;
    }
    AfterMode(mode, beta, r);

    if (beta < BetaMin())
        return RerunAtRangeEnd(*this, kCalcBelowRange, sensor, BetaMin(), kModeMagnification, r,
                               fno, wantedDOF, coc, draw);
    if (beta > BetaMax())
        return RerunAtRangeEnd(*this, kCalcAboveRange, sensor, BetaMax(), kModeMagnification, r,
                               fno, wantedDOF, coc, draw);

    r.nValid = 1;
    const double f = FocalLength(beta);
    const double P = Pupil(beta);
    const double k = beta / P + 1.0;
    ThinLensDepthOfField(r, beta, k, k, f, fno, wantedDOF, coc);

    WriteRangeEnds(r, sensor);
    return SuccessIfFinite(r);
}

namespace {

// Modes in which a model writes an extension of 0.0.
bool IsSizeMode(int mode) { return mode == kModeMagnification || mode == kModeFieldOfView; }

// What the loader would otherwise set: image circle, ring limit (none) and
// effective front diameter.
void SetLensConstants(CCCTVData& lens, double imageCircle, double effectiveDiameter) {
    lens.m_dImageCircle = imageCircle;
    lens.m_dMaxRingLength = 0.0;
    lens.m_dEffectiveDiameter = effectiveDiameter;
}

}  // namespace

// Coefficient tables of the polynomials list the highest power first, the
// constant last (CCCTVData::EvalPolynomial). The focal-length and pupil
// polynomials are fits over x = -beta. Quadratics that are written with the
// linear term first (a x - b x^2 + c) are stored as {-b, a, c}: the first two
// summands commute, so the value is the same to the last bit.

// ---- Param7 ------------------------------------------------------------------

namespace fit7 {
constexpr double kImageCircle = 16.8;
constexpr double kEffectiveDiameter = 58.61255;
constexpr double kBetaMin = 0.0;
constexpr double kBetaMax = 0.05033;
// WD = c / beta^e on three branches: below 0.00607, below 0.01466, above.
constexpr double kWdSplit[] = {0.00607, 0.01466};
constexpr PowerLaw kWd[] = {{5.8241, 1.009}, {5.0133, 1.038}, {3.5595, 1.121}};
// beta = c / WD^e: beyond 1000 mm, beyond 400 mm, up to 400 mm.
constexpr double kBetaSplitFar = 1000.0;
constexpr double kBetaSplitNear = 400.0;
constexpr PowerLaw kBetaFar{5.737, 0.991};
constexpr PowerLaw kBetaMid{4.727, 0.964};
constexpr PowerLaw kBetaNear{3.0969, 0.892};
// OI = a WD + b, and back WD = a OI + b.
constexpr double kOiFromWd[] = {1.00005636857105, 94.7141608039792};
constexpr double kWdFromOi[] = {0.9999, -94.709};
// Focal length over -beta.
constexpr double kFocal[] = {-23349559.644104004, -4091788.4158706665, -295656.819396019,
                             -11429.11270609498,  -242.27655544201843, -4.498497844249414,
                             6.200437442993239};
// Pupil magnification = polynomial over -beta / kPupilScale; below beta
// 0.00922 the near fit, above the far one.
constexpr double kPupilSplit = 0.00922;
constexpr double kPupilNear[] = {3825245311.1951294, 105265210.28413582, 1338157.9295185655,
                                 12821.484141689842, 241.99188057662013};
constexpr double kPupilFar[] = {24179233.761385083, 3141879.6770108044, 160429.9025338199,
                                5538.257064766418, 222.17156959469548};
constexpr double kPupilScale = 3.46452;
// Near end of the range: working and object-to-image distances.
constexpr double kWdAtMax = 100.0;
constexpr double kOiAtMax = 194.43224;
}  // namespace fit7

void CCCTVData_Param7::SetParameter() {
    SetLensConstants(*this, fit7::kImageCircle, fit7::kEffectiveDiameter);
}

double CCCTVData_Param7::WD(double beta) const {
    using namespace fit7;
    if (beta < kWdSplit[0]) return kWd[0].Over(beta);
    if (beta < kWdSplit[1]) return kWd[1].Over(beta);
    return kWd[2].Over(beta);
}

double CCCTVData_Param7::Beta(double wd) const {
    using namespace fit7;
    if (wd > kBetaSplitFar) return kBetaFar.Over(wd);
    if (wd > kBetaSplitNear) return kBetaMid.Over(wd);
    return kBetaNear.Over(wd);
}

double CCCTVData_Param7::OI(double wd) const { return Polynomial(fit7::kOiFromWd, wd); }
double CCCTVData_Param7::WDFromOI(double oi) const { return Polynomial(fit7::kWdFromOi, oi); }
double CCCTVData_Param7::FocalLength(double beta) const { return Polynomial(fit7::kFocal, -beta); }

double CCCTVData_Param7::Pupil(double beta) const {
    using namespace fit7;
    if (beta < kPupilSplit) return Polynomial(kPupilNear, -beta) / kPupilScale;
    return Polynomial(kPupilFar, -beta) / kPupilScale;
}

double CCCTVData_Param7::BetaMin() const { return fit7::kBetaMin; }
double CCCTVData_Param7::BetaMax() const { return fit7::kBetaMax; }

void CCCTVData_Param7::AfterMode(int mode, double, tagLensCalcResult& r) const {
    if (IsSizeMode(mode)) r.dExtension[0] = 0.0;
}

void CCCTVData_Param7::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit7;
    r.dMagnification[kMinEnd] = kBetaMin;
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {kWdAtMax, kOiAtMax});
}

// ---- Param8 ------------------------------------------------------------------

namespace fit8 {
constexpr double kImageCircle = 16.8;
constexpr double kEffectiveDiameter = 40.24916;
constexpr double kBetaMin = 0.0;
constexpr double kBetaMax = 0.069319;
// WD = c / beta^e on three branches: below 0.016053, below 0.043875, above.
constexpr double kWdSplit[] = {0.016053, 0.043875};
constexpr PowerLaw kWd[] = {{7.0606, 1.025}, {5.0662, 1.106}, {3.3381, 1.239}};
// beta = c * WD^e: beyond 484.446981 mm, beyond 159.723093 mm, up to it.
constexpr double kBetaSplitFar = 484.446981;
constexpr double kBetaSplitNear = 159.723093;
constexpr PowerLaw kBetaFar{6.7324, -0.976};
constexpr PowerLaw kBetaMid{4.3298, -0.904};
constexpr PowerLaw kBetaNear{2.6439, -0.807};
// OI = WD + 99.8414, and back.
constexpr double kOiFromWd[] = {1.0, 99.8414};
constexpr double kWdFromOi[] = {1.0, -99.8414};
// Focal length over -beta; pupil magnification = kPupilNum / kPupilDen over -beta.
constexpr double kFocal[] = {9893.791148360819, 1349.364375969395, 41.21483178163908,
                             3.1224252548265667, 8.213262364679341};
constexpr double kPupilDen[] = {4957.234603364952, 687.1060606355313, 21.048062969719467,
                                1.9760100616119871, 5.793625056676709};
constexpr double kPupilNum[] = {2.1059367805719376, 0.3060293961316347, 0.011089190724305809,
                                0.0007159788874560036, 108.50029274486462};
// Near end of the range.
constexpr double kWdAtMax = 90.636895;
constexpr double kOiAtMax = 190.478287;
}  // namespace fit8

void CCCTVData_Param8::SetParameter() {
    SetLensConstants(*this, fit8::kImageCircle, fit8::kEffectiveDiameter);
}

double CCCTVData_Param8::WD(double beta) const {
    using namespace fit8;
    if (beta < kWdSplit[0]) return kWd[0].Over(beta);
    if (beta < kWdSplit[1]) return kWd[1].Over(beta);
    return kWd[2].Over(beta);
}

double CCCTVData_Param8::Beta(double wd) const {
    using namespace fit8;
    if (wd > kBetaSplitFar) return kBetaFar.Times(wd);
    if (wd > kBetaSplitNear) return kBetaMid.Times(wd);
    return kBetaNear.Times(wd);
}

double CCCTVData_Param8::OI(double wd) const { return Polynomial(fit8::kOiFromWd, wd); }
double CCCTVData_Param8::WDFromOI(double oi) const { return Polynomial(fit8::kWdFromOi, oi); }
double CCCTVData_Param8::FocalLength(double beta) const { return Polynomial(fit8::kFocal, -beta); }

double CCCTVData_Param8::Pupil(double beta) const {
    return Polynomial(fit8::kPupilNum, -beta) / Polynomial(fit8::kPupilDen, -beta);
}

double CCCTVData_Param8::BetaMin() const { return fit8::kBetaMin; }
double CCCTVData_Param8::BetaMax() const { return fit8::kBetaMax; }

void CCCTVData_Param8::AfterMode(int mode, double, tagLensCalcResult& r) const {
    if (IsSizeMode(mode)) r.dExtension[0] = 0.0;
}

void CCCTVData_Param8::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit8;
    r.dMagnification[kMinEnd] = kBetaMin;
    r.nMinValid = 0;
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {kWdAtMax, kOiAtMax});
}

// ---- Param9 ------------------------------------------------------------------

namespace fit9 {
constexpr double kImageCircle = 45.0;
constexpr double kEffectiveDiameter = 30.09786;
constexpr double kBetaMin = 0.000001;
constexpr double kBetaMax = 0.5;
// WD = c * beta^e: below beta 0.136641, and from there on.
constexpr double kWdSplit = 0.136641;
constexpr PowerLaw kWdFar{34.0416731069, -1.0064577907};
constexpr PowerLaw kWdNear{31.351521079, -1.0492804289};
// beta = c * WD^e: below 251.119604 mm, and from there on.
constexpr double kBetaSplit = 251.119604;
constexpr PowerLaw kBetaNear{26.6597396858, -0.9529707433};
constexpr PowerLaw kBetaFar{33.2777843944, -0.9935742222};
// OI = quadratic of WD; back: WD = 1.0194379 OI - 3.3e-06 OI^2 - 123.28346916.
constexpr double kOiFromWd[] = {3.32e-06, 0.98122423, 121.06916134};
constexpr double kWdFromOi[] = {-3.3e-06, 1.0194379, -123.28346916};
// Focal length over -beta; pupil magnification = polynomial over -beta / kPupilScale.
constexpr double kFocal[] = {0.4959815605488984, 0.3855455663288012, 0.20221003453752928,
                             -2.223620729171671, 35.090865256540425};
constexpr double kPupil[] = {0.2544297699778326, 0.19711730046856246, 0.10946408057361623,
                             -1.1356482873291043, 16.55191271619108};
constexpr double kPupilScale = 12.49452;
}  // namespace fit9

void CCCTVData_Param9::SetParameter() {
    SetLensConstants(*this, fit9::kImageCircle, fit9::kEffectiveDiameter);
}

double CCCTVData_Param9::WD(double beta) const {
    using namespace fit9;
    if (beta < kWdSplit) return kWdFar.Times(beta);
    return kWdNear.Times(beta);
}

double CCCTVData_Param9::Beta(double wd) const {
    using namespace fit9;
    if (wd < kBetaSplit) return kBetaNear.Times(wd);
    return kBetaFar.Times(wd);
}

double CCCTVData_Param9::OI(double wd) const { return Polynomial(fit9::kOiFromWd, wd); }
double CCCTVData_Param9::WDFromOI(double oi) const { return Polynomial(fit9::kWdFromOi, oi); }
double CCCTVData_Param9::FocalLength(double beta) const { return Polynomial(fit9::kFocal, -beta); }

double CCCTVData_Param9::Pupil(double beta) const {
    return Polynomial(fit9::kPupil, -beta) / fit9::kPupilScale;
}

double CCCTVData_Param9::BetaMin() const { return fit9::kBetaMin; }
double CCCTVData_Param9::BetaMax() const { return fit9::kBetaMax; }

void CCCTVData_Param9::AfterMode(int mode, double, tagLensCalcResult& r) const {
    if (IsSizeMode(mode)) r.dExtension[0] = 0.0;
}

void CCCTVData_Param9::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit9;
    r.dMagnification[kMinEnd] = kBetaMin;
    // The near end lies on the near branch of the working-distance fit.
    const double wd = kWdNear.Times(kBetaMax);
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {wd, OI(wd)});
}

// ---- Param13 -----------------------------------------------------------------

namespace fit13 {
constexpr double kImageCircle = 11.0;
constexpr double kEffectiveDiameter = 21.0;
constexpr double kBetaMin = 0.0;
constexpr double kBetaMax = 0.127;
// WD = c / beta^e.
constexpr PowerLaw kWd{6.2844, 1.044};
// beta = c * WD^e: beyond 450 mm, and up to it.
constexpr double kBetaSplit = 450.0;
constexpr PowerLaw kBetaFar{7.0865, -0.986};
constexpr PowerLaw kBetaNear{4.5361, -0.912};
// OI = a WD + b, and back WD = a OI + b.
constexpr double kOiFromWd[] = {1.00002, 59.17953};
constexpr double kWdFromOi[] = {0.99998, -59.17856};
// Focal length over -beta; pupil magnification = kPupilScale / polynomial over -beta.
constexpr double kFocal[] = {260.2178956475109, 49.25445838016458, 2.9035223169776145,
                             1.2669065446530112, 8.08596678687611};
constexpr double kPupil[] = {30.772057980764657, 3.31507961609168, 0.06660236478637671,
                             0.45113143651019527, 3.37130490139913};
constexpr double kPupilScale = 17.66;
// Near end of the range.
constexpr double kWdAtMax = 50.0;
constexpr double kOiAtMax = 109.04;
}  // namespace fit13

void CCCTVData_Param13::SetParameter() {
    SetLensConstants(*this, fit13::kImageCircle, fit13::kEffectiveDiameter);
}

double CCCTVData_Param13::WD(double beta) const { return fit13::kWd.Over(beta); }

double CCCTVData_Param13::Beta(double wd) const {
    using namespace fit13;
    if (wd > kBetaSplit) return kBetaFar.Times(wd);
    return kBetaNear.Times(wd);
}

double CCCTVData_Param13::OI(double wd) const { return Polynomial(fit13::kOiFromWd, wd); }
double CCCTVData_Param13::WDFromOI(double oi) const { return Polynomial(fit13::kWdFromOi, oi); }
double CCCTVData_Param13::FocalLength(double beta) const {
    return Polynomial(fit13::kFocal, -beta);
}

double CCCTVData_Param13::Pupil(double beta) const {
    return fit13::kPupilScale / Polynomial(fit13::kPupil, -beta);
}

double CCCTVData_Param13::BetaMin() const { return fit13::kBetaMin; }
double CCCTVData_Param13::BetaMax() const { return fit13::kBetaMax; }

void CCCTVData_Param13::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit13;
    r.dMagnification[kMinEnd] = kBetaMin;
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaMax, {kWdAtMax, kOiAtMax});
}

// ---- Param15 -----------------------------------------------------------------

namespace fit15 {
constexpr double kImageCircle = 82.0;
constexpr double kEffectiveDiameter = 24.64853;
constexpr double kBetaMin = 0.5;
constexpr double kBetaMax = 1.0;
// WD = c * beta^e, and beta = c * WD^e.
constexpr PowerLaw kWd{132.49, -0.721};
constexpr PowerLaw kBeta{873.68, -1.386};
// OI = quartic of WD.
constexpr double kOiFromWd[] = {1.9938170927916468e-07, -0.00016714262384417516,
                                0.054466336453453404, -7.429361250034576, 681.0351469983647};
// WD from OI: two quadratics, split at OI 333.460621 (the split belongs to
// the lower one).
constexpr double kWdSplit = 333.460621;
constexpr double kWdFromOiFar[] = {-0.01016421, 8.71394365, -1613.283545};
constexpr double kWdFromOiNear[] = {-0.28465499, 190.83444138, -31822.79541713};
// Focal length over -beta; pupil magnification = kPupilScale / polynomial over -beta.
constexpr double kFocal[] = {-0.006480209712890428, -0.017994179342622374, 0.051389782042406296,
                             2.491236254969124, 84.95952476230067};
constexpr double kPupil[] = {-0.0035856679498209587, -0.002991931093532685, 0.11660045959567356,
                             1.6875153823306306, 21.917120360303436};
constexpr double kPupilScale = 19.578213;
// The two ends as written on success: magnification, WD and OI.
constexpr double kBetaAtMin = 0.500013;
constexpr double kWdAtMin = 220.060739;
constexpr double kOiAtMin = 370.09248;
constexpr double kBetaAtMax = 0.999998;
constexpr double kWdAtMax = 133.264246;
constexpr double kOiAtMax = 325.586834;
}  // namespace fit15

CCCTVData_Param15::CCCTVData_Param15(const tagLensColumns& columns) {
    AssignColumns(columns);
    m_dMaxRingLength = 100.0;
    SetParameter();
    SplitFnoList();
}

void CCCTVData_Param15::SetParameter() {
    SetLensConstants(*this, fit15::kImageCircle, fit15::kEffectiveDiameter);
}

double CCCTVData_Param15::WD(double beta) const { return fit15::kWd.Times(beta); }
double CCCTVData_Param15::Beta(double wd) const { return fit15::kBeta.Times(wd); }
double CCCTVData_Param15::OI(double wd) const { return Polynomial(fit15::kOiFromWd, wd); }

double CCCTVData_Param15::WDFromOI(double oi) const {
    using namespace fit15;
    if (oi > kWdSplit) return Polynomial(kWdFromOiFar, oi);
    return Polynomial(kWdFromOiNear, oi);
}

double CCCTVData_Param15::FocalLength(double beta) const {
    return Polynomial(fit15::kFocal, -beta);
}

double CCCTVData_Param15::Pupil(double beta) const {
    return fit15::kPupilScale / Polynomial(fit15::kPupil, -beta);
}

double CCCTVData_Param15::BetaMin() const { return fit15::kBetaMin; }
double CCCTVData_Param15::BetaMax() const { return fit15::kBetaMax; }

void CCCTVData_Param15::AfterMode(int mode, double, tagLensCalcResult& r) const {
    if (IsSizeMode(mode) || mode == kModeWorkingDistance) r.dExtension[0] = 0.0;
}

void CCCTVData_Param15::WriteRangeEnds(tagLensCalcResult& r, double sensor) const {
    using namespace fit15;
    WriteRangeEnd(r, kMinEnd, sensor, kBetaAtMin, {kWdAtMin, kOiAtMin});
    WriteRangeEnd(r, kMaxEnd, sensor, kBetaAtMax, {kWdAtMax, kOiAtMax});
}
