// The three sample catalogues the default build places beside the program
// (the test programs run in the build folder): each loads completely without
// a message, and its data is consistent enough for ordinary searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "LedSpecValues.h"
#include "catalogue/CCCTVCCDData.h"
#include "illumination/LedVocabulary.h"
#include "optics/CCCTVData_Param1.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "support/LoadedCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"
#include "telecentric/TelecentricNames.h"
#include "telecentric/TelecentricSearch.h"

using namespace quorrel::test;
using quorrel::CMessageRecorder;

namespace {

template <class T>
using Array = std::vector<std::unique_ptr<T>>;

// Every sample file loaded once, as the program loads it.
class SampleCatalogues : public ::testing::Test {
protected:
    // Opens one file, runs its loaders and closes it; false on any failure or message.
    template <class Loaders>
    static bool LoadSample(const wchar_t* file, const wchar_t* password, Loaders load) {
        CMessageRecorder rec;
        CCatalogDatabase db;
        const bool ok = db.Open(SampleCataloguePath(file), password) && load(db) && db.Close();
        for (const auto& text : rec.Texts()) ADD_FAILURE() << quorrel::ToUtf8(text);
        return ok && rec.Count() == 0;
    }
    static void SetUpTestSuite() {
        lensOk = LoadSample(L"quorrel_cctv.mdb", CTempCatalogue::kLensPassword, [](auto& db) {
            return db.LoadLensTable(lenses) && db.LoadCCDTable(sensors);
        });
        tklOk = LoadSample(L"quorrel_tkl.mdb", CTempCatalogue::kLensPassword, [](auto& db) {
            return db.LoadTKLLensTable(tkl) && db.LoadTKLExtraTable(extras);
        });
        ledOk = LoadSample(L"quorrel_led.mdb", CTempCatalogue::kLedPassword, [](auto& db) {
            return db.LoadLedCommonTable(lights) && db.LoadIlluminationTypeTable(types) &&
                   db.LoadColorTable(colors);
        });
    }
    static void TearDownTestSuite() {
        lenses.clear(), sensors.clear(), tkl.clear(), extras.clear();
        lights.clear(), types.clear(), colors.clear();
    }

    static CCCTVData* Lens(const std::wstring& n) {
        return FindBy(lenses, &CCCTVData::m_strType, n);
    }
    static CCCTVCCDData* Sensor(const std::wstring& n) {
        return FindBy(sensors, &CCCTVCCDData::m_strType, n);
    }
    static int Calc(CCCTVData& lens, double sensor, double value, int mode, tagLensCalcResult& r) {
        r.PresetForSearch();
        return lens.Calc(sensor, value, mode, r, 2.8, -1.0, 0.01, 0.0);
    }

    static inline bool lensOk, tklOk, ledOk;
    static inline Array<CCCTVData> lenses;
    static inline Array<CCCTVCCDData> sensors;
    static inline Array<CTKLData> tkl;
    static inline Array<CTKLExtraData> extras;
    static inline Array<CLedData> lights;
    static inline Array<CLedTypeData> types;
    static inline Array<CLedColorData> colors;
};

// The thin-lens rows of the lens sample, in display order.
const Texts kThinLenses = {
    L"QF-4M18",  L"QF-6M14",  L"QF-8M14",  L"QF-12M14", L"QF-16M14", L"QF-25M14", L"QF-35M14",
    L"QF-50M18", L"QF-75M25", L"QH-8M18",  L"QH-12M18", L"QH-16M18", L"QH-25M18", L"QH-35M20",
    L"QH-50M28", L"QH-75M28", L"QC-12M28", L"QC-16M28", L"QC-25M28", L"QC-35M28", L"QC-50M28"};

}  // namespace

TEST_F(SampleCatalogues, EachLoadsCompletelyWithoutAMessage) {
    EXPECT_TRUE(lensOk);
    EXPECT_TRUE(tklOk);
    EXPECT_TRUE(ledOk);
}

// ---- lenses and sensors ----------------------------------------------------

