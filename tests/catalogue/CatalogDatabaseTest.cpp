// The catalogue connection and the loader frame, against real encrypted
// files written by the catalogue builder.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "optics/CCCTVData.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"

using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;
using Texts = std::vector<std::wstring>;

namespace {

const wchar_t kPassword[] = L"4817qz";

const char kNumbersSql[] =
    "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT, Count INTEGER, Size REAL);"
    "INSERT INTO T VALUES (1, 'one', 1, 1.5);"
    "INSERT INTO T VALUES (2, 'two', 2, 2.5);"
    "INSERT INTO T VALUES (3, 'three', 'many', 3.5);"
    "INSERT INTO T VALUES (4, 'four', 4, 4.5);"
    "CREATE TABLE Empty(ID INTEGER PRIMARY KEY, Name TEXT);";

// Reads Name, Count, Size of every row of T in ID order.
struct Row {
    std::wstring name;
    int count;
    double size;
};
bool LoadT(CCatalogDatabase& db, std::vector<Row>& rows) {
    return db.RunLoader("SELECT * FROM T ORDER BY ID", {}, [&rows](const CCatalogRow& r) {
        Row row;
        row.name = r.Text("Name");
        row.count = r.Int("Count");
        row.size = r.Double("Size");
        rows.push_back(row);
    });
}

std::vector<std::wstring> LoadNames(CCatalogDatabase& db, const char* sql) {
    std::vector<std::wstring> names;
    db.RunLoader(sql, {}, [&names](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
    return names;
}

std::uintmax_t FileSize(const std::filesystem::path& p) { return std::filesystem::file_size(p); }

void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// ---- Open and Close ----

TEST(CatalogOpen, OpenOnAnOpenObjectIsRefusedAndKeepsTheConnection) {
    CTempCatalogue first(kNumbersSql);
    CTempCatalogue second("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                          "INSERT INTO T VALUES (1, 'other');");
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(first.Path(), kPassword));
    EXPECT_FALSE(db.Open(second.Path(), kPassword));
    EXPECT_FALSE(db.Open(L"/no/such/file.mdb", L"wrong"));
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(LoadNames(db, "SELECT * FROM T ORDER BY ID"),
              (Texts{L"one", L"two", L"three", L"four"}));
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(CatalogOpen, CloseReturnsTrueOnlyWhenOpen) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;

    CCatalogDatabase never;
    EXPECT_FALSE(never.Close());

    CCatalogDatabase failed;
    EXPECT_FALSE(failed.Open(cat.Path(), L"wrong!"));
    rec.Clear();
    EXPECT_FALSE(failed.Close());

    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.Close());
    EXPECT_EQ(rec.Count(), 0u);

    // Closed objects can be opened again.
    EXPECT_TRUE(db.Open(cat.Path(), kPassword));
    EXPECT_EQ(LoadNames(db, "SELECT * FROM Empty").size(), 0u);
}

TEST(CatalogOpen, TheBuiltFileIsEncrypted) {
    CTempCatalogue cat(kNumbersSql);
    std::string bytes = ReadBytes(cat.FsPath());
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_NE(bytes.substr(0, 16), std::string("SQLite format 3\0", 16));
    EXPECT_EQ(bytes.find("three"), std::string::npos);
}

// Every way of failing to open shows exactly one message, SQLCipher's own
// text, and leaves the object closed.
struct OpenFailure {
    const char* name;
    std::wstring password;
    std::function<std::wstring(const CTempCatalogue&)> prepare;  // returns the path to open
    std::wstring text;
};

class CatalogOpenFailure : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(CatalogOpenFailure, ShowsOneComponentMessageAndStaysClosed) {
    CTempCatalogue cat(kNumbersSql);
    std::wstring path = GetParam().prepare(cat);
    CMessageRecorder rec;
    CCatalogDatabase db;
    EXPECT_FALSE(db.Open(path, GetParam().password));
    EXPECT_EQ(rec.Texts(), Texts{GetParam().text});
    EXPECT_FALSE(db.IsOpen());

    std::vector<std::unique_ptr<CCCTVData>> lenses;
    EXPECT_FALSE(db.LoadLensTable(lenses));
    EXPECT_FALSE(db.Close());
    EXPECT_EQ(rec.Count(), 1u);
}

const OpenFailure kOpenFailures[] = {
    {"WrongPassword", L"4817qZ", [](const CTempCatalogue& c) { return c.Path(); },
     L"file is encrypted or is not a database"},
    {"OtherCataloguesPassword", L"3062mh", [](const CTempCatalogue& c) { return c.Path(); },
     L"file is encrypted or is not a database"},
    {"EmptyPassword", L"", [](const CTempCatalogue& c) { return c.Path(); },
     L"file is encrypted or is not a database"},
    {"MissingFile", kPassword,
     [](const CTempCatalogue& c) { return c.Path() + L".missing"; },
     L"unable to open database file"},
    {"Folder", kPassword,
     [](const CTempCatalogue& c) { return quorrel::FromUtf8(c.Folder().string()); },
     L"disk I/O error"},
    {"TruncatedInsideTheFirstPage", kPassword,
     [](const CTempCatalogue& c) {
         std::filesystem::resize_file(c.FsPath(), 500);
         return c.Path();
     },
     L"file is encrypted or is not a database"},
    {"TruncatedToHalf", kPassword,
     [](const CTempCatalogue& c) {
         std::filesystem::resize_file(c.FsPath(), FileSize(c.FsPath()) / 2);
         return c.Path();
     },
     L"database disk image is malformed"},
    {"TruncatedToNothing", kPassword,
     [](const CTempCatalogue& c) {
         std::filesystem::resize_file(c.FsPath(), 0);
         return c.Path();
     },
     L"file is encrypted or is not a database"},
    {"FirstPageOverwritten", kPassword,
     [](const CTempCatalogue& c) {
         std::string bytes = ReadBytes(c.FsPath());
         for (size_t i = 100; i < 108; ++i) bytes[i] = 'X';
         WriteBytes(c.FsPath(), bytes);
         return c.Path();
     },
     L"file is encrypted or is not a database"},
    {"NotADatabase", kPassword,
     [](const CTempCatalogue& c) {
         WriteBytes(c.FsPath(), std::string(4096, 'Q'));
         return c.Path();
     },
     L"file is encrypted or is not a database"},
};

INSTANTIATE_TEST_SUITE_P(Catalog, CatalogOpenFailure, ::testing::ValuesIn(kOpenFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CatalogOpen, FailedOpenCreatesNoFile) {
    CTempCatalogue cat(kNumbersSql);
    std::filesystem::path missing = cat.Folder() / "missing.mdb";
    CMessageRecorder rec;
    CCatalogDatabase db;
    EXPECT_FALSE(db.Open(quorrel::FromUtf8(missing.string()), kPassword));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(CatalogOpen, FileIsOnlyRead) {
    CTempCatalogue cat(kNumbersSql);
    std::string before = ReadBytes(cat.FsPath());
    CMessageRecorder rec;
    {
        CCatalogDatabase db;
        ASSERT_TRUE(db.Open(cat.Path(), kPassword));
        std::vector<Row> rows;
        LoadT(db, rows);
        // A statement that would write is refused by the read-only connection.
        EXPECT_FALSE(db.RunLoader("INSERT INTO Empty VALUES (9, 'x')", {}, [](const CCatalogRow&) {}));
    }  // the destructor closes
    EXPECT_EQ(rec.Texts(), (Texts{L"Type mismatch.", L"attempt to write a readonly database"}));
    EXPECT_EQ(ReadBytes(cat.FsPath()), before);
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + "-journal"));
}

// ---- the loader frame ----

TEST(CatalogLoader, LoaderOnAClosedObjectTouchesNothing) {
    CMessageRecorder rec;
    CCatalogDatabase db;
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    lenses.push_back(std::make_unique<CCCTVData>());
    CCCTVData* kept = lenses[0].get();
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;
    bool called = false, seen = true;
    EXPECT_FALSE(db.LoadLensTable(lenses));
    EXPECT_FALSE(db.LoadCCDTable(sensors));
    EXPECT_FALSE(db.RunLoader("SELECT 1", {}, [&](const CCatalogRow&) { called = true; },
                              CCatalogDatabase::RowLimit::AllRows, &seen));
    ASSERT_EQ(lenses.size(), 1u);
    EXPECT_EQ(lenses[0].get(), kept);
    EXPECT_TRUE(sensors.empty());
    EXPECT_FALSE(called);
    EXPECT_FALSE(seen);
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(CatalogLoader, EmptyTableReturnsTrueAndLeavesTheArray) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::wstring> names{L"before"};
    bool seen = true;
    EXPECT_TRUE(db.RunLoader("SELECT * FROM Empty", {},
                             [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); },
                             CCatalogDatabase::RowLimit::AllRows, &seen));
    EXPECT_EQ(names, Texts{L"before"});
    EXPECT_FALSE(seen);
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(CatalogLoader, BadValueMidTableKeepsEarlierRowsAndTheNextLoaderRuns) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));

    std::vector<Row> rows;
    EXPECT_FALSE(LoadT(db, rows));  // row 3 holds Count 'many'
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, L"one");
    EXPECT_EQ(rows[1].name, L"two");
    EXPECT_EQ(rows[1].count, 2);
    EXPECT_EQ(rows[1].size, 2.5);
    EXPECT_EQ(rec.Texts(), Texts{L"Type mismatch."});

    // The transaction was committed: the next loader begins its own.
    EXPECT_EQ(LoadNames(db, "SELECT * FROM T ORDER BY ID DESC"),
              (Texts{L"four", L"three", L"two", L"one"}));
    EXPECT_EQ(rec.Count(), 1u);
}

