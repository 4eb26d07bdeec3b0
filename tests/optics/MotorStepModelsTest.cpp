// Motor-step focus models (parameter types 4, 5 and 6): the configuration at
// a given draw against hand computation, the bisection modes against that
// configuration, the ring search and the faults it guards against.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/MotorStepModels.h"
#include "tests/optics/ModelTestSupport.h"

using model_test::LensFixture;

namespace {

// Param4: front group t1 20, rear group t2 30, t3 5, t4 0.5, t5 3, t6 5, t7 2,
// t8 17.5, image circle 11, t10 -0.004 (the front group moves forward as the
// separation grows by t12 0.004 per step), t11 3, t13 0.2, t14 0.5, front
// distance 3, extension offset 12, draw origin t17 0.2, pupil scale 13.3,
// open F 1.4, draw range 4.5, ring limit 100, effective diameter 25.
// At draw d: step x = d / 0.004, A = 8 - d, B = 5.2 + d, R = 10 + ring.
std::wstring Param4Text(const wchar_t* t10 = L"-0.004", const wchar_t* ringLimit = L"100") {
    return std::wstring(L"20,30,5,0.5,3,5,2,17.5,11,") + t10 + L",3,0.004,0.2,0.5,3,12,0.2,13.3,1.4,4.5," +
           ringLimit + L",25";
}

// Param5: the same groups with t6 5.3 (B = 5.0 at draw 0, focused at
// infinity there), draw origin t16 0.2, pupil scale 13.3, open F 1.8, pupil
// values u1..u7 1.2, 0.1, 100, 1, 5.5, 0.3, -1, draw range 4.5.
constexpr const wchar_t* kParam5Text =
    L"20,30,5,0.5,3,5.3,2,17.5,11,-0.004,3,0.004,0.2,3,12,0.2,13.3,1.8,1.2,0.1,100,1,5.5,0.3,-1,4.5,100,25";

// Param6: groups 40, -40, 25; t4 2, t5 0.5, t6 3, t7 4, t8 0.5, t9 17.5,
// t10 1, t11 2, t12 2, draw origin t13 1, t14 0.5, t15 21.2, front distance
// 3, extension offset 10, image circle 11, t19 -0.02, t20 1, t21 0.001, t22 6,
// pupil scale 12, open F 2, draw range 4, ring limit 100, effective diameter
// 22. At draw d: x = 50 d, S1 = 5 - d, S2 = 6.5 + 0.001 x, E = 5.
constexpr const wchar_t* kParam6Text =
    L"40,-40,25,2,0.5,3,4,0.5,17.5,1,2,2,1,0.5,21.2,3,10,11,-0.02,1,0.001,6,12,2,4,100,22";

struct Param4Test : LensFixture<CCCTVData_Param4> {
    Param4Test() { Load(Param4Text()); }
};
struct Param5Test : LensFixture<CCCTVData_Param5> {
    Param5Test() { Load(kParam5Text); }
};
struct Param6Test : LensFixture<CCCTVData_Param6> {
    Param6Test() { Load(kParam6Text); }
};

}  // namespace

// -- Param4 --

TEST_F(Param4Test, SetParameterPutsTheSharedTokensIntoTheRecord) {
    EXPECT_EQ(lens.m_dT1, 20.0);
    EXPECT_EQ(lens.m_dT8, 17.5);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dT10, -0.004);
    EXPECT_EQ(lens.m_dT13, 0.2);
    EXPECT_EQ(lens.m_dT14, 0.5);
    EXPECT_EQ(lens.m_dFrontDistA, 3.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 12.0);
    EXPECT_EQ(lens.m_dT17, 0.2);
    EXPECT_EQ(lens.m_dFocalLength, 13.3);
    EXPECT_EQ(lens.m_dOpenFno, 1.4);
    EXPECT_EQ(lens.m_dMaxDraw, 4.5);
    EXPECT_EQ(lens.m_dMaxRingLength, 100.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 25.0);
}

