// Loading the telecentric catalogue: lens table LENS and lens-extra table
// LENS_EXTRA from real encrypted files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"
#include "telecentric/TelecentricNames.h"

using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;
using quorrel::test::SampleCataloguePath;

namespace {

using LensArray = std::vector<std::unique_ptr<CTKLData>>;
using ExtraArray = std::vector<std::unique_ptr<CTKLExtraData>>;

// Both tables with every column the loaders read; a column a row leaves out
// is NULL.
const char kSchema[] =
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

// A lens row with a name and a distinct value in every column.
std::string FullLensRow(int id, const std::string& type, int discontinued = 0) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + type +
           "', 'TKL', '16k5\xCE\xBCm', -0.4996, 140.6, 10.0, 0.025, 65.0, 42.0, 250.53, 168.0,"
           " 13.4, 1.6, 16.0, 8.0, 99999.0, -118.3, 7.03, 12.65, 7.04, 17.53, 0.5, 16.0,"
           " 1.0, 30.0, 42.5, 70.0, 31.0, 6.0, 36.0, 1, 'jp.pdf', 'en.pdf', 'cn.pdf', 'C', 5, " +
           std::to_string(discontinued) + ");";
}

// A lens row that sets only its name and the discontinued mark.
std::string NamedLensRow(int id, const std::string& typeSql, const std::string& discontinued = "0") {
    return "INSERT INTO LENS (ID, Type, Discontinued) VALUES (" + std::to_string(id) + ", " +
           typeSql + ", " + discontinued + ");";
}

std::string ExtraRow(int id, const std::string& typeSql, const std::string& rearconSql,
                     const std::string& distortion = "0.05") {
    return "INSERT INTO LENS_EXTRA VALUES (" + std::to_string(id) + ", " + typeSql + ", " +
           rearconSql + ", '2/3\"', 0.03, " + distortion + ", 94.0, 0.4986, 0.5006);";
}

std::vector<std::wstring> LensNames(const LensArray& arr) {
    std::vector<std::wstring> names;
    for (const auto& lens : arr) names.push_back(lens->Type);
    return names;
}

std::vector<std::wstring> ExtraNames(const ExtraArray& arr) {
    std::vector<std::wstring> names;
    for (const auto& extra : arr) names.push_back(extra->LENS_Type);
    return names;
}

void ExpectFullLensValues(const CTKLData& lens) {
    EXPECT_EQ(lens.Kind, L"TKL");
    EXPECT_EQ(lens.SensorType, L"16k5\u03bcm");
    EXPECT_EQ(lens.Pmag, -0.4996);
    EXPECT_EQ(lens.Flength, 140.6);
    EXPECT_EQ(lens.Feff, 10.0);
    EXPECT_EQ(lens.NA, 0.025);
    EXPECT_EQ(lens.WD, 65.0);
    EXPECT_EQ(lens.OD, 42.0);
    EXPECT_EQ(lens.OI, 250.53);
    EXPECT_EQ(lens.L, 168.0);
    EXPECT_EQ(lens.RS, 13.4);
    EXPECT_EQ(lens.DOF, 1.6);
    EXPECT_EQ(lens.LH, 16.0);
    EXPECT_EQ(lens.LHP, 8.0);
    EXPECT_EQ(lens.ENPP, 99999.0);
    EXPECT_EQ(lens.EXPP, -118.3);
    EXPECT_EQ(lens.ENPD, 7.03);
    EXPECT_EQ(lens.EXPD, 12.65);
    EXPECT_EQ(lens.STO, 7.04);
    EXPECT_EQ(lens.LB, 17.53);
    EXPECT_EQ(lens.LBd, 0.5);
    EXPECT_EQ(lens.CCDLimit, 16.0);
    EXPECT_EQ(lens.LBLimit, 1.0);
    EXPECT_EQ(lens.HoldA, 30.0);
    EXPECT_EQ(lens.HoldB, 42.5);
    EXPECT_EQ(lens.HoldC, 70.0);
    EXPECT_EQ(lens.HoldD, 31.0);
    EXPECT_EQ(lens.Mount, 6.0);
    EXPECT_EQ(lens.EFDI, 36.0);
    EXPECT_EQ(lens.RearconRecommend, 1);
    EXPECT_EQ(lens.CatalogJP, L"jp.pdf");
    EXPECT_EQ(lens.CatalogEN, L"en.pdf");
    EXPECT_EQ(lens.CatalogCN, L"cn.pdf");
    EXPECT_EQ(lens.MountType, L"C");
    EXPECT_EQ(lens.SpecialFlag, 5);
    EXPECT_EQ(lens.HoldLength, 92.0);  // 168.0 - 70.0 - 6.0
}

}  // namespace

