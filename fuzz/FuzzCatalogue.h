// Loading a catalogue file the way the program does at start-up, for the
// catalogue fuzz targets.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "illumination/CLedData.h"
#include "illumination/LedVocabulary.h"
#include "platform/Message.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

namespace quorrel::fuzz {

// A folder of this process's own for the files a target writes; removed at
// exit.
inline const std::filesystem::path& WorkFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("quorrel-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(WorkFolder(), ec);
        });
        return p;
    }();
    return folder;
}

inline void FailLoad(const char* what) {
    std::fprintf(stderr, "catalogue fuzz target: %s\n", what);
    std::abort();
}

// Runs one loader and checks its messages: a failure shows exactly one; a
// success shows none, except where `successMayShow` (the illumination lights,
// whose data-table readings report on their own).
template <class T>
void RunLoader(CCatalogDatabase& db, CMessageRecorder& messages,
               bool (CCatalogDatabase::*loader)(std::vector<std::unique_ptr<T>>&),
               bool successMayShow = false) {
    std::vector<std::unique_ptr<T>> rows;
    messages.Clear();
    const bool ok = (db.*loader)(rows);
    for (const auto& row : rows)
        if (!row) FailLoad("a loader appended no record");
    if (!ok && messages.Count() != 1) FailLoad("a failed loader did not show exactly one message");
    if (ok && !successMayShow && messages.Count() != 0) FailLoad("a loader showed a message on success");
}

// Opens `path` with `password` and runs every loader of the three catalogue
// files on it (a file of one kind simply lacks the other kinds' tables).
inline void LoadEverything(const std::filesystem::path& path, const std::wstring& password) {
    CMessageRecorder messages;
    CCatalogDatabase db;
    if (!db.Open(path.wstring(), password)) {
        if (messages.Count() != 1) FailLoad("a failed open did not show exactly one message");
        return;
    }
    RunLoader(db, messages, &CCatalogDatabase::LoadLensTable);
    RunLoader(db, messages, &CCatalogDatabase::LoadCCDTable);
    RunLoader(db, messages, &CCatalogDatabase::LoadTKLLensTable);
    RunLoader(db, messages, &CCatalogDatabase::LoadTKLExtraTable);
    RunLoader(db, messages, &CCatalogDatabase::LoadLedCommonTable, true);
    RunLoader(db, messages, &CCatalogDatabase::LoadIlluminationTypeTable);
    RunLoader(db, messages, &CCatalogDatabase::LoadColorTable);
    if (!db.Close()) FailLoad("an open catalogue did not close");
}

}  // namespace quorrel::fuzz
