// The thin-lens model with close-up rings, checked against hand computation
// of the thin-lens relations.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/CCCTVData_Param1.h"

namespace {

// f = 25 mm, H = 0, a = 0, s1 = 10, s2 = 15, P = 1, open F 1.4, draw D,
// rings up to 100 mm, image circle 16, e0 = 0, b = 0, effective diameter 30.
std::wstring LensText(double D) {
    return L"25,0,0,0,10,15,0,1,1.4," + std::to_wstring(D) + L",100,16,0,0,30";
}

struct Param1Test : ::testing::Test {
    CCCTVData_Param1 lens;
    tagLensCalcResult r;

    void Load(double D) {
        lens.m_strParameter = LensText(D);
        lens.SetParameter();
        r.PresetForSearch();
    }
    int Run(double sensor, double value, int mode, double fno = -1.0, double wantedDOF = -1.0,
            double draw = 0.0) {
        return lens.Calc(sensor, value, mode, r, fno, wantedDOF, 0.04, draw);
    }
};

}  // namespace

TEST_F(Param1Test, SetParameterReadsFifteenTokensInOrder) {
    lens.m_strParameter = L"25,1.5,40,4,10,15,7,0.8,1.4,3,60,16,0.25,2,30";
    lens.SetParameter();
    EXPECT_EQ(lens.m_dFocalLength, 25.0);
    EXPECT_EQ(lens.m_dPrincipalGap, 1.5);
    EXPECT_EQ(lens.m_dLensLength, 40.0);
    EXPECT_EQ(lens.m_dParam4, 4.0);
    EXPECT_EQ(lens.m_dFrontDistA, 10.0);
    EXPECT_EQ(lens.m_dFrontDistB, 15.0);
    EXPECT_EQ(lens.m_dParam7, 7.0);
    EXPECT_EQ(lens.m_dPupilMagnification, 0.8);
    EXPECT_EQ(lens.m_dOpenFno, 1.4);
    EXPECT_EQ(lens.m_dMaxDraw, 3.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 60.0);
    EXPECT_EQ(lens.m_dImageCircle, 16.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 0.25);
    EXPECT_EQ(lens.m_dWDOffset, 2.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 30.0);
}

TEST_F(Param1Test, ThreeNumberTextGivesMinusOneForTheThirdValue) {
    lens.m_strParameter = L"10,20,30";
    lens.SetParameter();
    EXPECT_EQ(lens.m_dFocalLength, 10.0);
    EXPECT_EQ(lens.m_dPrincipalGap, 20.0);
    EXPECT_EQ(lens.m_dLensLength, -1.0);
    EXPECT_EQ(lens.m_dParam4, 10.0);
    EXPECT_EQ(lens.m_dWDOffset, 20.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 30.0);
}

TEST_F(Param1Test, MagnificationGivesThinLensExtensionAndDistances) {
    Load(3.0);
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 80.0);
    EXPECT_DOUBLE_EQ(r.dExtension[0], 2.5);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 302.5);
    EXPECT_DOUBLE_EQ(r.dWD[0], 282.474);  // 302.5 - 17.526 - 2.5
    // E <= D: no ring, the helicoid draws the whole extension.
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 2.5);
    // Far end: draw 0, beta 0 (no finite far value); near end: full draw.
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.12);
    EXPECT_DOUBLE_EQ(r.dFOV[2], 8.0 / 0.12);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[2], (0.12 + 2 + 1 / 0.12) * 25);
    EXPECT_DOUBLE_EQ(r.dWD[2], (0.12 + 2 + 1 / 0.12) * 25 - 17.526 - 3.0);
}

TEST_F(Param1Test, FieldOfViewIsSensorOverMagnification) {
    Load(3.0);
    ASSERT_EQ(Run(8.0, 80.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.dFOV[0], 80.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.1);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 302.5);
}

