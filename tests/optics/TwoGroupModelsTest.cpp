// Two-group paraxial models (parameter types 2 and 3): the separation solved
// per mode, the upward ring search, the pupil-based depth of field and the
// range ends, against hand computation.
#include <gtest/gtest.h>

#include "optics/TwoGroupModels.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

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

TEST(TwoGroupReading, EachTokenLandsInItsField) {
    const auto p2 = MakeLens<CCCTVData_Param2>(CountingText(24), 2);
    ExpectTokenOrder(p2->m_dF1, p2->m_dF2, p2->m_dT3, p2->m_dT4, p2->m_dT5, p2->m_dT6, p2->m_dT7, p2->m_dT8,
                     p2->m_dImageCircle, p2->m_dT10, p2->m_dFrontDistA, p2->m_dExtensionOffset, p2->m_dT13,
                     p2->m_dT14, p2->m_dFocalLength, p2->m_dT16, p2->m_dT17, p2->m_dOpenFno, p2->m_dT19, p2->m_dT20,
                     p2->m_dT21, p2->m_dMaxDraw, p2->m_dMaxRingLength, p2->m_dEffectiveDiameter);
    const auto p3 = MakeLens<CCCTVData_Param3>(CountingText(26), 3);
    ExpectTokenOrder(p3->m_dG2, p3->m_dG1, p3->m_dU3, p3->m_dU4, p3->m_dU5, p3->m_dU6, p3->m_dU7, p3->m_dU8,
                     p3->m_dImageCircle, p3->m_dU10, p3->m_dFrontDistA, p3->m_dExtensionOffset, p3->m_dU13,
                     p3->m_dToken14, p3->m_dFocalLength, p3->m_dOpenFno, p3->m_dU17, p3->m_dU18, p3->m_dU19,
                     p3->m_dU20, p3->m_dU21, p3->m_dU22, p3->m_dU23, p3->m_dMaxDraw, p3->m_dMaxRingLength,
                     p3->m_dEffectiveDiameter);
}

// -- Param2 --

TEST_F(Param2Test, HandComputedConfigurations) {
    // 2/3" diagonal 11 over 125 mm: beta 0.088, s = (1.01666 - 1.088) / -0.017986.
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .ring = 0, .beta = 0.088, .wd = 148.57294298921403,
                             .oi = 194.27294298921402, .ext = 0.0, .draw = 3.482033898305086}));

    // beta 0.2: ring 0 needs s 9.6, ring 1 s 7.93 (both beyond D 6); ring 2
    // (x = 13.2, k = -0.01875) needs s = (1.1 - 1.2) / -0.01875 = 5.3333.
    // A0 = 12/2 = 6; w = s, B = 0, alpha = -1: P0 = 1.2857142857, P = 0.95 P0;
    // Fs = 576 / (48 - 5.3333) = 13.5; Fe = (0.2/P + 1) 13.5 / 6; DOF = 2 Fe 0.04 / 0.04.
    // Ends with ring 1.0: s0 = 0 gives beta 1.1 - 1 = 0.1; s1 = 6 gives 0.2125.
    ASSERT_EQ(Run(0.2, kModeMagnification, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-13, .ring = 2, .fov = 55.0, .wd = 70.33333333333329,
                             .oi = 117.03333333333329, .ext = 1.0, .draw = 5.3333333333333375, .fno = 2.0,
                             .fe = 2.618421052631579, .dof = 5.2368421052631575, .minValid = 1, .beta1 = 0.1,
                             .fov1 = 110.0, .wd1 = 119.0, .oi1 = 165.7, .maxValid = 1, .beta2 = 0.2125,
                             .fov2 = 51.76470588235296, .wd2 = 67.82352941176474, .oi2 = 114.52352941176474}));
    EXPECT_EQ(r.dExtension[1], -1.0);  // the extension columns [1] and [2] are not part of the result
}

TEST_F(Param2Test, OpenFNumberStandsInForANegativeOneAndWantedDepthOfFieldInverts) {
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 1.4, .fe = 1.8328947368421054}));  // A0 = 12 / 1.4
    // Fe = 0.2 0.2 0.2 / 0.08 = 0.1; F = Fe / (0.2/P + 1).
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0, 0.2), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 0.08592964824120605, .fe = 0.1, .dof = 0.2}));
}

TEST_F(Param2Test, WorkingDistanceAndObjectToImageSolveTheQuadratic) {
    ASSERT_EQ(Run(300.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .beta = 0.04099894916889313, .wd = 300.0, .oi = 345.7,
                             .draw = 1.1877453153629265}));
    ASSERT_EQ(Run(100.0, kModeWorkingDistance), kCalcOk);  // ring 1 solved again
    EXPECT_TRUE(ResultIs(r, {.ring = 1, .beta = 0.1326073203191378}));
    ASSERT_EQ(Run(400.0, kModeObjectToImage), kCalcOk);  // WD = 400 - 3 - 17.5 - T (25.2)
    EXPECT_TRUE(ResultIs(r, {.beta = 0.034459449558529975, .wd = 354.3, .oi = 400.0}));
}

