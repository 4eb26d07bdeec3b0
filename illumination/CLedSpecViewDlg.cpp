#include "illumination/CLedSpecViewDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/DigitsFilterWx.h"
#include "platform/Strings.h"

void CLedSpecViewDlg::CreateControls() {
    AddControl(kModelName, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(20, 40), wxSize(300, -1)));
    // The sheet: three columns of five label/value rows.
    for (int i = 0; i < kSheetRows; ++i) {
        const int x = 20 + 270 * (i / 5);
        const int y = 330 + 26 * (i % 5);
        AddControl(kLabelFirst + i, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(x, y),
                                                     wxSize(150, -1)));
        AddControl(kValueFirst + i, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(x + 160, y),
                                                     wxSize(100, -1)));
    }
    AddControl(kItemCombo, new wxChoice(this, wxID_ANY, wxPoint(20, 500), wxSize(200, -1)));
    AddControl(kCalculation, new wxButton(this, wxID_ANY, "Calculation", wxPoint(240, 500)))->Disable();
    AddControl(kLensSpec, new wxCheckBox(this, wxID_ANY, "Lens spec", wxPoint(20, 560)));
    for (int id : {kLensWD, kEffDiameter}) {
        auto* edit = AddControl(id, new wxTextCtrl(this, wxID_ANY, wxEmptyString,
                                                   wxPoint(120 + 130 * (id - kLensWD), 556), wxSize(90, -1),
                                                   wxTE_RIGHT | wxTE_READONLY));
        quorrel::BindDigitsOnlyFilter(edit);
    }
    AddLogo(kLogo);
}

void CLedSpecViewDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    for (int id : {20141, 20142, 20143, 20144}) ComboAddString(kItemCombo, quorrel::LoadString(id));
}

void CLedSpecViewDlg::ShowLight(CLedData* light, double lensWD, double effectiveDiameter, double fovH,
                                double fovV) {
    if (!light) return;
    m_pCurrentLight = light;
    // The sheet's rows, figures and lens values come with the page's
    // calculation.
}
