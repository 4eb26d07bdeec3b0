// Loading the illumination catalogue: the lights of Common completed from
// their data tables, the types and the colours.
#include <gtest/gtest.h>

#include <typeinfo>

#include "LedSpecValues.h"
#include "illumination/LedVocabulary.h"
#include "platform/Text.h"
#include "support/LoadedCatalogue.h"

using namespace quorrel::test;
using namespace std::string_literals;

namespace {

using LedArray = std::vector<std::unique_ptr<CLedData>>;
const wchar_t* const kPassword = CTempCatalogue::kLedPassword;

// Every table with the columns the loaders read.
const std::string kSchema =
    "CREATE TABLE Common (ID INTEGER PRIMARY KEY, ProductName TEXT, Type INTEGER, Color INTEGER,"
    " MaxRatedCurrent REAL, Power REAL, Weight REAL, Controller TEXT, ControlMethod TEXT,"
    " WindowSize REAL, MinWD REAL, CalculatedMaxWD REAL, MaxWD REAL,"
    " WD_H_a REAL, WD_H_b REAL, WD_H_c REAL, WD_H_d REAL, WD_V_a REAL, WD_V_b REAL,"
    " WD_V_c REAL, WD_V_d REAL, WD_D_a REAL, WD_D_b REAL, WD_D_c REAL, WD_D_d REAL,"
    " MTO INTEGER, CatalogJP TEXT, CatalogEN TEXT, CatalogCN TEXT, Discontinued INTEGER,"
    " DispOrder INTEGER);"
    "CREATE TABLE IlluminationType (ID INTEGER PRIMARY KEY, TypeNum INTEGER, TypeNameJP TEXT,"
    " TypeNameEN TEXT, TypeNameCN TEXT, Discontinued INTEGER, DispOrder INTEGER);"
    "CREATE TABLE Color (ID INTEGER PRIMARY KEY, ColorNum INTEGER, ColorNameJP TEXT,"
    " ColorNameEN TEXT, ColorNameCN TEXT);"
    "CREATE TABLE Spec_DirectRing (ID INTEGER PRIMARY KEY, ProductName TEXT,"
    " InternalDiameter REAL, ExternalDiameter REAL, Height REAL, LightingAngle REAL);"
    "CREATE TABLE Spec_LowAngleRing (ID INTEGER PRIMARY KEY, ProductName TEXT,"
    " InternalDiameter REAL, ExternalDiameter REAL, Height REAL, LightingAngle REAL);"
    "CREATE TABLE Spec_ShadowlessRing (ID INTEGER PRIMARY KEY, ProductName TEXT,"
    " InternalDiameter REAL, ExternalDiameter REAL, Height REAL);"
    "CREATE TABLE Spec_SimulatedCoaxialIllumination (ID INTEGER PRIMARY KEY, ProductName TEXT,"
    " Length REAL, Width REAL, Height REAL, WindowForm INTEGER, LongSide REAL, ShortSide REAL,"
    " OpticalPathLengthExtension REAL);"
    "CREATE TABLE Spec_Bar (ID INTEGER PRIMARY KEY, ProductName TEXT, Length REAL, Width REAL,"
    " Tickness REAL, LightingArea TEXT);"
    "CREATE TABLE Spec_Backlights (ID INTEGER PRIMARY KEY, ProductName TEXT, Length REAL,"
    " Width REAL, Tickness REAL, LightingSurface TEXT);"
    "CREATE TABLE Spec_SimpleDome (ID INTEGER PRIMARY KEY, ProductName TEXT,"
    " InternalDiameter REAL, ExternalDiameter REAL, Height REAL, WindowSizeL REAL,"
    " WindowSizeS REAL, WindowThickness REAL);";

// A light of the given type; its other columns are fixed plausible values.
std::string Light(int id, const std::string& nameSql, int type, int dispOrder,
                  int discontinued = 0) {
    return "INSERT INTO Common VALUES (" + std::to_string(id) + ", " + nameSql + ", " +
           std::to_string(type) +
           ", 4, 0.2, 4.8, 110, 'QP-CV24-2', 'CV', 0, 20, 300, 250,"
           " 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 'jp', 'en', 'cn', " +
           std::to_string(discontinued) + ", " + std::to_string(dispOrder) + ");";
}

CLoaded<CLedData> LoadLights(const std::string& sql) {
    return Load(kSchema + sql, &CCatalogDatabase::LoadLedCommonTable, kPassword);
}

const CLedData* Find(const LedArray& arr, const std::wstring& name) {
    for (const auto& led : arr)
        if (led->ProductName == name) return led.get();
    return nullptr;
}

}  // namespace