TEST_F(Param2Test, RingSearchAndGivenRings) {
    ExpectCases({
        // value, mode, draw: code, result
        // beta 0.45: ring 9 (4.5 mm) would need draw 4.6 within D but is refused; ring 10 needs 1.41.
        {0.45, kModeMagnification, 0.0, kCalcOk, {.ring = 10, .ext = 5.0, .draw = 1.4117647058823666}},
        // beta 0.3 overshoots at ring 7 (draw -0.58) before any ring fits.
        {0.3, kModeMagnification, 0.0, kCalcInfeasible, {.ring = 7}},
        // 13.2/12 - 1 + 0.01875 2
        {1.0, kModeRing, 2.0, kCalcOk, {.rel = 1e-14, .ring = 2, .beta = 0.1375, .wd = 91.54545454545475,
                                        .ext = 1.0, .draw = 2.0}},
        // A given draw beyond the range is answered at draw 0.
        {1.0, kModeRing, 7.0, kCalcOk, {.rel = 1e-14, .ring = 2, .beta = 0.1, .draw = 0.0}},
        // 1.3 mm reads as ring index 3 (1.5 mm): with draw 0, beta 13.5/12 - 1 =
        // 0.125 lies below the ring's minimum 13.7/12 - 1.
        {1.3, kModeRing, 0.0, kCalcInfeasible, {.valid = 1, .minValid = 0, .beta1 = 0.14166666666666661}},
        // Guards against a loop: a given refused ring is infeasible at the
        // given draw, without a re-run at draw 0.
        {3.0, kModeRing, 7.0, kCalcInfeasible, {.ring = 6, .draw = 7.0}},
        // Guards against reading beyond the ring table; 100.2 mm still has
        // an index (200) but is thicker than the table's last ring.
        {150.0, kModeRing, 1.0, kCalcInfeasible, {.ring = 0}},
        {-3.0, kModeRing, 1.0, kCalcInfeasible, {.ring = 0}},
        {100.2, kModeRing, 1.0, kCalcInfeasible, {.ring = 200}},
    });
}

TEST_F(Param2Test, LensLimitsEndTheSearch) {
    Load(Param2Text(6.0, 0.6));
    // beta 0.2 needs ring 2; its table entry 1.0 exceeds the limit 0.6.
    EXPECT_EQ(Run(0.2, kModeMagnification), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 2);

    Load(Param2Text(-1.0));  // a draw range below 0: not even draw 0 fits
    EXPECT_EQ(Run(1.0, kModeRing, -1.0, -1.0, 2.0), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .draw = 0.0}));
    // Mode 5 starts at the record's ring and retries at draw 0; the search
    // stops at the last ring of the table.
    EXPECT_EQ(Run(0.0, 5), kCalcInfeasible);
    EXPECT_EQ(r.nRingIndex, 200);
}

// Guards against reading a record's ring index outside the table and against
// a success with values that are not finite.
TEST_F(Param2Test, DegenerateRecordsAndGroupsNeverSucceedWrongly) {
    r.nRingIndex = 201;
    EXPECT_EQ(RunOnRecord(0.2, kModeMagnification), kCalcInfeasible);
    r.nRingIndex = -1;
    EXPECT_EQ(RunOnRecord(0.2, kModeMagnification), kCalcInfeasible);

    Load(L"0,24,8,1,3,0.5,0.3,17.5,11,0.5,5,12.5,0.2,0.5,12,0.1,2,1.4,24,-0.5,1,6,100,25");
    for (int mode = -1; mode <= 6; ++mode) {
        const int code = Run(mode == kModeWorkingDistance ? 100.0 : 0.2, mode);
        EXPECT_TRUE(code == kCalcInfeasible || (code == kCalcOk && r.AllFinite())) << mode;
    }
}

// -- Param3 --

TEST_F(Param3Test, HandComputedConfigurations) {
    // beta 0.2 needs ring 2 (1.0 mm; T = 37, h = 24): m = 18, s = 6,
    // draw 10 - (6 + 1 - 1) = 4.0 = D.
    // A0 = (1 - 0.2/2) 16 / 2.8; P0 = 1.2605042, P = 1 / (0.95 P0);
    // Fe = (0.2/P + 1) Fs(6) / (P0 A0) with Fs(6) = 1080/60 = 18.
    // Ends: draw 0 (s 10, m 14) and draw 4 (s 6, m 18).
    ASSERT_EQ(Run(0.2, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .wd = 91.9999999999999, .oi = 149.4999999999999, .ext = 1.0, .draw = 4.0,
                             .fno = 2.8, .fe = 3.441666666666667, .dof = 6.883333333333333, .minValid = 1,
                             .beta1 = 0.059259259259259345, .fov1 = 185.62499999999974, .wd1 = 326.3749999999995,
                             .oi1 = 383.8749999999995, .maxValid = 1, .beta2 = 0.2, .wd2 = 91.9999999999999}));

    // Ring 0, draw 2: s = 8, m = 15, Fs(8) = 1080/58; F the open F-number.
    // The far end of ring 0 is near infinity, still above 1e-7.
    ASSERT_EQ(Run(0.0, kModeRing, -1.0, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .beta = 0.07222222222222224, .wd = 259.30769230769164,
                             .oi = 315.80769230769164, .fno = 1.8, .fe = 1.8510775862068964,
                             .dof = 28.390491736380312, .beta1 = 0.007407407407407446, .wd1 = 2604.4999999999573,
                             .beta2 = 0.1444444444444445}));
}

