// The lighting-area routines and the search filter of the illumination
// record, checked against hand-solved quadratics.
#include <gtest/gtest.h>

#include <cmath>

#include "illumination/LedTypes.h"

namespace {

tagLedWDRange Range(double lower, double upper) {
    tagLedWDRange r;
    r.SetBoth(lower, upper);
    return r;
}

void ExpectRange(const tagLedWDRange& r, double lower1, double upper1, double lower2,
                 double upper2, double tol = 1e-4) {
    EXPECT_NEAR(r.dMinWD1, lower1, tol);
    EXPECT_NEAR(r.dMaxWD1, upper1, tol);
    EXPECT_NEAR(r.dMinWD2, lower2, tol);
    EXPECT_NEAR(r.dMaxWD2, upper2, tol);
}

}  // namespace

// ---- SolveWDForArea --------------------------------------------------------
// f(x) = 0.01 x^2 + x + 10 on [20, 100]: f(20) = 34, f(100) = 210, vertex -50.

TEST(SolveWDForArea, RootRightOfVertexRaisesBothLowerEnds) {
    // 0.01 x^2 + x - 110 = 0: x = (-100 +- sqrt(54000)) / 2 = 66.1895 and -166.1895.
    tagLedWDRange r = Range(20, 100);
    double area = 120;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, 1, 10, -1.0), 1);
    ExpectRange(r, 66.1895, 100, 66.1895, 100);
    EXPECT_EQ(area, 120);
}

TEST(SolveWDForArea, AreaBelowTheSmallestLeavesTheRange) {
    tagLedWDRange r = Range(20, 100);
    double area = 25;  // below f(20) = 34
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, 1, 10, -1.0), 1);
    ExpectRange(r, 20, 100, 20, 100, 0.0);
}

TEST(SolveWDForArea, RefusesWithoutQuadraticTermAndAboveTheLargestArea) {
    tagLedWDRange r = Range(20, 100);
    double area = 50;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 1e-9, 1, 10, -1.0), -1);
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.0, 1, 10, -1.0), -1);
    area = 211;  // f(100) = 210
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, 1, 10, -1.0), -2);
    ExpectRange(r, 20, 100, 20, 100, 0.0);
}

TEST(SolveWDForArea, NegativeAreaTakesTheAreaAtTheHintAndWritesItBack) {
    // f(50) = 25 + 50 + 10 = 85; 0.01 x^2 + x - 75 = 0 has the root 50.
    tagLedWDRange r = Range(20, 100);
    double area = -1.0;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, 1, 10, 50.0), 1);
    EXPECT_DOUBLE_EQ(area, 85.0);
    ExpectRange(r, 50, 100, 50, 100);
}

// g(x) = 0.01 (x - 60)^2 + 5 = 0.01 x^2 - 1.2 x + 41; g = 14 at x = 30 and 90.

TEST(SolveWDForArea, DipInTheMiddleSplitsTheRangeInTwo) {
    tagLedWDRange r = Range(20, 100);
    double area = 14;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, -1.2, 41, -1.0), 3);
    ExpectRange(r, 90, 100, 20, 30);  // far [90, 100], near [20, 30]
}

TEST(SolveWDForArea, SmallerRootAloneLowersBothUpperEnds) {
    tagLedWDRange r = Range(20, 80);
    double area = 14;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, -1.2, 41, -1.0), 2);
    ExpectRange(r, 20, 30, 20, 30);
}

TEST(SolveWDForArea, VertexRightOfTheIntervalTakesTheSmallestAreaAtTheRightEnd) {
    // On [0, 40] g falls from 41 to 9; at WD 40 the area is too small for 14,
    // so the interval must end at the root 30.
    tagLedWDRange r = Range(0, 40);
    double area = 14;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, 0.01, -1.2, 41, -1.0), 2);
    ExpectRange(r, 0, 30, 0, 30);
}

TEST(SolveWDForArea, DownwardOpeningWithVertexLeftTakesTheLargestAreaAtTheLeftEnd) {
    // h(x) = -0.005 (x - 20)^2 + 80 = -0.005 x^2 + 0.2 x + 78 falls on [40, 100]
    // from 78 to 48; h = 60 at x = 20 + sqrt(4000) = 83.2456.
    tagLedWDRange r = Range(40, 100);
    double area = 60;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, -0.005, 0.2, 78, -1.0), 1);
    ExpectRange(r, 40, 83.2456, 40, 83.2456);
}

TEST(SolveWDForArea, DownwardOpeningWithBothRootsInsideKeepsTheWDsBetweenThem) {
    // k(x) = -0.01 (x - 60)^2 + 50 = -0.01 x^2 + 1.2 x + 14: k(20) = k(100) = 34,
    // k = 41 at 30 and 90 and above 41 only between them.
    tagLedWDRange r = Range(20, 100);
    double area = 41;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, -0.01, 1.2, 14, -1.0), 3);
    ExpectRange(r, 30, 90, 30, 90);
}

