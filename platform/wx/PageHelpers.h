// Helpers every page and report uses.
#pragma once

#include <functional>

class CPage;

// Writes `value` with `decimals` decimals ("%.Nf", always with a decimal
// point) into control `id` of `page`; nothing when the page has no such
// control. Writing an edit raises its change event, as typing does.
void SetDlgItemDouble(CPage& page, int id, int decimals, double value);

// Runs `handler` whenever the user changes the selection of drop-down list
// `id` of `page`, and leaves the keyboard focus where it was before: a
// handler that empties and refills the focused list (or disables and
// re-enables the focused control) would otherwise drop it, because GTK takes
// the focus away from a control that turns insensitive, and an empty list
// greys out its button. The focus goes back only when it was dropped and its
// control can take it again.
void BindSelectionChange(CPage& page, int id, std::function<void()> handler);
