#include "app/QuorrelApp.h"

#include <wx/frame.h>

bool CQuorrelApp::OnInit() {
    if (!wxApp::OnInit()) return false;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Quorrel", wxDefaultPosition, wxSize(850, 700),
                              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
    frame->Show();
    return true;
}
