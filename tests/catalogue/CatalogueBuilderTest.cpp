// Building encrypted catalogue files from SQL text.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/CatalogueBuilder.h"
#include "platform/Text.h"
#include "support/LoadedCatalogue.h"

using namespace quorrel::test;
using quorrel::BuildCatalogue;
using quorrel::CMessageRecorder;

namespace {

const char kOldSql[] = "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                       "INSERT INTO T VALUES (1, 'old');";
const std::string kPlainHeader("SQLite format 3\0", 16);

// The names of T, or nothing when the file does not open with `password`.
Texts Names(const std::wstring& path, const std::wstring& password) {
    CCatalogDatabase db;
    Texts names;
    if (db.Open(path, password))
        db.RunLoader("SELECT * FROM T ORDER BY ID", {},
                     [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
    return names;
}

}  // namespace

TEST(CatalogueBuilder, ReplacesAnOldFileAndEncryptsIt) {
    CTempCatalogue cat(kOldSql);
    std::wstring error;
    ASSERT_TRUE(BuildCatalogue(cat.Path(),
                               "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);\n"
                               "INSERT INTO T VALUES (1, 'new');\n"
                               "INSERT INTO T VALUES (2, '\xe6\x96\xb0');\n"
                               "-- a trailing comment without a line end",
                               L"3062mh", &error))
        << quorrel::ToUtf8(error);
    const std::string bytes = ReadFileBytes(cat.FsPath());
    EXPECT_NE(bytes.substr(0, 16), kPlainHeader);
    EXPECT_EQ(bytes.find("CREATE TABLE T"), std::string::npos);  // the schema is unreadable

    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L"3062mh"), (Texts{L"new", L"\u65b0"}));
    EXPECT_TRUE(Names(cat.Path(), L"4817qz").empty());  // the old password no longer opens it
    EXPECT_EQ(rec.Texts(), Texts{L"file is encrypted or is not a database"});
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + ".partial"));
}

TEST(CatalogueBuilder, FailingSqlReportsSQLCipherTextAndKeepsTheOldFile) {
    CTempCatalogue cat(kOldSql);
    const std::string before = ReadFileBytes(cat.FsPath());
    std::wstring error;
    EXPECT_FALSE(BuildCatalogue(cat.Path(),
                                "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                                "INSERT INTO T VALUES (1, 'new');"
                                "INSERT INTO Missing VALUES (2);",
                                L"4817qz", &error));
    EXPECT_EQ(error, L"no such table: Missing");
    EXPECT_FALSE(BuildCatalogue(cat.Path(), "CREAT TABLE T(ID);", L"4817qz", &error));
    EXPECT_EQ(error, L"near \"CREAT\": syntax error");
    EXPECT_FALSE(
        BuildCatalogue(L"/no/such/folder/cat.mdb", "CREATE TABLE T(ID);", L"4817qz", &error));
    EXPECT_EQ(error, L"unable to open database file");
    // An unterminated comment swallows the closing COMMIT: a failure, not an
    // empty file reported as built.
    EXPECT_FALSE(BuildCatalogue(cat.Path(),
                                "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                                "INSERT INTO T VALUES (1, 'new'); /* unterminated",
                                L"4817qz", &error));
    EXPECT_EQ(error, L"the catalogue source does not end its statements");

    EXPECT_EQ(ReadFileBytes(cat.FsPath()), before);
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + ".partial"));
    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L"4817qz"), Texts{L"old"});
}

TEST(CatalogueBuilder, EmptyPasswordMeansNoEncryption) {
    CTempCatalogue cat("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                       "INSERT INTO T VALUES (1, 'plain');",
                       L"");
    EXPECT_EQ(ReadFileBytes(cat.FsPath()).substr(0, 16), kPlainHeader);
    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L""), Texts{L"plain"});
    EXPECT_TRUE(Names(cat.Path(), L"4817qz").empty());
    EXPECT_EQ(rec.Texts(), Texts{L"file is encrypted or is not a database"});
}
