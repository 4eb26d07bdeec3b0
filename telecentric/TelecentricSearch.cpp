#include "telecentric/TelecentricSearch.h"

#include <cmath>

#include "catalogue/CCCTVCCDData.h"
#include "optics/ModelMath.h"
#include "optics/SensorSize.h"
#include "platform/Numbers.h"
#include "telecentric/CTKLData.h"
#include "telecentric/TelecentricNames.h"

namespace tkl_search {

namespace {

// The band of magnifications around the wanted one that a lens may have.
constexpr double kBandLow = 0.74;
constexpr double kBandHigh = 1.26;

// `parts` fifths of a typed diagonal, for splitting it as a 4:3 sensor:
// (parts D) / 5, as the split is written, so that a diagonal of 82 gives
// exactly 65.6 and 49.2 (4/5 of it would be 65.60000000000001). A diagonal
// too large for the product is divided first.
double FifthsOfDiagonal(int parts, double d) {
    const double product = parts * d;
    return std::isfinite(product) ? product / 5.0 : d / 5.0 * parts;
}

// The sensor of the plan; false with the refusal set when there is none.
bool SettleSensor(const tagTklSearchInput& in, tagTklSearchPlan& plan) {
    if (in.bManualSensor) {
        const optics::ManualSensor typed = optics::ReadManualSensor(in.dTypedH, in.dTypedV, in.dTypedD);
        if (!typed.known) return false;
        plan.dD = typed.d;
        if (typed.withVH) {
            plan.dH = typed.h;
            plan.dV = typed.v;
            plan.nSensorEdits = kWriteDiagonal;
        } else {
            plan.dH = FifthsOfDiagonal(4, typed.d);
            plan.dV = FifthsOfDiagonal(3, typed.d);
            plan.nSensorEdits = kWriteSides;
        }
        plan.nSensorMask = kManualSensorMask;
        return true;
    }
    if (!in.pSensor) return false;
    plan.dH = in.pSensor->m_dHorizontal;
    plan.dV = in.pSensor->m_dVertical;
    plan.dD = in.pSensor->m_dRadial;
    plan.nSensorMask = in.pSensor->m_nSpecialFlag;
    return true;
}

// The ten sensor-class labels in the order of the Sensor column.
constexpr const wchar_t* kSensorLabels[] = {L"NIR", L"VGA", L"2M",  L"5M",  L"12M",
                                            L"21M", L"25M", L"29M", L"47M", L"16k5\u03BCm"};
constexpr int kUnknownSensorRank = 10;

void FormatRow(const CTKLData& lens, double V, double H, tagTklSearchRow& row) {
    const double pmag = std::fabs(lens.Pmag);
    auto& cells = row.cells;
    cells[kColModel] = lens.Type;
    cells[kColSensor] = lens.SensorType;
    cells[kColIllumination] = IlluminationText(lens.Type);
    cells[kColFovH] = quorrel::FormatFixed(H / pmag, 1);
    cells[kColFovV] = quorrel::FormatFixed(V / pmag, 1);
    cells[kColMagnification].clear();  // empty for a name of no known series
    ParseTelecentricMagnification(lens.Type, cells[kColMagnification]);
    cells[kColWD] = quorrel::FormatFixed(lens.WD, 1);
    for (std::wstring& cell : cells) quorrel::CutToCell(cell);
}

}  // namespace

tagTklSearchPlan PlanSearch(const tagTklSearchInput& in) {
    tagTklSearchPlan plan;
    if (!SettleSensor(in, plan)) {
        plan.nMessage = kMsgSelectSensor;
        return plan;
    }
    if (in.nQuantity < kVerticalFov || in.nQuantity >= kQuantityCount) {
        plan.nMessage = kMsgMarkCheckBox;
        return plan;
    }
    plan.nQuantity = in.nQuantity;
    if (optics::IsZero(in.dValue)) {
        plan.nMessage = kMsgValueNotZero;
        return plan;
    }
    const double V = plan.dV, H = plan.dH;
    if (!(V > 0.0 && H > 0.0)) {
        plan.nMessage = kMsgNotApplicable;
        return plan;
    }
    double fovV = 0.0, fovH = 0.0, m = 0.0;
    switch (in.nQuantity) {
    case kVerticalFov:
        fovV = in.dValue;
        m = V / fovV;
        fovH = fovV * H / V;
        break;
    case kHorizontalFov:
        fovH = in.dValue;
        fovV = fovH * V / H;
        m = V / fovV;
        break;
    default:
        m = in.dValue;
        fovV = V / m;
        fovH = fovV * H / V;
        break;
    }
    plan.dQuantities = {fovV, fovH, m};
    return plan;
}

int SearchTelecentric(const std::vector<CTKLData*>& lenses, double m, double D, double V, double H, int mask,
                      std::vector<tagTklSearchRow>& rows) {
    if (optics::IsZero(m)) return -1;
    const double low = kBandLow * m, high = kBandHigh * m;
    size_t count = 0;
    for (const CTKLData* lens : lenses) {
        const double pmag = std::fabs(lens->Pmag);
        if (D > lens->CCDLimit || (lens->SpecialFlag & mask) == 0 || pmag < low || pmag > high) continue;
        if (count == rows.size()) rows.emplace_back();
        FormatRow(*lens, V, H, rows[count]);
        ++count;
    }
    rows.resize(count);
    return static_cast<int>(count);
}

std::wstring IlluminationText(const std::wstring& model) {
    return ModelNameHasD(model) ? L"Coaxial" : L"Non-Coax.";
}

CTKLData* FindLens(const std::vector<CTKLData*>& lenses, const std::wstring& model) {
    for (CTKLData* lens : lenses)
        if (lens->Type == model) return lens;
    return nullptr;
}

quorrel::ColumnKind ColumnKind(int column) {
    switch (column) {
    case kColModel:
    case kColIllumination:
        return quorrel::ColumnKind::kText;
    case kColSensor:
        return quorrel::ColumnKind::kRank;
    case kColFovH:
    case kColFovV:
    case kColMagnification:
    case kColWD:
        return quorrel::ColumnKind::kNumber;
    default:
        return quorrel::ColumnKind::kEqual;
    }
}

int SensorRank(const std::wstring& label) {
    int rank = 0;
    for (const wchar_t* known : kSensorLabels) {
        if (quorrel::CompareFolded(label, known) == 0) return rank;
        ++rank;
    }
    return kUnknownSensorRank;
}

}  // namespace tkl_search
