// Helpers the optical-model tests share: a close comparison for
// hand-computed values, a comparison of a whole result record against the
// values a test writes out, a calculation with the lens search's preset, a
// lens made from its parameter text, and two fixtures: one that holds a lens
// of one model, one that runs requests on lenses a test makes.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "optics/CCCTVData.h"
#include "tests/optics/ModelProperties.h"

// The tables and expected records name only the fields they check.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// Hand-computed values are written to 12 significant digits or more.
#define EXPECT_CLOSE(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-10 * std::fabs(expected) + 1e-300)

namespace model_test {

// What a test expects of a result record; whatever is left out is not
// checked. Column [0] is the configuration, [1] the far end (smallest
// magnification), [2] the near end. Values agree within `rel` of the
// expected value (the default is a few units in the last place).
struct Expected {
    double rel = 1e-15;
    std::optional<int> valid, ring;
    std::optional<double> beta, fov, wd, oi, ext, draw, fno, fe, dof;
    std::optional<int> minValid;
    std::optional<double> beta1, fov1, wd1, oi1;
    std::optional<int> maxValid;
    std::optional<double> beta2, fov2, wd2, oi2;
};

// Use as EXPECT_TRUE(ResultIs(r, {.beta = 0.2, ...})); a failure lists every
// value that differs.
inline ::testing::AssertionResult ResultIs(const tagLensCalcResult& r, const Expected& e) {
    std::ostringstream bad;
    bad.precision(17);
    const auto value = [&](const char* name, double actual, const std::optional<double>& want) {
        if (!want || actual == *want || std::fabs(actual - *want) <= e.rel * std::fabs(*want)) return;
        bad << "\n  " << name << " is " << actual << ", expected " << *want;
    };
    const auto count = [&](const char* name, int actual, const std::optional<int>& want) {
        if (want && actual != *want) bad << "\n  " << name << " is " << actual << ", expected " << *want;
    };
    count("nValid", r.nValid, e.valid);
    count("nRingIndex", r.nRingIndex, e.ring);
    value("dMagnification[0]", r.dMagnification[0], e.beta);
    value("dFOV[0]", r.dFOV[0], e.fov);
    value("dWD[0]", r.dWD[0], e.wd);
    value("dObjectToImage[0]", r.dObjectToImage[0], e.oi);
    value("dExtension[0]", r.dExtension[0], e.ext);
    value("dFocusDraw[0]", r.dFocusDraw[0], e.draw);
    value("dFno", r.dFno, e.fno);
    value("dEffectiveFno", r.dEffectiveFno, e.fe);
    value("dDOF", r.dDOF, e.dof);
    count("nMinValid", r.nMinValid, e.minValid);
    value("dMagnification[1]", r.dMagnification[1], e.beta1);
    value("dFOV[1]", r.dFOV[1], e.fov1);
    value("dWD[1]", r.dWD[1], e.wd1);
    value("dObjectToImage[1]", r.dObjectToImage[1], e.oi1);
    count("nMaxValid", r.nMaxValid, e.maxValid);
    value("dMagnification[2]", r.dMagnification[2], e.beta2);
    value("dFOV[2]", r.dFOV[2], e.fov2);
    value("dWD[2]", r.dWD[2], e.wd2);
    value("dObjectToImage[2]", r.dObjectToImage[2], e.oi2);
    if (bad.str().empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the result differs:" << bad.str();
}

// Fields read from the parameter text "1,2,3,...": each must hold the
// number of its token. The fields are listed in token order, scalars and
// whole arrays alike.
inline void AppendFields(std::vector<double>& v, double field) { v.push_back(field); }
template <size_t N>
void AppendFields(std::vector<double>& v, const double (&fields)[N]) {
    v.insert(v.end(), fields, fields + N);
}
template <class... Fields>
void ExpectTokenOrder(const Fields&... fields) {
    std::vector<double> v;
    (AppendFields(v, fields), ...);
    for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i], i + 1.0) << "field for token " << i + 1;
}

// The parameter text "1,2,...,n".
inline std::wstring CountingText(int n) {
    std::vector<double> v;
    for (int i = 1; i <= n; ++i) v.push_back(i);
    return model_properties::ParameterText(v);
}

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

// One request of a table (value, mode, given draw), the code it must give
// and what else the result must hold.
struct Case {
    double value;
    int mode;
    double draw;
    int code;
    Expected expect = {};
};

// One lens of class Model; requests on the 11 mm sensor diagonal, each with
// the search's preset (RunOnRecord keeps the record as the test left it).
template <class Model>
struct LensFixture : ::testing::Test {
    Model lens;
    tagLensCalcResult r;

    void Load(const std::wstring& text) {
        lens.m_strParameter = text;
        lens.SetParameter();
        r.PresetForSearch();
    }
    int RunOnRecord(double value, int mode, double fno = -1.0, double wantedDOF = -1.0, double draw = 0.0,
                    double coc = 0.04) {
        return lens.CalcOptics(11.0, value, mode, r, fno, wantedDOF, coc, draw);
    }
    int Run(double value, int mode, double fno = -1.0, double wantedDOF = -1.0, double draw = 0.0,
            double coc = 0.04) {
        r.PresetForSearch();
        return RunOnRecord(value, mode, fno, wantedDOF, draw, coc);
    }
    void ExpectCases(std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "value " << c.value << ", mode " << c.mode << ", draw " << c.draw);
            EXPECT_EQ(Run(c.value, c.mode, -1.0, -1.0, c.draw), c.code);
            EXPECT_TRUE(ResultIs(r, c.expect));
        }
    }
};

// Requests on lenses the test makes, each with the search's preset and, by
// default, F 2.8.
struct SearchFixture : ::testing::Test {
    tagLensCalcResult r;
    int Run(CCCTVData& lens, double sensor, double value, int mode, double fno = 2.8,
            double wantedDOF = -1.0, double coc = 0.04, double draw = 0.0) {
        return SearchCalc(lens, r, sensor, value, mode, fno, wantedDOF, coc, draw);
    }
};

}  // namespace model_test