TEST_F(SampleCatalogues, SensorFormatsInDisplayOrderWithTheirSizes) {
    EXPECT_EQ(Field(sensors, &CCCTVCCDData::m_strType),
              (Texts{L"1/4\"", L"1/3\"", L"1/2.9\"", L"1/2.5\"", L"1/2\"", L"1/1.8\"", L"2/3\"",
                     L"1/1.2\"", L"1\"", L"1.1\"", L"4/3\"", L"I/F 14.3mm (2k x 7um line)"}));
    for (const auto& s : sensors) {
        SCOPED_TRACE(quorrel::ToUtf8(s->m_strType));
        // Width and height are real and give the diagonal to 0.01 mm.
        EXPECT_GT(s->m_dVertical, 0.0);
        EXPECT_NEAR(std::hypot(s->m_dHorizontal, s->m_dVertical), s->m_dRadial, 0.01);
        // Area sensors; a line-scan format is searched by its diagonal alone.
        EXPECT_EQ(std::make_pair(s->m_nAreaFlag, s->m_nSpecialFlag),
                  s->m_nAreaFlag == 3 ? std::make_pair(3, 1) : std::make_pair(2, 2));
    }
    // 2048 pixels of 7 um in one row.
    const CCCTVCCDData* line = Sensor(L"I/F 14.3mm (2k x 7um line)");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::make_pair(line->m_dHorizontal, line->m_dVertical), std::make_pair(14.336, 0.007));
    EXPECT_EQ(Sensor(L"2/3\"")->m_dHorizontal, 8.8);
    EXPECT_EQ(Sensor(L"1/2\"")->m_dHorizontal, 6.4);
    EXPECT_EQ(Sensor(L"1\"")->m_dRadial, 16.0);
}

// Each thin lens is current and physically consistent: the working distance
// computed from a magnification gives that magnification back, the open
// F-number is the first of its list, the entrance pupil fits the front
// diameter, and the image circle covers at least a 2/3" sensor.
TEST_F(SampleCatalogues, ThinLensesAreCurrentAndConsistent) {
    Texts thin;
    for (const auto& l : lenses)
        if (std::find(kThinLenses.begin(), kThinLenses.end(), l->m_strType) != kThinLenses.end())
            thin.push_back(l->m_strType);
    EXPECT_EQ(thin, kThinLenses);
    for (const wchar_t* discontinued : {L"QF-25M16", L"QF-50M20", L"QH-16M20"})
        EXPECT_EQ(Lens(discontinued), nullptr);

    for (const auto& name : kThinLenses) {
        SCOPED_TRACE(quorrel::ToUtf8(name));
        CCCTVData* lens = Lens(name);
        ASSERT_NE(lens, nullptr);
        EXPECT_NE(dynamic_cast<const CCCTVData_Param1*>(lens), nullptr);
        EXPECT_GE(lens->m_dFocalLength, 4.0);
        EXPECT_LE(lens->m_dFocalLength, 75.0);
        EXPECT_GE(lens->m_dImageCircle, 11.0);
        EXPECT_GE(lens->m_nFnoCount, 7);
        EXPECT_EQ(quorrel::ParseLeadingNumber(lens->m_astrFno[0]), lens->m_dOpenFno);
        EXPECT_GE(lens->m_dEffectiveDiameter, lens->m_dFocalLength / lens->m_dOpenFno);
        EXPECT_GT(lens->m_dMaxDraw, 0.0);
        EXPECT_EQ(lens->m_strMountType, L"C");
        tagLensCalcResult byMag, byWd;
        Calc(*lens, 8.8, 0.05, kModeMagnification, byMag);
        Calc(*lens, 8.8, byMag.dWD[0], kModeWorkingDistance, byWd);
        EXPECT_NEAR(byWd.dMagnification[0], 0.05, 1e-12);
        EXPECT_NEAR(byWd.dObjectToImage[0], byMag.dObjectToImage[0], 1e-9);
    }
    // Only the line-scan series suits the line-scan sensor.
    const CCCTVCCDData* line = Sensor(L"I/F 14.3mm (2k x 7um line)");
    ASSERT_NE(line, nullptr);
    Texts suited;
    for (const auto& name : kThinLenses)
        if (Lens(name)->m_nSpecialFlag & line->m_nSpecialFlag) suited.push_back(name);
    EXPECT_EQ(suited, (Texts{L"QC-12M28", L"QC-16M28", L"QC-25M28", L"QC-35M28", L"QC-50M28"}));
}

