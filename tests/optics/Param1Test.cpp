// The thin-lens model with close-up rings, checked against hand computation
// of the thin-lens relations, and over many random lenses and requests.
#include <gtest/gtest.h>

#include "optics/CCCTVData_Param1.h"
#include "tests/optics/ModelTestSupport.h"

using namespace model_test;

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
    }
    // Through Calc, each request with the search's preset.
    int Run(double sensor, double value, int mode, double fno = -1.0, double wantedDOF = -1.0,
            double draw = 0.0) {
        r.PresetForSearch();
        return lens.Calc(sensor, value, mode, r, fno, wantedDOF, 0.04, draw);
    }
};

}  // namespace

TEST(Param1Reading, FifteenTokensInOrder) {
    const auto lens = MakeLens<CCCTVData_Param1>(CountingText(15), 1);
    ExpectTokenOrder(lens->m_dFocalLength, lens->m_dPrincipalGap, lens->m_dLensLength, lens->m_dParam4,
                     lens->m_dFrontDistA, lens->m_dFrontDistB, lens->m_dParam7, lens->m_dPupilMagnification,
                     lens->m_dOpenFno, lens->m_dMaxDraw, lens->m_dMaxRingLength, lens->m_dImageCircle,
                     lens->m_dExtensionOffset, lens->m_dWDOffset, lens->m_dEffectiveDiameter);
}

TEST_F(Param1Test, SizeAndDistanceModesOnTheThinLens) {
    Load(3.0);
    // beta 0.1: E = 2.5 <= D, so no ring: the helicoid draws the whole
    // extension; WD = 302.5 - 17.526 - 2.5. Far end: draw 0, beta 0 (no
    // finite far value); near end: full draw, beta 0.12, L = (0.12 + 2 +
    // 1/0.12) 25, WD = L - 17.526 - 3.0.
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .ring = 0, .fov = 80.0, .wd = 282.474, .oi = 302.5, .ext = 2.5,
                             .draw = 2.5, .minValid = 0, .beta1 = 0.0, .fov1 = -1.0, .maxValid = 1, .beta2 = 0.12,
                             .fov2 = 66.66666666666667, .wd2 = 240.8073333333333, .oi2 = 261.3333333333333}));
    // The field of view is the sensor over the magnification.
    ASSERT_EQ(Run(8.0, 80.0, kModeFieldOfView), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.1, .fov = 80.0, .oi = 302.5}));
    // value - H - 2f = 4f: q = 4, beta = 2 - sqrt(3); WD = 150 - 17.526 - 25 beta.
    ASSERT_EQ(Run(8.0, 150.0, kModeObjectToImage), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.beta = 0.2679491924311228, .wd = 125.77527018922191, .oi = 150.0}));
    // The object at the focal point (d = 0): only nValid and the working
    // distance are written; the ring and range steps then run on the preset
    // extension of -1.
    EXPECT_EQ(Run(8.0, 0.0, kModeWorkingDistance), kCalcBelowRange);
    EXPECT_TRUE(ResultIs(r, {.valid = 1, .beta = -1.0, .wd = 0.0, .draw = -1.0}));

    // d = 200 + 10 + 15 - 25 = 200, beta = 25 / 200.
    Load(3.5);
    ASSERT_EQ(Run(8.0, 200.0, kModeWorkingDistance), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .beta = 0.125, .fov = 64.0, .wd = 200.0, .oi = 253.125, .ext = 3.125}));
}

TEST_F(Param1Test, DepthOfFieldAndWantedDepthOfField) {
    Load(3.0);
    // Fe = (0.1 / 1 + 1) 2.8; DOF = 2 Fe c / (beta^2 - F^2 c^2 / f^2).
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification, 2.8, -1.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 2.8, .fe = 3.08, .dof = 24.689552920293142}));
    // F = Fe / 1.1.
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.fno = 0.22726972209273877, .fe = 0.24999669430201266, .dof = 2.0}));
}

TEST_F(Param1Test, RingSearch) {
    const struct {
        double D;       // draw range
        double value;   // magnification asked for
        int code;
        int ring;
    } cases[] = {
        {2.2, 0.1, kCalcOk, 1},             // E = 2.5 = D + 0.3: the half-millimetre ring
        {3.0, 0.212, kCalcOk, 10},          // E = 5.3 = D + 2.3: the search stops at ring 5, which becomes 10
        {2.0, 0.172, kCalcInfeasible, 5},   // E = 4.3 = D + 2.3 <= 5.0: ring 5 (2.5 mm) is refused
        {1.0, 4.2, kCalcAboveRange, 200},   // E = 105 > D + 100
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Load(c.D);
        EXPECT_EQ(Run(8.0, c.value, kModeMagnification), c.code);
        EXPECT_EQ(r.nRingIndex, c.ring);
    }
    // The half-millimetre ring: draw 2.0; far end (0.5 + 0) / 25; near end 2.7 / 25.
    Load(2.2);
    ASSERT_EQ(Run(8.0, 0.1, kModeMagnification), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.draw = 2.0, .minValid = 1, .beta1 = 0.02, .wd1 = 1282.474,
                             .beta2 = 0.10800000000000001}));
    // Ring 10 takes 0.3 of the draw; far end 5 / 25.
    Load(3.0);
    ASSERT_EQ(Run(8.0, 0.212, kModeMagnification), kCalcOk);
    EXPECT_NEAR(r.dFocusDraw[0], 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(r.dMagnification[1], 0.2);
    // Beyond every ring: the longest, with the rest as draw.
    Load(1.0);
    EXPECT_EQ(Run(8.0, 4.2, kModeMagnification), kCalcAboveRange);
    EXPECT_DOUBLE_EQ(r.dFocusDraw[0], 5.0);

    // A ring longer than the lens accepts (Rmax 10): E 15 needs ring 14 mm.
    lens.m_strParameter = L"25,0,0,0,10,15,0,1,1.4,1,10,16,0,0,30";
    lens.SetParameter();
    EXPECT_EQ(Run(8.0, 0.6, kModeMagnification), kCalcAboveRange);
    EXPECT_EQ(r.nRingIndex, 28);
    // e0 = 2: E = 0.05 * 25 - 2 < 0, ring 0 with a negative draw.
    lens.m_strParameter = L"25,0,0,0,10,15,0,1,1.4,3,100,16,2,0,30";
    lens.SetParameter();
    EXPECT_EQ(Run(8.0, 0.05, kModeMagnification), kCalcBelowRange);
}

