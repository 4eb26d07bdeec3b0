#include "platform/ProductVersion.h"

#include "Version.h"
#include "platform/ExecutableFolder.h"

namespace quorrel {

namespace {
// The build number is not part of the project version.
constexpr std::uint32_t kBuild = 0;
}  // namespace

bool GetProductVersion(const wchar_t* path, std::uint32_t* ms, std::uint32_t* ls) {
    if (path && std::wstring(path) != GetExecutablePath()) return false;
    if (ms) *ms = (std::uint32_t{QUORREL_VERSION_MAJOR} << 16) | std::uint32_t{QUORREL_VERSION_MINOR};
    if (ls) *ls = (std::uint32_t{QUORREL_VERSION_PATCH} << 16) | kBuild;
    return true;
}

std::wstring FormatProductVersion(std::uint32_t ms, std::uint32_t ls) {
    return std::to_wstring(ms >> 16) + L'.' + std::to_wstring(ms & 0xFFFF) + L'.' +
           std::to_wstring(ls >> 16) + L'.' + std::to_wstring(ls & 0xFFFF);
}

}  // namespace quorrel
