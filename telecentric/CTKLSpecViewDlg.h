// Tab 4: the telecentric lens data-sheet page.
//
// Shows the catalogue values of one lens (tkl_sheet::SheetCells) beside its
// dimension drawing and its holding drawing. The lens comes from the search
// page through the main dialog, or from this page's model list; "Select
// illumination" carries it over to the illumination search. The telecentric
// report reads the value cells back by their ids.
#pragma once

#include <vector>

#include <wx/bitmap.h>
#include <wx/colour.h>

#include "platform/wx/Page.h"
#include "telecentric/TelecentricSheet.h"

class CTKLData;
class CTKLExtraData;
class CCCTVCCDData;

class CTKLSpecViewDlg : public CPage {
public:
    static constexpr int IDD = 204;

    // Control ids.
    static constexpr int kSelectIllumination = 1192;  // "Select illumination"
    static constexpr int kLabelFirst = 5000;          // white labels 5000..5010 ("Model" and the values')
    static constexpr int kLabelLast = 5010;
    static constexpr int kModelCombo = 5011;          // model names
    static constexpr int kValueFirst = tkl_sheet::kIllumination;     // values 5012..5021
    static constexpr int kBarrelLengthHidden = tkl_sheet::kBarrelLength;  // for the report (hidden)
    static constexpr int kModelName = 5023;           // model name shown in place of the combo
    static constexpr int kDrawing = 5100;             // dimension drawing (PNG 304)
    static constexpr int kHoldDrawing = 5101;         // holding drawing (PNG 305)
    static constexpr int kLogo = 5217;                // page picture
    static constexpr int kDrawingPng = 304;
    static constexpr int kHoldDrawingPng = 305;

    // The page's face.
    static const wxColour kPageColour;

    // Shows `lens` (null: nothing).
    void ShowLens(CTKLData* lens);
    // Writes the lens's catalogue values into the page; `extra` may be null.
    void FillSpec(CTKLData* lens, CTKLExtraData* extra);

    // Event handlers, also driven directly by the tests.
    void OnCbnSelchangeModel();
    void OnBnClickedSelectIllumination();

    std::vector<CTKLData*> m_arrTKLData;           // the main dialog's telecentric lenses
    std::vector<CTKLExtraData*> m_arrTKLExtraData; // their extra rows, load order
    std::vector<CCCTVCCDData*> m_arrCCDData;       // sensor formats except the last two
    CTKLData* m_pCurrentLens = nullptr;            // lens last shown
    wxBitmap m_hLogoBitmap;                        // page picture (PNG 300)
    wxBitmap m_hDrawingBitmap;                     // dimension drawing (PNG 304)
    wxBitmap m_hHoldBitmap;                        // holding drawing (PNG 305)

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    void CreateSheet();
    void CreateDrawingValues();
};
