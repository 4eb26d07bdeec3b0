// Tab 6: the illumination search page.
#pragma once

#include <memory>
#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CLedData;
class CLedTypeData;
class CLedColorData;
class wxListCtrl;
class wxRadioButton;

class CLEDModelSelectionDlg : public CPage {
public:
    static constexpr int IDD = 349;

    // Control ids.
    static constexpr int kResultList = 12000;     // search results
    static constexpr int kModeLensSpec = 12003;   // "Search lens specification"
    static constexpr int kModeIllumWD = 12004;    // "Search WD of illumination"
    static constexpr int kFovH = 12005;           // field of view, horizontal, mm
    static constexpr int kFovV = 12006;           // field of view, vertical, mm
    static constexpr int kFovD = 12007;           // field of view, diagonal, mm
    static constexpr int kEffDiameter = 12008;    // lens effective diameter, mm
    static constexpr int kLensWD = 12009;         // lens working distance, mm
    static constexpr int kAreaFirst = 12010;      // lighting area H, V, D: 12010..12012
    static constexpr int kIllumWD = 12013;        // illumination working distance, mm
    static constexpr int kColorFirst = 12015;     // colour and control boxes 12015..12022
    static constexpr int kCurrentLimit = 12023;   // "A and less"
    static constexpr int kPowerLimit = 12024;     // "W and less"
    static constexpr int kLogo = 12025;           // page picture
    static constexpr int kColorAll = 12026;       // colour "ALL"
    static constexpr int kControlAll = 12027;     // control method "ALL"
    static constexpr int kAxisFirst = 12030;      // lighting-area axis boxes 12030..12032

    // Appends the illumination types to the page's type list.
    void SetTypeList(const std::vector<std::unique_ptr<CLedTypeData>>& types);
    // Takes over a lens from a lens page: lens-data mode with its
    // field of view, working distance and effective diameter.
    void SetLensSpec(double fovH, double fovV, double fovD, double lensWD, double effectiveDiameter);
    // Resets the page's inputs and results; the type list keeps its state.
    void ClearAll();
    // Mode choice: 12003 enables the lens inputs, 12004 the lighting inputs.
    void OnBnClickedSearchMode(int id);

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
    wxListCtrl* m_listResult = nullptr;            // control 12000

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    // Unticks both modes: a radio button is unticked by ticking this hidden
    // member of its group.
    wxRadioButton* m_pNoMode = nullptr;
};
