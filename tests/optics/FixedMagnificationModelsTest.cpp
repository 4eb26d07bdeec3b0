// Fixed-magnification models (parameter types 10 and 100): the acceptance
// bands, the lens's own configuration and the two depth-of-field forms.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/FixedMagnificationModels.h"
#include "tests/optics/ModelTestSupport.h"

using model_test::LensFixture;

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

TEST_F(Param10Test, SetParameterFillsTheBlockThenTheSharedValues) {
    EXPECT_EQ(lens.m_dFixedMagnification, -0.5);
    EXPECT_EQ(lens.m_dFixedFocalLength, 35.0);
    EXPECT_EQ(lens.m_dFixedToken3, 3.0);
    EXPECT_EQ(lens.m_dFixedToken4, 4.0);
    EXPECT_EQ(lens.m_dFixedWD, 120.0);
    EXPECT_EQ(lens.m_dFixedToken6, 6.0);
    EXPECT_EQ(lens.m_dFixedObjectToImage, 200.0);
    EXPECT_EQ(lens.m_dFixedToken9, 9.0);
    EXPECT_EQ(lens.m_dCatalogDOF, 1.2);
    EXPECT_EQ(lens.m_dFixedToken14, 14.0);
    EXPECT_EQ(lens.m_dEntrancePupil, 10.0);
    EXPECT_EQ(lens.m_dExitPupil, 8.0);
    EXPECT_EQ(lens.m_dFixedToken19, 19.0);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 28.0);
    EXPECT_EQ(lens.m_dOpenFno, 0.0);
    EXPECT_EQ(lens.m_dMaxDraw, 0.0);
}

TEST_F(Param10Test, MagnificationNearTheLensReportsItsOwnConfiguration) {
    // 1.1 B0: accepted; the answer is the lens's, not the input.
    ASSERT_EQ(Run(0.55, kModeMagnification, 4.0), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(r.dFOV[0], 22.0);
    EXPECT_EQ(r.dWD[0], 120.0);
    EXPECT_EQ(r.dObjectToImage[0], 200.0);
    EXPECT_EQ(r.dExtension[0], 0.0);
    // k = 0.55/0.8 + 1 = 1.6875 (input beta), Fe = 4 k = 6.75;
    // DOF = 2 Fe 0.04 / (0.5^2 - 4^2 0.04^2 / 35^2) with the lens's own B0.
    EXPECT_EQ(r.dFno, 4.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 6.75);
    EXPECT_DOUBLE_EQ(r.dDOF, 2.1601805734618145);
    // No range, no ring, no draw.
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.nMaxValid, 0);
    EXPECT_EQ(r.dMagnification[1], -1.0);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
    EXPECT_EQ(r.nRingIndex, 0);
}

TEST_F(Param10Test, WantedDepthOfFieldUsesTheLensMagnificationInTheRoot) {
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.5), kCalcOk);
    // g = 1.6875 35 = 59.0625; Fe = (sqrt(0.25 0.25 + g^2) g - g^2) / (0.5 0.04);
    // F = Fe / (0.5/0.8 + 1).
    EXPECT_EQ(r.dDOF, 0.5);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 1.5624930013927951);
    EXPECT_DOUBLE_EQ(r.dFno, 0.9615341547032585);
}

TEST_F(Param10Test, FieldOfViewAndWorkingDistanceModes) {
    EXPECT_EQ(Run(22.0, kModeFieldOfView), kCalcOk);  // beta = 0.5
    EXPECT_EQ(r.dMagnification[0], 0.5);

    r.PresetForSearch();
    EXPECT_EQ(Run(100.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 120.0);  // the lens's, not the input
}

TEST_F(Param10Test, WorkingDistanceBandIncludesItsEnds) {
    // 1.26 W = 120 exactly for W = 95.23809523809524.
    EXPECT_EQ(Run(95.23809523809524, kModeWorkingDistance), kCalcOk);
    r.PresetForSearch();
    EXPECT_EQ(Run(95.23809523809523, kModeWorkingDistance), kCalcInfeasible);
    // Refused before anything is written.
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], -1.0);
    // Upper end: 0.74 W = 120 for W = 162.16216216216216 (accepted), a little more is not.
    r.PresetForSearch();
    EXPECT_EQ(Run(162.16216216216216, kModeWorkingDistance), kCalcOk);
    r.PresetForSearch();
    EXPECT_EQ(Run(162.1621621621622, kModeWorkingDistance), kCalcInfeasible);
}

