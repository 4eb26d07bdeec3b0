// Loading the illumination catalogue from real encrypted files: the lights of
// Common completed from their specification tables, the types and colours,
// and the sample catalogue the build places beside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"
#include "platform/Message.h"
#include "support/TempCatalogue.h"

using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;
using quorrel::test::SampleCataloguePath;

namespace {

using LedArray = std::vector<std::unique_ptr<CLedData>>;
using TypeArray = std::vector<std::unique_ptr<CLedTypeData>>;
using ColorArray = std::vector<std::unique_ptr<CLedColorData>>;

const wchar_t* const kPassword = CTempCatalogue::kLedPassword;

// Every table with the columns the loaders read; the specification tables
// have no rows unless a test adds them.
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

std::vector<std::wstring> Names(const LedArray& arr) {
    std::vector<std::wstring> names;
    for (const auto& led : arr) names.push_back(led->ProductName);
    return names;
}

struct Loaded {
    bool opened = false;
    bool result = false;
    LedArray lights;
    std::vector<std::wstring> messages;
};

Loaded LoadLights(const std::string& sql) {
    CTempCatalogue cat(kSchema + sql, kPassword);
    CMessageRecorder rec;
    Loaded out;
    CCatalogDatabase db;
    out.opened = db.Open(cat.Path(), kPassword);
    out.result = db.LoadLedCommonTable(out.lights);
    out.messages = rec.Texts();
    return out;
}

template <typename T>
const T* Find(const LedArray& arr, const std::wstring& name) {
    for (const auto& led : arr)
        if (led->ProductName == name) return dynamic_cast<const T*>(led.get());
    return nullptr;
}

}  // namespace

// ---- Common, phase 1 -------------------------------------------------------

TEST(LoadLedCommonTable, ReadsCurrentRowsInDisplayOrderAndSkipsTypesWithoutAClass) {
    Loaded l = LoadLights(Light(1, "'ring'", 1, 30) + Light(2, "'four'", 4, 10) +
                          Light(3, "'bar'", 6, 20) + Light(4, "'nine'", 9, 5) +
                          Light(5, "'gone'", 1, 1, 1) + Light(6, "'ring11'", 11, 40) +
                          Light(7, "'zero'", 0, 2) + Light(8, "'minus'", -1, 3) +
                          Light(9, "'thirteen'", 13, 4) + Light(10, "'ten'", 10, 6));
    ASSERT_TRUE(l.opened);
    EXPECT_TRUE(l.result);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(Names(l.lights), (std::vector<std::wstring>{L"bar", L"ring", L"ring11"}));
    const auto* ring11 = Find<CLedData_DirectRing>(l.lights, L"ring11");
    ASSERT_NE(ring11, nullptr);
    EXPECT_EQ(ring11->Type, 11);
}

TEST(LoadLedCommonTable, EveryClassFromItsType) {
    Loaded l = LoadLights(Light(1, "'t1'", 1, 1) + Light(2, "'t2'", 2, 2) + Light(3, "'t3'", 3, 3) +
                          Light(4, "'t5'", 5, 4) + Light(5, "'t6'", 6, 5) + Light(6, "'t7'", 7, 6) +
                          Light(7, "'t8'", 8, 7) + Light(8, "'t12'", 12, 8));
    ASSERT_EQ(l.lights.size(), 8u);
    EXPECT_NE(Find<CLedData_DirectRing>(l.lights, L"t1"), nullptr);
    EXPECT_NE(Find<CLedData_LowAngleRing>(l.lights, L"t2"), nullptr);
    EXPECT_NE(Find<CLedData_ShadowlessRing>(l.lights, L"t3"), nullptr);
    EXPECT_NE(Find<CLedData_SimCoaxial>(l.lights, L"t5"), nullptr);
    EXPECT_NE(Find<CLedData_Bar>(l.lights, L"t6"), nullptr);
    EXPECT_NE(Find<CLedData_SimpleDome>(l.lights, L"t7"), nullptr);
    EXPECT_NE(Find<CLedData_BackLight>(l.lights, L"t8"), nullptr);
    EXPECT_NE(Find<CLedData_DirectRing>(l.lights, L"t12"), nullptr);
    EXPECT_TRUE(l.messages.empty());
}

