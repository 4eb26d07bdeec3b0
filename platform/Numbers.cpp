#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cwctype>

namespace quorrel {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Finds the longest prefix of text[pos..] that is a decimal number and copies
// it into `out` as ASCII (without a leading '+', which from_chars refuses).
// Returns the index just behind the number, or `pos` when there is none.
template <typename Char>
size_t ScanDecimal(std::basic_string_view<Char> text, size_t pos, std::string& out) {
    size_t i = pos;
    const size_t n = text.size();
    out.clear();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out.push_back('-');
        ++i;
    }
    size_t digits = 0;
    while (i < n && IsDigit(static_cast<wchar_t>(text[i]))) {
        out.push_back(static_cast<char>(text[i]));
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        size_t j = i + 1;
        std::string frac = ".";
        size_t fracDigits = 0;
        while (j < n && IsDigit(static_cast<wchar_t>(text[j]))) {
            frac.push_back(static_cast<char>(text[j]));
            ++j;
            ++fracDigits;
        }
        if (digits + fracDigits > 0) {
            out += frac;
            i = j;
            digits += fracDigits;
        }
    }
    if (digits == 0) {
        out.clear();
        return pos;
    }
    // An exponent counts only when at least one digit follows it.
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exp.push_back(static_cast<char>(text[j]));
            ++j;
        }
        size_t expDigits = 0;
        while (j < n && IsDigit(static_cast<wchar_t>(text[j]))) {
            exp.push_back(static_cast<char>(text[j]));
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            out += exp;
            i = j;
        }
    }
    return i;
}

template <typename Char>
double ParseImpl(std::basic_string_view<Char> text, size_t* consumed) {
    if (consumed) *consumed = 0;
    size_t pos = 0;
    while (pos < text.size() && std::iswspace(static_cast<wint_t>(text[pos]))) ++pos;
    std::string number;
    const size_t end = ScanDecimal(text, pos, number);
    if (end == pos) return 0.0;
    double value = 0.0;
    const char* first = number.data();
    if (*first == '+') ++first;
    const auto res = std::from_chars(first, number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is no usable number either.
        value = 0.0;
    } else if (res.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    if (consumed) *consumed = end;
    return value;
}

}  // namespace

double ParseLeadingNumber(std::wstring_view text, size_t* consumed) {
    return ParseImpl(text, consumed);
}

double ParseLeadingNumber(std::string_view text, size_t* consumed) {
    return ParseImpl(text, consumed);
}

std::string FormatFixedA(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return std::string();
    return std::string(buf, res.ptr);
}

std::wstring FormatFixed(double value, int decimals) {
    const std::string s = FormatFixedA(value, decimals);
    return std::wstring(s.begin(), s.end());
}

}  // namespace quorrel
