#include "lens_selection/CDetailCalculationDlg.h"

#include <cmath>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "catalogue/CCCTVCCDData.h"
#include "lens_selection/DetailCalculation.h"
#include "lens_selection/LensCatalogueLists.h"
#include "optics/CCCTVData.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"
#include "platform/wx/PageHelpers.h"
#include "platform/wx/PageMessagesWx.h"
#include "platform/wx/PngResource.h"

using namespace detail_calc;

namespace {

// Layout: lens, sensor and aperture inputs on the left; the seven values
// (given or calculated) on the right, with the focusing-ring scale under the
// close-up ring row.
constexpr int kLeftLabel = 20;
constexpr int kLeftField = 130;
constexpr int kRightBox = 390;
constexpr int kRightField = 530;
constexpr int kFieldWidth = 110;
constexpr int kRowV = 40, kRowH = 74, kRowD = 108, kRowM = 142, kRowRing = 176, kRowFocus = 208,
              kRowWD = 256, kRowOI = 290;

// Red for the caution and warning texts.
const wxColour kCautionColour(255, 0, 0);

}  // namespace

// ---- controls -----------------------------------------------------------

wxStaticText* CDetailCalculationDlg::AddLabel(const wxString& text, int x, int y) {
    return new wxStaticText(this, wxID_ANY, text, wxPoint(x, y + 5));
}

wxTextCtrl* CDetailCalculationDlg::AddEdit(int id, int x, int y, int width) {
    return AddControl(id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x, y), wxSize(width, -1),
                                         wxTE_RIGHT));
}

wxCheckBox* CDetailCalculationDlg::AddBox(int id, const wxString& text, int x, int y) {
    return AddControl(id, new wxCheckBox(this, wxID_ANY, text, wxPoint(x, y + 4)));
}

void CDetailCalculationDlg::CreateControls() {
    CreateLensGroup();
    CreateValueGroup();

    // Cautions and warnings, in red.
    const int comments[] = {kCommentRing, kCommentFocus, kCommentMount};
    for (int i = 0; i < 3; ++i) {
        auto* text = AddControl(comments[i], new wxStaticText(this, wxID_ANY, wxEmptyString,
                                                              wxPoint(kLeftLabel, 420 + 22 * i),
                                                              wxSize(810, -1), wxST_NO_AUTORESIZE));
        text->SetForegroundColour(kCautionColour);
    }

    AddPicture(kSpare, kSparePng, 760, 600, 48, 48)->Hide();
    AddLogo(kLogo);
    BindHandlers();
}

void CDetailCalculationDlg::CreateLensGroup() {
    // Title, lens and sensor.
    AddPicture(kTitle, kTitlePng, kLeftLabel, 2, 340, 44);
    AddLabel("Lens", kLeftLabel, 60);
    AddControl(kLensCombo, new wxChoice(this, wxID_ANY, wxPoint(kLeftField, 58), wxSize(230, -1)));
    AddLabel("Sensor Size", kLeftLabel, 98);
    AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(kLeftField, 96), wxSize(230, -1)));
    AddBox(kManualInput, "Manual input", kLeftLabel, 134);
    AddLabel("V", kLeftLabel, 164);
    AddEdit(kManualV, kLeftLabel + 14, 164, 70);
    AddLabel("H", 116, 164);
    AddEdit(kManualH, 130, 164, 70);
    AddLabel("D", 212, 164);
    AddEdit(kManualD, 226, 164, 70);
    AddLabel("mm", 302, 164);

    // Aperture and depth of field.
    AddLabel("F No.", kLeftLabel, 218);
    AddControl(kFnoCombo, new wxComboBox(this, wxID_ANY, wxEmptyString, wxPoint(kLeftField, 214),
                                         wxSize(kFieldWidth, -1)));
    AddLabel("Effective F No.", kLeftLabel, 256);
    AddEdit(kEffectiveFno, kLeftField + 90, 256, kFieldWidth)->SetEditable(false);
    AddBox(kDOFBox, "DOF:", kLeftLabel, 290);
    AddEdit(kWantedDOF, kLeftField + 90, 290, kFieldWidth);
    AddLabel("mm", kLeftField + 90 + kFieldWidth + 6, 290);
    AddBox(kCoCBox, "Permissible Circle of Confusion :", kLeftLabel, 324);
    AddEdit(kCoC, 272, 324, 60);
    AddLabel("mm", 338, 324);

    AddControl(kCalculation, new wxButton(this, wxID_ANY, "Calculation", wxPoint(kLeftLabel, 372),
                                          wxSize(150, -1)));
    AddControl(kSelectIllumination, new wxButton(this, wxID_ANY, "Select illumination",
                                                 wxPoint(190, 372), wxSize(170, -1)))
        ->Disable();
}

