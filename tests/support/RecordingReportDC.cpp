#include "support/RecordingReportDC.h"

#include <cmath>
#include <cstdlib>

namespace quorrel::test {

const tagReportCall* CRecordingReportDC::FindText(const std::wstring& text) const {
    for (const tagReportCall& c : calls)
        if ((c.kind == tagReportCall::kText || c.kind == tagReportCall::kTextOut) && c.text == text) return &c;
    return nullptr;
}

std::vector<std::wstring> CRecordingReportDC::Texts() const {
    std::vector<std::wstring> texts;
    for (const tagReportCall& c : calls)
        if (c.kind == tagReportCall::kText || c.kind == tagReportCall::kTextOut) texts.push_back(c.text);
    return texts;
}

std::vector<tagReportCall> CRecordingReportDC::Calls(tagReportCall::Kind kind) const {
    std::vector<tagReportCall> found;
    for (const tagReportCall& c : calls)
        if (c.kind == kind) found.push_back(c);
    return found;
}

ReportPoint CRecordingReportDC::LPtoDP(ReportPoint logical) const {
    return {static_cast<int>(std::lround(logical.x * kDevicePerUnit)),
            static_cast<int>(std::lround(-logical.y * kDevicePerUnit))};
}

ReportSize CRecordingReportDC::MeasureText(const std::wstring& text) {
    const int height = std::abs(m_font.height);
    return {static_cast<int>(text.size()) * (height / 2), height + height / 8};
}

tagReportCall& CRecordingReportDC::Add(tagReportCall::Kind kind) {
    tagReportCall& c = calls.emplace_back();
    c.kind = kind;
    c.font = m_font;
    c.pen = m_pen;
    c.brush = m_brush;
    c.textColour = m_textColour;
    c.bkMode = m_bkMode;
    c.viewport = m_viewport;
    return c;
}

void CRecordingReportDC::DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) {
    tagReportCall& c = Add(tagReportCall::kText);
    c.text = text;
    c.rect = rect;
    c.align = align;
}

void CRecordingReportDC::TextOut(int x, int y, const std::wstring& text) {
    tagReportCall& c = Add(tagReportCall::kTextOut);
    c.text = text;
    c.points = {{x, y}};
}

void CRecordingReportDC::LineTo(int x, int y) {
    Add(tagReportCall::kLine).points = {m_position, {x, y}};
    m_position = {x, y};
}

void CRecordingReportDC::Rectangle(int left, int top, int right, int bottom) {
    Add(tagReportCall::kRectangle).rect = {left, top, right, bottom};
}

void CRecordingReportDC::Polygon(const std::vector<ReportPoint>& points) {
    Add(tagReportCall::kPolygon).points = points;
}

void CRecordingReportDC::FillSolidRect(int x, int y, int width, int height, ReportColour colour) {
    tagReportCall& c = Add(tagReportCall::kFill);
    c.rect = {x, y, x + width, y + height};
    c.textColour = colour;
}

void CRecordingReportDC::StretchPicture(int pngId, int x, int y, int width, int height) {
    tagReportCall& c = Add(tagReportCall::kPicture);
    c.pictureId = pngId;
    c.rect = {x, y, x + width, y + height};
}

}  // namespace quorrel::test
