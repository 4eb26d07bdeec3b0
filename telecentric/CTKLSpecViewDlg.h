// Tab 4: the telecentric lens data-sheet page.
#pragma once

#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CTKLData;
class CTKLExtraData;
class CCCTVCCDData;

class CTKLSpecViewDlg : public CPage {
public:
    static constexpr int IDD = 204;

    // Control ids.
    static constexpr int kSelectIllumination = 1192;  // "Select illumination"
    static constexpr int kModelCombo = 5011;          // model names
    static constexpr int kValueFirst = 5012;          // values 5012..5022
    static constexpr int kBarrelLengthHidden = 5022;  // barrel length for the report (hidden)
    static constexpr int kModelName = 5023;           // model name shown in place of the combo
    static constexpr int kDrawingFirst = 5113;        // drawing values 5113..5117
    static constexpr int kHoldFirst = 5212;           // hold values 5212..5216
    static constexpr int kLogo = 5217;                // page picture

    // Shows `lens` (null: nothing).
    void ShowLens(CTKLData* lens);
    // Writes the lens's catalogue values into the page.
    void FillSpec(CTKLData* lens, CTKLExtraData* extra);

    std::vector<CTKLData*> m_arrTKLData;           // the main dialog's telecentric lenses
    std::vector<CTKLExtraData*> m_arrTKLExtraData; // their extra rows, load order
    std::vector<CCCTVCCDData*> m_arrCCDData;       // sensor formats except the last two
    CTKLData* m_pCurrentLens = nullptr;            // lens last shown
    wxBitmap m_hLogoBitmap;                        // page picture (PNG 300)

protected:
    void CreateControls() override;
    void OnInitDialog() override;
};