void CDetailCalculationDlg::CreateValueGroup() {
    // One row per value: its box, its edit and its unit.
    auto row = [this](int boxId, const wxString& text, int editId, int y, const wxString& unit) {
        AddBox(boxId, text, kRightBox, y);
        AddEdit(editId, kRightField, y, kFieldWidth);
        AddLabel(unit, kRightField + kFieldWidth + 6, y);
    };
    row(kVerticalBox, "Vertical", kFovV, kRowV, "mm");
    row(kHorizontalBox, "Horizontal", kFovH, kRowH, "mm");
    row(kDiagonalBox, "Diagonal", kFovD, kRowD, "mm");
    row(kMagnificationBox, "Magnification", kMagnification, kRowM, "x");
    AddBox(kRingBox, "Close-Up Ring", kRightBox, kRowRing);
    AddControl(kRingCombo, new wxChoice(this, wxID_ANY, wxPoint(kRightField, kRowRing - 3),
                                        wxSize(kFieldWidth, -1)));
    AddLabel("mm", kRightField + kFieldWidth + 6, kRowRing);

    // Focusing ring: the scale is painted at x 400..508, y 210..225; the
    // marker moves along it at y 220.
    AddControl(kNear, new wxStaticText(this, wxID_ANY, "Near", wxPoint(kScaleLeft - 14, kScaleBase + 12)));
    AddControl(kFar, new wxStaticText(this, wxID_ANY, "Far", wxPoint(kScaleRight - 10, kScaleBase + 12)));
    AddPicture(kFocusMarker, kFocusMarkerPng, kMarkerRight, kMarkerY, 11, 12);
    AddEdit(kFocusPosition, kRightField, kRowFocus, kFieldWidth);
    AddLabel("mm", kRightField + kFieldWidth + 6, kRowFocus);
    AddLabel("max", 678, kRowFocus);
    AddEdit(kMaxFocusDraw, 708, kRowFocus, 70)->SetEditable(false);
    AddLabel("mm", 784, kRowFocus);

    row(kWDBox, "WD", kWD, kRowWD, "mm");
    row(kOIBox, "O / I", kObjectToImage, kRowOI, "mm");
}

void CDetailCalculationDlg::BindHandlers() {
    Bind(wxEVT_PAINT, &CDetailCalculationDlg::OnPaint, this);
    for (int id : {kManualH, kManualV, kManualD})
        GetControl(id)->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnEnChangeManualSensor(); });
    for (int id = kVerticalBox; id <= kOIBox; ++id)
        GetControl(id)->Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent&) { OnBnClickedInputKind(id); });
    BindSelectionChange(*this, kLensCombo, [this] { OnCbnSelchangeLens(); });
    BindSelectionChange(*this, kRingCombo, [this] { OnCbnSelchangeRing(); });
    BindSelectionChange(*this, kSensorCombo, [this] { OnCbnSelchangeSensor(); });
    GetControl(kDOFBox)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedDOF(); });
    GetControl(kCoCBox)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedCoC(); });
    GetControl(kFocusPosition)->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnEnChangeFocusPosition(); });
    GetControl(kManualInput)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedManualInput(); });
    GetControl(kCalculation)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedCalculation(); });
    GetControl(kSelectIllumination)->Bind(wxEVT_BUTTON,
                                          [this](wxCommandEvent&) { OnBnClickedSelectIllumination(); });
}

void CDetailCalculationDlg::OnInitDialog() {
    CPage::OnInitDialog();
    auto bitmapOf = [this](int id) {
        auto* picture = GetControlAs<wxStaticBitmap>(id);
        return picture ? picture->GetBitmap() : wxBitmap();
    };
    m_hbmpLogo = bitmapOf(kLogo);
    m_hbmpTitle = bitmapOf(kTitle);
    m_hbmpSpare = bitmapOf(kSpare);
    m_hbmpFocusMarker = bitmapOf(kFocusMarker);

    ComboResetContent(kRingCombo);
    for (const std::wstring& entry : RingEntries(100.0)) ComboAddString(kRingCombo, entry);
    ComboSetCurSel(kRingCombo, -1);
    ComboResetContent(kFnoCombo);
    for (const std::wstring& entry : DefaultFnoEntries()) ComboAddString(kFnoCombo, entry);
    ComboSetCurSel(kFnoCombo, 0);

    CheckItem(kCoCBox, false);
    SetDlgItemDouble(*this, kCoC, 2, 0.04);
    for (int id : {kCommentFocus, kCommentRing, kCommentMount}) SetItemText(id, L"");
    // Every box starts clear, so the edits it unlocks start locked, as a
    // page reset leaves them.
    for (int id : {kManualV, kManualH, kManualD, kWantedDOF, kCoC}) SetItemReadOnly(id, true);
}

