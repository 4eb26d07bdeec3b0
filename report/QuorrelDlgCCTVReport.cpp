// CQuorrelDlg::DrawCCTVReport: reads what the lens search page and the
// detail page show, by control id, and draws the report from it.
#include <utility>

#include "app/QuorrelDlg.h"
#include "optics/CCCTVData.h"
#include "platform/Strings.h"
#include "report/CCTVReport.h"
#include "report/ReportFrame.h"
#include "report/ReportListRows.h"

namespace {

using Search = CCCTVModelSelectionDlg;
using Detail = CDetailCalculationDlg;

void ReadSearchPage(const Search& page, report::tagCCTVReportInput& in) {
    in.sensorCombo = page.GetItemText(Search::kSensorCombo);
    in.manualH = page.GetItemText(Search::kManualH);
    in.manualV = page.GetItemText(Search::kManualV);
    in.manualD = page.GetItemText(Search::kManualD);
    for (int i = 0; i < Search::kQuantityCount; ++i)
        in.conditions[i] = page.IsItemChecked(Search::kQuantityFirst + i);
    for (int i = 0; i < Search::kQuantityCount; ++i) {
        if (!in.conditions[i]) continue;
        in.conditionValue = page.GetItemText(Search::kValueFirst + i);
        break;
    }
    report::tagReportRows list = report::ReadReportRows(page, Search::kResultList);
    in.rows = std::move(list.rows);
    in.selectedRow = list.selected;
}

void ReadDetailPage(const Detail& page, report::tagCCTVReportInput& in) {
    in.lens = page.GetItemText(Detail::kLensCombo);
    in.sensor = page.GetItemText(Detail::kSensorCombo);
    in.ring = page.GetItemText(Detail::kRingCombo);
    in.detailManualH = page.GetItemText(Detail::kManualH);
    in.detailManualV = page.GetItemText(Detail::kManualV);
    in.detailManualD = page.GetItemText(Detail::kManualD);
    in.fovV = page.GetItemText(Detail::kFovV);
    in.fovH = page.GetItemText(Detail::kFovH);
    in.fovD = page.GetItemText(Detail::kFovD);
    in.magnification = page.GetItemText(Detail::kMagnification);
    in.wd = page.GetItemText(Detail::kWD);
    in.objectToImage = page.GetItemText(Detail::kObjectToImage);
    in.effectiveFno = page.GetItemText(Detail::kEffectiveFno);
    in.fno = page.GetItemText(Detail::kFnoCombo);
    in.dof = page.GetItemText(Detail::kWantedDOF);
    in.focusDraw = page.GetItemText(Detail::kFocusPosition);
    in.warnings = {page.GetItemText(Detail::kCommentRing), page.GetItemText(Detail::kCommentMount),
                   page.GetItemText(Detail::kCommentFocus)};
}

}  // namespace

void CQuorrelDlg::DrawCCTVReport(quorrel::ReportDC& dc, int page, int pageHeightMm) {
    report::tagCCTVReportInput in;
    in.language = quorrel::LoadString(report::kLanguageString);
    in.date = report::ReportDate();
    ReadSearchPage(m_dlgCCTVSelect, in);
    ReadDetailPage(m_dlgDetailCalc, in);

    // The focus scale belongs to the lens whose values the detail block
    // prints: the last catalogue lens of the detail page's lens name, as on
    // the detail page's own scale. The highlighted row may be another lens.
    for (const auto& lens : m_arrCCTVData) {
        if (lens->m_strType != in.lens) continue;
        in.hasLens = true;
        in.maxDraw = lens->m_dMaxDraw;
        in.drawoutDirection = lens->m_nDrawoutDirection;
    }
    report::DrawCCTVReportPage(dc, in, page, pageHeightMm);
}

int CQuorrelDlg::CCTVReportPages(int pageHeightMm) const {
    return report::CCTVLayout(m_dlgCCTVSelect.ListGetItemCount(Search::kResultList), pageHeightMm).pages;
}