TEST(CatalogLoader, MissingColumnIsOneComponentMessage) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::wstring> names{L"before"};
    EXPECT_FALSE(db.RunLoader("SELECT * FROM T", {}, [&](const CCatalogRow& r) {
        std::wstring name = r.Text("Name");
        r.Int("DispOrder");
        names.push_back(name);
    }));
    EXPECT_EQ(names, Texts{L"before"});
    EXPECT_EQ(rec.Texts(), Texts{L"no such column: DispOrder"});
    EXPECT_EQ(LoadNames(db, "SELECT * FROM T WHERE ID = 1"), Texts{L"one"});
}

TEST(CatalogLoader, RejectedStatementShowsSQLCipherText) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    bool called = false;
    auto handler = [&](const CCatalogRow&) { called = true; };
    EXPECT_FALSE(db.RunLoader("SELECT * FROM LENS ORDER BY DispOrder", {}, handler));
    EXPECT_FALSE(db.RunLoader("SELECT * FROM T ORDER BY DispOrder", {}, handler));
    EXPECT_FALSE(db.RunLoader("SELEKT 1", {}, handler));
    EXPECT_FALSE(called);
    EXPECT_EQ(rec.Texts(), (Texts{L"no such table: LENS", L"no such column: DispOrder",
                                  L"near \"SELEKT\": syntax error"}));
    EXPECT_EQ(LoadNames(db, "SELECT * FROM T WHERE ID = 4"), Texts{L"four"});
}