// ---- Common, phase 1 -------------------------------------------------------

TEST(LoadLedCommonTable, CurrentRowsInDisplayOrderAndNoneOfATypeWithoutAClass) {
    auto l = LoadLights(Light(1, "'ring'", 1, 30) + Light(2, "'four'", 4, 10) +
                        Light(3, "'bar'", 6, 20) + Light(4, "'nine'", 9, 5) +
                        Light(5, "'gone'", 1, 1, 1) + Light(6, "'ring11'", 11, 40) +
                        Light(7, "'zero'", 0, 2) + Light(8, "'minus'", -1, 3) +
                        Light(9, "'thirteen'", 13, 4) + Light(10, "'ten'", 10, 6));
    EXPECT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(Field(l.rows, &CLedData::ProductName), (Texts{L"bar", L"ring", L"ring11"}));
    ASSERT_EQ(l.rows.size(), 3u);
    EXPECT_EQ(typeid(*l.rows[2]), typeid(CLedData_DirectRing));
    EXPECT_EQ(l.rows[2]->Type, 11);
}

TEST(LoadLedCommonTable, ReadsEachCommonColumnByName) {
    // Columns stored in another order than they are read; NULL reads as 0 / empty.
    auto l = LoadLights(
        "INSERT INTO Common (CatalogCN, CatalogEN, CatalogJP, MTO, WD_D_d, WD_D_c, WD_D_b,"
        " WD_D_a, WD_V_d, WD_V_c, WD_V_b, WD_V_a, WD_H_d, WD_H_c, WD_H_b, WD_H_a, MaxWD,"
        " CalculatedMaxWD, MinWD, WindowSize, ControlMethod, Controller, Weight, Power,"
        " MaxRatedCurrent, Color, Type, ProductName, Discontinued, DispOrder) VALUES ('cn.pdf',"
        " 'en.pdf', 'jp.pdf', 1, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 300, 310, 10, 12.5, 'CC',"
        " 'QP-CC35-4', 120, 4.5, 0.35, 3, 6, 'QB-1', 0, 1);"
        "INSERT INTO Common (ProductName, Type, Discontinued, DispOrder)"
        " VALUES ('QB-2', 6, 0, 2);");
    ASSERT_EQ(l.rows.size(), 2u);
    auto columns = [](const CLedData& r) {
        return std::make_tuple(r.ProductName, r.Type, r.Color, r.MaxRatedCurrent, r.Power,
                               r.Weight, r.Controller, r.ControlMethod, r.WindowSize, r.MinWD,
                               r.CalculatedMaxWD, r.MaxWD, r.MTO, r.CatalogJP, r.CatalogEN,
                               r.CatalogCN);
    };
    auto coefficients = [](const CLedData& r) {
        return std::vector<double>{r.WD_H_a, r.WD_H_b, r.WD_H_c, r.WD_H_d, r.WD_V_a, r.WD_V_b,
                                   r.WD_V_c, r.WD_V_d, r.WD_D_a, r.WD_D_b, r.WD_D_c, r.WD_D_d};
    };
    const auto none = L""s;
    EXPECT_EQ(columns(*l.rows[0]),
              std::make_tuple(L"QB-1"s, 6, 3, 0.35, 4.5, 120.0, L"QP-CC35-4"s, L"CC"s, 12.5, 10.0,
                              310.0, 300.0, 1, L"jp.pdf"s, L"en.pdf"s, L"cn.pdf"s));
    EXPECT_EQ(coefficients(*l.rows[0]),
              (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(columns(*l.rows[1]), std::make_tuple(L"QB-2"s, 6, 0, 0.0, 0.0, 0.0, none, none, 0.0,
                                                   0.0, 0.0, 0.0, 0, none, none, none));
    EXPECT_EQ(coefficients(*l.rows[1]), std::vector<double>(12, 0.0));
}

TEST(LoadLedCommonTable, BadValueKeepsEarlierRowsAndSkipsTheDataTables) {
    auto l = LoadLights(Light(1, "'first'", 1, 1) +
                        "INSERT INTO Common (ProductName, Type, Weight, Discontinued, DispOrder)"
                        " VALUES ('second', 1, 'heavy', 0, 2);" +
                        Light(3, "'third'", 1, 3) +
                        "INSERT INTO Spec_DirectRing VALUES (1, 'first', 52, 92, 20, 25);");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.messages, Texts{L"Type mismatch."});
    EXPECT_EQ(Field(l.rows, &CLedData::ProductName), Texts{L"first"});
    // The data-table phase did not run: the ring's own members stay 0.
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"first")), std::vector<double>(4, 0.0));
}