TEST(LoadLedCommonTable, ReadsEachCommonColumnByName) {
    // Columns stored in another order than they are read; NULL reads as 0 / empty.
    Loaded l = LoadLights(
        "INSERT INTO Common (CatalogCN, CatalogEN, CatalogJP, MTO, WD_D_d, WD_D_c, WD_D_b, WD_D_a,"
        " WD_V_d, WD_V_c, WD_V_b, WD_V_a, WD_H_d, WD_H_c, WD_H_b, WD_H_a, MaxWD, CalculatedMaxWD,"
        " MinWD, WindowSize, ControlMethod, Controller, Weight, Power, MaxRatedCurrent, Color, Type,"
        " ProductName, Discontinued, DispOrder) VALUES ('cn.pdf', 'en.pdf', 'jp.pdf', 1, 12, 11, 10,"
        " 9, 8, 7, 6, 5, 4, 3, 2, 1, 300, 310, 10, 12.5, 'CC', 'QP-CC35-4', 120, 4.5, 0.35, 3, 6,"
        " 'QB-1', 0, 1);"
        "INSERT INTO Common (ProductName, Type, Discontinued, DispOrder) VALUES ('QB-2', 6, 0, 2);");
    ASSERT_EQ(l.lights.size(), 2u);
    const CLedData& r = *l.lights[0];
    EXPECT_EQ(r.ProductName, L"QB-1");
    EXPECT_EQ(r.Type, 6);
    EXPECT_EQ(r.Color, 3);
    EXPECT_EQ(r.MaxRatedCurrent, 0.35);
    EXPECT_EQ(r.Power, 4.5);
    EXPECT_EQ(r.Weight, 120.0);
    EXPECT_EQ(r.Controller, L"QP-CC35-4");
    EXPECT_EQ(r.ControlMethod, L"CC");
    EXPECT_EQ(r.WindowSize, 12.5);
    EXPECT_EQ(r.MinWD, 10.0);
    EXPECT_EQ(r.CalculatedMaxWD, 310.0);
    EXPECT_EQ(r.MaxWD, 300.0);
    const double coef[12] = {r.WD_H_a, r.WD_H_b, r.WD_H_c, r.WD_H_d, r.WD_V_a, r.WD_V_b,
                             r.WD_V_c, r.WD_V_d, r.WD_D_a, r.WD_D_b, r.WD_D_c, r.WD_D_d};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(coef[i], i + 1.0) << i;
    EXPECT_EQ(r.MTO, 1);
    EXPECT_EQ(r.CatalogJP, L"jp.pdf");
    EXPECT_EQ(r.CatalogEN, L"en.pdf");
    EXPECT_EQ(r.CatalogCN, L"cn.pdf");
    const CLedData& empty = *l.lights[1];
    EXPECT_EQ(empty.Color, 0);
    EXPECT_EQ(empty.MaxWD, 0.0);
    EXPECT_EQ(empty.Controller, L"");
}

TEST(LoadLedCommonTable, BadValueKeepsEarlierRowsAndSkipsTheSpecifications) {
    Loaded l = LoadLights(Light(1, "'first'", 1, 1) +
                          "INSERT INTO Common (ProductName, Type, Weight, Discontinued, DispOrder)"
                          " VALUES ('second', 1, 'heavy', 0, 2);" +
                          Light(3, "'third'", 1, 3) +
                          "INSERT INTO Spec_DirectRing VALUES (1, 'first', 52, 92, 20, 25);");
    EXPECT_FALSE(l.result);
    EXPECT_EQ(l.messages, (std::vector<std::wstring>{L"Type mismatch."}));
    ASSERT_EQ(Names(l.lights), (std::vector<std::wstring>{L"first"}));
    // The specification phase did not run: the ring's own members stay 0.
    const auto* first = Find<CLedData_DirectRing>(l.lights, L"first");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->InternalDiameter, 0.0);
    EXPECT_EQ(first->Height, 0.0);
}

