// Tab 1: the detail calculation page for one lens and one sensor.
//
// The user gives exactly one wanted value (a field of view, the
// magnification, a close-up ring with its focusing-ring position, the
// working distance or the object-to-image distance), an F-number or a wanted
// depth of field and a circle of confusion; "Calculation" shows the whole
// optical result in the same edits, with the close-up ring, the effective
// F-number, the depth of field, the ring and mount warnings and the focus
// marker on the focusing-ring scale. The decisions that need no window are
// in lens_selection/DetailCalculation.h.
#pragma once

#include <string>
#include <vector>

#include <wx/bitmap.h>

#include "platform/wx/Page.h"

class CCCTVData;
class CCCTVCCDData;
class wxCheckBox;
class wxPaintEvent;
class wxStaticText;
class wxString;
class wxTextCtrl;
struct tagLensCalcResult;
namespace detail_calc {
struct CalcInputs;
struct CalcOutcome;
}  // namespace detail_calc

class CDetailCalculationDlg : public CPage {
public:
    static constexpr int IDD = 202;

    // Control ids.
    static constexpr int kManualH = 1126;         // manual sensor width, mm
    static constexpr int kManualV = 1127;         // manual sensor height, mm
    static constexpr int kManualD = 1128;         // manual sensor diagonal, mm
    static constexpr int kManualInput = 1129;     // "Manual input" box
    static constexpr int kInputBoxFirst = 3001;   // boxes 3001..3009 (input kinds, DOF, CoC)
    static constexpr int kVerticalBox = 3001;     // "Vertical"
    static constexpr int kHorizontalBox = 3002;   // "Horizontal"
    static constexpr int kDiagonalBox = 3003;     // "Diagonal"
    static constexpr int kMagnificationBox = 3004;  // "Magnification"
    static constexpr int kRingBox = 3005;         // "Close-Up Ring"
    static constexpr int kWDBox = 3006;           // "WD"
    static constexpr int kOIBox = 3007;           // "O / I"
    static constexpr int kDOFBox = 3008;          // "DOF:"
    static constexpr int kCoCBox = 3009;          // "Permissible Circle of Confusion :"
    static constexpr int kFovV = 3011;            // vertical field of view, mm
    static constexpr int kFovH = 3012;            // horizontal field of view, mm
    static constexpr int kFovD = 3013;            // diagonal field of view, mm
    static constexpr int kMagnification = 3014;   // magnification
    static constexpr int kFocusPosition = 3015;   // focusing-ring position (focus draw), mm
    static constexpr int kMaxFocusDraw = 3016;    // largest focusing-ring position
    static constexpr int kWD = 3017;              // working distance, mm
    static constexpr int kObjectToImage = 3018;   // object-to-image distance, mm
    static constexpr int kEffectiveFno = 3019;    // effective F-number
    static constexpr int kCoC = 3020;             // circle of confusion
    static constexpr int kLensCombo = 3030;       // lens model
    static constexpr int kRingCombo = 3031;       // close-up ring
    static constexpr int kSensorCombo = 3032;     // sensor format
    static constexpr int kFnoCombo = 3033;        // F-number
    static constexpr int kNear = 3062;            // "Near"
    static constexpr int kFar = 3063;             // "Far"
    static constexpr int kCommentRing = 3064;     // ring caution
    static constexpr int kCommentFocus = 3065;    // focus caution
    static constexpr int kCommentMount = 3066;    // C-mount warning
    static constexpr int kFocusMarker = 3070;     // marker on the focusing-ring scale
    static constexpr int kSpare = 3072;           // hidden picture
    static constexpr int kTitle = 3073;           // page title picture
    static constexpr int kLogo = 3074;            // page picture
    static constexpr int kCalculation = 3080;
    static constexpr int kSelectIllumination = 3081;
    static constexpr int kWantedDOF = 3219;       // wanted depth of field / depth of field

    static constexpr int kTitlePng = 301;
    static constexpr int kFocusMarkerPng = 302;

    // The focusing-ring scale the page draws, and its marker's travel
    // (pixels).
    static constexpr int kMarkerLeft = 395;   // marker x at the scale's left end
    static constexpr int kMarkerRight = 503;  // marker x at the scale's right end
    static constexpr int kMarkerY = 220;
    static constexpr int kScaleLeft = 400;
    static constexpr int kScaleRight = 508;
    static constexpr int kScaleTop = 210;
    static constexpr int kScaleBase = 225;
    static constexpr int kSparePng = 303;

