#include "app/MainFrame.h"

#include <gtk/gtk.h>

#include <wx/menu.h>

#include "app/QuorrelDoc.h"
#include "app/QuorrelView.h"
#include "platform/wx/PageMessagesWx.h"
#include "platform/wx/PngResource.h"

namespace {
// No sizing border and no maximise box: the window keeps its size.
constexpr long kFrameStyle = wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX;
// The outer size, the window manager's frame included.
const wxSize kFrameSize(CQuorrelDlg::kWidth, CQuorrelDlg::kHeight);
}  // namespace

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, "Quorrel", wxDefaultPosition,
              wxSize(CQuorrelDlg::kWidth, CQuorrelDlg::kHeight), kFrameStyle) {
    auto* file = new wxMenu;
    file->Append(wxID_NEW, "New(&N)\tCtrl+N");
    file->AppendSeparator();
    file->Append(wxID_PRINT, "Print(&P)...\tCtrl+P");
    file->Append(wxID_PREVIEW, "Print preview(&V)");
    file->AppendSeparator();
    file->AppendSeparator();
    file->Append(ID_APP_EXIT, "Close(&X)");
    auto* help = new wxMenu;
    help->Append(wxID_ABOUT, "Version information(&A)...");
    auto* bar = new wxMenuBar;
    bar->Append(file, "File(&F)");
    bar->Append(help, "Help(&H)");
    SetMenuBar(bar);

    quorrel::SetAppIcon(*this);

    // The view handles File, New and the print commands; Help goes on to
    // the application.
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { if (m_pView) m_pView->OnFileNew(); }, wxID_NEW);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { if (m_pView) m_pView->OnFilePrint(); }, wxID_PRINT);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { if (m_pView) m_pView->OnFilePrintPreview(); }, wxID_PREVIEW);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, ID_APP_EXIT);
    Bind(EVT_PAGE_MESSAGE, &CMainFrame::OnPageMessage, this);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    quorrel::SetPageMessageTarget(this);
}

CMainFrame::~CMainFrame() {
    if (quorrel::GetPageMessageTarget() == this) quorrel::SetPageMessageTarget(nullptr);
}

CMainFrame* CMainFrame::CreateMainWindow(const std::wstring& catalogueFolder) {
    auto* frame = new CMainFrame;
    frame->m_pDocument = std::make_unique<CQuorrelDoc>();
    frame->m_pDocument->OnNewDocument();
    frame->m_pView = new CQuorrelView(frame, frame->m_pDocument.get());
    frame->m_pView->m_dlgMain.SetCatalogueFolder(catalogueFolder);
    frame->m_pView->OnInitialUpdate();
    // The outer size stays 850 x 700, in the middle of the screen.
    frame->SetSizeHints(kFrameSize, kFrameSize);
    frame->CentreOnScreen();
    return frame;
}

bool CMainFrame::Show(bool show) {
    // Left to itself, the toolkit creates the window at 2 x 1 pixels and
    // maps it like that while it asks the window manager for its frame's
    // size; the window manager then places that dot (a large window ends up
    // with its corner in the middle of the screen) and the menu bar is laid
    // out in 2 pixels. Created here, the window is made at its full size.
    if (show) gtk_widget_realize(GetHandle());
    return wxFrame::Show(show);
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    event.Skip();
    // The window manager tells the size of its frame only once the window
    // is up (and again when it changes); the toolkit then keeps the client
    // area and lets the outer size grow by the frame.
    if (GetSize() == kFrameSize) return;
    SetSizeHints(kFrameSize, kFrameSize);
    SetSize(kFrameSize);
}

void CMainFrame::OnPageMessage(CPageMessageEvent& event) {
    switch (event.GetMessageId()) {
    case WM_CCTV_RESULT_CLICKED:
        OnCCTVResultClicked(event.GetWParam(), event.GetLParam());
        break;
    case WM_SHOW_TAB_PAGE:
        OnShowTabPage(event.GetWParam(), event.GetLParam());
        break;
    case WM_SET_PRINT_PAGE_COUNT:
        OnSetPrintPageCount(event.GetWParam(), event.GetLParam());
        break;
    default:
        break;
    }
}

void CMainFrame::OnCCTVResultClicked(std::intptr_t, std::intptr_t) {
    if (m_pView) m_pView->m_dlgMain.TransferSelectionToDetail();
}

void CMainFrame::OnShowTabPage(std::intptr_t tab, std::intptr_t origin) {
    if (!m_pView) return;
    // Selecting from the program raises no page switch: it runs once, here.
    m_pView->m_dlgMain.SelectTab(static_cast<int>(tab));
    m_pView->m_dlgMain.ShowTabPage(static_cast<int>(origin));
}

void CMainFrame::OnSetPrintPageCount(std::intptr_t pages, std::intptr_t) {
    if (m_pDocument) m_pDocument->m_nPrintPages = static_cast<int>(pages);
}
