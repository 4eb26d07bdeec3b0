// The lens catalogue loaders: lenses and sensor formats.
#include <gtest/gtest.h>

#include "catalogue/CCCTVCCDData.h"
#include "optics/CCCTVData_Param1.h"
#include "support/LoadedCatalogue.h"

using namespace quorrel::test;
using namespace std::string_literals;

namespace {

const std::string kSchema =
    "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, ParamType INTEGER, CatalogJP TEXT,"
    " CatalogEN TEXT, CatalogCN TEXT, Parameter TEXT, PixelSize REAL, MountType TEXT,"
    " SpecialFalg INTEGER, DrawoutDirection INTEGER, Fno TEXT, Discontinued INTEGER,"
    " DispOrder INTEGER);"
    "CREATE TABLE CCD (ID INTEGER PRIMARY KEY, Horizontal REAL, Vertical REAL, Radial REAL,"
    " Type TEXT, AreaFlag INTEGER, SpecialFlag INTEGER, DispOrder INTEGER);";

// f 25, H -2, a 30, s1 30, s2 -5.474, P 1.1, F1.4, draw 3, rings to 25,
// image circle 11, effective diameter 20.
const char kThinLens[] = "25,-2,30,0,30,-5.474,0,1.1,1.4,3,25,11,0,0,20";

std::string LensRow(int id, const std::string& type, int paramType, int discontinued,
                    int dispOrder, const std::string& parameter = kThinLens) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + type + "', " +
           std::to_string(paramType) + ", 'jp/" + type + "', 'en/" + type + "', 'cn/" + type +
           "', '" + parameter + "', 3.45, 'C', 1, 0, '1.4,2,2.8,4', " +
           std::to_string(discontinued) + ", " + std::to_string(dispOrder) + ");";
}

std::string SensorRow(int id, const std::string& values) {
    return "INSERT INTO CCD VALUES (" + std::to_string(id) + ", " + values + ");";
}

// The eleven columns of a lens as the loader assigns them.
auto Columns(const CCCTVData& l) {
    return std::make_tuple(l.m_strType, l.m_nParamType, l.m_strCatalogJP, l.m_strCatalogEN,
                           l.m_strCatalogCN, l.m_strParameter, l.m_dPixelSize, l.m_strMountType,
                           l.m_nSpecialFlag, l.m_nDrawoutDirection, l.m_strFno);
}

auto Columns(const CCCTVCCDData& s) {
    return std::make_tuple(s.m_nID, s.m_dHorizontal, s.m_dVertical, s.m_dRadial, s.m_strType,
                           s.m_nAreaFlag, s.m_nSpecialFlag);
}

// Both loaders on one file, in the program's order.
struct Loaded {
    bool lensResult, ccdResult;
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;
    Texts messages;
    Texts LensNames() const { return Field(lenses, &CCCTVData::m_strType); }
    Texts SensorNames() const { return Field(sensors, &CCCTVCCDData::m_strType); }
};

Loaded LoadBoth(const std::string& sql) {
    COpenCatalogue cat(sql);
    Loaded out;
    out.lensResult = cat.db.LoadLensTable(out.lenses);
    out.ccdResult = cat.db.LoadCCDTable(out.sensors);
    out.messages = cat.messages.Texts();
    return out;
}

}  // namespace

// The indexes hand out rows of equal display order newest first; the
// loaders still list them in the order they are stored.
TEST(LensTables, CurrentRowsInDisplayOrderWithTiesInStorageOrder) {
    Loaded l = LoadBoth(kSchema + "CREATE INDEX ByOrder ON LENS(DispOrder, ID DESC);"
                        "CREATE INDEX CcdByOrder ON CCD(DispOrder, ID DESC);" +
                        LensRow(1, "A", 1, 0, 10) + LensRow(2, "Old10", 1, 1, 10) +
                        LensRow(3, "B", 1, 0, 10) + LensRow(4, "C", 1, 0, 5) +
                        LensRow(5, "Old-1", 1, -1, 5) + LensRow(6, "D", 1, 0, 10) +
                        LensRow(7, "E", 1, 0, 30) +
                        SensorRow(1, "1, 1, 1, 'first', 3, 1, 7") +
                        SensorRow(2, "1, 1, 1, 'second', 3, 1, 7") +
                        SensorRow(3, "1, 1, 1, 'top', 3, 1, 1"));
    EXPECT_TRUE(l.lensResult);
    EXPECT_TRUE(l.ccdResult);
    EXPECT_EQ(l.LensNames(), (Texts{L"C", L"A", L"B", L"D", L"E"}));
    EXPECT_EQ(l.SensorNames(), (Texts{L"top", L"first", L"second"}));
    EXPECT_TRUE(l.messages.empty());
}