TEST(SolveWDForArea, DownwardOpeningWithOneRootInsideCutsTheMatchingEnd) {
    tagLedWDRange r = Range(20, 80);
    double area = 41;
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, -0.01, 1.2, 14, -1.0), 2);
    ExpectRange(r, 30, 80, 30, 80);

    r = Range(40, 100);
    EXPECT_EQ(CLedData::SolveWDForArea(r, area, -0.01, 1.2, 14, -1.0), 1);
    ExpectRange(r, 40, 90, 40, 90);
}

// ---- LimitWDByVignetting ---------------------------------------------------

TEST(LimitWDByVignetting, LimitFiftyRaisesTheLowerEnds) {
    // lim = 100 - (40 - 20) * 100 / (60 - 20) = 50
    tagLedWDRange r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 40, 60, 100), 0);
    ExpectRange(r, 50, 90, 50, 90, 1e-12);
}

TEST(LimitWDByVignetting, LimitBelowTheRangeChangesNothing) {
    // inner 80: lim = 100 - 60 * 100 / 40 = -50
    tagLedWDRange r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 80, 60, 100), 0);
    ExpectRange(r, 30, 90, 30, 90, 0.0);
}

TEST(LimitWDByVignetting, ParallelConeVignettesOnlyWhenTheOpeningIsNarrower) {
    tagLedWDRange r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 10, 20, 100), -4);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 20, 20, 100), 0);
    ExpectRange(r, 30, 90, 30, 90, 0.0);
}

TEST(LimitWDByVignetting, NothingToCheckWithoutALensWD) {
    tagLedWDRange r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 10, 20, 0), 0);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 10, 60, -1), 0);
    ExpectRange(r, 30, 90, 30, 90, 0.0);
}

TEST(LimitWDByVignetting, LimitAboveTheFarEndVignettesEverywhere) {
    // inner 25: lim = 100 - 5 * 100 / 40 = 87.5 > 80
    tagLedWDRange r = Range(30, 80);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 25, 60, 100), -4);
}

TEST(LimitWDByVignetting, TwoIntervalsLoseOrShortenTheNearOne) {
    tagLedWDRange r;
    r.dMinWD1 = 60, r.dMaxWD1 = 90, r.dMinWD2 = 10, r.dMaxWD2 = 30;
    // lim 50 lies in the gap: the near interval vignettes entirely.
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 40, 60, 100), 0);
    ExpectRange(r, 60, 90, 60, 90, 1e-12);

    r.dMinWD1 = 60, r.dMaxWD1 = 90, r.dMinWD2 = 10, r.dMaxWD2 = 30;
    // inner 52: lim = 100 - 32 * 100 / 40 = 20 cuts into the near interval.
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 20, 52, 60, 100), 0);
    ExpectRange(r, 60, 90, 20, 30, 1e-12);
}

TEST(LimitWDByVignetting, LensFrontWiderThanTheFieldLimitsTheFarEnd) {
    // Cone diameter 20 + 40 w / 100 (field 20, lens front 60 at WD 100): an
    // opening of 40 passes it up to w = 50 = 100 - (40 - 60) * 100 / (20 - 60).
    tagLedWDRange r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 60, 40, 20, 100), 0);
    ExpectRange(r, 30, 50, 30, 50, 1e-12);

    // An opening of 10 is narrower than the field itself: lim = -25.
    r = Range(30, 90);
    EXPECT_EQ(CLedData::LimitWDByVignetting(r, 60, 10, 20, 100), -4);
}

// ---- SolveAreaRoots --------------------------------------------------------

namespace {

struct SolveAreaRootsTest : ::testing::Test {
    CLedData led;
    std::pair<double, double> roots{0.0, 0.0};
    void SetUp() override {
        led.MinWD = 20;
        led.MaxWD = 100;
    }
};

}  // namespace

TEST_F(SolveAreaRootsTest, GivesBothRootsInFormulaOrderUnchecked) {
    // disc = 1 + 0.04 * 110 = 5.4: (2.32379 - 1) / 0.02 and (-1 - 2.32379) / 0.02
    EXPECT_EQ(led.SolveAreaRoots(roots, 10, 120, 0.01, 1), 0);
    EXPECT_NEAR(roots.first, 66.1895, 1e-4);
    EXPECT_NEAR(roots.second, -166.1895, 1e-4);
}

TEST_F(SolveAreaRootsTest, AreaBelowTheWholeRangeGivesMinWD) {
    // 0.01 (x - 60)^2 + 5 never falls to 3 (disc = 1.44 - 0.04 * 38 < 0).
    EXPECT_EQ(led.SolveAreaRoots(roots, 41, 3, 0.01, -1.2), 1);
    EXPECT_EQ(roots.first, 20.0);
    EXPECT_EQ(roots.second, -1.0);
}

