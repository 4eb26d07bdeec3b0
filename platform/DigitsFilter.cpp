#include "platform/DigitsFilter.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

namespace quorrel {

std::wstring StripNonNumeric(const std::wstring& text) {
    auto offending = std::find_if(text.begin(), text.end(), [](wchar_t c) {
        return c != L'.' && !std::iswdigit(static_cast<wint_t>(c));
    });
    if (offending == text.end()) return text;
    const wchar_t c = *offending;
    std::wstring result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [c](wchar_t x) { return x != c; });
    return result;
}

}  // namespace quorrel
