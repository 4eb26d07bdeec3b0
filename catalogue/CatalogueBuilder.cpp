#include "catalogue/CatalogueBuilder.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <filesystem>
#include <system_error>

#include "platform/Text.h"

namespace quorrel {

namespace {

// Owns the connection of the file being built.
class CConnection {
public:
    ~CConnection() { sqlite3_close_v2(m_db); }
    sqlite3*& Ref() { return m_db; }
    sqlite3* Get() const { return m_db; }
    // Closes now; false when the close itself fails.
    bool Close() {
        int rc = sqlite3_close(m_db);
        if (rc == SQLITE_OK) m_db = nullptr;
        return rc == SQLITE_OK;
    }

private:
    sqlite3* m_db = nullptr;
};

bool Fail(std::wstring* error, const std::string& text) {
    if (error) *error = FromUtf8(text);
    return false;
}

}  // namespace

bool BuildCatalogue(const std::wstring& path, const std::string& sqlUtf8,
                    const std::wstring& password, std::wstring* error) {
    namespace fs = std::filesystem;
    // Paths are kept as UTF-8 bytes, the native form on this platform.
    const std::string targetName = ToUtf8(path);
    const std::string partialName = targetName + ".partial";
    const fs::path target(targetName);
    const fs::path partial(partialName);

    std::error_code ec;
    fs::remove(partial, ec);

    {
        CConnection db;
        int rc = sqlite3_open_v2(partialName.c_str(), &db.Ref(),
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK)
            return Fail(error, db.Get() ? sqlite3_errmsg(db.Get()) : sqlite3_errstr(rc));

        // An empty password builds a file without encryption (SQLCipher
        // refuses an empty key).
        if (!password.empty()) {
            std::string key = ToUtf8(password);
            rc = sqlite3_key(db.Get(), key.data(), static_cast<int>(key.size()));
            if (rc != SQLITE_OK) {
                db.Close();
                fs::remove(partial, ec);
                return Fail(error, sqlite3_errstr(rc));
            }
        }

        char* message = nullptr;
        std::string script = "BEGIN;\n" + sqlUtf8 + "\n;COMMIT;";
        rc = sqlite3_exec(db.Get(), script.c_str(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK) {
            std::string text = message ? message : sqlite3_errmsg(db.Get());
            sqlite3_free(message);
            db.Close();
            fs::remove(partial, ec);
            return Fail(error, text);
        }
        // A source that swallows the closing COMMIT (an unterminated comment)
        // would otherwise be rolled back silently on close.
        if (sqlite3_get_autocommit(db.Get()) == 0) {
            db.Close();
            fs::remove(partial, ec);
            return Fail(error, "the catalogue source does not end its statements");
        }
        if (!db.Close()) {
            std::string text = sqlite3_errmsg(db.Get());
            fs::remove(partial, ec);
            return Fail(error, text);
        }
    }

    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        return Fail(error, ec.message());
    }
    return true;
}

}  // namespace quorrel
