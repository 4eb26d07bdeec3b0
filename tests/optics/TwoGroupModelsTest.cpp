// Two-group paraxial models (parameter types 2 and 3): the separation solved
// per mode, the upward ring search, the pupil-based depth of field and the
// range ends, against hand computation.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/TwoGroupModels.h"
#include "tests/optics/ModelTestSupport.h"

using model_test::LensFixture;

namespace {

// Param2: f1 24, f2 24, t3 8, t4 1, t5 3, t6 0.5, t7 0.3, t8 17.5, image
// circle 11, t10 0.5, t11 5, t12 12.5, t13 0.2, t14 0.5, t15 12, t16 0.1,
// t17 2, open F 1.4, t19 24, t20 -0.5, t21 1, draw range 6, ring limit 100,
// effective diameter 25. At ring R: x = 12.2 + R, S = 1/12,
// k = (x/24 - 1)/24; the draw equals the separation s (t4 - t6 - t10 = 0).
std::wstring Param2Text(double D = 6.0, double Rmax = 100.0) {
    return L"24,24,8,1,3,0.5,0.3,17.5,11,0.5,5,12.5,0.2,0.5,12,0.1,2,1.4,24,-0.5,1," + std::to_wstring(D) + L"," +
           std::to_wstring(Rmax) + L",25";
}

// Param3: g2 30, g1 36, u3 8, u4 1, u5 3, u6 1, u7 0.4, u8 17.5, image circle
// 11, u10 10, u11 5, u12 13.4, u13 0.3, token 14 99 (not used), u15 16, open
// F 1.8, u17 2, u18 0.1, u19 30, u20 1.2, u21 0.3, u22 4, u23 0.2, draw range
// 4, ring limit 100, effective diameter 27. Q = 13, V = 10; the separation
// is s = 10 - draw and the length m = 13 + R + draw.
constexpr const wchar_t* kParam3Text =
    L"30,36,8,1,3,1,0.4,17.5,11,10,5,13.4,0.3,99,16,1.8,2,0.1,30,1.2,0.3,4,0.2,4,100,27";

struct Param2Test : LensFixture<CCCTVData_Param2> {
    Param2Test() { Load(Param2Text()); }
};
struct Param3Test : LensFixture<CCCTVData_Param3> {
    Param3Test() { Load(kParam3Text); }
};

}  // namespace

// -- Param2 --

TEST_F(Param2Test, SetParameterPutsTheSharedTokensIntoTheRecord) {
    EXPECT_EQ(lens.m_dF1, 24.0);
    EXPECT_EQ(lens.m_dT8, 17.5);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dT10, 0.5);
    EXPECT_EQ(lens.m_dFrontDistA, 5.0);        // t11
    EXPECT_EQ(lens.m_dExtensionOffset, 12.5);  // t12
    EXPECT_EQ(lens.m_dT13, 0.2);
    EXPECT_EQ(lens.m_dFocalLength, 12.0);      // t15
    EXPECT_EQ(lens.m_dT17, 2.0);
    EXPECT_EQ(lens.m_dOpenFno, 1.4);
    EXPECT_EQ(lens.m_dT19, 24.0);
    EXPECT_EQ(lens.m_dT21, 1.0);
    EXPECT_EQ(lens.m_dMaxDraw, 6.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 100.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 25.0);
}

TEST_F(Param2Test, RequestWithinTheDrawNeedsNoRing) {
    // 2/3" diagonal 11 over 125 mm: beta 0.088, s = (1.01666 - 1.088) / -0.017986.
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dExtension[0], 0.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.088);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 3.482033898305086);
    EXPECT_DOUBLE_EQ(r.dWD[0], 148.57294298921403);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 194.27294298921402);
    EXPECT_EQ(r.nValid, 1);
}

