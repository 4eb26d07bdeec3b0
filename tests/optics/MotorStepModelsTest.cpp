// Motor-step focus models (parameter types 4, 5 and 6): the configuration at
// a given draw against hand computation, the bisection modes against that
// configuration, the ring search and the faults it guards against.
#include <gtest/gtest.h>

#include "optics/MotorStepModels.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

namespace {

// Param4: front group t1 20, rear group t2 30, t3 5, t4 0.5, t5 3, t6 5, t7 2,
// t8 17.5, image circle 11, t10 -0.004 (the front group moves forward as the
// separation grows by t12 0.004 per step), t11 3, t13 0.2, t14 0.5, front
// distance 3, extension offset 12, draw origin t17 0.2, pupil scale 13.3,
// open F 1.4, draw range 4.5, ring limit 100, effective diameter 25.
// At draw d: step x = d / 0.004, A = 8 - d, B = 5.2 + d, R = 10 + ring.
std::wstring Param4Text(const wchar_t* t10 = L"-0.004", const wchar_t* range = L"4.5",
                        const wchar_t* ringLimit = L"100") {
    return std::wstring(L"20,30,5,0.5,3,5,2,17.5,11,") + t10 + L",3,0.004,0.2,0.5,3,12,0.2,13.3,1.4," + range +
           L"," + ringLimit + L",25";
}

// Param5: the same groups with t6 5.3 (B = 5.0 at draw 0, focused at
// infinity there), draw origin t16 0.2, pupil scale 13.3, open F 1.8, pupil
// values u1..u7 1.2, 0.1, 100, 1, 5.5, 0.3, -1, draw range 4.5.
constexpr const wchar_t* kParam5Text =
    L"20,30,5,0.5,3,5.3,2,17.5,11,-0.004,3,0.004,0.2,3,12,0.2,13.3,1.8,1.2,0.1,100,1,5.5,0.3,-1,4.5,100,25";

// Param6: groups 40, -40, 25; t4 2, t5 0.5, t6 3, t7 4, t8 0.5, t9 17.5,
// t10 1, t11 2, t12 2, draw origin t13 1, t14 0.5, t15 (given), front
// distance 3, extension offset 10, image circle 11, t19 -0.02, t20 1, t21
// 0.001, t22 6, pupil scale 12, open F 2, draw range (given), ring limit 100,
// effective diameter 22. With t15 21.2 at draw d: x = 50 d, S1 = 5 - d,
// S2 = 6.5 + 0.001 x, E = 5.
std::wstring Param6Text(const wchar_t* t15 = L"21.2", const wchar_t* range = L"4") {
    return std::wstring(L"40,-40,25,2,0.5,3,4,0.5,17.5,1,2,2,1,0.5,") + t15 + L",3,10,11,-0.02,1,0.001,6,12,2," +
           range + L",100,22";
}

struct Param4Test : LensFixture<CCCTVData_Param4> {
    Param4Test() { Load(Param4Text()); }
};
struct Param5Test : LensFixture<CCCTVData_Param5> {
    Param5Test() { Load(kParam5Text); }
};
struct Param6Test : LensFixture<CCCTVData_Param6> {
    Param6Test() { Load(Param6Text()); }
};

}  // namespace

