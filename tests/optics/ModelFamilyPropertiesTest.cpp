// The ringless, fixed-magnification, two-group and motor-step models over
// many random lenses and requests: only their own codes, the ring index
// inside the table, and no success with a value that is not finite.
#include <gtest/gtest.h>

#include "optics/FixedMagnificationModels.h"
#include "optics/MotorStepModels.h"
#include "optics/RinglessModels.h"
#include "optics/TwoGroupModels.h"
#include "tests/optics/ModelProperties.h"
#include "tests/optics/ModelTestSupport.h"

using model_properties::CRandom;

namespace {

template <class Model>
std::unique_ptr<CCCTVData> Make(int paramType, const std::vector<double>& values) {
    return model_test::MakeLens<Model>(values, paramType);
}

}  // namespace

TEST(RinglessModelProperties, Param11AndParam16KeepTheContract) {
    for (int type : {11, 16}) {
        const auto stats = model_properties::Check([type](CRandom& rnd) {
            const std::vector<double> v = {rnd.Value(4.0, 100.0), rnd.Value(-10.0, 10.0), 0.0, 0.0,
                                           rnd.Value(0.0, 120.0), rnd.Value(0.0, 30.0),  0.0, rnd.Value(0.3, 3.0),
                                           rnd.Value(1.0, 4.0),   0.0, 0.0, 11.0, 25.0};
            return type == 11 ? Make<CCCTVData_Param11>(type, v) : Make<CCCTVData_Param16>(type, v);
        });
        EXPECT_GT(stats.Count(kCalcOk), 300) << type;
        EXPECT_GT(stats.Count(kCalcBelowRange), 500) << type;
        EXPECT_GT(stats.Count(kCalcAboveRange), 500) << type;
    }
}

TEST(FixedMagnificationModelProperties, Param10AndParam100KeepTheContract) {
    for (int type : {10, 100}) {
        const auto stats = model_properties::Check(
            [type](CRandom& rnd) {
                std::vector<double> v(23, 0.0);
                v[0] = rnd.Value(-2.0, 2.0);
                v[1] = rnd.Value(5.0, 100.0);
                v[4] = rnd.Value(10.0, 500.0);
                v[6] = rnd.Value(20.0, 700.0);
                v[9] = rnd.Value(0.0, 5.0);
                v[14] = rnd.Value(2.0, 20.0);
                v[15] = rnd.Value(2.0, 20.0);
                v[19] = 11.0;
                v[21] = 25.0;
                v[22] = rnd.Value(1.0, 8.0);
                return type == 10 ? Make<CCCTVData_Param10>(type, v) : Make<CCCTVData_Param100>(type, v);
            },
            {.codes = {kCalcOk, kCalcInfeasible}});
        EXPECT_GT(stats.Count(kCalcOk), 300) << type;
    }
}

TEST(TwoGroupModelProperties, Param2KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](CRandom& rnd) {
            return Make<CCCTVData_Param2>(
                2, {rnd.Value(20.0, 28.0), rnd.Value(20.0, 28.0), rnd.Value(5.0, 10.0), rnd.Value(0.0, 1.0),
                    rnd.Value(0.0, 5.0), rnd.Value(0.0, 1.0), rnd.Value(0.0, 1.0), 17.5, 11.0, rnd.Value(0.0, 1.0),
                    rnd.Value(2.0, 6.0), rnd.Value(11.0, 14.0), rnd.Value(-0.5, 0.5), rnd.Value(0.0, 2.0),
                    rnd.Value(8.0, 16.0), rnd.Value(-0.5, 0.5), rnd.Value(0.5, 2.0), rnd.Value(1.2, 4.0),
                    rnd.Value(15.0, 40.0), rnd.Value(0.0, 2.0), rnd.Value(0.0, 2.0), rnd.Value(0.0, 8.0),
                    rnd.Value(0.0, 100.0), 25.0});
        },
        {.codes = {kCalcOk, kCalcInfeasible}});
    EXPECT_GT(stats.Count(kCalcOk), 1000);
}

