#include "telecentric/CTKLSpecViewDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

void CTKLSpecViewDlg::CreateControls() {
    AddControl(kModelCombo, new wxChoice(this, wxID_ANY, wxPoint(200, 60), wxSize(200, -1)));
    // The model name stands where the combo is while a lens from the search is shown.
    AddControl(kModelName, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(200, 64),
                                            wxSize(200, -1)))
        ->Hide();
    auto addValue = [this](int id, int x, int y) {
        AddControl(id, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(x, y), wxSize(120, -1)));
    };
    for (int id = kValueFirst; id <= kBarrelLengthHidden; ++id) addValue(id, 200, 100 + 24 * (id - kValueFirst));
    GetControl(kBarrelLengthHidden)->Hide();
    for (int id = kDrawingFirst; id < kDrawingFirst + 5; ++id) addValue(id, 470, 100 + 24 * (id - kDrawingFirst));
    for (int id = kHoldFirst; id < kHoldFirst + 5; ++id) addValue(id, 470, 260 + 24 * (id - kHoldFirst));
    AddControl(kSelectIllumination, new wxButton(this, wxID_ANY, "Select illumination",
                                                 wxPoint(660, 600), wxSize(150, -1)))
        ->Disable();
    AddLogo(kLogo);
}

void CTKLSpecViewDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
}

void CTKLSpecViewDlg::ShowLens(CTKLData* lens) {
    if (!lens) return;
    m_pCurrentLens = lens;
    // Every equal entry is selected in turn; the last one stays selected.
    for (int i = 0; i < ComboGetCount(kModelCombo); ++i)
        if (ComboGetString(kModelCombo, i) == lens->Type) ComboSetCurSel(kModelCombo, i);
    CTKLExtraData* extra = nullptr;
    for (CTKLExtraData* e : m_arrTKLExtraData)
        if (e->LENS_Type == lens->Type && e->REARCON_Type == L"--") {
            extra = e;
            break;
        }
    FillSpec(lens, extra);
}

void CTKLSpecViewDlg::FillSpec(CTKLData* lens, CTKLExtraData* extra) {
    // The data sheet's values come with the page's labels and
    // drawings.
}
