// The fitted, fitted single-lens and power-law lenses as the catalogue makes
// them: the record factory's class and constants per parameter type, and the
// sample catalogue's lenses of these types found by ordinary searches.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LensRecordFactory.h"
#include "optics/FittedModels.h"
#include "optics/FittedSingleLensModels.h"
#include "optics/PowerLawModel.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"

namespace {

tagLensColumns Columns(int paramType, const std::wstring& parameter) {
    tagLensColumns c;
    c.strType = L"QZ-" + std::to_wstring(paramType);
    c.nParamType = paramType;
    c.strParameter = parameter;
    c.nSpecialFlag = 1;
    c.strFno = L"2.8,4,5.6";
    return c;
}

template <class T>
bool Is(const CCCTVData* lens) {
    return dynamic_cast<const T*>(lens) != nullptr;
}

}  // namespace

TEST(FittedFactory, FittedTypesGetTheirClassAndFixedConstants) {
    struct Expected {
        int type;
        double imageCircle;
        double maxDraw;
        double effectiveDiameter;
    };
    const Expected cases[] = {
        {7, 16.8, 0.0, 58.61255}, {8, 16.8, 0.0, 40.24916}, {9, 45.0, 0.0, 30.09786},
        {12, 11.0, 1.25, 19.5},   {13, 11.0, 0.0, 21.0},    {15, 82.0, 0.0, 24.64853},
    };
    for (const auto& e : cases) {
        const auto lens = CreateLensRecord(Columns(e.type, L"25,1,2,3,4,5,6,7,8,9,10,11,12,13,14"));
        EXPECT_EQ(lens->m_nParamType, e.type);
        EXPECT_EQ(lens->m_dImageCircle, e.imageCircle) << e.type;
        EXPECT_EQ(lens->m_dMaxRingLength, 0.0) << e.type;
        EXPECT_EQ(lens->m_dMaxDraw, e.maxDraw) << e.type;
        EXPECT_EQ(lens->m_dEffectiveDiameter, e.effectiveDiameter) << e.type;
        EXPECT_EQ(lens->m_dFocalLength, 0.0) << e.type;  // the text is not read
        EXPECT_EQ(lens->m_nFnoCount, 3) << e.type;
    }
    EXPECT_TRUE(Is<CCCTVData_Param7>(CreateLensRecord(Columns(7, L"")).get()));
    EXPECT_TRUE(Is<CCCTVData_Param8>(CreateLensRecord(Columns(8, L"")).get()));
    EXPECT_TRUE(Is<CCCTVData_Param9>(CreateLensRecord(Columns(9, L"")).get()));
    EXPECT_TRUE(Is<CCCTVData_Param12>(CreateLensRecord(Columns(12, L"")).get()));
    EXPECT_TRUE(Is<CCCTVData_Param13>(CreateLensRecord(Columns(13, L"")).get()));
    EXPECT_TRUE(Is<CCCTVData_Param15>(CreateLensRecord(Columns(15, L"")).get()));
}

TEST(FittedFactory, ParameterTextTypesReadTheirText) {
    const auto lens14 = CreateLensRecord(Columns(14, L"0,0,84.7,0,0,11,0,32"));
    ASSERT_TRUE(Is<CCCTVData_Param14>(lens14.get()));
    EXPECT_EQ(lens14->m_dFocalLength, 84.7);
    EXPECT_EQ(lens14->m_dImageCircle, 11.0);
    EXPECT_EQ(lens14->m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens14->m_dEffectiveDiameter, 32.0);
    // A text too short for the ring token leaves the loader's 100 mm replaced
    // by what the reader finds there (a repeat from the start of the text).
    const auto short14 = CreateLensRecord(Columns(14, L"5,6"));
    EXPECT_EQ(short14->m_dMaxRingLength, 5.0);

    std::wstring text;
    for (int k = 1; k <= 35; ++k) text += (k > 1 ? L"," : L"") + std::to_wstring(k);
    const auto lens17 = CreateLensRecord(Columns(17, text));
    ASSERT_TRUE(Is<CCCTVData_Param17>(lens17.get()));
    EXPECT_EQ(lens17->m_dImageCircle, 30.0);
    EXPECT_EQ(lens17->m_dMaxRingLength, 31.0);
    EXPECT_EQ(lens17->m_dOpenFno, 35.0);
}

