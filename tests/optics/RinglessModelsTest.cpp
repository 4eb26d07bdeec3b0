// Thin-lens models without rings (parameter types 11 and 16), checked
// against hand computation of the thin-lens relations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "optics/RinglessModels.h"
#include "tests/optics/ModelTestSupport.h"

using model_test::LensFixture;

namespace {

// f 16, H 2, a 30, s1 8, s2 4, P 0.8, open F 1.4, draw 1, ring limit 0,
// image circle 11, effective diameter 25.
constexpr const wchar_t* kParam11Text = L"16,2,30,0,8,4,0,0.8,1.4,1,0,11,25";
// f 50, H -5, a 40, K 60, token 6 7 (not used), P 0.8, open F 2.8.
constexpr const wchar_t* kParam16Text = L"50,-5,40,0,60,7,0,0.8,2.8,0,0,16,30";

struct Param11Test : LensFixture<CCCTVData_Param11> {
    Param11Test() { Load(kParam11Text); }
};
struct Param16Test : LensFixture<CCCTVData_Param16> {
    Param16Test() { Load(kParam16Text); }
};

}  // namespace

// -- Param11 --

TEST_F(Param11Test, SetParameterReadsThirteenTokensInOrder) {
    EXPECT_EQ(lens.m_dFocalLength, 16.0);
    EXPECT_EQ(lens.m_dPrincipalGap, 2.0);
    EXPECT_EQ(lens.m_dLensLength, 30.0);
    EXPECT_EQ(lens.m_dFrontDistA, 8.0);
    EXPECT_EQ(lens.m_dFrontDistB, 4.0);
    EXPECT_EQ(lens.m_dPupilMagnification, 0.8);
    EXPECT_EQ(lens.m_dOpenFno, 1.4);
    EXPECT_EQ(lens.m_dMaxDraw, 1.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 0.0);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 25.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 0.0);
    EXPECT_EQ(lens.m_dWDOffset, 0.0);
}

TEST_F(Param11Test, MagnificationGivesDistancesAndTheFixedEnds) {
    ASSERT_EQ(Run(0.1, kModeMagnification, 2.8), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 110.0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 164.0);             // (1/0.1 + 1) 16 - 8 - 4
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 195.6);  // (0.1 + 2 + 10) 16 + 2
    EXPECT_EQ(r.dExtension[0], 0.0);
    // Fe = (0.1/0.8 + 1) 2.8 = 3.15; DOF = 2 Fe 0.04 / (0.01 - 2.8^2 0.04^2 / 16^2)
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 3.15);
    EXPECT_DOUBLE_EQ(r.dDOF, 25.32408803135363);
    // Far end: only its magnification; near end: 0.3.
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.3);
    EXPECT_DOUBLE_EQ(r.dFOV[2], 36.66666666666667);
    EXPECT_DOUBLE_EQ(r.dWD[2], 57.33333333333334);         // 4.333333333333334 16 - 12
    EXPECT_DOUBLE_EQ(r.dObjectToImage[2], 92.13333333333333);  // 5.633333333333333 16 + 2
    // No ring, no draw.
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
}

TEST_F(Param11Test, WantedDepthOfFieldGivesTheFNumber) {
    ASSERT_EQ(Run(0.1, kModeMagnification, -1.0, 2.0), kCalcOk);
    // g = 1.125 16 = 18; Fe = (g sqrt(4 0.01 + g^2) - g^2) / (2 0.04)
    EXPECT_EQ(r.dDOF, 2.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 0.2499922844272362);
    EXPECT_DOUBLE_EQ(r.dFno, 0.22221536393532107);
}

TEST_F(Param11Test, WorkingDistanceAndObjectToImageInvertTheRelations) {
    ASSERT_EQ(Run(164.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 164.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.1);  // 1 / ((164 + 12) / 16 - 1)
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 195.6);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 110.0);

    r.PresetForSearch();
    ASSERT_EQ(Run(195.6, kModeObjectToImage), kCalcOk);  // q = 10.1: beta = (10.1 - sqrt(98.01)) / 2
    EXPECT_EQ(r.dObjectToImage[0], 195.6);
    EXPECT_NEAR(r.dMagnification[0], 0.1, 1e-12);
    EXPECT_NEAR(r.dWD[0], 164.0, 1e-9);
    EXPECT_EQ(r.dExtension[0], 0.0);
}

TEST_F(Param11Test, UpperEndIsInsideAndAboveItAnswersAtTheEnd) {
    EXPECT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);

    r.PresetForSearch();
    EXPECT_EQ(Run(0.31, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.3);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 36.66666666666667);
    EXPECT_DOUBLE_EQ(r.dWD[0], 57.33333333333334);
    EXPECT_EQ(r.nMaxValid, 1);  // the ends of the inner calculation
}

TEST_F(Param11Test, NegativeMagnificationAnswersAtTheLowerEnd) {
    // A negative field of view gives beta < 0: the record is computed at
    // beta 0, where the distances of column [0] are infinite.
    EXPECT_EQ(Run(-110.0, kModeFieldOfView), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.0);
    EXPECT_TRUE(std::isinf(r.dFOV[0]));
    EXPECT_TRUE(std::isinf(r.dWD[0]));
}

TEST_F(Param11Test, RingInputUsesThePresetMagnification) {
    EXPECT_EQ(Run(1.0, kModeRing), kCalcBelowRange);  // preset -1.0
    EXPECT_EQ(r.dMagnification[0], 0.0);

    r = tagLensCalcResult{};  // the detail page's preset: magnification 0, inside [0, 0.3]
    r.FillRingTable();
    EXPECT_EQ(RunOnRecord(1.0, kModeRing), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dMagnification[2], 0.3);
}

