#include "illumination/LedTypes.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Whether an opening of diameter `opening`, `w` from the object, cuts the
// light cone between the field (diameter `field` at the object) and the lens
// front (diameter `eff`, `lensWD` from the object).
bool ConeCut(double opening, double field, double eff, double lensWD, double w) {
    return (opening - eff) / 2.0 < (field - eff) / 2.0 * (lensWD - w) / lensWD;
}

// The search's last check: an interval whose ends crossed is no usable range.
int CheckIntervals(const tagLedWDRange& r, int result) {
    if (r.dMinWD1 > r.dMaxWD1 || r.dMinWD2 > r.dMaxWD2) return kLedEmptyInterval;
    return result;
}

// WD mode on one axis: the range starts at W and keeps the WDs that light
// the wanted area.
int SolveFromWD(tagLedWDRange& range, double W, double wanted, const tagLedAreaCoef& f) {
    range.dMinWD1 = range.dMinWD2 = W;
    if (wanted > f.At(W)) return kLedAreaOverLit;
    const int solved = CLedData::SolveWDForArea(range, wanted, f.b, f.c, f.d, W);
    return solved < 1 ? kLedNoWDForArea : solved;
}

bool OutsideWD(const CLedData& led, double W) {
    return W >= 0.0 && (W < led.MinWD || W > led.MaxWD);
}

// WD mode of the ring lights and the dome: the lit field is a circle, so the
// H quadratic serves every axis; the wanted area is D, else H, else V.
int RoundWDSearch(const CLedData& led, double W, double areaH, double areaV, double areaD,
                  tagLedWDRange& range) {
    if (OutsideWD(led, W)) return kLedWDOutside;
    const double wanted = areaD >= 0.0 ? areaD : (areaH >= 0.0 ? areaH : areaV);
    return SolveFromWD(range, W, wanted, led.CoefH());
}

// WD mode of the bar and the simulated coaxial light: the first axis (H, V,
// D) with a wanted area above 0 decides; without one the light is not listed.
int AxisWDSearch(const CLedData& led, const tagLedAreaCoef (&axis)[3], double W, double areaH,
                 double areaV, double areaD, tagLedWDRange& range) {
    if (OutsideWD(led, W)) return kLedWDOutside;
    const double wanted[3] = {areaH, areaV, areaD};
    for (int k = 0; k < 3; ++k)
        if (wanted[k] > 0.0) return SolveFromWD(range, W, wanted[k], axis[k]);
    return 0;
}

// One calculation: the usable maximum WD, the quadratic the wanted area
// belongs to, the three quadratics of the reported areas and the vignetting
// test of one WD (none when empty).
struct CalcModel {
    double maxWD = 0.0;
    tagLedAreaCoef solve;
    tagLedAreaCoef h, v, d;
    std::function<bool(double)> vignettes;
};

int RunCalculate(const CLedData& led, double value, int item, const CalcModel& m,
                 tagLedCalcResult& result) {
    double wd1 = -1.0;
    double wd2 = -1.0;
    double at;  // the WD the areas are reported at
    if (item == 0) {
        if (value < led.MinWD) return kLedWDBelowMin;
        if (value > m.maxWD) return kLedWDAboveMax;
        wd1 = at = value;
    } else {
        std::pair<double, double> roots;
        if (led.SolveAreaRoots(roots, m.solve.d, value, m.solve.b, m.solve.c) < 0)
            return kLedAreaNeverReached;
        const auto inside = [&](double x) { return x >= led.MinWD && x <= m.maxWD; };
        const bool keep1 = inside(roots.first);
        const bool keep2 = inside(roots.second);
        if (!keep1 && !keep2) return kLedNoWDInRange;
        if (keep1) wd1 = roots.first;
        if (keep2) wd2 = roots.second;
        at = keep2 ? wd2 : wd1;
    }

    result.dAreaH = m.h.At(at);
    result.dAreaV = m.v.At(at);
    result.dAreaD = m.d.At(at);

    if (m.vignettes) {
        if (wd1 >= 0.0 && m.vignettes(wd1)) wd1 = -1.0;
        if (wd2 >= 0.0 && m.vignettes(wd2)) wd2 = -1.0;
    }

    if (wd1 < 0.0 && wd2 < 0.0) return item == 0 ? kLedWDVignettes : kLedAreaVignettes;
    if (wd1 < 0.0) {
        result.dWD2 = wd2;
        return 2;
    }
    result.dWD1 = wd1;
    if (wd2 >= 0.0) {
        result.dWD2 = wd2;
        return 3;
    }
    return 1;
}