TEST(MotorStepReading, EachTokenLandsInItsField) {
    const auto p4 = MakeLens<CCCTVData_Param4>(CountingText(22), 4);
    ExpectTokenOrder(p4->m_dT1, p4->m_dT2, p4->m_dT3, p4->m_dT4, p4->m_dT5, p4->m_dT6, p4->m_dT7, p4->m_dT8,
                     p4->m_dImageCircle, p4->m_dT10, p4->m_dT11, p4->m_dT12, p4->m_dT13, p4->m_dT14,
                     p4->m_dFrontDistA, p4->m_dExtensionOffset, p4->m_dT17, p4->m_dFocalLength, p4->m_dOpenFno,
                     p4->m_dMaxDraw, p4->m_dMaxRingLength, p4->m_dEffectiveDiameter);
    const auto p5 = MakeLens<CCCTVData_Param5>(CountingText(28), 5);
    ExpectTokenOrder(p5->m_dT1, p5->m_dT2, p5->m_dT3, p5->m_dT4, p5->m_dT5, p5->m_dT6, p5->m_dT7, p5->m_dT8,
                     p5->m_dImageCircle, p5->m_dT10, p5->m_dT11, p5->m_dT12, p5->m_dT13, p5->m_dFrontDistA,
                     p5->m_dExtensionOffset, p5->m_dT16, p5->m_dFocalLength, p5->m_dOpenFno, p5->m_dU1, p5->m_dU2,
                     p5->m_dU3, p5->m_dU4, p5->m_dU5, p5->m_dU6, p5->m_dU7, p5->m_dMaxDraw, p5->m_dMaxRingLength,
                     p5->m_dEffectiveDiameter);
    const auto p6 = MakeLens<CCCTVData_Param6>(CountingText(27), 6);
    ExpectTokenOrder(p6->m_dT1, p6->m_dT2, p6->m_dT3, p6->m_dT4, p6->m_dT5, p6->m_dT6, p6->m_dT7, p6->m_dT8,
                     p6->m_dT9, p6->m_dT10, p6->m_dT11, p6->m_dT12, p6->m_dT13, p6->m_dT14, p6->m_dT15,
                     p6->m_dFrontDistA, p6->m_dExtensionOffset, p6->m_dImageCircle, p6->m_dT19, p6->m_dT20,
                     p6->m_dT21, p6->m_dT22, p6->m_dFocalLength, p6->m_dOpenFno, p6->m_dMaxDraw,
                     p6->m_dMaxRingLength, p6->m_dEffectiveDiameter);
}

// -- Param4 --

TEST_F(Param4Test, GivenDrawIsHandComputed) {
    // Draw 2: x = 500, A = 6, B = 7.2, R = 10; K = 0.05 + 0.0333 - 0.012;
    // beta = K 10 + 7.2/20 - 1, WD = U(10) - 6, OI = U(10) + 7.2 + 10 + 3 + 17.5.
    // D0 = (1 + 0.3/20) 13.3/2, Dep = D0 / (1 - 1.7/20), P = D0 / (1 - 5.5/30) / Dep;
    // Fe = (beta/P + 1) f / Dep with f = 600 / 42.8; DOF = 2 Fe 0.04 / beta^2.
    // Ends: draw 0 (B 5.2) and draw 4.5 (B 9.7).
    ASSERT_EQ(Run(0.0, kModeRing, 2.0, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .beta = 0.07333333333333347, .fov = 149.99999999999972,
                             .wd = 195.81818181818204, .oi = 239.51818181818203, .ext = 0.0, .draw = 2.0,
                             .fno = 2.0, .fe = 2.0247663493709647, .dof = 30.12049114766713, .minValid = 1,
                             .beta1 = 0.006666666666666821, .wd1 = 2012.0000000000205, .oi1 = 2055.7000000000207,
                             .maxValid = 1, .beta2 = 0.15666666666666673, .fov2 = 70.21276595744678,
                             .wd2 = 101.60638297872335, .oi2 = 145.30638297872335}));

    // A wanted depth of field of 0.2: Fe = beta^2 0.2 / 0.08; P at draw 2 is
    // independent of F, (1 - 1.7/20) / (1 - 5.5/30) = 1.1204081632653062, and
    // F = Fe / (beta / P + 1).
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, 0.2, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 0.012618532026441805, .fe = 0.013444444444444495, .dof = 0.2}));
}

