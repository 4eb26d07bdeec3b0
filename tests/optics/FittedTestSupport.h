// Small helpers of the fitted-model tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "optics/CCCTVData.h"

// Hand-computed values are written to 12 significant digits or more.
#define EXPECT_CLOSE(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-10 * std::fabs(expected) + 1e-300)

namespace fitted_test {

// A calculation as the lens search makes it: triples -1.0, flags 0.
inline int SearchCalc(CCCTVData& lens, tagLensCalcResult& r, double sensor, double value, int mode,
                      double fno = -1.0, double wantedDOF = -1.0, double coc = 0.04,
                      double draw = 0.0) {
    r.PresetForSearch();
    return lens.CalcOptics(sensor, value, mode, r, fno, wantedDOF, coc, draw);
}

}  // namespace fitted_test
