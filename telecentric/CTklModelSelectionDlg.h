// Tab 3: the telecentric lens search page.
//
// The user picks a catalogue sensor format or types a sensor size, ticks
// one given quantity (vertical or horizontal field of view, or the
// magnification), types its value and searches. The decision is
// tkl_search::PlanSearch and the rows are tkl_search::SearchTelecentric;
// this page reads its controls, writes back what the plan says, shows the
// rows, sorts them on a header click and opens a double-clicked lens on
// tab 4.
#pragma once

#include <vector>

#include <wx/bitmap.h>

#include "platform/ColumnOrder.h"
#include "platform/wx/Page.h"
#include "platform/wx/ResultList.h"
#include "telecentric/TelecentricSearch.h"

class CTKLData;
class CCCTVCCDData;
class wxKeyEvent;

class CTklModelSelectionDlg : public CPage {
public:
    static constexpr int IDD = 203;

    // Control ids.
    static constexpr int kManualInput = 1130;    // "Manual input" box
    static constexpr int kManualH = 1131;        // manual sensor width, mm
    static constexpr int kManualV = 1132;        // manual sensor height, mm
    static constexpr int kManualD = 1133;        // manual sensor diagonal, mm
    static constexpr int kQuantityFirst = 4000;  // boxes 4000..4002: the given quantity
    static constexpr int kFovV = 4003;           // vertical field of view, mm
    static constexpr int kFovH = 4004;           // horizontal field of view, mm
    static constexpr int kMagnification = 4005;  // magnification, x
    static constexpr int kSensorCombo = 4006;    // catalogue sensor formats
    static constexpr int kSearch = 4012;         // "Search"
    static constexpr int kClear = 4013;          // "Clear"
    static constexpr int kResultList = 4014;     // search results
    static constexpr int kLogo = 4019;           // page picture
    static constexpr int kValueFirst = kFovV;    // edits 4003..4005, in box order

    // Resets the page's inputs and results; the current lens stays.
    void ClearAll();

    // Searches for magnification m on a sensor D x V x H with the
    // sensor-class bits `mask` and shows the rows in catalogue order.
    // Returns the row count, or -1 when m lies within 1e-9 of zero (the list
    // is then left as it is).
    int FillResultList(double m, double D, double V, double H, int mask);

    // Event handlers, also driven directly by the tests.
    void OnBnClickedInputKind(int id);
    void OnCbnSelchangeSensor();
    void OnBnClickedManualInput();
    void OnBnClickedSearch();
    void OnBnClickedClear();
    void OnLvnColumnclickResult(int column);
    // `row` is the row that became selected.
    void OnLvnItemchangedResult(long row);
    // `row` is the row under the mouse, or -1.
    void OnNMDblclkResult(long row);

    // Compares two rows, found by their item data, in column m_nSortColumn
    // (the list's sort callback during a header click).
    int CompareColumn(size_t item1, size_t item2) const;

    std::vector<CTKLData*> m_arrTKLData;      // the main dialog's telecentric lenses, catalogue order
    std::vector<CCCTVCCDData*> m_arrCCDData;  // sensor formats, combo order
    CTKLData* m_pCurrentLens = nullptr;       // lens of the row last changed in the results
    wxBitmap m_hLogoBitmap;                   // page picture (PNG 300)
    int m_nSortOrder = 0;                     // 0 ascending, 1 descending
    int m_nSortColumn = 0;                    // result column last sorted
    int m_bManualInput = 0;                   // 1 while the sensor size is typed by hand
    quorrel::CResultList* m_listResult = nullptr;  // control 4014

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    void CreateSensorGroup();
    void CreateQuantityGroup();
    void CreateResultList();

    void OnCharHook(wxKeyEvent& event);
    tkl_search::tagTklSearchInput ReadSearchInput() const;
    void ShowPlan(const tkl_search::tagTklSearchPlan& plan);
    void DeleteResults();

    std::vector<tkl_search::tagTklSearchRow> m_rows;  // row texts, by item data
    quorrel::CColumnOrder m_order;                    // the order of the last header click
};
