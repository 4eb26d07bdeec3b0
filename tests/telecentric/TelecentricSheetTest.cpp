// The data sheet of a telecentric lens without a window.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"
#include "telecentric/TelecentricSheet.h"

using namespace tkl_sheet;

namespace {

std::map<int, std::wstring> Cells(const CTKLData& lens, const CTKLExtraData* extra) {
    std::map<int, std::wstring> cells;
    for (const tagSheetCell& c : SheetCells(lens, extra)) EXPECT_TRUE(cells.emplace(c.id, c.text).second) << c.id;
    return cells;
}

// The values of the sample lens TKL05-65 (L 168, HoldC 70, Mount 6: hold length 92).
tagTKLColumns Tkl0565() {
    tagTKLColumns c;
    c.Kind = L"TKL", c.Feff = 10.0, c.NA = 0.025, c.WD = 65.0, c.OD = 42.0, c.OI = 250.53, c.L = 168.0;
    c.RS = 13.4, c.DOF = 1.6, c.LB = 17.53, c.CCDLimit = 16.0;
    c.HoldA = 30.0, c.HoldB = 42.0, c.HoldC = 70.0, c.HoldD = 30.04, c.Mount = 6.0;
    return c;
}

std::unique_ptr<CTKLExtraData> Extra(const std::wstring& type, const std::wstring& rearcon, double distortion) {
    auto e = std::make_unique<CTKLExtraData>();
    e->LENS_Type = type, e->REARCON_Type = rearcon, e->Distortion = distortion;
    return e;
}

}  // namespace

TEST(TelecentricSheet, EveryCellOfALensWithItsExtraRecord) {
    const CTKLData lens(L"TKL05-65", Tkl0565());
    const auto extra = Extra(L"TKL05-65", L"--", 0.03);
    const std::map<int, std::wstring> expected = {
        {kIllumination, L"Non-Coax."}, {kMagnification, L"0.5"},       {kOI, L"250.5"},
        {kWDOD, L"65.0 / 42.0"},       {kResolution, L"13.4"},         {kDOF, L"1.60"},
        {kNA, L"0.025"},               {kFeff, L"10.0"},               {kDistortion, L"0.030"},
        {kImageFormat, L"16"},         {kBarrelLength, L"168.0"},      {kFigureOD, L"42.0"},
        {kFigureLensBack, L"17.5"},    {kFigureWD, L"65.0"},           {kFigureBarrelLength, L"168.0"},
        {kFigureOI, L"250.5"},         {kHoldA, L"30.0"},              {kHoldB, L"42.0"},
        {kHoldC, L"70.0"},             {kHoldD, L"30.0"},              {kHoldLength, L"92.0"}};
    EXPECT_EQ(Cells(lens, extra.get()), expected);
}

TEST(TelecentricSheet, MissingValuesShowADash) {
    struct Case {
        const char* name;
        std::wstring type;
        void (*change)(tagTKLColumns&);
        int id;
        std::wstring text;
    };
    const Case cases[] = {
        {"hold A below 1e-6", L"TKL05-65", [](tagTKLColumns& c) { c.HoldA = 0.0000001; }, kHoldA, L"-"},
        {"hold D at -1e-7", L"TKL05-65", [](tagTKLColumns& c) { c.HoldD = -1e-7; }, kHoldD, L"-"},
        {"hold B at 1e-6", L"TKL05-65", [](tagTKLColumns& c) { c.HoldB = 1e-6; }, kHoldB, L"0.0"},
        {"no hold length (GUX)", L"GUX-05", [](tagTKLColumns& c) { c.Kind = L"GUX"; }, kHoldLength, L"-"},
        {"no known series", L"LSC-1X-16K", [](tagTKLColumns&) {}, kMagnification, L"-"},
        {"capital D", L"QEV-2X-D", [](tagTKLColumns&) {}, kIllumination, L"Coaxial"},
        {"no name", L"", [](tagTKLColumns&) {}, kIllumination, L"--"},
    };
    for (const Case& c : cases) {
        tagTKLColumns columns = Tkl0565();
        c.change(columns);
        const CTKLData lens(c.type, columns);
        EXPECT_EQ(Cells(lens, nullptr)[c.id], c.text) << c.name;
    }
}

TEST(TelecentricSheet, DistortionComesFromTheExtraRecordOfTheLensAlone) {
    std::vector<std::unique_ptr<CTKLExtraData>> owned;
    owned.push_back(Extra(L"TKL05-65", L"RC-2X", 0.06));
    owned.push_back(Extra(L"TKL05-65D", L"--", 0.04));
    owned.push_back(Extra(L"TKL05-65", L"--", 0.03));
    owned.push_back(Extra(L"TKL05-65", L"--", 0.09));
    std::vector<CTKLExtraData*> extras;
    for (const auto& e : owned) extras.push_back(e.get());
    EXPECT_EQ(FindExtra(extras, L"TKL05-65"), owned[2].get());
    EXPECT_EQ(FindExtra(extras, L"TKL1-110D"), nullptr);

    // A lens with no such record shows no distortion and all else as usual.
    const CTKLData lens(L"TKL1-110D", Tkl0565());
    std::map<int, std::wstring> cells = Cells(lens, FindExtra(extras, lens.Type));
    EXPECT_EQ(cells[kDistortion], L"-");
    EXPECT_EQ(cells[kWDOD], L"65.0 / 42.0");
}
