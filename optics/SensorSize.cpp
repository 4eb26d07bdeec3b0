#include "optics/SensorSize.h"

#include <cmath>

namespace optics {

ManualSensor ReadManualSensor(double h, double v, double d) {
    ManualSensor s;
    if (!std::isfinite(h) || !std::isfinite(v)) return s;
    if (v > 0.0 && h > 0.0) {
        // hypot neither overflows nor underflows on the way; a diagonal too
        // large for a double is no sensor.
        const double diagonal = std::hypot(v, h);
        if (std::isfinite(diagonal)) s = {true, true, h, v, diagonal};
    } else if (d > 0.0 && std::isfinite(d)) {
        s = {true, false, h, v, d};
    }
    return s;
}

}  // namespace optics
