// Tab 0: the non-telecentric lens search page.
//
// The user picks a catalogue sensor format or types a sensor size, ticks one
// wanted quantity (vertical, horizontal or diagonal field of view,
// magnification or working distance), types its value, optionally limits
// the working distance to a window and searches. The search itself is
// lens_search::SearchLenses; this page checks the inputs, shows the rows,
// sorts them on a header click and hands a clicked lens to the main dialog.
#pragma once

#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/defs.h>
#include <wx/font.h>

#include "lens_selection/LensSearch.h"
#include "platform/wx/Page.h"

class CCCTVData;
class CCCTVCCDData;
class wxCommandEvent;
class wxKeyEvent;
class wxListCtrl;
class wxListEvent;
class wxMouseEvent;

class CCCTVModelSelectionDlg : public CPage {
public:
    static constexpr int IDD = 201;

    // Control ids.
    static constexpr int kManualInput = 1122;   // "Manual input" box
    static constexpr int kManualV = 1123;       // manual sensor height, mm
    static constexpr int kManualH = 1124;       // manual sensor width, mm
    static constexpr int kManualD = 1125;       // manual sensor diagonal, mm
    static constexpr int kWDMin = 1132;         // working-distance window, lower bound
    static constexpr int kWDMax = 1133;         // working-distance window, upper bound
    static constexpr int kRefineWD = 1134;      // working-distance window on/off
    static constexpr int kQuantityFirst = 2000; // boxes 2000..2004: the wanted quantity
    static constexpr int kValueFirst = 2005;    // edits 2005..2009: its value
    static constexpr int kSensorCombo = 2010;   // catalogue sensor formats
    static constexpr int kLegend = 2016;        // "Index Value (Far~Near)"
    static constexpr int kSearch = 2017;        // "Search"
    static constexpr int kClear = 2018;         // "Clear"
    static constexpr int kResultList = 2019;    // search results
    static constexpr int kPicture = 2020;       // page picture
    static constexpr int kQuantityCount = 5;

    // Resets the page's inputs and results (start-up and File, New).
    void ClearAll();

    // Runs the search and shows its rows in catalogue order. Returns the row
    // count, or -1 when `value` lies within 1e-9 of zero (the list is then
    // left as it is).
    int FillResultList(double D, double H, double V, double value, int kind, double wdMin, double wdMax,
                       int sensorMask);

    // Event handlers, also driven directly by the tests.
    void OnBnClickedInputKind(int id);
    void OnEnChangeManualSensor(int id);
    void OnCbnSelchangeSensor();
    void OnBnClickedManualInput();
    void OnBnClickedRefineWD();
    void OnBnClickedSearch();
    void OnBnClickedClear();
    void OnLvnColumnclickResult(int column);
    // `item` is the row under the mouse, or -1.
    void OnNMClickResult(long item);
    void OnNMDblclkResult(long item);

    // The result list's sort callback: forwards to CompareColumn of the page
    // passed as `page`.
    static int wxCALLBACK CompareItems(wxIntPtr item1, wxIntPtr item2, wxIntPtr page);
    // Compares two rows, found by their item data, in column m_nSortColumn.
    int CompareColumn(wxIntPtr item1, wxIntPtr item2) const;

    // The result list shows the rows of the last search through a table of
    // item data: row `row` on screen is the search's row GetResultItemData
    // (row), its number at insertion. Sorting reorders that table with
    // CompareItems, as sorting a list by callback does; the rows' texts are
    // formatted once, by the search. (A list that stores every cell measures
    // each text as it is set, which costs far more than the search itself.)
    // The item data of row `row`, or -1 without such a row.
    wxIntPtr GetResultItemData(long row) const;
    // The text of `column` in row `row`; empty without such a cell.
    const std::wstring& ResultText(long row, long column) const;

    std::vector<CCCTVData*> m_arrCCTVData;    // the main dialog's lenses, catalogue order
    std::vector<CCCTVCCDData*> m_arrCCDData;  // sensor formats, same order as combo 2010
    wxBitmap m_hLogoBitmap;                   // page picture (PNG 300)
    std::wstring m_strClickedModel;           // model of the last clicked result row
    std::wstring m_strSensorText;             // sensor combo text at the last row click
    std::wstring m_strClickedRing;            // close-up ring of the last clicked row, "%.1f"
    int m_nSortOrder = 0;                     // result sort direction toggle
    int m_nSortColumn = 0;                    // last sorted result column
    int m_nSensorAxes = 0;                    // bit 0 V and H known, bit 1 diagonal only
    int m_bManualSensor = 0;                  // 1 while the sensor size is typed by hand
    wxListCtrl* m_listResult = nullptr;       // control 2019

protected:
    void CreateControls() override;
    void OnInitDialog() override;
    // The result list ends just above the visible bottom of the page.
    void OnVisibleHeightChanged() override;

private:
    // Sort key of one row in the column being sorted.
    struct SortKey {
        const std::wstring* text = nullptr;  // column 0
        double number = 0.0;                 // columns 1..6: the cell's leading number
    };

    void CreateSensorGroup();
    void CreateQuantityGroup();
    void CreateRefineGroup();
    void CreateResultList();

    void FitListFont();
    // Whether every header text, drawn in `font`, fits its own column.
    bool HeadersFit(const wxFont& font) const;

    void OnCharHook(wxKeyEvent& event);
    void OnResultMouseDown(wxMouseEvent& event);
    void OnResultDoubleClick(wxMouseEvent& event);
    long ResultRowAt(const wxMouseEvent& event) const;
    void DeleteResults();
    bool IsValueEdit(const wxWindow* window) const;

    // The key of the row with item data `item` in the sorted column.
    SortKey RowKey(wxIntPtr item) const;
    void BuildSortKeys();
    // Shows the first `count` rows of m_rows in insertion order.
    void ShowRows(size_t count);

    wxWindow* m_pListBody = nullptr;                    // the list's row area (mouse events)
    std::vector<lens_search::tagLensSearchRow> m_rows;  // row texts, by item data
    std::vector<size_t> m_itemData;                     // item data of each row on screen
    std::vector<SortKey> m_sortKeys;                    // keys of the column being sorted, by item data
};
