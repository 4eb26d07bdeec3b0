// Building encrypted catalogue files from SQL text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "catalogue/CCatalogDatabase.h"
#include "catalogue/CatalogueBuilder.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"

using quorrel::BuildCatalogue;
using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;

namespace {

std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::wstring> Names(const std::wstring& path, const std::wstring& password) {
    CCatalogDatabase db;
    std::vector<std::wstring> names;
    if (db.Open(path, password))
        db.RunLoader("SELECT * FROM T ORDER BY ID", {},
                     [&](const CCatalogRow& r) { names.push_back(r.Text("Name")); });
    return names;
}

}  // namespace

TEST(CatalogueBuilder, ReplacesAnOldFile) {
    CTempCatalogue cat("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                       "INSERT INTO T VALUES (1, 'old');");
    std::wstring error;
    ASSERT_TRUE(BuildCatalogue(cat.Path(),
                               "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);\n"
                               "INSERT INTO T VALUES (1, 'new');\n"
                               "INSERT INTO T VALUES (2, '\xe6\x96\xb0');\n"
                               "-- a trailing comment without a line end",
                               L"3062mh", &error))
        << quorrel::ToUtf8(error);
    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L"3062mh"), (std::vector<std::wstring>{L"new", L"\u65b0"}));
    EXPECT_TRUE(Names(cat.Path(), L"4817qz").empty());  // the old password no longer opens it
    EXPECT_EQ(rec.Texts(), std::vector<std::wstring>{L"file is encrypted or is not a database"});
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + ".partial"));
}

TEST(CatalogueBuilder, FailingSqlReportsSQLCipherTextAndKeepsTheOldFile) {
    CTempCatalogue cat("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                       "INSERT INTO T VALUES (1, 'old');");
    const std::string before = ReadBytes(cat.FsPath());

    std::wstring error;
    EXPECT_FALSE(BuildCatalogue(cat.Path(),
                                "CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                                "INSERT INTO T VALUES (1, 'new');"
                                "INSERT INTO Missing VALUES (2);",
                                L"4817qz", &error));
    EXPECT_EQ(error, L"no such table: Missing");
    EXPECT_FALSE(BuildCatalogue(cat.Path(), "CREAT TABLE T(ID);", L"4817qz", &error));
    EXPECT_EQ(error, L"near \"CREAT\": syntax error");

    EXPECT_EQ(ReadBytes(cat.FsPath()), before);
    EXPECT_FALSE(std::filesystem::exists(cat.FsPath().string() + ".partial"));
    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L"4817qz"), std::vector<std::wstring>{L"old"});
}

TEST(CatalogueBuilder, UnwritableFolderIsReported) {
    std::wstring error;
    EXPECT_FALSE(BuildCatalogue(L"/no/such/folder/cat.mdb", "CREATE TABLE T(ID);", L"4817qz", &error));
    EXPECT_EQ(error, L"unable to open database file");
}

TEST(CatalogueBuilder, EmptyPasswordMeansNoEncryption) {
    CTempCatalogue cat("CREATE TABLE T(ID INTEGER PRIMARY KEY, Name TEXT);"
                       "INSERT INTO T VALUES (1, 'plain');",
                       L"");
    EXPECT_EQ(ReadBytes(cat.FsPath()).substr(0, 16), std::string("SQLite format 3\0", 16));
    CMessageRecorder rec;
    EXPECT_EQ(Names(cat.Path(), L""), std::vector<std::wstring>{L"plain"});
    EXPECT_TRUE(Names(cat.Path(), L"4817qz").empty());
    EXPECT_EQ(rec.Texts(), std::vector<std::wstring>{L"file is encrypted or is not a database"});
}
