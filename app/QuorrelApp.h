// The application object.
#pragma once

#include <wx/app.h>

class CQuorrelApp : public wxApp {
public:
    bool OnInit() override;
};

wxDECLARE_APP(CQuorrelApp);
