// The catalogue connection, the loader frame every loader runs in, and the
// value conversions, against real encrypted files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <clocale>
#include <filesystem>
#include <functional>
#include <future>
#include <stdexcept>
#include <thread>

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include "catalogue/CCCTVCCDData.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"
#include "platform/Text.h"
#include "support/LoadedCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

using namespace quorrel::test;
using quorrel::CMessageRecorder;
using V = CCatalogValue;
using DB = CCatalogDatabase;

namespace {

const wchar_t kPassword[] = L"4817qz";

// Row 3 holds a Count that is no number.
const char kNumbersSql[] =
    "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT, Count INTEGER, Size REAL);"
    "INSERT INTO T VALUES (1, 'one', 1, 1.5);"
    "INSERT INTO T VALUES (2, 'two', 2, 2.5);"
    "INSERT INTO T VALUES (3, 'three', 'many', 3.5);"
    "INSERT INTO T VALUES (4, 'four', 4, 4.5);"
    "CREATE TABLE Empty(ID INTEGER PRIMARY KEY, Name TEXT);";

Texts Names(DB& db, const char* sql) {
    Texts names;
    db.RunLoader(sql, {}, [&names](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
    return names;
}

}  // namespace

// ---- Open and Close ----

TEST(CatalogOpen, OpenIsRefusedWhileOpenAndCloseSucceedsOnlyWhenOpen) {
    CTempCatalogue first(kNumbersSql);
    CTempCatalogue second("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                          "INSERT INTO T VALUES (1, 'other');");
    CMessageRecorder rec;
    DB never, failed, db;
    EXPECT_FALSE(never.Close());
    EXPECT_FALSE(failed.Open(first.Path(), L"wrong!"));
    rec.Clear();
    EXPECT_FALSE(failed.Close());

    ASSERT_TRUE(db.Open(first.Path(), kPassword));
    EXPECT_FALSE(db.Open(second.Path(), kPassword));
    EXPECT_FALSE(db.Open(L"/no/such/file.mdb", L"wrong"));
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(Names(db, "SELECT * FROM T ORDER BY ID"), (Texts{L"one", L"two", L"three", L"four"}));
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.Close());
    EXPECT_TRUE(db.Open(second.Path(), kPassword));  // a closed object opens again
    EXPECT_EQ(Names(db, "SELECT * FROM T"), Texts{L"other"});
    EXPECT_EQ(rec.Count(), 0u);
}

// Every way of failing to open shows exactly one message, SQLCipher's own
// text, leaves the object closed and creates no file.
TEST(CatalogOpen, EachFailureShowsOneComponentMessageAndStaysClosed) {
    enum Where { kTheFile, kMissingFile, kTheFolder };
    const std::wstring notADb = L"file is encrypted or is not a database";
    const struct {
        const char* what;
        std::wstring password;
        Where where;
        std::function<void(std::string& bytes)> damage;
        std::wstring text;
    } cases[] = {
        {"wrong password", L"4817qZ", kTheFile, nullptr, notADb},
        {"the other catalogue's password", L"3062mh", kTheFile, nullptr, notADb},
        {"empty password", L"", kTheFile, nullptr, notADb},
        {"missing file", kPassword, kMissingFile, nullptr, L"unable to open database file"},
        {"a folder", kPassword, kTheFolder, nullptr, L"unable to open database file"},
        {"cut in the first page", kPassword, kTheFile, [](auto& b) { b.resize(500); }, notADb},
        {"truncated to half", kPassword, kTheFile, [](auto& b) { b.resize(b.size() / 2); },
         L"database disk image is malformed"},
        {"truncated to nothing", kPassword, kTheFile, [](auto& b) { b.clear(); }, notADb},
        {"first page overwritten", kPassword, kTheFile,
         [](auto& b) { b.replace(100, 8, "XXXXXXXX"); }, notADb},
        {"not a database", kPassword, kTheFile, [](auto& b) { b.assign(4096, 'Q'); }, notADb},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTempCatalogue cat(kNumbersSql);
        if (c.damage) {
            std::string bytes = ReadFileBytes(cat.FsPath());
            c.damage(bytes);
            WriteFileBytes(cat.FsPath(), bytes);
        }
        const std::filesystem::path path = c.where == kTheFile      ? cat.FsPath()
                                           : c.where == kTheFolder ? cat.Folder()
                                                                   : cat.Folder() / "missing.mdb";
        const bool existed = std::filesystem::exists(path);
        CMessageRecorder rec;
        DB db;
        EXPECT_FALSE(db.Open(quorrel::FromUtf8(path.string()), c.password));
        EXPECT_EQ(rec.Texts(), Texts{c.text});
        EXPECT_FALSE(db.IsOpen());
        std::vector<std::unique_ptr<CCCTVData>> lenses;
        EXPECT_FALSE(db.LoadLensTable(lenses));
        EXPECT_FALSE(db.Close());
        EXPECT_EQ(rec.Count(), 1u);
        EXPECT_EQ(std::filesystem::exists(path), existed);
    }
}

// Opening a FIFO for reading would wait for a writer: only a regular file,
// or a link to one, is opened.
TEST(CatalogOpen, OnlyARegularFileOrALinkToOneIsOpened) {
    CTempCatalogue cat(kNumbersSql);
    const std::filesystem::path fifo = cat.Folder() / "fifo.mdb";
    const std::filesystem::path link = cat.Folder() / "link.mdb";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(cat.FsPath(), link);

    CMessageRecorder rec;
    auto opened = std::async(std::launch::async, [&fifo] {
        DB db;
        return db.Open(quorrel::FromUtf8(fifo.string()), kPassword);
    });
    if (opened.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "Open waits on the FIFO";
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // a writer lets it go on
    }
    EXPECT_FALSE(opened.get());
    EXPECT_EQ(rec.Texts(), Texts{L"unable to open database file"});

    DB db;
    ASSERT_TRUE(db.Open(quorrel::FromUtf8(link.string()), kPassword));
    EXPECT_EQ(Names(db, "SELECT * FROM T WHERE ID = 2"), Texts{L"two"});
    EXPECT_EQ(rec.Count(), 1u);
}

// Another process writing the file holds it locked for a moment; the open
// waits for it instead of failing at once.
TEST(CatalogOpen, AFileLockedByAWriterIsWaitedFor) {
    CTempCatalogue cat(kNumbersSql);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(cat.FsPath().c_str(), &writer, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_key(writer, "4817qz", 6), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    });
    CMessageRecorder rec;
    DB db;
    const bool opened = db.Open(cat.Path(), kPassword);
    release.join();
    sqlite3_close(writer);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Names(db, "SELECT * FROM T WHERE ID = 1"), Texts{L"one"});
    EXPECT_EQ(rec.Count(), 0u) << quorrel::ToUtf8(rec.Texts().at(0));
}

