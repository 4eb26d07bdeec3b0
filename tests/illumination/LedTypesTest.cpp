// Search evaluation and calculation of the seven illumination types, each on
// a light whose numbers are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>

#include "illumination/LedTypes.h"

namespace {

constexpr double kTol = 1e-3;
constexpr double kUnset = -7.0;  // a result field the calculation did not write

// The arguments of one search: lens mode (fields of view and lens, -1 for
// the WD and the areas) or WD mode (-1 for the fields of view and the lens).
struct Query {
    double fovH, fovV, fovD, lensWD, eff, wd, areaH, areaV, areaD;
};
Query LensD(double h, double v, double d, double lensWD, double eff) {
    return {h, v, d, lensWD, eff, -1, -1, -1, -1};
}
Query Lens(double h, double v, double lensWD, double eff) {
    return LensD(h, v, std::hypot(h, v), lensWD, eff);
}
Query AtWD(double wd, double areaH, double areaV, double areaD) {
    return {-1, -1, -1, -1, -1, wd, areaH, areaV, areaD};
}

// One search and its result; when `lo` is given, interval 1 must be
// [lo, hi] and interval 2 start at lo (and end at hi2 when that is given).
struct Search {
    const char* what;
    Query q;
    int code;
    double lo = NAN, hi = NAN, hi2 = NAN;
};

void ExpectSearches(CLedData& led, std::initializer_list<Search> searches) {
    for (const Search& s : searches) {
        SCOPED_TRACE(s.what);
        tagLedWDRange r;
        const Query& q = s.q;
        EXPECT_EQ(led.EvaluateSearch(q.fovH, q.fovV, q.fovD, q.lensWD, q.eff, q.wd, q.areaH,
                                     q.areaV, q.areaD, r),
                  s.code);
        if (std::isnan(s.lo)) continue;
        EXPECT_NEAR(r.dMinWD1, s.lo, kTol);
        EXPECT_NEAR(r.dMaxWD1, s.hi, kTol);
        EXPECT_NEAR(r.dMinWD2, s.lo, kTol);
        if (!std::isnan(s.hi2)) {
            EXPECT_NEAR(r.dMaxWD2, s.hi2, kTol);
        }
    }
}

// One calculation; a positive code must leave exactly `out` in the result
// (areas H, V, D, WD 1, WD 2; kUnset where nothing is written).
struct LensArgs {
    double fovH, fovV, lensWD, eff;
};
constexpr LensArgs kNoLens{-1, -1, -1, -1};

struct Calc {
    const char* what;
    double value;
    int item;
    LensArgs lens;
    int code;
    tagLedCalcResult out{};
};

void ExpectCalculations(CLedData& led, std::initializer_list<Calc> calcs) {
    for (const Calc& c : calcs) {
        SCOPED_TRACE(c.what);
        tagLedCalcResult r{kUnset, kUnset, kUnset, kUnset, kUnset};
        const LensArgs& l = c.lens;
        EXPECT_EQ(led.Calculate(c.value, c.item, l.fovH, l.fovV, l.lensWD, l.eff, r), c.code);
        if (c.code <= 0) continue;
        EXPECT_NEAR(r.dAreaH, c.out.dAreaH, kTol);
        EXPECT_NEAR(r.dAreaV, c.out.dAreaV, kTol);
        EXPECT_NEAR(r.dAreaD, c.out.dAreaD, kTol);
        EXPECT_NEAR(r.dWD1, c.out.dWD1, kTol);
        EXPECT_NEAR(r.dWD2, c.out.dWD2, kTol);
    }
}

// Ring R: WD 20..150, height 20; f(x) = 0.002 x^2 + 0.6 x + 30: f(20) = 42.8,
// f(50) = 65, f(60) = 73.2, f(150) = 165; f = 60 at (sqrt(0.6) - 0.6) / 0.004
// = 43.6492. A ring uses only its H quadratic.
template <class Ring>
std::unique_ptr<Ring> RingR(double hole) {
    auto r = std::make_unique<Ring>();
    r->MinWD = 20, r->MaxWD = 150, r->Height = 20, r->InternalDiameter = hole;
    r->WD_H_b = 0.002, r->WD_H_c = 0.6, r->WD_H_d = 30;
    r->WD_V_b = r->WD_V_c = r->WD_V_d = r->WD_D_b = r->WD_D_c = r->WD_D_d = 1;
    return r;
}

// Ring Q: WD 20..100, height 20; g(x) = 0.01 (x - 60)^2 + 5 = 0.01 x^2 - 1.2 x
// + 41: g = 14 at 30 and 90, g = 20 at 21.2702 and 98.7298, g(21) = 20.21.
template <class Ring>
std::unique_ptr<Ring> RingQ(double hole) {
    auto r = std::make_unique<Ring>();
    r->MinWD = 20, r->MaxWD = 100, r->Height = 20, r->InternalDiameter = hole;
    r->WD_H_b = 0.01, r->WD_H_c = -1.2, r->WD_H_d = 41;
    return r;
}

}  // namespace

