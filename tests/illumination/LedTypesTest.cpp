// Search evaluation and calculation of the seven illumination types, each on
// a light whose numbers are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>

#include "illumination/LedTypes.h"

namespace {

constexpr double kTol = 1e-3;

void ExpectRange(const tagLedWDRange& r, double lower, double upper, double tol = kTol) {
    EXPECT_NEAR(r.dMinWD1, lower, tol);
    EXPECT_NEAR(r.dMaxWD1, upper, tol);
    EXPECT_NEAR(r.dMinWD2, lower, tol);
}

// A result record whose fields show which ones a calculation wrote.
tagLedCalcResult Preset() { return {-7.0, -7.0, -7.0, -7.0, -7.0}; }

// Lens-mode and WD-mode search calls in the form the search page makes them.
int LensSearch(CLedData& led, double fovH, double fovV, double lensWD, double eff,
               tagLedWDRange& range) {
    const double fovD = std::sqrt(fovH * fovH + fovV * fovV);
    return led.EvaluateSearch(fovH, fovV, fovD, lensWD, eff, -1, -1, -1, -1, range);
}
int WDSearch(CLedData& led, double wd, double areaH, double areaV, double areaD,
             tagLedWDRange& range) {
    return led.EvaluateSearch(-1, -1, -1, -1, -1, wd, areaH, areaV, areaD, range);
}

// Direct ring R: WD 20..150, height 20, hole 80;
// f(x) = 0.002 x^2 + 0.6 x + 30: f(20) = 42.8, f(50) = 65, f(150) = 165;
// f = 60 at x = (sqrt(0.6) - 0.6) / 0.004 = 43.6492.
void MakeRingR(CLedData_DirectRing& r) {
    r.Type = 1;
    r.MinWD = 20;
    r.MaxWD = 150;
    r.WD_H_b = 0.002, r.WD_H_c = 0.6, r.WD_H_d = 30;
    r.WD_V_b = 1, r.WD_V_c = 1, r.WD_V_d = 1;  // a ring uses only its H quadratic
    r.WD_D_b = 1, r.WD_D_c = 1, r.WD_D_d = 1;
    r.InternalDiameter = 80;
    r.ExternalDiameter = 120;
    r.Height = 20;
}

// Direct ring Q: WD 20..100, height 20; g(x) = 0.01 (x - 60)^2 + 5 =
// 0.01 x^2 - 1.2 x + 41: g = 14 at 30 and 90, g = 20 at 21.2702 and 98.7298.
void MakeRingQ(CLedData_DirectRing& r) {
    r.Type = 1;
    r.MinWD = 20;
    r.MaxWD = 100;
    r.WD_H_b = 0.01, r.WD_H_c = -1.2, r.WD_H_d = 41;
    r.InternalDiameter = 30;
    r.Height = 20;
}

}  // namespace

// ---- ring lights -----------------------------------------------------------

TEST(RingSearch, AreaDecidesWhenTheHoleIsWide) {
    // Field 48 x 36 (diagonal 60), lens WD 200, front 30: lim = 200 - 50 * 200 / 30 < 0.
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedWDRange range;
    EXPECT_EQ(LensSearch(ring, 48, 36, 200, 30, range), 1);
    ExpectRange(range, 43.6492, 150);
}

TEST(RingSearch, HoleDecidesWhenItCutsTheCone) {
    // Hole 50: lim = 200 - 20 * 200 / 30 = 66.667; f(66.667) = 78.9 > 60.
    CLedData_DirectRing ring;
    MakeRingR(ring);
    ring.InternalDiameter = 50;
    tagLedWDRange range;
    EXPECT_EQ(LensSearch(ring, 48, 36, 200, 30, range), 1);
    ExpectRange(range, 66.6667, 150);
}