TEST_F(Param11Test, InputsWithoutAFiniteConfigurationAreInfeasible) {
    // Shorter than 4f + H = 66: no real root (nothing but the distance written).
    EXPECT_EQ(Run(50.0, kModeObjectToImage), kCalcInfeasible);
    EXPECT_EQ(r.dObjectToImage[0], 50.0);
    EXPECT_EQ(r.dMagnification[0], -1.0);
    EXPECT_EQ(r.nValid, 0);
    // Magnification 0 lies inside the interval but has infinite distances.
    r.PresetForSearch();
    EXPECT_EQ(Run(0.0, kModeMagnification), kCalcInfeasible);
    // Zero over zero.
    EXPECT_EQ(lens.CalcOptics(0.0, 0.0, kModeFieldOfView, r, -1.0, -1.0, 0.04, 0.0), kCalcInfeasible);
    // A wanted depth of field of 0 divides by zero.
    r.PresetForSearch();
    EXPECT_EQ(Run(0.1, kModeMagnification, -1.0, 0.0), kCalcInfeasible);
}

// -- Param16 --

TEST_F(Param16Test, SetParameterTakesTokenFiveAsTheFrontToImageDistance) {
    EXPECT_EQ(lens.m_dFocalLength, 50.0);
    EXPECT_EQ(lens.m_dPrincipalGap, -5.0);
    EXPECT_EQ(lens.m_dLensLength, 40.0);
    EXPECT_EQ(lens.m_dFrontToImage, 60.0);
    EXPECT_EQ(lens.m_dFrontDistA, 0.0);
    EXPECT_EQ(lens.m_dFrontDistB, 7.0);
    EXPECT_EQ(lens.m_dPupilMagnification, 0.8);
    EXPECT_EQ(lens.m_dOpenFno, 2.8);
    EXPECT_EQ(lens.m_dImageCircle, 16.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 30.0);
}

TEST_F(Param16Test, WorkingDistanceTakesTheSmallerRootAndWritesBothEnds) {
    // q = (160 + 60 + 5) / 50 - 2 = 2.5: beta = (2.5 - 1.5) / 2 = 0.5.
    ASSERT_EQ(Run(160.0, kModeWorkingDistance, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.dWD[0], 160.0);
    EXPECT_EQ(r.dObjectToImage[0], 220.0);
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(r.dFOV[0], 22.0);
    EXPECT_EQ(r.dExtension[0], 0.0);
    // k = 0.5/0.8 + 1 = 1.625, g = 81.25: Fe = (g sqrt(4 0.25 + g^2) - g^2) / 0.08.
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 6.249763331527447);
    EXPECT_DOUBLE_EQ(r.dFno, 3.8460082040168904);
    // Ends: 0.3 (L = 5.633333333333333 50 - 5) and 1.0 (L = 4 50 - 5).
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_EQ(r.dMagnification[1], 0.3);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[1], 276.66666666666663);
    EXPECT_DOUBLE_EQ(r.dWD[1], 216.66666666666663);
    EXPECT_DOUBLE_EQ(r.dFOV[1], 36.66666666666667);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_EQ(r.dMagnification[2], 1.0);
    EXPECT_EQ(r.dObjectToImage[2], 195.0);
    EXPECT_EQ(r.dWD[2], 135.0);
    EXPECT_EQ(r.dFOV[2], 11.0);
}

TEST_F(Param16Test, ObjectToImageGivesTheWorkingDistanceLessK) {
    ASSERT_EQ(Run(220.0, kModeObjectToImage), kCalcOk);  // q = 225/50 - 2 = 2.5
    EXPECT_EQ(r.dMagnification[0], 0.5);
    EXPECT_EQ(r.dWD[0], 160.0);
    EXPECT_EQ(r.dObjectToImage[0], 220.0);
}

TEST_F(Param16Test, BothEndsAreInsideAndBelowAnswersAtTheLowerEnd) {
    EXPECT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    r.PresetForSearch();
    EXPECT_EQ(Run(1.0, kModeMagnification), kCalcOk);
    r.PresetForSearch();
    EXPECT_EQ(Run(0.29, kModeMagnification), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.3);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 276.66666666666663);
    r.PresetForSearch();
    EXPECT_EQ(Run(1.01, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 1.0);
}

TEST_F(Param16Test, WorkingDistanceWithoutRealRootIsBelowTheRange) {
    // q = (85 + 65) / 50 - 2 = 1: the guard gives beta -1, answered at 0.3.
    EXPECT_EQ(Run(85.0, kModeWorkingDistance), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 0);
    EXPECT_EQ(r.dMagnification[0], 0.3);
    EXPECT_DOUBLE_EQ(r.dWD[0], 216.66666666666663);
    // The inner calculation at 0.3 with F -1: Fe = -(0.3/0.8 + 1).
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, -1.375);
}

TEST_F(Param16Test, RingInputUsesThePresetMagnification) {
    EXPECT_EQ(Run(1.0, kModeRing), kCalcBelowRange);
    r = tagLensCalcResult{};  // magnification 0 lies below [0.3, 1.0]
    r.FillRingTable();
    EXPECT_EQ(RunOnRecord(1.0, kModeRing), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.3);
}

TEST_F(Param16Test, ZeroFocalLengthIsInfeasible) {
    lens.m_strParameter = L"0,-5,40,0,60,7,0,0.8,2.8,0,0,16,30";
    lens.SetParameter();
    // (0 + 60 + 5) / 0: q infinite, the root not a number.
    EXPECT_EQ(Run(-65.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_TRUE(std::isnan(r.dMagnification[0]));
    EXPECT_EQ(r.nValid, 0);
}