TEST(LoadLedCommonTable, ClosedCatalogueLeavesTheArrayAndShowsNothing) {
    CMessageRecorder rec;
    CCatalogDatabase db;
    LedArray lights;
    lights.push_back(std::make_unique<CLedData_BackLight>());
    TypeArray types;
    ColorArray colors;
    EXPECT_FALSE(db.LoadLedCommonTable(lights));
    EXPECT_FALSE(db.LoadIlluminationTypeTable(types));
    EXPECT_FALSE(db.LoadColorTable(colors));
    double a = 7, b = 7, c = 7, d = 7;
    EXPECT_FALSE(db.GetSpecDirectRing(L"x", &a, &b, &c, &d));
    EXPECT_EQ(a, 7.0);  // outputs untouched
    EXPECT_EQ(d, 7.0);
    EXPECT_EQ(lights.size(), 1u);
    EXPECT_TRUE(types.empty());
    EXPECT_TRUE(colors.empty());
    EXPECT_EQ(rec.Count(), 0u);
}

// ---- Common, phase 2: specification tables --------------------------------

TEST(LoadLedCommonTable, CompletesEachTypeFromItsSpecificationTable) {
    Loaded l = LoadLights(
        Light(1, "'ring'", 1, 1) + Light(2, "'low'", 2, 2) + Light(3, "'shadowless'", 3, 3) +
        Light(4, "'coax'", 5, 4) + Light(5, "'bar'", 6, 5) + Light(6, "'dome'", 7, 6) +
        Light(7, "'back'", 8, 7) + Light(8, "'angled'", 11, 8) +
        "INSERT INTO Spec_DirectRing VALUES (1, 'ring', 52, 92, 20, 25);"
        "INSERT INTO Spec_DirectRing VALUES (2, 'angled', 40, 80, 25, 45);"
        "INSERT INTO Spec_LowAngleRing VALUES (1, 'low', 76, 112, 18, 75);"
        "INSERT INTO Spec_ShadowlessRing VALUES (1, 'shadowless', 40, 100, 35);"
        "INSERT INTO Spec_SimulatedCoaxialIllumination VALUES (1, 'coax', 90, 70, 75, 1, 50, 40, 12);"
        "INSERT INTO Spec_Bar VALUES (1, 'bar', 110, 26, 20, '100 x 16');"
        "INSERT INTO Spec_SimpleDome VALUES (1, 'dome', 120, 132, 72, 32, 20, 3);"
        "INSERT INTO Spec_Backlights VALUES (1, 'back', 124, 104, 14, '100 x 80');");
    EXPECT_TRUE(l.result);
    EXPECT_TRUE(l.messages.empty());

    using V = std::vector<double>;
    const auto* ring = Find<CLedData_DirectRing>(l.lights, L"ring");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ((V{ring->InternalDiameter, ring->ExternalDiameter, ring->Height, ring->LightingAngle}),
              (V{52, 92, 20, 25}));
    const auto* angled = Find<CLedData_DirectRing>(l.lights, L"angled");
    ASSERT_NE(angled, nullptr);
    EXPECT_EQ(angled->Type, 11);
    EXPECT_EQ((V{angled->InternalDiameter, angled->ExternalDiameter, angled->Height,
                 angled->LightingAngle}),
              (V{40, 80, 25, 45}));
    const auto* low = Find<CLedData_LowAngleRing>(l.lights, L"low");
    ASSERT_NE(low, nullptr);
    EXPECT_EQ((V{low->InternalDiameter, low->ExternalDiameter, low->Height, low->LightingAngle}),
              (V{76, 112, 18, 75}));
    const auto* shadowless = Find<CLedData_ShadowlessRing>(l.lights, L"shadowless");
    ASSERT_NE(shadowless, nullptr);
    EXPECT_EQ((V{shadowless->InternalDiameter, shadowless->ExternalDiameter, shadowless->Height}),
              (V{40, 100, 35}));
    const auto* coax = Find<CLedData_SimCoaxial>(l.lights, L"coax");
    ASSERT_NE(coax, nullptr);
    EXPECT_EQ(coax->WindowForm, 1);
    EXPECT_EQ((V{coax->Length, coax->Width, coax->Height, coax->LongSide, coax->ShortSide,
                 coax->OpticalPathLengthExtension}),
              (V{90, 70, 75, 50, 40, 12}));
    const auto* bar = Find<CLedData_Bar>(l.lights, L"bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ((V{bar->Length, bar->Width, bar->Tickness}), (V{110, 26, 20}));
    EXPECT_EQ(bar->LightingArea, L"100 x 16");
    const auto* dome = Find<CLedData_SimpleDome>(l.lights, L"dome");
    ASSERT_NE(dome, nullptr);
    EXPECT_EQ((V{dome->InternalDiameter, dome->ExternalDiameter, dome->Height, dome->WindowSizeL,
                 dome->WindowSizeS, dome->WindowThickness}),
              (V{120, 132, 72, 32, 20, 3}));
    const auto* back = Find<CLedData_BackLight>(l.lights, L"back");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ((V{back->Length, back->Width, back->Tickness}), (V{124, 104, 14}));
    EXPECT_EQ(back->LightingSurface, L"100 x 80");
}

TEST(LoadLedCommonTable, MissingSpecificationRowGivesMinusOneAndNoMessage) {
    Loaded l = LoadLights(Light(1, "'ring'", 1, 1) + Light(2, "'coax'", 5, 2) +
                          Light(3, "'bar'", 6, 3) + Light(4, "'dome'", 7, 4) +
                          // a row of another product only
                          "INSERT INTO Spec_DirectRing VALUES (1, 'other', 52, 92, 20, 25);");
    EXPECT_TRUE(l.result);
    EXPECT_TRUE(l.messages.empty());
    const auto* ring = Find<CLedData_DirectRing>(l.lights, L"ring");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->InternalDiameter, -1.0);
    EXPECT_EQ(ring->ExternalDiameter, -1.0);
    EXPECT_EQ(ring->Height, -1.0);
    EXPECT_EQ(ring->LightingAngle, -1.0);
    const auto* coax = Find<CLedData_SimCoaxial>(l.lights, L"coax");
    ASSERT_NE(coax, nullptr);
    EXPECT_EQ(coax->WindowForm, 0);
    EXPECT_EQ(coax->LongSide, -1.0);
    EXPECT_EQ(coax->OpticalPathLengthExtension, -1.0);
    const auto* bar = Find<CLedData_Bar>(l.lights, L"bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Tickness, -1.0);
    EXPECT_EQ(bar->LightingArea, L"");
    const auto* dome = Find<CLedData_SimpleDome>(l.lights, L"dome");
    ASSERT_NE(dome, nullptr);
    EXPECT_EQ(dome->WindowThickness, -1.0);
}

TEST(LoadLedCommonTable, SeveralSpecificationRowsGiveTheFirst) {
    Loaded l = LoadLights(Light(1, "'ring'", 1, 1) +
                          "INSERT INTO Spec_DirectRing VALUES (1, 'ring', 52, 92, 20, 25);"
                          "INSERT INTO Spec_DirectRing VALUES (2, 'ring', 99, 99, 99, 99);");
    const auto* ring = Find<CLedData_DirectRing>(l.lights, L"ring");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->InternalDiameter, 52.0);
    EXPECT_EQ(ring->LightingAngle, 25.0);
    EXPECT_TRUE(l.messages.empty());
}

