#include "telecentric/CTKLData.h"

#include <algorithm>
#include <utility>

// Lenses of the sample catalogue without a holding section (res/catalogue/quorrel_tkl.sql).
const std::array<std::wstring_view, 4> CTKLData::kNoHoldLengthTypes = {
    L"QEV-035X",
    L"QEV-0.75X",
    L"TKL4-45D",
    L"LSC-1X-16K",
};

double CTKLData::ComputeHoldLength(const std::wstring& type, const std::wstring& kind, double L,
                                   double holdC, double mount) {
    if (kind == L"GUX") return 0.0;
    if (std::find(kNoHoldLengthTypes.begin(), kNoHoldLengthTypes.end(), type) !=
        kNoHoldLengthTypes.end())
        return 0.0;
    return L - holdC - mount;
}

CTKLData::CTKLData(std::wstring type, const tagTKLColumns& columns)
    : tagTKLColumns(columns),
      Type(std::move(type)),
      HoldLength(ComputeHoldLength(Type, Kind, L, HoldC, Mount)) {}