// ---- ring lights: the three classes behave alike ---------------------------

template <class T>
class RingLight : public ::testing::Test {};
using RingClasses =
    ::testing::Types<CLedData_DirectRing, CLedData_LowAngleRing, CLedData_ShadowlessRing>;
TYPED_TEST_SUITE(RingLight, RingClasses);

TYPED_TEST(RingLight, Search) {
    ExpectSearches(*RingR<TypeParam>(80), {
        // Field 48 x 36 (diagonal 60), front 30, lens WD 200: lim = 200 - 50 * 200 / 30 < 0.
        {"the area decides when the hole is wide", Lens(48, 36, 200, 30), 1, 43.6492, 150},
        {"lens WD 100: usable maximum 100 - 20 = 80", Lens(48, 36, 100, 30), 1, 43.6492, 80},
        {"f(50) = 65 covers 60: every WD from 50 on", AtWD(50, -1, -1, 60), 1, 50, 150},
        {"f(50) = 65 does not cover 70", AtWD(50, -1, -1, 70), -2001},
        {"without a diagonal the horizontal area is wanted", AtWD(50, 70, -1, -1), -2001},
        {"horizontal 60", AtWD(50, 60, -1, -1), 1, 50, 150},
        {"MaxWD itself is accepted", AtWD(150, -1, -1, 100), 1, 150, 150},
        {"above MaxWD", AtWD(150.5, -1, -1, 100), -2000},
        {"below MinWD", AtWD(19, -1, -1, 30), -2000},
    });
    ExpectSearches(*RingR<TypeParam>(50), {
        // lim = 200 - 20 * 200 / 30 = 66.667, where f = 78.9 > 60 already.
        {"the hole decides when it cuts the cone", Lens(48, 36, 200, 30), 1, 66.6667, 150},
    });
    ExpectSearches(*RingR<TypeParam>(20), {
        {"hole narrower than the front, field as wide as the front", LensD(18, 24, 30, 200, 30),
         -1001},
    });
    ExpectSearches(*RingR<TypeParam>(300), {
        {"diagonal 200 is more than f(150) = 165 lights", Lens(160, 120, 400, 30), -1002},
    });
    auto high = RingR<TypeParam>(80);
    high->MinWD = 40, high->MaxWD = 100, high->Height = 15;
    ExpectSearches(*high, {
        {"MinWD 40 above the usable maximum 50 - 15 = 35", Lens(48, 36, 50, 30), -1000},
    });
    // Front 60 at 200 mm, field 16 x 12 (diagonal 20), hole 30: the hole passes
    // the cone up to WD 200 - (30 - 60) * 200 / (20 - 60) = 50; on [20, 50] g
    // falls from 21 to 6 and is 20 at 21.2702.
    ExpectSearches(*RingQ<TypeParam>(30), {
        {"front wider than the field keeps the near WDs", LensD(16, 12, 20, 200, 60), 2, 20,
         21.2702},
    });
}