TEST(TKLLensTable, EveryColumnLandsInItsMember) {
    CTempCatalogue cat(std::string(kSchema) + FullLensRow(1, "TKL05-65"));
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_TRUE(db.LoadTKLLensTable(arr));
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0]->Type, L"TKL05-65");
    ExpectFullLensValues(*arr[0]);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLLensTable, UnderscoreNamesSplitIntoTwoLenses) {
    CTempCatalogue cat(std::string(kSchema) +                 //
                       NamedLensRow(1, "'AB-12_34'") +        // AB-12, AB-34
                       NamedLensRow(2, "'AB12_34'") +         // no dash: empty prefix
                       NamedLensRow(3, "'AB_12-3'") +         // dash after the underscore
                       NamedLensRow(4, "'A-1_2_3'") +         // split at the first "_" only
                       NamedLensRow(5, "'_X-1'") +            // empty first name
                       NamedLensRow(6, "'PLAIN-1'"));         // one lens
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_TRUE(db.LoadTKLLensTable(arr));
    const std::vector<std::wstring> expected = {
        L"AB-12", L"AB-34", L"AB12", L"34", L"AB", L"AB_12-12-3", L"A-1", L"A-2_3",
        L"", L"_X-X-1", L"PLAIN-1"};
    EXPECT_EQ(LensNames(arr), expected);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLLensTable, BothLensesOfASplitRowCarryTheSameValues) {
    CTempCatalogue cat(std::string(kSchema) + FullLensRow(1, "TKL05-65_65D"));
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_TRUE(db.LoadTKLLensTable(arr));
    ASSERT_EQ(arr.size(), 2u);
    EXPECT_EQ(arr[0]->Type, L"TKL05-65");
    EXPECT_EQ(arr[1]->Type, L"TKL05-65D");
    ExpectFullLensValues(*arr[0]);
    ExpectFullLensValues(*arr[1]);
}

TEST(TKLLensTable, SkipsDiscontinuedRowsAndFollowsIdUpwards) {
    CTempCatalogue cat(std::string(kSchema) +            //
                       NamedLensRow(30, "'C-30'") +      //
                       NamedLensRow(10, "'A-10'") +      //
                       NamedLensRow(20, "'B-20'", "1") + // discontinued
                       NamedLensRow(25, "'D-25'", "2") + // any non-zero mark
                       NamedLensRow(27, "'E-27'", "NULL") +  // NULL is not 0 in the filter
                       NamedLensRow(15, "'F-15'"));
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_TRUE(db.LoadTKLLensTable(arr));
    EXPECT_EQ(LensNames(arr), (std::vector<std::wstring>{L"A-10", L"F-15", L"C-30"}));
}

