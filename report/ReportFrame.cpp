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

int FontPoints(int height) {
    const int units = height < 0 ? -height : height;
    return (units * 72 + 127) / 254;
}

namespace {

// The rectangle of a text of `size` placed at (x, y): its top at y and its
// left edge, right edge or middle (by `align`) at x.
ReportRect Placed(const ReportSize& size, int x, int y, ReportAlign align) {
    int left = x;
    if (align == ReportAlign::kRight) left = x - size.cx;
    if (align == ReportAlign::kCentre) left = x - size.cx / 2;
    return ReportRect{left, y, left + size.cx, y - size.cy};
}

// Measures the text and draws it into the measured rectangle placed at (x, y).
ReportRect DrawPlaced(ReportDC& dc, const std::wstring& text, int x, int y, ReportAlign align) {
    const ReportRect rect = Placed(dc.MeasureText(text), x, y, align);
    dc.DrawText(text, rect, align);
    return rect;
}

// The text as it will be drawn and its size in the font left selected.
struct tagFitted {
    std::wstring text;
    ReportSize size;
    bool fits = false;
};

// The text in the DC's font when `fits` accepts its size; else in the
// largest smaller size down to kMinTextPoints that it accepts; else the
// longest beginning of it with the cut mark, at kMinTextPoints. The font of
// the answer is left selected. A text that fits as it is costs one
// measurement, as the plain placement does.
template <typename Fits>
tagFitted Fit(ReportDC& dc, const std::wstring& text, const Fits& fits) {
    ReportSize size = dc.MeasureText(text);
    if (fits(size)) return {text, size, true};

    ReportFont font = dc.GetFont();
    const int points = FontPoints(font.height);
    for (int p = points - 1; p >= kMinTextPoints; --p) {
        font.height = FontHeight(p);
        dc.SelectFont(font);
        size = dc.MeasureText(text);
        if (fits(size)) return {text, size, true};
    }
    // Cut short at the smallest size (or the font's own, were it smaller).
    for (size_t n = text.size(); n-- > 0;) {
        std::wstring cut = text.substr(0, n);
        while (!cut.empty() && cut.back() == L' ') cut.pop_back();
        cut += kCutMark;
        size = dc.MeasureText(cut);
        if (fits(size)) return {cut, size, true};
    }
    return {L"", ReportSize{0, dc.MeasureText(L"").cy}, false};
}

}  // namespace

ReportRect DrawTextAt(ReportDC& dc, const std::wstring& text, int x, int y) {
    return DrawPlaced(dc, text, x, y, ReportAlign::kLeft);
}

ReportRect DrawTextRightAt(ReportDC& dc, const std::wstring& text, int x, int y) {
    return DrawPlaced(dc, text, x, y, ReportAlign::kRight);
}

ReportRect DrawTextCentredAt(ReportDC& dc, const std::wstring& text, int cx, int y) {
    return DrawPlaced(dc, text, cx, y, ReportAlign::kCentre);
}

ReportRect DrawFittedText(ReportDC& dc, const std::wstring& text, int x, int y, ReportAlign align,
                          const tagTextRoom& room) {
    const ReportFont font = dc.GetFont();
    const tagFitted fitted = Fit(dc, text, [&](const ReportSize& size) {
        const ReportRect rect = Placed(size, x, y, align);
        return (align == ReportAlign::kLeft || rect.left >= room.left + kTextInset) &&
               (align == ReportAlign::kRight || rect.right <= room.right - kTextInset);
    });
    const ReportRect rect = Placed(fitted.size, x, y, align);
    if (fitted.fits) dc.DrawText(fitted.text, rect, align);
    if (!(dc.GetFont() == font)) dc.SelectFont(font);
    return rect;
}

void TextOutFitted(ReportDC& dc, int x, int y, const std::wstring& text, int bottom) {
    const ReportFont font = dc.GetFont();
    const tagFitted fitted =
        Fit(dc, text, [&](const ReportSize& size) { return y - size.cx >= bottom + kTextInset; });
    if (fitted.fits) dc.TextOut(x, y, fitted.text);
    if (!(dc.GetFont() == font)) dc.SelectFont(font);
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
