// The lens catalogue loaders: lenses and sensor formats.
#include <gtest/gtest.h>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "optics/CCCTVData_Param1.h"
#include "platform/Message.h"
#include "support/TempCatalogue.h"

using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;
using Texts = std::vector<std::wstring>;

namespace {

const char kSchema[] =
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

struct Loaded {
    bool lensResult = false;
    bool ccdResult = false;
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;
    Texts messages;

    Texts LensNames() const {
        Texts names;
        for (const auto& l : lenses) names.push_back(l->m_strType);
        return names;
    }
    Texts SensorNames() const {
        Texts names;
        for (const auto& s : sensors) names.push_back(s->m_strType);
        return names;
    }
};

// Opens a catalogue built from `sql` and runs both loaders in the program's order.
Loaded LoadBoth(const std::string& sql) {
    CTempCatalogue cat(sql);
    CMessageRecorder rec;
    Loaded out;
    CCatalogDatabase db;
    EXPECT_TRUE(db.Open(cat.Path(), L"4817qz"));
    out.lensResult = db.LoadLensTable(out.lenses);
    out.ccdResult = db.LoadCCDTable(out.sensors);
    out.messages = rec.Texts();
    return out;
}

}  // namespace

TEST(LensTable, DiscontinuedLensesNeverLoadAndTheRestFollowDisplayOrder) {
    Loaded l = LoadBoth(std::string(kSchema) + LensRow(1, "L30", 1, 0, 30) +
                        LensRow(2, "Old10", 1, 1, 10) + LensRow(3, "L10", 1, 0, 10) +
                        LensRow(4, "Old-1", 1, -1, 5) + LensRow(5, "L20", 1, 0, 20));
    EXPECT_TRUE(l.lensResult);
    EXPECT_EQ(l.LensNames(), (Texts{L"L10", L"L20", L"L30"}));
    EXPECT_TRUE(l.messages.empty());
}

// The index hands out lenses of equal display order newest first; the loader
// still lists them in the order they are stored.
TEST(LensTable, LensesOfEqualDisplayOrderKeepTheirStorageOrder) {
    Loaded l = LoadBoth(std::string(kSchema) + "CREATE INDEX ByOrder ON LENS(DispOrder, ID DESC);" +
                        "CREATE INDEX CcdByOrder ON CCD(DispOrder, ID DESC);" +
                        LensRow(1, "A", 1, 0, 10) + LensRow(2, "B", 1, 0, 10) +
                        LensRow(3, "C", 1, 0, 5) + LensRow(4, "D", 1, 0, 10) +
                        "INSERT INTO CCD VALUES (1, 1, 1, 1, 'first', 3, 1, 7);"
                        "INSERT INTO CCD VALUES (2, 1, 1, 1, 'second', 3, 1, 7);"
                        "INSERT INTO CCD VALUES (3, 1, 1, 1, 'top', 3, 1, 1);");
    EXPECT_EQ(l.LensNames(), (Texts{L"C", L"A", L"B", L"D"}));
    EXPECT_EQ(l.SensorNames(), (Texts{L"top", L"first", L"second"}));
}

TEST(LensTable, EveryColumnLandsInItsMemberAndTheModelReadsItsText) {
    Loaded l = LoadBoth(std::string(kSchema) +
                        "INSERT INTO LENS VALUES (7, 'QF-25M14', 1, 'https://x/jp', 'https://x/en',"
                        " 'https://x/cn', '25,-2,30,4,30,-5.474,7,1.1,1.4,3,25,11,0.5,1.5,20',"
                        " 3.45, 'C', 5, 1, '1.4,2,2.8,4,5.6,8,11,16', 0, 60);");
    ASSERT_EQ(l.lenses.size(), 1u);
    const CCCTVData& lens = *l.lenses[0];
    EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(&lens), nullptr);
    EXPECT_EQ(lens.m_strType, L"QF-25M14");
    EXPECT_EQ(lens.m_nParamType, 1);
    EXPECT_EQ(lens.m_strCatalogJP, L"https://x/jp");
    EXPECT_EQ(lens.m_strCatalogEN, L"https://x/en");
    EXPECT_EQ(lens.m_strCatalogCN, L"https://x/cn");
    EXPECT_EQ(lens.m_strParameter, L"25,-2,30,4,30,-5.474,7,1.1,1.4,3,25,11,0.5,1.5,20");
    EXPECT_EQ(lens.m_dPixelSize, 3.45);
    EXPECT_EQ(lens.m_strMountType, L"C");
    EXPECT_EQ(lens.m_nSpecialFlag, 5);
    EXPECT_EQ(lens.m_nDrawoutDirection, 1);
    // The model values come from the parameter text.
    EXPECT_EQ(lens.m_dFocalLength, 25.0);
    EXPECT_EQ(lens.m_dPrincipalGap, -2.0);
    EXPECT_EQ(lens.m_dLensLength, 30.0);
    EXPECT_EQ(lens.m_dParam4, 4.0);
    EXPECT_EQ(lens.m_dFrontDistA, 30.0);
    EXPECT_EQ(lens.m_dFrontDistB, -5.474);
    EXPECT_EQ(lens.m_dParam7, 7.0);
    EXPECT_EQ(lens.m_dPupilMagnification, 1.1);
    EXPECT_EQ(lens.m_dOpenFno, 1.4);
    EXPECT_EQ(lens.m_dMaxDraw, 3.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 25.0);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 0.5);
    EXPECT_EQ(lens.m_dWDOffset, 1.5);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 20.0);
    // The F-number list is split; the text keeps its last entry.
    ASSERT_EQ(lens.m_nFnoCount, 8);
    EXPECT_EQ(lens.m_astrFno[0], L"1.4");
    EXPECT_EQ(lens.m_astrFno[7], L"16");
    EXPECT_EQ(lens.m_strFno, L"16");
}

