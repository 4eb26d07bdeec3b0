// CQuorrelDlg::DrawTKLReport: reads what the telecentric search page and the
// data-sheet page show, by control id, and draws the report from it.
#include <utility>

#include "app/QuorrelDlg.h"
#include "platform/Strings.h"
#include "report/ReportFrame.h"
#include "report/ReportListRows.h"
#include "report/TKLReport.h"
#include "telecentric/TelecentricSheet.h"

namespace {

using Search = CTklModelSelectionDlg;
using Sheet = CTKLSpecViewDlg;

void ReadSearchPage(const Search& page, report::tagTKLReportInput& in) {
    in.sensorCombo = page.GetItemText(Search::kSensorCombo);
    in.manualH = page.GetItemText(Search::kManualH);
    in.manualV = page.GetItemText(Search::kManualV);
    in.fovV = page.GetItemText(Search::kFovV);
    in.fovH = page.GetItemText(Search::kFovH);
    report::tagReportRows list = report::ReadReportRows(page, Search::kResultList);
    in.rows = std::move(list.rows);
    in.selectedRow = list.selected;
}

void ReadSheetPage(const Sheet& page, report::tagTKLReportInput& in) {
    using namespace tkl_sheet;
    in.model = page.GetItemText(Sheet::kModelCombo);
    in.illumination = page.GetItemText(kIllumination);
    in.magnification = page.GetItemText(kMagnification);
    in.effectiveFno = page.GetItemText(kFeff);
    in.na = page.GetItemText(kNA);
    in.wdOd = page.GetItemText(kWDOD);
    in.oi = page.GetItemText(kOI);
    in.barrelLength = page.GetItemText(kBarrelLength);
    in.dof = page.GetItemText(kDOF);
    in.resolution = page.GetItemText(kResolution);
    in.distortion = page.GetItemText(kDistortion);
    in.imageFormat = page.GetItemText(kImageFormat);
    in.figureOD = page.GetItemText(kFigureOD);
    in.figureWD = page.GetItemText(kFigureWD);
    in.figureLensBack = page.GetItemText(kFigureLensBack);
    in.holdA = page.GetItemText(kHoldA);
    in.holdB = page.GetItemText(kHoldB);
    in.holdC = page.GetItemText(kHoldC);
    in.holdD = page.GetItemText(kHoldD);
    in.holdLength = page.GetItemText(kHoldLength);
}

}  // namespace

void CQuorrelDlg::DrawTKLReport(quorrel::ReportDC& dc, int page, int pageHeightMm) {
    report::tagTKLReportInput in;
    in.language = quorrel::LoadString(report::kLanguageString);
    in.date = report::ReportDate();
    ReadSearchPage(m_dlgTklSelect, in);
    ReadSheetPage(m_dlgTKLSpec, in);
    report::DrawTKLReportPage(dc, in, page, pageHeightMm);
}

int CQuorrelDlg::TKLReportPages(int pageHeightMm) const {
    return report::TKLLayout(m_dlgTklSelect.ListGetItemCount(Search::kResultList), pageHeightMm).pages;
}
