// Read-only access to one encrypted catalogue file.
//
// The program opens each catalogue file once at start-up, runs that file's
// table loaders and closes it again. Every failure of the database layer (a
// wrong password, a missing or damaged file, a bad SQL statement, a missing
// column, a value that cannot be converted) is shown to the user as exactly
// one message holding the database component's own text, and the operation
// returns false. Loaders append to their destination array and never remove
// anything: rows read before an error stay, the failing row adds nothing.
//
// Writing a loader
// ----------------
// A loader is one call of RunLoader with its SQL, the text parameters bound
// to the statement's "?" placeholders (never pasted into the SQL) and a row
// handler. RunLoader does the whole frame:
//   - returns false at once, without a message, when the file is not open;
//   - begins a transaction, prepares the statement, binds the parameters;
//   - calls the handler once per row, in the order the SQL delivers them;
//   - when a statement or a column read fails (CCatalogError thrown by the
//     row accessor or by the conversions), shows that one message, stops the
//     rows and makes the result false;
//   - finalises the statement, commits, returns the result.
// The handler reads the columns by name, in the order the loader needs them,
// through the accessor; it builds the record in a std::unique_ptr and moves
// it into the array only after the last column was read, so a failing row
// appends nothing and leaks nothing:
//
//   bool CCatalogDatabase::LoadColorTable(std::vector<std::unique_ptr<CLedColorData>>& arr) {
//       return RunLoader("SELECT * FROM Color", {}, [&](const CCatalogRow& row) {
//           auto rec = std::make_unique<CLedColorData>();
//           rec->m_strColorNameCN = row.Text("ColorNameCN");
//           ...
//           rec->m_nColorNum = row.Int("ColorNum");
//           arr.push_back(std::move(rec));
//       });
//   }
//
// A query that reads only the first row of its result (a data-table
// lookup) passes RowLimit::FirstRow and a bool to learn whether a row was
// delivered at all:
//
//   bool seen = false;
//   bool ok = RunLoader("SELECT * FROM Spec_Bar WHERE ProductName = ?", {productName},
//                       handler, RowLimit::FirstRow, &seen);
//   return ok && seen;
//
// Row accessor: CCatalogRow::Text / Int / Double take a column name (matched
// without regard to ASCII case) and apply the conversions below; Value gives
// the raw column value. NULL reads as the empty text, 0 or 0.0.
#pragma once

#include "optics/CCCTVData.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class CCCTVData;
class CCCTVCCDData;
class CTKLData;
class CTKLExtraData;
class CLedData;
class CLedTypeData;
class CLedColorData;

// An error of the database component. Its text is what the user sees:
// SQLCipher's own message for SQL errors, or a short component-style text
// ("no such column: DispOrder", "Type mismatch.", "Overflow.") for the
// column reads and conversions.
class CCatalogError : public std::runtime_error {
public:
    explicit CCatalogError(const std::string& utf8Text) : std::runtime_error(utf8Text) {}
    std::wstring Text() const;
};

// One column value as the database delivers it.
struct CCatalogValue {
    enum class Kind { Null, Integer, Real, Text, Blob };

    Kind kind = Kind::Null;
    std::int64_t integer = 0;  // Kind::Integer
    double real = 0.0;         // Kind::Real
    std::string text;          // Kind::Text (UTF-8) and Kind::Blob (raw bytes)

    static CCatalogValue Null() { return {}; }
    static CCatalogValue Int(std::int64_t v) { return {Kind::Integer, v, 0.0, {}}; }
    static CCatalogValue Real(double v) { return {Kind::Real, 0, v, {}}; }
    static CCatalogValue TextUtf8(std::string v) { return {Kind::Text, 0, 0.0, std::move(v)}; }
};

// Read access to the current row of a running loader; valid only inside the
// row handler.
class CCatalogRow {
public:
    CCatalogRow(sqlite3_stmt* stmt, const std::vector<std::string>* columnNames)
        : m_stmt(stmt), m_columnNames(columnNames) {}

    // Throw CCatalogError "no such column: <name>" when the result has no
    // such column, and the conversion's error when the value does not convert.
    CCatalogValue Value(std::string_view column) const;
    std::wstring Text(std::string_view column) const;
    int Int(std::string_view column) const;
    double Double(std::string_view column) const;

private:
    sqlite3_stmt* m_stmt;
    const std::vector<std::string>* m_columnNames;
};

