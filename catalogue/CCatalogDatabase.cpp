#include "catalogue/CCatalogDatabase.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <sys/stat.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

namespace {

const char kTypeMismatch[] = "Type mismatch.";
const char kOverflow[] = "Overflow.";
// How long a read waits for another process's lock on the file.
constexpr int kBusyTimeoutMs = 2000;

// SQLCipher's text for a failed call that returned `rc`. A few calls fail
// without setting the connection's message; their code's text is used then.
std::string ErrorText(sqlite3* db, int rc = SQLITE_ERROR) {
    if (db && sqlite3_errcode(db) != SQLITE_OK) return sqlite3_errmsg(db);
    return sqlite3_errstr(rc);
}

// Owns one prepared statement; finalises it whatever happens.
class CStatement {
public:
    CStatement() = default;
    ~CStatement() { sqlite3_finalize(m_stmt); }
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;

    void Prepare(sqlite3* db, std::string_view sql) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK) throw CCatalogError(ErrorText(db, rc));
        if (!m_stmt)  // only white space or a comment: nothing to run
            throw CCatalogError(sqlite3_errstr(SQLITE_MISUSE));
    }
    sqlite3_stmt* Get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Whether a decimal number's text lies beyond the range of a double.
bool Overflows(std::string_view number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string text(number);
    return std::isinf(strtod_l(text.c_str(), nullptr, cLocale));
}

// A text converts to a number only when, apart from surrounding white space,
// it is one decimal number, and one a double can hold.
double TextToNumber(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    std::string_view body(text.data() + begin, end - begin);
    size_t consumed = 0;
    double v = quorrel::ParseLeadingNumber(body, &consumed);
    if (body.empty() || consumed != body.size()) throw CCatalogError(kTypeMismatch);
    // The reader gives 0 for a number too large to hold; here that is a value
    // that does not convert.
    if (v == 0.0 && Overflows(body)) throw CCatalogError(kOverflow);
    return v;
}

// Nearest integer, ties to the even one, as the platform's variant
// conversion rounds.
int RoundToInt(double v) {
    if (!std::isfinite(v)) throw CCatalogError(kOverflow);
    double r = std::floor(v);
    double frac = v - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < static_cast<double>(std::numeric_limits<int>::min()) ||
        r > static_cast<double>(std::numeric_limits<int>::max()))
        throw CCatalogError(kOverflow);
    return static_cast<int>(r);
}

std::wstring RealToText(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return quorrel::FromUtf8(std::string_view(buf, static_cast<size_t>(res.ptr - buf)));
}

}  // namespace

std::wstring CCatalogError::Text() const { return quorrel::FromUtf8(what()); }

// ---- conversions ----

std::wstring CCatalogDatabase::VariantToCString(const CCatalogValue& value) {
    switch (value.kind) {
    case CCatalogValue::Kind::Null: return {};
    case CCatalogValue::Kind::Text: return quorrel::FromUtf8(value.text);
    case CCatalogValue::Kind::Integer: return std::to_wstring(value.integer);
    case CCatalogValue::Kind::Real: return RealToText(value.real);
    case CCatalogValue::Kind::Blob: break;
    }
    throw CCatalogError(kTypeMismatch);
}

int CCatalogDatabase::VariantToInt(const CCatalogValue& value) {
    switch (value.kind) {
    case CCatalogValue::Kind::Null: return 0;
    case CCatalogValue::Kind::Integer:
        if (value.integer < std::numeric_limits<int>::min() ||
            value.integer > std::numeric_limits<int>::max())
            throw CCatalogError(kOverflow);
        return static_cast<int>(value.integer);
    case CCatalogValue::Kind::Real: return RoundToInt(value.real);
    case CCatalogValue::Kind::Text: return RoundToInt(TextToNumber(value.text));
    case CCatalogValue::Kind::Blob: break;
    }
    throw CCatalogError(kTypeMismatch);
}

double CCatalogDatabase::VariantToDouble(const CCatalogValue& value) {
    switch (value.kind) {
    case CCatalogValue::Kind::Null: return 0.0;
    case CCatalogValue::Kind::Integer: return static_cast<double>(value.integer);
    case CCatalogValue::Kind::Real:
        // SQLite stores an overflowing number in a REAL column as infinity.
        if (!std::isfinite(value.real)) throw CCatalogError(kOverflow);
        return value.real;
    case CCatalogValue::Kind::Text: return TextToNumber(value.text);
    case CCatalogValue::Kind::Blob: break;
    }
    throw CCatalogError(kTypeMismatch);
}

// ---- row accessor ----

CCatalogValue CCatalogRow::Value(std::string_view column) const {
    const auto& names = *m_columnNames;
    for (size_t i = 0; i < names.size(); ++i) {
        if (!EqualsIgnoringAsciiCase(names[i], column)) continue;
        int col = static_cast<int>(i);
        switch (sqlite3_column_type(m_stmt, col)) {
        case SQLITE_INTEGER: return CCatalogValue::Int(sqlite3_column_int64(m_stmt, col));
        case SQLITE_FLOAT: return CCatalogValue::Real(sqlite3_column_double(m_stmt, col));
        case SQLITE_TEXT: {
            const unsigned char* p = sqlite3_column_text(m_stmt, col);
            int n = sqlite3_column_bytes(m_stmt, col);
            return CCatalogValue::TextUtf8(p ? std::string(reinterpret_cast<const char*>(p), n)
                                             : std::string());
        }
        case SQLITE_BLOB: {
            const void* p = sqlite3_column_blob(m_stmt, col);
            int n = sqlite3_column_bytes(m_stmt, col);
            CCatalogValue v;
            v.kind = CCatalogValue::Kind::Blob;
            if (p) v.text.assign(static_cast<const char*>(p), n);
            return v;
        }
        default: return CCatalogValue::Null();
        }
    }
    throw CCatalogError("no such column: " + std::string(column));
}

