// A sensor size typed by hand, read the same way by every page that lets
// the user type one (lens search, detail calculation, telecentric search).
#pragma once

namespace optics {

// Width and height give the diagonal; a diagonal alone is a sensor whose
// width and height are unknown (the sizes typed are kept as read, but never
// both above zero). A size or diagonal that is not a finite number is no
// sensor.
struct ManualSensor {
    bool known = false;
    bool withVH = false;  // width and height known
    double h = 0.0, v = 0.0, d = 0.0;
};
ManualSensor ReadManualSensor(double h, double v, double d);

}  // namespace optics