TEST_F(Param2Test, HandComputedConfigurationAtTheSecondRing) {
    // beta 0.2: ring 0 needs s 9.6, ring 1 s 7.93 (both beyond D 6); ring 2
    // (x = 13.2, k = -0.01875) needs s = (1.1 - 1.2) / -0.01875 = 5.3333.
    ASSERT_EQ(Run(0.2, kModeMagnification, 2.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dExtension[0], 1.0);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 55.0);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 5.3333333333333375);
    EXPECT_DOUBLE_EQ(r.dWD[0], 70.33333333333329);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 117.03333333333329);
    // A0 = 12/2 = 6; w = s, B = 0, alpha = -1: P0 = 1.2857142857, P = 0.95 P0;
    // Fs = 576 / (48 - 5.3333) = 13.5; Fe = (0.2/P + 1) 13.5 / 6; DOF = 2 Fe 0.04 / 0.04.
    EXPECT_EQ(r.dFno, 2.0);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 2.618421052631579);
    EXPECT_DOUBLE_EQ(r.dDOF, 5.2368421052631575);
    // Ends with ring 1.0: s0 = 0 gives beta 1.1 - 1 = 0.1; s1 = 6 gives 0.2125.
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_NEAR(r.dMagnification[1], 0.1, 1e-15);
    EXPECT_NEAR(r.dFOV[1], 110.0, 1e-12);
    EXPECT_NEAR(r.dWD[1], 119.0, 1e-12);
    EXPECT_NEAR(r.dObjectToImage[1], 165.7, 1e-12);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.2125);
    EXPECT_DOUBLE_EQ(r.dFOV[2], 51.76470588235296);
    EXPECT_DOUBLE_EQ(r.dWD[2], 67.82352941176474);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[2], 114.52352941176474);
    // The extension columns [1] and [2] are not part of the result.
    EXPECT_EQ(r.dExtension[1], -1.0);
}

TEST_F(Param2Test, OpenFNumberStandsInForANegativeOneAndWantedDepthOfFieldInverts) {
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0), kCalcOk);
    EXPECT_EQ(r.dFno, 1.4);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 1.8328947368421054);  // A0 = 12 / 1.4

    r.PresetForSearch();
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0, 0.2), kCalcOk);
    // Fe = 0.2 0.2 0.2 / 0.08 = 0.1; F = Fe / (0.2/P + 1).
    EXPECT_EQ(r.dDOF, 0.2);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 0.1);
    EXPECT_DOUBLE_EQ(r.dFno, 0.08592964824120605);
}

TEST_F(Param2Test, RefusedRingsArePassedOver) {
    // beta 0.45: ring 9 (4.5 mm) would need draw 4.6 within D but is refused;
    // ring 10 needs 1.41.
    ASSERT_EQ(Run(0.45, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 10);
    EXPECT_EQ(r.dExtension[0], 5.0);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 1.4117647058823666);
}

TEST_F(Param2Test, NegativeDrawAtATriedRingEndsTheSearch) {
    // beta 0.3 overshoots at ring 7 (draw -0.58) before any ring fits.
    EXPECT_EQ(Run(0.3, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 7);
}

TEST_F(Param2Test, WorkingDistanceAndObjectToImageSolveTheQuadratic) {
    ASSERT_EQ(Run(300.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], 300.0);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 345.7);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.04099894916889313);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 1.1877453153629265);
    EXPECT_EQ(r.nRingIndex, 0);

    r.PresetForSearch();
    ASSERT_EQ(Run(100.0, kModeWorkingDistance), kCalcOk);  // ring 1 solved again
    EXPECT_EQ(r.nRingIndex, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.1326073203191378);

    r.PresetForSearch();
    ASSERT_EQ(Run(400.0, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], 400.0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 354.3);  // 400 - 3 - 17.5 - T (25.2)
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.034459449558529975);
}

TEST_F(Param2Test, RingBeyondTheLensLimitIsInfeasible) {
    Load(Param2Text(6.0, 0.6));
    // beta 0.2 needs ring 2; its table entry 1.0 exceeds the limit 0.6.
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 2);
}

