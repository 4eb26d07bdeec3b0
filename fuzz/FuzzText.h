// Reading a fuzz input as lines of text.
//
// Most targets take a few lines: numbers separated by blanks, or a text
// taken as it is. Seeds stay readable and can be written from a catalogue
// row by hand, and the fuzzer's mutations of digits, signs and exponents
// reach every number a double can hold (but never NaN or infinity, which no
// catalogue text or typed value reads as).
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Numbers.h"

namespace quorrel::fuzz {

// The input split at '\n', at most `maxLines` lines (the rest joins the last).
inline std::vector<std::string> Lines(const uint8_t* data, size_t size, size_t maxLines) {
    std::vector<std::string> lines;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty() && lines.size() + 1 < maxLines) {
        const size_t nl = rest.find('\n');
        if (nl == std::string_view::npos) break;
        lines.emplace_back(rest.substr(0, nl));
        rest.remove_prefix(nl + 1);
    }
    if (!rest.empty()) lines.emplace_back(rest);
    return lines;
}

// Every number of a line, read with the program's own reader; characters
// that start no number are passed over.
inline std::vector<double> Numbers(std::string_view line) {
    std::vector<double> out;
    while (!line.empty()) {
        size_t used = 0;
        const double v = ParseLeadingNumber(line, &used);
        if (used == 0) {
            line.remove_prefix(1);
            continue;
        }
        out.push_back(v);
        line.remove_prefix(used);
    }
    return out;
}

// The i-th number of a list, or `otherwise` when the list is shorter.
inline double At(const std::vector<double>& v, size_t i, double otherwise = 0.0) {
    return i < v.size() ? v[i] : otherwise;
}

// A number as an int, held to int's range (a plain cast of a larger value
// would be undefined).
inline int ToInt(double v) {
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Each byte as one character (Latin-1), so every wide character below 256
// can be reached.
inline std::wstring Widen(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (const char c : text) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace quorrel::fuzz
