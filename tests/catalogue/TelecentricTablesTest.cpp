// Loading the telecentric catalogue: lens table LENS and lens-extra table
// LENS_EXTRA.
#include <gtest/gtest.h>

#include "support/LoadedCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

using namespace quorrel::test;
using namespace std::string_literals;

namespace {

// Both tables with every column the loaders read; a column a row leaves out
// is NULL.
const std::string kSchema =
    "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Kind TEXT, SensorType TEXT,"
    " Pmag REAL, Flength REAL, Feff REAL, NA REAL, WD REAL, OD REAL, OI REAL, L REAL,"
    " RS REAL, DOF REAL, LH REAL, LHP REAL, ENPP REAL, EXPP REAL, ENPD REAL, EXPD REAL,"
    " STO REAL, LB REAL, LBd REAL, CCDLimit REAL, LBLimit REAL, HoldA REAL, HoldB REAL,"
    " HoldC REAL, HoldD REAL, Mount REAL, EFDI REAL, RearconRecommend INTEGER,"
    " CatalogJP TEXT, CatalogEN TEXT, CatalogCN TEXT, MountType TEXT, SpecialFlag INTEGER,"
    " Discontinued INTEGER);"
    "CREATE TABLE LENS_EXTRA (ID INTEGER PRIMARY KEY, LENS_Type TEXT, REARCON_Type TEXT,"
    " CCD_Type TEXT, Telecentricity REAL, Distortion REAL, RelativeIllum REAL, MagMin REAL,"
    " MagMax REAL);";

// A lens row with a distinct value in every column.
std::string FullLensRow(int id, const std::string& type) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + type +
           "', 'TKL', '16k5\xCE\xBCm', -0.4996, 140.6, 10.0, 0.025, 65.0, 42.0, 250.53, 168.0,"
           " 13.4, 1.6, 16.0, 8.0, 99999.0, -118.3, 7.03, 12.65, 7.04, 17.53, 0.5, 16.0,"
           " 1.0, 30.0, 42.5, 70.0, 31.0, 6.0, 36.0, 1, 'jp.pdf', 'en.pdf', 'cn.pdf', 'C', 5, 0);";
}

// A lens row that sets only its name and the discontinued mark.
std::string NamedLensRow(int id, const std::string& typeSql,
                         const std::string& discontinued = "0") {
    return "INSERT INTO LENS (ID, Type, Discontinued) VALUES (" + std::to_string(id) + ", " +
           typeSql + ", " + discontinued + ");";
}

std::string ExtraRow(int id, const std::string& typeSql, const std::string& rearconSql,
                     const std::string& distortion = "0.05") {
    return "INSERT INTO LENS_EXTRA VALUES (" + std::to_string(id) + ", " + typeSql + ", " +
           rearconSql + ", '2/3\"', 0.03, " + distortion + ", 94.0, 0.4986, 0.5006);";
}

// The numbers of a lens in column order, then its hold length.
std::vector<double> Numbers(const CTKLData& l) {
    return {l.Pmag,  l.Flength, l.Feff,    l.NA,       l.WD,      l.OD,    l.OI,
            l.L,     l.RS,      l.DOF,     l.LH,       l.LHP,     l.ENPP,  l.EXPP,
            l.ENPD,  l.EXPD,    l.STO,     l.LB,       l.LBd,     l.CCDLimit, l.LBLimit,
            l.HoldA, l.HoldB,   l.HoldC,   l.HoldD,    l.Mount,   l.EFDI,  l.HoldLength};
}

auto TextsAndFlags(const CTKLData& l) {
    return std::make_tuple(l.Kind, l.SensorType, l.CatalogJP, l.CatalogEN, l.CatalogCN,
                           l.MountType, l.RearconRecommend, l.SpecialFlag);
}

auto Values(const CTKLExtraData& e) {
    return std::make_tuple(e.REARCON_Type, e.CCD_Type, e.Telecentricity, e.Distortion,
                           e.RelativeIllum, e.MagMin, e.MagMax);
}

CLoaded<CTKLData> LoadLenses(const std::string& sql) {
    return Load(kSchema + sql, &CCatalogDatabase::LoadTKLLensTable);
}

CLoaded<CTKLExtraData> LoadExtras(const std::string& sql) {
    return Load(kSchema + sql, &CCatalogDatabase::LoadTKLExtraTable);
}

}  // namespace

