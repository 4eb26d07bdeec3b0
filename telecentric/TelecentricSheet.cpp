#include "telecentric/TelecentricSheet.h"

#include <cmath>

#include "platform/Numbers.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"
#include "telecentric/TelecentricNames.h"
#include "telecentric/TelecentricSearch.h"

namespace tkl_sheet {

namespace {

constexpr wchar_t kNone[] = L"-";
constexpr wchar_t kLensAlone[] = L"--";  // rear-converter kind of the lens alone
constexpr wchar_t kNoModel[] = L"--";    // illumination of a lens without a name
// A holding dimension this small is no dimension: the lens has none.
constexpr double kSmallestHoldValue = 1e-6;

std::wstring Fixed(double value, int decimals) { return quorrel::FormatFixed(value, decimals); }

std::wstring Hold(double value) { return std::fabs(value) < kSmallestHoldValue ? kNone : Fixed(value, 1); }

}  // namespace

std::vector<tagSheetCell> SheetCells(const CTKLData& lens, const CTKLExtraData* extra) {
    std::wstring magnification = kNone;
    ParseTelecentricMagnification(lens.Type, magnification);
    std::wstring wdOd = Fixed(lens.WD, 1) + L" / " + Fixed(lens.OD, 1);
    return {
        {kIllumination, lens.Type.empty() ? std::wstring(kNoModel) : tkl_search::IlluminationText(lens.Type)},
        {kMagnification, std::move(magnification)},
        {kFeff, Fixed(lens.Feff, 1)},
        {kNA, Fixed(lens.NA, 3)},
        {kWDOD, std::move(wdOd)},
        {kOI, Fixed(lens.OI, 1)},
        {kBarrelLength, Fixed(lens.L, 1)},
        {kDOF, Fixed(lens.DOF, 2)},
        {kResolution, Fixed(lens.RS, 1)},
        {kDistortion, extra ? Fixed(extra->Distortion, 3) : kNone},
        {kFigureWD, Fixed(lens.WD, 1)},
        {kFigureOD, Fixed(lens.OD, 1)},
        {kFigureOI, Fixed(lens.OI, 1)},
        {kFigureBarrelLength, Fixed(lens.L, 1)},
        {kFigureLensBack, Fixed(lens.LB, 1)},
        {kImageFormat, Fixed(lens.CCDLimit, 0)},
        {kHoldA, Hold(lens.HoldA)},
        {kHoldB, Hold(lens.HoldB)},
        {kHoldC, Hold(lens.HoldC)},
        {kHoldD, Hold(lens.HoldD)},
        {kHoldLength, Hold(lens.HoldLength)},
    };
}

CTKLExtraData* FindExtra(const std::vector<CTKLExtraData*>& extras, const std::wstring& model) {
    for (CTKLExtraData* extra : extras)
        if (extra->LENS_Type == model && extra->REARCON_Type == kLensAlone) return extra;
    return nullptr;
}

}  // namespace tkl_sheet