TYPED_TEST(RingLight, Calculate) {
    ExpectCalculations(*RingR<TypeParam>(80), {
        {"areas at a WD", 50, 0, kNoLens, 1, {65, 65, 65, 50, kUnset}},
        {"below MinWD", 19.9, 0, kNoLens, -5000},
        {"above MaxWD", 150.1, 0, kNoLens, -5001},
        {"a lens at 100 mm: the ring stays below 80", 90, 0, {48, 36, 100, 30}, -5001},
        // Field 80 x 60 (diagonal 100), front 30, lens WD 200: the cone is wider
        // than the hole of 80 below w = 200 - 50 * 200 / 70 = 57.143.
        {"a WD that vignettes", 50, 0, {80, 60, 200, 30}, -5010},
        {"a WD that does not", 60, 0, {80, 60, 200, 30}, 1, {73.2, 73.2, 73.2, 60, kUnset}},
        // Front 20: (80 - 20) / 2 = 30 = (100 - 20) / 2 * (200 - 50) / 200 at w = 50.
        {"at the limit no vignetting", 50, 0, {80, 60, 200, 20}, 1, {65, 65, 65, 50, kUnset}},
        {"just below the limit", 49.9, 0, {80, 60, 200, 20}, -5010},
        {"the WD for an area", 60, 1, kNoLens, 1, {60, 60, 60, 43.6492, kUnset}},
        {"f = 200 at 177.87, beyond MaxWD 150", 200, 3, kNoLens, -6001},
    });
    // A front of 60 at 200 mm over a field of 16 x 12 (diagonal 20): the cone is
    // 20 + 0.2 w wide, so the hole of 30 passes it at WD 30 (26) but not at 90 (38).
    ExpectCalculations(*RingQ<TypeParam>(30), {
        {"two WDs; the areas at the last kept one, 30", 14, 1, kNoLens, 3, {14, 14, 14, 90, 30}},
        {"the far WD vignettes", 14, 1, {16, 12, 200, 60}, 2, {14, 14, 14, kUnset, 30}},
        {"a near WD passes", 21, 0, {16, 12, 200, 60}, 1, {20.21, 20.21, 20.21, 21, kUnset}},
        {"a far WD vignettes", 99, 0, {16, 12, 200, 60}, -5010},
    });
    ExpectCalculations(*RingQ<TypeParam>(20), {
        {"a hole narrower than the field: both vignette", 14, 1, {16, 12, 200, 60}, -6010},
    });
}

// ---- bar -------------------------------------------------------------------
// Bar B: WD 10..200; H 0.001 x^2 + 0.8 x + 20 (f_H(100) = 110, f_H(200) = 220),
// V 0.0005 x^2 + 0.3 x + 5 (f_V(100) = 40), D -0.0005 x^2 + x + 25
// (f_D(100) = 120, f_D(200) = 205, top 525 at x = 1000).

namespace {

std::unique_ptr<CLedData_Bar> BarB() {
    auto bar = std::make_unique<CLedData_Bar>();
    bar->MinWD = 10, bar->MaxWD = 200;
    bar->WD_H_b = 0.001, bar->WD_H_c = 0.8, bar->WD_H_d = 20;
    bar->WD_V_b = 0.0005, bar->WD_V_c = 0.3, bar->WD_V_d = 5;
    bar->WD_D_b = -0.0005, bar->WD_D_c = 1.0, bar->WD_D_d = 25;
    return bar;
}

}  // namespace

TEST(Bar, Search) {
    ExpectSearches(*BarB(), {
        // H: f_H = 60 at (sqrt(0.8) - 0.8) / 0.002 = 47.2136;
        // V: f_V = 30 at (sqrt(0.14) - 0.3) / 0.001 = 74.1657.
        {"the axis needing the larger WD decides", LensD(60, 30, 67.08, 40, 25), 1, 74.1657, 200},
        // V = 20 at (sqrt(0.12) - 0.3) / 0.001 = 46.4102, below H's 47.2136.
        {"H needs more", LensD(60, 20, 63.25, 40, 25), 1, 47.2136, 200},
        // Diagonal 300 exceeds f_D(200) = 205; a lens WD of 30 limits nothing.
        {"an unlit diagonal still lists the bar", LensD(60, 30, 300, 30, 25), 1, 74.1657, 200},
        {"an unlit H axis refuses it", LensD(250, 30, 300, 30, 25), -1002},
        {"f_H(100) = 110 < 150", AtWD(100, 150, -1, -1), -2001},
        {"H 100", AtWD(100, 100, -1, -1), 1, 100, 200},
        {"V 39 below f_V(100) = 40", AtWD(100, -1, 39, -1), 1, 100, 200},
        {"V 41", AtWD(100, -1, 41, -1), -2001},
        {"D 121 above f_D(100) = 120", AtWD(100, -1, -1, 121), -2001},
        {"nothing wanted", AtWD(100, -1, -1, -1), 0},
        {"below MinWD", AtWD(5, 50, -1, -1), -2000},
    });
}