// ---- Common, phase 2: data tables --------------------------------

TEST(LoadLedCommonTable, CompletesEachTypeFromTheFirstRowOfItsDataTable) {
    auto l = LoadLights(
        Light(1, "'ring'", 1, 1) + Light(2, "'low'", 2, 2) + Light(3, "'shadowless'", 3, 3) +
        Light(4, "'coax'", 5, 4) + Light(5, "'bar'", 6, 5) + Light(6, "'dome'", 7, 6) +
        Light(7, "'back'", 8, 7) + Light(8, "'angled'", 11, 8) + Light(9, "'twelve'", 12, 9) +
        // Lights without a row of their own: only another product has one.
        Light(11, "'no-ring'", 1, 11) + Light(12, "'no-low'", 2, 12) +
        Light(13, "'no-shadowless'", 3, 13) + Light(14, "'no-coax'", 5, 14) +
        Light(15, "'no-bar'", 6, 15) + Light(16, "'no-dome'", 7, 16) +
        Light(17, "'no-back'", 8, 17) +
        "INSERT INTO Spec_DirectRing VALUES (1, 'ring', 52, 92, 20, 25);"
        "INSERT INTO Spec_DirectRing VALUES (2, 'ring', 99, 99, 99, 99);"
        "INSERT INTO Spec_DirectRing VALUES (3, 'angled', 40, 80, 25, 45);"
        "INSERT INTO Spec_DirectRing VALUES (4, 'twelve', 30, 70, 15, 60);"
        "INSERT INTO Spec_DirectRing VALUES (5, 'other', 1, 1, 1, 1);"
        "INSERT INTO Spec_LowAngleRing VALUES (1, 'low', 76, 112, 18, 75);"
        "INSERT INTO Spec_ShadowlessRing VALUES (1, 'shadowless', 40, 100, 35);"
        "INSERT INTO Spec_SimulatedCoaxialIllumination VALUES"
        " (1, 'coax', 90, 70, 75, 1, 50, 40, 12);"
        "INSERT INTO Spec_Bar VALUES (1, 'bar', 110, 26, 20, '100 x 16');"
        "INSERT INTO Spec_SimpleDome VALUES (1, 'dome', 120, 132, 72, 32, 20, 3);"
        "INSERT INTO Spec_Backlights VALUES (1, 'back', 124, 104, 14, '100 x 80');");
    EXPECT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.empty());
    const struct {
        const wchar_t* name;
        const std::type_info& cls;
        std::vector<double> numbers;
        std::wstring text;
    } cases[] = {
        {L"ring", typeid(CLedData_DirectRing), {52, 92, 20, 25}, L""},
        {L"angled", typeid(CLedData_DirectRing), {40, 80, 25, 45}, L""},
        {L"twelve", typeid(CLedData_DirectRing), {30, 70, 15, 60}, L""},
        {L"low", typeid(CLedData_LowAngleRing), {76, 112, 18, 75}, L""},
        {L"shadowless", typeid(CLedData_ShadowlessRing), {40, 100, 35}, L""},
        {L"coax", typeid(CLedData_SimCoaxial), {90, 70, 75, 1, 50, 40, 12}, L""},
        {L"bar", typeid(CLedData_Bar), {110, 26, 20}, L"100 x 16"},
        {L"dome", typeid(CLedData_SimpleDome), {120, 132, 72, 32, 20, 3}, L""},
        {L"back", typeid(CLedData_BackLight), {124, 104, 14}, L"100 x 80"},
        // A missing row leaves -1.0 in every number, WindowForm 0 and no text.
        {L"no-ring", typeid(CLedData_DirectRing), {-1, -1, -1, -1}, L""},
        {L"no-low", typeid(CLedData_LowAngleRing), {-1, -1, -1, -1}, L""},
        {L"no-shadowless", typeid(CLedData_ShadowlessRing), {-1, -1, -1}, L""},
        {L"no-coax", typeid(CLedData_SimCoaxial), {-1, -1, -1, 0, -1, -1, -1}, L""},
        {L"no-bar", typeid(CLedData_Bar), {-1, -1, -1}, L""},
        {L"no-dome", typeid(CLedData_SimpleDome), {-1, -1, -1, -1, -1, -1}, L""},
        {L"no-back", typeid(CLedData_BackLight), {-1, -1, -1}, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(quorrel::ToUtf8(c.name));
        const CLedData* led = Find(l.rows, c.name);
        ASSERT_NE(led, nullptr);
        EXPECT_EQ(typeid(*led), c.cls);
        EXPECT_EQ(SpecNumbers(led), c.numbers);
        EXPECT_EQ(SpecText(led), c.text);
    }
}