TEST(LoadLedCommonTable, ProductNameWithAnApostropheFindsItsRow) {
    Loaded l = LoadLights(Light(1, "'QR-D65''S'", 1, 1) + Light(2, "'x'' OR ''1''=''1'", 6, 2) +
                          "INSERT INTO Spec_DirectRing VALUES (1, 'QR-D65''S', 40, 76, 19, 28);"
                          "INSERT INTO Spec_Bar VALUES (1, 'other', 110, 26, 20, '100 x 16');");
    EXPECT_TRUE(l.result);
    EXPECT_TRUE(l.messages.empty());
    const auto* ring = Find<CLedData_DirectRing>(l.lights, L"QR-D65'S");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->InternalDiameter, 40.0);
    EXPECT_EQ(ring->LightingAngle, 28.0);
    // A name that would read as SQL is only a name: it matches no row.
    const auto* bar = Find<CLedData_Bar>(l.lights, L"x' OR '1'='1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Length, -1.0);
    EXPECT_EQ(bar->LightingArea, L"");
}

TEST(LoadLedCommonTable, FailingSpecificationRowKeepsWhatWasReadAndGoesOn) {
    // Spec_Bar without its Tickness column: Length and Width are read, then
    // the read fails; the following light is still completed.
    std::string sql = kSchema;
    const std::string barColumns = " Tickness REAL, LightingArea TEXT);";
    sql.replace(sql.find(barColumns), barColumns.size(), " LightingArea TEXT);");
    CTempCatalogue cat(sql +
                           Light(1, "'bar'", 6, 1) + Light(2, "'ring'", 1, 2) +
                           "INSERT INTO Spec_Bar VALUES (1, 'bar', 110, 26, '100 x 16');"
                           "INSERT INTO Spec_DirectRing VALUES (1, 'ring', 52, 92, 20, 25);",
                       kPassword);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    LedArray lights;
    EXPECT_TRUE(db.LoadLedCommonTable(lights));  // the specification results are not looked at
    EXPECT_EQ(rec.Texts(), (std::vector<std::wstring>{L"no such column: Tickness"}));
    const auto* bar = Find<CLedData_Bar>(lights, L"bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Length, 110.0);
    EXPECT_EQ(bar->Width, 26.0);
    EXPECT_EQ(bar->Tickness, -1.0);
    EXPECT_EQ(bar->LightingArea, L"");
    const auto* ring = Find<CLedData_DirectRing>(lights, L"ring");
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->InternalDiameter, 52.0);
}

