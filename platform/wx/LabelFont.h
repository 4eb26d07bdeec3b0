// Labels in a font of their own.
#pragma once

class wxFont;
class wxStaticText;

namespace quorrel {

// Gives `label` `font` and makes it, and the least size a sizer gives it, at
// least as tall as a line of text in that font. A label keeps the height it
// was given for its old font (GTK measures a new font only once the label is
// on screen), and a taller font would lose the parts of the letters below the
// baseline.
void SetLabelFont(wxStaticText& label, const wxFont& font);

}  // namespace quorrel