// ---- helpers ----------------------------------------------------------------

CCCTVData* CDetailCalculationDlg::SelectedLens() const {
    const int index = ComboGetCurSel(kLensCombo);
    if (index < 0 || index >= static_cast<int>(m_arrLens.size())) return nullptr;
    return m_arrLens[index];
}

std::wstring CDetailCalculationDlg::LensText() const {
    const int index = ComboGetCurSel(kLensCombo);
    return index >= 0 ? ComboGetString(kLensCombo, index) : std::wstring();
}

double CDetailCalculationDlg::ItemNumber(int id) const { return quorrel::ParseLeadingNumber(GetItemText(id)); }

void CDetailCalculationDlg::SetFnoText(const std::wstring& text) {
    const double value = quorrel::ParseLeadingNumber(text);
    const int selected = ComboGetCurSel(kFnoCombo);
    if (selected >= 0 && !text.empty() &&
        IsZero(quorrel::ParseLeadingNumber(ComboGetString(kFnoCombo, selected)) - value))
        return;  // the chosen entry already says it
    SetItemText(kFnoCombo, text);
    if (text.empty()) return;
    for (int i = 0; i < ComboGetCount(kFnoCombo); ++i)
        if (IsZero(quorrel::ParseLeadingNumber(ComboGetString(kFnoCombo, i)) - value)) {
            ComboSetCurSel(kFnoCombo, i);
            return;
        }
}

void CDetailCalculationDlg::Repaint() {
    Refresh(true);
    Update();
}

// ---- operations the main dialog calls ----------------------------------------

void CDetailCalculationDlg::ClearAll(int clearLens) {
    for (int id = kInputBoxFirst; id <= kCoCBox; ++id) CheckItem(id, false);
    m_nInputBits = 0;
    for (int id = kInputBoxFirst; id <= kCoCBox; ++id)
        if (id != kRingBox) EnableItem(id, true);  // the ring box follows SetupRingControls
    for (int id : {kFovV, kFovH, kFovD, kMagnification, kWD, kObjectToImage}) SetItemReadOnly(id, false);
    for (int id : {kFovV, kFovH, kFovD, kMagnification, kFocusPosition, kMaxFocusDraw, kWD, kObjectToImage,
                   kEffectiveFno, kWantedDOF})
        SetItemText(id, L"");
    SetItemText(kCoC, L"0.04");
    for (int id : {kManualH, kManualV, kManualD}) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    CheckItem(kManualInput, false);
    EnableItem(kSensorCombo, true);
    for (int id : {kCommentFocus, kCommentRing, kCommentMount}) SetItemText(id, L"");
    if (clearLens != 0) ComboSetCurSel(kLensCombo, -1);
    ComboSetCurSel(kRingCombo, -1);
    ComboSetCurSel(kSensorCombo, -1);
    ResetControls(0);
    ComboSetCurSel(kFnoCombo, -1);
    m_bRingChecked = 0;
    m_bMountChecked = 0;
    m_bMarkerMoved = 0;
    m_dHandFovH = m_dHandFovV = m_dHandFovD = m_dHandWD = m_dHandEffDiameter = -1.0;
    EnableItem(kSelectIllumination, false);
}

void CDetailCalculationDlg::ResetControls(int boxId) {
    m_nInputBits = 0;
    for (int i = 0; i < 9; ++i)
        if (IsItemChecked(kInputBoxFirst + i)) m_nInputBits |= 1u << i;

    auto editsFollowBoxes = [this] {
        for (int i = 0; i < 7; ++i) SetItemReadOnly(kInputEdits[i], !IsItemChecked(kInputBoxFirst + i));
    };
    if (boxId == 0) {
        if (m_nInputBits & kInputKindBits) editsFollowBoxes();
    } else {
        const bool ticked = IsItemChecked(boxId);
        for (int i = 0; i < 7; ++i) CheckItem(kInputBoxFirst + i, false);
        CheckItem(boxId, ticked);
        if (ticked) {
            editsFollowBoxes();
        } else {
            for (int id : kInputEdits) SetItemReadOnly(id, false);
        }
    }
    SetItemReadOnly(kWantedDOF, !IsItemChecked(kDOFBox));
    SetItemReadOnly(kCoC, !IsItemChecked(kCoCBox));
    m_dHandFovH = m_dHandFovV = m_dHandFovD = m_dHandWD = m_dHandEffDiameter = -1.0;
    EnableItem(kSelectIllumination, false);
}

