// The about window's texts.
#include <gtest/gtest.h>

#include <wx/hyperlink.h>
#include <wx/log.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "Version.h"
#include "app/AboutDlg.h"
#include "platform/Strings.h"

TEST(About, VersionLineIsFormedFromTheTwoVersionWords) {
    EXPECT_EQ(CAboutDlg::VersionText(0x00010002, 0x00030004), L"Version 1.2.3.4");
    EXPECT_EQ(CAboutDlg::VersionText(65536, 0), L"Version 1.0.0.0");
    EXPECT_EQ(CAboutDlg::VersionText(0xFFFFFFFF, 0x0000000A), L"Version 65535.65535.0.10");
}

TEST(About, OpenedWindowShowsTheBuildsVersionAndBothLinks) {
    auto* about = new CAboutDlg(nullptr);
    EXPECT_EQ(about->GetTitle(), "Version Quorrel");
    EXPECT_EQ(about->GetVersionControl()->GetLabelText(), "Version *.*.*.*");
    about->InitDialog();  // what opening the window runs

    const std::wstring expected = L"Version " + std::to_wstring(QUORREL_VERSION_MAJOR) + L"." +
                                  std::to_wstring(QUORREL_VERSION_MINOR) + L"." +
                                  std::to_wstring(QUORREL_VERSION_PATCH) + L".0";
    EXPECT_EQ(about->GetVersionControl()->GetLabelText().ToStdWstring(), expected);
    // The visible web text is string 20062; the address opened is 20063.
    EXPECT_EQ(about->GetWebLinkText(), quorrel::LoadString(20062));
    EXPECT_EQ(about->m_strWeb, quorrel::LoadString(20063));
    EXPECT_NE(about->m_strWeb, about->GetWebLinkText());
    EXPECT_EQ(about->GetMailLinkText(), about->m_strMail);
    EXPECT_NE(about->m_strMail.find(L'@'), std::wstring::npos);
    // The program's icon (PNG 128, 64 x 64) on the window.
    ASSERT_EQ(about->GetIcons().GetIconCount(), 1u);
    EXPECT_EQ(about->GetIcons().GetIconByIndex(0).GetSize(), wxSize(64, 64));
    about->Destroy();
}

TEST(About, ProductNameInItsLargerFontIsAsTallAsALineOfIt) {
    auto* about = new CAboutDlg(nullptr);
    about->InitDialog();
    wxWindow* name = wxWindow::FindWindowByLabel("Quorrel", about);
    ASSERT_NE(name, nullptr);
    EXPECT_GT(name->GetFont().GetFractionalPointSize(), about->GetFont().GetFractionalPointSize());
    EXPECT_GE(name->GetSize().GetHeight(), name->GetTextExtent("Quorrel").GetHeight());
    about->Destroy();
}

namespace {
// Counts the toolkit's error log records, which a running program shows in a
// message box.
class CErrorCount : public wxLog {
public:
    int errors = 0;

protected:
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override {
        if (level <= wxLOG_Error) ++errors;
    }
};
}  // namespace

TEST(About, ALinkThatCannotOpenIsNotReported) {
    auto* about = new CAboutDlg(nullptr);
    about->InitDialog();
    about->m_strWeb = L"quorrel-no-such-scheme:page";
    wxString path;
    wxGetEnv("PATH", &path);
    wxSetEnv("PATH", "/nonexistent");  // no helper program starts either
    CErrorCount log;
    wxLog* previous = wxLog::SetActiveTarget(&log);
    wxHyperlinkEvent click(about, wxID_ANY, about->m_strWeb);
    about->OnNMClickWebLink(click);
    wxLog::FlushActive();
    wxLog::SetActiveTarget(previous);
    wxSetEnv("PATH", path);
    EXPECT_EQ(log.errors, 0);
    about->Destroy();
}