TEST_F(Param4Test, GivenDrawIsHandComputed) {
    // Draw 2: x = 500, A = 6, B = 7.2, R = 10; K = 0.05 + 0.0333 - 0.012.
    ASSERT_EQ(Run(0.0, kModeRing, 2.0, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_EQ(r.dFocusDraw[0], 2.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.07333333333333347);  // K 10 + 7.2/20 - 1
    EXPECT_DOUBLE_EQ(r.dFOV[0], 149.99999999999972);
    EXPECT_DOUBLE_EQ(r.dWD[0], 195.81818181818204);               // U(10) - 6
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 239.51818181818203);    // U(10) + 7.2 + 10 + 3 + 17.5
    // D0 = (1 + 0.3/20) 13.3/2, Dep = D0 / (1 - 1.7/20), P = D0 / (1 - 5.5/30) / Dep;
    // Fe = (beta/P + 1) f / Dep with f = 600 / 42.8.
    EXPECT_EQ(r.dFno, 2.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 2.0247663493709647);
    EXPECT_DOUBLE_EQ(r.dDOF, 30.12049114766713);  // 2 Fe 0.04 / beta^2
    // Ends: draw 0 (B 5.2) and draw 4.5 (B 9.7).
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.006666666666666821);
    EXPECT_DOUBLE_EQ(r.dWD[1], 2012.0000000000205);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[1], 2055.7000000000207);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.15666666666666673);
    EXPECT_DOUBLE_EQ(r.dFOV[2], 70.21276595744678);
    EXPECT_DOUBLE_EQ(r.dWD[2], 101.60638297872335);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[2], 145.30638297872335);
}

TEST_F(Param4Test, BisectionModesFindTheSameConfiguration) {
    const double wd = 195.81818181818204, oti = 239.51818181818203, beta = 0.07333333333333347;
    ASSERT_EQ(Run(wd, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], wd);
    EXPECT_NEAR(r.dMagnification[0], beta, 1e-9);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);
    EXPECT_NEAR(r.dObjectToImage[0], oti, 1e-6);
    EXPECT_EQ(r.nRingIndex, 0);

    r.PresetForSearch();
    ASSERT_EQ(Run(beta, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], beta);
    EXPECT_NEAR(r.dWD[0], wd, 1e-6);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);

    r.PresetForSearch();
    ASSERT_EQ(Run(11.0 / beta, kModeFieldOfView), kCalcOk);
    EXPECT_NEAR(r.dWD[0], wd, 1e-6);

    r.PresetForSearch();
    ASSERT_EQ(Run(oti, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], oti);
    EXPECT_NEAR(r.dWD[0], wd, 1e-9);  // oti - 3 - 17.5 - L, L = 23.2
    EXPECT_NEAR(r.dMagnification[0], beta, 1e-9);
}

TEST_F(Param4Test, WantedDepthOfFieldGivesTheFNumber) {
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, 0.2, 2.0), kCalcOk);
    const double beta = r.dMagnification[0];
    EXPECT_EQ(r.dDOF, 0.2);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, beta * beta * 0.2 / 0.08);
    // P at draw 2 is independent of F: (1 - 1.7/20) / (1 - 5.5/30) = 1.1204...
    EXPECT_DOUBLE_EQ(r.dFno, r.dEffectiveFno / (beta / 1.1204081632653062 + 1.0));
}

TEST_F(Param4Test, RequestBeyondTheDrawTakesTheNextRingsAndPassesTheRefusedBand) {
    // beta 0.2: ring 1 reaches 0.19 at full draw, ring 2 covers 0.081..0.224.
    ASSERT_EQ(Run(0.2, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dExtension[0], 1.0);
    EXPECT_GT(r.dFocusDraw[0], 0.0);
    EXPECT_LE(r.dFocusDraw[0], 4.5);
    EXPECT_NEAR(r.dMagnification[1], 0.0813, 1e-4);
    EXPECT_NEAR(r.dMagnification[2], 0.2238, 1e-4);

    // beta 0.45: ring 9 (4.5 mm) would reach it but is refused; ring 10 does.
    r.PresetForSearch();
    ASSERT_EQ(Run(0.45, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 10);
    EXPECT_EQ(r.dExtension[0], 5.0);
}

TEST_F(Param4Test, RingBeyondTheLensLimitIsInfeasible) {
    Load(Param4Text(L"-0.004", L"0.7"));
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 2);  // table entry 1.0 > 0.7
}

TEST_F(Param4Test, UnreachableRequestEndsAtTheLastRingOfTheTable) {
    EXPECT_EQ(Run(50.0, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);
}

TEST_F(Param4Test, MagnificationBelowTheDrawZeroEndIsInfeasible) {
    // With t10 +0.004 the front group moves back: the magnification falls as
    // the draw grows, so draw 1 lies below the end at draw 0.
    Load(Param4Text(L"0.004"));
    EXPECT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.006666666666666821);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], -0.1060000000000001);
}

