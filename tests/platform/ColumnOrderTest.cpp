// How a result list orders its rows on a header click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ColumnOrder.h"

using quorrel::CColumnOrder;
using quorrel::ColumnKind;

namespace {

// The item data of `cells` after one sort by `kind` in `direction`.
std::vector<size_t> Sorted(const std::vector<std::wstring>& cells, ColumnKind kind, int direction,
                           const CColumnOrder::RankOf& rank = {}) {
    std::vector<const std::wstring*> pointers;
    for (const std::wstring& c : cells) pointers.push_back(&c);
    const CColumnOrder order(kind, direction, pointers, rank);
    std::vector<size_t> items;
    for (size_t i = 0; i < cells.size(); ++i) items.push_back(i);
    quorrel::SortItems(items, [&order](size_t a, size_t b) { return order.Compare(a, b); });
    return items;
}

int SizeRank(const std::wstring& text) {
    static const std::vector<std::wstring> known = {L"S", L"M", L"L"};
    for (size_t i = 0; i < known.size(); ++i)
        if (known[i] == text) return static_cast<int>(i);
    return static_cast<int>(known.size());  // unknown labels after the known ones
}

}  // namespace

TEST(ColumnOrder, EachKindOrdersItsColumnAndTheSecondDirectionReverses) {
    struct Case {
        ColumnKind kind;
        std::vector<std::wstring> cells;
        std::vector<size_t> direction0, direction1;
    };
    const Case cases[] = {
        // Text: direction 0 from the greatest text down; letters compare
        // without case; "b" and "B" are equal and keep their order.
        {ColumnKind::kText, {L"b", L"a", L"C", L"B"}, {2, 0, 3, 1}, {1, 0, 3, 2}},
        {ColumnKind::kLocaleText, {L"b", L"a", L"C", L"B"}, {2, 0, 3, 1}, {1, 0, 3, 2}},
        // Numbers: the leading number of "value(far-near)", "--" as 0;
        // direction 0 from the smallest up.
        {ColumnKind::kNumber, {L"10.5(9-12)", L"--", L"2.25", L"-1"}, {3, 1, 2, 0}, {0, 2, 1, 3}},
        // Equal numbers keep their order in both directions.
        {ColumnKind::kNumber, {L"5.00(4-6)", L"5", L"4"}, {2, 0, 1}, {0, 1, 2}},
        // Ranks given by the page; unknown labels rank after the known.
        {ColumnKind::kRank, {L"L", L"XL", L"S", L"M"}, {2, 3, 0, 1}, {1, 0, 3, 2}},
        // Equal: nothing moves.
        {ColumnKind::kEqual, {L"b", L"a", L"c"}, {0, 1, 2}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(Sorted(c.cells, c.kind, 0, SizeRank), c.direction0);
        EXPECT_EQ(Sorted(c.cells, c.kind, 1, SizeRank), c.direction1);
    }
}

TEST(ColumnOrder, ItemsWithoutACellCompareEqual) {
    const std::wstring one = L"1";
    const CColumnOrder order(ColumnKind::kNumber, 0, {&one, nullptr});
    EXPECT_EQ(order.Compare(0, 1), 0);
    EXPECT_EQ(order.Compare(0, 7), 0);
    EXPECT_EQ(CColumnOrder(ColumnKind::kRank, 0, {&one, &one}).Compare(0, 1), 0) << "a rank column without ranks";
}

TEST(ColumnOrder, CellsAreCutTo63Characters) {
    std::wstring text(70, L'x');
    quorrel::CutToCell(text);
    EXPECT_EQ(text.size(), 63u);
    std::wstring shortText = L"abc";
    quorrel::CutToCell(shortText);
    EXPECT_EQ(shortText, L"abc");
}