TEST(RingSearch, LensWDLimitsTheFarEnd) {
    // Lens WD 100: the ring must fit below the lens, usable maximum 100 - 20 = 80.
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedWDRange range;
    EXPECT_EQ(LensSearch(ring, 48, 36, 100, 30, range), 1);
    EXPECT_NEAR(range.dMinWD1, 43.6492, kTol);
    EXPECT_DOUBLE_EQ(range.dMaxWD1, 80.0);
}

TEST(RingSearch, RefusalsOfLensMode) {
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedWDRange range;
    // MinWD 40 above the usable maximum 50 - 15 = 35.
    ring.MinWD = 40, ring.MaxWD = 100, ring.Height = 15;
    EXPECT_EQ(LensSearch(ring, 48, 36, 50, 30, range), -1000);
    // A hole narrower than the lens front, the field as wide as the front.
    MakeRingR(ring);
    ring.InternalDiameter = 20;
    EXPECT_EQ(ring.EvaluateSearch(18, 24, 30, 200, 30, -1, -1, -1, -1, range), -1001);
    // Field 160 x 120 (diagonal 200) is more than f(150) = 165 lights.
    MakeRingR(ring);
    ring.InternalDiameter = 300;
    EXPECT_EQ(LensSearch(ring, 160, 120, 400, 30, range), -1002);
}

TEST(RingSearch, WorkingDistanceMode) {
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedWDRange range;
    // f(50) = 65 covers 60: every WD from 50 on lights enough.
    EXPECT_EQ(WDSearch(ring, 50, -1, -1, 60, range), 1);
    ExpectRange(range, 50, 150);
    EXPECT_EQ(WDSearch(ring, 50, -1, -1, 70, range), -2001);
    // Without a diagonal the horizontal area is wanted.
    EXPECT_EQ(WDSearch(ring, 50, 70, -1, -1, range), -2001);
    EXPECT_EQ(WDSearch(ring, 50, 60, -1, -1, range), 1);
    // MaxWD itself is accepted; outside [MinWD, MaxWD] is not.
    EXPECT_EQ(WDSearch(ring, 150, -1, -1, 100, range), 1);
    ExpectRange(range, 150, 150);
    EXPECT_EQ(WDSearch(ring, 150.5, -1, -1, 100, range), -2000);
    EXPECT_EQ(WDSearch(ring, 19, -1, -1, 30, range), -2000);
}

TEST(RingSearch, LowAngleAndShadowlessRingsBehaveAsTheDirectRing) {
    CLedData_DirectRing direct;
    MakeRingR(direct);
    CLedData_LowAngleRing low;
    CLedData_ShadowlessRing shadowless;
    for (CLedData* led : {static_cast<CLedData*>(&low), static_cast<CLedData*>(&shadowless)}) {
        led->MinWD = 20, led->MaxWD = 150;
        led->WD_H_b = 0.002, led->WD_H_c = 0.6, led->WD_H_d = 30;
    }
    low.InternalDiameter = shadowless.InternalDiameter = 50;
    low.Height = shadowless.Height = 20;
    tagLedWDRange range;
    EXPECT_EQ(LensSearch(low, 48, 36, 200, 30, range), 1);
    ExpectRange(range, 66.6667, 150);
    EXPECT_EQ(LensSearch(shadowless, 48, 36, 200, 30, range), 1);
    ExpectRange(range, 66.6667, 150);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(shadowless.Calculate(60, 1, -1, -1, -1, -1, r), 1);
    EXPECT_NEAR(r.dWD1, 43.6492, kTol);
    EXPECT_EQ(low.Calculate(151, 0, -1, -1, -1, -1, r), -5001);
}

TEST(RingCalculate, AreasAtAWorkingDistance) {
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(50, 0, -1, -1, -1, -1, r), 1);
    EXPECT_DOUBLE_EQ(r.dAreaH, 65.0);
    EXPECT_DOUBLE_EQ(r.dAreaV, 65.0);
    EXPECT_DOUBLE_EQ(r.dAreaD, 65.0);
    EXPECT_DOUBLE_EQ(r.dWD1, 50.0);
    EXPECT_EQ(r.dWD2, -7.0);  // not written
}