TEST_F(Param4Test, BisectionModesFindTheSameConfiguration) {
    const double wd = 195.81818181818204, oti = 239.51818181818203, beta = 0.07333333333333347;
    ASSERT_EQ(Run(wd, kModeWorkingDistance), kCalcOk);
    EXPECT_EQ(r.dWD[0], wd);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dMagnification[0], beta, 1e-9);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);
    EXPECT_NEAR(r.dObjectToImage[0], oti, 1e-6);

    ASSERT_EQ(Run(beta, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.dMagnification[0], beta);
    EXPECT_NEAR(r.dWD[0], wd, 1e-6);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);

    ASSERT_EQ(Run(11.0 / beta, kModeFieldOfView), kCalcOk);
    EXPECT_NEAR(r.dWD[0], wd, 1e-6);

    ASSERT_EQ(Run(oti, kModeObjectToImage), kCalcOk);
    EXPECT_EQ(r.dObjectToImage[0], oti);
    EXPECT_NEAR(r.dWD[0], wd, 1e-9);  // oti - 3 - 17.5 - L, L = 23.2
    EXPECT_NEAR(r.dMagnification[0], beta, 1e-9);
}

TEST_F(Param4Test, RingSearchAndGivenRings) {
    // beta 0.2: ring 1 reaches 0.19 at full draw, ring 2 covers 0.081..0.224.
    ASSERT_EQ(Run(0.2, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .ext = 1.0}));
    EXPECT_GT(r.dFocusDraw[0], 0.0);
    EXPECT_LE(r.dFocusDraw[0], 4.5);
    EXPECT_NEAR(r.dMagnification[1], 0.0813, 1e-4);
    EXPECT_NEAR(r.dMagnification[2], 0.2238, 1e-4);

    ExpectCases({
        // value, mode, draw: code, result
        // beta 0.45: ring 9 (4.5 mm) would reach it but is refused; ring 10 does.
        {0.45, kModeMagnification, 0.0, kCalcOk, {.ring = 10, .ext = 5.0}},
        {50.0, kModeMagnification, 0.0, kCalcInfeasible, {.ring = 200}},  // ends at the last ring of the table
        // A given draw beyond the range is answered at draw 0.
        {0.0, kModeRing, 6.0, kCalcOk, {.beta = 0.006666666666666821, .draw = 0.0}},
        // Guards against a loop: a given refused ring is infeasible at once;
        // and against reading beyond the ring table.
        {3.0, kModeRing, 1.0, kCalcInfeasible, {.ring = 6, .draw = 1.0}},
        {100.3, kModeRing, 1.0, kCalcInfeasible, {.ring = 0}},
        {-2.0, kModeRing, 1.0, kCalcInfeasible, {.ring = 0}},
    });
}

TEST_F(Param4Test, LensLimitsAndDegenerateLenses) {
    Load(Param4Text(L"-0.004", L"4.5", L"0.7"));
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 2);  // table entry 1.0 > 0.7

    // With t10 +0.004 the front group moves back: the magnification falls as
    // the draw grows, so draw 1 lies below the end at draw 0.
    Load(Param4Text(L"0.004"));
    EXPECT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .beta = -0.1060000000000001, .minValid = 0,
                             .beta1 = 0.006666666666666821}));

    // A draw range below 0: draw 0 does not fit either; every other mode
    // runs out of rings.
    Load(Param4Text(L"-0.004", L"-1"));
    EXPECT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.dFocusDraw[0], 0.0);
    EXPECT_EQ(Run(0.0, 5, -1.0, -1.0, 1.0), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);

    // A zero step slope never succeeds with values that are not finite.
    Load(L"20,30,5,0.5,3,5,2,17.5,11,0,3,0,0.2,0.5,3,12,0.2,13.3,1.4,4.5,100,25");
    for (int mode = -1; mode <= 6; ++mode) {
        const int code = Run(mode == kModeWorkingDistance ? 200.0 : 0.07, mode, -1.0, -1.0, 1.0);
        EXPECT_TRUE(code == kCalcInfeasible || (code == kCalcOk && r.AllFinite())) << mode;
    }
}

// -- Param5 --

