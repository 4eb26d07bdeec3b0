// Tab 1: the detail calculation page for one lens and one sensor.
#pragma once

#include <string>
#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CCCTVData;
class CCCTVCCDData;

class CDetailCalculationDlg : public CPage {
public:
    static constexpr int IDD = 202;

    // Control ids.
    static constexpr int kManualH = 1126;         // manual sensor width, mm
    static constexpr int kManualV = 1127;         // manual sensor height, mm
    static constexpr int kManualD = 1128;         // manual sensor diagonal, mm
    static constexpr int kManualInput = 1129;     // "Manual input" box
    static constexpr int kInputBoxFirst = 3001;   // boxes 3001..3009 (input kinds, DOF, CoC)
    static constexpr int kRingBox = 3005;         // "Close-Up Ring"
    static constexpr int kDOFBox = 3008;          // "DOF:"
    static constexpr int kCoCBox = 3009;          // "Permissible Circle of Confusion :"
    static constexpr int kMaxFocusDraw = 3016;    // largest focusing-ring position
    static constexpr int kEffectiveFno = 3019;    // effective F-number
    static constexpr int kCoC = 3020;             // circle of confusion
    static constexpr int kLensCombo = 3030;       // lens model
    static constexpr int kRingCombo = 3031;       // close-up ring
    static constexpr int kSensorCombo = 3032;     // sensor format
    static constexpr int kFnoCombo = 3033;        // F-number
    static constexpr int kCommentRing = 3064;     // ring caution
    static constexpr int kCommentFocus = 3065;    // focus caution
    static constexpr int kCommentMount = 3066;    // C-mount warning
    static constexpr int kLogo = 3074;            // page picture
    static constexpr int kSelectIllumination = 3081;
    static constexpr int kWantedDOF = 3219;       // wanted depth of field

    // Resets the page; clears the lens choice too when clearLens is not 0.
    void ClearAll(int clearLens);
    // Selects `model` in the lens combo (first exact match), or nothing.
    void FillLensList(const std::wstring& model);
    // Lists the sensors the selected lens covers and shows the chosen one's
    // sizes (or the given manual sizes).
    void FillSensorList(const std::wstring& model, const std::wstring& sensorText, int manualSensor,
                        double v, double h, double d);
    void FillFnoList(const std::wstring& model);
    void SetupRingControls(double ring);
    // Shows the focus draw range of the last lens named `model`.
    void ShowMaxFocusDraw(const std::wstring& model);
    void CalculateAtMagnification(double magnification);
    // Rebuilds the input bits from the boxes and sets the edits' read-only
    // states; `boxId` is the clicked input box, or 0 for none.
    void ResetControls(int boxId);

    std::vector<CCCTVData*> m_arrLens;       // the main dialog's lenses, catalogue order
    std::vector<CCCTVCCDData*> m_arrSensor;  // sensor formats, catalogue order
    int m_bRingChecked = 0;                  // ring warnings ran in this calculation
    int m_bMountChecked = 0;                 // C-mount test ran in this calculation
    int m_bMarkerMoved = 0;                  // focus marker moved in this calculation
    int m_bRingControls = 1;                 // lens uses close-up rings and a focusing ring
    int m_bSensorVH = 1;                     // sensor height and width are known
    unsigned m_nInputBits = 0;               // ticked input boxes (0x1 = 3001 ... 0x100 = 3009)
    wxBitmap m_hbmpLogo;                     // PNG 300 in picture 3074
    // Hand-over values for the illumination page, mm; -1.0 means none.
    double m_dHandFovH = 0.0;
    double m_dHandFovV = 0.0;
    double m_dHandFovD = 0.0;
    double m_dHandWD = 0.0;
    double m_dHandEffDiameter = 0.0;

protected:
    void CreateControls() override;
    void OnInitDialog() override;

private:
    // The seven input-kind edits, in box order 3001..3007.
    static constexpr int kInputEdits[7] = {3011, 3012, 3013, 3014, 3015, 3017, 3018};
};