TEST(LoadLedCommonTable, ProductNameWithAnApostropheFindsItsRow) {
    auto l = LoadLights(Light(1, "'QR-D65''S'", 1, 1) + Light(2, "'x'' OR ''1''=''1'", 6, 2) +
                        "INSERT INTO Spec_DirectRing VALUES (1, 'QR-D65''S', 40, 76, 19, 28);"
                        "INSERT INTO Spec_Bar VALUES (1, 'other', 110, 26, 20, '100 x 16');");
    EXPECT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"QR-D65'S")), (std::vector<double>{40, 76, 19, 28}));
    // A name that would read as SQL is only a name: it matches no row.
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"x' OR '1'='1")), (std::vector<double>{-1, -1, -1}));
}

TEST(LoadLedCommonTable, FailingSpecificationRowKeepsWhatWasReadAndGoesOn) {
    // Spec_Bar without its Tickness column: Length and Width are read, then
    // the read fails; the following light is still completed.
    std::string schema = kSchema;
    const std::string barColumns = " Tickness REAL, LightingArea TEXT);";
    schema.replace(schema.find(barColumns), barColumns.size(), " LightingArea TEXT);");
    auto l = Load(schema + Light(1, "'bar'", 6, 1) + Light(2, "'ring'", 1, 2) +
                      "INSERT INTO Spec_Bar VALUES (1, 'bar', 110, 26, '100 x 16');"
                      "INSERT INTO Spec_DirectRing VALUES (1, 'ring', 52, 92, 20, 25);",
                  &CCatalogDatabase::LoadLedCommonTable, kPassword);
    EXPECT_TRUE(l.ok);  // the data-table results are not looked at
    EXPECT_EQ(l.messages, Texts{L"no such column: Tickness"});
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"bar")), (std::vector<double>{110, 26, -1}));
    EXPECT_EQ(SpecText(Find(l.rows, L"bar")), L"");
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"ring")), (std::vector<double>{52, 92, 20, 25}));
}