TEST(TKLLensTable, BothLensesOfASplitRowCarryEveryColumn) {
    auto l = LoadLenses(FullLensRow(1, "TKL05-65_65D"));
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(Field(l.rows, &CTKLData::Type), (Texts{L"TKL05-65", L"TKL05-65D"}));
    for (const auto& lens : l.rows) {
        EXPECT_EQ(Numbers(*lens),
                  (std::vector<double>{-0.4996, 140.6, 10.0, 0.025, 65.0, 42.0, 250.53, 168.0,
                                       13.4, 1.6, 16.0, 8.0, 99999.0, -118.3, 7.03, 12.65, 7.04,
                                       17.53, 0.5, 16.0, 1.0, 30.0, 42.5, 70.0, 31.0, 6.0, 36.0,
                                       92.0 /* hold length 168.0 - 70.0 - 6.0 */}));
        EXPECT_EQ(TextsAndFlags(*lens), std::make_tuple(L"TKL"s, L"16k5\u03bcm"s, L"jp.pdf"s,
                                                        L"en.pdf"s, L"cn.pdf"s, L"C"s, 1, 5));
    }
    EXPECT_TRUE(l.messages.empty());
}

TEST(TKLLensTable, UnderscoreNamesSplitIntoTwoLenses) {
    auto l = LoadLenses(NamedLensRow(1, "'AB-12_34'") +  // AB-12, AB-34
                        NamedLensRow(2, "'AB12_34'") +   // no dash: empty prefix
                        NamedLensRow(3, "'AB_12-3'") +   // dash after the underscore
                        NamedLensRow(4, "'A-1_2_3'") +   // split at the first "_" only
                        NamedLensRow(5, "'_X-1'") +      // empty first name
                        NamedLensRow(6, "'PLAIN-1'") +   // one lens
                        NamedLensRow(7, "NULL"));        // one lens without a name
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(Field(l.rows, &CTKLData::Type),
              (Texts{L"AB-12", L"AB-34", L"AB12", L"34", L"AB", L"AB_12-12-3", L"A-1", L"A-2_3",
                     L"", L"_X-X-1", L"PLAIN-1", L""}));
    EXPECT_TRUE(l.messages.empty());
}

TEST(TKLLensTable, SkipsDiscontinuedRowsAndFollowsIdUpwards) {
    auto l = LoadLenses(NamedLensRow(30, "'C-30'") + NamedLensRow(10, "'A-10'") +
                        NamedLensRow(20, "'B-20'", "1") +      // discontinued
                        NamedLensRow(25, "'D-25'", "2") +      // any non-zero mark
                        NamedLensRow(27, "'E-27'", "NULL") +   // NULL is not 0 in the filter
                        NamedLensRow(15, "'F-15'"));
    EXPECT_EQ(Field(l.rows, &CTKLData::Type), (Texts{L"A-10", L"F-15", L"C-30"}));
}

// The files' ID need not be a key. Rows of equal ID keep the order in which
// they are stored, though the indexes hand them out the other way round.
TEST(TKLTables, RowsOfEqualIdKeepTheirStorageOrder) {
    std::string schema = kSchema;
    for (const std::string table : {"LENS (", "LENS_EXTRA ("}) {
        const std::string key = table + "ID INTEGER PRIMARY KEY";
        schema.replace(schema.find(key), key.size(), table + "ID INTEGER");
    }
    COpenCatalogue cat(schema + "CREATE INDEX LensById ON LENS(ID, Type DESC);"
                       "CREATE INDEX ExtraById ON LENS_EXTRA(ID, LENS_Type);" +
                       NamedLensRow(2, "'A-2'") + NamedLensRow(1, "'B-1'") + NamedLensRow(2, "'C-2'") +
                       NamedLensRow(2, "'D-2'") + ExtraRow(1, "'A-1'", "'--'") + ExtraRow(2, "'B-2'", "'--'") +
                       ExtraRow(1, "'C-1'", "'--'") + ExtraRow(2, "'D-2'", "'--'"));
    std::vector<std::unique_ptr<CTKLData>> lenses;
    std::vector<std::unique_ptr<CTKLExtraData>> extras;
    EXPECT_TRUE(cat.db.LoadTKLLensTable(lenses));
    EXPECT_TRUE(cat.db.LoadTKLExtraTable(extras));
    EXPECT_EQ(Field(lenses, &CTKLData::Type), (Texts{L"B-1", L"A-2", L"C-2", L"D-2"}));
    EXPECT_EQ(Field(extras, &CTKLExtraData::LENS_Type), (Texts{L"B-2", L"D-2", L"A-1", L"C-1"}));
    EXPECT_EQ(cat.messages.Count(), 0u);
}

TEST(TKLLensTable, NullColumnsReadAsEmptyAndZero) {
    auto l = LoadLenses(NamedLensRow(1, "'X-1'"));
    ASSERT_EQ(l.rows.size(), 1u);
    EXPECT_EQ(Numbers(*l.rows[0]), std::vector<double>(28, 0.0));
    const auto none = L""s;
    EXPECT_EQ(TextsAndFlags(*l.rows[0]), std::make_tuple(none, none, none, none, none, none, 0, 0));
    EXPECT_TRUE(l.messages.empty());
}

