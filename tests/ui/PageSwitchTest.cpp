// Tab switching, the report page count, the hand-overs between pages and
// File, New.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "UiHarness.h"
#include "illumination/LedTypes.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/wx/PageMessagesWx.h"
#include "telecentric/CTKLData.h"

using namespace uitest;

namespace {

// Fills a result list with `rows` rows.
void AddRows(CPage& page, int listId, int rows) {
    auto* list = page.GetControlAs<wxListCtrl>(listId);
    ASSERT_NE(list, nullptr);
    list->DeleteAllItems();
    if (list->HasFlag(wxLC_VIRTUAL)) {  // the page supplies the cells; only the count matters here
        list->SetItemCount(rows);
        return;
    }
    for (int i = 0; i < rows; ++i) list->SetItemData(list->InsertItem(i, wxString::Format("row %d", i)), i);
}

// The page on screen; null when none or more than one is shown.
CPage* VisiblePage(CQuorrelDlg& dlg) {
    CPage* shown = nullptr;
    for (CPage* page : std::initializer_list<CPage*>{&dlg.m_dlgCCTVSelect, &dlg.m_dlgDetailCalc,
                                                     &dlg.m_dlgTklSelect, &dlg.m_dlgTKLSpec,
                                                     &dlg.m_dlgLEDSelect, &dlg.m_dlgLedSpec})
        if (page->IsShown()) {
            if (shown) return nullptr;
            shown = page;
        }
    return shown;
}

using Texts = std::vector<std::string>;

// What `page` shows, control by control in creation order: the kind, the
// text, the tick, selection or picture, and whether it is enabled, shown and
// (edits) editable, with its colour.
Texts Face(const CPage& page) {
    Texts face;
    for (const wxWindow* w : page.GetChildren()) {
        wxString line = w->GetClassInfo()->GetClassName();
        line << " \"" << w->GetLabel() << "\"";
        if (const auto* edit = dynamic_cast<const wxTextCtrl*>(w))
            line << " value \"" << edit->GetValue() << "\" editable " << edit->IsEditable() << " colour "
                 << edit->GetBackgroundColour().GetAsString();
        if (const auto* box = dynamic_cast<const wxCheckBox*>(w)) line << " ticked " << box->GetValue();
        if (const auto* choice = dynamic_cast<const wxChoice*>(w))
            line << " selection " << choice->GetSelection() << " of " << choice->GetCount();
        if (const auto* picture = dynamic_cast<const wxStaticBitmap*>(w))
            line << " picture " << (picture->GetBitmap().IsOk() ? "yes" : "none");
        line << " enabled " << w->IsThisEnabled() << " shown " << w->IsShown();
        face.push_back(line.utf8_string());
    }
    return face;
}

// A telecentric lens with the values the hand-over reads.
std::unique_ptr<CTKLData> MakeTelecentricLens(const std::wstring& type, double wd, double efdi) {
    tagTKLColumns columns;
    columns.Kind = L"TKL";
    columns.WD = wd;
    columns.EFDI = efdi;
    return std::make_unique<CTKLData>(type, columns);
}

class PageSwitch : public ::testing::Test {
protected:
    quorrel::CMessageRecorder m_messages;
    CTempFolder m_folder;  // no catalogue: three messages, empty lists
    CMainWindow m_window{m_folder.Path()};
    CQuorrelDlg& m_dlg = m_window.Dlg();
};

}  // namespace

TEST_F(PageSwitch, EachTabShowsItsPageAndSpacerTabsLeaveThePreviousPage) {
    m_window.ClickTab(3);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgTklSelect);
    m_window.ClickTab(2);
    EXPECT_EQ(m_dlg.GetCurSel(), 2);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgTklSelect);

    m_window.ClickTab(7);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgLedSpec);
    m_window.ClickTab(5);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgLedSpec);

    const std::pair<int, CPage*> tabs[] = {{0, &m_dlg.m_dlgCCTVSelect}, {1, &m_dlg.m_dlgDetailCalc},
                                           {3, &m_dlg.m_dlgTklSelect},  {4, &m_dlg.m_dlgTKLSpec},
                                           {6, &m_dlg.m_dlgLEDSelect},  {7, &m_dlg.m_dlgLedSpec}};
    for (const auto& [tab, page] : tabs) {
        m_window.ClickTab(tab);
        EXPECT_EQ(VisiblePage(m_dlg), page) << "tab " << tab;
    }
}

TEST_F(PageSwitch, SpacerTabsAnnounceNoPageCount) {
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 17);
    m_window.ClickTab(1);
    ASSERT_EQ(m_window.Doc().m_nPrintPages, 2);
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 0);
    m_window.ClickTab(2);
    m_window.ClickTab(5);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);
}

