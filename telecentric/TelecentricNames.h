// What the telecentric pages read from a model name: whether the lens has
// coaxial illumination, and the nominal magnification its name states.
//
// Three series write the magnification into the name, each in its own way:
//   QEV  between the first "-" and the first "X":  QEV-05X   -> 0.5
//   TKL  between the first "L" and the first "-":  TKL1.5-65 -> 1.5
//   GUX  everything after the first "-":           GUX-05    -> 0.5
// A leading "0" (or any leading non-digit) of the QEV and TKL digits stands
// for "0." unless the digits already hold a point; the GUX digits always get
// a point after their first character.
#pragma once

#include <string>

// True when the name holds a capital "D" anywhere (the coaxial models).
bool ModelNameHasD(const std::wstring& name);

// Writes the nominal magnification of the name into `text` by the rule of
// its series and returns true. A name of no known series, or a QEV or TKL
// name without digits in the right place, returns false and leaves `text` as
// it was. The series is found by searching the name for "QEV", then "TKL",
// then "GUX" (case-sensitive, anywhere in the name).
bool ParseTelecentricMagnification(const std::wstring& name, std::wstring& text);

bool ParseQevMagnification(const std::wstring& name, std::wstring& text);
bool ParseTklMagnification(const std::wstring& name, std::wstring& text);
bool ParseGuxMagnification(const std::wstring& name, std::wstring& text);