TEST(LensTable, TypesWithoutAClassOfTheirOwnBecomeTheThinLensAndKeepTheirType) {
    // Token 11 (ring limit) is 40 here; a lens text of only ten numbers
    // would still read a value for it, so what shows the model ran is that
    // the thin-lens values come from the text.
    Loaded l = LoadBoth(std::string(kSchema) + LensRow(1, "T0", 0, 0, 1) + LensRow(2, "T1", 1, 0, 2) +
                        LensRow(3, "T22", 22, 0, 3) + LensRow(4, "T150", 150, 0, 4) +
                        LensRow(5, "Tneg", -3, 0, 5) +
                        LensRow(6, "T1b", 1, 0, 6, "16,-4,35,0,35,5.526,0,1.5,1.4,1.5,40,11,0,0,20"));
    ASSERT_EQ(l.lenses.size(), 6u);
    const int types[] = {0, 1, 22, 150, -3, 1};
    for (size_t i = 0; i < l.lenses.size(); ++i) {
        SCOPED_TRACE(i);
        const CCCTVData& lens = *l.lenses[i];
        EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(&lens), nullptr);
        EXPECT_EQ(lens.m_nParamType, types[i]);
        EXPECT_EQ(lens.m_dOpenFno, 1.4);
        EXPECT_EQ(lens.m_nFnoCount, 4);
    }
    EXPECT_EQ(l.lenses[0]->m_dFocalLength, 25.0);
    EXPECT_EQ(l.lenses[0]->m_dMaxRingLength, 25.0);
    EXPECT_EQ(l.lenses[5]->m_dFocalLength, 16.0);
    EXPECT_EQ(l.lenses[5]->m_dMaxRingLength, 40.0);
    EXPECT_TRUE(l.messages.empty());
}

TEST(LensTable, NullColumnsGiveEmptyTextsAndZeros) {
    Loaded l = LoadBoth(std::string(kSchema) +
                        "INSERT INTO LENS (ID, Discontinued, DispOrder) VALUES (1, 0, 1);"
                        "INSERT INTO LENS VALUES (2, 'QF-8M14', 1, NULL, NULL, NULL,"
                        " '8,-4,43,0,43,13.526,0,2.2,1.4,0.5,5,11,0,0,25', NULL, NULL, NULL,"
                        " NULL, NULL, 0, 2);");
    ASSERT_EQ(l.lenses.size(), 2u);
    EXPECT_TRUE(l.messages.empty());

    const CCCTVData& empty = *l.lenses[0];
    EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(&empty), nullptr);  // ParamType NULL reads 0
    EXPECT_EQ(empty.m_nParamType, 0);
    EXPECT_EQ(empty.m_strType, L"");
    EXPECT_EQ(empty.m_strParameter, L"");
    EXPECT_EQ(empty.m_dPixelSize, 0.0);
    EXPECT_EQ(empty.m_nSpecialFlag, 0);
    EXPECT_EQ(empty.m_nDrawoutDirection, 0);
    EXPECT_EQ(empty.m_nFnoCount, 0);
    // An empty parameter text reads -1.0 for every token.
    EXPECT_EQ(empty.m_dFocalLength, -1.0);
    EXPECT_EQ(empty.m_dMaxRingLength, -1.0);
    EXPECT_EQ(empty.m_dEffectiveDiameter, -1.0);

    const CCCTVData& lens = *l.lenses[1];
    EXPECT_EQ(lens.m_strType, L"QF-8M14");
    EXPECT_EQ(lens.m_nSpecialFlag, 0);  // the NULL replaces the record's default 1
    EXPECT_EQ(lens.m_strCatalogJP, L"");
    EXPECT_EQ(lens.m_strMountType, L"");
    EXPECT_EQ(lens.m_strFno, L"");
    EXPECT_EQ(lens.m_dFocalLength, 8.0);
}

