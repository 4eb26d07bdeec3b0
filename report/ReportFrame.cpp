#include "report/ReportFrame.h"

#include <ctime>

#include "platform/Strings.h"

namespace report {

using quorrel::ReportAlign;
using quorrel::ReportDC;
using quorrel::ReportFont;
using quorrel::ReportRect;
using quorrel::ReportSize;

int FontHeight(int points) {
    const int product = points * 254;
    const int rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
    return -rounded;
}

tagReportFonts MakeReportFonts(const std::wstring& language) {
    const bool chinese = language == kChineseLanguage;
    const std::wstring face = chinese ? kChineseFace : kLatinFace;
    // The CJK face sets the same sizes one step smaller.
    auto font = [&](int latinPoints, int chinesePoints, int escapement = 0) {
        return ReportFont{face, FontHeight(chinese ? chinesePoints : latinPoints), escapement};
    };
    return {font(8, 7), font(9, 8), font(12, 10), font(14, 12), font(18, 16), font(9, 8, kDownwardEscapement)};
}

namespace {

// Measures the text and draws it into the measured rectangle, moved so that
// its top lies at y and its left edge, right edge or middle (by `align`) at x.
void DrawPlaced(ReportDC& dc, const std::wstring& text, int x, int y, ReportAlign align) {
    const ReportSize size = dc.MeasureText(text);
    int left = x;
    if (align == ReportAlign::kRight) left = x - size.cx;
    if (align == ReportAlign::kCentre) left = x - size.cx / 2;
    dc.DrawText(text, ReportRect{left, y, left + size.cx, y - size.cy}, align);
}

}  // namespace

void DrawTextAt(ReportDC& dc, const std::wstring& text, int x, int y) {
    DrawPlaced(dc, text, x, y, ReportAlign::kLeft);
}

void DrawTextRightAt(ReportDC& dc, const std::wstring& text, int x, int y) {
    DrawPlaced(dc, text, x, y, ReportAlign::kRight);
}

void DrawTextCentredAt(ReportDC& dc, const std::wstring& text, int cx, int y) {
    DrawPlaced(dc, text, cx, y, ReportAlign::kCentre);
}

std::wstring HeadingText(int stringId) { return L"\u25A0" + quorrel::LoadString(stringId); }

std::wstring SensorSizeLabel(const std::wstring& h, const std::wstring& v) { return h + L"x" + v + L"mm"; }

std::wstring ReportDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    wchar_t text[32] = {};
    std::wcsftime(text, std::size(text), L"%Y/%m/%d", &local);
    return text;
}

void DrawFooter(ReportDC& dc, const tagReportFonts& fonts, const std::wstring& date, const tagFooterLayout& layout) {
    dc.SelectFont(fonts.f9);
    DrawTextAt(dc, quorrel::LoadString(kFooterString), layout.textX, layout.textY);
    DrawTextRightAt(dc, date, layout.dateRight, layout.dateTop);
    dc.SelectPen(kThinPen);
    dc.MoveTo(layout.ruleLeft, layout.ruleY);
    dc.LineTo(layout.ruleRight, layout.ruleY);
}

CReportFrame::CReportFrame(ReportDC& dc, const std::wstring& language, int rows, int threshold, int page,
                           int pageHeightMm, const tagTitleBand& band)
    : m_dc(dc), m_fonts(MakeReportFonts(language)) {
    if (rows > threshold) {
        // Page p shows the band that starts p - 1 page heights further down.
        const quorrel::ReportPoint pageStep = dc.LPtoDP({0, 10 * pageHeightMm});
        dc.SetViewportOrg({0, (page - 1) * pageStep.y});
        m_nTopOfPage2 = -10 * pageHeightMm;
    }

    m_oldFont = dc.GetFont();
    m_oldPen = dc.GetPen();
    m_oldBrush = dc.GetBrush();
    m_oldBkMode = dc.GetBkMode();
    dc.SetBkMode(quorrel::ReportBkMode::kTransparent);

    dc.FillSolidRect(60, -40, band.width, -130, quorrel::kReportBlack);
    dc.SelectFont(m_fonts.f18);
    dc.SetTextColour(quorrel::kReportWhite);
    DrawTextAt(dc, kProductTitle, band.titleX, -70);
    dc.SetTextColour(quorrel::kReportBlack);
}

CReportFrame::~CReportFrame() {
    m_dc.SelectFont(m_oldFont);
    m_dc.SelectBrush(m_oldBrush);
    m_dc.SelectPen(m_oldPen);
    m_dc.SetBkMode(m_oldBkMode);
}

}  // namespace report