// The axis quadratic an item asks for: 1 H, 2 V, 3 D.
tagLedAreaCoef AxisOfItem(const tagLedAreaCoef (&axis)[3], int item) {
    if (item == 2) return axis[1];
    if (item == 3) return axis[2];
    return axis[0];
}

}  // namespace

// ---- ring lights -----------------------------------------------------------

int CLedData_Ring::EvaluateSearch(double, double, double fovD, double lensWD, double effDiameter,
                                  double illumWD, double areaH, double areaV, double areaD,
                                  tagLedWDRange& range) {
    range.SetBoth(MinWD, MaxWD);
    int result;
    if (lensWD >= 0.0) {
        range.dMaxWD1 = UsableMaxWD(lensWD, Height);
        if (MinWD > range.dMaxWD1) return kLedMinAboveMax;
        if (LimitWDByVignetting(range, effDiameter, InternalDiameter, fovD, lensWD) != 0)
            return kLedAllVignette;
        double area = fovD;
        result = SolveWDForArea(range, area, WD_H_b, WD_H_c, WD_H_d, illumWD);
        if (result < 1) return kLedFovNotLit;
    } else {
        result = RoundWDSearch(*this, illumWD, areaH, areaV, areaD, range);
        if (result < 0) return result;
    }
    return CheckIntervals(range, result);
}

int CLedData_Ring::Calculate(double value, int item, double fovH, double fovV, double lensWD,
                             double effDiameter, tagLedCalcResult& result) {
    // A round field; the hole must pass the cone.
    CalcModel m;
    m.maxWD = UsableMaxWD(lensWD, Height);
    m.solve = m.h = m.v = m.d = CoefH();
    if (lensWD > 0.0) {
        const double diag = std::sqrt(fovH * fovH + fovV * fovV);
        const double inner = InternalDiameter;
        const double eff = effDiameter;
        m.vignettes = [=](double w) { return ConeCut(inner, diag, eff, lensWD, w); };
    }
    return RunCalculate(*this, value, item, m, result);
}

// ---- simulated coaxial -----------------------------------------------------

int CLedData_SimCoaxial::EvaluateSearch(double fovH, double fovV, double fovD, double lensWD,
                                        double effDiameter, double illumWD, double areaH,
                                        double areaV, double areaD, tagLedWDRange& range) {
    // A circular window lights a round field: the H quadratic serves every axis.
    const bool circular = WindowForm == 0;
    const tagLedAreaCoef axis[3] = {CoefH(), circular ? CoefH() : CoefV(),
                                    circular ? CoefH() : CoefD()};

    range.SetBoth(MinWD, MaxWD);
    if (lensWD < 0.0) {
        const int result = AxisWDSearch(*this, axis, illumWD, areaH, areaV, areaD, range);
        if (result < 0) return result;
        return CheckIntervals(range, result);
    }

    range.dMaxWD1 = UsableMaxWD(lensWD, Height);
    if (MinWD > range.dMaxWD1) return kLedMinAboveMax;
    if (circular) {
        if (LimitWDByVignetting(range, effDiameter, LongSide, fovD, lensWD) != 0)
            return kLedAllVignette;
    } else {
        if (LimitWDByVignetting(range, effDiameter, LongSide, std::max(fovH, fovV), lensWD) != 0)
            return kLedAllVignette;
        if (LimitWDByVignetting(range, effDiameter, ShortSide, std::min(fovH, fovV), lensWD) != 0)
            return kLedAllVignette;
    }

    // Each axis on the interval left after vignetting; the axis that needs
    // the largest WD decides.
    const double fov[3] = {fovH, fovV, fovD};
    tagLedWDRange solved[3];
    int results[3];
    for (int k = 0; k < 3; ++k) {
        solved[k].SetBoth(range.dMinWD1, range.dMaxWD1);
        double area = fov[k];
        results[k] = SolveWDForArea(solved[k], area, axis[k].b, axis[k].c, axis[k].d, illumWD);
        if (results[k] < 1) return kLedFovNotLit;
    }
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (solved[k].dMinWD1 > std::trunc(solved[best].dMinWD1)) best = k;
    range = solved[best];
    return CheckIntervals(range, results[best]);
}

