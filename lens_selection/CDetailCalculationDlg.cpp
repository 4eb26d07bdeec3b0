#include "lens_selection/CDetailCalculationDlg.h"

#include <wx/choice.h>
#include <wx/statbmp.h>

#include "app/PageHelpers.h"
#include "catalogue/CCCTVCCDData.h"
#include "optics/CCCTVData.h"
#include "platform/Numbers.h"

void CDetailCalculationDlg::CreateControls() {
    AddControl(kLensCombo, new wxChoice(this, wxID_ANY, wxPoint(20, 40), wxSize(220, -1)));
    AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(20, 90), wxSize(220, -1)));
    AddLogo(kLogo);
}

void CDetailCalculationDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hbmpLogo = picture->GetBitmap();
}

void CDetailCalculationDlg::ClearAll(int clearLens) {
    for (int id = kInputBoxFirst; id <= kCoCBox; ++id) CheckItem(id, false);
    m_nInputBits = 0;
    for (int id = kInputBoxFirst; id <= kCoCBox; ++id)
        if (id != kRingBox) EnableItem(id, true);  // the ring box follows SetupRingControls
    for (int id : {3011, 3012, 3013, 3014, 3017, 3018}) SetItemReadOnly(id, false);
    for (int id : {3011, 3012, 3013, 3014, 3015, kMaxFocusDraw, 3017, 3018, kEffectiveFno, kWantedDOF})
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
        if (m_nInputBits & 0x7f) editsFollowBoxes();
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
    const int lensIndex = ComboGetCurSel(kLensCombo);
    if (lensIndex >= 0 && lensIndex < static_cast<int>(m_arrLens.size())) {
        const CCCTVData* lens = m_arrLens[lensIndex];
        for (const CCCTVCCDData* sensor : m_arrSensor)
            if (sensor->m_dRadial <= lens->m_dImageCircle &&
                (sensor->m_nSpecialFlag & lens->m_nSpecialFlag) != 0)
                ComboAddString(kSensorCombo, sensor->m_strType);
    }

    int select = -1;
    for (int i = 0; i < ComboGetCount(kSensorCombo); ++i)
        if (ComboGetString(kSensorCombo, i) == sensorText) select = i;
    if (select < 0 && !manual) select = 0;
    ComboSetCurSel(kSensorCombo, select);

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
    // The built-in F-number lists come with the page's calculation
    // controls; until then the F-number combo is left as it is.
}

void CDetailCalculationDlg::SetupRingControls(double ring) {
    // The close-up ring controls come with the page's calculation controls.
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
    // The calculation run comes with the page's result display.
}