// With its longest ring and the focus drawn out fully, each thin lens still
// keeps the object in front of its front glass.
TEST_F(SampleCatalogues, ThinLensesKeepAPositiveWorkingDistanceAtTheirLongestRing) {
    for (const auto& name : kThinLenses) {
        CCCTVData* lens = Lens(name);
        ASSERT_NE(lens, nullptr);
        tagLensCalcResult r;
        r.PresetForSearch();
        ASSERT_EQ(lens->Calc(11.0, lens->m_dMaxRingLength, kModeRing, r, 2.8, -1.0, 0.04,
                             lens->m_dMaxDraw),
                  kCalcOk)
            << quorrel::ToUtf8(name);
        EXPECT_GT(r.dWD[0], 0.0) << quorrel::ToUtf8(name) << " with " << lens->m_dMaxRingLength
                                 << " mm of rings";
    }
}

// 2/3" sensor (8.8 mm wide), 100 mm horizontal field of view: beta = 0.088.
TEST_F(SampleCatalogues, TwoThirdsInchSensorAndHundredMillimetreField) {
    const CCCTVCCDData* sensor = Sensor(L"2/3\"");
    ASSERT_NE(sensor, nullptr);
    std::map<std::wstring, int> codes;
    for (const auto& l : lenses) {
        if (!(l->m_nSpecialFlag & sensor->m_nSpecialFlag) || l->m_dImageCircle < sensor->m_dRadial)
            continue;
        tagLensCalcResult r;
        codes[l->m_strType] = Calc(*l, sensor->m_dHorizontal, 100.0, kModeFieldOfView, r);
    }
    // The 4 mm lens cannot focus that close (E = 0.352 mm > its 0.15 mm
    // draw, and the half-millimetre ring overshoots); the 6 mm lens would
    // need a ring it does not take.
    EXPECT_EQ(codes[L"QF-4M18"], -2);
    EXPECT_EQ(codes[L"QF-6M14"], -3);
    for (const wchar_t* name : {L"QF-8M14", L"QF-12M14", L"QF-16M14", L"QF-25M14", L"QF-35M14",
                                L"QF-50M18", L"QF-75M25", L"QH-16M18", L"QH-25M18", L"QC-25M28"})
        EXPECT_EQ(codes[name], 1) << quorrel::ToUtf8(name);

    // QF-25M14: E = 0.088 * 25 = 2.2 mm within its 3 mm draw, no ring;
    // L = (0.088 + 2 + 1/0.088) * 25 - 2 = 334.29091 mm;
    // WD = L - 30 - 17.526 - 2.2 = 284.56491 mm.
    tagLensCalcResult r;
    ASSERT_EQ(Calc(*Lens(L"QF-25M14"), 8.8, 100.0, kModeFieldOfView, r), 1);
    EXPECT_NEAR(r.dMagnification[0], 0.088, 1e-12);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dFocusDraw[0], 2.2, 1e-12);
    EXPECT_NEAR(r.dObjectToImage[0], 334.290909, 1e-6);
    EXPECT_NEAR(r.dWD[0], 284.564909, 1e-6);
}