int CLedData_SimCoaxial::Calculate(double value, int item, double fovH, double fovV,
                                   double lensWD, double effDiameter, tagLedCalcResult& result) {
    const bool circular = WindowForm == 0;
    const tagLedAreaCoef axis[3] = {CoefH(), circular ? CoefH() : CoefV(),
                                    circular ? CoefH() : CoefD()};
    CalcModel m;
    m.maxWD = UsableMaxWD(lensWD, Height);
    m.solve = AxisOfItem(axis, item);
    m.h = axis[0];
    m.v = axis[1];
    m.d = axis[2];
    if (lensWD > 0.0) {
        const double eff = effDiameter;
        if (circular) {
            const double diag = std::sqrt(fovH * fovH + fovV * fovV);
            const double opening = LongSide;
            m.vignettes = [=](double w) { return ConeCut(opening, diag, eff, lensWD, w); };
        } else {
            const double longField = std::max(fovH, fovV);
            const double shortField = std::min(fovH, fovV);
            const double longSide = LongSide;
            const double shortSide = ShortSide;
            m.vignettes = [=](double w) {
                return ConeCut(longSide, longField, eff, lensWD, w) ||
                       ConeCut(shortSide, shortField, eff, lensWD, w);
            };
        }
    }
    return RunCalculate(*this, value, item, m, result);
}

// ---- bar -------------------------------------------------------------------

int CLedData_Bar::EvaluateSearch(double fovH, double fovV, double, double lensWD, double,
                                 double illumWD, double areaH, double areaV, double areaD,
                                 tagLedWDRange& range) {
    const tagLedAreaCoef axis[3] = {CoefH(), CoefV(), CoefD()};
    range.SetBoth(MinWD, MaxWD);
    if (lensWD < 0.0) {
        const int result = AxisWDSearch(*this, axis, illumWD, areaH, areaV, areaD, range);
        if (result < 0) return result;
        return CheckIntervals(range, result);
    }

    // A bar stands beside the lens's light path: no height limit and no
    // vignetting. H and V decide (the diagonal of a bar's lit rectangle
    // does not).
    tagLedWDRange rangeH;
    tagLedWDRange rangeV;
    rangeH.SetBoth(MinWD, MaxWD);
    rangeV.SetBoth(MinWD, MaxWD);
    double wantH = fovH;
    double wantV = fovV;
    const int resultH = SolveWDForArea(rangeH, wantH, WD_H_b, WD_H_c, WD_H_d, illumWD);
    const int resultV = SolveWDForArea(rangeV, wantV, WD_V_b, WD_V_c, WD_V_d, illumWD);
    if (resultH < 1 || resultV < 1) return kLedFovNotLit;
    if (rangeV.dMinWD1 > rangeH.dMinWD1) {
        range = rangeV;
        return CheckIntervals(range, resultV);
    }
    range = rangeH;
    return CheckIntervals(range, resultH);
}