TEST_F(Param1Test, WorkingDistanceGivesMagnificationFromObjectDistance) {
    Load(3.5);
    // d = 200 + 10 + 15 - 25 = 200, beta = 25 / 200.
    ASSERT_EQ(Run(8.0, 200.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 200.0);
    EXPECT_EQ(r.dMagnification[0], 0.125);
    EXPECT_EQ(r.dFOV[0], 64.0);
    EXPECT_EQ(r.dExtension[0], 3.125);
    EXPECT_EQ(r.dObjectToImage[0], 253.125);
    EXPECT_EQ(r.nRingIndex, 0);
}

TEST_F(Param1Test, WorkingDistanceAtTheFocalPointComputesNothingMore) {
    Load(3.0);
    // d = 0: only nValid and the working distance are written; the ring and
    // range steps then run on the preset extension of -1.
    EXPECT_EQ(Run(8.0, 0.0, kModeWorkingDistance), kCalcBelowRange);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.dWD[0], 0.0);
    EXPECT_EQ(r.dMagnification[0], -1.0);
    EXPECT_EQ(r.dFocusDraw[0], -1.0);
}

TEST_F(Param1Test, SmallOverrunTakesTheHalfMillimetreRing) {
    Load(2.2);  // E = 2.5 = D + 0.3
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 1);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 2.0);
    EXPECT_EQ(r.dMagnification[1], 0.02);  // (0.5 + 0) / 25
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_DOUBLE_EQ(r.dWD[1], (0.02 + 2 + 50) * 25 - 17.526 - 0.5);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 2.7 / 25);
}

TEST_F(Param1Test, RingSearchSkipsTheRefusedBandAboveFiveMillimetres) {
    Load(3.0);  // E = 5.3 = D + 2.3: the search stops at ring 5, which becomes 10
    ASSERT_EQ(Run(8.0, 0.212, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 10);
    EXPECT_NEAR(r.dFocusDraw[0], 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.2);
}

TEST_F(Param1Test, RefusedRingBelowFiveMillimetresIsInfeasible) {
    Load(2.0);  // E = 4.3 = D + 2.3 <= 5.0: ring 5 (2.5 mm) is refused
    EXPECT_EQ(Run(8.0, 0.172, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 5);
}

TEST_F(Param1Test, ExtensionBeyondEveryRingIsAboveRange) {
    Load(1.0);  // E = 105 > D + 100
    EXPECT_EQ(Run(8.0, 4.2, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.nRingIndex, 200);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 5.0);
}

TEST_F(Param1Test, RingLongerThanTheLensAcceptsIsAboveRange) {
    lens.m_strParameter = L"25,0,0,0,10,15,0,1,1.4,1,10,16,0,0,30";  // Rmax 10
    lens.SetParameter();
    r.PresetForSearch();
    EXPECT_EQ(Run(8.0, 0.6, kModeMagnification), kCalcAboveRange);  // E 15 needs ring 14 mm
    EXPECT_EQ(r.nRingIndex, 28);
}

TEST_F(Param1Test, MagnificationBelowTheRingsMinimumIsInfeasible) {
    lens.m_strParameter = L"25,0,0,0,10,15,0,1,1.4,3,100,16,2,0,30";  // e0 = 2
    lens.SetParameter();
    r.PresetForSearch();
    // E = 0.05 * 25 - 2 < 0: ring 0, negative draw.
    EXPECT_EQ(Run(8.0, 0.05, kModeMagnification), kCalcBelowRange);
}

TEST_F(Param1Test, GivenRingInTheRefusedBandIsInfeasible) {
    Load(3.0);
    EXPECT_EQ(Run(8.0, 3.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 6);
}

TEST_F(Param1Test, GivenRingAndDrawSetTheNearEndWithoutDrawTest) {
    Load(0.5);  // the draw of 2.0 exceeds D, which mode 4 does not test
    ASSERT_EQ(Run(8.0, 1.0, kModeRing, -1.0, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dMagnification[0], 3.0 / 25);
    EXPECT_EQ(r.dFocusDraw[0], 2.0);
    EXPECT_EQ(r.dMagnification[2], r.dMagnification[0]);
    EXPECT_EQ(r.dMagnification[1], 1.0 / 25);
}

TEST_F(Param1Test, ModeAboveFourSearchesTheRingAfterwards) {
    Load(3.0);
    ASSERT_EQ(Run(8.0, 1.0, 5, -1.0, -1.0, 1.5), kCalcOk);
    // E = 2.5 fits the 3 mm draw without a ring.
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 2.5);
}

TEST_F(Param1Test, ObjectToImageTakesTheSmallerRoot) {
    Load(3.0);
    // value - H - 2f = 4f: q = 4, beta = 2 - sqrt(3).
    ASSERT_EQ(Run(8.0, 150.0, kModeObjectToImage), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 2.0 - std::sqrt(3.0));
    EXPECT_EQ(r.dObjectToImage[0], 150.0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 150.0 - 17.526 - (2.0 - std::sqrt(3.0)) * 25);
}

TEST_F(Param1Test, DepthOfFieldFromTheFNumber) {
    Load(3.0);
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification, 2.8, -1.0), kCalcOk);
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 3.08);  // (0.1 / 1 + 1) * 2.8
    EXPECT_DOUBLE_EQ(r.dDOF, 24.689552920293142);  // 2 Fe c / (beta^2 - F^2 c^2 / f^2)
}

