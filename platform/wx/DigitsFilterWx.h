// The shared text-change handler that keeps a numeric edit to digits and
// points. Every search page and the illumination data-sheet page bind it
// to their numeric edits.
#pragma once

class wxCommandEvent;
class wxTextCtrl;

namespace quorrel {

// Text-change handler: when the edit's text holds a character other than a
// digit or '.', every occurrence of the first such character is removed and
// the caret put at the end. Writing the shorter text raises the change
// event again, so the next pass removes the next offending character, until
// only digits and points remain.
void OnDigitsOnlyTextChange(wxCommandEvent& event);

// Binds OnDigitsOnlyTextChange to the text changes of `edit`.
void BindDigitsOnlyFilter(wxTextCtrl* edit);

}  // namespace quorrel