    // Resets the page; clears the lens choice too when clearLens is not 0.
    void ClearAll(int clearLens);
    // Selects `model` in the lens combo (first exact match), or nothing.
    void FillLensList(const std::wstring& model);
    // Lists the sensors the selected lens covers and shows the chosen one's
    // sizes (or the given manual sizes).
    void FillSensorList(const std::wstring& model, const std::wstring& sensorText, int manualSensor,
                        double v, double h, double d);
    // Offers the model's built-in F-numbers (or the default list), the first
    // selected.
    void FillFnoList(const std::wstring& model);
    // Shows or hides the close-up ring controls for the chosen lens, refills
    // the ring list and selects `ring`.
    void SetupRingControls(double ring);
    // Shows the focus draw range of the last lens named `model`.
    void ShowMaxFocusDraw(const std::wstring& model);
    // Calculates from magnification `magnification` with the other input
    // boxes locked (fixed-magnification lenses).
    void CalculateAtMagnification(double magnification);
    // Rebuilds the input bits from the boxes and sets the edits' read-only
    // states; `boxId` is the clicked input box, or 0 for none.
    void ResetControls(int boxId);

    // The calculation run and its parts.
    void Calculate();
    void ShowResult(double magnification, double ring, double focusDraw, double fovD, double fovH,
                    double fovV, double objectToImage, double wd, double dof, double effectiveFno,
                    double fno, int tooSmall, int ringIndex);
    void ShowInfinityFocus(bool mcHr);
    void ShowInfinityInput(bool mcHr);
    void CheckRingLimit();
    void MoveFocusMarker();
    static bool IsMcHrModel(const std::wstring& model);

    std::vector<CCCTVData*> m_arrLens;       // the main dialog's lenses, catalogue order
    std::vector<CCCTVCCDData*> m_arrSensor;  // sensor formats, catalogue order
    int m_bRingChecked = 0;                  // ring warnings ran in this calculation
    int m_bMountChecked = 0;                 // C-mount test ran in this calculation
    int m_bMarkerMoved = 0;                  // focus marker moved in this calculation
    int m_bRingControls = 1;                 // lens uses close-up rings and a focusing ring
    int m_bSensorVH = 1;                     // sensor height and width are known
    unsigned m_nInputBits = 0;               // ticked input boxes (0x1 = 3001 ... 0x100 = 3009)
    wxBitmap m_hbmpTitle;                    // PNG 301 in picture 3073
    wxBitmap m_hbmpLogo;                     // PNG 300 in picture 3074
    wxBitmap m_hbmpFocusMarker;              // PNG 302 in picture 3070
    wxBitmap m_hbmpSpare;                    // PNG 303 in picture 3072 (hidden)
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
    // The controls, in the page's two halves, and the message map.
    void CreateLensGroup();
    void CreateValueGroup();
    void BindHandlers();
    wxStaticText* AddLabel(const wxString& text, int x, int y);
    wxTextCtrl* AddEdit(int id, int x, int y, int width);
    wxCheckBox* AddBox(int id, const wxString& text, int x, int y);

    // Message handlers.
    void OnPaint(wxPaintEvent& event);
    void OnEnChangeManualSensor();
    void OnBnClickedInputKind(int boxId);
    void OnCbnSelchangeLens();
    void OnCbnSelchangeRing();
    void OnCbnSelchangeSensor();
    void OnBnClickedDOF();
    void OnBnClickedCoC();
    void OnEnChangeFocusPosition();
    void OnBnClickedManualInput();
    void OnBnClickedCalculation();
    void OnBnClickedSelectIllumination();

    // The selected lens, or null.
    CCCTVData* SelectedLens() const;
    std::wstring LensText() const;
    // Reads an edit or combo text as a number (0 when it holds none).
    double ItemNumber(int id) const;
    // Writes the F-number into the F-number combo; an entry of that value
    // stays (or becomes) the selected one.
    void SetFnoText(const std::wstring& text);
    // The run: the controls it reads, and what it shows of its outcome.
    detail_calc::CalcInputs ReadCalcInputs() const;
    void ShowCalculation(const detail_calc::CalcOutcome& outcome);
    // The fills of a lens focused at infinity without a ring.
    void ShowRingAtInfinity();
    // The end of every calculation on `lens` (the one Calculate checked):
    // messages about the depth of field, the result, the ring and mount
    // warnings and the focus marker.
    void RunTail(const CCCTVData& lens, const tagLensCalcResult& r, bool showable, double h, double v,
                 double d);
    // After a calculation without a configuration: empties what would look
    // like its result, keeping this run's own inputs.
    void ClearStaleResult(int inputEdit);
    void Repaint();

    // The seven input-kind edits, in box order 3001..3007.
    static constexpr int kInputEdits[7] = {kFovV, kFovH, kFovD, kMagnification, kFocusPosition, kWD,
                                           kObjectToImage};
};
