// Thin-lens models without rings (parameter types 11 and 16), checked
// against hand computation of the thin-lens relations.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/RinglessModels.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

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

TEST(RinglessReading, EachTokenLandsInItsField) {
    const auto p11 = MakeLens<CCCTVData_Param11>(CountingText(13), 11);
    ExpectTokenOrder(p11->m_dFocalLength, p11->m_dPrincipalGap, p11->m_dLensLength, p11->m_dParam4,
                     p11->m_dFrontDistA, p11->m_dFrontDistB, p11->m_dParam7, p11->m_dPupilMagnification,
                     p11->m_dOpenFno, p11->m_dMaxDraw, p11->m_dMaxRingLength, p11->m_dImageCircle,
                     p11->m_dEffectiveDiameter);
    EXPECT_EQ(p11->m_dExtensionOffset, 0.0);
    EXPECT_EQ(p11->m_dWDOffset, 0.0);
    // Type 16 takes token 5 as the front-to-image distance.
    const auto p16 = MakeLens<CCCTVData_Param16>(CountingText(13), 16);
    ExpectTokenOrder(p16->m_dFocalLength, p16->m_dPrincipalGap, p16->m_dLensLength, p16->m_dParam4,
                     p16->m_dFrontToImage, p16->m_dFrontDistB, p16->m_dParam7, p16->m_dPupilMagnification,
                     p16->m_dOpenFno, p16->m_dMaxDraw, p16->m_dMaxRingLength, p16->m_dImageCircle,
                     p16->m_dEffectiveDiameter);
    EXPECT_EQ(p16->m_dFrontDistA, 0.0);
}

// -- Param11 --

TEST_F(Param11Test, HandComputedConfigurations) {
    // WD = (1/0.1 + 1) 16 - 8 - 4, OI = (0.1 + 2 + 10) 16 + 2;
    // Fe = (0.1/0.8 + 1) 2.8 = 3.15; DOF = 2 Fe 0.04 / (0.01 - 2.8^2 0.04^2 / 16^2).
    // Far end: only its magnification; near end: 0.3, WD = 4.333333333333334
    // 16 - 12, OI = 5.633333333333333 16 + 2. No ring, no draw.
    ASSERT_EQ(Run(0.1, kModeMagnification, 2.8), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .ring = 0, .fov = 110.0, .wd = 164.0, .oi = 195.6, .ext = 0.0,
                             .draw = -1.0, .fno = 2.8, .fe = 3.15, .dof = 25.32408803135363, .minValid = 0,
                             .beta1 = 0.0, .fov1 = -1.0, .maxValid = 1, .beta2 = 0.3, .fov2 = 36.66666666666667,
                             .wd2 = 57.33333333333334, .oi2 = 92.13333333333333}));
    // g = 1.125 16 = 18; Fe = (g sqrt(4 0.01 + g^2) - g^2) / (2 0.04)
    ASSERT_EQ(Run(0.1, kModeMagnification, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 0.22221536393532107, .fe = 0.2499922844272362, .dof = 2.0}));
    // beta = 1 / ((164 + 12) / 16 - 1)
    ASSERT_EQ(Run(164.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.1, .fov = 110.0, .wd = 164.0, .oi = 195.6}));
    // q = 10.1: beta = (10.1 - sqrt(98.01)) / 2
    ASSERT_EQ(Run(195.6, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.rel = 1e-11, .beta = 0.1, .wd = 164.0, .oi = 195.6, .ext = 0.0}));
}

TEST_F(Param11Test, RangeEnds) {
    EXPECT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    // Above the upper end: the configuration there, with the ends of the inner calculation.
    EXPECT_EQ(Run(0.31, kModeMagnification), kCalcAboveRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.3, .fov = 36.66666666666667, .wd = 57.33333333333334,
                             .maxValid = 1}));
    // A negative field of view gives beta < 0: the record is computed at
    // beta 0, where the distances of column [0] are infinite.
    EXPECT_EQ(Run(-110.0, kModeFieldOfView), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.0}));
    EXPECT_TRUE(std::isinf(r.dFOV[0]));
    EXPECT_TRUE(std::isinf(r.dWD[0]));
    // The ring input has no magnification of its own: the preset -1.0 lies
    // below; the detail page's 0 lies inside [0, 0.3].
    EXPECT_EQ(Run(1.0, kModeRing), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.0);
    r = tagLensCalcResult{};
    r.FillRingTable();
    EXPECT_EQ(RunOnRecord(1.0, kModeRing), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .beta2 = 0.3}));
}

