// A synthetic lens catalogue of 10,000 lenses for the lens search
// benchmarks: the sample catalogue's rows (read beside the program) cloned
// in turn, the thin-lens kinds with varied focal lengths, every clone made
// by the record factory as the loader makes it. Shared by
// bench_lens_search and bench_lens_search_ui.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LensRecordFactory.h"
#include "lens_selection/LensSearch.h"
#include "optics/CCCTVData.h"
#include "platform/ExecutableFolder.h"
#include "platform/Numbers.h"

namespace lens_bench {

inline constexpr size_t kLensCount = 10000;

struct tagBenchCatalogue {
    std::vector<std::unique_ptr<CCCTVData>> owned;
    std::vector<CCCTVData*> lenses;  // what the search page holds
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;

    const CCCTVCCDData& Sensor(const std::wstring& name) const {
        for (const auto& s : sensors)
            if (s->m_strType == name) return *s;
        throw std::runtime_error("sensor format missing from the sample catalogue");
    }
};

namespace detail {

inline std::vector<std::wstring> SplitTokens(const std::wstring& text) {
    std::vector<std::wstring> tokens;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(L',', start);
        tokens.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    return tokens;
}

inline std::wstring JoinTokens(const std::vector<std::wstring>& tokens) {
    std::wstring text;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i) text += L',';
        text += tokens[i];
    }
    return text;
}

// Thin-lens kinds (f first, s2 sixth): scale f by `factor` and move s2 by
// the change, so that the working distance still reads the same both ways.
inline void ScaleFocalLength(tagLensColumns& c, double factor) {
    if (c.nParamType != 1 && c.nParamType != 11 && c.nParamType != 16) return;
    std::vector<std::wstring> t = SplitTokens(c.strParameter);
    if (t.size() < 6) return;
    const double f = quorrel::ParseLeadingNumber(t[0]);
    const double s2 = quorrel::ParseLeadingNumber(t[5]);
    const double scaled = f * factor;
    t[0] = quorrel::FormatFixed(scaled, 3);
    t[5] = quorrel::FormatFixed(s2 - (scaled - f), 3);
    c.strParameter = JoinTokens(t);
}

}  // namespace detail

inline tagBenchCatalogue MakeBenchCatalogue() {
    const std::wstring path = quorrel::JoinPath(quorrel::GetExecutableFolder(), L"quorrel_cctv.mdb");
    CCatalogDatabase db;
    if (!db.Open(path, L"4817qz")) throw std::runtime_error("sample catalogue not readable");
    std::vector<tagLensColumns> rows;
    const bool ok = db.RunLoader(CCatalogDatabase::kLensTableSql, {}, [&rows](const CCatalogRow& row) {
        rows.push_back(CCatalogDatabase::ReadCCTVLensColumns(row));
    });
    tagBenchCatalogue cat;
    if (!ok || rows.empty() || !db.LoadCCDTable(cat.sensors)) throw std::runtime_error("sample catalogue not loaded");
    db.Close();

    for (size_t i = 0; i < kLensCount; ++i) {
        tagLensColumns c = rows[i % rows.size()];
        const size_t round = i / rows.size();
        // Focal lengths from 0.8 to 1.25 times the original, in 64 steps.
        detail::ScaleFocalLength(c, 0.8 + 0.45 * static_cast<double>(round % 64) / 63.0);
        c.strType += L"-" + std::to_wstring(round);
        cat.owned.push_back(CreateLensRecord(c));
        cat.lenses.push_back(cat.owned.back().get());
    }
    return cat;
}

// The ordinary request: a 2/3" sensor and a 100 mm horizontal field of view.
inline lens_search::tagLensSearchRequest TwoThirdsInchFov100(const tagBenchCatalogue& cat) {
    const CCCTVCCDData& s = cat.Sensor(L"2/3\"");
    lens_search::tagLensSearchRequest q;
    q.dDiagonal = s.m_dRadial;
    q.dHorizontal = s.m_dHorizontal;
    q.dVertical = s.m_dVertical;
    q.dValue = 100.0;
    q.nKind = lens_search::kHorizontalFov;
    q.nSensorMask = s.m_nSpecialFlag;
    q.nSensorAxes = s.m_nAreaFlag;
    return q;
}

}  // namespace lens_bench