TEST_F(PageSwitch, DetailTabAnnouncesThePagesTheReportCovers) {
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 1);  // before any announcement
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 16);
    m_window.ClickTab(1);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 1);

    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 17);
    m_window.ClickTab(0);
    m_window.ClickTab(1);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);
    // Tab 0 keeps the last announcement.
    m_window.ClickTab(0);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);

    // The detail block no longer fits on page 2.
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 73);
    m_window.ClickTab(1);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 3);
}

TEST_F(PageSwitch, TelecentricSpecTabAnnouncesThePagesTheReportCovers) {
    // A third page only when the table itself runs on to page 2.
    const std::pair<int, int> cases[] = {{7, 1}, {8, 2}, {30, 2}, {31, 2}, {60, 3}, {0, 1}};
    for (const auto& [rows, pages] : cases) {
        AddRows(m_dlg.m_dlgTklSelect, CTklModelSelectionDlg::kResultList, rows);
        m_window.ClickTab(3);
        m_window.ClickTab(4);
        EXPECT_EQ(m_window.Doc().m_nPrintPages, pages) << rows << " rows";
    }
    // Three pages from tab 4, then tab 1 with an empty lens result list: 1.
    AddRows(m_dlg.m_dlgTklSelect, CTklModelSelectionDlg::kResultList, 60);
    m_window.ClickTab(3);
    m_window.ClickTab(4);
    ASSERT_EQ(m_window.Doc().m_nPrintPages, 3);
    m_window.ClickTab(1);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 1);
}

TEST_F(PageSwitch, PostedPageCountIsAppliedOnlyFromTheEventLoop) {
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 20);
    m_dlg.SelectTab(1);
    m_dlg.ShowTabPage(0);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 1) << "the count arrives as a queued message";
    PumpEvents();
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);
}

TEST_F(PageSwitch, SelectingATabFromTheProgramRaisesNoPageSwitch) {
    m_dlg.SelectTab(3);
    PumpEvents();
    EXPECT_EQ(m_dlg.GetCurSel(), 3);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgCCTVSelect);
}

TEST_F(PageSwitch, ShowTabPageMessageSelectsTheTabAndSwitchesOnce) {
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 17);
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 1, 0);
    PumpEvents();
    EXPECT_EQ(m_dlg.GetCurSel(), 1);
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgDetailCalc);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);
}

TEST_F(PageSwitch, TelecentricSpecTabShowsTheSearchPagesCurrentLens) {
    auto lens = MakeTelecentricLens(L"QTKL05-110", 110.0, 38.0);
    m_dlg.m_dlgTklSelect.m_pCurrentLens = lens.get();
    CTKLSpecViewDlg& spec = m_dlg.m_dlgTKLSpec;
    ASSERT_FALSE(spec.IsItemEnabled(CTKLSpecViewDlg::kSelectIllumination));
    ASSERT_FALSE(spec.IsItemShown(CTKLSpecViewDlg::kModelName));

    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 4, 0);
    PumpEvents();
    EXPECT_EQ(VisiblePage(m_dlg), &spec);
    EXPECT_TRUE(spec.IsItemShown(CTKLSpecViewDlg::kModelName));
    EXPECT_FALSE(spec.IsItemShown(CTKLSpecViewDlg::kModelCombo));
    EXPECT_EQ(spec.GetItemText(CTKLSpecViewDlg::kModelName), L"QTKL05-110");
    EXPECT_EQ(spec.m_pCurrentLens, lens.get());
    EXPECT_TRUE(spec.IsItemEnabled(CTKLSpecViewDlg::kSelectIllumination));

    // Without a current lens the page is shown as it stands.
    m_dlg.m_dlgTklSelect.m_pCurrentLens = nullptr;
    spec.SetItemText(CTKLSpecViewDlg::kModelName, L"kept");
    m_window.ClickTab(3);
    m_window.ClickTab(4);
    EXPECT_EQ(spec.GetItemText(CTKLSpecViewDlg::kModelName), L"kept");
    spec.m_pCurrentLens = nullptr;  // the lens dies with this test
}

