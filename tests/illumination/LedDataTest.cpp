// The lighting-area routines and the search filter of the illumination
// record, checked against hand-solved quadratics.
#include <gtest/gtest.h>

#include <cmath>

#include "illumination/LedTypes.h"

namespace {

// A range as its four ends: lower 1, upper 1, lower 2, upper 2.
struct Ends {
    double lo1, hi1, lo2, hi2;
};

tagLedWDRange Range(Ends e) {
    tagLedWDRange r;
    r.dMinWD1 = e.lo1, r.dMaxWD1 = e.hi1, r.dMinWD2 = e.lo2, r.dMaxWD2 = e.hi2;
    return r;
}

void ExpectEnds(const tagLedWDRange& r, Ends e, double tol) {
    EXPECT_NEAR(r.dMinWD1, e.lo1, tol);
    EXPECT_NEAR(r.dMaxWD1, e.hi1, tol);
    EXPECT_NEAR(r.dMinWD2, e.lo2, tol);
    EXPECT_NEAR(r.dMaxWD2, e.hi2, tol);
}

}  // namespace

// f(x) = 0.01 x^2 + x + 10: f(20) = 34, f(100) = 210, vertex -50.
// g(x) = 0.01 (x - 60)^2 + 5 = 0.01 x^2 - 1.2 x + 41: g = 14 at 30 and 90.
// h(x) = -0.005 (x - 20)^2 + 80 = -0.005 x^2 + 0.2 x + 78: falls on [40, 100]
//        from 78 to 48; h = 60 at 20 + sqrt(4000) = 83.2456.
// k(x) = -0.01 (x - 60)^2 + 50 = -0.01 x^2 + 1.2 x + 14: k(20) = k(100) = 34,
//        k = 41 at 30 and 90 and above 41 only between them.
TEST(SolveWDForArea, NarrowsTheRangeToWhereTheAreaIsReached) {
    const struct {
        const char* what;
        double b, c, d, lo, hi, area, hint;
        int code;
        Ends out;
        double areaOut;
    } cases[] = {
        // 0.01 x^2 + x - 110 = 0: x = (-100 +- sqrt(54000)) / 2 = 66.1895, -166.1895.
        {"f, root right of the vertex raises both lower ends", 0.01, 1, 10, 20, 100, 120, -1, 1,
         {66.1895, 100, 66.1895, 100}, 120},
        {"f, area below the smallest 34 leaves the range", 0.01, 1, 10, 20, 100, 25, -1, 1,
         {20, 100, 20, 100}, 25},
        {"f, area above the largest 210", 0.01, 1, 10, 20, 100, 211, -1, -2, {20, 100, 20, 100},
         211},
        {"no quadratic term", 0.0, 1, 10, 20, 100, 50, -1, -1, {20, 100, 20, 100}, 50},
        {"quadratic term of 1e-9 counts as none", 1e-9, 1, 10, 20, 100, 50, -1, -1,
         {20, 100, 20, 100}, 50},
        // f(50) = 25 + 50 + 10 = 85; 0.01 x^2 + x - 75 = 0 has the root 50.
        {"negative area takes the area at the hint", 0.01, 1, 10, 20, 100, -1, 50, 1,
         {50, 100, 50, 100}, 85},
        {"g, dip in the middle splits the range: far [90, 100], near [20, 30]", 0.01, -1.2, 41,
         20, 100, 14, -1, 3, {90, 100, 20, 30}, 14},
        {"g, smaller root alone lowers both upper ends", 0.01, -1.2, 41, 20, 80, 14, -1, 2,
         {20, 30, 20, 30}, 14},
        // On [0, 40] g falls from 41 to 9: too small for 14 at the right end.
        {"g, vertex right of the range: smallest area at the right end", 0.01, -1.2, 41, 0, 40, 14,
         -1, 2, {0, 30, 0, 30}, 14},
        {"h, downward with the vertex left: largest area at the left end", -0.005, 0.2, 78, 40,
         100, 60, -1, 1, {40, 83.2456, 40, 83.2456}, 60},
        {"k, downward with both roots inside keeps the WDs between them", -0.01, 1.2, 14, 20, 100,
         41, -1, 3, {30, 90, 30, 90}, 41},
        {"k, smaller root alone raises the lower ends", -0.01, 1.2, 14, 20, 80, 41, -1, 2,
         {30, 80, 30, 80}, 41},
        {"k, larger root alone lowers the upper ends", -0.01, 1.2, 14, 40, 100, 41, -1, 1,
         {40, 90, 40, 90}, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tagLedWDRange r = Range({c.lo, c.hi, c.lo, c.hi});
        double area = c.area;
        EXPECT_EQ(CLedData::SolveWDForArea(r, area, c.b, c.c, c.d, c.hint), c.code);
        ExpectEnds(r, c.out, 1e-4);
        EXPECT_DOUBLE_EQ(area, c.areaOut);
    }
}

// lim = lensWD - (inner - eff) * lensWD / (fovD - eff); WDs below lim vignette
// when the field is wider than the lens front, above lim when it is narrower.
TEST(LimitWDByVignetting, CutsTheRangeAtTheVignettingLimit) {
    const struct {
        const char* what;
        double eff, inner, fovD, lensWD;
        Ends in;
        int code;
        Ends out;
    } cases[] = {
        {"lim 100 - 20 * 100 / 40 = 50 raises the lower ends", 20, 40, 60, 100, {30, 90, 30, 90},
         0, {50, 90, 50, 90}},
        {"lim 100 - 60 * 100 / 40 = -50 changes nothing", 20, 80, 60, 100, {30, 90, 30, 90}, 0,
         {30, 90, 30, 90}},
        {"parallel cone, opening narrower than the front", 20, 10, 20, 100, {30, 90, 30, 90}, -4,
         {30, 90, 30, 90}},
        {"parallel cone, opening as wide as the front", 20, 20, 20, 100, {30, 90, 30, 90}, 0,
         {30, 90, 30, 90}},
        {"no lens WD: nothing to check", 20, 10, 20, 0, {30, 90, 30, 90}, 0, {30, 90, 30, 90}},
        {"negative lens WD: nothing to check", 20, 10, 60, -1, {30, 90, 30, 90}, 0,
         {30, 90, 30, 90}},
        {"lim 100 - 5 * 100 / 40 = 87.5 above the far end 80", 20, 25, 60, 100, {30, 80, 30, 80},
         -4, {30, 80, 30, 80}},
        {"lim 50 in the gap: the near interval vignettes entirely", 20, 40, 60, 100,
         {60, 90, 10, 30}, 0, {60, 90, 60, 90}},
        {"lim 100 - 32 * 100 / 40 = 20 shortens the near interval", 20, 52, 60, 100,
         {60, 90, 10, 30}, 0, {60, 90, 20, 30}},
        // Cone 20 + 40 w / 100 wide (field 20, front 60 at WD 100).
        {"front wider than the field: lim 100 - (40 - 60) * 100 / (20 - 60) = 50 cuts the far end",
         60, 40, 20, 100, {30, 90, 30, 90}, 0, {30, 50, 30, 50}},
        {"front wider than the field, opening narrower than the field: lim -25", 60, 10, 20, 100,
         {30, 90, 30, 90}, -4, {30, 90, 30, 90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tagLedWDRange r = Range(c.in);
        EXPECT_EQ(CLedData::LimitWDByVignetting(r, c.eff, c.inner, c.fovD, c.lensWD), c.code);
        if (c.code == 0) ExpectEnds(r, c.out, 1e-12);
    }
}

TEST(SolveAreaRoots, GivesBothRootsOverTheWholeRange) {
    CLedData led;
    led.MinWD = 20;
    led.MaxWD = 100;
    const struct {
        const char* what;
        double d, area, b, c;
        int code;
        double first, second;
    } cases[] = {
        // disc = 1 + 0.04 * 110 = 5.4: (2.32379 - 1) / 0.02 and (-1 - 2.32379) / 0.02.
        {"both roots in formula order, unchecked", 10, 120, 0.01, 1, 0, 66.1895, -166.1895},
        // 0.01 (x - 60)^2 + 5 never falls to 3 (disc = 1.44 - 0.04 * 38 < 0).
        {"every WD lights more: MinWD", 41, 3, 0.01, -1.2, 1, 20, -1},
        // -0.01 (x - 60)^2 + 50 never reaches 60.
        {"never that much", 14, 60, -0.01, 1.2, -3, NAN, NAN},
        {"no quadratic term: roots no range holds", 10, 50, 0.0, 1.0, 0, NAN, NAN},
        {"quadratic term of 5e-10 counts as none", 10, 50, 5e-10, 0.0, 0, NAN, NAN},
    };
    const auto expectRoot = [](double actual, double expected) {
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(actual)) << actual;
        else
            EXPECT_NEAR(actual, expected, 1e-4);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::pair<double, double> roots{0.0, 0.0};
        EXPECT_EQ(led.SolveAreaRoots(roots, c.d, c.area, c.b, c.c), c.code);
        if (c.code < 0) continue;
        expectRoot(roots.first, c.first);
        expectRoot(roots.second, c.second);
    }
}

// A back light (surface 100 x 80, diagonal 128) fits a field of 40 x 30
// (diagonal 50), so every refusal below comes from the filter itself.
TEST(MatchSearch, TestsTypeColourControlCurrentAndPowerInThatOrder) {
    const struct {
        int type, color;
        const wchar_t* control;
        int typeMask, colorMask, controlMask;
        double currentLimit, powerLimit;
        int code;
    } cases[] = {
        {8, 4, L"CC", 128, 63, 3, -1, -1, 1},
        {8, 4, L"CC", 127, 63, 3, -1, -1, -9000},
        {11, 4, L"CC", 1024, 63, 3, -1, -1, 1},  // type 11 needs bit 1024
        {11, 4, L"CC", 0x7FFFFFFF & ~1024, 63, 3, -1, -1, -9000},
        {31, 4, L"CC", 1 << 30, 63, 3, -1, -1, 1},
        // Numbers without a bit of their own match no mask.
        {0, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {-1, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {-33, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {32, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {33, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {64, 4, L"CC", -1, 63, 3, -1, -1, -9000},
        {8, 0, L"CC", -1, -1, 3, -1, -1, -9001},
        {8, -2, L"CC", -1, -1, 3, -1, -1, -9001},
        {8, 32, L"CC", -1, -1, 3, -1, -1, -9001},
        {8, 40, L"CC", -1, -1, 3, -1, -1, -9001},
        {8, 4, L"CC", 128, 8, 3, -1, -1, 1},
        {8, 4, L"CC", 128, 63 - 8, 3, -1, -1, -9001},
        {8, 4, L"CC", 0, 0, 3, -1, -1, -9000},  // type before colour
        {8, 4, L"CC", 128, 63, 2, -1, -1, -1003},
        {8, 4, L"CC", 128, 63, 1, -1, -1, 1},
        {8, 4, L"CV", 128, 63, 1, -1, -1, -9002},
        {8, 4, L"CV", 128, 63, 2, -1, -1, 1},
        {8, 4, L"", 128, 63, 0, -1, -1, 1},
        {8, 4, L"cc", 128, 63, 0, -1, -1, 1},  // only the exact texts are control methods
        // Rated current 0.5 A, power 12 W; limits count only above 0.
        {8, 4, L"CC", 128, 63, 3, 0.0, 0.0, 1},
        {8, 4, L"CC", 128, 63, 3, 0.5, 12.0, 1},  // equal to the limits passes
        {8, 4, L"CC", 128, 63, 3, 0.49, 12.0, -9003},
        {8, 4, L"CC", 128, 63, 3, 0.5, 11.9, -9004},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        CLedData_BackLight led;
        led.Type = c.type;
        led.Color = c.color;
        led.ControlMethod = c.control;
        led.MaxRatedCurrent = 0.5;
        led.Power = 12;
        led.WD_H_d = 100, led.WD_V_d = 80, led.WD_D_d = 128;
        tagLedWDRange range;
        EXPECT_EQ(led.MatchSearch(40, 30, 50, 100, 20, c.typeMask, -1, -1, -1, -1, c.colorMask,
                                  c.controlMask, c.currentLimit, c.powerLimit, range),
                  c.code)
            << "case " << i;
    }
}

TEST(MatchSearch, GeometryOfTheLightDecidesLast) {
    CLedData_BackLight led;
    led.Type = 8, led.Color = 4;
    led.WD_H_d = 100, led.WD_V_d = 80, led.WD_D_d = 128;
    tagLedWDRange range;
    // A field of 110 mm across is wider than the 100 mm surface.
    EXPECT_EQ(led.MatchSearch(110, 30, 114, 100, 20, 128, -1, -1, -1, -1, 63, 3, -1, -1, range),
              -1010);
    CLedData base;  // a record without a model never fits
    base.Type = 1, base.Color = 1;
    EXPECT_EQ(base.MatchSearch(40, 30, 50, 100, 20, 1, -1, -1, -1, -1, 1, 3, -1, -1, range), 0);
}
