// Start-up cost of the lens catalogue: opening the encrypted file (key
// derivation and the schema read) alone, and opening it and loading both
// lens tables.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "optics/CCCTVData.h"
#include "platform/ExecutableFolder.h"
#include "platform/Message.h"

namespace {

// The sample catalogue lives beside the program, as at run time.
std::wstring CataloguePath() { return quorrel::JoinPath(quorrel::GetExecutableFolder(), L"quorrel_cctv.mdb"); }

// Any message means the catalogue did not load; the run is then worthless.
struct FailOnMessage {
    quorrel::MessageSink previous;
    benchmark::State& state;
    explicit FailOnMessage(benchmark::State& s) : state(s) {
        previous = quorrel::SetMessageSink([this](const std::wstring&, quorrel::MessageIcon) {
            state.SkipWithError("the catalogue showed a message");
        });
    }
    ~FailOnMessage() { quorrel::SetMessageSink(std::move(previous)); }
};

void BM_OpenLensCatalogue(benchmark::State& state) {
    FailOnMessage guard(state);
    const std::wstring path = CataloguePath();
    for (auto _ : state) {
        CCatalogDatabase db;
        bool ok = db.Open(path, L"4817qz");
        benchmark::DoNotOptimize(ok);
        db.Close();
    }
}

void BM_LoadLensCatalogue(benchmark::State& state) {
    FailOnMessage guard(state);
    const std::wstring path = CataloguePath();
    size_t lensCount = 0, sensorCount = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CCCTVData>> lenses;
        std::vector<std::unique_ptr<CCCTVCCDData>> sensors;
        CCatalogDatabase db;
        if (db.Open(path, L"4817qz")) {
            db.LoadLensTable(lenses);
            db.LoadCCDTable(sensors);
        }
        db.Close();
        lensCount = lenses.size();
        sensorCount = sensors.size();
        benchmark::DoNotOptimize(lenses.data());
    }
    state.counters["lenses"] = static_cast<double>(lensCount);
    state.counters["sensors"] = static_cast<double>(sensorCount);
}

}  // namespace

BENCHMARK(BM_OpenLensCatalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLensCatalogue)->Unit(benchmark::kMillisecond);