TEST(GetSpecQueries, ReportWhetherARowWasFound) {
    COpenCatalogue cat(kSchema +
                           "INSERT INTO Spec_SimulatedCoaxialIllumination VALUES"
                           " (1, 'coax', 60, 50, 55, 0, 30, NULL, 8);"
                           "INSERT INTO Spec_Backlights VALUES (1, 'back', 70, 70, 12, NULL);",
                       kPassword);
    double length = 0, width = 0, height = 0, longSide = 0, shortSide = 0, extension = 0;
    int form = 9;
    EXPECT_TRUE(cat.db.GetSpecSimulatedCoaxial(L"coax", &length, &width, &height, &form,
                                               &longSide, &shortSide, &extension));
    EXPECT_EQ((std::vector<double>{length, width, height, double(form), longSide, shortSide,
                                   extension}),
              (std::vector<double>{60, 50, 55, 0, 30, 0, 8}));  // ShortSide NULL
    form = 9;
    EXPECT_FALSE(cat.db.GetSpecSimulatedCoaxial(L"none", &length, &width, &height, &form,
                                                &longSide, &shortSide, &extension));
    EXPECT_EQ(form, 0);
    EXPECT_EQ(length, -1.0);

    double thickness = 0;
    std::wstring surface = L"kept";
    EXPECT_TRUE(cat.db.GetSpecBacklights(L"back", &length, &width, &thickness, &surface));
    EXPECT_EQ(thickness, 12.0);
    EXPECT_EQ(surface, L"");  // NULL
    surface = L"kept";
    EXPECT_FALSE(cat.db.GetSpecBacklights(L"none", &length, &width, &thickness, &surface));
    EXPECT_EQ(surface, L"kept");  // a text output is not preset
    EXPECT_EQ(thickness, -1.0);
    EXPECT_EQ(cat.messages.Count(), 0u);
}

// The indexes hand out rows of equal display order newest first; the lights
// and the types still come in the order they are stored.
TEST(IlluminationTables, RowsOfEqualDisplayOrderKeepTheirStorageOrder) {
    COpenCatalogue cat(kSchema + "CREATE INDEX CommonByOrder ON Common(DispOrder, ID DESC);"
                       "CREATE INDEX TypeByOrder ON IlluminationType(DispOrder, ID DESC);" +
                           Light(1, "'A'", 1, 2) + Light(2, "'B'", 1, 1) + Light(3, "'C'", 1, 2) +
                           Light(4, "'D'", 1, 2) +
                           "INSERT INTO IlluminationType VALUES (1, 1, '', 'Ring', '', 0, 2);"
                           "INSERT INTO IlluminationType VALUES (2, 6, '', 'Bar', '', 0, 1);"
                           "INSERT INTO IlluminationType VALUES (3, 8, '', 'Back', '', 0, 2);",
                       kPassword);
    LedArray lights;
    std::vector<std::unique_ptr<CLedTypeData>> types;
    EXPECT_TRUE(cat.db.LoadLedCommonTable(lights));
    EXPECT_TRUE(cat.db.LoadIlluminationTypeTable(types));
    EXPECT_EQ(Field(lights, &CLedData::ProductName), (Texts{L"B", L"A", L"C", L"D"}));
    EXPECT_EQ(Field(types, &CLedTypeData::m_strTypeNameEN), (Texts{L"Bar", L"Ring", L"Back"}));
    EXPECT_EQ(cat.messages.Count(), 0u);
}