TEST_F(Param5Test, GivenDrawIsHandComputedAndFoundAgainByWorkingDistance) {
    // Draw 2: B = 7.0, A = 6, R = 10; K = 0.05 + 0.0333 - 7/600.
    // Pupil: T = 2 + 0.2 - 5.5 + 5.3 = 2, g = 0.01, M = 0; P = Pr (1 - 0.2/1.2);
    // Fe = (beta/P + 1) f / (13.3 / 2.8). At draw 0 the lens is focused at
    // infinity: no far end.
    ASSERT_EQ(Run(0.0, kModeRing, 2.8, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.06666666666666665, .wd = 214.00000000000003, .oi = 257.5,
                             .fe = 3.156915544675642, .dof = 56.82447980416158, .minValid = 0, .beta1 = 0.0,
                             .wd1 = -1.0, .maxValid = 1, .beta2 = 0.1499999999999999, .wd2 = 105.38888888888894}));

    ASSERT_EQ(Run(214.00000000000003, kModeWorkingDistance), kCalcOk);
    EXPECT_NEAR(r.dMagnification[0], 0.06666666666666665, 1e-9);
    EXPECT_NEAR(r.dFocusDraw[0], 2.0, 1e-6);
    EXPECT_NEAR(r.dObjectToImage[0], 257.5, 1e-6);
}

// -- Param6 --

TEST_F(Param6Test, GivenDrawIsHandComputed) {
    // Draw 2: x = 100, S1 = 3, S2 = 6.6, L' = 34.7, R = 25.1; beta = X - 1 + R/f,
    // WD = U(R) - E.
    ASSERT_EQ(Run(0.0, kModeRing, 2.8, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.05071300000000001, .fov = 216.90690749906332, .wd = 526.2665391516974,
                             .oi = 588.4665391516975, .fno = 2.8, .fe = 6.586823966244726,
                             .dof = 204.89314975846005, .minValid = 1, .beta1 = 0.010962499999999986,
                             .wd1 = 2456.7103762827446, .oi1 = 2518.9103762827444, .maxValid = 1,
                             .beta2 = 0.09454000000000018, .wd2 = 281.07573513856516}));
}

TEST_F(Param6Test, RingSearchStopsAtTheRefusedBand) {
    // 2/3" diagonal over 125 mm: beta 0.088 lies within ring 0's 0.011..0.0945.
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_NEAR(r.dMagnification[0], 0.088, 1e-12);
    EXPECT_GT(r.dFocusDraw[0], 3.5);
    EXPECT_LT(r.dFocusDraw[0], 4.0);
    ExpectCases({
        // value, mode, draw: code, result
        // beta 0.2 first fits ring 6 (3.0 mm), which this model does not pass over.
        {0.2, kModeMagnification, 0.0, kCalcInfeasible, {.valid = 0, .ring = 6}},
        {0.3, kModeMagnification, 0.0, kCalcOk, {.ring = 11}},
        {4.0, kModeRing, 6.0, kCalcInfeasible, {.ring = 8}},  // a given refused ring
    });
}

TEST_F(Param6Test, MaximumEndIsValidWhateverItsMagnification) {
    // Draw range 0: both ends at draw 0, where the magnification of ring 0
    // is 0.011; the maximum end is written without a test.
    Load(Param6Text(L"21.2", L"0"));
    ASSERT_EQ(Run(0.0, kModeRing), kCalcOk);
    EXPECT_EQ(r.nMaxValid, 1);
    EXPECT_EQ(r.dMagnification[2], r.dMagnification[1]);
    // Ring 0 focused beyond infinity (t15 20): the ends' magnifications are
    // negative; the minimum end keeps its distances but is not valid, the
    // maximum end is.
    Load(Param6Text(L"20", L"0"));
    EXPECT_EQ(Run(0.0, kModeRing), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.minValid = 0, .beta1 = 0.0, .maxValid = 1}));
    EXPECT_NE(r.dWD[1], -1.0);
    EXPECT_LT(r.dMagnification[2], 0.0);
}