void CDetailCalculationDlg::FillLensList(const std::wstring& model) {
    const int count = static_cast<int>(m_arrLens.size());
    int index = 0;
    while (index < count && ComboGetString(kLensCombo, index) != model) ++index;
    ComboSetCurSel(kLensCombo, index);  // index == count: no selection
}

void CDetailCalculationDlg::FillSensorList(const std::wstring& model, const std::wstring& sensorText,
                                           int manualSensor, double v, double h, double d) {
    ComboResetContent(kSensorCombo);
    const bool manual = manualSensor == 1;
    CheckItem(kManualInput, manual);
    for (int id : {kManualV, kManualH, kManualD}) SetItemReadOnly(id, !manual);
    EnableItem(kSensorCombo, !manual);

    // Only the sensors the selected lens covers are offered.
    std::vector<std::wstring> entries;
    if (const CCCTVData* lens = SelectedLens())
        for (const CCCTVCCDData* sensor : CoveredSensors(*lens, m_arrSensor)) {
            ComboAddString(kSensorCombo, sensor->m_strType);
            entries.push_back(sensor->m_strType);
        }
    ComboSetCurSel(kSensorCombo, SensorIndexToSelect(entries, sensorText, IsItemChecked(kManualInput)));

    const int selected = ComboGetCurSel(kSensorCombo);
    const std::wstring selectedText = selected >= 0 ? ComboGetString(kSensorCombo, selected) : L"";
    if (selected >= 0) {
        for (const CCCTVCCDData* sensor : m_arrSensor)
            if (sensor->m_strType == selectedText) {
                h = sensor->m_dHorizontal;
                v = sensor->m_dVertical;
                d = sensor->m_dRadial;
                break;
            }
    }
    // A size that formats as "0.00" is not written.
    auto writeSize = [this](int id, double value) {
        if (quorrel::FormatFixed(value, 2) != L"0.00") SetDlgItemDouble(*this, id, 2, value);
    };
    m_bSensorVH = 1;
    if (selectedText.compare(0, 3, L"I/F") == 0) {
        m_bSensorVH = 0;
        SetItemText(kManualV, L"");
        SetItemText(kManualH, L"");
    } else {
        writeSize(kManualV, v);
        writeSize(kManualH, h);
    }
    writeSize(kManualD, d);
}

void CDetailCalculationDlg::FillFnoList(const std::wstring& model) {
    ComboResetContent(kFnoCombo);
    for (const std::wstring& entry : FnoEntries(model)) ComboAddString(kFnoCombo, entry);
    ComboSetCurSel(kFnoCombo, 0);
}

void CDetailCalculationDlg::SetupRingControls(double ring) {
    const std::wstring lensText = LensText();
    m_bRingControls = lens_lists::HasMark(lensText, lens_lists::kNoRingControls) ? 0 : 1;

    if (m_bRingControls == 0) {
        ComboSetCurSel(kRingCombo, 0);
        EnableItem(kRingCombo, false);
        CheckItem(kRingBox, false);
        EnableItem(kRingBox, false);
        for (int id : {kFocusPosition, kMaxFocusDraw}) {
            SetItemText(id, L"--");
            EnableItem(id, false);
        }
        for (int id : {kNear, kFar, kFocusMarker}) ShowItem(id, false);
    } else {
        for (int id : {kRingCombo, kRingBox, kFocusPosition, kMaxFocusDraw}) EnableItem(id, true);
        for (int id : {kNear, kFar, kFocusMarker}) ShowItem(id, true);
        const CCCTVData* lens = SelectedLens();
        ComboResetContent(kRingCombo);
        for (const std::wstring& entry : RingEntries(lens ? lens->m_dMaxRingLength : 100.0))
            ComboAddString(kRingCombo, entry);
    }

    if (lens_lists::HasMark(lensText, lens_lists::kRingControlsDisabled))
        for (int id : {kRingCombo, kRingBox, kFocusPosition}) EnableItem(id, false);

    for (int i = 0; i < ComboGetCount(kRingCombo); ++i)
        if (IsZero(quorrel::ParseLeadingNumber(ComboGetString(kRingCombo, i)) - ring)) {
            ComboSetCurSel(kRingCombo, i);
            CheckRingLimit();
        }
    Repaint();
}

void CDetailCalculationDlg::ShowMaxFocusDraw(const std::wstring& model) {
    double maxDraw = -1.0;
    for (const CCCTVData* lens : m_arrLens)
        if (lens->m_strType == model) maxDraw = lens->m_dMaxDraw;
    if (m_bRingControls == 0)
        SetItemText(kMaxFocusDraw, L"--");
    else if (maxDraw >= 0.0)
        SetDlgItemDouble(*this, kMaxFocusDraw, 3, maxDraw);
    else
        SetItemText(kMaxFocusDraw, L"");
}