TEST(CatalogOpen, TheFileIsOnlyRead) {
    CTempCatalogue cat(kNumbersSql);
    const std::string before = ReadFileBytes(cat.FsPath());
    CMessageRecorder rec;
    {
        DB db;
        ASSERT_TRUE(db.Open(cat.Path(), kPassword));
        EXPECT_EQ(Names(db, "SELECT * FROM T WHERE ID = 1"), Texts{L"one"});
        EXPECT_FALSE(
            db.RunLoader("INSERT INTO Empty VALUES (9, 'x')", {}, [](const CCatalogRow&) {}));
    }  // the destructor closes
    EXPECT_EQ(rec.Texts(), Texts{L"attempt to write a readonly database"});
    EXPECT_EQ(ReadFileBytes(cat.FsPath()), before);
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + "-journal"));
}

// ---- the loader frame ----

namespace {

// Runs `loader` on an array that already holds `kept`; the loader must
// return `result` and leave that one record in place.
template <class T>
void ExpectKept(DB& db, bool (DB::*loader)(std::vector<std::unique_ptr<T>>&),
                std::type_identity_t<std::unique_ptr<T>> kept, bool result) {
    std::vector<std::unique_ptr<T>> arr;
    const T* before = kept.get();
    arr.push_back(std::move(kept));
    EXPECT_EQ((db.*loader)(arr), result);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].get(), before);
}

void ExpectEveryLoaderKeepsItsArray(DB& db, bool result) {
    ExpectKept(db, &DB::LoadLensTable, std::make_unique<CCCTVData>(), result);
    ExpectKept(db, &DB::LoadCCDTable, std::make_unique<CCCTVCCDData>(), result);
    ExpectKept(db, &DB::LoadTKLLensTable, std::make_unique<CTKLData>(L"", tagTKLColumns{}), result);
    ExpectKept(db, &DB::LoadTKLExtraTable, std::make_unique<CTKLExtraData>(), result);
    // The kept light has Type 0, which has no data table to complete it from.
    ExpectKept(db, &DB::LoadLedCommonTable, std::make_unique<CLedData_BackLight>(), result);
    ExpectKept(db, &DB::LoadIlluminationTypeTable, std::make_unique<CLedTypeData>(), result);
    ExpectKept(db, &DB::LoadColorTable, std::make_unique<CLedColorData>(), result);
}

}  // namespace