TEST(Bar, Calculate) {
    ExpectCalculations(*BarB(), {
        // 22.5 + 120 + 20, 11.25 + 45 + 5, -11.25 + 150 + 25.
        {"a lens WD of 50 does not limit a bar", 150, 0, {60, 30, 50, 25}, 1,
         {162.5, 61.25, 163.75, 150, kUnset}},
        {"each axis has its own area", 100, 0, kNoLens, 1, {110, 40, 120, 100, kUnset}},
        {"above MaxWD", 201, 0, kNoLens, -5001},
        // V = 40: disc = 0.09 + 0.002 * 35 = 0.16, roots 100 and -700.
        {"item 2 solves V", 40, 2, kNoLens, 1, {110, 40, 120, 100, kUnset}},
        // H = 40: disc = 0.64 + 0.004 * 20 = 0.72, root (0.848528 - 0.8) / 0.002 =
        // 24.2641; there V = 0.2944 + 7.2792 + 5 = 12.5736, D = -0.2944 + 24.2641 + 25.
        {"item 1 solves H", 40, 1, kNoLens, 1, {40, 12.5736, 48.9697, 24.2641, kUnset}},
        {"D never reaches 600 (its top is 525)", 600, 3, kNoLens, -6000},
    });
}

// A quadratic term of rounding size (|b| <= 1e-9) gives no usable roots, but
// the discriminant still decides whether every WD lights the area.
TEST(Bar, CalculateWithAnAreaThatBarelyChangesWithTheWD) {
    // WD 15..160. H: 1e-10 x^2 + 70, the bar's constant length: every WD
    // lights 50 (disc = -4e-10 * 20 < 0), the nearest is MinWD. V: -1e-9 x^2
    // + 70 never reaches 100 (disc = -4e-9 * 30 < 0).
    CLedData_Bar bar;
    bar.MinWD = 15, bar.MaxWD = 160;
    bar.WD_H_b = 1e-10, bar.WD_H_d = 70;
    bar.WD_V_b = -1e-9, bar.WD_V_d = 70;
    ExpectCalculations(bar, {
        {"every WD covers 50 mm", 50, 1, kNoLens, 1, {70, 70, 0, 15, kUnset}},
        {"no WD reaches 100 mm", 100, 2, kNoLens, -6000},
    });
}

TYPED_TEST(RingLight, CalculateWithoutAQuadraticTermFindsNoRoot) {
    // H: x + 20 has no pair of roots; no WD of [-5, 100] is one, not even -1.
    TypeParam ring;
    ring.MinWD = -5, ring.MaxWD = 100;
    ring.WD_H_c = 1, ring.WD_H_d = 20;
    ExpectCalculations(ring, {{"area 50", 50, 1, kNoLens, -6001}});
}

// ---- simulated coaxial -----------------------------------------------------

namespace {

// WD 30..120, height 40. Circular window: H 0.001 x^2 + 0.5 x + 20 serves
// every axis (f_H(50) = 47.5, f_H(100) = 80); the V and D quadratics are
// never used. Rectangular window 70 x 50: each axis reaches its field of 48,
// 36 and 60 at 50.8, 50.2 and 40: H 0.001 (x - 50.8)(x + 500) + 48,
// V 0.001 (x - 50.2)(x + 500) + 36, D 0.001 (x - 40)(x + 500) + 60.
std::unique_ptr<CLedData_SimCoaxial> Coax(bool circular) {
    auto s = std::make_unique<CLedData_SimCoaxial>();
    s->MinWD = 30, s->MaxWD = 120, s->Height = 40;
    if (circular) {
        s->WindowForm = 0, s->LongSide = 35;
        s->WD_H_b = 0.001, s->WD_H_c = 0.5, s->WD_H_d = 20;
        s->WD_V_b = s->WD_D_b = 0.1, s->WD_V_c = s->WD_D_c = 5, s->WD_V_d = s->WD_D_d = 500;
    } else {
        s->WindowForm = 1, s->LongSide = 70, s->ShortSide = 50;
        s->WD_H_b = 0.001, s->WD_H_c = 0.4492, s->WD_H_d = 22.6;
        s->WD_V_b = 0.001, s->WD_V_c = 0.4498, s->WD_V_d = 10.9;
        s->WD_D_b = 0.001, s->WD_D_c = 0.46, s->WD_D_d = 40;
    }
    return s;
}

}  // namespace