void CDetailCalculationDlg::CalculateAtMagnification(double magnification) {
    ResetControls(0);
    m_nInputBits = kBitMagnification;
    if (IsItemChecked(kDOFBox)) m_nInputBits |= kBitDOF;
    if (IsItemChecked(kCoCBox)) m_nInputBits |= kBitCoC;
    CheckItem(kMagnificationBox, true);
    for (int id : {kMagnificationBox, kVerticalBox, kHorizontalBox, kDiagonalBox, kWDBox, kOIBox})
        EnableItem(id, false);
    for (int id : {kFovH, kFovV, kFovD, kMagnification}) SetItemReadOnly(id, true);
    SetDlgItemDouble(*this, kMagnification, 3, magnification);
    for (int id : {kWD, kObjectToImage}) SetItemReadOnly(id, true);
    Calculate();
    Repaint();
}

bool CDetailCalculationDlg::IsMcHrModel(const std::wstring& model) { return detail_calc::IsMcHrModel(model); }

// ---- the calculation ----------------------------------------------------------

void CDetailCalculationDlg::Calculate() {
    // Each warning is shown at most once per calculation.
    m_bRingChecked = m_bMountChecked = m_bMarkerMoved = 0;
    ShowCalculation(DecideCalculation(ReadCalcInputs()));
}

CalcInputs CDetailCalculationDlg::ReadCalcInputs() const {
    CalcInputs in;
    in.lens = SelectedLens();
    in.mcHr = IsMcHrModel(LensText());
    const int sensorIndex = ComboGetCurSel(kSensorCombo);
    in.sensorSelected = sensorIndex >= 0;
    if (in.sensorSelected) {
        const std::wstring name = ComboGetString(kSensorCombo, sensorIndex);
        for (const CCCTVCCDData* sensor : m_arrSensor)
            if (sensor->m_strType == name) {
                in.h = sensor->m_dHorizontal;
                in.v = sensor->m_dVertical;
                in.d = sensor->m_dRadial;
                break;
            }
    } else {
        in.h = ItemNumber(kManualH);
        in.v = ItemNumber(kManualV);
        in.d = ItemNumber(kManualD);
    }
    in.sensorVH = m_bSensorVH == 1;
    in.coc = ItemNumber(kCoC);
    in.fnoSelected = ComboGetCurSel(kFnoCombo);
    in.fnoText = GetItemText(kFnoCombo);
    for (int i = 0; i < ComboGetCount(kFnoCombo); ++i) in.fnoEntries.push_back(ComboGetString(kFnoCombo, i));
    in.bits = m_nInputBits;
    in.wantedDOF = ItemNumber(kWantedDOF);
    for (int i = 0; i < 7; ++i) {
        const std::wstring text = GetItemText(kInputEdits[i]);
        in.values[i] = quorrel::ParseLeadingNumber(text);
        in.readsInfinity[i] = text == L"Infinity";
    }
    in.ring = ItemNumber(kRingCombo);
    return in;
}

void CDetailCalculationDlg::ShowCalculation(const CalcOutcome& o) {
    // The sensor edits and the F-number entry change before any message.
    if (o.sensorEdits != SensorEdits::Keep) m_bSensorVH = o.sensorVH ? 1 : 0;
    if (o.sensorEdits == SensorEdits::WriteDiagonal) {
        SetDlgItemDouble(*this, kManualD, 2, o.d);
    } else if (o.sensorEdits == SensorEdits::EmptyVH) {
        SetItemText(kManualH, L"");
        SetItemText(kManualV, L"");
    }
    if (o.selectFno >= 0) ComboSetCurSel(kFnoCombo, o.selectFno);
    if (o.message != 0) {
        quorrel::ShowMessage(quorrel::LoadString(o.message));
        return;
    }
    if (o.calcMessage != 0) quorrel::ShowMessage(quorrel::LoadString(o.calcMessage));
    if (o.plan.action == Action::InfinityFocus) ShowInfinityFocus(o.mcHr);
    if (o.plan.action == Action::InfinityInput) ShowInfinityInput(o.mcHr);
    if (o.plan.action == Action::RingAtInfinity) ShowRingAtInfinity();
    if (!o.showable) ClearStaleResult(kInputEdits[BoxIndex(o.plan.kind)]);
    RunTail(*SelectedLens(), o.result, o.showable, o.h, o.v, o.d);
}

void CDetailCalculationDlg::ShowRingAtInfinity() {
    SetItemText(kMagnification, L"0");
    for (int id : {kFovD, kFovV, kFovH, kWD, kObjectToImage}) SetItemText(id, L"Infinity");
    SetItemText(kWantedDOF, L"-");
    ComboSetCurSel(kRingCombo, 0);
    SetItemText(kEffectiveFno, ComboGetString(kFnoCombo, 0));
}