std::wstring CCatalogRow::Text(std::string_view column) const {
    return CCatalogDatabase::VariantToCString(Value(column));
}

int CCatalogRow::Int(std::string_view column) const {
    return CCatalogDatabase::VariantToInt(Value(column));
}

double CCatalogRow::Double(std::string_view column) const {
    return CCatalogDatabase::VariantToDouble(Value(column));
}

// ---- connection ----

CCatalogDatabase::~CCatalogDatabase() { Close(); }

bool CCatalogDatabase::Open(std::wstring path, std::wstring password) {
    if (m_bOpen) return false;

    sqlite3* db = nullptr;
    auto fail = [&db](const std::string& text) {
        quorrel::ShowMessage(quorrel::FromUtf8(text));
        sqlite3_close(db);
        return false;
    };

    // Opening a FIFO or a device could wait forever: only a regular file (or
    // a link to one) is opened. A missing file is left to SQLCipher.
    const std::string utf8Path = quorrel::ToUtf8(path);
    struct stat st {};
    if (stat(utf8Path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return fail(sqlite3_errstr(SQLITE_CANTOPEN));

    int rc = sqlite3_open_v2(utf8Path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) return fail(ErrorText(db, rc));
    // A writer holds the file locked only briefly: wait for it.
    sqlite3_busy_timeout(db, kBusyTimeoutMs);

    // An empty password means a file without encryption (SQLCipher refuses
    // an empty key).
    if (!password.empty()) {
        std::string key = quorrel::ToUtf8(password);
        rc = sqlite3_key(db, key.data(), static_cast<int>(key.size()));
        key.assign(key.size(), '\0');
        if (rc != SQLITE_OK) return fail(ErrorText(db, rc));
    }

    // The key is only checked when the first page is read: read the schema
    // now so that a wrong password or a damaged file fails here. A file with
    // no schema at all (an empty or zero-length file) is no catalogue either.
    try {
        CStatement check;
        check.Prepare(db, "SELECT count(*) FROM sqlite_master");
        rc = sqlite3_step(check.Get());
        if (rc != SQLITE_ROW) throw CCatalogError(ErrorText(db, rc));
        if (sqlite3_column_int64(check.Get(), 0) == 0)
            throw CCatalogError(sqlite3_errstr(SQLITE_NOTADB));
    } catch (const CCatalogError& e) {
        return fail(e.what());
    }

    m_pConnection = db;
    m_bOpen = true;
    return true;
}

bool CCatalogDatabase::Close() {
    if (!m_bOpen) return false;
    sqlite3_close_v2(m_pConnection);
    m_pConnection = nullptr;
    m_bOpen = false;
    return true;
}

void CCatalogDatabase::Execute(const char* sql) {
    CStatement stmt;
    stmt.Prepare(m_pConnection, sql);
    int rc = sqlite3_step(stmt.Get());
    if (rc != SQLITE_DONE) throw CCatalogError(ErrorText(m_pConnection, rc));
}

// ---- the loader frame ----

bool CCatalogDatabase::RunLoader(std::string_view sql, const std::vector<std::wstring>& params,
                                 const RowHandler& onRow, RowLimit limit, bool* rowSeen) {
    if (rowSeen) *rowSeen = false;
    if (!m_bOpen) return false;

    bool result = true;
    bool reported = false;
    auto report = [&](const CCatalogError& e) {
        result = false;
        if (reported) return;  // one message per operation
        reported = true;
        quorrel::ShowMessage(e.Text());
    };

    try {
        Execute("BEGIN");
    } catch (const CCatalogError& e) {
        report(e);
        return result;
    }

    // Ends the transaction on every path, also when something other than a
    // component error leaves the handler.
    struct TransactionEnd {
        CCatalogDatabase* self;
        bool done = false;
        ~TransactionEnd() {
            if (!done && !sqlite3_get_autocommit(self->m_pConnection))
                sqlite3_exec(self->m_pConnection, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    } transactionEnd{this};

    {
        CStatement stmt;
        try {
            stmt.Prepare(m_pConnection, sql);
            sqlite3_stmt* s = stmt.Get();

            if (static_cast<size_t>(sqlite3_bind_parameter_count(s)) != params.size())
                throw CCatalogError(sqlite3_errstr(SQLITE_RANGE));
            for (size_t i = 0; i < params.size(); ++i) {
                std::string utf8 = quorrel::ToUtf8(params[i]);
                int rc = sqlite3_bind_text(s, static_cast<int>(i + 1), utf8.data(),
                                           static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
                if (rc != SQLITE_OK) throw CCatalogError(ErrorText(m_pConnection, rc));
            }

            std::vector<std::string> names(static_cast<size_t>(sqlite3_column_count(s)));
            for (size_t i = 0; i < names.size(); ++i) {
                const char* name = sqlite3_column_name(s, static_cast<int>(i));
                if (name) names[i] = name;
            }
            CCatalogRow row(s, &names);

            for (;;) {
                int rc = sqlite3_step(s);
                if (rc == SQLITE_DONE) break;
                if (rc != SQLITE_ROW) throw CCatalogError(ErrorText(m_pConnection, rc));
                if (rowSeen) *rowSeen = true;
                onRow(row);
                if (limit == RowLimit::FirstRow) break;
            }
        } catch (const CCatalogError& e) {
            report(e);
        }
    }  // the statement is finalised before the commit

    // A failed step may already have ended the transaction.
    if (!sqlite3_get_autocommit(m_pConnection)) {
        try {
            Execute("COMMIT");
        } catch (const CCatalogError& e) {
            report(e);
        }
    }
    transactionEnd.done = true;
    return result;
}
