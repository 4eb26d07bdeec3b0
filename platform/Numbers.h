// Number reading and formatting that never depends on the user's locale.
//
// Catalogue parameter strings, typed edits and every displayed value use the
// decimal point, whatever locale the process runs under, so "12.5" always
// reads 12.5 and 12.5 always prints "12.5".
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// Reads the leading decimal number of a text the way the classic C
// conversion does: leading white space is skipped, an optional sign, digits
// with an optional fraction and exponent; reading stops at the first
// character that cannot continue the number. Returns 0.0 when no number
// starts the text. Only plain decimal forms are read ("inf", "nan" and hex
// floats read as 0.0), and a number too large for a double reads as 0.0, so
// the result is always finite. `consumed`, when given, receives the count of
// characters used (0 when no number was read).
double ParseLeadingNumber(std::wstring_view text, size_t* consumed = nullptr);
double ParseLeadingNumber(std::string_view text, size_t* consumed = nullptr);

// printf-style "%.Nf" in the C locale.
std::wstring FormatFixed(double value, int decimals);
std::string FormatFixedA(double value, int decimals);
// Appends "%.Nf" of value to `out`, without building a temporary string.
void AppendFixed(std::wstring& out, double value, int decimals);

}  // namespace quorrel
