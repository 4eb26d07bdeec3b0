// The main window on a desktop: the frame keeps its outer 850 x 700, of
// which the title bar and the menu bar take their part, so the view (the
// client area) is shorter than the 700-pixel main dialog it holds. The pages
// fit their bottom-most controls to what shows.
#include <gtest/gtest.h>

#include <wx/listctrl.h>
#include <wx/notebook.h>

#include "UiHarness.h"

using namespace uitest;

namespace {

class VisibleArea : public ::testing::Test {
protected:
    // The view laid out to `height` pixels, as the frame does when a title
    // bar takes its part of the window.
    void SetClientHeight(int height) {
        m_window.View().SetSize(CQuorrelDlg::kWidth, height);
        PumpEvents();
    }
    int Strip() { return m_window.Dlg().GetTabControl()->GetSize().GetHeight(); }

    // Not shown: a desktop's window manager would lay the frame out again
    // whenever it decorates it. The view fills the frame's client area all
    // the same.
    CMainWindow m_window{SampleCatalogueFolder()};
};

}  // namespace

TEST_F(VisibleArea, ResultListEndsJustAboveTheBottomOfTheClientArea) {
    CQuorrelDlg& dlg = m_window.Dlg();
    CQuorrelView& view = m_window.View();
    wxListCtrl* list = dlg.m_dlgCCTVSelect.m_listResult;
    // Even without a title bar the menu bar leaves less than 700 pixels.
    const int menuOnly = view.GetClientSize().GetHeight();
    EXPECT_LT(menuOnly, CQuorrelDlg::kHeight);
    EXPECT_EQ(dlg.VisibleClientHeight(), menuOnly);

    // A usual title bar (37), a tall one, and back.
    for (int height : {menuOnly, menuOnly - 37, 520, menuOnly}) {
        SCOPED_TRACE(height);
        SetClientHeight(height);
        EXPECT_EQ(dlg.VisibleClientHeight(), height);
        EXPECT_EQ(dlg.m_dlgCCTVSelect.GetVisibleHeight(), height - Strip());
        // The page itself keeps its place and size; its list keeps its top
        // and width and ends 2 pixels above the visible bottom.
        EXPECT_EQ(dlg.m_dlgCCTVSelect.GetRect(), wxRect(0, Strip(), 850, 700 - Strip()));
        const wxRect rect = list->GetRect();
        EXPECT_EQ(rect.GetTopLeft(), wxPoint(20, 240));
        EXPECT_EQ(rect.GetWidth(), 810);
        EXPECT_EQ(Strip() + rect.GetBottom() + 1, height - 2);
        EXPECT_LT(dlg.m_dlgCCTVSelect.GetPosition().y + rect.GetBottom(), view.GetClientSize().GetHeight());
    }
}

TEST_F(VisibleArea, ResultListKeepsAFewRowsInATinyWindow) {
    SetClientHeight(200);
    EXPECT_EQ(m_window.Dlg().m_dlgCCTVSelect.GetVisibleHeight(), 200 - Strip());
    EXPECT_EQ(m_window.Dlg().m_dlgCCTVSelect.m_listResult->GetSize().GetHeight(), 100);
    // A view taller than the dialog shows all of it.
    SetClientHeight(800);
    EXPECT_EQ(m_window.Dlg().VisibleClientHeight(), CQuorrelDlg::kHeight);
    EXPECT_EQ(m_window.Dlg().m_dlgCCTVSelect.GetVisibleHeight(), CQuorrelDlg::kHeight - Strip());
}

TEST_F(VisibleArea, LensPagesShowEveryControlUnderATitleBar) {
    // A title bar of 37 pixels on top of the menu bar.
    const int height = m_window.View().GetClientSize().GetHeight() - 37;
    SetClientHeight(height);
    CQuorrelDlg& dlg = m_window.Dlg();
    for (CPage* page : {static_cast<CPage*>(&dlg.m_dlgCCTVSelect), static_cast<CPage*>(&dlg.m_dlgDetailCalc)}) {
        for (wxWindow* control : page->GetChildren()) {
            if (!control->IsShown()) continue;
            EXPECT_LE(control->GetRect().GetBottom() + 1, page->GetVisibleHeight())
                << "control " << page->GetControlId(control) << " \"" << control->GetLabel().utf8_string()
                << "\" of page " << page->GetId();
        }
    }
}