TEST(RingCalculate, WorkingDistanceOutsideTheUsableRange) {
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(19.9, 0, -1, -1, -1, -1, r), -5000);
    EXPECT_EQ(ring.Calculate(150.1, 0, -1, -1, -1, -1, r), -5001);
    // With a lens at 100 mm the ring must stay below 80.
    EXPECT_EQ(ring.Calculate(90, 0, 48, 36, 100, 30, r), -5001);
}

TEST(RingCalculate, WorkingDistanceThatVignettes) {
    // Field 80 x 60 (diagonal 100), front 30, lens WD 200, hole 80: the cone
    // is wider than 80 below w = 200 - 50 * 200 / 70 = 57.143.
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(50, 0, 80, 60, 200, 30, r), -5010);
    EXPECT_EQ(ring.Calculate(60, 0, 80, 60, 200, 30, r), 1);
    EXPECT_DOUBLE_EQ(r.dWD1, 60.0);
}

TEST(RingCalculate, WorkingDistancesForAnArea) {
    CLedData_DirectRing ring;
    MakeRingR(ring);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(60, 1, -1, -1, -1, -1, r), 1);
    EXPECT_NEAR(r.dWD1, 43.6492, kTol);
    EXPECT_NEAR(r.dAreaD, 60.0, 1e-9);
    EXPECT_EQ(r.dWD2, -7.0);
    // f = 200 at 177.87, beyond MaxWD 150.
    EXPECT_EQ(ring.Calculate(200, 3, -1, -1, -1, -1, r), -6001);
}

TEST(RingCalculate, TwoWorkingDistancesAndVignettingOfEither) {
    CLedData_DirectRing ring;
    MakeRingQ(ring);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(14, 1, -1, -1, -1, -1, r), 3);
    EXPECT_NEAR(r.dWD1, 90.0, 1e-9);
    EXPECT_NEAR(r.dWD2, 30.0, 1e-9);
    EXPECT_NEAR(r.dAreaH, 14.0, 1e-9);  // at the last kept WD, 30

    // A lens front of 60 at 200 mm over a field of 16 x 12 (diagonal 20):
    // the cone is 20 + 0.2 w wide, so the hole of 30 passes it at WD 30 (26)
    // but not at WD 90 (38).
    r = Preset();
    EXPECT_EQ(ring.Calculate(14, 1, 16, 12, 200, 60, r), 2);
    EXPECT_NEAR(r.dWD2, 30.0, 1e-9);
    EXPECT_EQ(r.dWD1, -7.0);
    ring.InternalDiameter = 20;  // narrower than the field: both vignette
    EXPECT_EQ(ring.Calculate(14, 1, 16, 12, 200, 60, r), -6010);
}

TEST(RingSearch, LensFrontWiderThanTheFieldKeepsTheNearWDs) {
    // Ring Q, lens front 60 at 200 mm, field 16 x 12 (diagonal 20), hole 30:
    // the hole passes the cone up to WD 200 - (30 - 60) * 200 / (20 - 60) = 50.
    // On [20, 50] g falls from 21 to 6; g = 20 at 21.2702, so [20, 21.2702].
    CLedData_DirectRing ring;
    MakeRingQ(ring);
    tagLedWDRange range;
    EXPECT_EQ(ring.EvaluateSearch(16, 12, 20, 200, 60, -1, -1, -1, -1, range), 2);
    ExpectRange(range, 20, 21.2702);
    // The calculation agrees: 21 lights without vignetting, 99 vignettes.
    tagLedCalcResult r = Preset();
    EXPECT_EQ(ring.Calculate(21, 0, 16, 12, 200, 60, r), 1);
    EXPECT_EQ(ring.Calculate(99, 0, 16, 12, 200, 60, r), -5010);
}

