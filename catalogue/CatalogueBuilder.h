// Builds an encrypted catalogue file from SQL text.
//
// Used by the build tool make_catalogue (the sample catalogue files beside
// the program) and by tests that need a small catalogue of their own.
#pragma once

#include <string>

namespace quorrel {

// Runs `sqlUtf8` (any number of statements) on a new file encrypted with
// `password` and puts it at `path`, replacing any file there. The new file is
// written beside the target first and moved into place only when complete,
// so a failure leaves no half-built catalogue. Returns false and sets
// `error` (SQLCipher's text, or the file system's) on failure.
bool BuildCatalogue(const std::wstring& path, const std::string& sqlUtf8,
                    const std::wstring& password, std::wstring* error);

}  // namespace quorrel