TEST(TKLLensTable, BadValueMidTableKeepsEarlierRowsAndTheExtraTableStillLoads) {
    COpenCatalogue cat(kSchema + FullLensRow(1, "TKL1-65_65D") + FullLensRow(2, "TKL2-65") +
                       FullLensRow(3, "TKL3-65") + FullLensRow(4, "TKL4-45") +
                       "UPDATE LENS SET Pmag = 'abc' WHERE ID = 3;" +
                       ExtraRow(1, "'TKL1-65'", "'--'"));
    std::vector<std::unique_ptr<CTKLData>> lenses;
    EXPECT_FALSE(cat.db.LoadTKLLensTable(lenses));
    EXPECT_EQ(Field(lenses, &CTKLData::Type), (Texts{L"TKL1-65", L"TKL1-65D", L"TKL2-65"}));
    EXPECT_EQ(cat.messages.Texts(), Texts{L"Type mismatch."});
    std::vector<std::unique_ptr<CTKLExtraData>> extras;
    EXPECT_TRUE(cat.db.LoadTKLExtraTable(extras));
    EXPECT_EQ(extras.size(), 1u);
    EXPECT_EQ(cat.messages.Count(), 1u);
}

TEST(TKLLensTable, MissingColumnLoadsNothing) {
    auto l = Load("CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Discontinued INTEGER,"
                  " SpecialFlag INTEGER, MountType TEXT, CatalogCN TEXT, CatalogEN TEXT,"
                  " CatalogJP TEXT, RearconRecommend INTEGER);"
                  "INSERT INTO LENS VALUES (1, 'TKL1-65', 0, 1, 'C', '', '', '', 0);",
                  &CCatalogDatabase::LoadTKLLensTable);
    EXPECT_FALSE(l.ok);
    EXPECT_TRUE(l.rows.empty());
    EXPECT_EQ(l.messages, Texts{L"no such column: EFDI"});  // the first number read
}

TEST(TKLExtraTable, LoadsOnlyLensAloneRowsHighestIdFirst) {
    auto l = LoadExtras(ExtraRow(1, "'TKL1-65'", "'--'") + ExtraRow(2, "'TKL1-65'", "'RC-2X'") +
                        ExtraRow(5, "'TKL05-65_65D'", "'--'") + ExtraRow(3, "'TKL2-65'", "'--'") +
                        ExtraRow(4, "'TKL2-65'", "'-- '") +  // not exactly "--"
                        ExtraRow(6, "'TKL3-65'", "NULL") + ExtraRow(7, "'TKL3-65'", "'-'"));
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(Field(l.rows, &CTKLExtraData::LENS_Type),
              (Texts{L"TKL05-65", L"TKL05-65D", L"TKL2-65", L"TKL1-65"}));
    EXPECT_EQ(Field(l.rows, &CTKLExtraData::REARCON_Type), Texts(4, L"--"));
    EXPECT_TRUE(l.messages.empty());
}

TEST(TKLExtraTable, EveryColumnLandsInItsMemberAndNullReadsEmptyOrZero) {
    auto l = LoadExtras("INSERT INTO LENS_EXTRA VALUES (1, 'QEV-1X_1XD', '--', '35mm', 0.04, 0.03,"
                        " 95.0, 0.9984, 1.0024);"
                        "INSERT INTO LENS_EXTRA (ID, REARCON_Type) VALUES (2, '--');");
    EXPECT_EQ(Field(l.rows, &CTKLExtraData::LENS_Type), (Texts{L"", L"QEV-1X", L"QEV-1XD"}));
    ASSERT_EQ(l.rows.size(), 3u);
    EXPECT_EQ(Values(*l.rows[0]), std::make_tuple(L"--"s, L""s, 0.0, 0.0, 0.0, 0.0, 0.0));
    for (size_t i : {1, 2})
        EXPECT_EQ(Values(*l.rows[i]),
                  std::make_tuple(L"--"s, L"35mm"s, 0.04, 0.03, 95.0, 0.9984, 1.0024));
    EXPECT_TRUE(l.messages.empty());
}

TEST(TKLExtraTable, BadValueMidTableKeepsEarlierRowsAndShowsOneMessage) {
    auto l = LoadExtras(ExtraRow(1, "'TKL1-65'", "'--'") +
                        ExtraRow(2, "'TKL2-65'", "'--'", "'2%'") +  // read second
                        ExtraRow(3, "'TKL3-65_65D'", "'--'"));      // read first
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(Field(l.rows, &CTKLExtraData::LENS_Type), (Texts{L"TKL3-65", L"TKL3-65D"}));
    EXPECT_EQ(l.messages, Texts{L"Type mismatch."});
}