TEST(CatalogLoader, OnAClosedObjectEveryLoaderFailsSilentlyAndTouchesNothing) {
    CMessageRecorder rec;
    DB db;
    ExpectEveryLoaderKeepsItsArray(db, false);
    bool called = false, seen = true;
    EXPECT_FALSE(db.RunLoader("SELECT 1", {}, [&](const CCatalogRow&) { called = true; },
                              DB::RowLimit::AllRows, &seen));
    EXPECT_FALSE(called);
    EXPECT_FALSE(seen);
    double a = 7, b = 7, c = 7, d = 7;
    EXPECT_FALSE(db.GetSpecDirectRing(L"x", &a, &b, &c, &d));
    EXPECT_EQ((std::vector<double>{a, b, c, d}), std::vector<double>(4, 7.0));
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(CatalogLoader, EmptyTablesSucceedAndAppendNothing) {
    COpenCatalogue cat(
        "CREATE TABLE LENS(ID INTEGER PRIMARY KEY, Discontinued INTEGER, DispOrder INTEGER);"
        "CREATE TABLE CCD(ID INTEGER PRIMARY KEY, DispOrder INTEGER);"
        "CREATE TABLE LENS_EXTRA(ID INTEGER PRIMARY KEY, REARCON_Type TEXT);"
        "CREATE TABLE Common(ID INTEGER PRIMARY KEY, Discontinued INTEGER, DispOrder INTEGER);"
        "CREATE TABLE IlluminationType(ID INTEGER PRIMARY KEY, Discontinued INTEGER,"
        " DispOrder INTEGER);"
        "CREATE TABLE Color(ID INTEGER PRIMARY KEY);");
    ExpectEveryLoaderKeepsItsArray(cat.db, true);
    bool seen = true;
    EXPECT_TRUE(cat.db.RunLoader("SELECT * FROM Color", {}, [](const CCatalogRow&) {},
                                 DB::RowLimit::AllRows, &seen));
    EXPECT_FALSE(seen);
    EXPECT_EQ(cat.messages.Count(), 0u);
}

TEST(CatalogLoader, BadValueMidTableKeepsEarlierRowsAndTheNextLoaderRuns) {
    COpenCatalogue cat(kNumbersSql);
    std::vector<std::tuple<std::wstring, int, double>> rows;
    EXPECT_FALSE(cat.db.RunLoader("SELECT * FROM T ORDER BY ID", {}, [&](const CCatalogRow& r) {
        rows.emplace_back(r.Text("Name"), r.Int("Count"), r.Double("Size"));
    }));
    EXPECT_EQ(rows, (std::vector<std::tuple<std::wstring, int, double>>{{L"one", 1, 1.5},
                                                                        {L"two", 2, 2.5}}));
    EXPECT_EQ(cat.messages.Texts(), Texts{L"Type mismatch."});
    // The transaction was ended: the next loader begins its own.
    EXPECT_EQ(Names(cat.db, "SELECT * FROM T ORDER BY ID DESC"),
              (Texts{L"four", L"three", L"two", L"one"}));
    EXPECT_EQ(cat.messages.Count(), 1u);
}

TEST(CatalogLoader, RejectedStatementShowsSQLCipherText) {
    COpenCatalogue cat(kNumbersSql);
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    bool called = false;
    auto handler = [&](const CCatalogRow&) { called = true; };
    EXPECT_FALSE(cat.db.LoadLensTable(lenses));
    EXPECT_FALSE(cat.db.RunLoader("SELECT * FROM T ORDER BY DispOrder", {}, handler));
    EXPECT_FALSE(cat.db.RunLoader("SELEKT 1", {}, handler));
    EXPECT_FALSE(called);
    EXPECT_TRUE(lenses.empty());
    EXPECT_EQ(cat.messages.Texts(), (Texts{L"no such table: LENS", L"no such column: DispOrder",
                                           L"near \"SELEKT\": syntax error"}));
    EXPECT_EQ(Names(cat.db, "SELECT * FROM T WHERE ID = 4"), Texts{L"four"});
}

TEST(CatalogLoader, ParametersAreBoundNotPasted) {
    COpenCatalogue cat("CREATE TABLE P(ProductName TEXT, Name TEXT);"
                       "INSERT INTO P VALUES ('QL-R''70', 'apostrophe');"
                       "INSERT INTO P VALUES ('x'' OR ''1''=''1', 'injection');"
                       "INSERT INTO P VALUES ('QL-B100', 'bar');");
    auto find = [&](const std::wstring& product) {
        Texts names;
        cat.db.RunLoader("SELECT * FROM P WHERE ProductName = ?", {product},
                         [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
        return names;
    };
    EXPECT_EQ(find(L"QL-R'70"), Texts{L"apostrophe"});
    EXPECT_EQ(find(L"x' OR '1'='1"), Texts{L"injection"});
    EXPECT_EQ(find(L"' OR '1'='1"), Texts{});
    EXPECT_EQ(cat.messages.Count(), 0u);
    // A parameter count that does not fit the statement is a component error.
    EXPECT_FALSE(cat.db.RunLoader("SELECT * FROM P WHERE ProductName = ?", {},
                                  [](const CCatalogRow&) {}));
    EXPECT_EQ(cat.messages.Texts(), Texts{L"bind or column index out of range"});
}

TEST(CatalogLoader, FirstRowLimitReadsOneRowAndReportsWhetherOneWasSeen) {
    COpenCatalogue cat(kNumbersSql);
    Texts names;
    auto add = [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); };
    bool seen = false;
    EXPECT_TRUE(cat.db.RunLoader("SELECT * FROM T WHERE Size > ? ORDER BY ID", {L"2"}, add,
                                 DB::RowLimit::FirstRow, &seen));
    EXPECT_EQ(names, Texts{L"two"});
    EXPECT_TRUE(seen);
    EXPECT_TRUE(cat.db.RunLoader("SELECT * FROM T WHERE Name = ?", {L"five"}, add,
                                 DB::RowLimit::FirstRow, &seen));
    EXPECT_FALSE(seen);
    EXPECT_EQ(names.size(), 1u);
    EXPECT_EQ(cat.messages.Count(), 0u);
}

TEST(CatalogLoader, DamagedDataPageFailsTheLoaderThatReadsIt) {
    // A table spread over several pages; the schema on the first page stays
    // readable, so Open succeeds.
    std::string sql = "CREATE TABLE Big(ID INTEGER PRIMARY KEY, Name TEXT);";
    for (int i = 1; i <= 200; ++i)
        sql += "INSERT INTO Big VALUES (" + std::to_string(i) + ", '" + std::string(40, 'n') +
               "');";
    sql += "CREATE TABLE Small(ID INTEGER PRIMARY KEY, Name TEXT);"
           "INSERT INTO Small VALUES (1, 'small');";
    CTempCatalogue cat(sql);
    std::string bytes = ReadFileBytes(cat.FsPath());
    ASSERT_GT(bytes.size(), 6000u);
    for (size_t i = 5000; i < 5008; ++i) bytes[i] ^= 0x5a;
    WriteFileBytes(cat.FsPath(), bytes);

    CMessageRecorder rec;
    DB db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    EXPECT_LT(Names(db, "SELECT * FROM Big ORDER BY ID").size(), 200u);
    ASSERT_EQ(rec.Count(), 1u);
    EXPECT_TRUE(rec.Texts()[0] == L"database disk image is malformed" ||
                rec.Texts()[0] == L"file is encrypted or is not a database")
        << quorrel::ToUtf8(rec.Texts()[0]);
    EXPECT_EQ(Names(db, "SELECT * FROM Small"), Texts{L"small"});
    EXPECT_EQ(rec.Count(), 1u);
}

TEST(CatalogLoader, ExceptionFromTheHandlerStillEndsTheTransaction) {
    COpenCatalogue cat(kNumbersSql);
    auto fail = [](const CCatalogRow&) { throw std::runtime_error("out of memory"); };
    EXPECT_THROW(cat.db.RunLoader("SELECT * FROM T", {}, fail), std::runtime_error);
    EXPECT_EQ(Names(cat.db, "SELECT * FROM T WHERE ID = 3"), Texts{L"three"});
    EXPECT_EQ(cat.messages.Count(), 0u);
}

// ---- conversions ----

TEST(CatalogConversion, NullGivesEmptyZeroAndZeroAndOtherValuesConvert) {
    EXPECT_EQ(DB::VariantToCString(V::Null()), L"");
    EXPECT_EQ(DB::VariantToInt(V::Null()), 0);
    EXPECT_EQ(DB::VariantToDouble(V::Null()), 0.0);
    EXPECT_EQ(DB::VariantToCString(V::TextUtf8("QF-25M14 \xe3\x83\xac")), L"QF-25M14 \u30ec");
    EXPECT_EQ(DB::VariantToInt(V::Int(INT_MIN)), INT_MIN);
    EXPECT_EQ(DB::VariantToInt(V::Int(INT_MAX)), INT_MAX);
    EXPECT_EQ(DB::VariantToDouble(V::Real(17.526)), 17.526);
    EXPECT_EQ(DB::VariantToDouble(V::TextUtf8("12.5")), 12.5);
    EXPECT_EQ(DB::VariantToDouble(V::TextUtf8("1e-3")), 0.001);
    EXPECT_EQ(DB::VariantToDouble(V::Int(3)), 3.0);
    EXPECT_EQ(DB::VariantToCString(V::Int(-42)), L"-42");
    EXPECT_EQ(DB::VariantToCString(V::Real(12.5)), L"12.5");
    EXPECT_EQ(DB::VariantToCString(V::Real(0.1)), L"0.1");
}

TEST(CatalogConversion, IntRoundsToNearestWithTiesToEven) {
    const std::pair<V, int> cases[] = {
        {V::Real(2.5), 2},       {V::Real(3.5), 4},         {V::Real(-2.5), -2},
        {V::Real(-3.5), -4},     {V::Real(0.5), 0},         {V::Real(2.4999), 2},
        {V::Real(2.5001), 3},    {V::Real(-0.7), -1},       {V::TextUtf8("2.5"), 2},
        {V::TextUtf8("3.5"), 4}, {V::TextUtf8(" 42 "), 42}, {V::TextUtf8("-7"), -7},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(DB::VariantToInt(cases[i].first), cases[i].second) << "case " << i;
}

TEST(CatalogConversion, NumbersIgnoreTheUserLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "install-deps provides the de_DE.UTF-8 locale";
    const double d = DB::VariantToDouble(V::TextUtf8("12.5"));
    const std::wstring t = DB::VariantToCString(V::Real(12.5));
    bool commaRejected = false;
    try {
        DB::VariantToDouble(V::TextUtf8("12,5"));
    } catch (const CCatalogError&) {
        commaRejected = true;
    }
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(d, 12.5);
    EXPECT_EQ(t, L"12.5");
    EXPECT_TRUE(commaRejected);
}

TEST(CatalogConversion, UnconvertibleValuesAreComponentErrors) {
    using Convert = std::function<void(const V&)>;
    const Convert toInt = [](const V& v) { DB::VariantToInt(v); };
    const Convert toDouble = [](const V& v) { DB::VariantToDouble(v); };
    const Convert toText = [](const V& v) { DB::VariantToCString(v); };
    V blob;
    blob.kind = V::Kind::Blob;
    blob.text = "\x01\x02";
    const struct {
        Convert convert;
        V value;
        std::wstring text;
    } cases[] = {
        {toInt, V::TextUtf8("many"), L"Type mismatch."},
        {toInt, V::TextUtf8(""), L"Type mismatch."},
        {toInt, V::TextUtf8("12mm"), L"Type mismatch."},
        {toInt, V::Int(2147483648LL), L"Overflow."},
        {toInt, V::Real(1e10), L"Overflow."},
        {toInt, V::TextUtf8("1e999"), L"Overflow."},
        {toDouble, V::TextUtf8("1e999"), L"Overflow."},
        {toDouble, V::TextUtf8("-1e999"), L"Overflow."},
        {toDouble, V::Real(HUGE_VAL), L"Overflow."},  // a REAL column's "1e999"
        {toDouble, V::TextUtf8("1.4,2"), L"Type mismatch."},
        {toDouble, V::TextUtf8("nan"), L"Type mismatch."},
        {toDouble, blob, L"Type mismatch."},
        {toText, blob, L"Type mismatch."},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::wstring text = L"no error";
        try {
            cases[i].convert(cases[i].value);
        } catch (const CCatalogError& e) {
            text = e.Text();
        }
        EXPECT_EQ(text, cases[i].text) << "case " << i;
    }
}

TEST(CatalogConversion, ColumnsReadFromAFileFollowTheSameRulesAndMatchWithoutCase) {
    COpenCatalogue cat("CREATE TABLE V(ID INTEGER PRIMARY KEY, I INTEGER, R REAL, S TEXT);"
                       "INSERT INTO V VALUES (1, NULL, NULL, NULL);"
                       "INSERT INTO V VALUES (2, 2.5, '7', 12);"
                       "INSERT INTO V VALUES (3, -3.5, 1.25, 1.25);");
    std::vector<std::tuple<int, double, std::wstring>> rows;
    EXPECT_TRUE(cat.db.RunLoader("SELECT * FROM V ORDER BY ID", {}, [&](const CCatalogRow& r) {
        rows.emplace_back(r.Int("i"), r.Double("R"), r.Text("s"));
    }));
    EXPECT_EQ(rows, (std::vector<std::tuple<int, double, std::wstring>>{
                        {0, 0.0, L""}, {2, 7.0, L"12"}, {-4, 1.25, L"1.25"}}));
    EXPECT_EQ(cat.messages.Count(), 0u);
}
