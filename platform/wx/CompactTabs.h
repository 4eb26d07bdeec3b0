// A tab strip that fits many long labels into the fixed-width window.
#pragma once

#include <vector>

#include <wx/string.h>

class wxNotebook;

namespace quorrel {

// Prepares `notebook` for the tab labels `labels` within `width` pixels:
// under GTK 3 the tabs get narrow padding (the desktop theme's own padding
// would not let eight tabs fit), and the labels get Liberation Sans (the
// metric twin of Arial) at the largest size from 9 pt down to 7 pt, in half
// points, at which they fit. Call before adding the pages. Returns false
// when the padding could not be set (the font is set in any case).
bool MakeTabsCompact(wxNotebook* notebook, const std::vector<wxString>& labels, int width);

}  // namespace quorrel
