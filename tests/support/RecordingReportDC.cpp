#include "support/RecordingReportDC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace quorrel::test {

const tagReportCall* CRecordingReportDC::FindText(const std::wstring& text) const& {
    for (const tagReportCall& c : calls)
        if ((c.kind == tagReportCall::kText || c.kind == tagReportCall::kTextOut) && c.text == text) return &c;
    return nullptr;
}

int CRecordingReportDC::TextTop(const std::wstring& text) const {
    const tagReportCall* c = FindText(text);
    return c ? c->rect.top : INT_MIN;
}

std::vector<int> CRecordingReportDC::TextTops(const std::wstring& text) const {
    std::vector<int> tops;
    for (const tagReportCall& c : calls)
        if (c.kind == tagReportCall::kText && c.text == text) tops.push_back(c.rect.top);
    return tops;
}

std::vector<tagReportCall> CRecordingReportDC::AcrossPageEdges(int pageHeightMm) const {
    std::vector<tagReportCall> across;
    const int page = 10 * pageHeightMm;
    for (const tagReportCall& c : calls) {
        std::vector<int> ys;
        if (c.kind != tagReportCall::kLine && c.kind != tagReportCall::kPolygon && c.kind != tagReportCall::kTextOut)
            ys = {c.rect.top, c.rect.bottom};
        for (const ReportPoint& p : c.points) ys.push_back(p.y);
        if (ys.empty() || page <= 0) continue;
        const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
        // An edge strictly inside the call's extent.
        for (int edge = -page; edge > *low; edge -= page)
            if (edge < *high) {
                across.push_back(c);
                break;
            }
    }
    return across;
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

std::vector<tagReportCall> CRecordingReportDC::GreyBoxes() const {
    std::vector<tagReportCall> grey;
    for (const tagReportCall& c : calls)
        if (c.kind == tagReportCall::kRectangle && c.brush == ReportBrush::LightGrey()) grey.push_back(c);
    return grey;
}

ReportPoint CRecordingReportDC::LPtoDP(ReportPoint logical) const {
    return {static_cast<int>(std::lround(logical.x * kDevicePerUnit)),
            static_cast<int>(std::lround(-logical.y * kDevicePerUnit))};
}

ReportSize CRecordingReportDC::MeasureText(const std::wstring& text) {
    const int height = std::abs(m_font.height);
    return {static_cast<int>(text.size()) * (height / 2), height + height / 8};
}

}  // namespace quorrel::test