TEST(GetSpecQueries, ReportWhetherARowWasFound) {
    CTempCatalogue cat(kSchema +
                           "INSERT INTO Spec_SimulatedCoaxialIllumination VALUES"
                           " (1, 'coax', 60, 50, 55, 0, 30, NULL, 8);"
                           "INSERT INTO Spec_Backlights VALUES (1, 'back', 70, 70, 12, NULL);",
                       kPassword);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    double length = 0, width = 0, height = 0, longSide = 0, shortSide = 0, extension = 0;
    int form = 9;
    EXPECT_TRUE(db.GetSpecSimulatedCoaxial(L"coax", &length, &width, &height, &form, &longSide,
                                           &shortSide, &extension));
    EXPECT_EQ(length, 60.0);
    EXPECT_EQ(form, 0);
    EXPECT_EQ(longSide, 30.0);
    EXPECT_EQ(shortSide, 0.0);  // NULL
    EXPECT_EQ(extension, 8.0);
    form = 9;
    EXPECT_FALSE(db.GetSpecSimulatedCoaxial(L"none", &length, &width, &height, &form, &longSide,
                                            &shortSide, &extension));
    EXPECT_EQ(form, 0);
    EXPECT_EQ(length, -1.0);

    double thickness = 0;
    std::wstring surface = L"kept";
    EXPECT_TRUE(db.GetSpecBacklights(L"back", &length, &width, &thickness, &surface));
    EXPECT_EQ(thickness, 12.0);
    EXPECT_EQ(surface, L"");  // NULL
    surface = L"kept";
    EXPECT_FALSE(db.GetSpecBacklights(L"none", &length, &width, &thickness, &surface));
    EXPECT_EQ(surface, L"kept");  // a text output is not preset
    EXPECT_EQ(thickness, -1.0);
    EXPECT_EQ(rec.Count(), 0u);
}

// ---- types and colours -----------------------------------------------------

