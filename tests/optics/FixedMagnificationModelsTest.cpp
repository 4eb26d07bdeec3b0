// Fixed-magnification models (parameter types 10 and 100): the acceptance
// bands, the lens's own configuration and the two depth-of-field forms.
#include <gtest/gtest.h>

#include "optics/FixedMagnificationModels.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

namespace {

// B -0.5 (|B| = 0.5 is used), f 35, W0 120, L0 200, G 1.2, entrance pupil 10,
// exit pupil 8 (P = 0.8); the stored-only tokens hold their own numbers so
// that the block order shows; image circle 11, ring limit 0, effective
// diameter 28.
constexpr const wchar_t* kParam10Text =
    L"-0.5,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,8,17,18,19,11,0,28";
// The same lens with open F-number 4 as token 23.
constexpr const wchar_t* kParam100Text =
    L"-0.5,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,8,17,18,19,11,0,28,4";

struct Param10Test : LensFixture<CCCTVData_Param10> {
    Param10Test() { Load(kParam10Text); }
};
struct Param100Test : LensFixture<CCCTVData_Param100> {
    Param100Test() { Load(kParam100Text); }
};

}  // namespace

TEST(FixedMagnificationReading, TheBlockThenTheSharedValues) {
    const auto p10 = MakeLens<CCCTVData_Param10>(CountingText(22), 10);
    ExpectTokenOrder(p10->m_dFixedMagnification, p10->m_dFixedFocalLength, p10->m_dFixedToken3, p10->m_dFixedToken4,
                     p10->m_dFixedWD, p10->m_dFixedToken6, p10->m_dFixedObjectToImage, p10->m_dFixedToken8,
                     p10->m_dFixedToken9, p10->m_dCatalogDOF, p10->m_dFixedToken11, p10->m_dFixedToken12,
                     p10->m_dFixedToken13, p10->m_dFixedToken14, p10->m_dEntrancePupil, p10->m_dExitPupil,
                     p10->m_dFixedToken17, p10->m_dFixedToken18, p10->m_dFixedToken19, p10->m_dImageCircle,
                     p10->m_dMaxRingLength, p10->m_dEffectiveDiameter);
    EXPECT_EQ(p10->m_dOpenFno, 0.0);
    EXPECT_EQ(p10->m_dMaxDraw, 0.0);
    // Type 100 reads the open F-number as token 23.
    const auto p100 = MakeLens<CCCTVData_Param100>(CountingText(23), 100);
    EXPECT_EQ(p100->m_dEffectiveDiameter, 22.0);
    EXPECT_EQ(p100->m_dOpenFno, 23.0);
}

TEST_F(Param10Test, MagnificationNearTheLensReportsItsOwnConfiguration) {
    // 1.1 B0: accepted; the answer is the lens's, not the input.
    // k = 0.55/0.8 + 1 = 1.6875 (input beta), Fe = 4 k = 6.75;
    // DOF = 2 Fe 0.04 / (0.5^2 - 4^2 0.04^2 / 35^2) with the lens's own B0.
    // No range, no ring, no draw.
    ASSERT_EQ(Run(0.55, kModeMagnification, 4.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .ring = 0, .beta = 0.5, .fov = 22.0, .wd = 120.0, .oi = 200.0, .ext = 0.0,
                             .draw = -1.0, .fno = 4.0, .fe = 6.75, .dof = 2.1601805734618145, .minValid = 0,
                             .beta1 = -1.0, .maxValid = 0}));
    // g = 1.6875 35 = 59.0625; Fe = (sqrt(0.25 0.25 + g^2) g - g^2) / (0.5 0.04);
    // F = Fe / (0.5/0.8 + 1): the lens's magnification in the root.
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.5), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 0.9615341547032585, .fe = 1.5624930013927951, .dof = 0.5}));
    // Field of view 22 gives beta 0.5; a working distance is answered with the lens's.
    EXPECT_EQ(Run(22.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(Run(100.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 120.0);
}

TEST_F(Param10Test, AcceptanceBands) {
    // 1.26 W = 120 exactly for W = 95.23809523809524; 0.74 W = 120 for W =
    // 162.16216216216216: the working-distance band includes its ends.
    EXPECT_EQ(Run(95.23809523809524, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(Run(95.23809523809523, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = -1.0}));  // refused before anything is written
    EXPECT_EQ(Run(162.16216216216216, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(Run(162.1621621621622, kModeWorkingDistance), kCalcInfeasible);

    // The magnification band is strict: 1.26 beta = 0.5 is not above B0. The
    // F-number fields are already written and nValid stays 1.
    EXPECT_EQ(Run(0.3968253968253968, kModeMagnification, 2.0), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .beta = 0.3968253968253968, .wd = -1.0, .fno = 2.0}));

    // Other modes test the magnification in the record.
    EXPECT_EQ(Run(1.0, kModeRing), kCalcInfeasible);  // preset -1.0
    r.PresetForSearch();
    r.dMagnification[0] = 0.5;
    EXPECT_EQ(RunOnRecord(1.0, 5), kCalcOk);
}

TEST_F(Param10Test, DegenerateLensesAreRefused) {
    Load(L"0,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,8,17,18,19,11,0,28");  // magnification 0
    for (int mode = -1; mode <= 6; ++mode)
        EXPECT_EQ(Run(mode == kModeWorkingDistance ? 120.0 : 0.5, mode), kCalcInfeasible) << mode;
    // Exit pupil 0: P = 0, the pupil factor is infinite: infeasible, not a success with infinity.
    Load(L"-0.5,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,0,17,18,19,11,0,28");
    EXPECT_EQ(Run(0.5, kModeMagnification, 4.0), kCalcInfeasible);
}

TEST_F(Param100Test, CatalogDepthOfFieldScalesWithTheCircleOfConfusionOnly) {
    // c = 0.04: DOF = G for every F-number.
    for (double fno : {2.0, 4.0, 8.0}) {
        ASSERT_EQ(Run(0.55, kModeMagnification, fno), kCalcOk);
        EXPECT_TRUE(ResultIs(r, {.fno = fno, .dof = 1.2})) << fno;
    }
    // Fe = 0.55^2 (1.2 0.5) / 0.04 (8 / 4) with the input beta.
    EXPECT_TRUE(ResultIs(r, {.beta = 0.5, .fe = 9.075000000000001}));
    ASSERT_EQ(Run(0.55, kModeMagnification, 4.0, -1.0, 0.0, 0.02), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fe = 4.5375000000000005, .dof = 0.6}));  // 1.2 / (0.04 / 0.02)
}

TEST_F(Param100Test, WantedDepthOfFieldScalesTheOpenFNumber) {
    // t = 0.6 / 1.2 = 0.5: F = 0.5 4 1, Fe = 0.55^2 0.6 / 0.04 0.5.
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.6), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 2.0, .fe = 2.2687500000000003, .dof = 0.6}));
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.6, 0.0, 0.02), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 4.0, .fe = 4.5375000000000005}));
}

TEST_F(Param100Test, AcceptanceIsThatOfTheFixedMagnificationLens) {
    EXPECT_EQ(Run(0.8, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(Run(1.0, kModeRing), kCalcInfeasible);
    EXPECT_EQ(Run(110.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], 200.0);
}
