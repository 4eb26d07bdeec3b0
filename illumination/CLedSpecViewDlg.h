// Tab 7: the illumination data-sheet page.
//
// Shows one light's figure and its sheet of fifteen rows, and calculates
// from an illumination WD the lighting areas, or from a wanted lighting area
// the illumination working distances, with or without the lens (field of
// view, lens WD, effective diameter) taken into account. The texts and the
// calculation's outcome come from illumination/LedSheet.h.
#pragma once

#include <array>
#include <vector>

#include <wx/bitmap.h>
#include <wx/colour.h>

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
    static constexpr int kFigure = 12104;          // figure of the light's type
    static constexpr int kItemCombo = 12105;       // calculation item
    static constexpr int kLabelFirst = 12150;      // sheet labels 12150..12164
    static constexpr int kValueFirst = 12180;      // sheet values 12180..12194
    static constexpr int kSheetRows = 15;
    static constexpr int kValue = 1208;            // "Value:"
    static constexpr int kCalculation = 12208;     // "Calculation"
    static constexpr int kLensSpec = 12212;        // "Lens spec"
    static constexpr int kLensWD = 12213;          // lens working distance, mm
    static constexpr int kEffDiameter = 12214;     // lens effective diameter, mm
    static constexpr int kFovH = 12215;            // field of view, horizontal, mm
    static constexpr int kFovV = 12216;            // field of view, vertical, mm

    // The figure table covers the type numbers 0 to 12.
    static constexpr int kFigureTypes = 13;
    static constexpr int kFigureWidth = 320;
    static constexpr int kFigureHeight = 240;

    // The page colour; the sheet's labels are white on it.
    static const wxColour kPageColour;

    // Shows the sheet of `light` with the given lens values (-1.0 when not
    // given); a null light does nothing.
    void ShowLight(CLedData* light, double lensWD, double effectiveDiameter, double fovH, double fovV);

    CLedData* m_pCurrentLight = nullptr;           // light shown
    std::vector<CLedTypeData*> m_arrLedTypeData;   // illumination types
    std::vector<CLedColorData*> m_arrLedColorData; // emitted colours
    wxBitmap m_hLogoBitmap;                        // page picture (PNG 300)
    // Figures by type number, [type][0] without and [type][1] with the lens;
    // invalid for a type without a figure.
    std::array<std::array<wxBitmap, 2>, kFigureTypes> m_bmpFigure;

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    // Message handlers.
    void OnBnClickedLensSpec();
    void OnBnClickedCalculation();
    // Gives the sheet's labels their white text on the page colour.
    void OnCtlColor();

    // The current light's figure, with the lens when "Lens spec" is ticked.
    void ShowFigure();
};
