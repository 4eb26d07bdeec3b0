#include "app/QuorrelView.h"

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/printdlg.h>
#include <wx/prntbase.h>

#include "app/QuorrelDoc.h"
#include "platform/wx/ReportDCWx.h"
#include "report/ReportPages.h"

CQuorrelView::CQuorrelView(wxWindow* frame, CQuorrelDoc* doc)
    : wxPanel(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER),
      m_pDocument(doc) {
    Bind(wxEVT_SIZE, &CQuorrelView::OnSize, this);
}

// The main dialog goes before the view's window: no size event may reach it
// after that.
CQuorrelView::~CQuorrelView() { Unbind(wxEVT_SIZE, &CQuorrelView::OnSize, this); }

void CQuorrelView::OnSize(wxSizeEvent& event) {
    if (m_dlgMain.IsDlgCreated()) m_dlgMain.UpdateVisibleHeight();
    event.Skip();
}

void CQuorrelView::OnInitialUpdate() {
    if (m_pDocument) m_pDocument->m_pView = this;
    if (!m_dlgMain.IsDlgCreated()) m_dlgMain.CreateDlg(this);
    m_dlgMain.Show();
    if (wxWindow* frame = wxGetTopLevelParent(this)) {
        frame->SetSize(wxSize(CQuorrelDlg::kWidth, CQuorrelDlg::kHeight));
        frame->SetLabel("Quorrel");
        // The view fills the frame's client area now, shown or not, so the
        // pages learn how much of them shows before the first paint.
        frame->Layout();
    }
}

void CQuorrelView::OnFileNew() { m_dlgMain.ClearAllPages(); }

namespace {
// The print dialog offers the pages of the report on A4: it is set up before
// a printer and its paper are chosen. The print job itself covers the pages
// on the paper chosen (CQuorrelPrintout::GetPageInfo).
wxPrintDialogData PageRangeData(const CQuorrelView& view) {
    const int pages = view.PrintPageCount(report::kA4HeightMm);
    wxPrintDialogData data;
    data.SetMinPage(1);
    data.SetMaxPage(pages);
    data.SetFromPage(1);
    data.SetToPage(pages);
    return data;
}
}  // namespace

void CQuorrelView::OnFilePrint() {
    wxPrintDialogData data = PageRangeData(*this);
    wxPrinter printer(&data);
    CQuorrelPrintout printout(this);
    printer.Print(wxGetTopLevelParent(this), &printout, true);
}

void CQuorrelView::OnFilePrintPreview() {
    wxPrintDialogData data = PageRangeData(*this);
    auto* preview = new wxPrintPreview(new CQuorrelPrintout(this), new CQuorrelPrintout(this), &data);
    if (!preview->IsOk()) {
        delete preview;
        return;
    }
    // The preview takes the main window's place and size, so that a page can
    // be read without first enlarging a small window.
    wxWindow* main = wxGetTopLevelParent(this);
    auto* frame = new wxPreviewFrame(preview, main, "Quorrel", main->GetPosition(), main->GetSize());
    frame->Initialize();
    // Shown as it is, the window would wait for the window manager to tell the
    // size of its frame whenever the toolkit has none remembered (a closed
    // preview leaves none), held at 2 x 1 pixels meanwhile: the buttons and
    // the status bar laid out in that print GTK warnings. With its client size
    // set, the window is shown at once at that size, and the window manager's
    // frame goes around it.
    frame->SetClientSize(frame->GetClientSize());
    frame->Show();
}

int CQuorrelView::PageHeightMm(int physicalHeight, int logPixelsY) {
    if (logPixelsY <= 0) return 0;
    return static_cast<int>(static_cast<double>(physicalHeight) / static_cast<double>(logPixelsY) * 25.4 +
                            0.5);
}

int CQuorrelView::PrintPageCount(int pageHeightMm) const {
    switch (m_dlgMain.GetCurSel()) {
    case CQuorrelDlg::kTabLensSearch:
    case CQuorrelDlg::kTabDetail:
        return m_dlgMain.CCTVReportPages(pageHeightMm);
    case CQuorrelDlg::kTabTelecentricSearch:
    case CQuorrelDlg::kTabTelecentricSpec:
        return m_dlgMain.TKLReportPages(pageHeightMm);
    default:
        // Tabs without a report: the announced count of blank pages.
        return m_pDocument ? m_pDocument->m_nPrintPages : 1;
    }
}

void CQuorrelView::OnPrint(quorrel::ReportDC& dc, int page, int pageHeightMm) {
    switch (m_dlgMain.GetCurSel()) {
    case CQuorrelDlg::kTabLensSearch:
    case CQuorrelDlg::kTabDetail:
        m_dlgMain.DrawCCTVReport(dc, page, pageHeightMm);
        break;
    case CQuorrelDlg::kTabTelecentricSearch:
    case CQuorrelDlg::kTabTelecentricSpec:
        m_dlgMain.DrawTKLReport(dc, page, pageHeightMm);
        break;
    default:
        // Tabs without a report print blank pages.
        break;
    }
}

CQuorrelPrintout::CQuorrelPrintout(CQuorrelView* view) : wxPrintout("Quorrel"), m_pView(view) {}

int CQuorrelPrintout::PageCount() const {
    if (!m_pView) return 1;
    return m_pView->PrintPageCount(PageHeightMm());
}

int CQuorrelPrintout::PageHeightMm() const {
    int ppiX = 0, ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    int widthPx = 0, heightPx = 0;
    GetPageSizePixels(&widthPx, &heightPx);
    const int mm = CQuorrelView::PageHeightMm(heightPx, ppiY);
    // Before the print job knows its paper: A4, as the print dialog offers.
    return mm > 0 ? mm : report::kA4HeightMm;
}

void CQuorrelPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = PageCount();
    *pageFrom = 1;
    *pageTo = PageCount();
}

bool CQuorrelPrintout::HasPage(int page) { return page >= 1 && page <= PageCount(); }

bool CQuorrelPrintout::OnPrintPage(int page) {
    if (!GetDC() || !m_pView) return false;
    quorrel::CWxReportDC dc(*this);
    m_pView->OnPrint(dc, page, PageHeightMm());
    return true;
}