TEST(CatalogLoader, ColumnNamesMatchWithoutCase) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::wstring> names;
    EXPECT_TRUE(db.RunLoader("SELECT * FROM T WHERE ID = 2", {},
                             [&](const CCatalogRow& r) { names.push_back(r.Text("nAME")); }));
    EXPECT_EQ(names, Texts{L"two"});
}

TEST(CatalogLoader, ParametersAreBoundNotPasted) {
    CTempCatalogue cat("CREATE TABLE P(ProductName TEXT, Name TEXT);"
                       "INSERT INTO P VALUES ('QL-R''70', 'apostrophe');"
                       "INSERT INTO P VALUES ('x'' OR ''1''=''1', 'injection');"
                       "INSERT INTO P VALUES ('QL-B100', 'bar');");
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    auto find = [&](const std::wstring& product) {
        std::vector<std::wstring> names;
        db.RunLoader("SELECT * FROM P WHERE ProductName = ?", {product},
                     [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
        return names;
    };
    EXPECT_EQ(find(L"QL-R'70"), Texts{L"apostrophe"});
    EXPECT_EQ(find(L"x' OR '1'='1"), Texts{L"injection"});
    EXPECT_EQ(find(L"' OR '1'='1"), Texts{});
    EXPECT_EQ(rec.Count(), 0u);

    // A parameter count that does not fit the statement is a component error.
    EXPECT_FALSE(db.RunLoader("SELECT * FROM P WHERE ProductName = ?", {}, [](const CCatalogRow&) {}));
    EXPECT_EQ(rec.Texts(), Texts{L"bind or column index out of range"});
}

TEST(CatalogLoader, FirstRowLimitReadsOneRowAndReportsWhetherOneWasSeen) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::wstring> names;
    bool seen = false;
    EXPECT_TRUE(db.RunLoader("SELECT * FROM T WHERE Size > ? ORDER BY ID", {L"2"},
                             [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); },
                             CCatalogDatabase::RowLimit::FirstRow, &seen));
    EXPECT_EQ(names, Texts{L"two"});
    EXPECT_TRUE(seen);

    EXPECT_TRUE(db.RunLoader("SELECT * FROM T WHERE Name = ?", {L"five"},
                             [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); },
                             CCatalogDatabase::RowLimit::FirstRow, &seen));
    EXPECT_FALSE(seen);
    EXPECT_EQ(names.size(), 1u);
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(CatalogLoader, DamagedDataPageFailsTheLoaderThatReadsIt) {
    // A LENS table large enough to spread over several pages; the schema on
    // the first page stays readable, so Open succeeds.
    std::string sql = "CREATE TABLE Big(ID INTEGER PRIMARY KEY, Name TEXT);";
    for (int i = 1; i <= 200; ++i)
        sql += "INSERT INTO Big VALUES (" + std::to_string(i) + ", '" + std::string(40, 'n') + "');";
    sql += "CREATE TABLE Small(ID INTEGER PRIMARY KEY, Name TEXT);"
           "INSERT INTO Small VALUES (1, 'small');";
    CTempCatalogue cat(sql);
    std::string bytes = ReadBytes(cat.FsPath());
    ASSERT_GT(bytes.size(), 6000u);
    for (size_t i = 5000; i < 5008; ++i) bytes[i] ^= 0x5a;
    WriteBytes(cat.FsPath(), bytes);

    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::wstring> names = LoadNames(db, "SELECT * FROM Big ORDER BY ID");
    EXPECT_LT(names.size(), 200u);
    ASSERT_EQ(rec.Count(), 1u);
    EXPECT_TRUE(rec.Texts()[0] == L"database disk image is malformed" ||
                rec.Texts()[0] == L"file is encrypted or is not a database")
        << quorrel::ToUtf8(rec.Texts()[0]);
    EXPECT_EQ(LoadNames(db, "SELECT * FROM Small"), Texts{L"small"});
    EXPECT_EQ(rec.Count(), 1u);
}

