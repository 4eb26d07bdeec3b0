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

#include "lens_selection/LensSearch.h"
#include "platform/ColumnOrder.h"
#include "platform/wx/Page.h"
#include "platform/wx/ResultList.h"

class CCCTVData;
class CCCTVCCDData;
class wxCommandEvent;
class wxKeyEvent;

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
    static constexpr int kQuantityCount = lens_search::kQuantityCount;

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

    // Compares two rows, found by their item data, in column m_nSortColumn
    // (the list's sort callback during a header click).
    int CompareColumn(size_t item1, size_t item2) const;
    // How column `column` sorts.
    static quorrel::ColumnKind ColumnKind(int column);

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
    quorrel::CResultList* m_listResult = nullptr;  // control 2019

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    void CreateSensorGroup();
    void CreateQuantityGroup();
    void CreateRefineGroup();
    void CreateResultList();

    void OnCharHook(wxKeyEvent& event);
    // The controls the search button looks at.
    lens_search::tagSearchInputs ReadSearchInputs() const;
    void DeleteResults();

    std::vector<lens_search::tagLensSearchRow> m_rows;  // row texts, by item data
    quorrel::CColumnOrder m_order;                      // the order of the last header click
};
