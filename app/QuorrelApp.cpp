#include "app/QuorrelApp.h"

#include <clocale>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "platform/wx/MessageBoxWx.h"

CQuorrelApp::CQuorrelApp() {
    SetAppName("Quorrel");
    SetClassName("Quorrel.AppID.NoVersion");
}

bool CQuorrelApp::OnInit() {
    if (!wxApp::OnInit()) return false;
    // The user's locale for everything the program does not format itself;
    // numbers it shows or reads never depend on it.
    std::setlocale(LC_ALL, "");
    quorrel::InstallMessageBoxSink();
    Bind(wxEVT_MENU, &CQuorrelApp::OnAppAbout, this, wxID_ABOUT);

    CMainFrame* frame = CMainFrame::CreateMainWindow();
    SetTopWindow(frame);
    frame->Show();
    frame->Update();
    return true;
}

void CQuorrelApp::OnAppAbout(wxCommandEvent&) {
    CAboutDlg about(GetTopWindow());
    about.ShowModal();
}