TEST_F(Param11Test, InputsWithoutAFiniteConfigurationAreInfeasible) {
    // Shorter than 4f + H = 66: no real root (nothing but the distance written).
    EXPECT_EQ(Run(50.0, kModeObjectToImage), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = -1.0, .oi = 50.0}));
    // Magnification 0 lies inside the interval but has infinite distances.
    EXPECT_EQ(Run(0.0, kModeMagnification), kCalcInfeasible);
    // Zero over zero.
    EXPECT_EQ(lens.CalcOptics(0.0, 0.0, kModeFieldOfView, r, -1.0, -1.0, 0.04, 0.0), kCalcInfeasible);
    // A wanted depth of field of 0 divides by zero.
    EXPECT_EQ(Run(0.1, kModeMagnification, -1.0, 0.0), kCalcInfeasible);
}

// -- Param16 --

TEST_F(Param16Test, DistancesTakeTheSmallerRootAndWriteBothEnds) {
    // q = (160 + 60 + 5) / 50 - 2 = 2.5: beta = (2.5 - 1.5) / 2 = 0.5.
    // k = 0.5/0.8 + 1 = 1.625, g = 81.25: Fe = (g sqrt(4 0.25 + g^2) - g^2) / 0.08.
    // Ends: 0.3 (L = 5.633333333333333 50 - 5) and 1.0 (L = 4 50 - 5).
    ASSERT_EQ(Run(160.0, kModeWorkingDistance, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.5, .fov = 22.0, .wd = 160.0, .oi = 220.0, .ext = 0.0,
                             .fno = 3.8460082040168904, .fe = 6.249763331527447, .minValid = 1, .beta1 = 0.3,
                             .fov1 = 36.66666666666667, .wd1 = 216.66666666666663, .oi1 = 276.66666666666663,
                             .maxValid = 1, .beta2 = 1.0, .fov2 = 11.0, .wd2 = 135.0, .oi2 = 195.0}));
    // q = 225/50 - 2 = 2.5; the working distance is the distance less K.
    ASSERT_EQ(Run(220.0, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.5, .wd = 160.0, .oi = 220.0}));
}

TEST_F(Param16Test, BothEndsAreInsideAndOutsideAnswersAtTheNearerEnd) {
    EXPECT_EQ(Run(0.3, kModeMagnification), kCalcOk);
    EXPECT_EQ(Run(1.0, kModeMagnification), kCalcOk);
    EXPECT_EQ(Run(0.29, kModeMagnification), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.3, .oi = 276.66666666666663}));
    EXPECT_EQ(Run(1.01, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.dMagnification[0], 1.0);
    // q = (85 + 65) / 50 - 2 = 1: no real root, the guard gives beta -1,
    // answered at 0.3; the inner calculation with F -1: Fe = -(0.3/0.8 + 1).
    EXPECT_EQ(Run(85.0, kModeWorkingDistance), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 0, .beta = 0.3, .wd = 216.66666666666663, .fe = -1.375}));
    // The ring input: the preset -1.0 and the detail page's 0 both lie below [0.3, 1.0].
    EXPECT_EQ(Run(1.0, kModeRing), kCalcBelowRange);
    r = tagLensCalcResult{};
    r.FillRingTable();
    EXPECT_EQ(RunOnRecord(1.0, kModeRing), kCalcBelowRange);
    EXPECT_EQ(r.dMagnification[0], 0.3);
}

TEST_F(Param16Test, ZeroFocalLengthIsInfeasible) {
    Load(L"0,-5,40,0,60,7,0,0.8,2.8,0,0,16,30");
    // (0 + 60 + 5) / 0: q infinite, the root not a number.
    EXPECT_EQ(Run(-65.0, kModeWorkingDistance), kCalcInfeasible);
    EXPECT_TRUE(std::isnan(r.dMagnification[0]));
    EXPECT_EQ(r.nValid, 0);
}
