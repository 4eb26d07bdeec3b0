// Tab 6: the illumination search page.
//
// The user looks for the lights that fit either a lens (field of view, lens
// working distance and effective diameter, typed or handed over by a lens
// page) or a wanted lighting area at a given illumination working distance,
// refined by type, emitted colour, control method, current and power. The
// search itself is led_search::SearchLights; this page reads its inputs,
// shows the rows, sorts them on a header click, keeps the light of the
// selected row and opens its data sheet on a double click.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>

#include "illumination/LedSearch.h"
#include "platform/ColumnOrder.h"
#include "platform/Strings.h"
#include "platform/wx/Page.h"
#include "platform/wx/ResultList.h"

class CLedData;
class CLedTypeData;
class CLedColorData;
class wxCheckListBox;
class wxRadioButton;
class wxString;

class CLEDModelSelectionDlg : public CPage {
public:
    static constexpr int IDD = 349;

    // Control ids.
    static constexpr int kResultList = 12000;     // search results
    static constexpr int kSearch = 12001;         // "Search"
    static constexpr int kClear = 12002;          // "Clear"
    static constexpr int kModeLensSpec = 12003;   // "Search lens specification"
    static constexpr int kModeIllumWD = 12004;    // "Search WD of illumination"
    static constexpr int kFovH = 12005;           // field of view, horizontal, mm
    static constexpr int kFovV = 12006;           // field of view, vertical, mm
    static constexpr int kFovD = 12007;           // field of view, diagonal, mm
    static constexpr int kEffDiameter = 12008;    // lens effective diameter, mm
    static constexpr int kLensWD = 12009;         // lens working distance, mm
    static constexpr int kAreaFirst = 12010;      // lighting area H, V, D: 12010..12012
    static constexpr int kIllumWD = 12013;        // illumination working distance, mm
    static constexpr int kColorFirst = 12015;     // colour boxes 12015..12020, control boxes 12021, 12022
    static constexpr int kControlFirst = 12021;   // "...(CC)", "...(CV)"
    static constexpr int kCurrentLimit = 12023;   // "A and less"
    static constexpr int kPowerLimit = 12024;     // "W and less"
    static constexpr int kLogo = 12025;           // page picture
    static constexpr int kColorAll = 12026;       // colour "ALL"
    static constexpr int kControlAll = 12027;     // control method "ALL"
    static constexpr int kTypeList = 12028;       // "Illumination Type" check list
    static constexpr int kTypeAll = 12029;        // type "ALL"
    static constexpr int kAxisFirst = 12030;      // lighting-area axis boxes 12030..12032

    // Appends the illumination types to the page's type list, names in the
    // page's language, every type ticked under a ticked "ALL".
    void SetTypeList(const std::vector<std::unique_ptr<CLedTypeData>>& types);
    // Takes over a lens from a lens page: lens-data mode with its
    // field of view, working distance and effective diameter.
    void SetLensSpec(double fovH, double fovV, double fovD, double lensWD, double effectiveDiameter);
    // Resets the page's inputs and results; the type list keeps its state.
    void ClearAll();
    // Runs the search and shows its rows in catalogue order; the row count.
    int FillResultList(const led_search::tagLedSearchRequest& request);

    // Event handlers, also driven directly by the tests.
    void OnBnClickedSearchMode(int id);
    void OnBnClickedAreaAxis(int id);
    void OnBnClickedColorAll();
    void OnBnClickedControlAll();
    void OnBnClickedTypeAll();
    void OnBnClickedSearch();
    void OnBnClickedClear();
    void OnLvnColumnclickResult(int column);
    // `row` is the row that became selected, or the row under the mouse (-1
    // for none).
    void OnLvnItemchangedResult(long row);
    void OnNMDblclkResult(long row);

    // Compares two rows, found by their item data, in column m_nSortColumn
    // (the list's sort callback during a header click).
    int CompareColumn(size_t item1, size_t item2) const;

    std::vector<CLedData*> m_arrLedData;           // the main dialog's illuminations, catalogue order
    std::vector<CLedTypeData*> m_arrLedTypeData;   // illumination types
    std::vector<CLedColorData*> m_arrLedColorData; // emitted colours
    int m_nSortOrder = 0;                          // 0 ascending
    int m_nSortColumn = 0;                         // result column last sorted
    CLedData* m_pCurrentLight = nullptr;           // light of the row last changed in the results
    // Lens values of the last search, mm; -1.0 when not given.
    double m_dLastLensWD = 0.0;
    double m_dLastEffDiameter = 0.0;
    double m_dLastFovH = 0.0;
    double m_dLastFovV = 0.0;
    double m_dLastFovD = 0.0;
    wxBitmap m_hLogoBitmap;                        // page picture (PNG 300)
    quorrel::CResultList* m_listResult = nullptr;  // control 12000
    // The language code of the type and colour names (string 25000).
    std::wstring m_strLanguage = quorrel::LoadString(25000);

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    void CreateLensGroup();
    void CreateIllumWDGroup();
    void CreateTypeGroup();
    void CreateAllGroup(const wxString& title, int x, int width, int allId, int firstId, const wchar_t* const* labels,
                        int count, int perRow, void (CLEDModelSelectionDlg::*onAll)());
    void CreateLimitGroup();
    void CreateResultList();

    void ApplyAll(int allId, int firstId, int count);
    led_search::tagLedSearchInputs ReadInputs() const;
    void KeepLensValues(const led_search::tagLedSearchRequest& request);
    void FitColumns();
    void DeleteResults();

    // Unticks both modes: a radio button is unticked by ticking this hidden
    // member of its group.
    wxRadioButton* m_pNoMode = nullptr;
    wxCheckListBox* m_pTypeList = nullptr;            // control 12028
    std::vector<led_search::tagLedSearchRow> m_rows;  // fitting lights, by item data
    std::vector<led_search::tagLedCells> m_cells;     // their cell texts, by item data
    quorrel::CColumnOrder m_order;                    // the order of the last header click
};
