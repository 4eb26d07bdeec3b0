#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorrel {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The C locale's white space, whatever locale the process runs under.
bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

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
    while (pos < text.size() && IsSpace(static_cast<wchar_t>(text[pos]))) ++pos;
    std::string number;
    const size_t end = ScanDecimal(text, pos, number);
    if (end == pos) return 0.0;
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
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

namespace {

// Fast path for the few decimals the pages use: writes the text into `out`
// (room for 32 characters) and returns its length, or 0 when the general
// path must run. The value is scaled and rounded to an integer; where the
// scaled value lies so close to a rounding tie that the product's own
// rounding could decide it, the general path is taken instead, so the text
// always equals printf's.
size_t FormatFixedFast(double value, int decimals, char* out) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0};
    if (decimals > 3 || !std::isfinite(value)) return 0;
    const double scaled = std::fabs(value) * kScale[decimals];
    if (scaled >= 9.0e15) return 0;
    const double whole = std::floor(scaled);
    const double frac = scaled - whole;  // exact below 2^53
    // The product is within half an ulp of the exact one; stay clear of .5.
    const double margin = std::max(scaled * 0x1p-51, 0x1p-60);
    if (std::fabs(frac - 0.5) <= margin) return 0;
    auto n = static_cast<unsigned long long>(whole) + (frac > 0.5 ? 1u : 0u);

    char digits[24];
    int len = 0;
    do {
        digits[len++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (len <= decimals) digits[len++] = '0';  // at least one integer digit

    char* p = out;
    if (std::signbit(value)) *p++ = '-';  // printf keeps the sign of -0.001 as "-0.00"
    for (int i = len - 1; i >= 0; --i) {
        *p++ = digits[i];
        if (i == decimals && decimals > 0) *p++ = '.';
    }
    return static_cast<size_t>(p - out);
}

// Writes "%.Nf" of value into buf (size n); returns the length, 0 on failure.
size_t FormatFixedTo(char* buf, size_t n, double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (const size_t len = FormatFixedFast(value, decimals, buf)) return len;
    const auto res = std::to_chars(buf, buf + n, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return 0;
    return static_cast<size_t>(res.ptr - buf);
}

}  // namespace

std::string FormatFixedA(double value, int decimals) {
    char buf[512];
    return std::string(buf, FormatFixedTo(buf, sizeof buf, value, decimals));
}

void AppendFixed(std::wstring& out, double value, int decimals) {
    char buf[512];
    const size_t len = FormatFixedTo(buf, sizeof buf, value, decimals);
    // Widen in place: appending a char range would build a temporary string.
    const size_t at = out.size();
    out.resize(at + len);
    for (size_t i = 0; i < len; ++i) out[at + i] = static_cast<wchar_t>(buf[i]);
}

std::wstring FormatFixed(double value, int decimals) {
    std::wstring text;
    AppendFixed(text, value, decimals);
    return text;
}

}  // namespace quorrel
