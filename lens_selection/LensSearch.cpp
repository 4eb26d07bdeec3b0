#include "lens_selection/LensSearch.h"

#include <cmath>
#include <string>

#include "catalogue/CCCTVCCDData.h"
#include "lens_selection/LensCatalogueLists.h"
#include "optics/CCCTVData.h"
#include "optics/ModelMath.h"
#include "optics/SensorSize.h"
#include "platform/ColumnOrder.h"
#include "platform/Numbers.h"

namespace lens_search {

namespace {

constexpr int kMinParamType = 1;
constexpr int kMaxParamType = 500;
constexpr wchar_t kNoLimit[] = L"+\u221E";  // a part the model did not compute
constexpr wchar_t kNoRing[] = L"--";
constexpr double kLowestShownZero = -0.05;  // below it a working distance shows as negative

// Presets the fields a model may leave untouched; the ring table stays.
void PresetResult(tagLensCalcResult& r) {
    for (int i = 0; i < 3; ++i) {
        r.dFOV[i] = r.dMagnification[i] = r.dExtension[i] = -1.0;
        r.dObjectToImage[i] = r.dWD[i] = r.dFocusDraw[i] = -1.0;
    }
    r.nValid = r.nMinValid = r.nMaxValid = r.nRingIndex = 0;
}


// One part of a value cell: t * num / den with one decimal, or "+∞". False
// when the number cannot be shown.
bool AppendPart(std::wstring& out, bool valid, double t, double num, double den) {
    if (!valid) {
        out += kNoLimit;
        return true;
    }
    const double x = t * num / den;
    quorrel::AppendFixed(out, x, 1);
    return IsShownNumber(x);
}

// A value cell from triple t scaled by num / den: "v(far-near)", or the
// value alone for the fixed-magnification lenses. False when one of its
// numbers cannot be shown.
bool SetTripleCell(std::wstring& cell, const double t[3], const tagLensCalcResult& r, bool single,
                   double num, double den) {
    cell.clear();
    bool fits = AppendPart(cell, r.nValid != 0, t[0], num, den);
    if (single) return fits;
    cell += L'(';
    fits &= AppendPart(cell, r.nMinValid != 0, t[1], num, den);
    cell += L'-';
    fits &= AppendPart(cell, r.nMaxValid != 0, t[2], num, den);
    cell += L')';
    return fits;
}

}  // namespace

int CalcLensForSearch(CCCTVData& lens, const tagLensSearchRequest& q, tagLensCalcResult& r) {
    if (q.dDiagonal > lens.m_dImageCircle || (lens.m_nSpecialFlag & q.nSensorMask) == 0)
        return kLensNotCalculated;
    PresetResult(r);
    if (lens.m_nParamType < kMinParamType || lens.m_nParamType > kMaxParamType) return kLensNotCalculated;
    // Sizes the request and the cells divide by (false for NaN too).
    if (!(q.dDiagonal > 0.0)) return kLensNotCalculated;
    if (q.nKind == kVerticalFov && !(q.dVertical > 0.0)) return kLensNotCalculated;
    if (q.nKind == kHorizontalFov && !(q.dHorizontal > 0.0)) return kLensNotCalculated;

    int mode = kModeWorkingDistance;
    double value = q.dValue;
    switch (q.nKind) {
        case kVerticalFov:
            mode = kModeFieldOfView;
            value = q.dDiagonal * q.dValue / q.dVertical;
            break;
        case kHorizontalFov:
            mode = kModeFieldOfView;
            value = q.dDiagonal * q.dValue / q.dHorizontal;
            break;
        case kDiagonalFov:
            mode = kModeFieldOfView;
            break;
        case kMagnification:
            mode = kModeMagnification;
            break;
        default:
            break;
    }
    return lens.Calc(q.dDiagonal, value, mode, r, -1.0, -1.0, kSearchCoc, 0.0);
}

bool InWorkingDistanceWindow(const tagLensSearchRequest& q, const tagLensCalcResult& r) {
    // Below zero the object would sit inside the lens. A distance shown as
    // "-0.0" is a zero reached through rounding and stays; the double -0.05
    // lies just beyond -0.05, so it is the first value shown as "-0.1". A
    // distance the model left uncalculated shows the no-limit mark instead.
    if (r.nValid != 0 && !(r.dWD[0] > kLowestShownZero)) return false;
    if (q.dWDMin > 0.0 && q.dWDMin > r.dWD[0]) return false;
    if (q.dWDMax > 0.0 && r.dWD[0] > q.dWDMax) return false;
    return true;
}

namespace {

// The models whose ring cell shows "--", gathered once per search (usually
// none), so that the per-lens test does not walk the whole model table.
class CNoRingModels {
public:
    CNoRingModels() {
        for (const lens_lists::LensEntry& e : lens_lists::Table())
            if (e.marks & lens_lists::kNoRingInResults) m_models.push_back(e.model);
    }
    bool Contains(const std::wstring& model) const {
        for (const wchar_t* m : m_models)
            if (model == m) return true;
        return false;
    }

private:
    std::vector<const wchar_t*> m_models;
};

// Writes the eight cell texts of `lens`'s row from its calculation result.
// False when one of its numbers cannot be shown: the lens is not listed.
bool FormatRow(const CCCTVData& lens, const tagLensSearchRequest& q, const tagLensCalcResult& r,
               const CNoRingModels& noRing, tagLensSearchRow& row) {
    const bool single = lens.m_nParamType == kFixedMagnificationType;
    auto& cells = row.cells;

    cells[kColModel] = lens.m_strType;

    std::wstring& ring = cells[kColRing];
    if (noRing.Contains(lens.m_strType)) {
        ring = kNoRing;
    } else if (r.nRingIndex >= 0 && r.nRingIndex < tagLensCalcResult::kRingCount) {
        ring.clear();
        quorrel::AppendFixed(ring, r.dRing[r.nRingIndex], 2);
    } else {
        ring.clear();  // a model never leaves the ring table; nothing to show if it did
    }

    bool fits = true;
    if (q.nSensorAxes & kAxesVH) {
        fits &= SetTripleCell(cells[kColFovV], r.dFOV, r, single, q.dVertical, q.dDiagonal);
        fits &= SetTripleCell(cells[kColFovH], r.dFOV, r, single, q.dHorizontal, q.dDiagonal);
    } else {
        cells[kColFovV].clear();
        cells[kColFovH].clear();
    }
    fits &= SetTripleCell(cells[kColFovD], r.dFOV, r, single, 1.0, 1.0);

    // The magnification shows all three numbers, whatever the validity flags.
    std::wstring& magnification = cells[kColMagnification];
    magnification.clear();
    quorrel::AppendFixed(magnification, r.dMagnification[0], 2);
    fits &= IsShownNumber(r.dMagnification[0]);
    if (!single) {
        fits &= IsShownNumber(r.dMagnification[1]) && IsShownNumber(r.dMagnification[2]);
        magnification += L'(';
        quorrel::AppendFixed(magnification, r.dMagnification[1], 2);
        magnification += L'-';
        quorrel::AppendFixed(magnification, r.dMagnification[2], 2);
        magnification += L')';
    }

    fits &= SetTripleCell(cells[kColWD], r.dWD, r, single, 1.0, 1.0);
    cells[kColSpare].clear();

    for (std::wstring& cell : cells) quorrel::CutToCell(cell);
    return fits;
}

}  // namespace

int SearchLenses(const std::vector<CCCTVData*>& lenses, const tagLensSearchRequest& q,
                 std::vector<tagLensSearchRow>& rows) {
    if (optics::IsZero(q.dValue)) return -1;

    const CNoRingModels noRing;
    tagLensCalcResult r;
    r.FillRingTable();
    // Rows of an earlier search are overwritten in place, so their texts
    // keep their storage.
    size_t count = 0;
    const size_t lensCount = lenses.size();
    for (size_t i = 0; i < lensCount; ++i) {
        CCCTVData& lens = *lenses[i];
        const int code = CalcLensForSearch(lens, q, r);
        if (code < 0 || code == kLensNotCalculated) continue;
        if (!InWorkingDistanceWindow(q, r)) continue;
        if (count == rows.size()) rows.emplace_back();
        // A row that cannot be shown is overwritten by the next one.
        if (FormatRow(lens, q, r, noRing, rows[count])) ++count;
    }
    rows.resize(count);
    return static_cast<int>(count);
}

// ---- the search button ----------------------------------------------------

namespace {

constexpr double kSmallestBound = 0.00001;  // a window bound below this is none

// The window bounds as the checks leave them; rewritten bounds are written.
void DecideWindow(const tagSearchInputs& in, tagSearchOutcome& out) {
    double& wdMin = out.request.dWDMin;
    double& wdMax = out.request.dWDMax;
    wdMin = wdMax = -1.0;
    if (!in.bRefineWD) return;
    auto write = [&out](SearchEdit edit, double value, int decimals) {
        out.writes.push_back({edit, quorrel::FormatFixed(value, decimals)});
    };
    wdMin = in.dWDMin;
    wdMax = in.dWDMax;
    if (wdMin < kSmallestBound) {
        wdMin = -1.0;
        out.writes.push_back({kEditWDMin, L""});
    }
    if (wdMax < kSmallestBound) {
        wdMax = -1.0;
        out.writes.push_back({kEditWDMax, L""});
    }
    // A wanted working distance widens the window to include it.
    if (in.abTicked[kWorkingDistance]) {
        const double w = in.adValues[kWorkingDistance];
        if (w < wdMin) {
            wdMin = w;
            write(kEditWDMin, w, 2);
        }
        if (w > wdMax) {
            wdMax = w;
            write(kEditWDMax, w, 2);
        }
    }
    if (wdMax > 0.0 && wdMax < wdMin) {
        wdMax = wdMin;
        write(kEditWDMax, wdMin, 3);
    }
}

// The sensor of the request: the selected format, or the sizes typed by hand.
// False when there is none. Emptying the typed width and height unticks the
// vertical and horizontal boxes on the page, so `ticked` loses them too.
bool DecideSensor(const tagSearchInputs& in, tagSearchOutcome& out, bool ticked[kQuantityCount]) {
    tagLensSearchRequest& q = out.request;
    if (!in.bManualSensor) {
        if (!in.pFormat) return false;
        q.dVertical = in.pFormat->m_dVertical;
        q.dHorizontal = in.pFormat->m_dHorizontal;
        q.dDiagonal = in.pFormat->m_dRadial;
        q.nSensorMask = in.pFormat->m_nSpecialFlag;
        return true;
    }
    const optics::ManualSensor typed = optics::ReadManualSensor(in.dTypedH, in.dTypedV, in.dTypedD);
    if (!typed.known) return false;
    q.dVertical = typed.v;
    q.dHorizontal = typed.h;
    q.dDiagonal = typed.d;
    q.nSensorMask = kTypedSensorMask;
    if (typed.withVH) {
        out.writes.push_back({kEditManualD, quorrel::FormatFixed(typed.d, 2)});
        out.nSensorAxes = kAxesVH;
    } else {
        // Only the diagonal counts.
        out.writes.push_back({kEditManualH, L""});
        out.writes.push_back({kEditManualV, L""});
        out.nSensorAxes = kAxesDiagonalOnly;
        ticked[kVerticalFov] = ticked[kHorizontalFov] = false;
    }
    return true;
}

}  // namespace

tagSearchOutcome DecideSearch(const tagSearchInputs& in) {
    tagSearchOutcome out;
    out.nSensorAxes = in.nSensorAxes;
    bool ticked[kQuantityCount];
    for (int i = 0; i < kQuantityCount; ++i) ticked[i] = in.abTicked[i];
    if (!DecideSensor(in, out, ticked)) {
        out.nMessage = kMsgSelectSensor;
        return out;
    }

    // Quantity: the first ticked box.
    int kind = -1;
    for (int i = 0; i < kQuantityCount && kind < 0; ++i)
        if (ticked[i]) kind = i;
    if (kind < 0) {
        out.nMessage = kMsgMarkCheckBox;
        return out;
    }

    DecideWindow(in, out);

    tagLensSearchRequest& q = out.request;
    q.dValue = in.adValues[kind];
    if (optics::IsZero(q.dValue)) {
        out.nMessage = kMsgValueNotZero;
        return out;
    }
    q.nKind = kind;
    q.nSensorAxes = out.nSensorAxes;
    return out;
}

}  // namespace lens_search
