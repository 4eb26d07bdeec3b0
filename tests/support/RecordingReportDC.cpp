#include "support/RecordingReportDC.h"

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
