#include "platform/ColumnOrder.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/Numbers.h"

namespace quorrel {

namespace {

// Numbers closer than this compare equal.
constexpr double kEqualWithin = 1e-9;

wchar_t FoldAsciiLetter(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

}  // namespace

int CompareFolded(const std::wstring& a, const std::wstring& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = FoldAsciiLetter(a[i]), y = FoldAsciiLetter(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

void CutToCell(std::wstring& text) {
    if (text.size() > kMaxCellLength) text.resize(kMaxCellLength);
}

CColumnOrder::CColumnOrder(ColumnKind kind, int direction, std::vector<const std::wstring*> cells,
                           const RankOf& rank)
    : m_kind(kind), m_direction(direction), m_cells(std::move(cells)) {
    if (m_kind == ColumnKind::kRank && !rank) m_kind = ColumnKind::kEqual;
    if (m_kind != ColumnKind::kNumber && m_kind != ColumnKind::kRank) return;
    m_keys.resize(m_cells.size(), 0.0);
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (!m_cells[i]) continue;
        m_keys[i] = m_kind == ColumnKind::kNumber ? ParseLeadingNumber(*m_cells[i]) : rank(*m_cells[i]);
    }
}

int CColumnOrder::Compare(size_t item1, size_t item2) const {
    if (m_kind == ColumnKind::kEqual || item1 >= m_cells.size() || item2 >= m_cells.size() || !m_cells[item1] ||
        !m_cells[item2])
        return 0;
    switch (m_kind) {
    case ColumnKind::kText:
    case ColumnKind::kLocaleText: {
        // Direction 0 compares the second text against the first: the
        // greatest text comes first.
        const std::wstring& a = m_direction == 0 ? *m_cells[item2] : *m_cells[item1];
        const std::wstring& b = m_direction == 0 ? *m_cells[item1] : *m_cells[item2];
        return m_kind == ColumnKind::kText ? CompareFolded(a, b) : wcscasecmp(a.c_str(), b.c_str());
    }
    case ColumnKind::kNumber:
    case ColumnKind::kRank: {
        const double a = m_keys[item1], b = m_keys[item2];
        if (m_direction == 0 ? a < b : a > b) return -1;
        const double tolerance = m_kind == ColumnKind::kNumber ? kEqualWithin : 0.0;
        return std::fabs(a - b) > tolerance ? 1 : 0;
    }
    case ColumnKind::kEqual:
        break;
    }
    return 0;
}

void SortItems(std::vector<size_t>& items, const std::function<int(size_t, size_t)>& compare) {
    std::stable_sort(items.begin(), items.end(), [&compare](size_t a, size_t b) { return compare(a, b) < 0; });
}

}  // namespace quorrel
