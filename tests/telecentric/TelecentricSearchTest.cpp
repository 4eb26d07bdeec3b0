// The telecentric search without a window: the checks and the wanted
// magnification, the result cells, and the sensor-label order.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "telecentric/CTKLData.h"
#include "telecentric/TelecentricSearch.h"

using namespace tkl_search;

namespace {

CCCTVCCDData Format(double h, double v, double d, int mask) {
    CCCTVCCDData f;
    f.m_dHorizontal = h, f.m_dVertical = v, f.m_dRadial = d, f.m_nSpecialFlag = mask;
    return f;
}

std::unique_ptr<CTKLData> Lens(const std::wstring& type, double pmag, const std::wstring& sensorType = L"5M",
                               int flags = 1, double ccdLimit = 16.0, double wd = 65.0) {
    tagTKLColumns c;
    c.Kind = L"TKL", c.SensorType = sensorType, c.Pmag = pmag, c.WD = wd, c.CCDLimit = ccdLimit, c.SpecialFlag = flags;
    return std::make_unique<CTKLData>(type, c);
}

}  // namespace

TEST(TelecentricPlan, SensorWithoutWidthOrHeightGivesNoMagnificationOnAnyRoad) {
    // A line-scan format: no division by its zero sizes, 20001 instead.
    const CCCTVCCDData line = Format(0.0, 0.0, 14.34, 2);
    for (int quantity : {kVerticalFov, kHorizontalFov, kMagnification}) {
        const tagTklSearchPlan plan = PlanSearch({false, 0, 0, 0, &line, quantity, 10.0});
        EXPECT_EQ(plan.nMessage, kMsgNotApplicable) << quantity;
        EXPECT_EQ(plan.Magnification(), 0.0) << quantity;
    }
    // The checks before it come first.
    EXPECT_EQ(PlanSearch({false, 0, 0, 0, &line, kNoQuantity, 10.0}).nMessage, kMsgMarkCheckBox);
    EXPECT_EQ(PlanSearch({false, 0, 0, 0, &line, kVerticalFov, 1e-9}).nMessage, kMsgValueNotZero);
}

TEST(TelecentricPlan, TypedDiagonalAloneIsSplitAsFourFifthsAndThreeFifths) {
    // H = (4 D) / 5 and V = (3 D) / 5: for D = 82 exactly the doubles of 65.6
    // and 49.2, so a horizontal field of 0.1 gives the vertical 0.075(...02),
    // shown "0.08".
    struct Case {
        double d;
        int quantity;
        double value;
        double h, v;
        const wchar_t* otherFov;  // the field of view the page writes
    };
    const Case cases[] = {{10.0, kVerticalFov, 12.0, 8.0, 6.0, L"16.00"},
                          {82.0, kHorizontalFov, 0.1, 65.6, 49.2, L"0.08"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d);
        const tagTklSearchPlan plan = PlanSearch({true, 0, 0, c.d, nullptr, c.quantity, c.value});
        ASSERT_EQ(plan.nMessage, 0);
        EXPECT_EQ(plan.nSensorEdits, kWriteSides);
        EXPECT_EQ(plan.dH, c.h);
        EXPECT_EQ(plan.dV, c.v);
        EXPECT_EQ(plan.dD, c.d);
        const int other = c.quantity == kVerticalFov ? kHorizontalFov : kVerticalFov;
        EXPECT_EQ(quorrel::FormatFixed(plan.dQuantities[other], 2), c.otherFov);
    }
    // A diagonal too large for 4 D still splits into finite sides.
    const tagTklSearchPlan huge = PlanSearch({true, 0, 0, 1e308, nullptr, kVerticalFov, 1.0});
    EXPECT_DOUBLE_EQ(huge.dH, 8e307);
    EXPECT_DOUBLE_EQ(huge.dV, 6e307);
}

TEST(TelecentricPlan, SearchRunsWithTheUnroundedMagnification) {
    // 6.6 / 7 = 0.942857...: the search runs with it, the page shows "0.94".
    const CCCTVCCDData twoThirds = Format(8.8, 6.6, 11.0, 1);
    const tagTklSearchPlan plan = PlanSearch({false, 0, 0, 0, &twoThirds, kVerticalFov, 7.0});
    ASSERT_EQ(plan.nMessage, 0);
    EXPECT_DOUBLE_EQ(plan.Magnification(), 6.6 / 7.0);
    EXPECT_DOUBLE_EQ(plan.dQuantities[kHorizontalFov], 7.0 * 8.8 / 6.6);
}

TEST(TelecentricRows, CellsOfAKeptLens) {
    std::vector<std::unique_ptr<CTKLData>> owned;
    owned.push_back(Lens(L"TKL05-65D", -0.4996, L"5M", 1, 16.0, 65.0));
    owned.push_back(Lens(L"XYZ-7", 0.5, L"2M", 1, 16.0, 110.0));   // no series: empty magnification
    owned.push_back(Lens(L"TKL05-LINE", 0.5, L"16k5\u03BCm", 2));   // another sensor class
    std::vector<CTKLData*> lenses;
    for (const auto& l : owned) lenses.push_back(l.get());

    std::vector<tagTklSearchRow> rows;
    ASSERT_EQ(SearchTelecentric(lenses, 0.5, 11.0, 6.6, 8.8, 1, rows), 2);
    using Cells = std::array<std::wstring, kColumnCount>;
    // H / |Pmag| = 8.8 / 0.4996 = 17.614..., V / |Pmag| = 13.210...
    EXPECT_EQ(rows[0].cells, (Cells{L"TKL05-65D", L"5M", L"Coaxial", L"17.6", L"13.2", L"0.5", L"65.0"}));
    EXPECT_EQ(rows[1].cells, (Cells{L"XYZ-7", L"2M", L"Non-Coax.", L"17.6", L"13.2", L"", L"110.0"}));

    // A magnification within 1e-9 of zero searches nothing and keeps the rows.
    EXPECT_EQ(SearchTelecentric(lenses, 1e-10, 11.0, 6.6, 8.8, 3, rows), -1);
    EXPECT_EQ(rows.size(), 2u);
    // No lens: no rows.
    EXPECT_EQ(SearchTelecentric(lenses, 3.0, 11.0, 6.6, 8.8, 3, rows), 0);
    EXPECT_TRUE(rows.empty());
}

TEST(TelecentricOrder, SensorLabelsRankInTheirFixedOrderAndUnknownLabelsLast) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"nir", 0}, {L"5m", 3}, {L"47M", 8}, {L"16K5\u03BCm", 9}, {L"16k5um", 10}, {L"5M ", 10}, {L"", 10}};
    for (const auto& [label, rank] : cases) EXPECT_EQ(SensorRank(label), rank) << quorrel::ToUtf8(label);
}
