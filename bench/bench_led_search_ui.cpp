// The illumination search over a synthetic catalogue of 10,000 lights: the
// sample catalogue's lights read again and again, each round's model names
// made unique. Two requests: a lens (64 x 48 mm field, lens WD 150 mm,
// effective diameter 23.46 mm) and a lighting area (40 mm horizontal at an
// illumination WD of 20 mm), which most lights meet. Measured: the search
// function against a bare loop of the same MatchSearch calls, the cell texts
// of every row found, and the search page's list filled. Needs a display
// (scripts/with-display).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/log.h>

#include "catalogue/CCatalogDatabase.h"
#include "illumination/CLEDModelSelectionDlg.h"
#include "illumination/CLedData.h"
#include "illumination/LedSearch.h"
#include "illumination/LedVocabulary.h"
#include "platform/ExecutableFolder.h"

namespace {

constexpr size_t kLightCount = 10000;

struct tagBenchCatalogue {
    std::vector<std::unique_ptr<CLedData>> owned;
    std::vector<CLedData*> lights;  // what the search page holds
    std::vector<std::unique_ptr<CLedTypeData>> types;
    std::vector<std::unique_ptr<CLedColorData>> colors;
    std::vector<CLedTypeData*> typePointers;
    std::vector<CLedColorData*> colorPointers;
};

tagBenchCatalogue MakeBenchCatalogue() {
    const std::wstring path = quorrel::JoinPath(quorrel::GetExecutableFolder(), L"quorrel_led.mdb");
    CCatalogDatabase db;
    if (!db.Open(path, L"3062mh")) throw std::runtime_error("sample catalogue not readable");
    tagBenchCatalogue cat;
    if (!db.LoadIlluminationTypeTable(cat.types) || !db.LoadColorTable(cat.colors))
        throw std::runtime_error("sample vocabularies not loaded");
    for (int round = 0; cat.owned.size() < kLightCount; ++round) {
        const size_t first = cat.owned.size();
        if (!db.LoadLedCommonTable(cat.owned) || cat.owned.size() == first)
            throw std::runtime_error("sample lights not loaded");
        for (size_t i = first; i < cat.owned.size(); ++i) cat.owned[i]->ProductName += L"-" + std::to_wstring(round);
    }
    db.Close();
    cat.owned.resize(kLightCount);
    for (const auto& l : cat.owned) cat.lights.push_back(l.get());
    for (const auto& t : cat.types) cat.typePointers.push_back(t.get());
    for (const auto& c : cat.colors) cat.colorPointers.push_back(c.get());
    return cat;
}

led_search::tagLedSearchRequest Request(const tagBenchCatalogue& cat, bool lens) {
    led_search::tagLedSearchRequest q;
    q.nTypeMask = led_search::TypeMask(cat.typePointers, std::vector<bool>(cat.typePointers.size(), true));
    q.nColorMask = 63;
    q.nControlMask = 3;
    if (lens) {
        q.dFovH = 64.0, q.dFovV = 48.0, q.dFovD = 80.0, q.dLensWD = 150.0, q.dEffDiameter = 23.46;
    } else {
        q.dIllumWD = 20.0, q.dAreaH = 40.0;
    }
    return q;
}

// The toolkit wants an application object; the benchmarks need nothing of it.
class CBenchApp : public wxApp {};

struct PageFixture {
    tagBenchCatalogue cat = MakeBenchCatalogue();
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(870, 720));
    CLEDModelSelectionDlg& page = *new CLEDModelSelectionDlg;  // owned by the frame

    PageFixture() {
        page.CreatePage(frame);
        page.m_arrLedData = cat.lights;
        page.SetTypeList(cat.types);
        page.m_arrLedColorData = cat.colorPointers;
        page.Show();
        frame->Show();
        wxTheApp->Yield();
    }
    ~PageFixture() {
        frame->Destroy();
        wxTheApp->Yield();
    }
};

PageFixture* g_fixture = nullptr;

// (a) The search function as the page runs it; the row storage is reused
// from one search to the next, as the page reuses it.
void BM_SearchFunction(benchmark::State& state) {
    const tagBenchCatalogue& cat = g_fixture->cat;
    const auto q = Request(cat, state.range(0) != 0);
    std::vector<led_search::tagLedSearchRow> rows;
    int count = 0;
    for (auto _ : state) {
        count = led_search::SearchLights(cat.lights, q, rows);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = count;
}

// (a') The cell texts of every row found, as a sort or the column widths
// need them.
void BM_FormatAllRows(benchmark::State& state) {
    const tagBenchCatalogue& cat = g_fixture->cat;
    const std::wstring english = L"EN";
    const led_search::tagLedNameLists names{cat.typePointers, cat.colorPointers, english};
    std::vector<led_search::tagLedSearchRow> rows;
    led_search::SearchLights(cat.lights, Request(cat, state.range(0) != 0), rows);
    std::vector<led_search::tagLedCells> cells;
    for (auto _ : state) {
        led_search::FormatRows(rows, names, cells);
        benchmark::DoNotOptimize(cells.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

// (b) Only the MatchSearch calls the search makes, each with a fresh range.
void BM_BareMatchLoop(benchmark::State& state) {
    const tagBenchCatalogue& cat = g_fixture->cat;
    const auto q = Request(cat, state.range(0) != 0);
    for (auto _ : state) {
        for (CLedData* light : cat.lights) {
            tagLedWDRange range;
            const int code = light->MatchSearch(q.dFovH, q.dFovV, q.dFovD, q.dLensWD, q.dEffDiameter, q.nTypeMask,
                                                q.dIllumWD, q.dAreaH, q.dAreaV, q.dAreaD, q.nColorMask,
                                                q.nControlMask, q.dCurrentLimit, q.dPowerLimit, range);
            benchmark::DoNotOptimize(code);
            benchmark::DoNotOptimize(range);
        }
        benchmark::ClobberMemory();
    }
    state.counters["lights"] = static_cast<double>(cat.lights.size());
}

// (c) The page's list filled: the search, the rows shown and the columns
// fitted to their texts.
void BM_FillResultList(benchmark::State& state) {
    const auto q = Request(g_fixture->cat, state.range(0) != 0);
    int rows = 0;
    for (auto _ : state) rows = g_fixture->page.FillResultList(q);
    state.counters["rows"] = rows;
}

// (c') The same, then the list painted as the user sees it.
void BM_FillAndPaint(benchmark::State& state) {
    const auto q = Request(g_fixture->cat, state.range(0) != 0);
    int rows = 0;
    for (auto _ : state) {
        rows = g_fixture->page.FillResultList(q);
        g_fixture->page.m_listResult->Update();
        wxTheApp->Yield();
    }
    state.counters["rows"] = rows;
}

}  // namespace

// Argument 1: the lens request; 0: the lighting-area request.
BENCHMARK(BM_SearchFunction)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatAllRows)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareMatchLoop)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillResultList)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new CBenchApp);
    // Starts the toolkit and stops it again at the end of main.
    const wxInitializer toolkit(argc, argv);
    if (!toolkit.IsOk()) {
        std::fprintf(stderr, "bench_led_search_ui: the toolkit could not start (no display?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    {
        PageFixture fixture;
        g_fixture = &fixture;
        benchmark::RunSpecifiedBenchmarks();
        g_fixture = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
