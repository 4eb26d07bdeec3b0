// Property check of an optical model over many random lenses and requests.
//
// Whatever the lens values and the request, a model must answer with one of
// the codes it may return, keep the ring index inside the ring table, and
// never report success with a value that is not finite. The check calls
// CalcOptics directly (not Calc, which would hide a non-finite success).
//
// Use from a test:
//
//   const auto stats = model_properties::Check(
//       [](model_properties::CRandom& rnd) {
//           auto lens = std::make_unique<CCCTVData_Param2>();
//           lens->m_strParameter = model_properties::ParameterText({rnd.Value(10, 50), ...});
//           lens->SetParameter();
//           return lens;
//       });
//   EXPECT_GT(stats.Count(kCalcOk), 100);  // the successes were exercised
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "optics/CCCTVData.h"
#include "platform/Text.h"

namespace model_properties {

// Random numbers for lens values and requests: mostly a plausible value from
// a range, now and then a degenerate one.
class CRandom {
public:
    explicit CRandom(std::uint32_t seed) : m_engine(seed) {}

    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_engine); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }

    // Zero, a tiny or a huge magnitude, a negative value or a range end.
    double Degenerate(double lo, double hi) {
        const double choices[] = {0.0, 1e-12, -1e-12, -1.0, -lo, -hi, lo, hi, hi * 1e6, 1e12};
        return choices[Int(0, static_cast<int>(std::size(choices)) - 1)];
    }

    // A value in [lo, hi], degenerate with probability pDegenerate.
    double Value(double lo, double hi, double pDegenerate = 0.05) {
        return Chance(pDegenerate) ? Degenerate(lo, hi) : Uniform(lo, hi);
    }

    // One of the given values.
    double OneOf(std::initializer_list<double> values) {
        return values.begin()[Int(0, static_cast<int>(values.size()) - 1)];
    }

    std::mt19937& Engine() { return m_engine; }

private:
    std::mt19937 m_engine;
};

// The values as a parameter text "v1,v2,...", each written so that it reads
// back exactly.
inline std::wstring ParameterText(const std::vector<double>& values) {
    std::wstring text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += L',';
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, values[i]);
        text.append(buf, res.ptr);
    }
    return text;
}

// One random request, in the argument order of CalcOptics.
struct Request {
    double sensor = 0.0;
    double value = 0.0;
    int mode = 0;
    double fno = -1.0;
    double wantedDOF = -1.0;
    double coc = 0.04;
    double draw = 0.0;
    bool zeroPreset = false;  // the detail page's preset (all zero) instead of the search's

    std::string Describe() const {
        std::ostringstream s;
        s.precision(17);
        s << "sensor " << sensor << ", value " << value << ", mode " << mode << ", fno " << fno
          << ", wantedDOF " << wantedDOF << ", coc " << coc << ", draw " << draw
          << (zeroPreset ? ", zero preset" : ", search preset");
        return s.str();
    }
};

inline Request RandomRequest(CRandom& rnd, int minMode, int maxMode) {
    Request q;
    q.sensor = rnd.Value(1.0, 45.0);
    q.mode = rnd.Int(minMode, maxMode);
    switch (q.mode) {
    case kModeWorkingDistance: q.value = rnd.Value(1.0, 3000.0); break;
    case kModeMagnification: q.value = rnd.Value(0.001, 3.0); break;
    case kModeFieldOfView: q.value = rnd.Value(1.0, 2000.0); break;
    case kModeObjectToImage: q.value = rnd.Value(10.0, 4000.0); break;
    default: q.value = rnd.Value(0.0, 100.0); break;  // ring thickness
    }
    q.fno = rnd.Chance(0.3) ? -1.0 : rnd.Value(0.7, 32.0);
    q.wantedDOF = rnd.Chance(0.5) ? -1.0 : rnd.Value(0.0, 50.0);
    q.coc = rnd.Chance(0.6) ? 0.04 : rnd.Value(0.001, 0.2);
    q.draw = rnd.Value(0.0, 30.0);
    q.zeroPreset = rnd.Chance(0.3);
    return q;
}

struct Options {
    int lenses = 300;          // random lenses made
    int requestsPerLens = 40;  // random requests per lens
    std::vector<int> codes = {kCalcOk, kCalcInfeasible, kCalcBelowRange, kCalcAboveRange};
    int minMode = -1;
    int maxMode = 6;
    std::uint32_t seed = 20240611;
    int maxReports = 5;  // failures reported in full; the rest are only counted
};

// How often each code came back, so a test can make sure the interesting
// paths were reached.
struct Stats {
    std::map<int, int> codes;
    int failures = 0;
    int Count(int code) const {
        const auto it = codes.find(code);
        return it == codes.end() ? 0 : it->second;
    }
};

using LensMaker = std::function<std::unique_ptr<CCCTVData>(CRandom&)>;

// Runs the requests and records a gtest failure for every broken property.
inline Stats Check(const LensMaker& make, const Options& options = {}) {
    CRandom rnd(options.seed);
    Stats stats;
    tagLensCalcResult r;
    for (int l = 0; l < options.lenses; ++l) {
        const std::unique_ptr<CCCTVData> lens = make(rnd);
        for (int q = 0; q < options.requestsPerLens; ++q) {
            const Request req = RandomRequest(rnd, options.minMode, options.maxMode);
            if (req.zeroPreset) {
                r = tagLensCalcResult{};
                r.FillRingTable();
            } else {
                r.PresetForSearch();
            }
            const int code = lens->CalcOptics(req.sensor, req.value, req.mode, r, req.fno, req.wantedDOF,
                                              req.coc, req.draw);
            ++stats.codes[code];

            std::string broken;
            bool listed = false;
            for (int c : options.codes) listed = listed || c == code;
            if (!listed) broken += " unexpected code " + std::to_string(code) + ";";
            if (r.nRingIndex < 0 || r.nRingIndex >= tagLensCalcResult::kRingCount)
                broken += " ring index " + std::to_string(r.nRingIndex) + " outside the table;";
            if (code == kCalcOk && !r.AllFinite()) broken += " success with a value that is not finite;";
            if (broken.empty()) continue;

            if (++stats.failures <= options.maxReports) {
                ADD_FAILURE() << "parameter type " << lens->m_nParamType << ", parameter text \""
                              << quorrel::ToUtf8(lens->m_strParameter)
                              << "\", " << req.Describe() << ":" << broken;
            }
        }
    }
    EXPECT_EQ(stats.failures, 0) << "requests that broke a property (first " << options.maxReports
                                 << " shown above)";
    return stats;
}

}  // namespace model_properties