TEST(TKLLensTable, NullColumnsReadAsEmptyAndZero) {
    CTempCatalogue cat(std::string(kSchema) + NamedLensRow(1, "NULL"));
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_TRUE(db.LoadTKLLensTable(arr));
    ASSERT_EQ(arr.size(), 1u);
    const CTKLData& lens = *arr[0];
    EXPECT_EQ(lens.Type, L"");
    EXPECT_EQ(lens.Kind, L"");
    EXPECT_EQ(lens.SensorType, L"");
    EXPECT_EQ(lens.CatalogJP, L"");
    EXPECT_EQ(lens.MountType, L"");
    const double numbers[] = {lens.Pmag,  lens.Flength, lens.Feff,     lens.NA,     lens.WD,
                              lens.OD,    lens.OI,      lens.L,        lens.RS,     lens.DOF,
                              lens.LH,    lens.LHP,     lens.ENPP,     lens.EXPP,   lens.ENPD,
                              lens.EXPD,  lens.STO,     lens.LB,       lens.LBd,    lens.CCDLimit,
                              lens.LBLimit, lens.HoldA, lens.HoldB,    lens.HoldC,  lens.HoldD,
                              lens.Mount, lens.EFDI,    lens.HoldLength};
    for (double v : numbers) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(lens.RearconRecommend, 0);
    EXPECT_EQ(lens.SpecialFlag, 0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLLensTable, BadValueMidTableKeepsEarlierRowsAndShowsOneMessage) {
    CTempCatalogue cat(std::string(kSchema) +                                         //
                       FullLensRow(1, "TKL1-65_65D") + FullLensRow(2, "TKL2-65") +    //
                       FullLensRow(3, "TKL3-65") + FullLensRow(4, "TKL4-45") +        //
                       "UPDATE LENS SET Pmag = 'abc' WHERE ID = 3;");
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_FALSE(db.LoadTKLLensTable(arr));
    EXPECT_EQ(LensNames(arr), (std::vector<std::wstring>{L"TKL1-65", L"TKL1-65D", L"TKL2-65"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{L"Type mismatch."});

    // The file stays usable: the extra table loads after the failed lens table.
    ExtraArray extras;
    EXPECT_TRUE(db.LoadTKLExtraTable(extras));
    EXPECT_EQ(messages.Count(), 1u);
}

TEST(TKLLensTable, MissingColumnLoadsNothing) {
    CTempCatalogue cat(
        "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Discontinued INTEGER,"
        " SpecialFlag INTEGER, MountType TEXT, CatalogCN TEXT, CatalogEN TEXT, CatalogJP TEXT,"
        " RearconRecommend INTEGER);"
        "INSERT INTO LENS VALUES (1, 'TKL1-65', 0, 1, 'C', '', '', '', 0);");
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray arr;
    EXPECT_FALSE(db.LoadTKLLensTable(arr));
    EXPECT_TRUE(arr.empty());
    // EFDI is the first number read.
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{L"no such column: EFDI"});
}

TEST(TKLTables, EmptyTablesLoadNothingAndSucceed) {
    CTempCatalogue cat(kSchema);
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    LensArray lenses;
    ExtraArray extras;
    EXPECT_TRUE(db.LoadTKLLensTable(lenses));
    EXPECT_TRUE(db.LoadTKLExtraTable(extras));
    EXPECT_TRUE(lenses.empty());
    EXPECT_TRUE(extras.empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLTables, ClosedDatabaseLoadsNothingAndSaysNothing) {
    CMessageRecorder messages;
    CCatalogDatabase db;
    LensArray lenses;
    lenses.push_back(std::make_unique<CTKLData>(L"KEPT", tagTKLColumns{}));
    ExtraArray extras;
    EXPECT_FALSE(db.LoadTKLLensTable(lenses));
    EXPECT_FALSE(db.LoadTKLExtraTable(extras));
    EXPECT_EQ(LensNames(lenses), std::vector<std::wstring>{L"KEPT"});
    EXPECT_TRUE(extras.empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLExtraTable, LoadsOnlyLensAloneRowsHighestIdFirst) {
    CTempCatalogue cat(std::string(kSchema) +                      //
                       ExtraRow(1, "'TKL1-65'", "'--'") +          //
                       ExtraRow(2, "'TKL1-65'", "'RC-2X'") +       //
                       ExtraRow(5, "'TKL05-65_65D'", "'--'") +     //
                       ExtraRow(3, "'TKL2-65'", "'--'") +          //
                       ExtraRow(4, "'TKL2-65'", "'-- '") +         // not exactly "--"
                       ExtraRow(6, "'TKL3-65'", "NULL") +          //
                       ExtraRow(7, "'TKL3-65'", "'-'"));
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    ExtraArray arr;
    EXPECT_TRUE(db.LoadTKLExtraTable(arr));
    EXPECT_EQ(ExtraNames(arr),
              (std::vector<std::wstring>{L"TKL05-65", L"TKL05-65D", L"TKL2-65", L"TKL1-65"}));
    for (const auto& extra : arr) EXPECT_EQ(extra->REARCON_Type, L"--");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLExtraTable, EveryColumnLandsInItsMember) {
    CTempCatalogue cat(std::string(kSchema) +
                       "INSERT INTO LENS_EXTRA VALUES (1, 'QEV-1X_1XD', '--', '35mm', 0.04, 0.03,"
                       " 95.0, 0.9984, 1.0024);");
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    ExtraArray arr;
    EXPECT_TRUE(db.LoadTKLExtraTable(arr));
    ASSERT_EQ(arr.size(), 2u);
    EXPECT_EQ(arr[0]->LENS_Type, L"QEV-1X");
    EXPECT_EQ(arr[1]->LENS_Type, L"QEV-1XD");
    for (const auto& extra : arr) {
        EXPECT_EQ(extra->REARCON_Type, L"--");
        EXPECT_EQ(extra->CCD_Type, L"35mm");
        EXPECT_EQ(extra->Telecentricity, 0.04);
        EXPECT_EQ(extra->Distortion, 0.03);
        EXPECT_EQ(extra->RelativeIllum, 95.0);
        EXPECT_EQ(extra->MagMin, 0.9984);
        EXPECT_EQ(extra->MagMax, 1.0024);
    }
}

TEST(TKLExtraTable, NullColumnsReadAsEmptyAndZero) {
    CTempCatalogue cat(std::string(kSchema) +
                       "INSERT INTO LENS_EXTRA (ID, REARCON_Type) VALUES (1, '--');");
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    ExtraArray arr;
    EXPECT_TRUE(db.LoadTKLExtraTable(arr));
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0]->LENS_Type, L"");
    EXPECT_EQ(arr[0]->CCD_Type, L"");
    EXPECT_EQ(arr[0]->Telecentricity, 0.0);
    EXPECT_EQ(arr[0]->Distortion, 0.0);
    EXPECT_EQ(arr[0]->RelativeIllum, 0.0);
    EXPECT_EQ(arr[0]->MagMin, 0.0);
    EXPECT_EQ(arr[0]->MagMax, 0.0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(TKLExtraTable, BadValueMidTableKeepsEarlierRowsAndShowsOneMessage) {
    CTempCatalogue cat(std::string(kSchema) +                          //
                       ExtraRow(1, "'TKL1-65'", "'--'") +              //
                       ExtraRow(2, "'TKL2-65'", "'--'", "'2%'") +      // read second
                       ExtraRow(3, "'TKL3-65_65D'", "'--'"));          // read first
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
    ExtraArray arr;
    EXPECT_FALSE(db.LoadTKLExtraTable(arr));
    EXPECT_EQ(ExtraNames(arr), (std::vector<std::wstring>{L"TKL3-65", L"TKL3-65D"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{L"Type mismatch."});
}

// The sample catalogue built beside the program.
TEST(TKLSampleCatalogue, LoadsCompletelyWithoutAMessage) {
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(SampleCataloguePath(L"quorrel_tkl.mdb"), CTempCatalogue::kLensPassword));
    LensArray lenses;
    ExtraArray extras;
    EXPECT_TRUE(db.LoadTKLLensTable(lenses));
    EXPECT_TRUE(db.LoadTKLExtraTable(extras));
    EXPECT_TRUE(db.Close());
    EXPECT_EQ(messages.Count(), 0u);

    // 19 rows, one discontinued, two of them split in two.
    const std::vector<std::wstring> expected = {
        L"TKL005-450", L"TKL01-300", L"GUX-02", L"TKL025-110", L"QEV-035X", L"GUX-05",
        L"TKL05-65", L"TKL05-65D", L"TKL05-110NIR", L"QEV-0.75X", L"QEV-1X", L"QEV-1XD",
        L"TKL1-110D", L"GUXD-10", L"LSC-1X-16K", L"TKL1.5-65", L"QEV-2X-D", L"TKL2-65D",
        L"TKL3-65", L"TKL4-45D"};
    EXPECT_EQ(LensNames(lenses), expected);

    // Every lens has exactly one extra record of its own, and nothing else loaded.
    EXPECT_EQ(extras.size(), lenses.size());
    for (const auto& lens : lenses) {
        const auto count = std::count_if(extras.begin(), extras.end(), [&](const auto& e) {
            return e->LENS_Type == lens->Type && e->REARCON_Type == L"--";
        });
        EXPECT_EQ(count, 1) << quorrel::ToUtf8(lens->Type);
    }

    for (const auto& lens : lenses) {
        SCOPED_TRACE(quorrel::ToUtf8(lens->Type));
        // The hold length: none for the GUX series and the listed lenses,
        // else a positive holding section L - C - Mount.
        const bool listed =
            std::find(CTKLData::kNoHoldLengthTypes.begin(), CTKLData::kNoHoldLengthTypes.end(),
                      lens->Type) != CTKLData::kNoHoldLengthTypes.end();
        if (lens->Kind == L"GUX" || listed) {
            EXPECT_EQ(lens->HoldLength, 0.0);
        } else {
            EXPECT_EQ(lens->HoldLength, lens->L - lens->HoldC - lens->Mount);
            EXPECT_GT(lens->HoldLength, 0.0);
        }
        // The name states the magnification the optics have (within 1 %),
        // except for the line-scan lens of no series.
        std::wstring text;
        if (lens->Kind == L"LSC") {
            EXPECT_FALSE(ParseTelecentricMagnification(lens->Type, text));
        } else {
            ASSERT_TRUE(ParseTelecentricMagnification(lens->Type, text));
            EXPECT_NEAR(quorrel::ParseLeadingNumber(text), std::fabs(lens->Pmag),
                        0.01 * std::fabs(lens->Pmag));
        }
        // Catalogue optics: Feff = |m| / (2 NA), OI = WD + L + LB; every lens
        // has an image format, a front diameter and at least one sensor class.
        EXPECT_NEAR(lens->Feff, std::fabs(lens->Pmag) / (2.0 * lens->NA), 0.05);
        EXPECT_NEAR(lens->OI, lens->WD + lens->L + lens->LB, 1e-9);
        EXPECT_GT(lens->CCDLimit, 0.0);
        EXPECT_GT(lens->EFDI, 0.0);
        EXPECT_NE(lens->SpecialFlag, 0);
    }
    // The four listed lenses are in the catalogue and not of the GUX series,
    // so the list is what gives them no hold length.
    for (std::wstring_view name : CTKLData::kNoHoldLengthTypes) {
        const auto it = std::find_if(lenses.begin(), lenses.end(),
                                     [&](const auto& l) { return l->Type == name; });
        ASSERT_NE(it, lenses.end());
        EXPECT_NE((*it)->Kind, L"GUX");
        EXPECT_NE((*it)->L - (*it)->HoldC - (*it)->Mount, 0.0);
    }
}
