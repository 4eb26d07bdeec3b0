// The sensor size typed by hand.
#include <gtest/gtest.h>

#include <limits>

#include "optics/SensorSize.h"

using optics::ManualSensor;
using optics::ReadManualSensor;

TEST(SensorSize, ManualSensorNeedsWidthAndHeightOrADiagonal) {
    // V 3.6 and H 4.8 give D = sqrt(3.6^2 + 4.8^2) = sqrt(12.96 + 23.04) = 6.
    ManualSensor s = ReadManualSensor(4.8, 3.6, 0.0);
    EXPECT_TRUE(s.known && s.withVH);
    EXPECT_DOUBLE_EQ(s.d, 6.0);
    s = ReadManualSensor(5.0, 0.0, 8.0);
    EXPECT_TRUE(s.known);
    EXPECT_FALSE(s.withVH);
    EXPECT_DOUBLE_EQ(s.d, 8.0);
    EXPECT_FALSE(ReadManualSensor(5.0, 0.0, 0.0).known);
    EXPECT_FALSE(ReadManualSensor(0.0, 0.0, -3.0).known);
}

TEST(SensorSize, ManualSensorDiagonalNeverOverflowsNorUnderflows) {
    // 1e200 x 1e200: V^2 + H^2 = 2e400 overflows a double, the diagonal
    // 1.41421e200 does not.
    ManualSensor s = ReadManualSensor(1e200, 1e200, 0.0);
    EXPECT_TRUE(s.known && s.withVH);
    EXPECT_DOUBLE_EQ(s.d, 1.4142135623730951e200);
    // 3e-200 x 4e-200: the squares underflow to 0, the diagonal is 5e-200.
    s = ReadManualSensor(4e-200, 3e-200, 0.0);
    EXPECT_TRUE(s.known && s.withVH);
    EXPECT_DOUBLE_EQ(s.d, 5e-200);
    // 1.5e308 x 1.5e308: the diagonal 2.12e308 is beyond the largest double
    // (1.797e308): no sensor, whatever diagonal was typed.
    EXPECT_FALSE(ReadManualSensor(1.5e308, 1.5e308, 8.0).known);
    // Sizes that are no finite numbers are no sensor either.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(ReadManualSensor(inf, 3.6, 0.0).known);
    EXPECT_FALSE(ReadManualSensor(4.8, nan, 6.0).known);
    EXPECT_FALSE(ReadManualSensor(0.0, 0.0, inf).known);
    EXPECT_FALSE(ReadManualSensor(0.0, 0.0, nan).known);
}
