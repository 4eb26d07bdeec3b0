// The thin-lens model with close-up rings over many random lenses and
// requests.
#include <gtest/gtest.h>

#include "optics/CCCTVData_Param1.h"
#include "tests/optics/ModelProperties.h"

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