TEST(SimCoaxial, CircularWindow) {
    auto s = Coax(true);
    ExpectSearches(*s, {
        // The circular window's V area is f_H(100) = 80, whatever V's own quadratic says.
        {"V 85", AtWD(100, -1, 85, -1), -2001},
        {"V 75", AtWD(100, -1, 75, -1), 1, 100, 120},
    });
    ExpectCalculations(*s, {
        {"areas at a WD", 50, 0, kNoLens, 1, {47.5, 47.5, 47.5, 50, kUnset}},
        // Field 48 x 36 (diagonal 60), front 20, lens WD 250: a window of 35
        // vignettes below 250 - 15 * 250 / 40 = 156.25, so everywhere.
        {"window 35 vignettes", 50, 0, {48, 36, 250, 20}, -5010},
    });
    // A window of 55 vignettes only below 250 - 35 * 250 / 40 = 31.25.
    s->LongSide = 55;
    ExpectCalculations(*s, {
        {"below 31.25", 30, 0, {48, 36, 250, 20}, -5010},
        {"above 31.25", 50, 0, {48, 36, 250, 20}, 1, {47.5, 47.5, 47.5, 50, kUnset}},
        {"usable maximum 120 - 40 = 80", 81, 0, {48, 36, 120, 20}, -5001},
    });
    // Window 70, field 48 x 36 x 60, front 20, lens WD 250 (no vignetting):
    // f_H = 48 at 50.832, 36 at 30.178, 60 at (sqrt(0.41) - 0.5) / 0.002 = 70.156.
    s->LongSide = 70;
    ExpectSearches(*s, {
        {"every axis with the H quadratic", LensD(48, 36, 60, 250, 20), 1, 70.1561, 120},
    });
}

TEST(SimCoaxial, RectangularWindow) {
    auto s = Coax(false);
    ExpectSearches(*s, {
        {"V's 50.2 is above 50, the whole part of H's 50.8", LensD(48, 36, 60, 250, 20), 1, 50.2,
         120},
        // f_V(100) = 0.001 * 49.8 * 600 + 36 = 65.88
        {"V 66", AtWD(100, -1, 66, -1), -2001},
        {"V 65", AtWD(100, -1, 65, -1), 1, 100, 120},
        {"above MaxWD", AtWD(121, -1, 65, -1), -2000},
        {"usable maximum 60 - 40 = 20 < MinWD 30", LensD(48, 36, 60, 60, 20), -1000},
    });
    // V = 36 at 50.2; there H = 48 - 0.001 * 0.6 * 550.2 = 47.66988 and
    // D = 60 + 0.001 * 10.2 * 550.2 = 65.61204.
    ExpectCalculations(*s, {
        {"item 2 solves V", 36, 2, kNoLens, 1, {47.66988, 36, 65.61204, 50.2, kUnset}},
    });
    // Long side 40 against the field's 48: lim = 250 - 20 * 250 / 28 = 71.4286,
    // where every axis is lit already.
    s->LongSide = 40;
    ExpectSearches(*s, {{"the long side limits", LensD(48, 36, 60, 250, 20), 1, 71.4286, 120}});
    // Short side 25 against 36: lim = 250 - 5 * 250 / 16 = 171.875 > 120.
    s->LongSide = 70, s->ShortSide = 25;
    ExpectSearches(*s, {
        {"the short side vignettes everywhere", LensD(48, 36, 60, 250, 20), -1001},
    });
    ExpectCalculations(*s, {
        {"a WD that vignettes", 100, 0, {48, 36, 250, 20}, -5010},
        {"an area whose WD vignettes", 36, 2, {48, 36, 250, 20}, -6010},
    });
}