// 1/2" sensor (6.4 mm wide) at 300 mm working distance.
TEST_F(SampleCatalogues, HalfInchSensorAtThreeHundredMillimetres) {
    const CCCTVCCDData* sensor = Sensor(L"1/2\"");
    ASSERT_NE(sensor, nullptr);
    int found = 0;
    for (const auto& l : lenses) {
        tagLensCalcResult r;
        if ((l->m_nSpecialFlag & sensor->m_nSpecialFlag) &&
            l->m_dImageCircle >= sensor->m_dRadial &&
            Calc(*l, sensor->m_dHorizontal, 300.0, kModeWorkingDistance, r) == 1)
            ++found;
    }
    EXPECT_GE(found, 15);

    // QF-25M14: d = 300 + 30 - 5.474 - 25 = 299.526; beta = 25 / d = 0.0834652;
    // field = 6.4 * d / 25 = 76.678656 mm; E = 625 / d = 2.086630 mm, no ring.
    tagLensCalcResult r;
    ASSERT_EQ(Calc(*Lens(L"QF-25M14"), 6.4, 300.0, kModeWorkingDistance, r), 1);
    EXPECT_NEAR(r.dMagnification[0], 25.0 / 299.526, 1e-12);
    EXPECT_NEAR(r.dFOV[0], 76.678656, 1e-6);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dFocusDraw[0], 2.086630, 1e-6);

    // QF-75M25: d = 300 + 58 - 47.474 - 75 = 235.526; E = 5625 / d = 23.8827 mm;
    // beyond its 6 mm draw by 17.88 mm, so the 18 mm ring (index 36) with a
    // draw of 5.8827 mm.
    ASSERT_EQ(Calc(*Lens(L"QF-75M25"), 6.4, 300.0, kModeWorkingDistance, r), 1);
    EXPECT_EQ(r.nRingIndex, 36);
    EXPECT_NEAR(r.dFocusDraw[0], 5625.0 / 235.526 - 18.0, 1e-9);
}

// ---- telecentric lenses ----------------------------------------------------

TEST_F(SampleCatalogues, TelecentricLensesWithOneExtraRecordEach) {
    // 19 rows, one discontinued, two of them split in two.
    EXPECT_EQ(Field(tkl, &CTKLData::Type),
              (Texts{L"TKL005-450", L"TKL01-300", L"GUX-02", L"TKL025-110", L"QEV-035X",
                     L"GUX-05", L"TKL05-65", L"TKL05-65D", L"TKL05-110NIR", L"QEV-0.75X",
                     L"QEV-1X", L"QEV-1XD", L"TKL1-110D", L"GUXD-10", L"LSC-1X-16K", L"TKL1.5-65",
                     L"QEV-2X-D", L"TKL2-65D", L"TKL3-65", L"TKL4-45D"}));
    const Texts extraNames = Field(extras, &CTKLExtraData::LENS_Type);
    EXPECT_EQ(extraNames.size(), tkl.size());
    const auto& noHold = CTKLData::kNoHoldLengthTypes;
    for (const auto& lens : tkl) {
        SCOPED_TRACE(quorrel::ToUtf8(lens->Type));
        EXPECT_EQ(std::count(extraNames.begin(), extraNames.end(), lens->Type), 1);
        // No hold length for the GUX series and the listed lenses, else a
        // positive holding section L - C - Mount.
        if (lens->Kind == L"GUX" || std::count(noHold.begin(), noHold.end(), lens->Type)) {
            EXPECT_EQ(lens->HoldLength, 0.0);
        } else {
            EXPECT_EQ(lens->HoldLength, lens->L - lens->HoldC - lens->Mount);
            EXPECT_GT(lens->HoldLength, 0.0);
        }
        // The name states the magnification the optics have (within 1 %),
        // except for the line-scan lens of no series.
        std::wstring text;
        EXPECT_EQ(ParseTelecentricMagnification(lens->Type, text), lens->Kind != L"LSC");
        if (lens->Kind != L"LSC") {
            EXPECT_NEAR(quorrel::ParseLeadingNumber(text), std::fabs(lens->Pmag),
                        0.01 * std::fabs(lens->Pmag));
        }
        // Catalogue optics: Feff = |m| / (2 NA), OI = WD + L + LB, and the
        // resolution 0.61 lambda / NA at 550 nm, or 850 nm for the NIR lens.
        EXPECT_NEAR(lens->Feff, std::fabs(lens->Pmag) / (2.0 * lens->NA), 0.05);
        EXPECT_NEAR(lens->RS, 0.61 * (lens->SensorType == L"NIR" ? 0.85 : 0.55) / lens->NA, 0.05);
        EXPECT_NEAR(lens->OI, lens->WD + lens->L + lens->LB, 1e-9);
        EXPECT_GT(lens->CCDLimit, 0.0);
        EXPECT_GT(lens->EFDI, 0.0);
        EXPECT_NE(lens->SpecialFlag, 0);
    }
    // The listed lenses are in the catalogue and not of the GUX series, so
    // the list is what gives them no hold length.
    for (std::wstring_view name : noHold) {
        const CTKLData* lens = FindBy(tkl, &CTKLData::Type, std::wstring(name));
        ASSERT_NE(lens, nullptr);
        EXPECT_NE(lens->Kind, L"GUX");
        EXPECT_NE(lens->L - lens->HoldC - lens->Mount, 0.0);
    }
}

