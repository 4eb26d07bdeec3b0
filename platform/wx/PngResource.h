// Pictures from the program's own resources.
#pragma once

#include <wx/bitmap.h>

class wxTopLevelWindow;

namespace quorrel {

// Decodes PNG resource `id` into a bitmap. Any failure (no such id, bytes
// that do not decode) gives an invalid bitmap and reports nothing. Each call
// decodes afresh; the caller keeps the bitmap as long as it needs it.
wxBitmap LoadPngResource(int id);

// The program's icon, PNG resource 128.
constexpr int kAppIconPng = 128;

// Gives `window` the program's icon; nothing when the picture does not
// decode.
void SetAppIcon(wxTopLevelWindow& window);

}  // namespace quorrel
