// The data sheet's texts, figures and calculation outcomes that the sample
// catalogue's lights do not show on the page (tests/ui holds those).
#include <gtest/gtest.h>

#include "illumination/LedSheet.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"

using namespace led_sheet;

TEST(LedSheet, CommonRowsInTheInterfaceLanguageWithDashesForNoCurrentAndWholeGrams) {
    CLedTypeData ring{1, L"リング照明", L"Ring light", L"环形光源"};
    CLedColorData red{1, L"赤色", L"Red", L"红色"};
    CLedData light;
    light.Type = light.Color = 1;
    const struct {
        const wchar_t* language;
        double current, weight;
        const wchar_t* shown;  // type|colour|current|weight
    } cases[] = {{L"JP", 1.5, 119.9, L"リング照明|赤色|1.50|119"},
                 {L"CN", 0.0, 45.5, L"环形光源|红色|--|45"},
                 {L"FR", -1.0, 0.4, L"Ring light|Red|--|0"}};
    for (const auto& c : cases) {
        light.MaxRatedCurrent = c.current;
        light.Weight = c.weight;
        const tagSheet s = MakeSheet(light, {&ring}, {&red}, c.language);
        EXPECT_EQ(s.values[0] + L"|" + s.values[1] + L"|" + s.values[2] + L"|" + s.values[4], c.shown);
    }
}

TEST(LedSheet, WindowsOfARectangularCoaxialAndARectangularDome) {
    CLedData_SimCoaxial coaxial;
    coaxial.Type = 5, coaxial.WindowForm = 1, coaxial.LongSide = 50.0, coaxial.ShortSide = 40.25;
    CLedData_SimpleDome dome;
    dome.Type = 7, dome.WindowSizeL = 40.9, dome.WindowSizeS = 30.2;
    EXPECT_EQ(MakeSheet(coaxial, {}, {}, L"EN").values[8], L"50.0 x 40.2");
    EXPECT_EQ(MakeSheet(dome, {}, {}, L"EN").values[8], L"40 x 30");
}

TEST(LedSheet, FigureTableWithTheDiffuseRingSharingTheShadowlessPairAndNoneForOtherTypes) {
    const struct {
        int type, without, with;
    } cases[] = {{1, 315, 316}, {2, 321, 322}, {3, 319, 320}, {5, 325, 326}, {6, 313, 314}, {7, 317, 318},
                 {8, 311, 312}, {11, 323, 324}, {12, 319, 320}, {0, 0, 0}, {4, 0, 0}, {13, 0, 0}, {-1, 0, 0}};
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
    ring.Type = 1, ring.MinWD = 40.0, ring.MaxWD = 100.0;
    ring.WD_H_b = -0.01, ring.WD_H_c = 1.0, ring.WD_H_d = 10.0;
    tagCalcRequest request;
    request.nItem = 1, request.dValue = 30.0;
    const tagCalcOutcome out = Calculate(ring, request);
    EXPECT_EQ(out.nMessage, 0);
    EXPECT_EQ(out.results, (std::array<std::wstring, 4>{L"72.4", L"30.0", L"30.0", L"30.0"}));
}