// Each current telecentric lens is listed by a search at its own
// magnification with one of the catalogue's sensor formats.
TEST_F(SampleCatalogues, EveryTelecentricLensIsFoundWithACatalogueSensor) {
    std::vector<CTKLData*> all;
    for (const auto& lens : tkl) all.push_back(lens.get());
    for (const auto& lens : tkl) {
        bool listed = false;
        for (const auto& sensor : sensors) {
            const tkl_search::tagTklSearchPlan plan =
                tkl_search::PlanSearch({false, 0, 0, 0, sensor.get(), tkl_search::kMagnification, std::fabs(lens->Pmag)});
            std::vector<tkl_search::tagTklSearchRow> rows;
            if (plan.nMessage == 0)
                tkl_search::SearchTelecentric(all, plan.Magnification(), plan.dD, plan.dV, plan.dH, plan.nSensorMask, rows);
            for (const auto& row : rows) listed |= row.cells[tkl_search::kColModel] == lens->Type;
        }
        EXPECT_TRUE(listed) << quorrel::ToUtf8(lens->Type);
    }
}

// ---- illuminations ---------------------------------------------------------

TEST_F(SampleCatalogues, EveryIlluminationTypeHasLightsWithGeometryAndAGrowingField) {
    const std::vector<int> typeNums = Field(types, &CLedTypeData::m_nTypeNum);
    const std::vector<int> colorNums = Field(colors, &CLedColorData::m_nColorNum);
    EXPECT_EQ(typeNums, (std::vector<int>{1, 11, 12, 2, 3, 5, 7, 6, 8}));  // 4 is discontinued
    EXPECT_EQ(colorNums.size(), 6u);
    for (const auto& t : types)
        EXPECT_FALSE(t->m_strTypeNameJP.empty() || t->m_strTypeNameEN.empty() ||
                     t->m_strTypeNameCN.empty());
    std::map<int, int> perType;
    for (const auto& led : lights) {
        SCOPED_TRACE(quorrel::ToUtf8(led->ProductName));
        ++perType[led->Type];
        EXPECT_EQ(std::count(typeNums.begin(), typeNums.end(), led->Type), 1);
        EXPECT_EQ(std::count(colorNums.begin(), colorNums.end(), led->Color), 1);
        EXPECT_TRUE(led->ControlMethod == L"CC" || led->ControlMethod == L"CV");
        EXPECT_FALSE(led->Controller.empty());
        EXPECT_GT(SpecNumbers(led.get()).at(2), 0.0);  // height or thickness
        if (dynamic_cast<const CLedData_DirectRing*>(led.get()) ||
            dynamic_cast<const CLedData_LowAngleRing*>(led.get())) {
            EXPECT_GT(SpecNumbers(led.get()).at(3), 0.0);  // lighting angle
        }
        if (led->Type == 8) continue;
        EXPECT_GT(led->WD_H_b, 1e-9);
        EXPECT_LT(led->MinWD, led->MaxWD);
        for (const tagLedAreaCoef& f : {led->CoefH(), led->CoefV(), led->CoefD()})
            EXPECT_GT(f.At(led->MaxWD), f.At(led->MinWD));
    }
    for (int type : typeNums) EXPECT_GE(perType[type], 3) << type;
    EXPECT_EQ(SpecNumbers(FindBy(lights, &CLedData::ProductName, std::wstring(L"QR-D65'S"))),
              (std::vector<double>{40, 76, 19, 28}));
    EXPECT_TRUE(std::any_of(lights.begin(), lights.end(), [](const auto& l) { return l->MTO; }));
    EXPECT_EQ(FindBy(lights, &CLedData::ProductName, std::wstring(L"QR-D40")), nullptr);
}

