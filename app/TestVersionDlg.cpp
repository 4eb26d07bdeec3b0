#include "app/TestVersionDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

bool CTestVersionDlg::CreateHidden(wxWindow* owner) {
    if (!Create(owner, wxID_ANY, "Test version", wxDefaultPosition, wxDefaultSize, wxCAPTION))
        return false;
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, "Test version"), 0, wxALIGN_CENTER | wxALL, 16);
    SetSizerAndFit(sizer);
    Hide();
    return true;
}
