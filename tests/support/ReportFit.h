// Checks of the texts a report fits into the room its layout leaves them
// (report/ReportFrame.h), on the recording surface. For the UI suite only,
// which links the report code: header-only, as the support library itself
// links no toolkit.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/Text.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"

namespace quorrel::test {

// One text from the catalogue or the pages: where the layout anchors it, in
// which font, and the room it may take along its run. Level text runs along
// x; the downward-running text runs along -y from -y, its room then given
// in -y.
struct tagFitCase {
    std::wstring text;
    int x = 0, y = 0;
    ReportAlign align = ReportAlign::kLeft;
    ReportFont font;
    int from = 0, to = 0;  // the room along the run
};

// The text call drawn at the case's anchor: the DrawText call whose top is
// at y and whose left edge, right edge or middle (by align) is at x, or the
// TextOut at (x, y) for downward-running text.
inline const tagReportCall* FindAt(const CRecordingReportDC& dc, const tagFitCase& c) {
    for (const tagReportCall& call : dc.calls) {
        if (call.kind == tagReportCall::kTextOut && c.font.escapement != 0 &&
            call.points.front() == ReportPoint{c.x, c.y})
            return &call;
        if (call.kind != tagReportCall::kText || c.font.escapement != 0 || call.rect.top != c.y ||
            call.align != c.align)
            continue;
        const ReportRect& r = call.rect;
        const int anchor = c.align == ReportAlign::kLeft    ? r.left
                           : c.align == ReportAlign::kRight ? r.right
                                                            : r.left + (r.right - r.left) / 2;
        if (anchor == c.x) return &call;
    }
    return nullptr;
}

// Where a text of `width` lies along the run when placed at the case's anchor.
inline std::pair<int, int> Extent(const tagFitCase& c, int width) {
    const int anchor = c.font.escapement != 0 ? -c.y : c.x;
    int start = anchor;
    if (c.align == ReportAlign::kRight) start = anchor - width;
    if (c.align == ReportAlign::kCentre) start = anchor - width / 2;
    return {start, start + width};
}

// Whether `text` at `points` fits the case's room, kept the report's inset
// from the sides it grows toward.
inline bool FitsAt(const tagFitCase& c, const std::wstring& text, int points) {
    CRecordingReportDC measure;
    measure.SelectFont({c.font.face, report::FontHeight(points), c.font.escapement});
    const auto [start, end] = Extent(c, measure.MeasureText(text).cx);
    return (c.align == ReportAlign::kLeft || start >= c.from + report::kTextInset) &&
           (c.align == ReportAlign::kRight || end <= c.to - report::kTextInset);
}

// The text lies in its room, in its face at no less than 6 pt and at the
// largest size that fits it, and is cut short with "..." only when it does
// not fit at 6 pt.
inline void ExpectFitted(const CRecordingReportDC& dc, const tagFitCase& c) {
    SCOPED_TRACE(ToUtf8(c.text));
    const tagReportCall* call = FindAt(dc, c);
    ASSERT_NE(call, nullptr) << "drawn at its anchor";
    const int points = report::FontPoints(call->font.height);
    const int full = report::FontPoints(c.font.height);
    EXPECT_EQ(call->font, (ReportFont{c.font.face, report::FontHeight(points), c.font.escapement}));
    EXPECT_GE(points, report::kMinTextPoints);
    EXPECT_LE(points, full);

    CRecordingReportDC measure;
    measure.SelectFont(call->font);
    const auto [start, end] = Extent(c, measure.MeasureText(call->text).cx);
    EXPECT_GE(start, c.from);
    EXPECT_LE(end, c.to);

    if (call->text == c.text) {
        if (points < full) {
            EXPECT_FALSE(FitsAt(c, c.text, points + 1)) << "a size larger would fit";
        }
        return;
    }
    const std::wstring mark = report::kCutMark;
    ASSERT_GT(call->text.size(), mark.size());
    EXPECT_EQ(call->text.substr(call->text.size() - mark.size()), mark);
    EXPECT_EQ(c.text.rfind(call->text.substr(0, call->text.size() - mark.size()), 0), 0u) << "its beginning";
    EXPECT_EQ(points, report::kMinTextPoints);
    EXPECT_FALSE(FitsAt(c, c.text, report::kMinTextPoints)) << "cut short though it fits at 6 pt";
}

// The text is drawn as it is, in the case's font, in the rectangle the plain
// placement gives it.
inline void ExpectAsPlaced(const CRecordingReportDC& dc, const tagFitCase& c) {
    SCOPED_TRACE(ToUtf8(c.text));
    const tagReportCall* call = FindAt(dc, c);
    ASSERT_NE(call, nullptr) << "drawn at its anchor";
    EXPECT_EQ(call->text, c.text);
    EXPECT_EQ(call->font, c.font);
    if (call->kind == tagReportCall::kTextOut) return;
    CRecordingReportDC measure;
    measure.SelectFont(c.font);
    const ReportSize size = measure.MeasureText(c.text);
    const auto [start, end] = Extent(c, size.cx);
    EXPECT_EQ(call->rect, (ReportRect{start, c.y, end, c.y - size.cy}));
}

}  // namespace quorrel::test
