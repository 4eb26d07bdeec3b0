// One page of a 45-row non-telecentric report drawn as the print preview
// draws it: through the toolkit adapter into an A4 page bitmap at screen
// resolution (100 % zoom) for a 600 dpi printer. The preview redraws every
// page on each zoom. Needs a display (scripts/with-display).
#include <benchmark/benchmark.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/log.h>

#include "platform/wx/ReportDCWx.h"
#include "report/CCTVReport.h"

namespace {

class CBenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

report::tagCCTVReportInput FortyFiveRows() {
    report::tagCCTVReportInput in;
    in.language = L"EN";
    in.date = L"2026/12/06";
    in.sensorCombo = L"2/3\"";
    in.conditions[report::kCondW] = true;
    in.conditionValue = L"100";
    for (int k = 0; k < 45; ++k)
        in.rows.push_back({L"QF-" + std::to_wstring(k) + L"M14", L"5.00", L"35.0(44.0-27.5)", L"26.3(33.0-20.6)",
                           L"43.8(55.0-34.4)", L"0.25(0.20-0.32)", L"100.0(125.5-78.6)"});
    in.selectedRow = 5;
    in.hasLens = true;
    in.maxDraw = 3.0;
    in.lens = L"QF-25M14";
    in.sensor = L"2/3\"";
    in.ring = L"5.0";
    in.fovV = L"26.275";
    in.fovH = L"35.033";
    in.magnification = L"0.251";
    in.wd = L"100.000";
    in.objectToImage = L"153.806";
    in.effectiveFno = L"1.720";
    in.fno = L"1.4";
    in.dof = L"2.181";
    in.focusDraw = L"1.280";
    return in;
}

void BM_PreviewPageOf45Rows(benchmark::State& state) {
    const report::tagCCTVReportInput in = FortyFiveRows();
    const int page = static_cast<int>(state.range(0));
    // A4 at 96 dpi on screen; the printer's page is 4961 x 7016 pixels.
    wxBitmap bitmap(794, 1123);
    for (auto _ : state) {
        wxMemoryDC dc(bitmap);
        dc.Clear();
        quorrel::CWxReportDC report(dc, {600.0 / 254.0, 600.0 / 254.0}, {794.0 / 4961.0, 1123.0 / 7016.0});
        report::DrawCCTVReportPage(report, in, page, 297);
    }
}

}  // namespace

BENCHMARK(BM_PreviewPageOf45Rows)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new CBenchApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "bench_report_ui: the toolkit could not start (no display?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    int result = 1;
    if (wxTheApp->CallOnInit()) {
        benchmark::RunSpecifiedBenchmarks();
        result = 0;
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    benchmark::Shutdown();
    return result;
}