// ---- bar -------------------------------------------------------------------
// Bar B: WD 10..200; H 0.001 x^2 + 0.8 x + 20 (f_H(100) = 110, f_H(200) = 220),
// V 0.0005 x^2 + 0.3 x + 5 (f_V(100) = 40), D -0.0005 x^2 + x + 25
// (f_D(100) = 120, f_D(200) = 205, top 525 at x = 1000).

namespace {

void MakeBar(CLedData_Bar& bar) {
    bar.Type = 6;
    bar.MinWD = 10;
    bar.MaxWD = 200;
    bar.WD_H_b = 0.001, bar.WD_H_c = 0.8, bar.WD_H_d = 20;
    bar.WD_V_b = 0.0005, bar.WD_V_c = 0.3, bar.WD_V_d = 5;
    bar.WD_D_b = -0.0005, bar.WD_D_c = 1.0, bar.WD_D_d = 25;
}

}  // namespace

TEST(BarSearch, AxisNeedingTheLargerWDDecides) {
    CLedData_Bar bar;
    MakeBar(bar);
    tagLedWDRange range;
    // H: f_H = 60 at (sqrt(0.8) - 0.8) / 0.002 = 47.2136;
    // V: f_V = 30 at (sqrt(0.14) - 0.3) / 0.001 = 74.1657.
    EXPECT_EQ(bar.EvaluateSearch(60, 30, 67.08, 40, 25, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 74.1657, 200);
    // V = 20 at (sqrt(0.12) - 0.3) / 0.001 = 46.4102, below H's 47.2136.
    EXPECT_EQ(bar.EvaluateSearch(60, 20, 63.25, 40, 25, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 47.2136, 200);
}

TEST(BarSearch, UnlitDiagonalStillListsTheBar) {
    // Diagonal 300 exceeds f_D(200) = 205; a lens WD of 30 limits nothing.
    CLedData_Bar bar;
    MakeBar(bar);
    tagLedWDRange range;
    EXPECT_EQ(bar.EvaluateSearch(60, 30, 300, 30, 25, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 74.1657, 200);
    // An unlit H axis refuses it.
    EXPECT_EQ(bar.EvaluateSearch(250, 30, 300, 30, 25, -1, -1, -1, -1, range), -1002);
}

TEST(BarSearch, WorkingDistanceModeUsesTheFirstGivenAxis) {
    CLedData_Bar bar;
    MakeBar(bar);
    tagLedWDRange range;
    EXPECT_EQ(WDSearch(bar, 100, 150, -1, -1, range), -2001);  // f_H(100) = 110
    EXPECT_EQ(WDSearch(bar, 100, 100, -1, -1, range), 1);
    ExpectRange(range, 100, 200);
    EXPECT_EQ(WDSearch(bar, 100, -1, 39, -1, range), 1);  // f_V(100) = 40
    ExpectRange(range, 100, 200);
    EXPECT_EQ(WDSearch(bar, 100, -1, 41, -1, range), -2001);
    EXPECT_EQ(WDSearch(bar, 100, -1, -1, 121, range), -2001);  // f_D(100) = 120
    EXPECT_EQ(WDSearch(bar, 100, -1, -1, -1, range), 0);      // nothing wanted
    EXPECT_EQ(WDSearch(bar, 5, 50, -1, -1, range), -2000);
}

TEST(BarCalculate, EachAxisHasItsOwnArea) {
    CLedData_Bar bar;
    MakeBar(bar);
    tagLedCalcResult r = Preset();
    // A lens WD of 50 does not limit a bar: WD 150 is usable.
    EXPECT_EQ(bar.Calculate(150, 0, 60, 30, 50, 25, r), 1);
    EXPECT_EQ(bar.Calculate(100, 0, -1, -1, -1, -1, r), 1);
    EXPECT_DOUBLE_EQ(r.dAreaH, 110.0);
    EXPECT_DOUBLE_EQ(r.dAreaV, 40.0);
    EXPECT_DOUBLE_EQ(r.dAreaD, 120.0);
    EXPECT_DOUBLE_EQ(r.dWD1, 100.0);
    EXPECT_EQ(bar.Calculate(201, 0, -1, -1, -1, -1, r), -5001);
}

TEST(BarCalculate, ItemSelectsTheAxisQuadratic) {
    CLedData_Bar bar;
    MakeBar(bar);
    tagLedCalcResult r = Preset();
    // V = 40: disc = 0.09 + 0.002 * 35 = 0.16, roots 100 and -700.
    EXPECT_EQ(bar.Calculate(40, 2, -1, -1, -1, -1, r), 1);
    EXPECT_NEAR(r.dWD1, 100.0, 1e-9);
    EXPECT_NEAR(r.dAreaH, 110.0, 1e-9);
    EXPECT_NEAR(r.dAreaD, 120.0, 1e-9);
    // H = 40: disc = 0.64 + 0.004 * 20 = 0.72, root (0.848528 - 0.8) / 0.002 = 24.2641.
    EXPECT_EQ(bar.Calculate(40, 1, -1, -1, -1, -1, r), 1);
    EXPECT_NEAR(r.dWD1, 24.2641, kTol);
    // D never reaches 600 (its top is 525).
    EXPECT_EQ(bar.Calculate(600, 3, -1, -1, -1, -1, r), -6000);
}

// ---- simulated coaxial -----------------------------------------------------

namespace {

// Circular window 35 (S): WD 30..120, height 40; H 0.001 x^2 + 0.5 x + 20
// (f_H(50) = 47.5, f_H(100) = 80); its V and D quadratics are never used.
void MakeCoaxCircular(CLedData_SimCoaxial& s) {
    s.Type = 5;
    s.MinWD = 30;
    s.MaxWD = 120;
    s.Height = 40;
    s.WindowForm = 0;
    s.LongSide = 35;
    s.WD_H_b = 0.001, s.WD_H_c = 0.5, s.WD_H_d = 20;
    s.WD_V_b = 0.1, s.WD_V_c = 5, s.WD_V_d = 500;
    s.WD_D_b = 0.1, s.WD_D_c = 5, s.WD_D_d = 500;
}

// Rectangular window 70 x 50 (S2), same WDs and height; each axis reaches
// its field of 48, 36 and 60 at 50.8, 50.2 and 40:
// H 0.001 (x - 50.8)(x + 500) + 48, V 0.001 (x - 50.2)(x + 500) + 36,
// D 0.001 (x - 40)(x + 500) + 60.
void MakeCoaxRect(CLedData_SimCoaxial& s) {
    s.Type = 5;
    s.MinWD = 30;
    s.MaxWD = 120;
    s.Height = 40;
    s.WindowForm = 1;
    s.LongSide = 70;
    s.ShortSide = 50;
    s.WD_H_b = 0.001, s.WD_H_c = 0.4492, s.WD_H_d = 22.6;
    s.WD_V_b = 0.001, s.WD_V_c = 0.4498, s.WD_V_d = 10.9;
    s.WD_D_b = 0.001, s.WD_D_c = 0.46, s.WD_D_d = 40;
}

}  // namespace

TEST(SimCoaxialSearch, CircularWindowSolvesEveryAxisWithTheHQuadratic) {
    // Window 70, field 48 x 36 x 60, front 20, lens WD 250 (no vignetting).
    // f_H = 48 at 50.832, = 36 at 30.178, = 60 at (sqrt(0.41) - 0.5) / 0.002 = 70.156.
    CLedData_SimCoaxial s;
    MakeCoaxCircular(s);
    s.LongSide = 70;
    tagLedWDRange range;
    EXPECT_EQ(s.EvaluateSearch(48, 36, 60, 250, 20, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 70.1561, 120);
}

TEST(SimCoaxialSearch, LaterAxisWinsAboveTheWholeMillimetresOfTheBest) {
    // H needs 50.8, V 50.2 (> 50, the whole part of 50.8), D 40.
    CLedData_SimCoaxial s;
    MakeCoaxRect(s);
    tagLedWDRange range;
    EXPECT_EQ(s.EvaluateSearch(48, 36, 60, 250, 20, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 50.2, 120);
}

TEST(SimCoaxialSearch, RectangularWindowChecksBothSides) {
    CLedData_SimCoaxial s;
    MakeCoaxRect(s);
    tagLedWDRange range;
    // Long side 40 against the field's 48: lim = 250 - 20 * 250 / 28 = 71.4286,
    // where every axis is lit already.
    s.LongSide = 40;
    EXPECT_EQ(s.EvaluateSearch(48, 36, 60, 250, 20, -1, -1, -1, -1, range), 1);
    ExpectRange(range, 71.4286, 120);
    // Short side 25 against 36: lim = 250 - 5 * 250 / 16 = 171.875 > 120.
    s.LongSide = 70;
    s.ShortSide = 25;
    EXPECT_EQ(s.EvaluateSearch(48, 36, 60, 250, 20, -1, -1, -1, -1, range), -1001);
    // Lens WD 60: usable maximum 60 - 40 = 20 < MinWD 30.
    EXPECT_EQ(s.EvaluateSearch(48, 36, 60, 60, 20, -1, -1, -1, -1, range), -1000);
}

TEST(SimCoaxialSearch, WorkingDistanceModeAsTheBar) {
    CLedData_SimCoaxial s;
    MakeCoaxCircular(s);
    tagLedWDRange range;
    // The circular window's V area is f_H(100) = 80, whatever V's own quadratic says.
    EXPECT_EQ(WDSearch(s, 100, -1, 85, -1, range), -2001);
    EXPECT_EQ(WDSearch(s, 100, -1, 75, -1, range), 1);
    ExpectRange(range, 100, 120);
    MakeCoaxRect(s);
    // f_V(100) = 0.001 * 49.8 * 600 + 36 = 65.88
    EXPECT_EQ(WDSearch(s, 100, -1, 66, -1, range), -2001);
    EXPECT_EQ(WDSearch(s, 100, -1, 65, -1, range), 1);
    EXPECT_EQ(WDSearch(s, 121, -1, 65, -1, range), -2000);
}

TEST(SimCoaxialCalculate, CircularWindow) {
    CLedData_SimCoaxial s;
    MakeCoaxCircular(s);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(s.Calculate(50, 0, -1, -1, -1, -1, r), 1);
    EXPECT_DOUBLE_EQ(r.dAreaH, 47.5);
    EXPECT_DOUBLE_EQ(r.dAreaV, 47.5);
    EXPECT_DOUBLE_EQ(r.dAreaD, 47.5);
    // Field 48 x 36 (diagonal 60), front 20, lens WD 250: the window of 35
    // vignettes below 250 - 15 * 250 / 40 = 156.25, so everywhere; a
    // window of 55 only below 250 - 35 * 250 / 40 = 31.25.
    EXPECT_EQ(s.Calculate(50, 0, 48, 36, 250, 20, r), -5010);
    s.LongSide = 55;
    EXPECT_EQ(s.Calculate(30, 0, 48, 36, 250, 20, r), -5010);
    EXPECT_EQ(s.Calculate(50, 0, 48, 36, 250, 20, r), 1);
    EXPECT_EQ(s.Calculate(81, 0, 48, 36, 120, 20, r), -5001);  // usable maximum 80
}

TEST(SimCoaxialCalculate, RectangularWindow) {
    CLedData_SimCoaxial s;
    MakeCoaxRect(s);
    tagLedCalcResult r = Preset();
    // V = 36 at 50.2; the other areas at that WD: H 48 - 0.001 * 0.6 * 550.2 =
    // 47.66988, D 60 + 0.001 * 10.2 * 550.2 = 65.61204.
    EXPECT_EQ(s.Calculate(36, 2, -1, -1, -1, -1, r), 1);
    EXPECT_NEAR(r.dWD1, 50.2, 1e-9);
    EXPECT_NEAR(r.dAreaH, 47.66988, 1e-9);
    EXPECT_NEAR(r.dAreaV, 36.0, 1e-9);
    EXPECT_NEAR(r.dAreaD, 65.61204, 1e-9);
    // Short side 25 against the field's 36, front 20, lens WD 250: vignettes
    // below 250 - 5 * 250 / 16 = 171.875.
    s.ShortSide = 25;
    EXPECT_EQ(s.Calculate(100, 0, 48, 36, 250, 20, r), -5010);
    EXPECT_EQ(s.Calculate(36, 2, 48, 36, 250, 20, r), -6010);
}

// ---- simple dome -----------------------------------------------------------

namespace {

// Dome: WD 10..80, height 60, window 20 (round), top 5 thick, so the window is
// w = WD + 55 from the object; f(x) = 0.01 x^2 + x + 60.
void MakeDome(CLedData_SimpleDome& d) {
    d.Type = 7;
    d.MinWD = 10;
    d.MaxWD = 80;
    d.Height = 60;
    d.WindowSizeL = 20;
    d.WindowSizeS = 0;
    d.WindowThickness = 5;
    d.InternalDiameter = 100;
    d.WD_H_b = 0.01, d.WD_H_c = 1.0, d.WD_H_d = 60;
}

}  // namespace

TEST(SimpleDomeSearch, WindowLimitRaisesTheNearEnd) {
    // Field diagonal 60, front 15, lens WD 150: the window passes the cone from
    // w = 150 - 5 * 150 / 45 = 133.333 on, i.e. WD 78.333; usable maximum 80.
    CLedData_SimpleDome dome;
    MakeDome(dome);
    tagLedWDRange range;
    EXPECT_EQ(LensSearch(dome, 48, 36, 150, 15, range), 1);
    ExpectRange(range, 78.3333, 80);
    EXPECT_DOUBLE_EQ(range.dMaxWD2, 80.0);
}

TEST(SimpleDomeSearch, RefusalsOfLensMode) {
    CLedData_SimpleDome dome;
    MakeDome(dome);
    tagLedWDRange range;
    // Lens WD 300: lim = 300 - 5 * 300 / 45 = 266.667, beyond w = 135.
    EXPECT_EQ(LensSearch(dome, 48, 36, 300, 15, range), -1001);
    // Field as wide as the front: only a front wider than the window vignettes.
    EXPECT_EQ(dome.EvaluateSearch(9, 12, 15, 150, 15, -1, -1, -1, -1, range), 1);
    dome.WindowSizeL = 10;
    EXPECT_EQ(dome.EvaluateSearch(9, 12, 15, 150, 15, -1, -1, -1, -1, range), -1001);
    // Lens WD 60: usable maximum 0 < MinWD 10.
    MakeDome(dome);
    EXPECT_EQ(LensSearch(dome, 48, 36, 60, 15, range), -1000);
    // Lens WD 0 checks no window; a diagonal of 250 is more than f(80) = 204.
    EXPECT_EQ(LensSearch(dome, 200, 150, 0, 15, range), -1002);
}

TEST(SimpleDomeSearch, WorkingDistanceModeAsTheRing) {
    CLedData_SimpleDome dome;
    MakeDome(dome);
    tagLedWDRange range;
    EXPECT_EQ(WDSearch(dome, 50, -1, -1, 100, range), 1);  // f(50) = 135
    ExpectRange(range, 50, 80);
    EXPECT_EQ(WDSearch(dome, 50, -1, -1, 136, range), -2001);
}

TEST(SimpleDomeCalculate, VignettingIsTestedAtTheWindow) {
    // Window at w = WD + 55; vignettes when 2.5 < 22.5 * (150 - w) / 150.
    CLedData_SimpleDome dome;
    MakeDome(dome);
    tagLedCalcResult r = Preset();
    EXPECT_EQ(dome.Calculate(78, 0, 48, 36, 150, 15, r), -5010);  // w 133: 2.55
    EXPECT_EQ(dome.Calculate(79, 0, 48, 36, 150, 15, r), 1);      // w 134: 2.4
    EXPECT_DOUBLE_EQ(r.dAreaH, 201.41);
    EXPECT_DOUBLE_EQ(r.dWD1, 79.0);
    EXPECT_EQ(dome.Calculate(81, 0, -1, -1, -1, -1, r), -5001);
}

// ---- back light ------------------------------------------------------------

namespace {

void MakeBackLight(CLedData_BackLight& b) {
    b.Type = 8;
    b.WD_H_d = 100;
    b.WD_V_d = 80;
    b.WD_D_d = 128;
}

}  // namespace

TEST(BackLightSearch, FieldOrAreaMustFitTheSurface) {
    CLedData_BackLight bl;
    MakeBackLight(bl);
    tagLedWDRange range{1, 2, 3, 4};
    EXPECT_EQ(bl.EvaluateSearch(100, 80, 128, 200, 20, -1, -1, -1, -1, range), 1);
    EXPECT_EQ(bl.EvaluateSearch(101, 60, 117, 200, 20, -1, -1, -1, -1, range), -1010);
    EXPECT_EQ(bl.EvaluateSearch(100, 80, 129, 200, 20, -1, -1, -1, -1, range), -1010);
    EXPECT_EQ(WDSearch(bl, 50, 100, -1, -1, range), 1);
    EXPECT_EQ(WDSearch(bl, 50, -1, 81, -1, range), -2010);
    EXPECT_EQ(WDSearch(bl, 50, -1, -1, 129, range), -2010);
    // The range is left alone.
    EXPECT_EQ(range.dMaxWD1, 1.0);
    EXPECT_EQ(range.dMaxWD2, 2.0);
    EXPECT_EQ(range.dMinWD1, 3.0);
    EXPECT_EQ(range.dMinWD2, 4.0);
}

TEST(BackLightCalculate, AlwaysTheSurfaceAndNoWorkingDistance) {
    CLedData_BackLight bl;
    MakeBackLight(bl);
    for (int item : {0, 1, 2, 3}) {
        tagLedCalcResult r = Preset();
        EXPECT_EQ(bl.Calculate(-5, item, 10, 10, 100, 20, r), 1);
        EXPECT_EQ(r.dAreaH, 100.0);
        EXPECT_EQ(r.dAreaV, 80.0);
        EXPECT_EQ(r.dAreaD, 128.0);
        EXPECT_EQ(r.dWD1, -1.0);
        EXPECT_EQ(r.dWD2, -1.0);
    }
}

// ---- records from catalogue rows ------------------------------------------

TEST(CreateLedRecord, TypeChoosesTheClass) {
    tagLedCommonColumns c;
    c.Type = 1;
    EXPECT_NE(dynamic_cast<CLedData_DirectRing*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 11;
    auto ring11 = CreateLedRecord(c);
    ASSERT_NE(dynamic_cast<CLedData_DirectRing*>(ring11.get()), nullptr);
    EXPECT_EQ(ring11->Type, 11);
    c.Type = 12;
    EXPECT_NE(dynamic_cast<CLedData_DirectRing*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 2;
    EXPECT_NE(dynamic_cast<CLedData_LowAngleRing*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 3;
    EXPECT_NE(dynamic_cast<CLedData_ShadowlessRing*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 5;
    EXPECT_NE(dynamic_cast<CLedData_SimCoaxial*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 6;
    EXPECT_NE(dynamic_cast<CLedData_Bar*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 7;
    EXPECT_NE(dynamic_cast<CLedData_SimpleDome*>(CreateLedRecord(c).get()), nullptr);
    c.Type = 8;
    EXPECT_NE(dynamic_cast<CLedData_BackLight*>(CreateLedRecord(c).get()), nullptr);
    for (int other : {0, 4, 9, 10, 13, 40, -1}) {
        c.Type = other;
        EXPECT_EQ(CreateLedRecord(c), nullptr) << other;
    }
}