TEST(LensTables, EveryColumnLandsInItsMemberAndTheModelCompletesTheRecord) {
    Loaded l = LoadBoth(kSchema +
                        "INSERT INTO LENS VALUES (7, 'QF-25M14', 1, 'https://x/jp', 'https://x/en',"
                        " 'https://x/cn', '25,-2,30,4,30,-5.474,7,1.1,1.4,3,25,11,0.5,1.5,20',"
                        " 3.45, 'C', 5, 1, '1.4,2,2.8,4,5.6,8,11,16', 0, 60);" +
                        SensorRow(12, "8.8, 6.6, 11.0, '2/3\"', 3, 5, 70"));
    ASSERT_EQ(l.lenses.size(), 1u);
    const CCCTVData& lens = *l.lenses[0];
    EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(&lens), nullptr);
    // The F-number text keeps its last entry once the list is split.
    EXPECT_EQ(Columns(lens),
              std::make_tuple(L"QF-25M14"s, 1, L"https://x/jp"s, L"https://x/en"s, L"https://x/cn"s,
                              L"25,-2,30,4,30,-5.474,7,1.1,1.4,3,25,11,0.5,1.5,20"s, 3.45, L"C"s, 5,
                              1, L"16"s));
    // The model read its text: first, ring-limit and last token.
    EXPECT_EQ(lens.m_dFocalLength, 25.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 25.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 20.0);
    ASSERT_EQ(lens.m_nFnoCount, 8);
    EXPECT_EQ(lens.m_astrFno[0], L"1.4");
    EXPECT_EQ(lens.m_astrFno[7], L"16");

    ASSERT_EQ(l.sensors.size(), 1u);
    EXPECT_EQ(Columns(*l.sensors[0]), std::make_tuple(12, 8.8, 6.6, 11.0, L"2/3\""s, 3, 5));
}

TEST(LensTables, TypesWithoutAClassOfTheirOwnBecomeTheThinLensAndKeepTheirType) {
    // The last lens's ring limit is 40: the thin-lens values come from its text.
    Loaded l = LoadBoth(kSchema + LensRow(1, "T0", 0, 0, 1) + LensRow(2, "T1", 1, 0, 2) +
                        LensRow(3, "T22", 22, 0, 3) + LensRow(4, "T150", 150, 0, 4) +
                        LensRow(5, "Tneg", -3, 0, 5) +
                        LensRow(6, "T1b", 1, 0, 6,
                                "16,-4,35,0,35,5.526,0,1.5,1.4,1.5,40,11,0,0,20"));
    ASSERT_EQ(l.lenses.size(), 6u);
    const int types[] = {0, 1, 22, 150, -3, 1};
    for (size_t i = 0; i < l.lenses.size(); ++i) {
        const CCCTVData& lens = *l.lenses[i];
        EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(&lens), nullptr) << i;
        EXPECT_EQ(lens.m_nParamType, types[i]);
        EXPECT_EQ(lens.m_dOpenFno, 1.4) << i;
        EXPECT_EQ(lens.m_nFnoCount, 4) << i;
    }
    EXPECT_EQ(l.lenses[0]->m_dFocalLength, 25.0);
    EXPECT_EQ(l.lenses[0]->m_dMaxRingLength, 25.0);
    EXPECT_EQ(l.lenses[5]->m_dFocalLength, 16.0);
    EXPECT_EQ(l.lenses[5]->m_dMaxRingLength, 40.0);
    EXPECT_TRUE(l.messages.empty());
}