TEST(CatalogLoader, ExceptionFromTheHandlerStillEndsTheTransaction) {
    CTempCatalogue cat(kNumbersSql);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    EXPECT_THROW(db.RunLoader("SELECT * FROM T", {},
                              [](const CCatalogRow&) { throw std::runtime_error("out of memory"); }),
                 std::runtime_error);
    EXPECT_EQ(LoadNames(db, "SELECT * FROM T WHERE ID = 3"), Texts{L"three"});
    EXPECT_EQ(rec.Count(), 0u);
}

// ---- conversions ----

TEST(CatalogConversion, NullGivesEmptyZeroAndZero) {
    const CCatalogValue null = CCatalogValue::Null();
    EXPECT_EQ(CCatalogDatabase::VariantToCString(null), L"");
    EXPECT_EQ(CCatalogDatabase::VariantToInt(null), 0);
    EXPECT_EQ(CCatalogDatabase::VariantToDouble(null), 0.0);
}

TEST(CatalogConversion, ValuesOfTheTargetTypePassUnchanged) {
    EXPECT_EQ(CCatalogDatabase::VariantToCString(CCatalogValue::TextUtf8("QF-25M14 \xe3\x83\xac")),
              L"QF-25M14 \u30ec");
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Int(-2147483647 - 1)), -2147483647 - 1);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Int(2147483647)), 2147483647);
    EXPECT_EQ(CCatalogDatabase::VariantToDouble(CCatalogValue::Real(17.526)), 17.526);
}

TEST(CatalogConversion, RealToIntRoundsToNearestWithTiesToEven) {
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(2.5)), 2);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(3.5)), 4);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(-2.5)), -2);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(-3.5)), -4);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(0.5)), 0);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(2.4999)), 2);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(2.5001)), 3);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::Real(-0.7)), -1);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::TextUtf8("2.5")), 2);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::TextUtf8("3.5")), 4);
}