TEST_F(Param1Test, GivenRings) {
    Load(3.0);
    EXPECT_EQ(Run(8.0, 3.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);  // in the refused band
    EXPECT_EQ(r.nRingIndex, 6);
    // 1.3 mm reads as ring index 3 (1.5 mm): with draw 0 beta 1.3 / 25 lies
    // below the ring's own minimum 1.5 / 25.
    EXPECT_EQ(Run(8.0, 1.3, kModeRing, -1.0, -1.0, 0.0), kCalcInfeasible);
    EXPECT_TRUE(ResultIs(r, {.ring = 3, .beta = 0.052, .minValid = 0, .beta1 = 0.06, .fov1 = 133.33333333333334}));
    // Modes above 4 search the ring afterwards: E = 2.5 fits the 3 mm draw without a ring.
    ASSERT_EQ(Run(8.0, 1.0, 5, -1.0, -1.0, 1.5), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 0, .draw = 2.5}));

    // The draw of 2.0 exceeds D = 0.5, which mode 4 does not test; the near
    // end is the given setting.
    Load(0.5);
    ASSERT_EQ(Run(8.0, 1.0, kModeRing, -1.0, -1.0, 2.0), kCalcOk);
    EXPECT_TRUE(ResultIs(r, {.ring = 2, .beta = 0.12, .draw = 2.0, .beta1 = 0.04, .beta2 = 0.12}));
}

TEST_F(Param1Test, RequestsWithoutAFiniteConfigurationAreInfeasible) {
    Load(3.0);
    const struct {
        double sensor, value;
        int mode;
        const char* why;
    } cases[] = {
        {8.0, 0.0, kModeMagnification, "magnification 0"},
        {8.0, 0.0, kModeFieldOfView, "field of view 0"},
        {0.0, 80.0, kModeFieldOfView, "sensor 0"},
        {8.0, 90.0, kModeObjectToImage, "shorter than 4f + H: no real root"},
        {8.0, 0.0, kModeRing, "ring 0 with no draw: magnification 0"},
        {8.0, 150.0, kModeRing, "a ring outside the table is never read"},
        {8.0, -2.0, kModeRing, "a ring outside the table is never read"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.sensor, c.value, c.mode), kCalcInfeasible) << c.why;
        EXPECT_EQ(r.nValid, 0) << c.why;
    }

    // Zero focal length and zero pupil magnification never succeed with
    // values that are not finite.
    lens.m_strParameter = L"0,0,0,0,10,15,0,1,1.4,3,100,16,0,0,30";
    lens.SetParameter();
    EXPECT_EQ(Run(8.0, 150.0, kModeObjectToImage), kCalcInfeasible);
    EXPECT_EQ(Run(8.0, 1.0, kModeRing, -1.0, -1.0, 1.0), kCalcInfeasible);
    for (int mode : {kModeWorkingDistance, kModeMagnification, kModeFieldOfView}) {
        const int code = Run(8.0, 0.1, mode);
        EXPECT_TRUE(code != kCalcOk || r.AllFinite()) << "mode " << mode;
    }
    lens.m_strParameter = L"25,0,0,0,10,15,0,0,1.4,3,100,16,0,0,30";
    lens.SetParameter();
    EXPECT_EQ(Run(8.0, 0.1, kModeMagnification, 2.8, -1.0), kCalcInfeasible);
}

// ---- contract over random lenses and requests --------------------------------

TEST(Param1Properties, RandomLensesAndRequestsKeepTheContract) {
    const auto stats = model_properties::Check([](model_properties::CRandom& rnd) {
        auto lens = std::make_unique<CCCTVData_Param1>();
        lens->m_nParamType = 1;
        lens->m_strParameter = model_properties::ParameterText(
            {rnd.Value(4.0, 100.0), rnd.Value(-10.0, 10.0), rnd.Value(0.0, 60.0), 0.0, rnd.Value(0.0, 30.0),
             rnd.Value(0.0, 30.0), 0.0, rnd.Value(0.3, 3.0), rnd.Value(1.0, 4.0), rnd.Value(0.0, 10.0),
             rnd.Value(0.0, 100.0), 16.0, rnd.Value(-2.0, 2.0), rnd.Value(-5.0, 5.0), 30.0});
        lens->SetParameter();
        return lens;
    });
    EXPECT_GT(stats.Count(kCalcOk), 500);
    EXPECT_GT(stats.Count(kCalcInfeasible), 100);
    EXPECT_GT(stats.Count(kCalcBelowRange), 100);
    EXPECT_GT(stats.Count(kCalcAboveRange), 100);
}
