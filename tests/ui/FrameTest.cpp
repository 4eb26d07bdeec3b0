// The main window's frame, menus and printing hooks.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <set>
#include <string>

#include <wx/menu.h>
#include <wx/prntbase.h>

#include "UiHarness.h"
#include "platform/Message.h"

using namespace uitest;

namespace {

class Frame : public ::testing::Test {
protected:
    quorrel::CMessageRecorder m_messages;
    CTempFolder m_folder;
    CMainWindow m_window{m_folder.Path(), true};
};

// Every key that runs a menu command: the frame's accelerator groups.
std::set<std::string> Accelerators(wxFrame* frame) {
    std::set<std::string> keys;
    auto collect = [](GtkAccelKey* key, GClosure*, gpointer data) -> gboolean {
        gchar* name = gtk_accelerator_name(key->accel_key, key->accel_mods);
        static_cast<std::set<std::string>*>(data)->insert(name);
        g_free(name);
        return FALSE;
    };
    for (GSList* group = gtk_accel_groups_from_object(G_OBJECT(frame->GetHandle())); group; group = group->next)
        gtk_accel_group_find(GTK_ACCEL_GROUP(group->data), collect, &keys);
    return keys;
}

}  // namespace

TEST_F(Frame, Is850By700AndCannotBeResizedOrMaximised) {
    CMainFrame* frame = m_window.Frame();
    EXPECT_EQ(frame->GetSize(), wxSize(850, 700));
    EXPECT_EQ(frame->GetTitle(), "Quorrel");
    ASSERT_EQ(frame->GetIcons().GetIconCount(), 1u);
    EXPECT_EQ(frame->GetIcons().GetIconByIndex(0).GetSize(), wxSize(64, 64));  // PNG 128
    const long style = frame->GetWindowStyleFlag();
    EXPECT_FALSE(style & wxRESIZE_BORDER);
    EXPECT_FALSE(style & wxMAXIMIZE_BOX);
    EXPECT_TRUE(style & wxMINIMIZE_BOX);
    EXPECT_EQ(frame->GetMinSize(), wxSize(850, 700));
    EXPECT_EQ(frame->GetMaxSize(), wxSize(850, 700));
    frame->SetSize(1000, 800);
    PumpEvents();
    EXPECT_EQ(frame->GetSize(), wxSize(850, 700));
    // The view holds the main dialog at its top left, 850 x 700.
    EXPECT_EQ(m_window.Dlg().GetRect(), wxRect(0, 0, 850, 700));
}

TEST_F(Frame, MenusHoldTheFileAndHelpCommandsWithTheirShortcuts) {
    wxMenuBar* bar = m_window.Frame()->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), "File(&F)");
    EXPECT_EQ(bar->GetMenuLabel(1), "Help(&H)");
    EXPECT_EQ(bar->FindItem(wxID_NEW)->GetItemLabel(), "New(&N)\tCtrl+N");
    EXPECT_EQ(bar->FindItem(wxID_PRINT)->GetItemLabel(), "Print(&P)...\tCtrl+P");
    EXPECT_EQ(bar->FindItem(wxID_PREVIEW)->GetItemLabel(), "Print preview(&V)");
    EXPECT_EQ(bar->FindItem(CMainFrame::ID_APP_EXIT)->GetItemLabel(), "Close(&X)");
    EXPECT_EQ(bar->FindItem(wxID_ABOUT)->GetItemLabel(), "Version information(&A)...");
    // Only New and Print have a shortcut; Close has none (no Ctrl+Q).
    EXPECT_EQ(Accelerators(m_window.Frame()), (std::set<std::string>{"<Primary>n", "<Primary>p"}));
}

TEST_F(Frame, PrintOffersThePagesOfTheReportInFrontOrTheAnnouncedBlankPages) {
    CQuorrelPrintout printout(&m_window.View());
    m_window.Doc().m_nPrintPages = 3;  // announced for an earlier list
    // The lens search tab's report of no result rows: one page.
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 1);
    EXPECT_FALSE(printout.HasPage(2));

    // A tab without a report: the announced count of blank pages.
    m_window.ClickTab(CQuorrelDlg::kTabIlluminationSearch);
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ(maxPage, 3);
    EXPECT_EQ(to, 3);
    EXPECT_TRUE(printout.HasPage(3));
    EXPECT_FALSE(printout.HasPage(0));
    EXPECT_FALSE(printout.HasPage(4));
}

TEST_F(Frame, PrintPreviewOpensInTheMainWindowsPlaceAndSize) {
    m_window.View().OnFilePrintPreview();
    PumpEvents();
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) preview = p;
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetRect(), m_window.Frame()->GetRect());
    preview->Close(true);
    PumpEvents();
}
