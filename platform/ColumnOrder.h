// How a result list orders its rows on a header click, without a window.
//
// The search pages' lists keep each row's insertion number as its item data
// and sort the item data by the cells of the clicked column. Every click
// flips the page's direction: with direction 0 text columns run from the
// greatest text down, number and rank columns from the smallest value up;
// direction 1 reverses both.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quorrel {

// The longest text a result cell holds.
inline constexpr size_t kMaxCellLength = 63;

// Cuts `text` to what a result cell holds.
void CutToCell(std::wstring& text);

// Compares two texts with the letters A to Z folded to lower case, then by
// character codes: negative, 0 or positive.
int CompareFolded(const std::wstring& a, const std::wstring& b);

enum class ColumnKind {
    kEqual,       // every row compares equal
    kText,        // letters A to Z folded to lower case, then character codes
    kLocaleText,  // case-insensitive under the user's locale
    kNumber,      // the cell's leading number; equal within 1e-9
    kRank,        // a rank the page gives each text
};

// The comparison of one column, with its keys read once: numbers and ranks
// are not read again for every pair the sort compares.
class CColumnOrder {
public:
    using RankOf = std::function<int(const std::wstring&)>;

    CColumnOrder() = default;
    // `cells[item]` is the cell of the row with item data `item`; the texts
    // must outlive the order. `rank` is used by kRank only.
    CColumnOrder(ColumnKind kind, int direction, std::vector<const std::wstring*> cells, const RankOf& rank = {});

    // As a list's sort callback answers: negative when the row with item
    // data `item1` goes before the one with `item2`, 0 when they are equal,
    // positive otherwise. Items without a cell compare equal.
    int Compare(size_t item1, size_t item2) const;

private:
    ColumnKind m_kind = ColumnKind::kEqual;
    int m_direction = 0;
    std::vector<const std::wstring*> m_cells;  // by item data
    std::vector<double> m_keys;                // numbers or ranks, by item data
};

// Sorts `items` (the item data of the rows as shown) by `compare`, keeping
// the order of rows that compare equal.
void SortItems(std::vector<size_t>& items, const std::function<int(size_t, size_t)>& compare);

}  // namespace quorrel
