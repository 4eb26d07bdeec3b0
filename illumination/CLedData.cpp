#include "illumination/CLedData.h"

#include <algorithm>
#include <cmath>

namespace {

// True when `number` (1 to 31) has its bit 2^(number-1) set in `mask`. A
// number outside 1..31 has no bit of its own and matches no mask.
bool HasBit(int mask, int number) {
    if (number < 1 || number > 31) return false;
    return ((static_cast<unsigned>(mask) >> (number - 1)) & 1u) != 0;
}

}  // namespace

int CLedData::Calculate(double, int, double, double, double, double, tagLedCalcResult&) {
    return 0;
}

int CLedData::EvaluateSearch(double, double, double, double, double, double, double, double,
                             double, tagLedWDRange&) {
    return 0;
}

int CLedData::MatchSearch(double fovH, double fovV, double fovD, double lensWD,
                          double effDiameter, int typeMask, double illumWD, double areaH,
                          double areaV, double areaD, int colorMask, int controlMask,
                          double currentLimit, double powerLimit, tagLedWDRange& range) {
    if (!HasBit(typeMask, Type)) return kLedRejectType;
    if (!HasBit(colorMask, Color)) return kLedRejectColor;
    if (ControlMethod == L"CC" && (controlMask & 1) == 0) return kLedRejectCC;
    if (ControlMethod == L"CV" && (controlMask & 2) == 0) return kLedRejectCV;
    if (currentLimit > 0.0 && MaxRatedCurrent > currentLimit) return kLedRejectCurrent;
    if (powerLimit > 0.0 && Power > powerLimit) return kLedRejectPower;
    return EvaluateSearch(fovH, fovV, fovD, lensWD, effDiameter, illumWD, areaH, areaV, areaD,
                          range);
}

int CLedData::SolveWDForArea(tagLedWDRange& range, double& area, double b, double c, double d,
                             double wdHint) {
    if (std::fabs(b) <= 1e-9) return -1;

    const tagLedAreaCoef f{b, c, d};
    const double lo = range.dMinWD1;
    const double hi = range.dMaxWD1;
    const double v = -c / (2.0 * b);         // vertex
    const double fv = d - c * c / (4.0 * b);  // area at the vertex
    const bool vertexInside = lo <= v && v <= hi;

    // Reach of the area on [lo, hi]. Away from the vertex the quadratic is
    // monotonic there, so both extremes lie at the ends.
    const double endMin = std::min(f.At(lo), f.At(hi));
    const double endMax = std::max(f.At(lo), f.At(hi));
    const double fMax = (b > 0.0 || !vertexInside) ? endMax : fv;
    const double fMin = (b < 0.0 || !vertexInside) ? endMin : fv;

    if (area < 0.0 && wdHint >= 0.0) area = f.At(wdHint);
    if (area > fMax) return -2;
    if (area < fMin) return 1;

    const double disc = c * c - 4.0 * b * (d - area);
    if (disc < 0.0) return -3;
    const double r1 = (std::sqrt(disc) - c) / (2.0 * b);
    const double r2 = (-c - std::sqrt(disc)) / (2.0 * b);
    const double rL = std::max(r1, r2);
    const double rS = std::min(r1, r2);

    int mask = 0;
    if (lo <= rL && rL <= hi) mask |= 1;
    if (lo <= rS && rS <= hi) mask |= 2;
    if (mask == 0) return -3;

    if (mask == 3) {
        if (b > 0.0) {
            // The area dips below the wanted size between the roots: the far
            // interval starts at the larger root, the near one ends at the
            // smaller.
            range.dMinWD1 = rL;
            range.dMaxWD2 = rS;
        } else {
            // The area reaches the wanted size only between the roots.
            range.SetBoth(rS, rL);
        }
        return 3;
    }

    const double r = (mask == 1) ? rL : rS;
    const bool cutsUpperEnd = (b < 0.0) ? (r > v) : (r <= v);
    if (cutsUpperEnd) {
        range.dMaxWD1 = range.dMaxWD2 = r;
    } else {
        range.dMinWD1 = range.dMinWD2 = r;
    }
    return mask;
}

