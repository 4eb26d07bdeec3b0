#include "telecentric/TelecentricNames.h"

namespace {

// The QEV and TKL digits: kept as they are when they hold a point after
// their first character; otherwise a leading "0" (or non-digit) becomes
// "0." and a leading 1 to 9 stays ("05" -> "0.5", "2" -> "2", "10" -> "10").
std::wstring NormaliseDigits(const std::wstring& s) {
    if (s.find(L'.', 1) != std::wstring::npos) return s;
    const wchar_t first = s[0];
    const bool firstIsOneToNine = first >= L'1' && first <= L'9';
    if (firstIsOneToNine) return s;
    std::wstring out = s;
    out.insert(1, 1, L'.');
    return out;
}

// The characters strictly between `from` and `to`, normalised; false when
// either mark is missing or nothing lies between them.
bool ReadBetween(const std::wstring& name, size_t from, size_t to, std::wstring& text) {
    if (from == std::wstring::npos || to == std::wstring::npos) return false;
    if (to <= from + 1) return false;
    text = NormaliseDigits(name.substr(from + 1, to - from - 1));
    return true;
}

}  // namespace

bool ModelNameHasD(const std::wstring& name) { return name.find(L'D') != std::wstring::npos; }

bool ParseTelecentricMagnification(const std::wstring& name, std::wstring& text) {
    if (name.find(L"QEV") != std::wstring::npos) return ParseQevMagnification(name, text);
    if (name.find(L"TKL") != std::wstring::npos) return ParseTklMagnification(name, text);
    if (name.find(L"GUX") != std::wstring::npos) return ParseGuxMagnification(name, text);
    return false;
}

bool ParseQevMagnification(const std::wstring& name, std::wstring& text) {
    return ReadBetween(name, name.find(L'-'), name.find(L'X'), text);
}

bool ParseTklMagnification(const std::wstring& name, std::wstring& text) {
    return ReadBetween(name, name.find(L'L'), name.find(L'-'), text);
}

bool ParseGuxMagnification(const std::wstring& name, std::wstring& text) {
    const size_t dash = name.find(L'-');
    std::wstring digits = dash == std::wstring::npos ? name : name.substr(dash + 1);
    digits.insert(digits.empty() ? 0 : 1, 1, L'.');
    text = digits;
    return true;
}