TEST_F(Param4Test, GivenDrawBeyondTheRangeIsAnsweredAtDrawZero) {
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 6.0), kCalcOk);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.006666666666666821);
}

// Guarded faults: a given ring never loops, and no index beyond the table.
TEST_F(Param4Test, GivenRefusedRingIsInfeasibleWithoutAnotherEvaluation) {
    EXPECT_EQ(Run(3.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 6);
    EXPECT_EQ(r.dFocusDraw[0], 1.0);
}

TEST_F(Param4Test, DrawZeroStillBeyondANegativeRangeIsInfeasible) {
    Load(L"20,30,5,0.5,3,5,2,17.5,11,-0.004,3,0.004,0.2,0.5,3,12,0.2,13.3,1.4,-1,100,25");
    EXPECT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
    // Every other mode runs out of rings.
    r.PresetForSearch();
    EXPECT_EQ(Run(0.0, 5, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);
}

TEST_F(Param4Test, GivenRingOutsideTheTableIsInfeasible) {
    EXPECT_EQ(Run(100.3, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(Run(-2.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 0);
}

TEST_F(Param4Test, ZeroStepSlopeNeverSucceedsWithNonFiniteValues) {
    Load(L"20,30,5,0.5,3,5,2,17.5,11,0,3,0,0.2,0.5,3,12,0.2,13.3,1.4,4.5,100,25");
    for (int mode = -1; mode <= 6; ++mode) {
        r.PresetForSearch();
        const int code = Run(mode == kModeWorkingDistance ? 200.0 : 0.07, mode, -1.0, -1.0, 1.0);
        EXPECT_TRUE(code == kCalcInfeasible || (code == kCalcOk && r.AllFinite())) << mode;
    }
}

// -- Param5 --

TEST_F(Param5Test, SetParameterReadsTwentyEightTokens) {
    EXPECT_EQ(lens.m_dT6, 5.3);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dT13, 0.2);
    EXPECT_EQ(lens.m_dFrontDistA, 3.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 12.0);
    EXPECT_EQ(lens.m_dT16, 0.2);
    EXPECT_EQ(lens.m_dFocalLength, 13.3);
    EXPECT_EQ(lens.m_dOpenFno, 1.8);
    EXPECT_EQ(lens.m_dU1, 1.2);
    EXPECT_EQ(lens.m_dU3, 100.0);
    EXPECT_EQ(lens.m_dU7, -1.0);
    EXPECT_EQ(lens.m_dMaxDraw, 4.5);
    EXPECT_EQ(lens.m_dMaxRingLength, 100.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 25.0);
}

TEST_F(Param5Test, GivenDrawIsHandComputed) {
    // Draw 2: B = 7.0, A = 6, R = 10; K = 0.05 + 0.0333 - 7/600.
    ASSERT_EQ(Run(0.0, kModeRing, 2.8, -1.0, 2.0), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.06666666666666665);
    EXPECT_DOUBLE_EQ(r.dWD[0], 214.00000000000003);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 257.5);
    // Pupil: T = 2 + 0.2 - 5.5 + 5.3 = 2, g = 0.01, M = 0; P = Pr (1 - 0.2/1.2);
    // Fe = (beta/P + 1) f / (13.3 / 2.8).
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 3.156915544675642);
    EXPECT_DOUBLE_EQ(r.dDOF, 56.82447980416158);
    // At draw 0 the lens is focused at infinity: no far end.
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.dWD[1], -1.0);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.1499999999999999);
    EXPECT_DOUBLE_EQ(r.dWD[2], 105.38888888888894);
}