int CLedData::LimitWDByVignetting(tagLedWDRange& range, double effDiameter, double inner,
                                  double fovD, double lensWD) {
    if (!(lensWD > 0.0)) return 0;
    if (std::fabs(fovD - effDiameter) < 1e-10) return effDiameter > inner ? -4 : 0;

    // The light cone's diameter at distance x from the object is
    // fovD + (eff - fovD) * x / lensWD; lim is where it equals the opening.
    const double lim = lensWD - (inner - effDiameter) * lensWD / (fovD - effDiameter);

    if (fovD > effDiameter) {
        // The cone narrows towards the lens: WDs below lim vignette.
        if (lim > range.dMaxWD1) return -4;
        if (lim > range.dMinWD1) {
            range.dMinWD1 = range.dMinWD2 = lim;
            range.dMaxWD2 = range.dMaxWD1;
        } else if (lim > range.dMaxWD2) {
            range.dMinWD2 = range.dMinWD1;
            range.dMaxWD2 = range.dMaxWD1;
        } else if (lim > range.dMinWD2) {
            range.dMinWD2 = lim;
        }
        return 0;
    }

    // The cone widens towards the lens (a field smaller than the lens front):
    // WDs above lim vignette.
    const bool keep1 = lim >= range.dMinWD1;
    const bool keep2 = lim >= range.dMinWD2;
    if (!keep1 && !keep2) return -4;
    range.dMaxWD1 = std::min(range.dMaxWD1, lim);
    range.dMaxWD2 = std::min(range.dMaxWD2, lim);
    if (!keep1) {
        range.dMinWD1 = range.dMinWD2;
        range.dMaxWD1 = range.dMaxWD2;
    } else if (!keep2) {
        range.dMinWD2 = range.dMinWD1;
        range.dMaxWD2 = range.dMaxWD1;
    }
    return 0;
}

int CLedData::SolveAreaRoots(std::pair<double, double>& roots, double d, double area, double b,
                             double c) const {
    const tagLedAreaCoef f{b, c, d};
    // A quadratic term of rounding size has no vertex to speak of: it is
    // taken at 0, and the roots below are no usable numbers.
    const bool flat = std::fabs(b) <= 1e-9;
    const double v = flat ? 0.0 : -c / (2.0 * b);
    const double fv = flat ? 0.0 : d - c * c / (4.0 * b);

    // Smallest area on [MinWD, MaxWD].
    const bool vertexInside = MinWD <= v && v <= MaxWD;
    double smallest = 0.0;  // b exactly 0
    if (b > 0.0) {
        smallest = vertexInside ? fv : (v < MinWD ? f.At(MinWD) : f.At(MaxWD));
    } else if (b < 0.0) {
        if (vertexInside)
            smallest = (MaxWD - v > v - MinWD) ? f.At(MaxWD) : f.At(MinWD);
        else
            smallest = (v < MinWD) ? f.At(MaxWD) : f.At(MinWD);
    }

    const double disc = c * c - 4.0 * b * (d - area);
    if (disc >= 0.0) {
        if (flat) {
            // Dividing by (nearly) zero gives no root worth the name: report
            // two that no range holds, whatever its ends.
            roots = {std::nan(""), std::nan("")};
        } else {
            roots = {(std::sqrt(disc) - c) / (2.0 * b), (-c - std::sqrt(disc)) / (2.0 * b)};
        }
        return 0;
    }
    if (smallest > area) {
        roots = {MinWD, -1.0};
        return 1;
    }
    return -3;
}

void CLedData::AssignCommon(const tagLedCommonColumns& c) {
    ProductName = c.ProductName;
    Type = c.Type;
    Color = c.Color;
    MaxRatedCurrent = c.MaxRatedCurrent;
    Power = c.Power;
    Weight = c.Weight;
    Controller = c.Controller;
    ControlMethod = c.ControlMethod;
    WindowSize = c.WindowSize;
    MinWD = c.MinWD;
    CalculatedMaxWD = c.CalculatedMaxWD;
    MaxWD = c.MaxWD;
    WD_H_a = c.WD_H_a;
    WD_H_b = c.WD_H_b;
    WD_H_c = c.WD_H_c;
    WD_H_d = c.WD_H_d;
    WD_V_a = c.WD_V_a;
    WD_V_b = c.WD_V_b;
    WD_V_c = c.WD_V_c;
    WD_V_d = c.WD_V_d;
    WD_D_a = c.WD_D_a;
    WD_D_b = c.WD_D_b;
    WD_D_c = c.WD_D_c;
    WD_D_d = c.WD_D_d;
    MTO = c.MTO;
    CatalogJP = c.CatalogJP;
    CatalogEN = c.CatalogEN;
    CatalogCN = c.CatalogCN;
}

double CLedData::UsableMaxWD(double lensWD, double height) const {
    if (lensWD > 0.0 && lensWD - height < MaxWD) return lensWD - height;
    return MaxWD;
}