TEST(LoadIlluminationTypeTable, CurrentTypesInDisplayOrderWithThreeNames) {
    CTempCatalogue cat(
        kSchema +
            "INSERT INTO IlluminationType VALUES (1, 1, 'リング照明', 'Ring light', '环形光源', 0, 2);"
            "INSERT INTO IlluminationType VALUES (2, 6, 'バー照明', 'Bar light', '条形光源', 0, 1);"
            "INSERT INTO IlluminationType VALUES (3, 4, '同軸照明', 'Coaxial light', '同轴光源', 1, 0);"
            "INSERT INTO IlluminationType VALUES (4, 5, '疑似同軸照明', 'Simulated coaxial light',"
            " '类同轴光源', 1, 3);" +
            Light(1, "'coax'", 5, 1),
        kPassword);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    TypeArray types;
    EXPECT_TRUE(db.LoadIlluminationTypeTable(types));
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0]->m_nTypeNum, 6);
    EXPECT_EQ(types[0]->m_strTypeNameJP, L"バー照明");
    EXPECT_EQ(types[0]->m_strTypeNameEN, L"Bar light");
    EXPECT_EQ(types[0]->m_strTypeNameCN, L"条形光源");
    EXPECT_EQ(types[1]->m_nTypeNum, 1);
    EXPECT_EQ(types[1]->m_strTypeNameCN, L"环形光源");
    // The lights of a discontinued type still load.
    LedArray lights;
    EXPECT_TRUE(db.LoadLedCommonTable(lights));
    EXPECT_EQ(Names(lights), (std::vector<std::wstring>{L"coax"}));
    EXPECT_EQ(rec.Count(), 0u);
}

TEST(LoadColorTable, ColoursComeInStorageOrder) {
    CTempCatalogue cat(kSchema +
                           "INSERT INTO Color VALUES (1, 4, '白色', 'White', '白色');"
                           "INSERT INTO Color VALUES (2, 1, '赤色', 'Red', '红色');"
                           "INSERT INTO Color VALUES (3, 6, '紫外', 'UV', '紫外');"
                           "INSERT INTO Color VALUES (4, 2, '緑色', 'Green', '绿色');",
                       kPassword);
    CMessageRecorder rec;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), kPassword));
    ColorArray colors;
    EXPECT_TRUE(db.LoadColorTable(colors));
    ASSERT_EQ(colors.size(), 4u);
    EXPECT_EQ(colors[0]->m_nColorNum, 4);
    EXPECT_EQ(colors[1]->m_nColorNum, 1);
    EXPECT_EQ(colors[2]->m_nColorNum, 6);
    EXPECT_EQ(colors[3]->m_nColorNum, 2);
    EXPECT_EQ(colors[1]->m_strColorNameJP, L"赤色");
    EXPECT_EQ(colors[1]->m_strColorNameEN, L"Red");
    EXPECT_EQ(colors[1]->m_strColorNameCN, L"红色");
    EXPECT_EQ(rec.Count(), 0u);
}

// ---- the sample catalogue --------------------------------------------------

namespace {

class SampleLedCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CMessageRecorder rec;
        CCatalogDatabase db;
        opened = db.Open(SampleCataloguePath(L"quorrel_led.mdb"), L"3062mh");
        lightResult = db.LoadLedCommonTable(lights);
        typeResult = db.LoadIlluminationTypeTable(types);
        colorResult = db.LoadColorTable(colors);
        db.Close();
        messages = rec.Texts();
    }
    static void TearDownTestSuite() {
        lights.clear();
        types.clear();
        colors.clear();
    }

    static inline bool opened = false;
    static inline bool lightResult = false;
    static inline bool typeResult = false;
    static inline bool colorResult = false;
    static inline LedArray lights;
    static inline TypeArray types;
    static inline ColorArray colors;
    static inline std::vector<std::wstring> messages;
};

}  // namespace

TEST_F(SampleLedCatalogue, LoadsCompletelyWithoutAMessage) {
    EXPECT_TRUE(opened);
    EXPECT_TRUE(lightResult);
    EXPECT_TRUE(typeResult);
    EXPECT_TRUE(colorResult);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(types.size(), 9u);
    EXPECT_EQ(colors.size(), 6u);
    EXPECT_GE(lights.size(), 27u);
}

