#include "illumination/LedSearch.h"

#include <cmath>

#include "illumination/CLedData.h"
#include "illumination/LedSheet.h"
#include "illumination/LedVocabulary.h"
#include "platform/Numbers.h"

namespace led_search {

namespace {

constexpr int kAllColors = 63;
constexpr int kAllControls = 3;
constexpr int kBackLightType = 8;  // lights a fixed surface: no working distance
constexpr double kNoValueBelow = 1e-9;
constexpr wchar_t kNoValue[] = L"--";

double Number(const std::wstring& text) { return quorrel::ParseLeadingNumber(text); }

// "--" for a value of 1e-9 or less, else two decimals.
void SetAmountCell(std::wstring& cell, double value) {
    cell.clear();
    if (value <= kNoValueBelow)
        cell = kNoValue;
    else
        quorrel::AppendFixed(cell, value, 2);
}

void AppendInterval(std::wstring& out, double lower, double upper) {
    quorrel::AppendFixed(out, lower, 2);
    out += L" - ";
    quorrel::AppendFixed(out, upper, 2);
}

// One interval, or the nearer and the farther one with two spaces between.
void SetReferenceWDCell(std::wstring& cell, const CLedData& light, const tagLedWDRange& r) {
    cell.clear();
    if (light.Type == kBackLightType) {
        cell = kNoValue;
        return;
    }
    if (r.dMinWD1 != r.dMinWD2) {
        AppendInterval(cell, r.dMinWD2, r.dMaxWD2);
        cell += L"  ";
    }
    AppendInterval(cell, r.dMinWD1, r.dMaxWD1);
}

}  // namespace

void FormatRow(const tagLedSearchRow& row, const tagLedNameLists& names, tagLedCells& cells) {
    const CLedData& light = *row.pLight;
    cells[kColModel] = light.ProductName;
    cells[kColType] = led_sheet::TypeName(names.types, light.Type, names.language);
    cells[kColColor] = led_sheet::ColorName(names.colors, light.Color, names.language);
    SetAmountCell(cells[kColCurrent], light.MaxRatedCurrent);
    SetAmountCell(cells[kColPower], light.Power);
    SetReferenceWDCell(cells[kColReferenceWD], light, row.range);
    cells[kColController] = light.Controller;
    cells[kColControlMethod] = light.ControlMethod;
    cells[kColSpare].clear();
    for (std::wstring& cell : cells) quorrel::CutToCell(cell);
}

int RowImage(const tagLedSearchRow& row) { return row.pLight->MTO != 0 ? kImageMadeToOrder : kImageCatalogue; }

void FormatRows(const std::vector<tagLedSearchRow>& rows, const tagLedNameLists& names,
                std::vector<tagLedCells>& cells) {
    cells.resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) FormatRow(rows[i], names, cells[i]);
}

namespace {

// Reads the lens-specification inputs; a message id on a refusal.
int ReadLensSpec(const tagLedSearchInputs& in, tagLedSearchDecision& out) {
    tagLedSearchRequest& q = out.request;
    if (in.strFovH.empty() || in.strFovV.empty()) return kMsgNoFov;
    q.dFovH = Number(in.strFovH);
    q.dFovV = Number(in.strFovV);
    out.strFovD = quorrel::FormatFixed(std::hypot(q.dFovH, q.dFovV), 2);
    q.dFovD = Number(out.strFovD);
    if (in.strLensWD.empty()) return kMsgNoLensWD;
    q.dLensWD = Number(in.strLensWD);
    if (in.strEffDiameter.empty()) return kMsgNoEffDiameter;
    q.dEffDiameter = Number(in.strEffDiameter);
    return 0;
}

// Reads the lighting area and the illumination WD; a message id on a refusal.
int ReadIllumWD(const tagLedSearchInputs& in, tagLedSearchRequest& q) {
    if (in.strArea[0].empty() && in.strArea[1].empty() && in.strArea[2].empty()) return kMsgNoArea;
    double* areas[] = {&q.dAreaH, &q.dAreaV, &q.dAreaD};
    for (size_t i = 0; i < 3; ++i)
        if (!in.strArea[i].empty()) *areas[i] = Number(in.strArea[i]);
    if (in.strIllumWD.empty()) return kMsgNoIllumWD;
    q.dIllumWD = Number(in.strIllumWD);
    return 0;
}

}  // namespace

tagLedSearchDecision DecideSearch(const tagLedSearchInputs& in, const std::vector<CLedTypeData*>& types) {
    tagLedSearchDecision out;
    switch (in.nMode) {
    case kLensSpecMode:
        out.nMessage = ReadLensSpec(in, out);
        break;
    case kIllumWDMode:
        out.nMessage = ReadIllumWD(in, out.request);
        break;
    default:
        out.nMessage = kMsgNoMode;
        break;
    }
    if (out.nMessage != 0) return out;

    tagLedSearchRequest& q = out.request;
    q.nTypeMask = TypeMask(types, in.typeTicks);
    q.nColorMask = ColorMask(in.bColorAll, in.colorTicks);
    q.nControlMask = ControlMethodMask(in.bControlAll, in.controlTicks);
    q.dCurrentLimit = in.strCurrentLimit.empty() ? -1.0 : Number(in.strCurrentLimit);
    q.dPowerLimit = in.strPowerLimit.empty() ? -1.0 : Number(in.strPowerLimit);
    return out;
}

int TypeMask(const std::vector<CLedTypeData*>& types, const std::vector<bool>& ticks) {
    unsigned mask = 0;
    for (size_t i = 0; i < types.size() && i < ticks.size(); ++i) {
        const int n = types[i] ? types[i]->m_nTypeNum : 0;
        // Two types of one number share their bit rather than carry into
        // another type's.
        if (ticks[i] && n >= 1 && n <= 31) mask |= 1u << (n - 1);
    }
    return static_cast<int>(mask);
}

int ColorMask(bool all, const std::array<bool, kColorCount>& ticks) {
    if (all) return kAllColors;
    int mask = 0;
    for (int i = 0; i < kColorCount; ++i)
        if (ticks[static_cast<size_t>(i)]) mask |= 1 << i;
    return mask;
}

int ControlMethodMask(bool all, const std::array<bool, kControlCount>& ticks) {
    if (all) return kAllControls;
    return (ticks[0] ? 1 : 0) | (ticks[1] ? 2 : 0);
}

int SearchLights(const std::vector<CLedData*>& lights, const tagLedSearchRequest& q,
                 std::vector<tagLedSearchRow>& rows) {
    rows.clear();
    for (CLedData* light : lights) {
        tagLedWDRange range;
        const int code = light->MatchSearch(q.dFovH, q.dFovV, q.dFovD, q.dLensWD, q.dEffDiameter, q.nTypeMask,
                                            q.dIllumWD, q.dAreaH, q.dAreaV, q.dAreaD, q.nColorMask,
                                            q.nControlMask, q.dCurrentLimit, q.dPowerLimit, range);
        if (code > 0) rows.push_back({light, range});
    }
    return static_cast<int>(rows.size());
}

CLedData* FindLight(const std::vector<CLedData*>& lights, const std::wstring& model) {
    for (CLedData* light : lights)
        if (light && light->ProductName == model) return light;
    return nullptr;
}

quorrel::ColumnKind SortKind(int column) {
    switch (column) {
    case kColModel:
    case kColColor:
        return quorrel::ColumnKind::kText;
    case kColCurrent:
        return quorrel::ColumnKind::kNumber;
    default:
        return quorrel::ColumnKind::kEqual;
    }
}

}  // namespace led_search