// A rectangular field's diagonal is the hypotenuse of its sides wherever the
// light can be used; round fields (rings, domes, round windows) have none.
TEST_F(SampleCatalogues, RectangularLightsHaveTheDiagonalOfTheirTwoSides) {
    int rectangular = 0;
    for (const auto& led : lights) {
        const auto* coaxial = dynamic_cast<const CLedData_SimCoaxial*>(led.get());
        if (led->Type != 6 && led->Type != 8 && !(coaxial && coaxial->WindowForm != 0)) continue;
        ++rectangular;
        double worst = 0.0;  // largest relative deviation over the range
        for (int step = 0; step <= 20; ++step) {
            const double wd = led->MinWD + (led->MaxWD - led->MinWD) * step / 20.0;
            const double sides = std::hypot(led->CoefH().At(wd), led->CoefV().At(wd));
            worst = std::max(worst, std::fabs(led->CoefD().At(wd) / sides - 1.0));
        }
        EXPECT_LE(worst, 0.02) << quorrel::ToUtf8(led->ProductName);
    }
    EXPECT_EQ(rectangular, 10);  // four bars, four back lights, two rectangular windows
}

// Each light runs on a controller of its own control method that can give
// its rated current.
TEST_F(SampleCatalogues, EveryLightIsWithinItsControllersRating) {
    const std::map<std::wstring, std::pair<std::wstring, double>> controllers = {
        {L"QP-CV24-2", {L"CV", 1.0}},  {L"QP-CC35-4", {L"CC", 0.35}},
        {L"QP-CC50-4", {L"CC", 0.5}},  {L"QP-CC70-4", {L"CC", 0.7}},
        {L"QP-CC100-2", {L"CC", 1.0}},
    };
    for (const auto& led : lights) {
        SCOPED_TRACE(quorrel::ToUtf8(led->ProductName + L" on " + led->Controller));
        const auto it = controllers.find(led->Controller);
        ASSERT_NE(it, controllers.end());
        EXPECT_EQ(led->ControlMethod, it->second.first);
        EXPECT_LE(led->MaxRatedCurrent, it->second.second);
    }
}

TEST_F(SampleCatalogues, LensOfAHundredMillimetreFieldFindsRingsBarsAndBackLights) {
    // A 2/3" sensor over 100 x 75 mm (diagonal 125), lens 300 mm away with a
    // 30 mm front; every type, colour and control method.
    Texts found;
    for (const auto& led : lights) {
        tagLedWDRange range;
        if (led->MatchSearch(100, 75, 125, 300, 30, 0x7FFFFFFF, -1, -1, -1, -1, 63, 3, -1, -1,
                             range) > 0)
            found.push_back(led->ProductName);
    }
    auto has = [&](const wchar_t* name) { return std::count(found.begin(), found.end(), name); };
    for (const wchar_t* name : {L"QR-D80", L"QR-D120", L"QB-100", L"QK-10080", L"QK-200150"})
        EXPECT_TRUE(has(name)) << quorrel::ToUtf8(name);
    EXPECT_FALSE(has(L"QR-D50"));   // its 30 mm hole cuts the cone everywhere
    EXPECT_FALSE(has(L"QK-5050"));  // a 50 mm surface is too small
}