TEST_F(SolveAreaRootsTest, AreaAboveTheTopOfADownwardQuadraticHasNoRoot) {
    // -0.01 (x - 60)^2 + 50 never reaches 60.
    EXPECT_EQ(led.SolveAreaRoots(roots, 14, 60, -0.01, 1.2), -3);
}

TEST_F(SolveAreaRootsTest, NoQuadraticTermGivesRootsNoRangeHolds) {
    EXPECT_EQ(led.SolveAreaRoots(roots, 10, 50, 0.0, 1.0), 0);
    EXPECT_EQ(roots.first, -1.0);
    EXPECT_EQ(roots.second, -1.0);
    EXPECT_EQ(led.SolveAreaRoots(roots, 10, 50, 5e-10, 0.0), 0);
    EXPECT_TRUE(std::isfinite(roots.first) && std::isfinite(roots.second));
}

// ---- MatchSearch -----------------------------------------------------------
// A back light (surface 100 x 80, diagonal 128) fits any field up to that
// size, so every refusal below comes from the filter itself.

namespace {

struct MatchSearchTest : ::testing::Test {
    CLedData_BackLight led;
    tagLedWDRange range;
    void SetUp() override {
        led.Type = 8;
        led.Color = 4;
        led.ControlMethod = L"CC";
        led.MaxRatedCurrent = 0.5;
        led.Power = 12;
        led.WD_H_d = 100;
        led.WD_V_d = 80;
        led.WD_D_d = 128;
    }
    int Match(int typeMask, int colorMask = 63, int controlMask = 3, double current = -1.0,
              double power = -1.0) {
        return led.MatchSearch(40, 30, 50, 100, 20, typeMask, -1, -1, -1, -1, colorMask,
                               controlMask, current, power, range);
    }
};

}  // namespace

TEST_F(MatchSearchTest, TypeBitOfTheMaskDecides) {
    EXPECT_EQ(Match(128), 1);
    EXPECT_EQ(Match(127), -9000);
    led.Type = 11;
    EXPECT_EQ(Match(1024), 1);
    EXPECT_EQ(Match(0x7FFFFFFF & ~1024), -9000);
}

TEST_F(MatchSearchTest, TypeOrColourWithoutABitMatchesNoMask) {
    for (int type : {0, -1, -33, 32, 33, 64}) {
        led.Type = type;
        EXPECT_EQ(Match(-1), -9000) << type;
    }
    led.Type = 31;
    EXPECT_EQ(Match(1 << 30), 1);
    led.Type = 8;
    for (int color : {0, -2, 32, 40}) {
        led.Color = color;
        EXPECT_EQ(Match(-1, -1), -9001) << color;
    }
}

TEST_F(MatchSearchTest, ColourBitOfTheMaskDecides) {
    EXPECT_EQ(Match(128, 8), 1);
    EXPECT_EQ(Match(128, 63 - 8), -9001);
    EXPECT_EQ(Match(0, 0), -9000);  // type is tested first
}

TEST_F(MatchSearchTest, ControlMethodChecksItsOwnBit) {
    EXPECT_EQ(Match(128, 63, 2), -1003);
    EXPECT_EQ(Match(128, 63, 1), 1);
    led.ControlMethod = L"CV";
    EXPECT_EQ(Match(128, 63, 1), -9002);
    EXPECT_EQ(Match(128, 63, 2), 1);
    led.ControlMethod = L"";
    EXPECT_EQ(Match(128, 63, 0), 1);
    led.ControlMethod = L"cc";  // only the exact texts are control methods
    EXPECT_EQ(Match(128, 63, 0), 1);
}

TEST_F(MatchSearchTest, CurrentAndPowerLimitsOnlyWhenAboveZero) {
    EXPECT_EQ(Match(128, 63, 3, 0.0, 0.0), 1);
    EXPECT_EQ(Match(128, 63, 3, -1.0, -1.0), 1);
    EXPECT_EQ(Match(128, 63, 3, 0.5, 12.0), 1);  // equal to the limits passes
    EXPECT_EQ(Match(128, 63, 3, 0.49, 12.0), -9003);
    EXPECT_EQ(Match(128, 63, 3, 0.5, 11.9), -9004);
}

TEST_F(MatchSearchTest, GeometryOfTheLightDecidesLast) {
    // A field of 110 mm across is wider than the 100 mm surface.
    EXPECT_EQ(led.MatchSearch(110, 30, 114, 100, 20, 128, -1, -1, -1, -1, 63, 3, -1, -1, range),
              -1010);
    CLedData base;  // a record without a model never fits
    base.Type = 1;
    base.Color = 1;
    EXPECT_EQ(base.MatchSearch(40, 30, 50, 100, 20, 1, -1, -1, -1, -1, 1, 3, -1, -1, range), 0);
}
