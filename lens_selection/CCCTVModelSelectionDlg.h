// Tab 0: the non-telecentric lens search page.
#pragma once

#include <string>
#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CCCTVData;
class CCCTVCCDData;
class wxListCtrl;

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
    static constexpr int kResultList = 2019;    // search results
    static constexpr int kPicture = 2020;       // page picture

    // Resets the page's inputs and results (start-up and File, New).
    void ClearAll();

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
};