TEST_F(Param3Test, WantedDepthOfFieldAndOpenFNumber) {
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0, 0.2), kCalcOk);  // Fe = 0.2 0.2 0.2 / 0.08
    EXPECT_TRUE(ResultIs(r, {.fno = 0.08067796610169493, .fe = 0.10000000000000002}));
    ASSERT_EQ(Run(0.2, kModeMagnification, -1.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 1.8, .fe = 2.2125000000000004}));
}

TEST_F(Param3Test, DistanceModesAndTheRingSearch) {
    ASSERT_EQ(Run(125.0, kModeFieldOfView), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .wd = 211.5554300763302}));
    ASSERT_EQ(Run(400.0, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.wd = 343.5}));  // 400 - 17.5 - 3 - T (36)
    ExpectCases({
        // value, mode, draw: code, result
        {300.0, kModeWorkingDistance, 0.0, kCalcOk, {.ring = 0, .wd = 300.0, .oi = 356.5}},
        {0.3, kModeMagnification, 0.0, kCalcOk, {.ring = 10, .draw = 0.924858845171272}},  // past the refused band
        // 5 mm in front: the rings grow until the draw turns negative.
        {5.0, kModeWorkingDistance, 0.0, kCalcInfeasible, {.ring = 152}},
        {4.0, kModeRing, 1.0, kCalcInfeasible, {.ring = 8}},  // a given refused ring
    });
}

// -- both --

namespace {

// Sample lenses of both types.
std::unique_ptr<CCCTVData> SampleLens(const std::wstring& name) {
    if (name == L"QG-12M14")
        return MakeLens<CCCTVData_Param2>(
            L"24,24,8,1,3,0.5,0.3,17.5,11,0.5,5,12.5,0.2,0.5,12,0.1,2,1.4,24,-0.5,1,6,100,25", 2);
    if (name == L"QG-20M20")
        return MakeLens<CCCTVData_Param2>(
            L"40,40,12,1,3,0.5,0.3,17.5,11,0.5,6,20.5,0.2,0.5,20,0.1,2,2,40,-0.5,1,8,100,28", 2);
    return MakeLens<CCCTVData_Param3>(
        L"45,54,10,1,3,1,0.4,17.5,11,10,6,21.6,0.3,0,25,2.4,2,0.1,45,1.2,0.3,4,0.2,6,100,32", 3);
}

}  // namespace

// A ring at the focusing stop (draw 0) is a configuration of the lens itself,
// and so is the request for its magnification, field of view or working
// distance with that ring: the minimum end and the draw, each computed by a
// formula of its own, differ from it by rounding only, which refuses nothing.
TEST(TwoGroupFocusingStop, IsNotRefusedByRounding) {
    tagLensCalcResult r;
    const auto atStop = [&](CCCTVData& lens, double ring) {
        r.PresetForSearch();
        return lens.CalcOptics(11.0, ring, kModeRing, r, -1.0, -1.0, 0.04, 0.0);
    };
    // QJ-27M24 at every ring; at 5.0 beta is 0.18181069958847743 and the
    // minimum end 0.18181069958847745.
    auto qj = SampleLens(L"QJ-27M24");
    for (int index = 0; index <= 200; ++index) {
        const double ring = 0.5 * index;
        if (ring >= 2.5 && ring < 5.0) continue;  // the refused band
        EXPECT_EQ(atStop(*qj, ring), kCalcOk) << "ring " << ring;
    }

    const struct {
        const wchar_t* lens;
        int ringIndex;
        int mode;
    } cases[] = {
        {L"QG-20M20", 0, kModeWorkingDistance},  // the draw solves to -1e-13
        {L"QG-12M14", 11, kModeFieldOfView},     // the minimum end lies 6e-17 above beta
        {L"QJ-27M24", 10, kModeMagnification},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lens << " ring index " << c.ringIndex);
        auto lens = SampleLens(c.lens);
        ASSERT_EQ(atStop(*lens, 0.5 * c.ringIndex), kCalcOk);
        const double value = c.mode == kModeWorkingDistance ? r.dWD[0]
                             : c.mode == kModeFieldOfView   ? r.dFOV[0]
                                                            : r.dMagnification[0];
        r.PresetForSearch();
        r.nRingIndex = c.ringIndex;
        EXPECT_EQ(lens->CalcOptics(11.0, value, c.mode, r, -1.0, -1.0, 0.04, 0.0), kCalcOk);
        EXPECT_EQ(r.nRingIndex, c.ringIndex);
        EXPECT_NEAR(r.dFocusDraw[0], 0.0, 1e-9);
        EXPECT_GE(r.dFocusDraw[0], 0.0) << "the stop is shown as 0, never as -0.000";
    }
}