TEST_F(SampleLedCatalogue, EveryTypeHasThreeLightsWithNamesAndColours) {
    std::map<int, int> perType;
    for (const auto& led : lights) {
        ++perType[led->Type];
        const bool typeKnown = std::any_of(types.begin(), types.end(), [&](const auto& t) {
            return t->m_nTypeNum == led->Type;
        });
        const bool colorKnown = std::any_of(colors.begin(), colors.end(), [&](const auto& c) {
            return c->m_nColorNum == led->Color;
        });
        EXPECT_TRUE(typeKnown) << led->Type;
        EXPECT_TRUE(colorKnown) << led->Color;
        EXPECT_TRUE(led->ControlMethod == L"CC" || led->ControlMethod == L"CV");
        EXPECT_FALSE(led->Controller.empty());
    }
    for (int type : {1, 2, 3, 5, 6, 7, 8, 11, 12}) EXPECT_GE(perType[type], 3) << type;
    for (const auto& t : types) {
        EXPECT_FALSE(t->m_strTypeNameJP.empty());
        EXPECT_FALSE(t->m_strTypeNameEN.empty());
        EXPECT_FALSE(t->m_strTypeNameCN.empty());
    }
}

TEST_F(SampleLedCatalogue, EveryLightHasItsGeometryAndAGrowingField) {
    for (const auto& led : lights) {
        SCOPED_TRACE(std::string(led->ProductName.begin(), led->ProductName.end()));
        double height = 0;
        if (auto* r = dynamic_cast<const CLedData_DirectRing*>(led.get())) height = r->Height;
        if (auto* r = dynamic_cast<const CLedData_LowAngleRing*>(led.get())) height = r->Height;
        if (auto* r = dynamic_cast<const CLedData_ShadowlessRing*>(led.get())) height = r->Height;
        if (auto* r = dynamic_cast<const CLedData_SimCoaxial*>(led.get())) height = r->Height;
        if (auto* r = dynamic_cast<const CLedData_SimpleDome*>(led.get())) height = r->Height;
        if (auto* r = dynamic_cast<const CLedData_Bar*>(led.get())) height = r->Tickness;
        if (auto* r = dynamic_cast<const CLedData_BackLight*>(led.get())) height = r->Tickness;
        EXPECT_GT(height, 0.0);
        if (led->Type == 8) continue;
        EXPECT_GT(led->WD_H_b, 1e-9);
        EXPECT_LT(led->MinWD, led->MaxWD);
        for (const tagLedAreaCoef& f : {led->CoefH(), led->CoefV(), led->CoefD()})
            EXPECT_GT(f.At(led->MaxWD), f.At(led->MinWD));
    }
}

TEST_F(SampleLedCatalogue, SpecialProductsOfTheSample) {
    const auto* apostrophe = Find<CLedData_DirectRing>(lights, L"QR-D65'S");
    ASSERT_NE(apostrophe, nullptr);
    EXPECT_EQ(apostrophe->InternalDiameter, 40.0);
    EXPECT_TRUE(std::any_of(lights.begin(), lights.end(), [](const auto& l) { return l->MTO != 0; }));
    EXPECT_EQ(Find<CLedData>(lights, L"QR-D40"), nullptr);  // discontinued
    EXPECT_TRUE(std::none_of(types.begin(), types.end(),
                             [](const auto& t) { return t->m_nTypeNum == 4; }));
}

TEST_F(SampleLedCatalogue, LensOfAHundredMillimetreFieldFindsRingsBarsAndBackLights) {
    // A 2/3" sensor over 100 x 75 mm (diagonal 125), lens 300 mm away with a
    // 30 mm front; every type, colour and control method.
    std::vector<std::wstring> found;
    for (const auto& led : lights) {
        tagLedWDRange range;
        if (led->MatchSearch(100, 75, 125, 300, 30, 0x7FFFFFFF, -1, -1, -1, -1, 63, 3, -1, -1,
                             range) > 0)
            found.push_back(led->ProductName);
    }
    auto has = [&](const wchar_t* name) {
        return std::find(found.begin(), found.end(), name) != found.end();
    };
    EXPECT_TRUE(has(L"QR-D80"));
    EXPECT_TRUE(has(L"QR-D120"));
    EXPECT_TRUE(has(L"QB-100"));
    EXPECT_TRUE(has(L"QK-10080"));
    EXPECT_TRUE(has(L"QK-200150"));
    EXPECT_FALSE(has(L"QR-D50"));   // its 30 mm hole cuts the cone everywhere
    EXPECT_FALSE(has(L"QK-5050"));  // a 50 mm surface is too small
}
