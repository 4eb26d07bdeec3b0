// The illumination data-sheet page (tab 7) with the sample catalogue: the
// sheet of every kind of light, the calculation and its messages, the
// figure and the layout (the arrival from the search page: LedSearchPageTest).
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include <wx/statbmp.h>

#include "DetailPageSupport.h"
#include "illumination/LedSearch.h"
#include "illumination/LedTypes.h"

using namespace uitest;

namespace {

using Page = CLedSpecViewDlg;
using Texts = std::array<std::wstring, 4>;

// Lens values as the search page hands them over; -1.0 is "none".
struct Lens {
    double wd, eff, fovH, fovV;
};
constexpr Lens kNoLens = {-1.0, -1.0, -1.0, -1.0};

// A ring light of made-up quadratic area(x) = b x^2 + c x + d on [5, 100].
std::unique_ptr<CLedData_DirectRing> MakeRing(int type, double b, double c, double d) {
    auto ring = std::make_unique<CLedData_DirectRing>();
    ring->Type = type, ring->MinWD = 5.0, ring->MaxWD = 100.0;
    ring->WD_H_b = b, ring->WD_H_c = c, ring->WD_H_d = d;
    return ring;
}

class LedSheetPage : public ::testing::Test {
protected:
    CLedData* Light(const std::wstring& name) { return led_search::FindLight(m_dlg.m_dlgLEDSelect.m_arrLedData, name); }
    void Show(CLedData* light, const Lens& lens = kNoLens) {
        m_page.ShowLight(light, lens.wd, lens.eff, lens.fovH, lens.fovV);
    }
    // Chooses the item, types the value and presses "Calculation".
    void Calculate(int item, const std::wstring& value) {
        m_page.ComboSetCurSel(Page::kItemCombo, item);
        m_page.SetItemText(Page::kValue, value);
        ClickButton(m_page, Page::kCalculation);
    }
    // Rows 12190..12193, or the lens edits 12213..12216, as shown.
    Texts Shown(int first) const {
        Texts t;
        for (int i = 0; i < 4; ++i) t[i] = m_page.GetItemText(first + i);
        return t;
    }
    Texts Results() const { return Shown(Page::kValueFirst + 10); }
    // -1: no figure at all.
    bool ShowsFigure(int type, int withLens) const {
        const wxBitmap shown = m_page.GetControlAs<wxStaticBitmap>(Page::kFigure)->GetBitmap();
        return type < 0 ? !shown.IsOk() : shown.IsOk() && shown.IsSameAs(m_page.m_bmpFigure[type][withLens]);
    }

    quorrel::CMessageRecorder m_messages;
    CMainWindow m_window{SampleCatalogueFolder()};
    CQuorrelDlg& m_dlg = m_window.Dlg();
    Page& m_page = m_dlg.m_dlgLedSpec;
};

}  // namespace