int CLedData_Bar::Calculate(double value, int item, double, double, double, double,
                            tagLedCalcResult& result) {
    const tagLedAreaCoef axis[3] = {CoefH(), CoefV(), CoefD()};
    CalcModel m;
    m.maxWD = MaxWD;
    m.solve = AxisOfItem(axis, item);
    m.h = axis[0];
    m.v = axis[1];
    m.d = axis[2];
    return RunCalculate(*this, value, item, m, result);
}

// ---- simple dome -----------------------------------------------------------

int CLedData_SimpleDome::EvaluateSearch(double, double, double fovD, double lensWD,
                                        double effDiameter, double illumWD, double areaH,
                                        double areaV, double areaD, tagLedWDRange& range) {
    range.SetBoth(MinWD, MaxWD);
    if (lensWD < 0.0) {
        const int result = RoundWDSearch(*this, illumWD, areaH, areaV, areaD, range);
        if (result < 0) return result;
        return CheckIntervals(range, result);
    }

    const double maxWD = UsableMaxWD(lensWD, Height);
    range.dMaxWD1 = maxWD;
    if (MinWD > maxWD) return kLedMinAboveMax;

    // The lens looks through the window at the dome's top, w = WD + Height -
    // WindowThickness from the object; the window must not cut its cone.
    double lower = MinWD;
    double upper = maxWD;
    if (lensWD > 0.0) {
        const double toWindow = Height - WindowThickness;
        const double wLower = lower + toWindow;
        const double wUpper = upper + toWindow;
        if (std::fabs(fovD - effDiameter) < 1e-10) {
            if (effDiameter > WindowSizeL) return kLedAllVignette;
        } else {
            const double lim =
                lensWD - (WindowSizeL - effDiameter) * lensWD / (fovD - effDiameter);
            if (fovD > effDiameter) {
                // Windows nearer the object than lim vignette.
                if (lim > wUpper) return kLedAllVignette;
                if (lim > wLower) lower = lim - toWindow;
            } else {
                // The cone widens towards the lens: windows beyond lim vignette.
                if (lim < wLower) return kLedAllVignette;
                if (lim < wUpper) upper = lim - toWindow;
            }
        }
    }
    range.SetBoth(lower, upper);

    double area = fovD;
    const int result = SolveWDForArea(range, area, WD_H_b, WD_H_c, WD_H_d, illumWD);
    if (result < 1) return kLedFovNotLit;
    return CheckIntervals(range, result);
}

int CLedData_SimpleDome::Calculate(double value, int item, double fovH, double fovV,
                                   double lensWD, double effDiameter, tagLedCalcResult& result) {
    CalcModel m;
    m.maxWD = UsableMaxWD(lensWD, Height);
    m.solve = m.h = m.v = m.d = CoefH();
    if (lensWD > 0.0) {
        const double diag = std::sqrt(fovH * fovH + fovV * fovV);
        const double window = WindowSizeL;
        const double toWindow = Height - WindowThickness;
        const double eff = effDiameter;
        m.vignettes = [=](double w) {
            return ConeCut(window, diag, eff, lensWD, w + toWindow);
        };
    }
    return RunCalculate(*this, value, item, m, result);
}

// ---- back light ------------------------------------------------------------

int CLedData_BackLight::EvaluateSearch(double fovH, double fovV, double fovD, double, double,
                                       double, double areaH, double areaV, double areaD,
                                       tagLedWDRange&) {
    // The lit surface is the constant d of each axis.
    if (fovD >= 0.0) {
        if (fovH > WD_H_d || fovV > WD_V_d || fovD > WD_D_d) return kLedFovOverSurface;
        return 1;
    }
    if (areaH > WD_H_d || areaV > WD_V_d || areaD > WD_D_d) return kLedAreaOverSurface;
    return 1;
}

int CLedData_BackLight::Calculate(double, int, double, double, double, double,
                                  tagLedCalcResult& result) {
    result.dAreaH = WD_H_d;
    result.dAreaV = WD_V_d;
    result.dAreaD = WD_D_d;
    result.dWD1 = -1.0;
    result.dWD2 = -1.0;
    return 1;
}