// ---- the sample catalogue ------------------------------------------------------

namespace {

struct SampleCatalogue {
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;

    CCCTVData* Lens(const std::wstring& name) const {
        for (const auto& l : lenses)
            if (l->m_strType == name) return l.get();
        return nullptr;
    }
    const CCCTVCCDData* Sensor(const std::wstring& name) const {
        for (const auto& s : sensors)
            if (s->m_strType == name) return s.get();
        return nullptr;
    }
};

// One lens of an ordinary search: the sensor must fit the lens and its class,
// the request is calculated on the sensor diagonal as the lens search does.
struct Search {
    const wchar_t* sensor;
    int kind;  // 1 horizontal field of view, 3 magnification, 4 working distance
    double value;
};

int RunSearch(CCCTVData& lens, const CCCTVCCDData& sensor, const Search& s, tagLensCalcResult& r) {
    const double D = sensor.m_dRadial;
    if (D > lens.m_dImageCircle || (lens.m_nSpecialFlag & sensor.m_nSpecialFlag) == 0) return 99;
    r.PresetForSearch();
    int mode = kModeWorkingDistance;
    double value = s.value;
    if (s.kind == 1) {
        mode = kModeFieldOfView;
        value = D * s.value / sensor.m_dHorizontal;
    } else if (s.kind == 3) {
        mode = kModeMagnification;
    }
    return lens.Calc(D, value, mode, r, -1.0, -1.0, 0.04, 0.0);
}

}  // namespace

TEST(FittedSampleCatalogue, OrdinarySearchesFindEveryFittedLens) {
    quorrel::CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(quorrel::test::SampleCataloguePath(L"quorrel_cctv.mdb"),
                        quorrel::test::CTempCatalogue::kLensPassword));
    SampleCatalogue cat;
    ASSERT_TRUE(db.LoadLensTable(cat.lenses));
    ASSERT_TRUE(db.LoadCCDTable(cat.sensors));

    struct Case {
        const wchar_t* lens;
        int paramType;
        Search search;
    };
    const Case cases[] = {
        {L"QW-6M28", 7, {L"1/2\"", 4, 300.0}},
        {L"QW-8M24", 8, {L"1/2\"", 4, 300.0}},
        {L"QL-35M28", 9, {L"2/3\"", 1, 100.0}},
        {L"QL-35M28", 9, {L"1/2\"", 4, 300.0}},
        {L"QS-12M18", 12, {L"2/3\"", 1, 100.0}},
        {L"QS-12M18", 12, {L"1/2\"", 4, 300.0}},
        {L"QS-8M20", 13, {L"2/3\"", 1, 100.0}},
        {L"QS-8M20", 13, {L"1/2\"", 4, 300.0}},
        {L"QX-85M56", 15, {L"2/3\"", 1, 12.0}},
        {L"QX-85M56", 15, {L"1/2\"", 3, 0.75}},
        {L"QM-85M40", 14, {L"1/2\"", 4, 300.0}},
        {L"QM-85M45", 14, {L"1/2\"", 4, 300.0}},
        {L"QP-35M28", 17, {L"2/3\"", 1, 100.0}},
        {L"QP-35M28", 17, {L"1/2\"", 4, 300.0}},
        {L"QP-75M40", 17, {L"1/2\"", 4, 300.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(quorrel::ToUtf8(c.lens) + " with " + quorrel::ToUtf8(c.search.sensor));
        CCCTVData* lens = cat.Lens(c.lens);
        const CCCTVCCDData* sensor = cat.Sensor(c.search.sensor);
        ASSERT_NE(lens, nullptr);
        ASSERT_NE(sensor, nullptr);
        EXPECT_EQ(lens->m_nParamType, c.paramType);
        tagLensCalcResult r;
        ASSERT_EQ(RunSearch(*lens, *sensor, c.search, r), kCalcOk);
        EXPECT_EQ(r.nValid, 1);
        EXPECT_GT(r.dWD[0], 0.0);
        EXPECT_GT(r.dMagnification[0], 0.0);
        EXPECT_TRUE(r.AllFinite());
        if (c.search.kind == 4) {
            EXPECT_EQ(r.dWD[0], 300.0);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}
