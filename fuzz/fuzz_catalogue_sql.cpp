// Fuzz target: the catalogue loaders on a catalogue file built from the
// input as SQL.
//
// The file is unkeyed (a plain SQLite file, which the loaders open with an
// empty password), so that no run is spent deriving a key. The SQL runs
// with a budget: no ATTACH (and no VACUUM INTO), no pragma but a few that
// shape the file, a bounded length of a value and a bounded count of steps,
// so that no input writes elsewhere or runs for long.
#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/FuzzCatalogue.h"

using namespace quorrel::fuzz;

namespace {

constexpr int kStepsPerCallback = 1000;
constexpr int kMaxCallbacks = 20000;  // about 20 million steps

int Authorize(void*, int action, const char* a, const char*, const char*, const char*) {
    if (action == SQLITE_ATTACH || action == SQLITE_DETACH) return SQLITE_DENY;
    if (action == SQLITE_PRAGMA) {
        for (const char* allowed : {"page_size", "auto_vacuum", "encoding", "user_version",
                                    "application_id", "writable_schema"})
            if (a && sqlite3_stricmp(a, allowed) == 0) return SQLITE_OK;
        return SQLITE_DENY;
    }
    return SQLITE_OK;
}

int CountSteps(void* counter) { return ++*static_cast<int*>(counter) > kMaxCallbacks; }

bool Mentions(std::string text, const char* word) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find(word) != std::string::npos;
}

// Builds the file from `sql`; whatever the SQL leaves behind is the file.
void BuildFile(const std::filesystem::path& path, const std::string& sql) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
        SQLITE_OK) {
        sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 100000);
        sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
        sqlite3_set_authorizer(db, Authorize, nullptr);
        int callbacks = 0;
        sqlite3_progress_handler(db, kStepsPerCallback, CountSteps, &callbacks);
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string sql(reinterpret_cast<const char*>(data), size);
    if (sql.find('\0') != std::string::npos || Mentions(sql, "vacuum")) return 0;
    const auto path = WorkFolder() / "catalogue.db";
    BuildFile(path, sql);
    LoadEverything(path, L"");
    return 0;
}