class CCatalogDatabase {
public:
    enum class RowLimit { AllRows, FirstRow };
    using RowHandler = std::function<void(const CCatalogRow& row)>;

    CCatalogDatabase() = default;
    ~CCatalogDatabase();
    CCatalogDatabase(const CCatalogDatabase&) = delete;
    CCatalogDatabase& operator=(const CCatalogDatabase&) = delete;

    // Opens the file read-only with its password and proves the key by
    // reading the schema. Only a regular file (or a link to one) is opened;
    // a lock another process holds on it is waited for up to two seconds.
    // Returns false at once when already open; on any failure shows the
    // component's text once and returns false.
    bool Open(std::wstring path, std::wstring password);
    // Returns false when not open; else closes and returns true.
    bool Close();
    bool IsOpen() const { return m_bOpen; }

    // The loader frame (see the comment at the top of this file). `params`
    // are bound as texts to the statement's placeholders in order.
    bool RunLoader(std::string_view sql, const std::vector<std::wstring>& params,
                   const RowHandler& onRow, RowLimit limit = RowLimit::AllRows,
                   bool* rowSeen = nullptr);

    // Value conversions with the catalogue's NULL policy: NULL gives the
    // empty text, 0 or 0.0. A real read as int rounds to nearest, ties to
    // even; a text that is a number converts; a number beyond the target's
    // range throws CCatalogError "Overflow.", anything else that does not
    // convert throws it with its own text.
    static std::wstring VariantToCString(const CCatalogValue& value);
    static int VariantToInt(const CCatalogValue& value);
    static double VariantToDouble(const CCatalogValue& value);

    // Lens catalogue (quorrel_cctv.mdb).
    bool LoadLensTable(std::vector<std::unique_ptr<CCCTVData>>& arr);
    // The lens table's query and the eleven columns of one of its rows, in
    // the order the loader reads them.
    static constexpr std::string_view kLensTableSql =
        "SELECT * FROM LENS WHERE (Discontinued = 0) ORDER BY DispOrder, rowid";
    static tagLensColumns ReadCCTVLensColumns(const CCatalogRow& row);
    bool LoadCCDTable(std::vector<std::unique_ptr<CCCTVCCDData>>& arr);

    // Telecentric catalogue (quorrel_tkl.mdb); defined in TelecentricTables.cpp.
    bool LoadTKLLensTable(std::vector<std::unique_ptr<CTKLData>>& arr);
    bool LoadTKLExtraTable(std::vector<std::unique_ptr<CTKLExtraData>>& arr);

    // Illumination catalogue (quorrel_led.mdb); defined in IlluminationTables.cpp.
    bool LoadLedCommonTable(std::vector<std::unique_ptr<CLedData>>& arr);
    bool LoadIlluminationTypeTable(std::vector<std::unique_ptr<CLedTypeData>>& arr);
    bool LoadColorTable(std::vector<std::unique_ptr<CLedColorData>>& arr);
    bool GetSpecDirectRing(const std::wstring& productName, double* internalDiameter,
                           double* externalDiameter, double* height, double* lightingAngle);
    bool GetSpecLowAngleRing(const std::wstring& productName, double* internalDiameter,
                             double* externalDiameter, double* height, double* lightingAngle);
    bool GetSpecShadowlessRing(const std::wstring& productName, double* internalDiameter,
                               double* externalDiameter, double* height);
    bool GetSpecSimulatedCoaxial(const std::wstring& productName, double* length, double* width,
                                 double* height, int* windowForm, double* longSide,
                                 double* shortSide, double* opticalPathLengthExtension);
    bool GetSpecBar(const std::wstring& productName, double* length, double* width,
                    double* thickness, std::wstring* lightingArea);
    bool GetSpecBacklights(const std::wstring& productName, double* length, double* width,
                           double* thickness, std::wstring* lightingSurface);
    bool GetSpecSimpleDome(const std::wstring& productName, double* internalDiameter,
                           double* externalDiameter, double* height, double* windowSizeL,
                           double* windowSizeS, double* windowThickness);

private:
    // Runs a statement that returns no rows (BEGIN, COMMIT); throws on error.
    void Execute(const char* sql);

    sqlite3* m_pConnection = nullptr;  // the open catalogue file
    bool m_bOpen = false;              // true after a successful Open
};