void CDetailCalculationDlg::RunTail(const CCCTVData& lens, const tagLensCalcResult& r, bool showable, double H,
                                    double V, double D) {
    if (showable) {
        int tooSmall = 0;
        if (IsFnoTooSmall(m_nInputBits, lens.m_dOpenFno, r.dFno)) {
            quorrel::ShowMessage(quorrel::LoadString(20010));
            tooSmall = 1;
        }
        if (r.dDOF <= 0.0) quorrel::ShowMessage(quorrel::LoadString(20011));
        const Fields f = ResultFields(r, H, V, D, m_bSensorVH == 1);
        ShowResult(f.magnification, f.ring, f.focusDraw, f.fovD, f.fovH, f.fovV, f.objectToImage, f.wd, f.dof,
                   f.effectiveFno, f.fno, tooSmall, f.ringIndex);
        // The fields of view and the working distance go to the illumination
        // search too, when they are numbers (not at infinity, nor an axis the
        // sensor lacks).
        if (f.magnification > kShownMagnification) {
            m_dHandFovD = f.fovD;
            m_dHandFovH = f.hasH ? f.fovH : -1.0;
            m_dHandFovV = f.hasV ? f.fovV : -1.0;
            m_dHandWD = f.wd;
        }
    }
    if (m_bRingChecked == 0) CheckRingLimit();
    if (m_bMountChecked == 0) {
        m_bMountChecked = 1;
        if (showable && IsCMountRingConflict(r.dExtension[0], lens.m_nParamType)) {
            quorrel::ShowMessage(quorrel::LoadString(20012));
            SetItemText(kCommentMount, quorrel::LoadString(20012));
        } else {
            SetItemText(kCommentMount, L"");
        }
    }
    if (m_bMarkerMoved == 0) MoveFocusMarker();
    m_bRingChecked = m_bMountChecked = m_bMarkerMoved = 0;
}

void CDetailCalculationDlg::ClearStaleResult(int inputEdit) {
    for (int id : kInputEdits)
        if (id != inputEdit && !(id == kFocusPosition && m_bRingControls == 0)) SetItemText(id, L"");
    SetItemText(kEffectiveFno, L"");
    if (m_nInputBits & kBitDOF) {
        SetItemText(kFnoCombo, L"");  // a derived F-number
    } else {
        SetItemText(kWantedDOF, L"");
    }
    // The ring is the calculation's answer unless it was the input.
    if (inputEdit != kFocusPosition) {
        ComboSetCurSel(kRingCombo, -1);
        SetItemText(kCommentRing, L"");
        SetItemText(kCommentMount, L"");
    }
}

void CDetailCalculationDlg::ShowResult(double magnification, double ring, double focusDraw, double fovD,
                                       double fovH, double fovV, double objectToImage, double wd, double dof,
                                       double effectiveFno, double fno, int tooSmall, int ringIndex) {
    if (magnification > kShownMagnification) {
        SetDlgItemDouble(*this, kMagnification, 3, magnification);
        SetDlgItemDouble(*this, kFocusPosition, 3, focusDraw);
        SetDlgItemDouble(*this, kFovD, 3, fovD);
        if (m_bSensorVH == 1) {
            // An axis the sensor has no size for stays empty.
            if (fovH != 0.0) SetDlgItemDouble(*this, kFovH, 3, fovH);
            else SetItemText(kFovH, L"");
            if (fovV != 0.0) SetDlgItemDouble(*this, kFovV, 3, fovV);
            else SetItemText(kFovV, L"");
        } else {
            SetItemText(kFovH, L"");
            SetItemText(kFovV, L"");
        }
        SetDlgItemDouble(*this, kObjectToImage, 3, objectToImage);
        SetDlgItemDouble(*this, kWD, 3, wd);
    }
    // The chosen F-number stays selected (SetFnoText keeps it).
    if (!IsItemChecked(kDOFBox))
        SetDlgItemDouble(*this, kEffectiveFno, 3, effectiveFno);
    else
        SetFnoText(quorrel::FormatFixed(fno, 1));

    SetupRingControls(ring);

    if (tooSmall == 0) {
        if (effectiveFno > kShownMagnification) SetDlgItemDouble(*this, kEffectiveFno, 3, effectiveFno);
        if (fno > kShownMagnification) SetFnoText(quorrel::FormatFixed(fno, 1));
    } else {
        SetItemText(kFnoCombo, L"");
        SetItemText(kEffectiveFno, L"");
    }
    if (dof < 0.0) SetItemText(kWantedDOF, L"");
    else SetDlgItemDouble(*this, kWantedDOF, 3, dof);

    if (const CCCTVData* lens = SelectedLens()) {
        m_dHandEffDiameter = lens->m_dEffectiveDiameter;
        EnableItem(kSelectIllumination, true);
    }
}