TEST_F(PageSwitch, TelecentricLensIsHandedToTheIlluminationSearch) {
    auto lens = MakeTelecentricLens(L"QTKL1-65", 65.0, 42.5);
    m_dlg.m_dlgTKLSpec.m_pCurrentLens = lens.get();
    m_dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovH, L"3");
    m_dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovV, L"4");

    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 4);
    PumpEvents();
    CLEDModelSelectionDlg& led = m_dlg.m_dlgLEDSelect;
    EXPECT_EQ(VisiblePage(m_dlg), &led);
    EXPECT_EQ(m_dlg.GetCurSel(), 6);
    EXPECT_TRUE(led.IsItemChecked(CLEDModelSelectionDlg::kModeLensSpec));
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"3.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovV), L"4.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovD), L"5.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"65.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kEffDiameter), L"42.50");

    // Fields of 1e200 (typed as 201 digits): 2e400 overflows on the way to
    // the diagonal 1.41421e200, which does not.
    const std::wstring huge = L"1" + std::wstring(200, L'0');
    m_dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovH, huge);
    m_dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovV, huge);
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 4);
    PumpEvents();
    EXPECT_DOUBLE_EQ(quorrel::ParseLeadingNumber(led.GetItemText(CLEDModelSelectionDlg::kFovD)),
                     1.4142135623730951e200);
    m_dlg.m_dlgTKLSpec.m_pCurrentLens = nullptr;
}

TEST_F(PageSwitch, TelecentricHandOverWithoutALensSwitchesButHandsNothingOver) {
    m_dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovH, L"3");
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 4);
    PumpEvents();
    EXPECT_EQ(VisiblePage(m_dlg), &m_dlg.m_dlgLEDSelect);
    EXPECT_EQ(m_dlg.m_dlgLEDSelect.GetItemText(CLEDModelSelectionDlg::kFovH), L"");
    EXPECT_FALSE(m_dlg.m_dlgLEDSelect.IsItemChecked(CLEDModelSelectionDlg::kModeLensSpec));
}

TEST_F(PageSwitch, DetailPageHandOverValuesGoToTheIlluminationSearch) {
    CDetailCalculationDlg& detail = m_dlg.m_dlgDetailCalc;
    detail.m_dHandFovH = 64.0;
    detail.m_dHandFovV = 48.0;
    detail.m_dHandFovD = 80.0;
    detail.m_dHandWD = 151.25;
    detail.m_dHandEffDiameter = 23.456;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    CLEDModelSelectionDlg& led = m_dlg.m_dlgLEDSelect;
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"64.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovV), L"48.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovD), L"80.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"151.25");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kEffDiameter), L"23.46");
    EXPECT_TRUE(led.IsItemEnabled(CLEDModelSelectionDlg::kFovH));

    // "None" (-1.0) leaves its edit empty; the other values are still written.
    detail.m_dHandFovH = -1.0;
    detail.m_dHandWD = -1.0;
    detail.m_dHandFovV = 12.5;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovV), L"12.50");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kEffDiameter), L"23.46");
}

TEST_F(PageSwitch, ClickingTheIlluminationTabHandsNothingOver) {
    m_dlg.m_dlgDetailCalc.m_dHandFovH = 64.0;
    m_dlg.m_dlgLEDSelect.SetItemText(CLEDModelSelectionDlg::kFovH, L"12");
    m_window.ClickTab(6);
    EXPECT_EQ(m_dlg.m_dlgLEDSelect.GetItemText(CLEDModelSelectionDlg::kFovH), L"12");
}

