// The application object.
#pragma once

#include <wx/app.h>

class CQuorrelApp : public wxApp {
public:
    CQuorrelApp();

    // Start-up: locale, message box sink, main window.
    bool OnInit() override;
    // Help, "Version information": the about window, modal.
    void OnAppAbout(wxCommandEvent& event);
};

wxDECLARE_APP(CQuorrelApp);
