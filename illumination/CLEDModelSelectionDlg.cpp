#include "illumination/CLEDModelSelectionDlg.h"

#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "platform/wx/PageHelpers.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/Strings.h"

void CLEDModelSelectionDlg::CreateControls() {
    m_pNoMode = new wxRadioButton(this, wxID_ANY, wxEmptyString, wxPoint(0, 0), wxSize(0, 0), wxRB_GROUP);
    m_pNoMode->Hide();
    auto* lensMode = AddControl(kModeLensSpec, new wxRadioButton(this, wxID_ANY, "Search lens specification",
                                                                 wxPoint(20, 40)));
    auto* illumMode = AddControl(kModeIllumWD, new wxRadioButton(this, wxID_ANY, "Search WD of illumination",
                                                                 wxPoint(20, 200)));
    lensMode->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnBnClickedSearchMode(kModeLensSpec); });
    illumMode->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnBnClickedSearchMode(kModeIllumWD); });
    const int lensEdits[] = {kFovH, kFovV, kFovD, kLensWD, kEffDiameter};
    for (int i = 0; i < 5; ++i) {
        auto* edit = AddControl(lensEdits[i], new wxTextCtrl(this, wxID_ANY, wxEmptyString,
                                                             wxPoint(40 + 90 * i, 70), wxSize(80, -1),
                                                             wxTE_RIGHT));
        quorrel::BindDigitsOnlyFilter(edit);
    }
    m_listResult = AddControl(
        kResultList, new wxListCtrl(this, wxID_ANY, wxPoint(20, 330), wxSize(810, 320),
                                    wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES));
    AddLogo(kLogo);
}

void CLEDModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    struct Column {
        int stringId;
        int width;
    };
    static constexpr Column kColumns[] = {{20124, 130}, {20131, 90},  {20125, 65},
                                          {20126, 115}, {20127, 90},  {20128, 200},
                                          {20129, 115}, {20130, 80},  {0, 0}};
    for (const Column& c : kColumns)
        m_listResult->AppendColumn(c.stringId ? wxString(quorrel::LoadString(c.stringId)) : wxString(),
                                   wxLIST_FORMAT_CENTRE, c.width);
    ClearAll();
}

void CLEDModelSelectionDlg::SetTypeList(const std::vector<std::unique_ptr<CLedTypeData>>& types) {
    for (const auto& type : types) m_arrLedTypeData.push_back(type.get());
    // The type check list with its names comes with the page's search inputs.
}

void CLEDModelSelectionDlg::SetLensSpec(double fovH, double fovV, double fovD, double lensWD,
                                        double effectiveDiameter) {
    ListDeleteAllItems(kResultList);
    m_nSortOrder = 0;
    m_nSortColumn = 0;
    CheckItem(kModeLensSpec, true);
    OnBnClickedSearchMode(kModeLensSpec);
    // A negative value means the lens page has none: its edit stays empty.
    auto show = [this](int id, double value) {
        if (value < 0.0) SetItemText(id, L"");
        else SetDlgItemDouble(*this, id, 2, value);
    };
    show(kFovH, fovH);
    show(kFovV, fovV);
    show(kFovD, fovD);
    show(kLensWD, lensWD);
    show(kEffDiameter, effectiveDiameter);
}

void CLEDModelSelectionDlg::OnBnClickedSearchMode(int id) {
    const bool lensMode = id == kModeLensSpec;
    for (int edit : {kFovH, kFovV, kFovD, kLensWD, kEffDiameter}) EnableItem(edit, lensMode);
    for (int edit = kAreaFirst; edit <= kIllumWD; ++edit) EnableItem(edit, !lensMode);
}

void CLEDModelSelectionDlg::ClearAll() {
    m_pNoMode->SetValue(true);  // neither mode ticked
    CheckItem(kColorAll, true);
    CheckItem(kControlAll, true);
    for (int id = kColorFirst; id < kColorFirst + 8; ++id) {
        CheckItem(id, true);
        EnableItem(id, false);
    }
    for (int id : {kFovH, kFovV, kFovD, kEffDiameter, kLensWD}) {
        SetItemText(id, L"");
        EnableItem(id, true);
    }
    SetItemText(kCurrentLimit, L"");
    SetItemText(kPowerLimit, L"");
    for (int id = kAreaFirst; id <= kIllumWD; ++id) {
        SetItemText(id, L"");
        EnableItem(id, true);
    }
    for (int i = 0; i < 3; ++i) {
        CheckItem(kAxisFirst + i, false);
        SetItemReadOnly(kAreaFirst + i, true);
    }
    ListDeleteAllItems(kResultList);
    m_nSortOrder = 0;
    m_nSortColumn = 0;
}
