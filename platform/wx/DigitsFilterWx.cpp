#include "platform/wx/DigitsFilterWx.h"

#include <algorithm>

#include <wx/textctrl.h>

#include "platform/DigitsFilter.h"

namespace quorrel {

namespace {
void PlaceCaret(wxTextCtrl* edit, long position) {
    const long caret = std::min(position, edit->GetLastPosition());
    edit->SetSelection(caret, caret);
    edit->ShowPosition(caret);
}
}  // namespace

void OnDigitsOnlyTextChange(wxCommandEvent& event) {
    auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (!edit) return;
    const std::wstring text = edit->GetValue().ToStdWstring();
    const long length = static_cast<long>(text.size());
    const std::wstring filtered = StripNonNumeric(text);
    if (filtered == text) return;
    edit->SetValue(filtered);  // runs the next pass before returning
    // The old length, clamped to the shorter text: the caret ends up at the end.
    PlaceCaret(edit, length);
    // GTK puts the caret behind the inserted text once this handler has
    // returned; place it again after that.
    edit->CallAfter([edit, length] { PlaceCaret(edit, length); });
}

void BindDigitsOnlyFilter(wxTextCtrl* edit) {
    if (edit) edit->Bind(wxEVT_TEXT, &OnDigitsOnlyTextChange);
}

}  // namespace quorrel
