// The bare toolkit window the start-up benchmark measures the program
// against: a frame of the main window's size and style with a menu bar and a
// notebook of eight empty tabs, and nothing else.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/panel.h>

class CBareWindowApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare window", wxDefaultPosition, wxSize(850, 700),
                                  wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
        auto* bar = new wxMenuBar;
        bar->Append(new wxMenu, "File(&F)");
        bar->Append(new wxMenu, "Help(&H)");
        frame->SetMenuBar(bar);
        auto* tabs = new wxNotebook(new wxPanel(frame), wxID_ANY, wxPoint(0, 0), wxSize(850, 700));
        for (int i = 0; i < 8; ++i) tabs->AddPage(new wxPanel(tabs), wxString::Format("Tab %d", i));
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(CBareWindowApp);