TEST(TwoGroupModelProperties, Param3KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](CRandom& rnd) {
            return Make<CCCTVData_Param3>(
                3, {rnd.Value(25.0, 35.0), rnd.Value(30.0, 40.0), rnd.Value(5.0, 10.0), rnd.Value(0.0, 2.0),
                    rnd.Value(0.0, 5.0), rnd.Value(0.0, 2.0), rnd.Value(0.0, 1.0), 17.5, 11.0, rnd.Value(8.0, 12.0),
                    rnd.Value(2.0, 6.0), rnd.Value(12.0, 14.0), rnd.Value(-0.5, 0.5), 0.0, rnd.Value(10.0, 20.0),
                    rnd.Value(1.2, 4.0), rnd.Value(0.5, 2.0), rnd.Value(-0.5, 0.5), rnd.Value(20.0, 40.0),
                    rnd.Value(0.0, 2.0), rnd.Value(-1.0, 1.0), rnd.Value(0.5, 2.0), rnd.Value(-0.5, 0.5),
                    rnd.Value(0.0, 8.0), rnd.Value(0.0, 100.0), 27.0});
        },
        {.codes = {kCalcOk, kCalcInfeasible}});
    EXPECT_GT(stats.Count(kCalcOk), 1000);
}

TEST(MotorStepModelProperties, Param4AndParam5KeepTheContract) {
    for (int type : {4, 5}) {
        const auto stats = model_properties::Check(
            [type](CRandom& rnd) {
                const double t12 = rnd.Value(0.002, 0.006);
                std::vector<double> v = {rnd.Value(15.0, 25.0), rnd.Value(25.0, 35.0), rnd.Value(3.0, 8.0),
                                         rnd.Value(0.0, 1.0),   rnd.Value(0.0, 5.0),   rnd.Value(4.0, 6.0),
                                         rnd.Value(0.0, 3.0),   17.5,                  11.0,
                                         -t12,                  rnd.Value(2.0, 4.0),   t12,
                                         rnd.Value(0.0, 0.5)};
                if (type == 4) {
                    for (double x : {rnd.Value(0.0, 1.0), rnd.Value(2.0, 4.0), rnd.Value(11.0, 13.0),
                                     rnd.Value(0.0, 0.5), rnd.Value(10.0, 16.0), rnd.Value(1.2, 4.0),
                                     rnd.Value(0.0, 6.0), rnd.Value(0.0, 100.0), 25.0})
                        v.push_back(x);
                    return Make<CCCTVData_Param4>(type, v);
                }
                for (double x : {rnd.Value(2.0, 4.0), rnd.Value(11.0, 13.0), rnd.Value(0.0, 0.5),
                                 rnd.Value(10.0, 16.0), rnd.Value(1.2, 4.0), rnd.Value(0.5, 2.0), rnd.Value(-0.5, 0.5),
                                 rnd.Value(50.0, 200.0), rnd.Value(0.5, 2.0), rnd.Value(4.0, 6.0),
                                 rnd.Value(-0.5, 0.5), rnd.Value(-2.0, 0.0), rnd.Value(0.0, 6.0),
                                 rnd.Value(0.0, 100.0), 25.0})
                    v.push_back(x);
                return Make<CCCTVData_Param5>(type, v);
            },
            {.lenses = 60, .codes = {kCalcOk, kCalcInfeasible}});
        EXPECT_GT(stats.Count(kCalcOk), 300) << type;
    }
}

TEST(MotorStepModelProperties, Param6KeepsTheContract) {
    const auto stats = model_properties::Check(
        [](CRandom& rnd) {
            return Make<CCCTVData_Param6>(
                6, {rnd.Value(35.0, 45.0), rnd.Value(-45.0, -35.0), rnd.Value(20.0, 30.0), rnd.Value(0.0, 4.0),
                    rnd.Value(0.0, 1.0), rnd.Value(0.0, 5.0), rnd.Value(3.0, 5.0), rnd.Value(0.0, 1.0), 17.5,
                    rnd.Value(0.0, 2.0), rnd.Value(0.0, 3.0), rnd.Value(0.0, 3.0), rnd.Value(0.5, 1.5),
                    rnd.Value(0.0, 1.0), rnd.Value(19.0, 23.0), rnd.Value(2.0, 4.0), rnd.Value(8.0, 12.0), 11.0,
                    rnd.Value(-0.03, -0.01), rnd.Value(0.5, 1.5), rnd.Value(-0.01, 0.01), rnd.Value(5.0, 7.0),
                    rnd.Value(10.0, 30.0), rnd.Value(1.2, 4.0), rnd.Value(0.0, 6.0), rnd.Value(0.0, 100.0), 22.0});
        },
        {.lenses = 60, .codes = {kCalcOk, kCalcInfeasible}});
    EXPECT_GT(stats.Count(kCalcOk), 300);
}
