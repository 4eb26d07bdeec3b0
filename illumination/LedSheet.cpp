#include "illumination/LedSheet.h"

#include <cmath>

#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"

namespace led_sheet {

namespace {

using quorrel::FormatFixed;
using quorrel::LoadString;

// String ids of the sheet's labels and units.
enum : int {
    kStrType = 20132,
    kStrColor = 20133,
    kStrCurrent = 20134,
    kStrAmpere = 20135,
    kStrPower = 20136,
    kStrWatt = 20137,
    kStrWeight = 20138,
    kStrGram = 20139,
    kStrController = 20140,
    kStrWD = 20141,  // then the H, V and D lighting areas, 20142..20144
    kStrMm = 20145,
    kStrInternalDiameter = 20146,
    kStrExternalDiameter = 20147,
    kStrHeight = 20148,
    kStrLightingAngle = 20149,
    kStrDegree = 20150,
    kStrLength = 20151,
    kStrWidth = 20152,
    kStrThickness = 20153,
    kStrBarSurface = 20154,
    kStrBackSurface = 20155,
    kStrDomeInternal = 20156,
    kStrDomeExternal = 20157,
    kStrWindowSize = 20158,
    kStrPathExtension = 20159,
    kStrOutlineLong = 20160,
    kStrOutlineShort = 20161,
};

// Message ids of the calculation.
enum : int {
    kMsgBiggerWD = 21000,
    kMsgSmallerWD = 21001,
    kMsgWDVignettes = 21004,
    kMsgNoWDForArea = 21007,
    kMsgAreaVignettes = 21008,
    kMsgNoItem = 21009,
    kMsgNoLens = 21010,
};

// A label with its unit: "name unit".
std::wstring Label(int name, int unit) { return LoadString(name) + L" " + LoadString(unit); }

// A number with its fraction cut off ("-0" never shows).
std::wstring Whole(double value) { return FormatFixed(std::trunc(value) + 0.0, 0); }

std::wstring OneDecimal(double value) { return FormatFixed(value, 1); }

template <class T>
const std::wstring& InLanguage(const T& record, const std::wstring& language, std::wstring T::*jp,
                               std::wstring T::*en, std::wstring T::*cn) {
    if (language == L"JP") return record.*jp;
    if (language == L"CN") return record.*cn;
    return record.*en;
}

struct tagRow {
    int label;
    int unit;
    std::wstring value;
};

// The lighting angle of a direct or low-angle ring.
double LightingAngleOf(const CLedData& light) {
    if (auto* r = dynamic_cast<const CLedData_DirectRing*>(&light)) return r->LightingAngle;
    if (auto* r = dynamic_cast<const CLedData_LowAngleRing*>(&light)) return r->LightingAngle;
    return 0.0;
}

// The rows of a bar or a back light: its outline and its lighting surface
// as the catalogue writes it.
std::vector<tagRow> FlatRows(double length, double width, double thickness, int surfaceLabel,
                             const std::wstring& surface) {
    return {{kStrLength, kStrMm, OneDecimal(length)},
            {kStrWidth, kStrMm, OneDecimal(width)},
            {kStrThickness, kStrMm, OneDecimal(thickness)},
            {surfaceLabel, kStrMm, surface}};
}

// Column 2: the rows of the light's own type, in sheet order.
std::vector<tagRow> TypeRows(const CLedData& light) {
    switch (light.Type) {
    case 1: case 2: case 3: case 11: case 12: {
        auto* r = dynamic_cast<const CLedData_Ring*>(&light);
        if (!r) return {};
        std::vector<tagRow> rows = {{kStrInternalDiameter, kStrMm, OneDecimal(r->InternalDiameter)},
                                    {kStrExternalDiameter, kStrMm, OneDecimal(r->ExternalDiameter)},
                                    {kStrHeight, kStrMm, OneDecimal(r->Height)}};
        // The shadowless ring (3) and the type 12 ring have no lighting angle.
        if (light.Type != 3 && light.Type != 12)
            rows.push_back({kStrLightingAngle, kStrDegree, OneDecimal(LightingAngleOf(light))});
        return rows;
    }
    case 5: {
        auto* c = dynamic_cast<const CLedData_SimCoaxial*>(&light);
        if (!c) return {};
        const std::wstring window = c->WindowForm == 0
                                        ? L"\u03C6" + OneDecimal(c->LongSide)
                                        : OneDecimal(c->LongSide) + L" x " + OneDecimal(c->ShortSide);
        return {{kStrOutlineLong, kStrMm, OneDecimal(c->Length)},
                {kStrOutlineShort, kStrMm, OneDecimal(c->Width)},
                {kStrHeight, kStrMm, OneDecimal(c->Height)},
                {kStrWindowSize, kStrMm, window},
                {kStrPathExtension, kStrMm, OneDecimal(c->OpticalPathLengthExtension)}};
    }
    case 6: {
        auto* b = dynamic_cast<const CLedData_Bar*>(&light);
        if (!b) return {};
        return FlatRows(b->Length, b->Width, b->Tickness, kStrBarSurface, b->LightingArea);
    }
    case 7: {
        auto* d = dynamic_cast<const CLedData_SimpleDome*>(&light);
        if (!d) return {};
        const std::wstring window = d->WindowSizeS > 0.0
                                        ? Whole(d->WindowSizeL) + L" x " + Whole(d->WindowSizeS)
                                        : L"\u03C6" + Whole(d->WindowSizeL);
        return {{kStrDomeInternal, kStrMm, OneDecimal(d->InternalDiameter)},
                {kStrDomeExternal, kStrMm, OneDecimal(d->ExternalDiameter)},
                {kStrHeight, kStrMm, OneDecimal(d->Height)},
                {kStrWindowSize, kStrMm, window}};
    }
    case 8: {
        auto* b = dynamic_cast<const CLedData_BackLight*>(&light);
        if (!b) return {};
        return FlatRows(b->Length, b->Width, b->Tickness, kStrBackSurface, b->LightingSurface);
    }
    default:
        return {};
    }
}

}  // namespace

std::wstring TypeName(const std::vector<CLedTypeData*>& types, int typeNum, const std::wstring& language) {
    for (const CLedTypeData* t : types)
        if (t->m_nTypeNum == typeNum)
            return InLanguage(*t, language, &CLedTypeData::m_strTypeNameJP, &CLedTypeData::m_strTypeNameEN,
                              &CLedTypeData::m_strTypeNameCN);
    return {};
}

std::wstring ColorName(const std::vector<CLedColorData*>& colors, int colorNum,
                       const std::wstring& language) {
    for (const CLedColorData* c : colors)
        if (c->m_nColorNum == colorNum)
            return InLanguage(*c, language, &CLedColorData::m_strColorNameJP,
                              &CLedColorData::m_strColorNameEN, &CLedColorData::m_strColorNameCN);
    return {};
}

tagSheet MakeSheet(const CLedData& light, const std::vector<CLedTypeData*>& types,
                   const std::vector<CLedColorData*>& colors, const std::wstring& language) {
    tagSheet s;
    const tagRow common[] = {
        {kStrType, 0, TypeName(types, light.Type, language)},
        {kStrColor, 0, ColorName(colors, light.Color, language)},
        {kStrCurrent, kStrAmpere, light.MaxRatedCurrent > 0.0 ? FormatFixed(light.MaxRatedCurrent, 2) : L"--"},
        {kStrPower, kStrWatt, OneDecimal(light.Power)},
        {kStrWeight, kStrGram, Whole(light.Weight)},
    };
    for (int i = 0; i < 5; ++i) {
        s.labels[i] = common[i].unit ? Label(common[i].label, common[i].unit) : LoadString(common[i].label);
        s.values[i] = common[i].value;
    }
    for (int i = 0; i < 4; ++i) s.labels[kRowWD + i] = Label(kStrWD + i, kStrMm);
    s.labels[kRowController] = LoadString(kStrController);
    s.values[kRowController] = light.Controller;

    const std::vector<tagRow> rows = TypeRows(light);
    for (size_t i = 0; i < rows.size(); ++i) {
        s.labels[5 + i] = Label(rows[i].label, rows[i].unit);
        s.values[5 + i] = rows[i].value;
    }

    // A back light lights its fixed surface at any distance: nothing to
    // calculate.
    if (light.Type == 8) {
        s.values[kRowWD] = L"--";
        const double surface[3] = {light.WD_H_d, light.WD_V_d, light.WD_D_d};
        for (int k = 0; k < 3; ++k) s.values[kRowWD + 1 + k] = FormatFixed(surface[k], 2);
        s.bCalculation = false;
    }
    return s;
}

tagLensFields MakeLensFields(double lensWD, double effDiameter, double fovH, double fovV) {
    tagLensFields f;
    f.bLensSpec = lensWD >= 0.0 || effDiameter >= 0.0;
    if (!f.bLensSpec) return f;
    const double values[4] = {lensWD, effDiameter, fovH, fovV};
    for (int i = 0; i < 4; ++i)
        if (values[i] >= 0.0) f.texts[i] = FormatFixed(values[i], 2);
    return f;
}

int FigurePng(int type, bool withLens) {
    struct tagFigure {
        int type, without, with;
    };
    static constexpr tagFigure kFigures[] = {{1, 315, 316},  {2, 321, 322}, {3, 319, 320},
                                             {5, 325, 326},  {6, 313, 314}, {7, 317, 318},
                                             {8, 311, 312},  {11, 323, 324}, {12, 319, 320}};
    for (const tagFigure& f : kFigures)
        if (f.type == type) return withLens ? f.with : f.without;
    return 0;
}

double LensEditValue(const std::wstring& text) {
    return text.empty() ? -1.0 : quorrel::ParseLeadingNumber(text);
}

int MessageForCode(int code) {
    switch (code) {
    case kLedWDBelowMin: return kMsgBiggerWD;
    case kLedWDAboveMax: return kMsgSmallerWD;
    case kLedWDVignettes: return kMsgWDVignettes;
    case kLedAreaNeverReached:
    case kLedNoWDInRange: return kMsgNoWDForArea;
    case kLedAreaVignettes: return kMsgAreaVignettes;
    default: return 0;
    }
}

tagCalcOutcome Calculate(CLedData& light, const tagCalcRequest& request) {
    tagCalcOutcome out;
    if (request.nItem < 0) {
        out.nMessage = kMsgNoItem;
        return out;
    }
    std::array<double, 4> lens = {-1.0, -1.0, -1.0, -1.0};
    if (request.bLensSpec) {
        for (double v : request.lens)
            if (v == -1.0) {
                out.nMessage = kMsgNoLens;
                return out;
            }
        lens = request.lens;
    }

    tagLedCalcResult r;
    const int code = light.Calculate(request.dValue, request.nItem, lens[2], lens[3], lens[0], lens[1], r);
    out.bWrite = true;
    if (code <= 0) {
        out.nMessage = MessageForCode(code);
        return out;  // the result rows are emptied
    }
    if (code == 3)
        out.results[0] = FormatFixed(r.dWD1, 2) + L" / " + FormatFixed(r.dWD2, 2);
    else
        out.results[0] = OneDecimal(code == 2 ? r.dWD2 : r.dWD1);
    out.results[1] = OneDecimal(r.dAreaH);
    out.results[2] = OneDecimal(r.dAreaV);
    out.results[3] = OneDecimal(r.dAreaD);
    return out;
}

}  // namespace led_sheet
