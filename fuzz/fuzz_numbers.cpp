// Fuzz target: the number reader and formatter.
//
// The input up to its first zero byte is a text to read; the eight bytes
// after the zero byte are a double to format and the byte after them the
// count of decimals (0 to 63).
//
// Checks: on a plain decimal (sign, digits, point, exponent) the reader
// reads what strtod reads in the C locale, as many characters and the same
// value, and the wide reader agrees with the narrow one; its result is always
// finite. The formatter writes what printf's "%.*f" writes, narrow and wide.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/FuzzText.h"
#include "platform/Numbers.h"

using namespace quorrel::fuzz;

namespace {

void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "fuzz_numbers: %s: \"%s\"\n", what, text.c_str());
    std::abort();
}

bool SameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// strtod's reading of `text` when it is a plain decimal: no "inf", "nan" or
// hex form, and within a double's range.
bool PlainStrtod(const std::string& text, double& value, size_t& used) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    used = static_cast<size_t>(end - begin);
    if (errno == ERANGE) return false;
    for (const char* p = begin; p < end; ++p)
        if (!std::strchr("0123456789+-.eE \t\n\v\f\r", *p)) return false;
    return true;
}

void CheckReader(const std::string& text) {
    size_t used = 0;
    const double value = quorrel::ParseLeadingNumber(text, &used);
    if (!std::isfinite(value)) Fail("the reader gave a value that is not finite", text);

    size_t wideUsed = 0;
    const double wide = quorrel::ParseLeadingNumber(Widen(text), &wideUsed);
    if (!SameDouble(wide, value) || wideUsed != used) Fail("the wide reader differs", text);

    double expected = 0.0;
    size_t expectedUsed = 0;
    if (!PlainStrtod(text, expected, expectedUsed)) return;
    if (used != expectedUsed || !SameDouble(value, expected)) Fail("the reader differs from strtod", text);
}

void CheckFormatter(double value, int decimals) {
    char expected[1024];
    std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
    const std::string narrow = quorrel::FormatFixedA(value, decimals);
    if (narrow != expected) Fail("the formatter differs from printf", expected);
    if (quorrel::FormatFixed(value, decimals) != Widen(narrow))
        Fail("the wide formatter differs", expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const size_t textEnd = std::find(bytes, bytes + size, '\0') - bytes;
    CheckReader(std::string(bytes, textEnd));

    if (size - textEnd >= 1 + sizeof(double) + 1) {
        double value;
        std::memcpy(&value, bytes + textEnd + 1, sizeof value);
        CheckFormatter(value, static_cast<unsigned char>(bytes[textEnd + 1 + sizeof value]) % 64);
    }
    return 0;
}