void CDetailCalculationDlg::ShowInfinityFocus(bool mcHr) {
    SetItemText(kFocusPosition, L"0");
    const wchar_t* far = mcHr ? L"-" : L"Infinity";
    for (int id : {kFovD, kFovV, kFovH, kWD, kObjectToImage}) SetItemText(id, far);
    SetItemText(kWantedDOF, L"-");
    ComboSetCurSel(kFnoCombo, 0);
    ComboSetCurSel(kRingCombo, 0);
    SetItemText(kEffectiveFno, ComboGetString(kFnoCombo, 0));
}

void CDetailCalculationDlg::ShowInfinityInput(bool mcHr) {
    SetItemText(kMagnification, L"0");
    ShowInfinityFocus(mcHr);
}

void CDetailCalculationDlg::CheckRingLimit() {
    m_bRingChecked = 1;
    const int selected = ComboGetCurSel(kRingCombo);
    if (selected < 0) return;
    const std::wstring text = ComboGetString(kRingCombo, selected);
    const double ring = quorrel::ParseLeadingNumber(text);
    const CCCTVData* lens = SelectedLens();
    if (!text.empty()) {
        m_bMountChecked = 1;
        if (lens && IsCMountRingConflict(ring, lens->m_nParamType)) {
            quorrel::ShowMessage(quorrel::LoadString(20012));
            SetItemText(kCommentMount, quorrel::LoadString(20012));
        } else {
            SetItemText(kCommentMount, L"");
        }
    }
    if (!lens) return;
    if (!IsZero(ring) && ring > lens->m_dMaxRingLength) {
        quorrel::ShowMessage(quorrel::LoadString(20013));
        SetItemText(kCommentRing, RingCaution(lens->m_dMaxRingLength));
    } else {
        SetItemText(kCommentRing, L"");
    }
}

void CDetailCalculationDlg::MoveFocusMarker() {
    m_bMarkerMoved = 1;
    const CCCTVData* lens = SelectedLens();
    if (!lens) return;
    const double p = ItemNumber(kFocusPosition);
    const double maxDraw = lens->m_dMaxDraw;
    if (ForcesFocusLimit(maxDraw, p)) {
        SetDlgItemDouble(*this, kFocusPosition, 3, FocusLimit(maxDraw));
        SetItemText(kCommentFocus, L"");
    } else if (p >= 0.0) {
        SetItemText(kCommentFocus, L"");
    }
    if (wxWindow* marker = GetControl(kFocusMarker))
        marker->Move(kMarkerLeft + MarkerOffset(maxDraw, p, lens->m_nDrawoutDirection, kMarkerRight - kMarkerLeft),
                     kMarkerY);
}

// ---- message handlers ----------------------------------------------------------

void CDetailCalculationDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_bRingControls != 1) return;
    dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_SOLID));
    dc.DrawLine(kScaleLeft, kScaleTop, kScaleLeft, kScaleBase);
    dc.DrawLine(kScaleRight, kScaleTop, kScaleRight, kScaleBase);
    dc.DrawLine(kScaleLeft, kScaleBase, kScaleRight, kScaleBase);
}

void CDetailCalculationDlg::OnEnChangeManualSensor() {
    const bool hEmpty = GetItemText(kManualH).empty();
    const bool vEmpty = GetItemText(kManualV).empty();
    const bool dEmpty = GetItemText(kManualD).empty();
    const bool noInput = (m_nInputBits & kInputKindBits) == 0;
    const bool restricted = lens_lists::HasMark(LensText(), lens_lists::kRestrictedFovBoxes);

    if (hEmpty && vEmpty && dEmpty) {
        m_bSensorVH = 1;
        if (noInput) {
            for (int id : {kVerticalBox, kHorizontalBox, kDiagonalBox}) EnableItem(id, true);
            for (int id : {kFovV, kFovH, kFovD}) SetItemReadOnly(id, false);
        }
    } else if (hEmpty && vEmpty) {
        m_bSensorVH = 0;
        if (noInput) {
            EnableItem(kVerticalBox, false);
            EnableItem(kHorizontalBox, false);
            SetItemReadOnly(kFovH, true);
            SetItemReadOnly(kFovV, true);
            EnableItem(kDiagonalBox, true);
            CheckItem(kVerticalBox, false);
            CheckItem(kHorizontalBox, false);
        }
        if (restricted) {
            EnableItem(kDiagonalBox, false);
            SetItemReadOnly(kFovD, false);
        } else {
            EnableItem(kDiagonalBox, true);
        }
    } else {
        m_bSensorVH = 1;
        if (noInput) {
            for (int id : {kVerticalBox, kHorizontalBox, kDiagonalBox}) EnableItem(id, true);
            for (int id : {kFovH, kFovV, kFovD}) SetItemReadOnly(id, false);
        }
        if (ComboGetCount(kSensorCombo) >= 9 && restricted) {
            for (int id : {kVerticalBox, kHorizontalBox, kDiagonalBox}) EnableItem(id, false);
            for (int id : {kFovH, kFovV, kFovD}) SetItemReadOnly(id, true);
        }
    }
}