// ---- simple dome -----------------------------------------------------------

TEST(SimpleDome, SearchAndCalculate) {
    // WD 10..80, height 60, round window 20, top 5 thick, so the window is
    // w = WD + 55 from the object; f(x) = 0.01 x^2 + x + 60.
    CLedData_SimpleDome dome;
    dome.MinWD = 10, dome.MaxWD = 80, dome.Height = 60, dome.InternalDiameter = 100;
    dome.WindowSizeL = 20, dome.WindowSizeS = 0, dome.WindowThickness = 5;
    dome.WD_H_b = 0.01, dome.WD_H_c = 1.0, dome.WD_H_d = 60;
    ExpectSearches(dome, {
        // Field diagonal 60, front 15, lens WD 150: the window passes the cone from
        // w = 150 - 5 * 150 / 45 = 133.333 on, i.e. WD 78.333; usable maximum 80.
        {"the window raises the near end", Lens(48, 36, 150, 15), 1, 78.3333, 80, 80},
        {"lim 300 - 5 * 300 / 45 = 266.667 is beyond w = 135", Lens(48, 36, 300, 15), -1001},
        {"field as wide as a front narrower than the window", LensD(9, 12, 15, 150, 15), 1, 10, 80},
        {"usable maximum 60 - 60 = 0 < MinWD 10", Lens(48, 36, 60, 15), -1000},
        {"lens WD 0 checks no window; diagonal 250 > f(80) = 204", Lens(200, 150, 0, 15), -1002},
        {"f(50) = 135 covers 100", AtWD(50, -1, -1, 100), 1, 50, 80},
        {"f(50) = 135 does not cover 136", AtWD(50, -1, -1, 136), -2001},
    });
    // Vignettes when 2.5 < 22.5 * (150 - w) / 150.
    ExpectCalculations(dome, {
        {"w 133: 2.5 < 2.55", 78, 0, {48, 36, 150, 15}, -5010},
        {"w 134: 2.5 > 2.4", 79, 0, {48, 36, 150, 15}, 1, {201.41, 201.41, 201.41, 79, kUnset}},
        {"above MaxWD", 81, 0, kNoLens, -5001},
    });
    dome.WindowSizeL = 10;
    ExpectSearches(dome, {{"a front wider than the window", LensD(9, 12, 15, 150, 15), -1001}});
}

// ---- back light ------------------------------------------------------------

TEST(BackLight, FieldOrAreaMustFitTheSurfaceAndTheCalculationGivesIt) {
    CLedData_BackLight bl;
    bl.WD_H_d = 100, bl.WD_V_d = 80, bl.WD_D_d = 128;
    const struct {
        Query q;
        int code;
    } cases[] = {
        {LensD(100, 80, 128, 200, 20), 1},     {LensD(101, 60, 117, 200, 20), -1010},
        {LensD(100, 80, 129, 200, 20), -1010}, {AtWD(50, 100, -1, -1), 1},
        {AtWD(50, -1, 81, -1), -2010},         {AtWD(50, -1, -1, 129), -2010},
    };
    for (const auto& c : cases) {
        tagLedWDRange range{1, 2, 3, 4};
        const Query& q = c.q;
        EXPECT_EQ(bl.EvaluateSearch(q.fovH, q.fovV, q.fovD, q.lensWD, q.eff, q.wd, q.areaH, q.areaV,
                                    q.areaD, range),
                  c.code);
        // The range is left alone.
        EXPECT_EQ((std::vector<double>{range.dMaxWD1, range.dMaxWD2, range.dMinWD1, range.dMinWD2}),
                  (std::vector<double>{1, 2, 3, 4}));
    }
    for (int item : {0, 1, 2, 3})
        ExpectCalculations(bl, {
            {"the surface, no WD", -5, item, {10, 10, 100, 20}, 1, {100, 80, 128, -1, -1}},
        });
}