TEST_F(PageSwitch, FileNewClearsThePagesButKeepsTabTitleAndDocument) {
    CTKLSpecViewDlg& spec = m_dlg.m_dlgTKLSpec;
    CLedSpecViewDlg& light = m_dlg.m_dlgLedSpec;
    const Texts specAtStart = Face(spec);
    // Page 350 as it starts, with the clear-all's "--" in the name and values.
    light.SetItemText(CLedSpecViewDlg::kModelName, L"--");
    for (int i = 0; i < CLedSpecViewDlg::kSheetRows; ++i)
        light.SetItemText(CLedSpecViewDlg::kValueFirst + i, L"--");
    const Texts lightCleared = Face(light);

    // A lens from the telecentric search on tab 4, a light from the
    // illumination search on tab 7 with the lens values of its search, an
    // item and a value for the calculation.
    auto lens = MakeTelecentricLens(L"QTKL2-90", 90.0, 30.0);
    m_dlg.m_dlgTklSelect.m_pCurrentLens = lens.get();
    AddRows(m_dlg.m_dlgTklSelect, CTklModelSelectionDlg::kResultList, 9);
    CLEDModelSelectionDlg& led = m_dlg.m_dlgLEDSelect;
    auto ring = std::make_unique<CLedData_DirectRing>();
    ring->ProductName = L"QR-D50", ring->Type = 1;
    led.m_pCurrentLight = ring.get();
    led.m_dLastLensWD = 90.0, led.m_dLastEffDiameter = 30.0, led.m_dLastFovH = 12.0, led.m_dLastFovV = 9.0;
    m_window.ClickTab(7);
    light.ComboSetCurSel(CLedSpecViewDlg::kItemCombo, 0);
    light.SetItemText(CLedSpecViewDlg::kValue, L"50");
    ASSERT_TRUE(light.IsItemChecked(CLedSpecViewDlg::kLensSpec));
    m_window.ClickTab(4);
    ASSERT_EQ(m_window.Doc().m_nPrintPages, 2);
    ASSERT_TRUE(spec.IsItemEnabled(CTKLSpecViewDlg::kSelectIllumination));
    spec.SetItemText(5014, L"123.4");
    AddRows(m_dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kResultList, 5);
    led.SetItemText(CLEDModelSelectionDlg::kFovH, L"5");
    CQuorrelDoc* doc = &m_window.Doc();

    m_window.Command(wxID_NEW);

    EXPECT_EQ(m_dlg.GetCurSel(), 4);
    EXPECT_EQ(VisiblePage(m_dlg), &spec);
    EXPECT_EQ(m_window.Frame()->GetTitle(), "Quorrel");
    EXPECT_EQ(&m_window.Doc(), doc);
    EXPECT_EQ(m_window.Doc().m_nPrintPages, 2);
    // Page 204 as at start-up: labels empty, model name hidden, combo back,
    // button off.
    EXPECT_EQ(Face(spec), specAtStart);
    EXPECT_EQ(spec.m_pCurrentLens, nullptr);
    // The other pages.
    EXPECT_EQ(m_dlg.m_dlgCCTVSelect.ListGetItemCount(CCCTVModelSelectionDlg::kResultList), 0);
    EXPECT_EQ(m_dlg.m_dlgTklSelect.ListGetItemCount(CTklModelSelectionDlg::kResultList), 0);
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"");
    EXPECT_EQ(Face(light), lightCleared);
    EXPECT_EQ(light.m_pCurrentLight, nullptr);

    // Opening tabs 4 and 7 again brings back neither the lens nor the light.
    m_window.ClickTab(3);
    m_window.ClickTab(4);
    EXPECT_EQ(Face(spec), specAtStart);
    EXPECT_FALSE(spec.IsItemEnabled(CTKLSpecViewDlg::kSelectIllumination));
    m_window.ClickTab(7);
    EXPECT_EQ(Face(light), lightCleared);
    // Nothing may point at the records that die with this test.
    spec.m_pCurrentLens = m_dlg.m_dlgTklSelect.m_pCurrentLens = nullptr;
    led.m_pCurrentLight = light.m_pCurrentLight = nullptr;
}

TEST_F(PageSwitch, LoadingALensWithAnEmptyCatalogueLeavesTheDetailPageEmpty) {
    ASSERT_TRUE(m_dlg.m_arrCCTVData.empty());
    m_dlg.m_dlgCCTVSelect.m_strClickedModel = L"QF-8M14";
    quorrel::PostPageMessage(WM_CCTV_RESULT_CLICKED);
    PumpEvents();
    EXPECT_EQ(m_dlg.m_dlgDetailCalc.ComboGetCurSel(CDetailCalculationDlg::kLensCombo), -1);
    EXPECT_EQ(m_dlg.m_dlgDetailCalc.ComboGetCount(CDetailCalculationDlg::kSensorCombo), 0);
    EXPECT_EQ(m_dlg.m_dlgDetailCalc.m_dHandFovH, -1.0);
}

TEST_F(PageSwitch, DetailPageEditsFollowTheirBoxesFromStartUpAsAfterFileNew) {
    using Dlg = CDetailCalculationDlg;
    CDetailCalculationDlg& page = m_dlg.m_dlgDetailCalc;
    // Which edits of the page take typing, in creation order.
    auto editable = [&page] {
        std::vector<std::pair<int, bool>> states;
        for (const wxWindow* w : page.GetChildren())
            if (const auto* edit = dynamic_cast<const wxTextCtrl*>(w))
                states.emplace_back(page.GetControlId(w), edit->IsEditable());
        return states;
    };
    const auto atStart = editable();
    // Each box that is clear locks its edit.
    const struct {
        int box, edit;
    } boxes[] = {{Dlg::kManualInput, Dlg::kManualV}, {Dlg::kManualInput, Dlg::kManualH},
                 {Dlg::kManualInput, Dlg::kManualD}, {Dlg::kDOFBox, Dlg::kWantedDOF},
                 {Dlg::kCoCBox, Dlg::kCoC}};
    for (const auto& b : boxes) {
        ASSERT_FALSE(page.IsItemChecked(b.box));
        EXPECT_TRUE(page.IsItemReadOnly(b.edit)) << "edit " << b.edit << " at start-up";
    }
    EXPECT_EQ(page.ComboGetCurSel(Dlg::kFnoCombo), 0);

    m_window.Command(wxID_NEW);
    EXPECT_EQ(editable(), atStart);
}
