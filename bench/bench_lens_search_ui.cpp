// The lens search on a real, shown search page over the synthetic catalogue
// of 10,000 lenses (2/3" sensor, 100 mm horizontal field of view): the
// search with the result list filled, and the same with the list painted.
// Needs a display (scripts/with-display).
#include <benchmark/benchmark.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/log.h>

#include "LensSearchBenchCatalogue.h"
#include "lens_selection/CCCTVModelSelectionDlg.h"

namespace {

class CBenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

struct PageFixture {
    lens_bench::tagBenchCatalogue cat = lens_bench::MakeBenchCatalogue();
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(870, 720));
    CCCTVModelSelectionDlg& page = *new CCCTVModelSelectionDlg;  // owned by the frame
    lens_search::tagLensSearchRequest q = lens_bench::TwoThirdsInchFov100(cat);

    PageFixture() {
        page.CreatePage(frame);
        page.m_arrCCTVData = cat.lenses;
        page.m_nSensorAxes = q.nSensorAxes;
        page.Show();
        frame->Show();
        wxTheApp->Yield();
    }
    ~PageFixture() {
        frame->Destroy();
        wxTheApp->Yield();
    }
    int Fill() {
        return page.FillResultList(q.dDiagonal, q.dHorizontal, q.dVertical, q.dValue, q.nKind, q.dWDMin,
                                   q.dWDMax, q.nSensorMask);
    }
};

PageFixture* g_fixture = nullptr;

// (b) The search with the list filled.
void BM_SearchAndFillList(benchmark::State& state) {
    int rows = 0;
    for (auto _ : state) rows = g_fixture->Fill();
    state.counters["rows"] = rows;
}

// (b') The same, then the list painted as the user sees it.
void BM_SearchFillAndPaint(benchmark::State& state) {
    int rows = 0;
    for (auto _ : state) {
        rows = g_fixture->Fill();
        g_fixture->page.m_listResult->Update();
        wxTheApp->Yield();
    }
    state.counters["rows"] = rows;
}

// Sorting the filled list by a number column (one header click).
void BM_SortByWorkingDistance(benchmark::State& state) {
    g_fixture->Fill();
    for (auto _ : state) g_fixture->page.OnLvnColumnclickResult(lens_search::kColWD);
    state.counters["rows"] = g_fixture->page.m_listResult->GetItemCount();
}

// Sorting by model name.
void BM_SortByModel(benchmark::State& state) {
    g_fixture->Fill();
    for (auto _ : state) g_fixture->page.OnLvnColumnclickResult(lens_search::kColModel);
    state.counters["rows"] = g_fixture->page.m_listResult->GetItemCount();
}

}  // namespace

BENCHMARK(BM_SearchAndFillList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFillAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByWorkingDistance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByModel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new CBenchApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "bench_lens_search_ui: the toolkit could not start (no display?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    int result = 1;
    if (wxTheApp->CallOnInit()) {
        {
            PageFixture fixture;
            g_fixture = &fixture;
            benchmark::RunSpecifiedBenchmarks();
            g_fixture = nullptr;
        }
        result = 0;
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    benchmark::Shutdown();
    return result;
}
