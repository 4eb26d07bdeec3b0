// The notice window: created hidden by the main dialog, never shown.
#pragma once

#include <wx/dialog.h>

class CTestVersionDlg : public wxDialog {
public:
    static constexpr int IDD = 367;

    CTestVersionDlg() = default;
    // Creates the window as a hidden popup owned by `owner`.
    bool CreateHidden(wxWindow* owner);
};