TEST_F(Param1Test, FNumberFromAWantedDepthOfField) {
    Load(3.0);
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.dDOF, 2.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 0.24999669430201266);
    EXPECT_DOUBLE_EQ(r.dFno, 0.24999669430201266 / 1.1);
}

TEST_F(Param1Test, RequestsWithoutAFiniteConfigurationAreInfeasible) {
    Load(3.0);
    EXPECT_EQ(Run(8.0, 0.0, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(Run(8.0, 0.0, kModeFieldOfView), kCalcInfeasible);
    EXPECT_EQ(Run(0.0, 80.0, kModeFieldOfView), kCalcInfeasible);
    // Shorter than 4f + H: no real root.
    EXPECT_EQ(Run(8.0, 90.0, kModeObjectToImage), kCalcInfeasible);
    // Ring 0 with no draw: magnification zero.
    EXPECT_EQ(Run(8.0, 0.0, kModeRing, -1.0, -1.0, 0.0), kCalcInfeasible);
    // A ring outside the table is never read.
    EXPECT_EQ(Run(8.0, 150.0, kModeRing, -1.0, -1.0, 0.0), kCalcInfeasible);
    EXPECT_EQ(Run(8.0, -2.0, kModeRing, -1.0, -1.0, 0.0), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 0);
}

TEST_F(Param1Test, ZeroFocalLengthNeverSucceedsWithNonFiniteValues) {
    lens.m_strParameter = L"0,0,0,0,10,15,0,1,1.4,3,100,16,0,0,30";
    lens.SetParameter();
    r.PresetForSearch();
    EXPECT_EQ(Run(8.0, 150.0, kModeObjectToImage), kCalcInfeasible);
    EXPECT_EQ(Run(8.0, 1.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    for (int mode : {kModeWorkingDistance, kModeMagnification, kModeFieldOfView}) {
        r.PresetForSearch();
        const int code = Run(8.0, 0.1, mode);
        EXPECT_TRUE(code != kCalcOk || r.AllFinite()) << "mode " << mode;
    }
}

TEST_F(Param1Test, ZeroPupilMagnificationNeverSucceedsWithNonFiniteValues) {
    lens.m_strParameter = L"25,0,0,0,10,15,0,0,1.4,3,100,16,0,0,30";
    lens.SetParameter();
    r.PresetForSearch();
    EXPECT_EQ(Run(8.0, 0.1, kModeMagnification, 2.8, -1.0), kCalcInfeasible);
}
