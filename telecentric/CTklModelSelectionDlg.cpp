#include "telecentric/CTklModelSelectionDlg.h"

#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "platform/wx/DigitsFilterWx.h"
#include "platform/Strings.h"

void CTklModelSelectionDlg::CreateControls() {
    AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(20, 40), wxSize(220, -1)));
    for (int id : {kFovV, kFovH}) {
        auto* edit = AddControl(id, new wxTextCtrl(this, wxID_ANY, wxEmptyString,
                                                   wxPoint(20 + (id - kFovV) * 90, 140), wxSize(80, -1),
                                                   wxTE_RIGHT | wxTE_READONLY));
        quorrel::BindDigitsOnlyFilter(edit);
    }
    m_listResult = AddControl(
        kResultList, new wxListCtrl(this, wxID_ANY, wxPoint(20, 330), wxSize(810, 320),
                                    wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES));
    AddLogo(kLogo);
}

void CTklModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    struct Column {
        int stringId;
        int width;
    };
    static constexpr Column kColumns[] = {{20043, 150}, {20044, 80},  {20045, 90}, {20064, 120},
                                          {20027, 120}, {20028, 120}, {20029, 120}};
    for (const Column& c : kColumns)
        m_listResult->AppendColumn(wxString(quorrel::LoadString(c.stringId)), wxLIST_FORMAT_CENTRE,
                                   c.width);
}

void CTklModelSelectionDlg::ClearAll() {
    ComboSetCurSel(kSensorCombo, -1);
    for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) CheckItem(id, false);
    for (int id : {kFovV, kFovH, kMagnification, kManualV, kManualH, kManualD}) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    CheckItem(kManualInput, false);
    EnableItem(kSensorCombo, true);
    ListDeleteAllItems(kResultList);
    m_nSortOrder = 0;
    m_nSortColumn = 0;
    m_bManualInput = 0;
}
