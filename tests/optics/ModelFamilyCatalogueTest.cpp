// The ringless, fixed-magnification, two-group and motor-step lenses as the
// catalogue makes them: the record factory's class per parameter type, and
// the sample catalogue's lenses of these types found by ordinary searches.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/LensRecordFactory.h"
#include "optics/FixedMagnificationModels.h"
#include "optics/MotorStepModels.h"
#include "optics/RinglessModels.h"
#include "optics/TwoGroupModels.h"
#include "platform/Message.h"
#include "tests/optics/CatalogueTestSupport.h"

using namespace catalogue_test;

TEST(ModelFamilyFactory, EachParameterTypeGetsItsClassAndReadsItsText) {
    const std::wstring text = L"20,30,5,0.5,3,5,2,17.5,11,-0.004,3,0.004,0.2,0.5,3,12,0.2,13.3,1.4,4.5,60,25";
    EXPECT_TRUE(Is<CCCTVData_Param2>(CreateLensRecord(Columns(2, text))));
    EXPECT_TRUE(Is<CCCTVData_Param3>(CreateLensRecord(Columns(3, text))));
    EXPECT_TRUE(Is<CCCTVData_Param5>(CreateLensRecord(Columns(5, text))));
    EXPECT_TRUE(Is<CCCTVData_Param6>(CreateLensRecord(Columns(6, text))));
    EXPECT_TRUE(Is<CCCTVData_Param10>(CreateLensRecord(Columns(10, text))));
    EXPECT_TRUE(Is<CCCTVData_Param11>(CreateLensRecord(Columns(11, text))));
    EXPECT_TRUE(Is<CCCTVData_Param16>(CreateLensRecord(Columns(16, text))));
    EXPECT_TRUE(Is<CCCTVData_Param100>(CreateLensRecord(Columns(100, text))));
    // Type 100 is not a type-10 lens, which the main dialog treats apart.
    EXPECT_FALSE(Is<CCCTVData_Param10>(CreateLensRecord(Columns(100, text))));

    const auto lens4 = CreateLensRecord(Columns(4, text));
    ASSERT_TRUE(Is<CCCTVData_Param4>(lens4));
    EXPECT_EQ(lens4->m_nParamType, 4);
    EXPECT_EQ(lens4->m_dMaxRingLength, 60.0);  // the text's token 21 replaces the loader's 100
    EXPECT_EQ(lens4->m_dEffectiveDiameter, 25.0);
    EXPECT_EQ(lens4->m_nFnoCount, 3);
}

TEST(ModelFamilyFactory, ShortTextReplacesTheLoadersRingLimit) {
    // Type 16 reads its ring limit as token 11; "5,6" reads 5, -1, 5, -1, ...
    // (the token that no comma ends reads -1 and reading starts again), so
    // token 11 reads 5, and the last token, read from the start of the text
    // to its end, reads 5 as well.
    const auto lens = CreateLensRecord(Columns(16, L"5,6"));
    EXPECT_EQ(lens->m_dMaxRingLength, 5.0);
    EXPECT_EQ(dynamic_cast<CCCTVData_Param16&>(*lens).m_dFrontToImage, 5.0);
    EXPECT_EQ(lens->m_dPrincipalGap, -1.0);
    EXPECT_EQ(lens->m_dEffectiveDiameter, 5.0);
}

// ---- the sample catalogue ------------------------------------------------------

TEST(ModelFamilySampleCatalogue, OrdinarySearchesFindEveryLensOfTheseTypes) {
    quorrel::CMessageRecorder messages;
    SampleCatalogue cat;
    ASSERT_TRUE(LoadSampleCatalogue(cat));

    const Search fov100{L"2/3\"", kHorizontalFov, 100.0};
    const Search wd300{L"1/2\"", kWorkingDistance, 300.0};
    struct Case {
        const wchar_t* lens;
        int paramType;
        Search search;
    };
    const Case cases[] = {
        {L"QN-16M14", 11, fov100},  {L"QN-16M14", 11, wd300},  {L"QN-25M16", 11, fov100},
        {L"QN-25M16", 11, wd300},   {L"QU-30M28", 16, {L"2/3\"", kMagnification, 0.5}},
        {L"QU-50M28", 16, {L"1/2\"", kMagnification, 0.5}},
        {L"QE-40M40", 10, {L"2/3\"", kMagnification, 0.5}},
        {L"QE-60M56", 10, {L"1\"", kMagnification, 1.0}},
        {L"QQ-25M28", 100, {L"2/3\"", kMagnification, 0.25}},
        {L"QQ-40M40", 100, {L"1/2\"", kMagnification, 0.45}},
        {L"QG-12M14", 2, fov100},   {L"QG-12M14", 2, wd300},   {L"QG-20M20", 2, fov100},
        {L"QG-20M20", 2, wd300},    {L"QJ-19M18", 3, fov100},  {L"QJ-19M18", 3, wd300},
        {L"QJ-27M24", 3, fov100},   {L"QJ-27M24", 3, wd300},   {L"QA-13M14", 4, fov100},
        {L"QA-13M14", 4, wd300},    {L"QA-20M20", 4, fov100},  {L"QA-20M20", 4, wd300},
        {L"QV-13M18", 5, fov100},   {L"QV-13M18", 5, wd300},   {L"QV-20M24", 5, fov100},
        {L"QV-20M24", 5, wd300},    {L"QY-27M20", 6, fov100},  {L"QY-27M20", 6, wd300},
        {L"QY-40M28", 6, fov100},   {L"QY-40M28", 6, wd300},
    };
    for (const auto& c : cases) ExpectSearchFinds(cat, c.lens, c.paramType, c.search);
    EXPECT_EQ(messages.Count(), 0u);
}