// The catalogue's product names match without regard to case, as the
// database engine the files were made for compares text.
TEST(LoadLedCommonTable, ProductNameInAnotherCaseFindsItsRow) {
    auto l = LoadLights(Light(1, "'qr-d80'", 1, 1) + Light(2, "'QB-100'", 6, 2) +
                        "INSERT INTO Spec_DirectRing VALUES (1, 'QR-D80', 52, 92, 20, 25);"
                        "INSERT INTO Spec_Bar VALUES (1, 'qb-100', 110, 26, 20, '100 x 16');"
                        "INSERT INTO Spec_Bar VALUES (2, 'QB-100', 99, 99, 99, 'second');");
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"qr-d80")), (std::vector<double>{52, 92, 20, 25}));
    // Of two rows that both match, the first stored one.
    EXPECT_EQ(SpecNumbers(Find(l.rows, L"QB-100")), (std::vector<double>{110, 26, 20}));
}

// ---- types and colours -----------------------------------------------------

TEST(LoadIlluminationTypeTable, CurrentTypesInDisplayOrderWithThreeNames) {
    COpenCatalogue cat(
        kSchema +
            "INSERT INTO IlluminationType VALUES (1, 1, 'リング照明', 'Ring light', '环形光源', 0, 2);"
            "INSERT INTO IlluminationType VALUES (2, 6, 'バー照明', 'Bar light', '条形光源', 0, 1);"
            "INSERT INTO IlluminationType VALUES (3, 4, '同軸照明', 'Coaxial light', '同轴光源', 1, 0);"
            "INSERT INTO IlluminationType VALUES (4, 5, '疑似同軸照明', 'Simulated coaxial light',"
            " '类同轴光源', 1, 3);" +
            Light(1, "'coax'", 5, 1),
        kPassword);
    std::vector<std::unique_ptr<CLedTypeData>> types;
    EXPECT_TRUE(cat.db.LoadIlluminationTypeTable(types));
    ASSERT_EQ(types.size(), 2u);
    auto row = [](const CLedTypeData& t) {
        return std::make_tuple(t.m_nTypeNum, t.m_strTypeNameJP, t.m_strTypeNameEN,
                               t.m_strTypeNameCN);
    };
    EXPECT_EQ(row(*types[0]), std::make_tuple(6, L"バー照明"s, L"Bar light"s, L"条形光源"s));
    EXPECT_EQ(row(*types[1]), std::make_tuple(1, L"リング照明"s, L"Ring light"s, L"环形光源"s));
    // The lights of a discontinued type still load.
    LedArray lights;
    EXPECT_TRUE(cat.db.LoadLedCommonTable(lights));
    EXPECT_EQ(Field(lights, &CLedData::ProductName), Texts{L"coax"});
    EXPECT_EQ(cat.messages.Count(), 0u);
}

TEST(LoadColorTable, ColoursComeInStorageOrder) {
    auto l = Load(kSchema +
                      "INSERT INTO Color VALUES (1, 4, '白色', 'White', '白色');"
                      "INSERT INTO Color VALUES (2, 1, '赤色', 'Red', '红色');"
                      "INSERT INTO Color VALUES (3, 6, '紫外', 'UV', '紫外');"
                      "INSERT INTO Color VALUES (4, 2, '緑色', 'Green', '绿色');",
                  &CCatalogDatabase::LoadColorTable, kPassword);
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(Field(l.rows, &CLedColorData::m_nColorNum), (std::vector<int>{4, 1, 6, 2}));
    EXPECT_EQ(Field(l.rows, &CLedColorData::m_strColorNameJP),
              (Texts{L"白色", L"赤色", L"紫外", L"緑色"}));
    EXPECT_EQ(Field(l.rows, &CLedColorData::m_strColorNameEN),
              (Texts{L"White", L"Red", L"UV", L"Green"}));
    EXPECT_EQ(Field(l.rows, &CLedColorData::m_strColorNameCN),
              (Texts{L"白色", L"红色", L"紫外", L"绿色"}));
    EXPECT_TRUE(l.messages.empty());
}
