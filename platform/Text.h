// Conversions between the program's wide strings and UTF-8 (catalogue files,
// the toolkit's byte strings).
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// Invalid byte sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace quorrel
