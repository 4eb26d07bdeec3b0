// The lens search over a synthetic catalogue of 10,000 lenses (2/3" sensor,
// 100 mm horizontal field of view): the search function with its row texts,
// against a bare loop of the same Calc calls.
#include <benchmark/benchmark.h>

#include "LensSearchBenchCatalogue.h"

namespace {

const lens_bench::tagBenchCatalogue& Catalogue() {
    static const lens_bench::tagBenchCatalogue cat = lens_bench::MakeBenchCatalogue();
    return cat;
}

// (a) The search as the page runs it; the row storage is reused from one
// search to the next, as the page reuses it.
void BM_SearchFunction(benchmark::State& state) {
    const auto& cat = Catalogue();
    const auto q = lens_bench::TwoThirdsInchFov100(cat);
    std::vector<lens_search::tagLensSearchRow> rows;
    int count = 0;
    for (auto _ : state) {
        count = lens_search::SearchLenses(cat.lenses, q, rows);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = count;
    state.counters["lenses"] = static_cast<double>(cat.lenses.size());
}

// (a') The same with fresh row storage on every search.
void BM_SearchFunctionFreshRows(benchmark::State& state) {
    const auto& cat = Catalogue();
    const auto q = lens_bench::TwoThirdsInchFov100(cat);
    int count = 0;
    for (auto _ : state) {
        std::vector<lens_search::tagLensSearchRow> rows;
        count = lens_search::SearchLenses(cat.lenses, q, rows);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = count;
}

// (c) Only the Calc calls the search makes: the same lenses, mode, value and
// preset result record, without the window test or any text.
void BM_BareCalcLoop(benchmark::State& state) {
    const auto& cat = Catalogue();
    const auto q = lens_bench::TwoThirdsInchFov100(cat);
    std::vector<CCCTVData*> calculated;
    tagLensCalcResult r;
    r.FillRingTable();
    for (CCCTVData* lens : cat.lenses)
        if (lens_search::CalcLensForSearch(*lens, q, r) != lens_search::kLensNotCalculated)
            calculated.push_back(lens);
    const double value = q.dDiagonal * q.dValue / q.dHorizontal;
    for (auto _ : state) {
        for (CCCTVData* lens : calculated) {
            for (int i = 0; i < 3; ++i) {
                r.dFOV[i] = r.dMagnification[i] = r.dExtension[i] = -1.0;
                r.dObjectToImage[i] = r.dWD[i] = r.dFocusDraw[i] = -1.0;
            }
            r.nValid = r.nMinValid = r.nMaxValid = r.nRingIndex = 0;
            const int code = lens->Calc(q.dDiagonal, value, kModeFieldOfView, r, -1.0, -1.0,
                                        lens_search::kSearchCoc, 0.0);
            benchmark::DoNotOptimize(code);
        }
        benchmark::ClobberMemory();
    }
    state.counters["calls"] = static_cast<double>(calculated.size());
}

}  // namespace

BENCHMARK(BM_SearchFunction)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFunctionFreshRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareCalcLoop)->Unit(benchmark::kMillisecond);