TEST(LensTable, BadValueMidTableKeepsEarlierLensesAndTheSensorsStillLoad) {
    Loaded l = LoadBoth(std::string(kSchema) + LensRow(1, "A", 1, 0, 1) + LensRow(2, "B", 1, 0, 2) +
                        "INSERT INTO LENS VALUES (3, 'Bad', 1, '', '', '', '', 'n/a', 'C', 1, 0,"
                        " '', 0, 3);" +
                        LensRow(4, "D", 1, 0, 4) +
                        "INSERT INTO CCD VALUES (1, 8.8, 6.6, 11, '2/3\"', 3, 1, 1);");
    EXPECT_FALSE(l.lensResult);
    EXPECT_EQ(l.LensNames(), (Texts{L"A", L"B"}));
    EXPECT_EQ(l.messages, Texts{L"Type mismatch."});
    EXPECT_TRUE(l.ccdResult);
    EXPECT_EQ(l.SensorNames(), Texts{L"2/3\""});
}

TEST(LensTable, MissingColumnFailsOnTheFirstRow) {
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

TEST(LensTable, MissingTablesShowOneMessageEach) {
    Loaded l = LoadBoth("CREATE TABLE Other(ID INTEGER);");
    EXPECT_FALSE(l.lensResult);
    EXPECT_FALSE(l.ccdResult);
    EXPECT_EQ(l.messages, (Texts{L"no such table: LENS", L"no such table: CCD"}));
}

TEST(CCDTable, EveryColumnLandsInItsMember) {
    Loaded l = LoadBoth(std::string(kSchema) +
                        "INSERT INTO CCD VALUES (12, 8.8, 6.6, 11.0, '2/3\"', 3, 5, 70);");
    ASSERT_EQ(l.sensors.size(), 1u);
    const CCCTVCCDData& s = *l.sensors[0];
    EXPECT_EQ(s.m_nID, 12);
    EXPECT_EQ(s.m_dHorizontal, 8.8);
    EXPECT_EQ(s.m_dVertical, 6.6);
    EXPECT_EQ(s.m_dRadial, 11.0);
    EXPECT_EQ(s.m_strType, L"2/3\"");
    EXPECT_EQ(s.m_nAreaFlag, 3);
    EXPECT_EQ(s.m_nSpecialFlag, 5);
    EXPECT_TRUE(l.ccdResult);
    EXPECT_TRUE(l.lensResult);  // an empty LENS table loads nothing and succeeds
    EXPECT_TRUE(l.lenses.empty());
}

TEST(CCDTable, NullSizesReadZeroAndAllRowsLoadInDisplayOrder) {
    Loaded l = LoadBoth(std::string(kSchema) +
                        "INSERT INTO CCD VALUES (1, NULL, NULL, NULL, 'blank', 0, NULL, 30);"
                        "INSERT INTO CCD VALUES (2, NULL, NULL, 14.34, 'line', 2, 2, 20);"
                        "INSERT INTO CCD VALUES (3, 6.4, 4.8, 8.0, '1/2\"', 3, 1, 10);");
    ASSERT_EQ(l.SensorNames(), (Texts{L"1/2\"", L"line", L"blank"}));
    const CCCTVCCDData& line = *l.sensors[1];
    EXPECT_EQ(line.m_dHorizontal, 0.0);
    EXPECT_EQ(line.m_dVertical, 0.0);
    EXPECT_EQ(line.m_dRadial, 14.34);
    EXPECT_EQ(line.m_nAreaFlag, 2);
    const CCCTVCCDData& blank = *l.sensors[2];
    EXPECT_EQ(blank.m_dHorizontal, 0.0);
    EXPECT_EQ(blank.m_dRadial, 0.0);
    EXPECT_EQ(blank.m_nAreaFlag, 0);
    EXPECT_EQ(blank.m_nSpecialFlag, 0);
    EXPECT_TRUE(l.messages.empty());
}

TEST(CCDTable, BadValueMidTableKeepsEarlierRows) {
    Loaded l = LoadBoth(std::string(kSchema) +
                        "INSERT INTO CCD VALUES (1, 6.4, 4.8, 8.0, '1/2\"', 3, 1, 10);"
                        "INSERT INTO CCD VALUES (2, 8.8, 6.6, 'eleven', '2/3\"', 3, 1, 20);"
                        "INSERT INTO CCD VALUES (3, 12.8, 9.6, 16, '1\"', 3, 1, 30);");
    EXPECT_FALSE(l.ccdResult);
    EXPECT_EQ(l.SensorNames(), Texts{L"1/2\""});
    EXPECT_EQ(l.messages, Texts{L"Type mismatch."});
}
