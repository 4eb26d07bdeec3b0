// The sample lens catalogue the default build places beside the program
// (the test programs run in the build folder).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "optics/CCCTVData_Param1.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"

using quorrel::CMessageRecorder;
using quorrel::test::SampleCataloguePath;
using Texts = std::vector<std::wstring>;

namespace {

// The thin-lens rows of the sample, in display order.
const Texts kThinLenses = {
    L"QF-4M18",  L"QF-6M14",  L"QF-8M14",  L"QF-12M14", L"QF-16M14", L"QF-25M14", L"QF-35M14",
    L"QF-50M18", L"QF-75M25", L"QH-8M18",  L"QH-12M18", L"QH-16M18", L"QH-25M18", L"QH-35M20",
    L"QH-50M28", L"QH-75M28", L"QC-12M28", L"QC-16M28", L"QC-25M28", L"QC-35M28", L"QC-50M28"};

class SampleLensCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CMessageRecorder rec;
        CCatalogDatabase db;
        opened = db.Open(SampleCataloguePath(L"quorrel_cctv.mdb"), L"4817qz");
        lensResult = db.LoadLensTable(lenses);
        ccdResult = db.LoadCCDTable(sensors);
        closed = db.Close();
        messages = rec.Texts();
    }
    static void TearDownTestSuite() {
        lenses.clear();
        sensors.clear();
    }

    static const CCCTVData* Lens(const std::wstring& name) {
        for (const auto& l : lenses)
            if (l->m_strType == name) return l.get();
        return nullptr;
    }
    static const CCCTVCCDData* Sensor(const std::wstring& name) {
        for (const auto& s : sensors)
            if (s->m_strType == name) return s.get();
        return nullptr;
    }
    static int Calc(const CCCTVData& lens, double sensor, double value, int mode,
                    tagLensCalcResult& r) {
        r.PresetForSearch();
        return const_cast<CCCTVData&>(lens).Calc(sensor, value, mode, r, 2.8, -1.0, 0.01, 0.0);
    }

    static inline bool opened, lensResult, ccdResult, closed;
    static inline Texts messages;
    static inline std::vector<std::unique_ptr<CCCTVData>> lenses;
    static inline std::vector<std::unique_ptr<CCCTVCCDData>> sensors;
};

}  // namespace

TEST(SampleCatalogueFiles, TheDefaultBuildPlacesTheLensCatalogueBesideTheProgram) {
    const std::filesystem::path file = std::filesystem::current_path() / "quorrel_cctv.mdb";
    ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
    EXPECT_GT(std::filesystem::file_size(file), 4096u);
}

TEST_F(SampleLensCatalogue, LoadsCompletelyWithoutAMessage) {
    EXPECT_TRUE(opened);
    EXPECT_TRUE(lensResult);
    EXPECT_TRUE(ccdResult);
    EXPECT_TRUE(closed);
    EXPECT_EQ(messages, Texts{});
}

TEST_F(SampleLensCatalogue, SensorFormatsInDisplayOrderWithTheirSizes) {
    Texts names;
    for (const auto& s : sensors) names.push_back(s->m_strType);
    EXPECT_EQ(names, (Texts{L"1/4\"", L"1/3\"", L"1/2.9\"", L"1/2.5\"", L"1/2\"", L"1/1.8\"",
                            L"2/3\"", L"1/1.2\"", L"1\"", L"1.1\"", L"4/3\"",
                            L"I/F 14.3mm (2k x 7um line)"}));
    for (const auto& s : sensors) {
        SCOPED_TRACE(quorrel::ToUtf8(s->m_strType));
        if (s->m_nAreaFlag == 3) {
            // Area sensors: the diagonal agrees with width and height to 0.01 mm.
            EXPECT_NEAR(std::hypot(s->m_dHorizontal, s->m_dVertical), s->m_dRadial, 0.01);
            EXPECT_EQ(s->m_nSpecialFlag, 1);
        } else {
            EXPECT_EQ(s->m_nAreaFlag, 2);
            EXPECT_EQ(s->m_dHorizontal, 0.0);
            EXPECT_EQ(s->m_dVertical, 0.0);
            EXPECT_EQ(s->m_nSpecialFlag, 2);
        }
    }
    EXPECT_EQ(Sensor(L"2/3\"")->m_dHorizontal, 8.8);
    EXPECT_EQ(Sensor(L"1/2\"")->m_dHorizontal, 6.4);
    EXPECT_EQ(Sensor(L"1\"")->m_dRadial, 16.0);
}

TEST_F(SampleLensCatalogue, ThinLensRowsAreCurrentAndDiscontinuedOnesAreNot) {
    Texts thin;
    for (const auto& l : lenses)
        if (std::find(kThinLenses.begin(), kThinLenses.end(), l->m_strType) != kThinLenses.end())
            thin.push_back(l->m_strType);
    EXPECT_EQ(thin, kThinLenses);
    EXPECT_EQ(Lens(L"QF-25M16"), nullptr);
    EXPECT_EQ(Lens(L"QF-50M20"), nullptr);
    EXPECT_EQ(Lens(L"QH-16M20"), nullptr);
}

// Each thin lens is physically consistent: the working distance computed
// from a magnification gives that magnification back, the open F-number is
// the first of its list, the entrance pupil fits the front diameter, and the
// image circle covers at least a 2/3" sensor.
TEST_F(SampleLensCatalogue, ThinLensesAreConsistent) {
    for (const auto& name : kThinLenses) {
        SCOPED_TRACE(quorrel::ToUtf8(name));
        const CCCTVData* lens = Lens(name);
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
}

// 2/3" sensor (8.8 mm wide), 100 mm horizontal field of view: beta = 0.088.
TEST_F(SampleLensCatalogue, TwoThirdsInchSensorAndHundredMillimetreField) {
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
TEST_F(SampleLensCatalogue, HalfInchSensorAtThreeHundredMillimetres) {
    const CCCTVCCDData* sensor = Sensor(L"1/2\"");
    ASSERT_NE(sensor, nullptr);
    int found = 0;
    for (const auto& l : lenses) {
        if (!(l->m_nSpecialFlag & sensor->m_nSpecialFlag) || l->m_dImageCircle < sensor->m_dRadial)
            continue;
        tagLensCalcResult r;
        if (Calc(*l, sensor->m_dHorizontal, 300.0, kModeWorkingDistance, r) == 1) ++found;
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

TEST_F(SampleLensCatalogue, OnlyTheLineScanSeriesSuitsTheLineScanSensor) {
    const CCCTVCCDData* line = Sensor(L"I/F 14.3mm (2k x 7um line)");
    ASSERT_NE(line, nullptr);
    Texts suited;
    for (const auto& name : kThinLenses)
        if (Lens(name)->m_nSpecialFlag & line->m_nSpecialFlag) suited.push_back(name);
    EXPECT_EQ(suited, (Texts{L"QC-12M28", L"QC-16M28", L"QC-25M28", L"QC-35M28", L"QC-50M28"}));
}