TEST_F(LedSheetPage, EveryKindOfLightShowsItsOwnRows) {
    // Column 2: first and fourth label, the five values.
    const struct {
        const wchar_t *name, *first, *fourth, *values;
        int type;
    } cases[] = {
        {L"QR-D50", L"Internal Diameter [mm]", L"Lighting angle [\u00B0]", L"30.0|62.0|18.0|30.0|", 1},
        {L"QR-L60", L"Internal Diameter [mm]", L"Lighting angle [\u00B0]", L"42.0|72.0|15.0|70.0|", 2},
        {L"QR-S70", L"Internal Diameter [mm]", L"", L"25.0|70.0|30.0||", 3},
        {L"QC-30", L"Outline Long side [mm]", L"Window size [mm]", L"60.0|50.0|55.0|\u03C630.0|8.0", 5},
        {L"QK-5050", L"Length [mm]", L"Lighting Surface [mm]", L"70.0|70.0|12.0|50 x 50|", 8},
        {L"QB-100", L"Length [mm]", L"Lighting Surface [mm]", L"110.0|26.0|20.0|100 x 16|", 6},
        {L"QD-70", L"Dome Internal Diameter [mm]", L"Window size [mm]", L"70.0|80.0|45.0|\u03C620|", 7},
        {L"QR-A70", L"Internal Diameter [mm]", L"Lighting angle [\u00B0]", L"40.0|80.0|25.0|45.0|", 11},
        {L"QR-F60", L"Internal Diameter [mm]", L"", L"30.0|64.0|22.0||", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(wxString(c.name).utf8_string());
        Show(Light(c.name));
        std::wstring values;
        for (int row = 5; row < 10; ++row) values += (row > 5 ? L"|" : L"") + m_page.GetItemText(Page::kValueFirst + row);
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(m_page.GetItemText(12155), c.first);
        EXPECT_EQ(m_page.GetItemText(12158), c.fourth);
        EXPECT_EQ(m_page.GetItemText(Page::kModelName), c.name);
        EXPECT_TRUE(ShowsFigure(c.type, 0));
        // A back light lights its fixed surface: no WD, nothing to calculate.
        EXPECT_EQ(Results(), (c.type == 8 ? Texts{L"--", L"50.00", L"50.00", L"70.71"} : Texts{}));
        EXPECT_EQ(m_page.IsItemEnabled(Page::kCalculation), c.type != 8);
    }

    // Column 1 and the controller of one light.
    Show(Light(L"QR-D80R"));
    std::wstring common;
    for (int row : {0, 1, 2, 3, 4, 14})
        common += m_page.GetItemText(Page::kLabelFirst + row) + L"=" + m_page.GetItemText(Page::kValueFirst + row) + L";";
    EXPECT_EQ(common, L"Illumination Type=Ring light;Emitted Color=Red;Maximum Rated Current [A]=0.20;"
                      L"Power Consumption [W]=4.8;Weight [g]=110;LED Controller=QP-CV24-2;");
}

TEST_F(LedSheetPage, CalculatesTheAreasForAWorkingDistanceAndTheWorkingDistanceForEachArea) {
    // QB-100 is a bar light: each axis has its own quadratic b WD^2 + c WD + d.
    // At WD 100, by hand:
    //   H: 0.0005 * 100^2 + 0.4 * 100 + 100 = 5 + 40 + 100 = 145
    //   V: 0.0005 * 100^2 + 0.4 * 100 + 16  = 5 + 40 + 16  = 61
    //   D: 0.00085 * 100^2 + 0.48 * 100 + 101 = 8.5 + 48 + 101 = 157.5
    // and each of these areas is lit at WD 100 again.
    const Texts bar = {L"100.0", L"145.0", L"61.0", L"157.5"};
    // QR-D50 is a ring: one round field, 0.0008 * 50^2 + 0.9 * 50 + 40 = 87 at
    // WD 50. A lens 200 mm away whose 20 x 15 mm field passes the ring's 30 mm
    // hole changes nothing.
    const Texts ring = {L"50.0", L"87.0", L"87.0", L"87.0"};
    const Lens lens = {200.0, 20.0, 20.0, 15.0};
    const struct {
        const wchar_t* light;
        Lens lens;
        int item;
        const wchar_t* value;
        Texts shown;
    } cases[] = {
        {L"QB-100", kNoLens, 0, L"100", bar}, {L"QB-100", kNoLens, 1, L"145", bar},
        {L"QB-100", kNoLens, 2, L"61", bar},  {L"QB-100", kNoLens, 3, L"157.5", bar},
        {L"QR-D50", kNoLens, 0, L"50", ring}, {L"QR-D50", lens, 0, L"50", ring},
        {L"QR-D50", lens, 1, L"87", ring},
    };
    for (const auto& c : cases) {
        Show(Light(c.light), c.lens);
        Calculate(c.item, c.value);
        EXPECT_EQ(Results(), c.shown) << wxString(c.light).utf8_string() << " item " << c.item;
    }
    EXPECT_EQ(m_messages.Count(), 0u);

    // area(x) = 0.01 x^2 - x + 60 is 51 where 0.01 x^2 - x + 9 = 0:
    // x = (1 +- sqrt(1 - 0.36)) / 0.02 = (1 +- 0.8) / 0.02 = 90 or 10.
    const auto twice = MakeRing(1, 0.01, -1.0, 60.0);
    Show(twice.get());
    Calculate(1, L"51");
    EXPECT_EQ(Results(), (Texts{L"90.00 / 10.00", L"51.0", L"51.0", L"51.0"}));
}

TEST_F(LedSheetPage, EachCalculationCodeShowsItsPlainMessageAndEmptiesTheResults) {
    // QR-D50: WD 10 to 150, 18 mm high, a 30 mm hole. A lens 100 mm away
    // seeing 60 x 80 mm through a 20 mm front: its cone is wider than the
    // hole below WD 87.5. A lens 60 mm away leaves room up to WD 42 only.
    const Lens wide = {100.0, 20.0, 60.0, 80.0};
    const Lens near = {60.0, 20.0, 20.0, 15.0};
    const auto peak35 = MakeRing(1, -0.01, 1.0, 10.0);  // never lights more than 35 mm
    const struct {
        CLedData* light;
        Lens lens;
        int item;
        const wchar_t *value, *message;
    } cases[] = {
        {Light(L"QR-D50"), kNoLens, 0, L"5", L"Set the bigger number of illumination WD."},
        {Light(L"QR-D50"), near, 0, L"50", L"Set the smaller number of illumination WD."},
        {Light(L"QR-D50"), wide, 0, L"50", L"Vignetting occurs when used with the entered WD."},
        {peak35.get(), kNoLens, 1, L"40", L"No WD to meet the specified lighting area."},
        {Light(L"QR-D50"), kNoLens, 1, L"1000", L"No WD to meet the specified lighting area."},
        {Light(L"QR-D50"), wide, 1, L"80", L"Vignetting occurs when used with the entered lighting area."},
    };
    for (const auto& c : cases) {
        Show(c.light, c.lens);
        for (int i = 0; i < 4; ++i) m_page.SetItemText(Page::kValueFirst + 10 + i, L"old");
        m_messages.Clear();
        Calculate(c.item, c.value);
        ASSERT_EQ(m_messages.Texts(), std::vector<std::wstring>{c.message});
        EXPECT_EQ(m_messages.Entries()[0].icon, quorrel::MessageIcon::None);
        EXPECT_EQ(Results(), Texts{}) << wxString(c.message).utf8_string();
    }
}

TEST_F(LedSheetPage, MissingItemOrLensValueStopsBeforeCalculating) {
    Show(Light(L"QR-D50"));
    Calculate(-1, L"50");
    // The search had no vertical field of view: its edit stays empty, not
    // "1.00", and the calculation asks for it.
    Show(Light(L"QR-D50"), {150.0, 25.0, 40.0, -1.0});
    EXPECT_EQ(Shown(Page::kLensWD), (Texts{L"150.00", L"25.00", L"40.00", L""}));
    Calculate(0, L"50");
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::wstring>{L"Lighting specification is not entered.",
                                                             L"Lens specification is not entered."}));
    EXPECT_EQ(m_messages.Entries()[1].icon, quorrel::MessageIcon::None);
    EXPECT_EQ(Results(), Texts{});
}

