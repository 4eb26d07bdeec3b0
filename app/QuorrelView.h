// The view: fills the frame's client area and holds the main dialog. It
// answers File, New and the print commands.
#pragma once

#include <wx/panel.h>
#include <wx/print.h>

#include "app/QuorrelDlg.h"
#include "platform/wx/PrintJobFix.h"

class CQuorrelDoc;
namespace quorrel {
class ReportDC;
}

class CQuorrelView : public wxPanel {
public:
    CQuorrelView(wxWindow* frame, CQuorrelDoc* doc);
    ~CQuorrelView() override;

    // First update: creates and shows the main dialog, then fixes the
    // frame's outer size (850 x 700) and title.
    void OnInitialUpdate();
    // File, New: clears every page; no new document is made.
    void OnFileNew();
    // File, Print and File, Print preview of the selected tab's report.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the selected tab's report through the print dialog, over
    // `parent`, starting from the print set-up of the last print.
    void PrintReport(wxWindow* parent);
    // The pages the selected tab's report covers on paper `pageHeightMm`
    // high, from the pages as they are now; a tab without a report prints
    // the announced count (m_nPrintPages) of blank pages.
    int PrintPageCount(int pageHeightMm) const;
    // Draws report page `page` (from 1) for the selected tab.
    void OnPrint(quorrel::ReportDC& dc, int page, int pageHeightMm);

    CQuorrelDoc* GetDocument() const { return m_pDocument; }

    CQuorrelDlg m_dlgMain;  // the main dialog (created by OnInitialUpdate)

private:
    // A new client size (the frame's layout) changes how much of the main
    // dialog shows.
    void OnSize(wxSizeEvent& event);

    CQuorrelDoc* m_pDocument;
    // The printer, paper, orientation and the other settings of the last
    // print, offered again by the next while the program runs.
    wxPrintData m_printData;
    quorrel::CPrintJobFix m_printJobFix;  // GTK print jobs print the pages typed, from the paper's corner
};

// One report print job: every page of the selected tab's report, laid out
// on A4 and fitted to the job's paper, each drawn by the view.
class CQuorrelPrintout : public wxPrintout {
public:
    // "Nothing was printed: ..." with the report's last page.
    static constexpr int kMsgNothingPrinted = 22000;

    explicit CQuorrelPrintout(CQuorrelView* view);

    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    void OnBeginPrinting() override;
    bool OnPrintPage(int page) override;
    void OnEndPrinting() override;

private:
    int PageCount() const;

    CQuorrelView* m_pView;
    int m_nPagesPrinted = 0;  // by the job under way
};
