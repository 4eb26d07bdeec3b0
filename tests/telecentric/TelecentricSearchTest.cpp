// The telecentric search without a window: the checks and the wanted
// magnification, the result cells, and the sensor-label order.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "platform/Text.h"
#include "telecentric/CTKLData.h"
#include "telecentric/TelecentricSearch.h"

using namespace tkl_search;

namespace {

CCCTVCCDData Format(double h, double v, double d, int mask) {
    CCCTVCCDData f;
    f.m_dHorizontal = h;
    f.m_dVertical = v;
    f.m_dRadial = d;
    f.m_nSpecialFlag = mask;
    return f;
}

std::unique_ptr<CTKLData> Lens(const std::wstring& type, double pmag, const std::wstring& sensorType = L"5M",
                               int flags = 1, double ccdLimit = 16.0, double wd = 65.0) {
    tagTKLColumns c;
    c.Kind = L"TKL";
    c.SensorType = sensorType;
    c.Pmag = pmag;
    c.WD = wd;
    c.CCDLimit = ccdLimit;
    c.SpecialFlag = flags;
    return std::make_unique<CTKLData>(type, c);
}

}  // namespace

TEST(TelecentricPlan, RefusalsComeInThePagesOrder) {
    const CCCTVCCDData twoThirds = Format(8.8, 6.6, 11.0, 1);
    // A line-scan format without width and height.
    const CCCTVCCDData line = Format(0.0, 0.0, 14.34, 2);
    struct Case {
        const char* name;
        tagTklSearchInput in;
        int message;
    };
    const Case cases[] = {
        {"no format", {false, 0, 0, 0, nullptr, kMagnification, 0.5}, kMsgSelectSensor},
        {"nothing typed", {true, 0, 0, 0, &twoThirds, kMagnification, 0.5}, kMsgSelectSensor},
        {"no box", {false, 0, 0, 0, &twoThirds, kNoQuantity, 0.5}, kMsgMarkCheckBox},
        {"zero value", {false, 0, 0, 0, &twoThirds, kVerticalFov, 0.0}, kMsgValueNotZero},
        {"value within 1e-9", {false, 0, 0, 0, &twoThirds, kHorizontalFov, 1e-9}, kMsgValueNotZero},
        {"no box beats a zero value", {false, 0, 0, 0, &line, kNoQuantity, 0.0}, kMsgMarkCheckBox},
        // No width or height: no magnification, and no division on the way.
        {"zero sizes, vertical", {false, 0, 0, 0, &line, kVerticalFov, 10.0}, kMsgNotApplicable},
        {"zero sizes, horizontal", {false, 0, 0, 0, &line, kHorizontalFov, 10.0}, kMsgNotApplicable},
        {"zero sizes, magnification", {false, 0, 0, 0, &line, kMagnification, 1.0}, kMsgNotApplicable},
        {"accepted", {false, 0, 0, 0, &twoThirds, kMagnification, 0.5}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PlanSearch(c.in).nMessage, c.message) << c.name;
}

TEST(TelecentricPlan, EachQuantityGivesTheOtherTwoAndTheUnroundedMagnification) {
    const CCCTVCCDData twoThirds = Format(8.8, 6.6, 11.0, 1);
    struct Case {
        int quantity;
        double value;
        std::array<double, 3> expected;  // FOV V, FOV H, m
    };
    // 6.6 / 7 = 0.942857...: the search runs with it, not with "0.94".
    const Case cases[] = {{kVerticalFov, 13.2, {13.2, 17.6, 0.5}},
                          {kHorizontalFov, 17.6, {13.2, 17.6, 0.5}},
                          {kMagnification, 0.5, {13.2, 17.6, 0.5}},
                          {kVerticalFov, 7.0, {7.0, 7.0 * 8.8 / 6.6, 6.6 / 7.0}}};
    for (const Case& c : cases) {
        const tagTklSearchPlan plan = PlanSearch({false, 0, 0, 0, &twoThirds, c.quantity, c.value});
        ASSERT_EQ(plan.nMessage, 0);
        EXPECT_EQ(plan.nQuantity, c.quantity);
        for (int q = 0; q < kQuantityCount; ++q)
            EXPECT_NEAR(plan.dQuantities[q], c.expected[q], 1e-12) << "quantity " << c.quantity << ", " << q;
        EXPECT_EQ(plan.nSensorEdits, kSensorAsTyped);
        EXPECT_EQ(plan.nSensorMask, 1);
        EXPECT_DOUBLE_EQ(plan.dD, 11.0);
    }
}

TEST(TelecentricPlan, TypedSensorTakesWidthAndHeightOrSplitsTheDiagonal) {
    // A catalogue format chosen before does not count while "Manual input" is on.
    const CCCTVCCDData lineFormat = Format(0.0, 0.0, 14.34, 2);
    // V 3 and H 4: D = 5, whatever the diagonal edit said.
    tagTklSearchPlan plan = PlanSearch({true, 4.0, 3.0, 99.0, &lineFormat, kNoQuantity, 0.0});
    EXPECT_EQ(plan.nMessage, kMsgMarkCheckBox);
    EXPECT_EQ(plan.nSensorEdits, kWriteDiagonal) << "written before the box is checked";
    EXPECT_DOUBLE_EQ(plan.dD, 5.0);
    EXPECT_EQ(plan.nSensorMask, kManualSensorMask);
    // D 10 alone (or with one side): H 8 and V 6.
    for (const auto& [h, v] : {std::pair{0.0, 0.0}, std::pair{5.0, 0.0}, std::pair{0.0, 5.0}}) {
        plan = PlanSearch({true, h, v, 10.0, nullptr, kVerticalFov, 12.0});
        EXPECT_EQ(plan.nMessage, 0);
        EXPECT_EQ(plan.nSensorEdits, kWriteSides);
        EXPECT_DOUBLE_EQ(plan.dH, 8.0);
        EXPECT_DOUBLE_EQ(plan.dV, 6.0);
        EXPECT_DOUBLE_EQ(plan.dD, 10.0);
        EXPECT_DOUBLE_EQ(plan.Magnification(), 0.5);
    }
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
        {L"NIR", 0}, {L"nir", 0},  {L"VGA", 1},  {L"2M", 2},  {L"5m", 3},           {L"12M", 4},
        {L"21M", 5}, {L"25M", 6},  {L"29M", 7},  {L"47M", 8}, {L"16K5\u03BCm", 9}, {L"16k5um", 10},
        {L"", 10},   {L"5M ", 10}, {L"APS-C", 10}};
    for (const auto& [label, rank] : cases) EXPECT_EQ(SensorRank(label), rank) << quorrel::ToUtf8(label);
}
