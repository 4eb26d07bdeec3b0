#include "platform/wx/MessageBoxWx.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "platform/Message.h"

namespace quorrel {

void InstallMessageBoxSink() {
    SetMessageSink([](const std::wstring& text, MessageIcon icon) {
        const long style = wxOK | (icon == MessageIcon::Exclamation ? wxICON_EXCLAMATION : wxICON_NONE);
        wxWindow* parent = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
        wxMessageBox(wxString(text), "Quorrel", style, parent);
    });
}

}  // namespace quorrel
