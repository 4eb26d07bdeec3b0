// Tab 7: the illumination data-sheet page.
#pragma once

#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CLedData;
class CLedTypeData;
class CLedColorData;

class CLedSpecViewDlg : public CPage {
public:
    static constexpr int IDD = 350;

    // Control ids.
    static constexpr int kLogo = 12100;            // page picture
    static constexpr int kModelName = 12103;       // product name
    static constexpr int kItemCombo = 12105;       // calculation item
    static constexpr int kLabelFirst = 12150;      // sheet labels 12150..12164
    static constexpr int kValueFirst = 12180;      // sheet values 12180..12194
    static constexpr int kSheetRows = 15;
    static constexpr int kCalculation = 12208;     // "Calculation"
    static constexpr int kLensSpec = 12212;        // "Lens spec"
    static constexpr int kLensWD = 12213;          // lens working distance, mm
    static constexpr int kEffDiameter = 12214;     // lens effective diameter, mm

    // Shows the sheet of `light` with the given lens values (-1.0 when not
    // given); a null light does nothing.
    void ShowLight(CLedData* light, double lensWD, double effectiveDiameter, double fovH, double fovV);

    CLedData* m_pCurrentLight = nullptr;           // light shown
    std::vector<CLedTypeData*> m_arrLedTypeData;   // illumination types
    std::vector<CLedColorData*> m_arrLedColorData; // emitted colours
    wxBitmap m_hLogoBitmap;                        // page picture (PNG 300)

protected:
    void CreateControls() override;
    void OnInitDialog() override;
};