TEST_F(Param2Test, GivenRingAndDraw) {
    ASSERT_EQ(Run(1.0, kModeRing, -1.0, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dFocusDraw[0], 2.0);
    EXPECT_EQ(r.dExtension[0], 1.0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.1375);  // 13.2/12 - 1 + 0.01875 2
    EXPECT_DOUBLE_EQ(r.dWD[0], 91.54545454545475);
}

TEST_F(Param2Test, GivenDrawBeyondTheRangeIsAnsweredAtDrawZero) {
    ASSERT_EQ(Run(1.0, kModeRing, -1.0, -1.0, 7.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
    EXPECT_NEAR(r.dMagnification[0], 0.1, 1e-15);
}

TEST_F(Param2Test, GivenRingBelowItsOwnMinimumIsInfeasible) {
    // 1.3 mm reads as ring index 3 (1.5 mm): with draw 0, beta 13.5/12 - 1 =
    // 0.125 lies below the ring's minimum 13.7/12 - 1.
    EXPECT_EQ(Run(1.3, kModeRing, -1.0, -1.0, 0.0), kCalcInfeasible);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.14166666666666661);
}

// Guarded faults: a given ring never loops, no index beyond the table.
TEST_F(Param2Test, GivenRefusedRingIsInfeasibleWithoutAnotherEvaluation) {
    EXPECT_EQ(Run(3.0, kModeRing, -1.0, -1.0, 7.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 6);
    EXPECT_EQ(r.dFocusDraw[0], 7.0);  // the given draw: no re-run at draw 0
}

TEST_F(Param2Test, DrawZeroStillBeyondTheRangeIsInfeasible) {
    Load(Param2Text(-1.0));  // a draw range below 0: not even draw 0 fits
    EXPECT_EQ(Run(1.0, kModeRing, -1.0, -1.0, 2.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
}

TEST_F(Param2Test, SearchPastTheLastRingStopsAtIndex200) {
    Load(Param2Text(-1.0));
    // Mode 5 starts at the record's ring and retries at draw 0, which never
    // fits a draw range below 0.
    EXPECT_EQ(Run(0.0, 5, -1.0, -1.0, 0.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);
}

TEST_F(Param2Test, GivenRingOutsideTheTableIsInfeasible) {
    EXPECT_EQ(Run(150.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(Run(-3.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 0);
    // 100.2 mm still has an index (200) but is thicker than the table's last ring.
    EXPECT_EQ(Run(100.2, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);
}

TEST_F(Param2Test, RecordRingOutsideTheTableIsInfeasible) {
    r.nRingIndex = 201;
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    r.nRingIndex = -1;
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
}

TEST_F(Param2Test, DegenerateGroupsNeverSucceedWithNonFiniteValues) {
    Load(L"0,24,8,1,3,0.5,0.3,17.5,11,0.5,5,12.5,0.2,0.5,12,0.1,2,1.4,24,-0.5,1,6,100,25");
    for (int mode = -1; mode <= 6; ++mode) {
        r.PresetForSearch();
        const int code = Run(mode == kModeWorkingDistance ? 100.0 : 0.2, mode);
        EXPECT_TRUE(code == kCalcInfeasible || (code == kCalcOk && r.AllFinite())) << mode;
    }
}

// -- Param3 --

TEST_F(Param3Test, SetParameterReadsTwentySixTokens) {
    EXPECT_EQ(lens.m_dG2, 30.0);
    EXPECT_EQ(lens.m_dG1, 36.0);
    EXPECT_EQ(lens.m_dU8, 17.5);
    EXPECT_EQ(lens.m_dImageCircle, 11.0);
    EXPECT_EQ(lens.m_dU10, 10.0);
    EXPECT_EQ(lens.m_dFrontDistA, 5.0);        // u11
    EXPECT_EQ(lens.m_dExtensionOffset, 13.4);  // u12
    EXPECT_EQ(lens.m_dToken14, 99.0);
    EXPECT_EQ(lens.m_dFocalLength, 16.0);      // u15
    EXPECT_EQ(lens.m_dOpenFno, 1.8);
    EXPECT_EQ(lens.m_dU23, 0.2);
    EXPECT_EQ(lens.m_dMaxDraw, 4.0);
    EXPECT_EQ(lens.m_dMaxRingLength, 100.0);
    EXPECT_EQ(lens.m_dEffectiveDiameter, 27.0);
}

TEST_F(Param3Test, HandComputedConfigurationAtTheSecondRing) {
    // beta 0.2 needs ring 2 (1.0 mm; T = 37, h = 24): m = 18, s = 6,
    // draw 10 - (6 + 1 - 1) = 4.0 = D.
    ASSERT_EQ(Run(0.2, kModeMagnification, 2.8), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 2);
    EXPECT_EQ(r.dExtension[0], 1.0);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 4.0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 91.9999999999999);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 149.4999999999999);
    // A0 = (1 - 0.2/2) 16 / 2.8; P0 = 1.2605042, P = 1 / (0.95 P0);
    // Fe = (0.2/P + 1) Fs(6) / (P0 A0) with Fs(6) = 1080/60 = 18.
    EXPECT_EQ(r.dFno, 2.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 3.441666666666667);
    EXPECT_DOUBLE_EQ(r.dDOF, 6.883333333333333);
    // Ends: draw 0 (s 10, m 14) and draw 4 (s 6, m 18).
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.059259259259259345);
    EXPECT_DOUBLE_EQ(r.dFOV[1], 185.62499999999974);
    EXPECT_DOUBLE_EQ(r.dWD[1], 326.3749999999995);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[1], 383.8749999999995);
    EXPECT_EQ(r.nMinValid, 1);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.2);
    EXPECT_DOUBLE_EQ(r.dWD[2], 91.9999999999999);
    EXPECT_EQ(r.nMaxValid, 1);
}

TEST_F(Param3Test, GivenDrawIsHandComputed) {
    // Ring 0, draw 2: s = 8, m = 15, Fs(8) = 1080/58.
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 2.0), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_DOUBLE_EQ(r.dMagnification[0], 0.07222222222222224);
    EXPECT_DOUBLE_EQ(r.dWD[0], 259.30769230769164);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 315.80769230769164);
    EXPECT_EQ(r.dFno, 1.8);  // the open F-number
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 1.8510775862068964);
    EXPECT_DOUBLE_EQ(r.dDOF, 28.390491736380312);
    // The far end of ring 0 is near infinity, still above 1e-7.
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.007407407407407446);
    EXPECT_DOUBLE_EQ(r.dWD[1], 2604.4999999999573);
    EXPECT_DOUBLE_EQ(r.dMagnification[2], 0.1444444444444445);
}

TEST_F(Param3Test, WantedDepthOfFieldAndOpenFNumber) {
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0, 0.2), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 0.10000000000000002);  // 0.2 0.2 0.2 / 0.08
    EXPECT_DOUBLE_EQ(r.dFno, 0.08067796610169493);
    r.PresetForSearch();
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0), kCalcOk);
    EXPECT_EQ(r.dFno, 1.8);
    EXPECT_DOUBLE_EQ(r.dEffectiveFno, 2.2125000000000004);
}

TEST_F(Param3Test, RingSearchPassesTheRefusedBand) {
    ASSERT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 10);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 0.924858845171272);
}

TEST_F(Param3Test, WorkingDistanceWithinTheDrawAndTooCloseForAnyRing) {
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_DOUBLE_EQ(r.dWD[0], 211.5554300763302);
    r.PresetForSearch();
    ASSERT_EQ(Run(300.0, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dWD[0], 300.0);
    EXPECT_DOUBLE_EQ(r.dObjectToImage[0], 356.5);
    r.PresetForSearch();
    ASSERT_EQ(Run(400.0, kModeObjectToImage), kCalcOk);
    EXPECT_DOUBLE_EQ(r.dWD[0], 343.5);  // 400 - 17.5 - 3 - T (36)
    // 5 mm in front: the rings grow until the draw turns negative.
    r.PresetForSearch();
    EXPECT_EQ(Run(5.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 152);
}

TEST_F(Param3Test, GivenRefusedRingIsInfeasible) {
    EXPECT_EQ(Run(4.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 8);
}
