// Page helpers, pictures and the control map of the pages.
#include <gtest/gtest.h>

#include <wx/choice.h>
#include <wx/defs.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "UiHarness.h"
#include "platform/wx/PageHelpers.h"
#include "platform/Message.h"
#include "platform/wx/PngResource.h"

using namespace uitest;

namespace {

class PageHelpers : public ::testing::Test {
protected:
    quorrel::CMessageRecorder m_messages;
    CTempFolder m_folder;
    CMainWindow m_window{m_folder.Path()};
    CQuorrelDlg& m_dlg = m_window.Dlg();
};

}  // namespace

TEST_F(PageHelpers, SetDlgItemDoubleWritesTheGivenDecimalsWithAPoint) {
    CCCTVModelSelectionDlg& page = m_dlg.m_dlgCCTVSelect;
    const int edit = CCCTVModelSelectionDlg::kManualD;
    SetDlgItemDouble(page, edit, 2, 3.14159);
    EXPECT_EQ(page.GetItemText(edit), L"3.14");
    SetDlgItemDouble(page, edit, 3, 150.0);
    EXPECT_EQ(page.GetItemText(edit), L"150.000");
    SetDlgItemDouble(page, edit, 1, -1.0);
    EXPECT_EQ(page.GetItemText(edit), L"-1.0");
    SetDlgItemDouble(page, edit, 2, 2.675);  // the double just below 2.675
    EXPECT_EQ(page.GetItemText(edit), L"2.67");
    // Statics take the same text.
    SetDlgItemDouble(m_dlg.m_dlgTKLSpec, 5014, 1, 85.25);
    EXPECT_EQ(m_dlg.m_dlgTKLSpec.GetItemText(5014), L"85.2");
}

TEST_F(PageHelpers, SetDlgItemDoubleIgnoresAnIdWithoutControl) {
    SetDlgItemDouble(m_dlg.m_dlgTKLSpec, 5118, 1, 1.0);
    EXPECT_EQ(m_dlg.m_dlgTKLSpec.GetControl(5118), nullptr);
}

TEST_F(PageHelpers, ControlIdsInTheToolkitsReservedRangeAreNotWindowIds) {
    CTKLSpecViewDlg& spec = m_dlg.m_dlgTKLSpec;
    for (int id : {5011, 5012, 5023, 5113, 5216}) {
        wxWindow* control = spec.GetControl(id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_NE(control->GetId(), id);
        EXPECT_FALSE(control->GetId() >= wxID_LOWEST && control->GetId() <= wxID_HIGHEST) << id;
        EXPECT_EQ(spec.GetControlId(control), id);
    }
    EXPECT_NE(dynamic_cast<wxChoice*>(spec.GetControl(CTKLSpecViewDlg::kModelCombo)), nullptr);
}

TEST_F(PageHelpers, PagesShowThePagePicture) {
    auto* picture = m_dlg.m_dlgCCTVSelect.GetControlAs<wxStaticBitmap>(CCCTVModelSelectionDlg::kPicture);
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(picture->GetBitmap().IsOk());
    EXPECT_EQ(picture->GetBitmap().GetSize(), wxSize(131, 51));
    EXPECT_TRUE(m_dlg.m_dlgCCTVSelect.m_hLogoBitmap.IsOk());
}

TEST_F(PageHelpers, ReadOnlyEditsOfEveryPageShowTheFaceColour) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    auto expectColours = [&](CPage& page) {
        for (wxWindow* child : page.GetChildren())
            if (auto* edit = dynamic_cast<wxTextCtrl*>(child)) {
                EXPECT_EQ(edit->GetBackgroundColour() == face, !edit->IsEditable())
                    << "edit " << page.GetControlId(edit) << " of page " << page.GetLabel().utf8_string();
            }
    };
    // At start-up, whether created read-only or made so by the page.
    for (CPage* page : std::initializer_list<CPage*>{&m_dlg.m_dlgCCTVSelect, &m_dlg.m_dlgDetailCalc,
                                                     &m_dlg.m_dlgTklSelect, &m_dlg.m_dlgTKLSpec,
                                                     &m_dlg.m_dlgLEDSelect, &m_dlg.m_dlgLedSpec})
        expectColours(*page);
    CCCTVModelSelectionDlg& search = m_dlg.m_dlgCCTVSelect;
    EXPECT_EQ(search.GetControl(CCCTVModelSelectionDlg::kManualV)->GetBackgroundColour(), face);
    EXPECT_EQ(m_dlg.m_dlgDetailCalc.GetControl(CDetailCalculationDlg::kEffectiveFno)->GetBackgroundColour(), face);

    // Unlocked and locked again.
    search.SetItemReadOnly(CCCTVModelSelectionDlg::kManualV, false);
    EXPECT_NE(search.GetControl(CCCTVModelSelectionDlg::kManualV)->GetBackgroundColour(), face);
    expectColours(search);
    search.SetItemReadOnly(CCCTVModelSelectionDlg::kManualV, true);
    EXPECT_EQ(search.GetControl(CCCTVModelSelectionDlg::kManualV)->GetBackgroundColour(), face);
    CDetailCalculationDlg& detail = m_dlg.m_dlgDetailCalc;
    detail.SetItemReadOnly(CDetailCalculationDlg::kWantedDOF, false);
    expectColours(detail);
    detail.SetItemReadOnly(CDetailCalculationDlg::kWantedDOF, true);
    expectColours(detail);
}

TEST(PngResources, KnownIdsDecodeAndUnknownIdsGiveAnInvalidBitmapSilently) {
    quorrel::CMessageRecorder messages;
    const wxBitmap logo = quorrel::LoadPngResource(300);
    ASSERT_TRUE(logo.IsOk());
    EXPECT_EQ(logo.GetSize(), wxSize(131, 51));
    EXPECT_TRUE(quorrel::LoadPngResource(128).IsOk());
    EXPECT_FALSE(quorrel::LoadPngResource(310).IsOk());
    EXPECT_FALSE(quorrel::LoadPngResource(0).IsOk());
    EXPECT_FALSE(quorrel::LoadPngResource(-1).IsOk());
    EXPECT_EQ(messages.Count(), 0u);
}
