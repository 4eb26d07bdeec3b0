#include "lens_selection/CCCTVModelSelectionDlg.h"

#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "platform/Strings.h"

void CCCTVModelSelectionDlg::CreateControls() {
    AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(20, 40), wxSize(220, -1)));
    AddControl(kManualV, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(20, 90),
                                        wxSize(70, -1), wxTE_READONLY));
    AddControl(kManualH, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(100, 90),
                                        wxSize(70, -1), wxTE_READONLY));
    AddControl(kManualD, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(180, 90),
                                        wxSize(70, -1), wxTE_READONLY));
    m_listResult = AddControl(
        kResultList, new wxListCtrl(this, wxID_ANY, wxPoint(20, 330), wxSize(810, 320),
                                    wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES));
    AddLogo(kPicture);
}

void CCCTVModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kPicture)) m_hLogoBitmap = picture->GetBitmap();
    struct Column {
        int stringId;
        int width;
    };
    static constexpr Column kColumns[] = {{20025, 130}, {20026, 95},  {20064, 115}, {20027, 115},
                                          {20068, 115}, {20028, 115}, {20029, 115}, {0, 0}};
    for (const Column& c : kColumns)
        m_listResult->AppendColumn(c.stringId ? wxString(quorrel::LoadString(c.stringId)) : wxString(),
                                   wxLIST_FORMAT_CENTRE, c.width);
}

void CCCTVModelSelectionDlg::ClearAll() {
    ComboSetCurSel(kSensorCombo, -1);
    for (int id = kQuantityFirst; id < kQuantityFirst + 5; ++id) CheckItem(id, false);
    for (int id = kValueFirst; id < kValueFirst + 5; ++id) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    for (int id : {kManualV, kManualH, kManualD}) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    CheckItem(kManualInput, false);
    CheckItem(kRefineWD, false);
    SetItemText(kWDMin, L"");
    SetItemText(kWDMax, L"");
    EnableItem(kSensorCombo, true);
    ListDeleteAllItems(kResultList);
    m_nSortOrder = 0;
    m_nSortColumn = 0;
    m_bManualSensor = 0;
}