TEST_F(Param10Test, MagnificationBandIsStrict) {
    // beta = B0 / 1.26: 1.26 beta = 0.5 is not above B0.
    EXPECT_EQ(Run(0.3968253968253968, kModeMagnification, 2.0), kCalcInfeasible);
    // The F-number fields are already written and nValid stays 1.
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dFno, 2.0);
    EXPECT_EQ(r.dMagnification[0], 0.3968253968253968);
    EXPECT_EQ(r.dWD[0], -1.0);
}

TEST_F(Param10Test, OtherModesUseThePresetMagnification) {
    EXPECT_EQ(Run(1.0, kModeRing), kCalcInfeasible);  // preset -1.0
    r.PresetForSearch();
    r.dMagnification[0] = 0.5;
    EXPECT_EQ(RunOnRecord(1.0, 5), kCalcOk);
}

TEST_F(Param10Test, ZeroMagnificationLensIsRefusedInEveryMode) {
    lens.m_strParameter = L"0,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,8,17,18,19,11,0,28";
    lens.SetParameter();
    for (int mode = -1; mode <= 6; ++mode) {
        r.PresetForSearch();
        EXPECT_EQ(Run(mode == kModeWorkingDistance ? 120.0 : 0.5, mode), kCalcInfeasible) << mode;
    }
}

TEST_F(Param10Test, ZeroPupilIsInfeasibleNotASuccessWithInfinity) {
    // Exit pupil 0: P = 0, the pupil factor is infinite.
    lens.m_strParameter = L"-0.5,35,3,4,120,6,200,8,9,1.2,11,12,13,14,10,0,17,18,19,11,0,28";
    lens.SetParameter();
    EXPECT_EQ(Run(0.5, kModeMagnification, 4.0), kCalcInfeasible);
}

TEST_F(Param100Test, OpenFNumberIsTheTwentyThirdToken) {
    EXPECT_EQ(lens.m_dOpenFno, 4.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 28.0);
}

TEST_F(Param100Test, CatalogDepthOfFieldScalesWithTheCircleOfConfusionOnly) {
    // c = 0.04: DOF = G for every F-number.
    for (double fno : {2.0, 4.0, 8.0}) {
        r.PresetForSearch();
        ASSERT_EQ(Run(0.55, kModeMagnification, fno), kCalcOk);
        EXPECT_EQ(r.dDOF, 1.2) << fno;
        EXPECT_EQ(r.dFno, fno);
    }
    // Fe = 0.55^2 (1.2 0.5) / 0.04 (8 / 4) with the input beta.
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 9.075000000000001);
    EXPECT_EQ(r.dMagnification[0], 0.5);

    r.PresetForSearch();
    ASSERT_EQ(Run(0.55, kModeMagnification, 4.0, -1.0, 0.0, 0.02), kCalcOk);
    EXPECT_EQ(r.dDOF, 0.6);  // 1.2 / (0.04 / 0.02)
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 4.5375000000000005);
}

TEST_F(Param100Test, WantedDepthOfFieldScalesTheOpenFNumber) {
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.6), kCalcOk);
    // t = 0.6 / 1.2 = 0.5: F = 0.5 4 1, Fe = 0.55^2 0.6 / 0.04 0.5.
    EXPECT_EQ(r.dDOF, 0.6);
    EXPECT_EQ(r.dFno, 2.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 2.2687500000000003);

    r.PresetForSearch();
    ASSERT_EQ(Run(0.55, kModeMagnification, -1.0, 0.6, 0.0, 0.02), kCalcOk);
    EXPECT_EQ(r.dFno, 4.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 4.5375000000000005);
}

TEST_F(Param100Test, AcceptanceIsThatOfTheFixedMagnificationLens) {
    EXPECT_EQ(Run(0.8, kModeMagnification), kCalcInfeasible);
    r.PresetForSearch();
    EXPECT_EQ(Run(1.0, kModeRing), kCalcInfeasible);
    r.PresetForSearch();
    EXPECT_EQ(Run(110.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], 200.0);
}