TEST_F(Param5Test, WorkingDistanceFindsTheSameStep) {
    ASSERT_EQ(Run(214.00000000000003, kModeWorkingDistance), kCalcOk);
    EXPECT_NEAR(r.dMagnification[0], 0.06666666666666665, 1e-9);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);
    EXPECT_NEAR(r.dObjectToImage[0], 257.5, 1e-6);
}

// -- Param6 --

TEST_F(Param6Test, SetParameterReadsTwentySevenTokens) {
    EXPECT_EQ(lens.m_dT1, 40.0);
    EXPECT_EQ(lens.m_dT2, -40.0);
    EXPECT_EQ(lens.m_dT3, 25.0);
    EXPECT_EQ(lens.m_dT15, 21.2);
    EXPECT_EQ(lens.m_dFrontDistA, 3.0);
    EXPECT_EQ(lens.m_dExtensionOffset, 10.0);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dT19, -0.02);
    EXPECT_EQ(lens.m_dT22, 6.0);
    EXPECT_EQ(lens.m_dFocalLength, 12.0);
    EXPECT_EQ(lens.m_dOpenFno, 2.0);
    EXPECT_EQ(lens.m_dMaxDraw, 4.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 100.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 22.0);
}

TEST_F(Param6Test, GivenDrawIsHandComputed) {
    // Draw 2: x = 100, S1 = 3, S2 = 6.6, L' = 34.7, R = 25.1.
    ASSERT_EQ(Run(0.0, kModeRing, 2.8, -1.0, 2.0), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.05071300000000001);  // X - 1 + R/f
    EXPECT_DOUBLE_EQ(r.dFOV[0], 216.90690749906332);
    EXPECT_DOUBLE_EQ(r.dWD[0], 526.2665391516974);               // U(R) - E
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 588.4665391516975);
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 6.586823966244726);
    EXPECT_DOUBLE_EQ(r.dDOF, 204.89314975846005);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.010962499999999986);
    EXPECT_DOUBLE_EQ(r.dWD[1], 2456.7103762827446);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[1], 2518.9103762827444);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.09454000000000018);
    EXPECT_DOUBLE_EQ(r.dWD[2], 281.07573513856516);
}

TEST_F(Param6Test, SearchFieldOfViewWithinTheDraw) {
    // 2/3" diagonal over 125 mm: beta 0.088 lies within ring 0's 0.011..0.0945.
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dMagnification[0], 0.088, 1e-12);
    EXPECT_GT(r.dFocusDraw[0], 3.5);
    EXPECT_LT(r.dFocusDraw[0], 4.0);
}

TEST_F(Param6Test, FirstFittingRingInTheRefusedBandIsInfeasible) {
    // beta 0.2 first fits ring 6 (3.0 mm), which this model does not pass over.
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 6);
    EXPECT_EQ(r.nValid, 0);
    // beta 0.3 first fits ring 11.
    r.PresetForSearch();
    ASSERT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 11);
}

TEST_F(Param6Test, MaximumEndIsValidWhateverItsMagnification) {
    // Draw range 0: both ends at draw 0, where the magnification of ring 0
    // is 0.011; the maximum end is written without a test.
    Load(L"40,-40,25,2,0.5,3,4,0.5,17.5,1,2,2,1,0.5,21.2,3,10,11,-0.02,1,0.001,6,12,2,0,100,22");
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 0.0), kCalcOk);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_EQ(r.dMagnification[2], r.dMagnification[1]);
    // Ring 0 focused beyond infinity (t15 20): the ends' magnifications are
    // negative; the minimum end keeps its distances but is not valid, the
    // maximum end is.
    Load(L"40,-40,25,2,0.5,3,4,0.5,17.5,1,2,2,1,0.5,20,3,10,11,-0.02,1,0.001,6,12,2,0,100,22");
    const int code = Run(0.0, kModeRing, -1.0, -1.0, 0.0);
    EXPECT_EQ(code, kCalcOk);
    EXPECT_EQ(r.dMagnification[1], 0.0);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_NE(r.dWD[1], -1.0);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_LT(r.dMagnification[2], 0.0);
}

TEST_F(Param6Test, GivenRefusedRingIsInfeasible) {
    EXPECT_EQ(Run(4.0, kModeRing, -1.0, -1.0, 6.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 8);
}
