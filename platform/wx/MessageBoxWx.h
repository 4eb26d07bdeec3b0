// The program's message sink: a modal box over the main window.
#pragma once

namespace quorrel {

// Routes every later ShowMessage to wxMessageBox with the caption "Quorrel",
// the OK button and the exclamation icon (or no icon when asked).
void InstallMessageBoxSink();

}  // namespace quorrel
