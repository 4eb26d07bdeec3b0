#include "app/QuorrelView.h"

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/printdlg.h>
#include <wx/prntbase.h>

#include "app/QuorrelDoc.h"
#include "platform/Message.h"
#include "platform/Strings.h"
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

// The print dialog offers the pages of the report, which is laid out on A4
// whatever paper is chosen there; "Pages" starts at all of them.
wxPrintDialogData PageRangeData(const CQuorrelView& view, const wxPrintData& setup) {
    const int pages = view.PrintPageCount(report::kA4HeightMm);
    wxPrintDialogData data(setup);
    data.SetMinPage(1);
    data.SetMaxPage(pages);
    data.SetFromPage(1);
    data.SetToPage(pages);
    data.SetAllPages(true);
    return data;
}

// The preview's own Print button prints as File, Print does, from the print
// set-up the view keeps; the preview itself stays on A4.
class CQuorrelPreview : public wxPrintPreview {
public:
    CQuorrelPreview(CQuorrelView* view, wxPrintDialogData* data)
        : wxPrintPreview(new CQuorrelPrintout(view), new CQuorrelPrintout(view), data), m_pView(view) {}

    bool Print(bool) override {
        m_pView->PrintReport(GetFrame());
        return true;
    }

private:
    CQuorrelView* m_pView;
};

}  // namespace

void CQuorrelView::OnFilePrint() { PrintReport(wxGetTopLevelParent(this)); }

void CQuorrelView::PrintReport(wxWindow* parent) {
    wxPrintDialogData data = PageRangeData(*this, m_printData);
    wxPrinter printer(&data);
    CQuorrelPrintout printout(this);
    // The print dialog leaves what was chosen in the toolkit's native print
    // set-up, which every copy of m_printData shares; the next dialog starts
    // from m_printData's own fields, so they take the choice over.
    if (printer.Print(parent, &printout, true)) m_printData.ConvertFromNative();
}

void CQuorrelView::OnFilePrintPreview() {
    wxPrintDialogData data = PageRangeData(*this, wxPrintData());
    auto* preview = new CQuorrelPreview(this, &data);
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
    return m_pView->PrintPageCount(report::kA4HeightMm);
}

void CQuorrelPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = PageCount();
    *pageFrom = 1;
    *pageTo = PageCount();
}

bool CQuorrelPrintout::HasPage(int page) { return page >= 1 && page <= PageCount(); }

void CQuorrelPrintout::OnBeginPrinting() {
    m_nPagesPrinted = 0;
    wxPrintout::OnBeginPrinting();
}

// The report is laid out on A4 whatever the paper: on smaller paper the
// whole page is scaled down to fit, so nothing falls off its edges and the
// pages are the ones the print dialog offered.
bool CQuorrelPrintout::OnPrintPage(int page) {
    if (!GetDC() || !m_pView) return false;
    quorrel::CWxReportDC dc(*this, {10 * report::kA4WidthMm, 10 * report::kA4HeightMm});
    m_pView->OnPrint(dc, page, report::kA4HeightMm);
    ++m_nPagesPrinted;
    return true;
}

// A print job whose pages the user asked for are none of the report's ends
// without a page and without a file: say so once printing is over.
void CQuorrelPrintout::OnEndPrinting() {
    wxPrintout::OnEndPrinting();
    if (IsPreview() || m_nPagesPrinted > 0 || !m_pView) return;
    std::wstring text = quorrel::LoadString(kMsgNothingPrinted);
    const size_t at = text.find(L"%d");
    if (at != std::wstring::npos) text.replace(at, 2, std::to_wstring(PageCount()));
    m_pView->CallAfter([text] { quorrel::ShowMessage(text); });
}
