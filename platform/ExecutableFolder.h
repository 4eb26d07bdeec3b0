// Where the running program lives; its catalogue files sit beside it.
#pragma once

#include <string>

namespace quorrel {

// Full path of the running executable; empty when it cannot be found.
std::wstring GetExecutablePath();

// Folder of the running executable, without a trailing separator; empty
// when the executable cannot be found.
std::wstring GetExecutableFolder();

// `folder` joined with `fileName` by one separator.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName);

}  // namespace quorrel