TEST(LensTables, NullColumnsGiveEmptyTextsAndZeros) {
    Loaded l = LoadBoth(kSchema +
                        "INSERT INTO LENS (ID, Discontinued, DispOrder) VALUES (1, 0, 1);"
                        "INSERT INTO LENS VALUES (2, 'QF-8M14', 1, NULL, NULL, NULL,"
                        " '8,-4,43,0,43,13.526,0,2.2,1.4,0.5,5,11,0,0,25', NULL, NULL, NULL,"
                        " NULL, NULL, 0, 2);" +
                        SensorRow(1, "NULL, NULL, NULL, 'blank', 0, NULL, 30") +
                        SensorRow(2, "NULL, NULL, 14.34, 'line', 2, 2, 20"));
    EXPECT_TRUE(l.messages.empty());
    ASSERT_EQ(l.lenses.size(), 2u);
    const auto none = L""s;
    // ParamType NULL reads 0: the thin lens. An empty text reads -1.0 for every token.
    EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(l.lenses[0].get()), nullptr);
    EXPECT_EQ(Columns(*l.lenses[0]),
              std::make_tuple(none, 0, none, none, none, none, 0.0, none, 0, 0, none));
    EXPECT_EQ(l.lenses[0]->m_nFnoCount, 0);
    EXPECT_EQ(l.lenses[0]->m_dFocalLength, -1.0);
    EXPECT_EQ(l.lenses[0]->m_dEffectiveDiameter, -1.0);
    // A NULL SpecialFalg replaces the record's default 1: the lens suits no sensor.
    EXPECT_EQ(Columns(*l.lenses[1]),
              std::make_tuple(L"QF-8M14"s, 1, none, none, none,
                              L"8,-4,43,0,43,13.526,0,2.2,1.4,0.5,5,11,0,0,25"s, 0.0, none, 0, 0,
                              none));
    EXPECT_EQ(l.lenses[1]->m_dFocalLength, 8.0);

    ASSERT_EQ(l.sensors.size(), 2u);
    EXPECT_EQ(Columns(*l.sensors[0]), std::make_tuple(2, 0.0, 0.0, 14.34, L"line"s, 2, 2));
    EXPECT_EQ(Columns(*l.sensors[1]), std::make_tuple(1, 0.0, 0.0, 0.0, L"blank"s, 0, 0));
}

TEST(LensTables, BadValueMidTableKeepsEarlierRowsAndTheSensorsStillLoad) {
    Loaded l = LoadBoth(kSchema + LensRow(1, "A", 1, 0, 1) + LensRow(2, "B", 1, 0, 2) +
                        "INSERT INTO LENS VALUES (3, 'Bad', 1, '', '', '', '', 'n/a', 'C', 1, 0,"
                        " '', 0, 3);" +
                        LensRow(4, "D", 1, 0, 4) +
                        SensorRow(1, "6.4, 4.8, 8.0, '1/2\"', 3, 1, 10") +
                        SensorRow(2, "8.8, 6.6, 'eleven', '2/3\"', 3, 1, 20") +
                        SensorRow(3, "12.8, 9.6, 16, '1\"', 3, 1, 30"));
    EXPECT_FALSE(l.lensResult);
    EXPECT_EQ(l.LensNames(), (Texts{L"A", L"B"}));
    EXPECT_FALSE(l.ccdResult);
    EXPECT_EQ(l.SensorNames(), Texts{L"1/2\""});
    EXPECT_EQ(l.messages, (Texts{L"Type mismatch.", L"Type mismatch."}));
}

TEST(LensTables, TheFlagColumnIsSpelledSpecialFalg) {
    Loaded l = LoadBoth(
        "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, ParamType INTEGER, CatalogJP TEXT,"
        " CatalogEN TEXT, CatalogCN TEXT, Parameter TEXT, PixelSize REAL, MountType TEXT,"
        " SpecialFlag INTEGER, DrawoutDirection INTEGER, Fno TEXT, Discontinued INTEGER,"
        " DispOrder INTEGER);"
        "INSERT INTO LENS VALUES (1, 'A', 1, '', '', '', '', 0, 'C', 1, 0, '', 0, 1);"
        "CREATE TABLE CCD (ID INTEGER PRIMARY KEY, Horizontal REAL, Vertical REAL, Radial REAL,"
        " Type TEXT, AreaFlag INTEGER, SpecialFlag INTEGER, DispOrder INTEGER);");
    EXPECT_FALSE(l.lensResult);
    EXPECT_TRUE(l.lenses.empty());
    EXPECT_TRUE(l.ccdResult);
    EXPECT_EQ(l.messages, Texts{L"no such column: SpecialFalg"});
}
