// The data sheet's texts, lens values, figures and calculation outcomes that
// the sample catalogue's lights do not show on the page (tests/ui holds
// those).
#include <gtest/gtest.h>

#include <memory>

#include "illumination/LedSheet.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"

using namespace led_sheet;

namespace {

const std::vector<CLedTypeData*> kNoTypes;
const std::vector<CLedColorData*> kNoColors;

}  // namespace

TEST(LedSheet, CurrentShowsDashesUnlessPositiveAndWeightDropsItsFraction) {
    struct Case {
        double current, power, weight;
        const wchar_t *currentText, *powerText, *weightText;
    };
    const Case cases[] = {
        {1.5, 12.34, 119.9, L"1.50", L"12.3", L"119"},
        {0.0, 3.0, 45.5, L"--", L"3.0", L"45"},
        {-1.0, 0.0, 0.4, L"--", L"0.0", L"0"},
    };
    for (const Case& c : cases) {
        CLedData light;
        light.MaxRatedCurrent = c.current;
        light.Power = c.power;
        light.Weight = c.weight;
        const tagSheet s = MakeSheet(light, kNoTypes, kNoColors, L"EN");
        EXPECT_EQ(s.values[2], c.currentText) << c.current;
        EXPECT_EQ(s.values[3], c.powerText) << c.power;
        EXPECT_EQ(s.values[4], c.weightText) << c.weight;
    }
}

TEST(LedSheet, TypeAndColourNamesFollowTheInterfaceLanguage) {
    CLedTypeData ring{1, L"リング照明", L"Ring light", L"环形光源"};
    CLedTypeData bar{6, L"バー照明", L"Bar light", L"条形光源"};
    CLedColorData red{1, L"赤色", L"Red", L"红色"};
    const std::vector<CLedTypeData*> types = {&bar, &ring};
    const std::vector<CLedColorData*> colors = {&red};
    CLedData light;
    light.Type = 1;
    light.Color = 1;
    const struct {
        const wchar_t *language, *type, *color;
    } cases[] = {{L"JP", L"リング照明", L"赤色"},
                 {L"CN", L"环形光源", L"红色"},
                 {L"EN", L"Ring light", L"Red"},
                 {L"FR", L"Ring light", L"Red"}};
    for (const auto& c : cases) {
        const tagSheet s = MakeSheet(light, types, colors, c.language);
        EXPECT_EQ(s.values[0], c.type) << c.language;
        EXPECT_EQ(s.values[1], c.color) << c.language;
    }
    // A number the vocabulary does not hold names nothing.
    light.Type = 5;
    light.Color = 7;
    const tagSheet s = MakeSheet(light, types, colors, L"EN");
    EXPECT_EQ(s.values[0], L"");
    EXPECT_EQ(s.values[1], L"");
}

TEST(LedSheet, WindowsOfARectangularCoaxialAndARectangularDome) {
    CLedData_SimCoaxial coaxial;
    coaxial.Type = 5;
    coaxial.WindowForm = 1;
    coaxial.LongSide = 50.0;
    coaxial.ShortSide = 40.25;
    CLedData_SimpleDome dome;
    dome.Type = 7;
    dome.WindowSizeL = 40.9;
    dome.WindowSizeS = 30.2;
    EXPECT_EQ(MakeSheet(coaxial, kNoTypes, kNoColors, L"EN").values[8], L"50.0 x 40.2");
    EXPECT_EQ(MakeSheet(dome, kNoTypes, kNoColors, L"EN").values[8], L"40 x 30");
}

TEST(LedSheet, ARecordWhoseClassDoesNotMatchItsTypeShowsOnlyTheCommonRows) {
    CLedData_Bar bar;
    bar.Type = 7;  // a dome number on a bar record
    bar.Length = 100.0;
    const tagSheet s = MakeSheet(bar, kNoTypes, kNoColors, L"EN");
    for (int row = 5; row < 10; ++row) {
        EXPECT_EQ(s.labels[row], L"") << row;
        EXPECT_EQ(s.values[row], L"") << row;
    }
    EXPECT_TRUE(s.bCalculation);
}

// "None" (-1.0) must not reach a digits-only edit as "-1.00", which it
// would keep as "1.00".
TEST(LedSheet, LensValuesTickLensSpecAndLeaveMissingOnesEmpty) {
    const struct {
        double wd, eff, fovH, fovV;
        bool ticked;
        std::array<std::wstring, 4> texts;
    } cases[] = {
        {150.0, 25.0, 40.0, 30.0, true, {L"150.00", L"25.00", L"40.00", L"30.00"}},
        {0.0, -1.0, 12.345, -1.0, true, {L"0.00", L"", L"12.35", L""}},
        {-1.0, -1.0, 40.0, 30.0, false, {L"", L"", L"", L""}},
    };
    for (const auto& c : cases) {
        const tagLensFields f = MakeLensFields(c.wd, c.eff, c.fovH, c.fovV);
        EXPECT_EQ(f.bLensSpec, c.ticked) << c.wd << " " << c.eff;
        EXPECT_EQ(f.texts, c.texts) << c.wd << " " << c.eff;
    }
}

TEST(LedSheet, FigureTableWithTheDiffuseRingSharingTheShadowlessPairAndNoneForOtherTypes) {
    const struct {
        int type, without, with;
    } cases[] = {{1, 315, 316}, {2, 321, 322}, {3, 319, 320}, {5, 325, 326}, {6, 313, 314},
                 {7, 317, 318}, {8, 311, 312}, {11, 323, 324}, {12, 319, 320},
                 {0, 0, 0},     {4, 0, 0},     {9, 0, 0},     {10, 0, 0},    {13, 0, 0},
                 {-1, 0, 0},    {1000, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(FigurePng(c.type, false), c.without) << c.type;
        EXPECT_EQ(FigurePng(c.type, true), c.with) << c.type;
    }
}

TEST(LedSheet, OnlyTheSecondWorkingDistanceShowsWithOneDecimal) {
    // A falling quadratic: area(x) = -0.01 x^2 + x + 10. Area 30 where
    // -0.01 x^2 + x - 20 = 0, x = (-1 +- sqrt(1 - 0.8)) / -0.02 = 50 -+ 22.36:
    // 27.64 lies below MinWD 40, so only the second root 72.36 is kept.
    CLedData_DirectRing ring;
    ring.Type = 1;
    ring.MinWD = 40.0;
    ring.MaxWD = 100.0;
    ring.WD_H_b = -0.01;
    ring.WD_H_c = 1.0;
    ring.WD_H_d = 10.0;
    tagCalcRequest request;
    request.nItem = 1;
    request.dValue = 30.0;
    const tagCalcOutcome out = Calculate(ring, request);
    EXPECT_EQ(out.nMessage, 0);
    EXPECT_TRUE(out.bWrite);
    const std::array<std::wstring, 4> expected = {L"72.4", L"30.0", L"30.0", L"30.0"};
    EXPECT_EQ(out.results, expected);
}

TEST(LedSheet, ALightWithoutAModelEmptiesTheResultsWithoutAMessage) {
    CLedData light;
    light.Type = 9;
    tagCalcRequest request;
    request.nItem = 0;
    request.dValue = 50.0;
    const tagCalcOutcome out = Calculate(light, request);
    EXPECT_EQ(out.nMessage, 0);
    EXPECT_TRUE(out.bWrite);
    EXPECT_EQ(out.results, (std::array<std::wstring, 4>{}));
}
