// The product version the build stamps into the program.
#pragma once

#include <cstdint>
#include <string>

namespace quorrel {

// The product version as two 32-bit words: major in the high half of `ms`,
// minor in its low half, patch in the high half of `ls`, build number in its
// low half. The program carries its own version, so with `path` null (the
// running executable) or the running executable's own path this returns
// true; any other file has no version the program can read and gives false
// with the words untouched. A null word pointer is skipped.
bool GetProductVersion(const wchar_t* path, std::uint32_t* ms, std::uint32_t* ls);

// "a.b.c.d" of (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF).
std::wstring FormatProductVersion(std::uint32_t ms, std::uint32_t ls);

}  // namespace quorrel
