#include "platform/ExecutableFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/Text.h"

namespace quorrel {

std::wstring GetExecutablePath() {
    std::error_code ec;
    // Linux: the kernel's link to the running image.
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return FromUtf8(exe.string());
}

std::wstring GetExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return FromUtf8(exe.parent_path().string());
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName) {
    if (folder.empty()) return fileName;
    if (folder.back() == L'/') return folder + fileName;
    return folder + L'/' + fileName;
}

}  // namespace quorrel
