// Cost of one thin-lens calculation in each mode.
#include <benchmark/benchmark.h>

#include "optics/CCCTVData_Param1.h"

namespace {

struct Fixture {
    CCCTVData_Param1 lens;
    tagLensCalcResult r;
    Fixture() {
        lens.m_strParameter = L"25,1.2,30,0,10,15,0,0.9,1.4,3,100,16,0,0,30";
        lens.SetParameter();
        r.PresetForSearch();
    }
};

void Run(benchmark::State& state, int mode, double value, double draw) {
    Fixture fx;
    for (auto _ : state) {
        const int code = fx.lens.Calc(11.0, value, mode, fx.r, -1.0, -1.0, 0.04, draw);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(fx.r);
    }
}

void BM_Param1_WorkingDistance(benchmark::State& s) { Run(s, 0, 300.0, 0.0); }
void BM_Param1_Magnification(benchmark::State& s) { Run(s, 1, 0.1, 0.0); }
void BM_Param1_FieldOfView(benchmark::State& s) { Run(s, 2, 100.0, 0.0); }
void BM_Param1_ObjectToImage(benchmark::State& s) { Run(s, 3, 400.0, 0.0); }
void BM_Param1_Ring(benchmark::State& s) { Run(s, 4, 1.0, 1.5); }
// Far beyond the draw range: the ring search runs through the whole table.
void BM_Param1_LongRingSearch(benchmark::State& s) { Run(s, 1, 4.2, 0.0); }

}  // namespace

BENCHMARK(BM_Param1_WorkingDistance);
BENCHMARK(BM_Param1_Magnification);
BENCHMARK(BM_Param1_FieldOfView);
BENCHMARK(BM_Param1_ObjectToImage);
BENCHMARK(BM_Param1_Ring);
BENCHMARK(BM_Param1_LongRingSearch);
