#include "platform/wx/LabelFont.h"

#include <algorithm>

#include <wx/font.h>
#include <wx/stattext.h>

namespace quorrel {

void SetLabelFont(wxStaticText& label, const wxFont& font) {
    label.SetFont(font);
    // A line is as tall whatever its letters; measured here with the font's
    // own metrics.
    const int height = label.GetTextExtent("Qg").GetHeight();
    label.SetMinSize(wxSize(label.GetMinSize().GetWidth(), height));
    label.SetSize(wxSize(label.GetSize().GetWidth(), std::max(label.GetSize().GetHeight(), height)));
}

}  // namespace quorrel
