// Tab 3: the telecentric lens search page.
#pragma once

#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CTKLData;
class CCCTVCCDData;
class wxListCtrl;

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
    static constexpr int kResultList = 4014;     // search results
    static constexpr int kLogo = 4019;           // page picture

    // Resets the page's inputs and results; the current lens stays.
    void ClearAll();

    std::vector<CTKLData*> m_arrTKLData;      // the main dialog's telecentric lenses, catalogue order
    std::vector<CCCTVCCDData*> m_arrCCDData;  // sensor formats, combo order
    CTKLData* m_pCurrentLens = nullptr;       // lens of the row last changed in the results
    wxBitmap m_hLogoBitmap;                   // page picture (PNG 300)
    int m_nSortOrder = 0;                     // 0 ascending, 1 descending
    int m_nSortColumn = 0;                    // result column last sorted
    int m_bManualInput = 0;                   // 1 while the sensor size is typed by hand
    wxListCtrl* m_listResult = nullptr;       // control 4014

protected:
    void CreateControls() override;
    void OnInitDialog() override;
};