void CDetailCalculationDlg::OnBnClickedInputKind(int boxId) { ResetControls(boxId); }

void CDetailCalculationDlg::OnCbnSelchangeLens() {
    CCCTVData* lens = SelectedLens();
    if (lens) SetDlgItemDouble(*this, kMaxFocusDraw, 3, lens->m_dMaxDraw);
    const std::wstring lensText = LensText();
    const int sensorIndex = ComboGetCurSel(kSensorCombo);
    const std::wstring sensorText = sensorIndex >= 0 ? ComboGetString(kSensorCombo, sensorIndex) : L"";
    ClearAll(0);
    SetupRingControls(0.0);
    MoveFocusMarker();
    CheckRingLimit();
    FillSensorList(lensText, sensorText, 0, 0.0, 0.0, 0.0);
    ComboResetContent(kFnoCombo);
    if (lens)
        for (int i = 0; i < lens->m_nFnoCount && i < CCCTVData::kMaxFno; ++i)
            ComboAddString(kFnoCombo, lens->m_astrFno[i]);
    ComboSetCurSel(kFnoCombo, 0);
    ShowMaxFocusDraw(lensText);
    if (lens)
        if (const FixedMagnification fixed = FixedMagnificationOf(*lens, true); fixed.isFixed)
            CalculateAtMagnification(fixed.magnification);
}

void CDetailCalculationDlg::OnCbnSelchangeRing() {
    if (ComboGetCurSel(kRingCombo) >= 0) CheckRingLimit();
}

void CDetailCalculationDlg::OnCbnSelchangeSensor() {
    const std::wstring lensText = LensText();
    const int sensorIndex = ComboGetCurSel(kSensorCombo);
    const std::wstring sensorText = sensorIndex >= 0 ? ComboGetString(kSensorCombo, sensorIndex) : L"";
    FillSensorList(lensText, sensorText, 0, 0.0, 0.0, 0.0);
    if (const CCCTVData* lens = SelectedLens())
        if (const FixedMagnification fixed = FixedMagnificationOf(*lens, true); fixed.isFixed)
            CalculateAtMagnification(fixed.magnification);
}

void CDetailCalculationDlg::OnBnClickedDOF() {
    if (IsItemChecked(kDOFBox)) {
        SetItemText(kFnoCombo, L"");
        SetItemReadOnly(kWantedDOF, false);
        SetItemText(kEffectiveFno, L"");
        m_nInputBits |= kBitDOF;
    } else {
        ComboSetCurSel(kFnoCombo, 0);
        SetItemText(kEffectiveFno, L"");
        SetItemReadOnly(kWantedDOF, true);
        SetItemText(kWantedDOF, L"");
        m_nInputBits &= ~static_cast<unsigned>(kBitDOF);
    }
}

void CDetailCalculationDlg::OnBnClickedCoC() {
    if (IsItemChecked(kCoCBox)) {
        SetItemReadOnly(kCoC, false);
        m_nInputBits |= kBitCoC;
    } else {
        SetItemReadOnly(kCoC, true);
        SetItemText(kCoC, L"0.04");
        m_nInputBits &= ~static_cast<unsigned>(kBitCoC);
    }
}

void CDetailCalculationDlg::OnEnChangeFocusPosition() { MoveFocusMarker(); }

void CDetailCalculationDlg::OnBnClickedManualInput() {
    if (IsItemChecked(kManualInput)) {
        EnableItem(kSensorCombo, false);
        ComboSetCurSel(kSensorCombo, -1);
        for (int id : {kManualV, kManualH, kManualD}) SetItemReadOnly(id, false);
    } else {
        EnableItem(kSensorCombo, true);
        for (int id : {kManualV, kManualH, kManualD}) {
            SetItemReadOnly(id, true);
            SetItemText(id, L"");
        }
    }
}

void CDetailCalculationDlg::OnBnClickedCalculation() {
    ResetControls(0);
    Calculate();
    Repaint();
}

void CDetailCalculationDlg::OnBnClickedSelectIllumination() { quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1); }
