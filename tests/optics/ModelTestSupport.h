// Helpers the optical-model tests share: a close comparison for
// hand-computed values, a calculation with the lens search's preset, a lens
// made from its parameter text, and two fixtures: one that holds a lens of
// one model, one that runs requests on lenses a test makes.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "optics/CCCTVData.h"
#include "tests/optics/ModelProperties.h"

// Hand-computed values are written to 12 significant digits or more.
#define EXPECT_CLOSE(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-10 * std::fabs(expected) + 1e-300)

namespace model_test {

// A calculation as the lens search makes it: triples -1.0, flags 0.
inline int SearchCalc(CCCTVData& lens, tagLensCalcResult& r, double sensor, double value, int mode,
                      double fno = -1.0, double wantedDOF = -1.0, double coc = 0.04,
                      double draw = 0.0) {
    r.PresetForSearch();
    return lens.CalcOptics(sensor, value, mode, r, fno, wantedDOF, coc, draw);
}

// A lens of class Lens and the given parameter type that has read `text`.
template <class Lens>
std::unique_ptr<Lens> MakeLens(const std::wstring& text, int paramType) {
    auto lens = std::make_unique<Lens>();
    lens->m_nParamType = paramType;
    lens->m_strParameter = text;
    lens->SetParameter();
    return lens;
}

// The same with the text written from the values.
template <class Lens>
std::unique_ptr<Lens> MakeLens(const std::vector<double>& values, int paramType) {
    return MakeLens<Lens>(model_properties::ParameterText(values), paramType);
}

// One lens of class Model; requests on the 11 mm sensor diagonal with the
// search's preset as loaded.
template <class Model>
struct LensFixture : ::testing::Test {
    Model lens;
    tagLensCalcResult r;

    void Load(const std::wstring& text) {
        lens.m_strParameter = text;
        lens.SetParameter();
        r.PresetForSearch();
    }
    int Run(double value, int mode, double fno = -1.0, double wantedDOF = -1.0, double draw = 0.0,
            double coc = 0.04) {
        return lens.CalcOptics(11.0, value, mode, r, fno, wantedDOF, coc, draw);
    }
};

// Requests on lenses the test makes, each with the search's preset and, by
// default, F 2.8.
struct SearchFixture : ::testing::Test {
    tagLensCalcResult r;
    void SetUp() override { r.PresetForSearch(); }
    int Run(CCCTVData& lens, double sensor, double value, int mode, double fno = 2.8,
            double wantedDOF = -1.0, double coc = 0.04, double draw = 0.0) {
        return SearchCalc(lens, r, sensor, value, mode, fno, wantedDOF, coc, draw);
    }
};

}  // namespace model_test
