// The lenses as the catalogue makes them: the record factory's class and
// values per parameter type, and every lens of the sample catalogue found by
// ordinary searches as the lens search page makes them.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LensRecordFactory.h"
#include "optics/DrawPolynomialModels.h"
#include "optics/FittedModels.h"
#include "optics/FittedSingleLensModels.h"
#include "optics/FixedMagnificationModels.h"
#include "optics/FocusDrawPolynomialModels.h"
#include "optics/MotorStepModels.h"
#include "optics/PolynomialCoefficientModels.h"
#include "optics/PowerLawModel.h"
#include "optics/RinglessModels.h"
#include "optics/TwoGroupModels.h"
#include "platform/Message.h"
#include "platform/Text.h"
#include "tests/support/TempCatalogue.h"

namespace {

// A lens row of the given parameter type and text, flag 1, three F-numbers.
tagLensColumns Columns(int paramType, const std::wstring& parameter) {
    tagLensColumns c;
    c.strType = L"QT-" + std::to_wstring(paramType);
    c.nParamType = paramType;
    c.strParameter = parameter;
    c.nSpecialFlag = 1;
    c.strFno = L"2.8,4,5.6";
    return c;
}

// True when the record the factory made is of class T.
template <class T>
bool Is(const std::unique_ptr<CCCTVData>& lens) {
    return dynamic_cast<const T*>(lens.get()) != nullptr;
}

// The lenses and sensors of the sample catalogue, as the loaders read them.
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

// Opens the sample lens catalogue built beside the test program and loads
// its lens and sensor tables.
::testing::AssertionResult LoadSampleCatalogue(SampleCatalogue& cat) {
    CCatalogDatabase db;
    if (!db.Open(quorrel::test::SampleCataloguePath(L"quorrel_cctv.mdb"),
                 quorrel::test::CTempCatalogue::kLensPassword))
        return ::testing::AssertionFailure() << "the sample lens catalogue does not open";
    if (!db.LoadLensTable(cat.lenses)) return ::testing::AssertionFailure() << "the lens table does not load";
    if (!db.LoadCCDTable(cat.sensors)) return ::testing::AssertionFailure() << "the sensor table does not load";
    return ::testing::AssertionSuccess();
}

enum SearchKind { kHorizontalFov = 1, kMagnification = 3, kWorkingDistance = 4 };

// An ordinary search: a sensor of the catalogue and one input.
struct Search {
    const wchar_t* sensor;
    SearchKind kind;
    double value;
};

// One lens of an ordinary search, as the lens search page makes it: the
// sensor must fit the lens and its class (else 99); the request is
// calculated on the sensor diagonal with F -1, no wanted depth of field,
// c 0.04 and draw 0, a horizontal field of view H given as D H / width.
int RunSearch(CCCTVData& lens, const CCCTVCCDData& sensor, const Search& s, tagLensCalcResult& r) {
    const double D = sensor.m_dRadial;
    if (D > lens.m_dImageCircle || (lens.m_nSpecialFlag & sensor.m_nSpecialFlag) == 0) return 99;
    r.PresetForSearch();
    int mode = kModeWorkingDistance;
    double value = s.value;
    if (s.kind == kHorizontalFov) {
        mode = kModeFieldOfView;
        value = D * s.value / sensor.m_dHorizontal;
    } else if (s.kind == kMagnification) {
        mode = kModeMagnification;
    }
    return lens.Calc(D, value, mode, r, -1.0, -1.0, 0.04, 0.0);
}

// The named lens is of the given parameter type, and the search finds it: a
// success with a computed, finite configuration in front of the lens, the
// working distance or field of view asked for.
void ExpectSearchFinds(const SampleCatalogue& cat, const std::wstring& lensName, int paramType, const Search& search,
                       tagLensCalcResult& r) {
    SCOPED_TRACE(quorrel::ToUtf8(lensName) + " with " + quorrel::ToUtf8(search.sensor));
    CCCTVData* lens = cat.Lens(lensName);
    const CCCTVCCDData* sensor = cat.Sensor(search.sensor);
    ASSERT_NE(lens, nullptr);
    ASSERT_NE(sensor, nullptr);
    EXPECT_EQ(lens->m_nParamType, paramType);
    ASSERT_EQ(RunSearch(*lens, *sensor, search, r), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_GT(r.dWD[0], 0.0);
    EXPECT_GT(r.dMagnification[0], 0.0);
    EXPECT_TRUE(r.AllFinite());
    if (search.kind == kWorkingDistance) {
        EXPECT_EQ(r.dWD[0], search.value);
    }
    if (search.kind == kHorizontalFov) {
        EXPECT_NEAR(r.dFOV[0] * sensor->m_dHorizontal / sensor->m_dRadial, search.value, 1e-9);
    }
}

}  // namespace

// ---- the record factory --------------------------------------------------------

TEST(LensRecordFactory, EachParameterTypeGetsItsClass) {
    const struct {
        int type;
        bool (*is)(const std::unique_ptr<CCCTVData>&);
    } cases[] = {
        {2, &Is<CCCTVData_Param2>},     {3, &Is<CCCTVData_Param3>},     {4, &Is<CCCTVData_Param4>},
        {5, &Is<CCCTVData_Param5>},     {6, &Is<CCCTVData_Param6>},     {7, &Is<CCCTVData_Param7>},
        {8, &Is<CCCTVData_Param8>},     {9, &Is<CCCTVData_Param9>},     {10, &Is<CCCTVData_Param10>},
        {11, &Is<CCCTVData_Param11>},   {12, &Is<CCCTVData_Param12>},   {13, &Is<CCCTVData_Param13>},
        {14, &Is<CCCTVData_Param14>},   {15, &Is<CCCTVData_Param15>},   {16, &Is<CCCTVData_Param16>},
        {17, &Is<CCCTVData_Param17>},   {18, &Is<CCCTVData_Param18>},   {19, &Is<CCCTVData_Param19>},
        {20, &Is<CCCTVData_Param20>},   {21, &Is<CCCTVData_Param200>},  {100, &Is<CCCTVData_Param100>},
        {118, &Is<CCCTVData_Param118>}, {119, &Is<CCCTVData_Param119>}, {200, &Is<CCCTVData_Param200>},
    };
    for (const auto& c : cases) EXPECT_TRUE(c.is(CreateLensRecord(Columns(c.type, L"")))) << c.type;
    // Type 100 is not a type-10 lens, which the main dialog treats apart.
    EXPECT_FALSE(Is<CCCTVData_Param10>(CreateLensRecord(Columns(100, L""))));
}

TEST(LensRecordFactory, FittedTypesGetTheirFixedConstants) {
    const struct {
        int type;
        double imageCircle, maxDraw, effectiveDiameter;
    } cases[] = {
        {7, 16.8, 0.0, 58.61255}, {8, 16.8, 0.0, 40.24916}, {9, 45.0, 0.0, 30.09786},
        {12, 11.0, 1.25, 19.5},   {13, 11.0, 0.0, 21.0},    {15, 82.0, 0.0, 24.64853},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(e.type);
        const auto lens = CreateLensRecord(Columns(e.type, L"25,1,2,3,4,5,6,7,8,9,10,11,12,13,14"));
        EXPECT_EQ(lens->m_nParamType, e.type);
        EXPECT_EQ(lens->m_dImageCircle, e.imageCircle);
        EXPECT_EQ(lens->m_dMaxRingLength, 0.0);
        EXPECT_EQ(lens->m_dMaxDraw, e.maxDraw);
        EXPECT_EQ(lens->m_dEffectiveDiameter, e.effectiveDiameter);
        EXPECT_EQ(lens->m_dFocalLength, 0.0);  // the text is not read
        EXPECT_EQ(lens->m_nFnoCount, 3);
    }
}

TEST(LensRecordFactory, ParameterTextTypesReadTheirText) {
    const auto lens14 = CreateLensRecord(Columns(14, L"0,0,84.7,0,0,11,0,32"));
    EXPECT_EQ(lens14->m_dFocalLength, 84.7);
    EXPECT_EQ(lens14->m_dImageCircle, 11.0);
    EXPECT_EQ(lens14->m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens14->m_dEffectiveDiameter, 32.0);

    std::wstring text;
    for (int k = 1; k <= 35; ++k) text += (k > 1 ? L"," : L"") + std::to_wstring(k);
    const auto lens17 = CreateLensRecord(Columns(17, text));
    EXPECT_EQ(lens17->m_dImageCircle, 30.0);
    EXPECT_EQ(lens17->m_dMaxRingLength, 31.0);
    EXPECT_EQ(lens17->m_dOpenFno, 35.0);

    const auto lens4 = CreateLensRecord(
        Columns(4, L"20,30,5,0.5,3,5,2,17.5,11,-0.004,3,0.004,0.2,0.5,3,12,0.2,13.3,1.4,4.5,60,25"));
    EXPECT_EQ(lens4->m_nParamType, 4);
    EXPECT_EQ(lens4->m_dMaxRingLength, 60.0);  // the text's token 21 replaces the loader's 100
    EXPECT_EQ(lens4->m_dEffectiveDiameter, 25.0);
    EXPECT_EQ(lens4->m_nFnoCount, 3);
}

TEST(LensRecordFactory, ShortTextReplacesTheLoadersRingLimit) {
    // "5,6" reads 5, -1, 5, -1, ... (the token that no comma ends reads -1
    // and reading starts again); the last token, read from the start of the
    // text to its end, reads 5 as well. Type 16 reads its ring limit as token
    // 11, type 14 as token 7.
    const auto lens16 = CreateLensRecord(Columns(16, L"5,6"));
    EXPECT_EQ(lens16->m_dMaxRingLength, 5.0);
    EXPECT_EQ(dynamic_cast<CCCTVData_Param16&>(*lens16).m_dFrontToImage, 5.0);
    EXPECT_EQ(lens16->m_dPrincipalGap, -1.0);
    EXPECT_EQ(lens16->m_dEffectiveDiameter, 5.0);
    EXPECT_EQ(CreateLensRecord(Columns(14, L"5,6"))->m_dMaxRingLength, 5.0);
}

// ---- the sample catalogue ------------------------------------------------------

TEST(SampleCatalogue, OrdinarySearchesFindEveryLensOfEveryModel) {
    quorrel::CMessageRecorder messages;
    SampleCatalogue cat;
    ASSERT_TRUE(LoadSampleCatalogue(cat));
    tagLensCalcResult r;

    const Search fov100{L"2/3\"", kHorizontalFov, 100.0};
    const Search wd300{L"1/2\"", kWorkingDistance, 300.0};
    const struct {
        const wchar_t* lens;
        int paramType;
        Search search;
    } cases[] = {
        {L"QW-6M28", 7, wd300},   {L"QW-8M24", 8, wd300},   {L"QL-35M28", 9, fov100},  {L"QL-35M28", 9, wd300},
        {L"QS-12M18", 12, fov100}, {L"QS-12M18", 12, wd300}, {L"QS-8M20", 13, fov100},  {L"QS-8M20", 13, wd300},
        {L"QX-85M56", 15, {L"2/3\"", kHorizontalFov, 12.0}}, {L"QX-85M56", 15, {L"1/2\"", kMagnification, 0.75}},
        {L"QM-85M40", 14, wd300},  {L"QM-85M45", 14, wd300}, {L"QP-35M28", 17, fov100}, {L"QP-35M28", 17, wd300},
        {L"QP-75M40", 17, wd300},  {L"QN-16M14", 11, fov100}, {L"QN-16M14", 11, wd300}, {L"QN-25M16", 11, fov100},
        {L"QN-25M16", 11, wd300},  {L"QU-30M28", 16, {L"2/3\"", kMagnification, 0.5}},
        {L"QU-50M28", 16, {L"1/2\"", kMagnification, 0.5}}, {L"QE-40M40", 10, {L"2/3\"", kMagnification, 0.5}},
        {L"QE-60M56", 10, {L"1\"", kMagnification, 1.0}},    {L"QQ-25M28", 100, {L"2/3\"", kMagnification, 0.25}},
        {L"QQ-40M40", 100, {L"1/2\"", kMagnification, 0.45}},
        {L"QG-12M14", 2, fov100},  {L"QG-12M14", 2, wd300},  {L"QG-20M20", 2, fov100},  {L"QG-20M20", 2, wd300},
        {L"QJ-19M18", 3, fov100},  {L"QJ-19M18", 3, wd300},  {L"QJ-27M24", 3, fov100},  {L"QJ-27M24", 3, wd300},
        {L"QA-13M14", 4, fov100},  {L"QA-13M14", 4, wd300},  {L"QA-20M20", 4, fov100},  {L"QA-20M20", 4, wd300},
        {L"QV-13M18", 5, fov100},  {L"QV-13M18", 5, wd300},  {L"QV-20M24", 5, fov100},  {L"QV-20M24", 5, wd300},
        {L"QY-27M20", 6, fov100},  {L"QY-27M20", 6, wd300},  {L"QY-40M28", 6, fov100},  {L"QY-40M28", 6, wd300},
    };
    for (const auto& c : cases) ExpectSearchFinds(cat, c.lens, c.paramType, c.search, r);

    // Every fitted-curve lens answers both searches, the field of view at a
    // working distance between 50 mm and 1 m: two lenses of each
    // parameter-text type, one of each self-completing one.
    const std::map<int, int> fittedCurveTypes = {{18, 2}, {19, 2}, {20, 2}, {21, 1}, {118, 2}, {119, 2}, {200, 1}};
    std::map<int, int> perType;
    for (const auto& lens : cat.lenses) {
        if (!fittedCurveTypes.count(lens->m_nParamType)) continue;
        ++perType[lens->m_nParamType];
        ExpectSearchFinds(cat, lens->m_strType, lens->m_nParamType, fov100, r);
        EXPECT_GT(r.dWD[0], 50.0);
        EXPECT_LT(r.dWD[0], 1000.0);
        ExpectSearchFinds(cat, lens->m_strType, lens->m_nParamType, wd300, r);
    }
    EXPECT_EQ(perType, fittedCurveTypes);
    EXPECT_EQ(messages.Count(), 0u);
}