TEST_F(LedSheetPage, FigureAndLensEditsFollowTheLensSpecBox) {
    Show(Light(L"QD-70"));
    ClickBox(m_page, Page::kLensSpec);
    EXPECT_TRUE(ShowsFigure(7, 1));
    EXPECT_FALSE(m_page.IsItemReadOnly(Page::kFovV));
    m_page.SetItemText(Page::kFovH, L"12");
    ClickBox(m_page, Page::kLensSpec);
    EXPECT_TRUE(ShowsFigure(7, 0));
    EXPECT_TRUE(m_page.IsItemReadOnly(Page::kFovV));
    EXPECT_EQ(m_page.GetItemText(Page::kFovH), L"12");

    // A type number without a figure shows none, with or without the lens.
    const auto odd = MakeRing(13, 0.001, 1.0, 10.0);
    Show(odd.get());
    EXPECT_TRUE(ShowsFigure(-1, 0));
    ClickBox(m_page, Page::kLensSpec);
    EXPECT_TRUE(ShowsFigure(-1, 1));
}

TEST_F(LedSheetPage, WhiteLabelsOnThePageColourAndNothingClippedOrOverlapping) {
    Show(Light(L"QC-30"));
    EXPECT_EQ(m_page.GetBackgroundColour(), wxColour(127, 157, 185));
    for (int i = 0; i < Page::kSheetRows; ++i)
        EXPECT_EQ(m_page.GetControl(Page::kLabelFirst + i)->GetForegroundColour(), *wxWHITE) << i;

    // Under a title bar every control stays in view, whole (the large title
    // with the tail of its Q), and no two controls share a pixel.
    m_window.UnderTitleBar();
    for (const wchar_t* light : {L"QC-30", L"QR-D160"}) {
        SCOPED_TRACE(wxString(light).utf8_string());
        Show(Light(light));
        ExpectControlsInView(m_page, true);
    }
}
