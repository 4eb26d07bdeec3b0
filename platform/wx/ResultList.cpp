#include "platform/wx/ResultList.h"

#include <algorithm>

#include <wx/font.h>

#include "platform/ColumnOrder.h"

namespace quorrel {

namespace {

// The room a header keeps beside its text: 5 pixels on either side.
constexpr int kHeaderPadding = 10;
// The list's face, and the smallest size it shrinks to: at 7 points the
// longest headers of the search pages fit their columns.
constexpr const char* kListFace = "Arial";
constexpr int kSmallestPoints = 7;

const std::wstring kNoText;

}  // namespace

CResultList::CResultList(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxListCtrl(parent, wxID_ANY, pos, size, wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES) {
    // A click in the header beyond the last column reports column -1: it
    // sorts nothing.
    Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& e) {
        if (e.GetColumn() >= 0 && onColumnClick) onColumnClick(e.GetColumn());
    });
    Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) {
        if (onRowSelected) onRowSelected(e.GetIndex());
        e.Skip();
    });
    // The rows are drawn, and clicked, in the window the list scrolls.
    // Every click counts, also one on the row already selected, so the
    // mouse is watched there rather than the selection.
    wxWindow* body = GetTargetWindow();
    body->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
        if (onClick) onClick(RowAt(e));
        e.Skip();  // the list selects the row as usual
    });
    body->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
        if (onDoubleClick) onDoubleClick(RowAt(e));
        e.Skip();
    });
}

void CResultList::AddColumns(const std::vector<Column>& columns) {
    // New columns may make the list ask for more room; it keeps its size.
    const wxSize size = GetSize();
    for (const Column& c : columns) AppendColumn(wxString(c.header), wxLIST_FORMAT_CENTRE, c.width);
    SetSize(size);
}

void CResultList::ShowRows(size_t count, CellSource cells, ImageSource images) {
    DeleteAllRows();
    m_cells = std::move(cells);
    m_images = std::move(images);
    m_items.resize(count);
    for (size_t i = 0; i < count; ++i) m_items[i] = i;
    SetItemCount(static_cast<long>(count));
    Refresh();
}

void CResultList::DeleteAllRows() {
    DeleteAllItems();
    m_items.clear();
    m_cells = nullptr;
    m_images = nullptr;
}

long CResultList::RowItem(long row) const {
    if (row < 0 || static_cast<size_t>(row) >= m_items.size()) return -1;
    return static_cast<long>(m_items[static_cast<size_t>(row)]);
}

std::wstring CResultList::RowText(long row, int column) const {
    const long item = RowItem(row);
    if (item < 0 || column < 0 || column >= GetColumnCount() || !m_cells) return {};
    std::wstring text = m_cells(static_cast<size_t>(item), column);
    CutToCell(text);
    return text;
}

std::vector<const std::wstring*> CResultList::ColumnCells(int column) const {
    std::vector<const std::wstring*> cells(m_items.size(), nullptr);
    if (column < 0 || column >= GetColumnCount() || !m_cells) return cells;
    for (size_t item = 0; item < cells.size(); ++item) cells[item] = &m_cells(item, column);
    return cells;
}

wxString CResultList::OnGetItemText(long row, long column) const {
    return wxString(RowText(row, static_cast<int>(column)));
}

int CResultList::OnGetItemImage(long row) const {
    const long item = RowItem(row);
    return item >= 0 && m_images ? m_images(static_cast<size_t>(item)) : -1;
}

long CResultList::SelectedRow() const { return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

void CResultList::SelectRow(long row) {
    const long selected = SelectedRow();
    if (selected >= 0) SetItemState(selected, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    if (row < 0 || row >= GetItemCount()) return;
    SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    EnsureVisible(row);
}

void CResultList::SortRows(const std::function<int(size_t, size_t)>& compare) {
    const long selectedItem = RowItem(SelectedRow());
    quorrel::SortItems(m_items, compare);
    if (selectedItem >= 0) {
        const auto it = std::find(m_items.begin(), m_items.end(), static_cast<size_t>(selectedItem));
        SelectRow(static_cast<long>(it - m_items.begin()));
    }
    Refresh();
}

long CResultList::RowAt(const wxMouseEvent& event) const {
    int flags = 0;
    const long row = HitTest(event.GetPosition(), flags);
    return row >= 0 && (flags & wxLIST_HITTEST_ONITEM) ? row : -1;
}

// The column widths suit the header texts in a compact dialog font. The
// list takes the largest font, down to a floor, in which every header fits
// its own column, so that the headers and the usual value cells can be read.
void CResultList::FitFontToHeaders() {
    wxFont font(wxFontInfo(GetFont().GetPointSize()).FaceName(kListFace));
    while (!HeadersFit(font) && font.GetPointSize() > kSmallestPoints) font.SetPointSize(font.GetPointSize() - 1);
    SetFont(font);
}

bool CResultList::HeadersFit(const wxFont& font) const {
    for (int c = 0; c < GetColumnCount(); ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        GetColumn(c, column);
        if (column.GetText().empty()) continue;
        int width = 0;
        GetTextExtent(column.GetText(), &width, nullptr, nullptr, nullptr, &font);
        if (width > GetColumnWidth(c) - kHeaderPadding) return false;
    }
    return true;
}

}  // namespace quorrel
