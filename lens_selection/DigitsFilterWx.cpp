#include "lens_selection/DigitsFilterWx.h"

#include <algorithm>

#include <wx/textctrl.h>

#include "lens_selection/DigitsFilter.h"

namespace quorrel {

void OnDigitsOnlyTextChange(wxCommandEvent& event) {
    auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (!edit) return;
    const std::wstring text = edit->GetValue().ToStdWstring();
    const long length = static_cast<long>(text.size());
    const std::wstring filtered = StripNonNumeric(text);
    if (filtered == text) return;
    edit->SetValue(filtered);  // runs the next pass before returning
    // The old length, clamped to the shorter text: the caret ends up at the end.
    const long caret = std::min(length, edit->GetLastPosition());
    edit->SetSelection(caret, caret);
    edit->ShowPosition(caret);
}

void BindDigitsOnlyFilter(wxTextCtrl* edit) {
    if (edit) edit->Bind(wxEVT_TEXT, &OnDigitsOnlyTextChange);
}

}  // namespace quorrel
