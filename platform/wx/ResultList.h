// The result list of the search pages: a report-style list in virtual mode
// over rows of finished cell texts that the page keeps.
//
// Each row's item data is its insertion number; the rows on screen are a
// table of item data that a header click reorders (the page decides how,
// through its own comparison). Cells are cut to kMaxCellLength characters
// when shown. Clicks, double-clicks, header clicks and selection changes go
// to the page through callbacks.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <wx/listctrl.h>

class wxFont;
class wxImageList;
class wxMouseEvent;

namespace quorrel {

class CResultList : public wxListCtrl {
public:
    // The cell of the row with item data `item` in `column`.
    using CellSource = std::function<const std::wstring&(size_t item, int column)>;
    // The image-list index of the picture before the row's first cell; -1
    // for none.
    using ImageSource = std::function<int(size_t item)>;

    struct Column {
        std::wstring header;
        int width;
    };

    CResultList(wxWindow* parent, const wxPoint& pos, const wxSize& size);

    // Appends centred columns.
    void AddColumns(const std::vector<Column>& columns);

    // Shows `count` rows with item data 0..count-1, in that order, and no
    // selection. The sources are asked for cells while the rows are drawn,
    // so what they read must stay until the next ShowRows or DeleteAllRows.
    void ShowRows(size_t count, CellSource cells, ImageSource images = {});
    void DeleteAllRows();

    // Item data of the row shown at `row`; -1 without such a row.
    long RowItem(long row) const;
    // Cell text of the row shown at `row`; empty without such a cell.
    std::wstring RowText(long row, int column) const;
    // The cells of `column`, by item data (for a column order).
    std::vector<const std::wstring*> ColumnCells(int column) const;

    // The selected row, or -1.
    long SelectedRow() const;
    // Selects and shows `row` (-1: selects none).
    void SelectRow(long row);

    // Reorders the rows with `compare` on their item data (negative: the
    // first goes before the second); the selected row stays selected.
    void SortRows(const std::function<int(size_t, size_t)>& compare);

    // Sets the largest font of the compact list face, from the list's own
    // size down to 7 points, in which every header fits its column. The
    // column widths were made for a compact dialog font, which "Arial"
    // (metric-compatible Liberation Sans here) matches better than the wide
    // desktop faces.
    void FitFontToHeaders();

    std::function<void(long row)> onClick;          // a left click; the row under it or -1
    std::function<void(long row)> onDoubleClick;    // a double click; the row under it or -1
    std::function<void(int column)> onColumnClick;  // a click on a column's header
    std::function<void(long row)> onRowSelected;    // a row became selected

protected:
    wxString OnGetItemText(long item, long column) const override;
    int OnGetItemImage(long item) const override;

private:
    long RowAt(const wxMouseEvent& event) const;
    bool HeadersFit(const wxFont& font) const;

    CellSource m_cells;
    ImageSource m_images;
    std::vector<size_t> m_items;  // item data of each row as shown
};

}  // namespace quorrel