TEST(CatalogConversion, NumericTextConverts) {
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::TextUtf8(" 42 ")), 42);
    EXPECT_EQ(CCatalogDatabase::VariantToInt(CCatalogValue::TextUtf8("-7")), -7);
    EXPECT_EQ(CCatalogDatabase::VariantToDouble(CCatalogValue::TextUtf8("12.5")), 12.5);
    EXPECT_EQ(CCatalogDatabase::VariantToDouble(CCatalogValue::TextUtf8("1e-3")), 0.001);
    EXPECT_EQ(CCatalogDatabase::VariantToDouble(CCatalogValue::Int(3)), 3.0);
    EXPECT_EQ(CCatalogDatabase::VariantToCString(CCatalogValue::Int(-42)), L"-42");
    EXPECT_EQ(CCatalogDatabase::VariantToCString(CCatalogValue::Real(12.5)), L"12.5");
    EXPECT_EQ(CCatalogDatabase::VariantToCString(CCatalogValue::Real(0.1)), L"0.1");
}

TEST(CatalogConversion, NumbersIgnoreTheUserLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
    double d = CCatalogDatabase::VariantToDouble(CCatalogValue::TextUtf8("12.5"));
    std::wstring t = CCatalogDatabase::VariantToCString(CCatalogValue::Real(12.5));
    bool commaRejected = false;
    try {
        CCatalogDatabase::VariantToDouble(CCatalogValue::TextUtf8("12,5"));
    } catch (const CCatalogError&) {
        commaRejected = true;
    }
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(d, 12.5);
    EXPECT_EQ(t, L"12.5");
    EXPECT_TRUE(commaRejected);
}

TEST(CatalogConversion, UnconvertibleValuesAreComponentErrors) {
    auto intError = [](const CCatalogValue& v) {
        try {
            CCatalogDatabase::VariantToInt(v);
        } catch (const CCatalogError& e) {
            return e.Text();
        }
        return std::wstring(L"no error");
    };
    auto doubleError = [](const CCatalogValue& v) {
        try {
            CCatalogDatabase::VariantToDouble(v);
        } catch (const CCatalogError& e) {
            return e.Text();
        }
        return std::wstring(L"no error");
    };
    EXPECT_EQ(intError(CCatalogValue::TextUtf8("many")), L"Type mismatch.");
    EXPECT_EQ(intError(CCatalogValue::TextUtf8("")), L"Type mismatch.");
    EXPECT_EQ(intError(CCatalogValue::TextUtf8("12mm")), L"Type mismatch.");
    EXPECT_EQ(intError(CCatalogValue::Int(2147483648LL)), L"Overflow.");
    EXPECT_EQ(intError(CCatalogValue::Real(1e10)), L"Overflow.");
    EXPECT_EQ(doubleError(CCatalogValue::TextUtf8("1.4,2")), L"Type mismatch.");
    EXPECT_EQ(doubleError(CCatalogValue::TextUtf8("nan")), L"Type mismatch.");
    CCatalogValue blob;
    blob.kind = CCatalogValue::Kind::Blob;
    blob.text = "\x01\x02";
    EXPECT_EQ(doubleError(blob), L"Type mismatch.");
    EXPECT_THROW(CCatalogDatabase::VariantToCString(blob), CCatalogError);
}

TEST(CatalogConversion, ColumnsReadFromAFileFollowTheSameRules) {
    CTempCatalogue cat("CREATE TABLE V(ID INTEGER PRIMARY KEY, I INTEGER, R REAL, S TEXT);"
                       "INSERT INTO V VALUES (1, NULL, NULL, NULL);"
                       "INSERT INTO V VALUES (2, 2.5, '7', 12);"
                       "INSERT INTO V VALUES (3, -3.5, 1.25, 1.25);");
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    std::vector<std::tuple<int, double, std::wstring>> rows;
    EXPECT_TRUE(db.RunLoader("SELECT * FROM V ORDER BY ID", {}, [&](const CCatalogRow& r) {
        rows.emplace_back(r.Int("I"), r.Double("R"), r.Text("S"));
    }));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], std::make_tuple(0, 0.0, std::wstring()));
    EXPECT_EQ(rows[1], std::make_tuple(2, 7.0, std::wstring(L"12")));
    EXPECT_EQ(rows[2], std::make_tuple(-4, 1.25, std::wstring(L"1.25")));
    EXPECT_EQ(rec.Count(), 0u);
}
