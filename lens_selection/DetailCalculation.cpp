#include "lens_selection/DetailCalculation.h"

#include <cmath>

#include "catalogue/CCCTVCCDData.h"
#include "lens_selection/LensCatalogueLists.h"
#include "lens_selection/LensSearch.h"
#include "optics/CCCTVData.h"
#include "optics/FixedMagnificationModels.h"
#include "optics/SensorSize.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"

namespace detail_calc {

namespace {

constexpr int kCatalogueDOFType = 100;
constexpr int kCMountType = 1;

}  // namespace

InputKind ChooseInput(unsigned bits) {
    static constexpr std::pair<unsigned, InputKind> kOrder[] = {
        {kBitMagnification, InputKind::Magnification}, {kBitRing, InputKind::Ring},
        {kBitVertical, InputKind::Vertical},           {kBitHorizontal, InputKind::Horizontal},
        {kBitDiagonal, InputKind::Diagonal},           {kBitObjectToImage, InputKind::ObjectToImage},
        {kBitWD, InputKind::WD},
    };
    for (const auto& [bit, kind] : kOrder)
        if (bits & bit) return kind;
    return InputKind::None;
}

int BoxIndex(InputKind kind) {
    switch (kind) {
    case InputKind::Vertical: return 0;
    case InputKind::Horizontal: return 1;
    case InputKind::Diagonal: return 2;
    case InputKind::Magnification: return 3;
    case InputKind::Ring: return 4;
    case InputKind::WD: return 5;
    case InputKind::ObjectToImage: return 6;
    case InputKind::None: break;
    }
    return -1;
}

// ---- lists --------------------------------------------------------------

std::vector<const CCCTVCCDData*> CoveredSensors(const CCCTVData& lens,
                                                const std::vector<CCCTVCCDData*>& sensors) {
    std::vector<const CCCTVCCDData*> covered;
    for (const CCCTVCCDData* s : sensors)
        if (s->m_dRadial <= lens.m_dImageCircle && (s->m_nSpecialFlag & lens.m_nSpecialFlag) != 0)
            covered.push_back(s);
    return covered;
}

int SensorIndexToSelect(const std::vector<std::wstring>& entries, const std::wstring& text, bool manual) {
    int index = -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text) index = static_cast<int>(i);
    if (index < 0 && !manual && !entries.empty()) index = 0;
    return index;
}

std::vector<std::wstring> RingEntries(double longestRing) {
    std::vector<std::wstring> entries;
    double value = 0.0;
    for (int i = 0; i < tagLensCalcResult::kRingCount; ++i) {
        entries.push_back(quorrel::FormatFixed(value, 1));
        if (!(value < longestRing)) break;
        value += 0.5;
    }
    return entries;
}

const std::vector<std::wstring>& DefaultFnoEntries() {
    static const std::vector<std::wstring> list = {L"1.4", L"2.0", L"2.8", L"4.0",
                                                   L"5.6", L"8.0", L"11.0", L"16.0"};
    return list;
}

std::vector<std::wstring> FnoEntries(const std::wstring& model) {
    const lens_lists::LensEntry* entry = lens_lists::Find(model);
    if (entry && !entry->fnoList.empty()) return entry->fnoList;
    return DefaultFnoEntries();
}

bool IsMcHrModel(const std::wstring& model) {
    return model.find(L"-MC") != std::wstring::npos && model.find(L"HR") != std::wstring::npos;
}

FixedMagnification FixedMagnificationOf(const CCCTVData& lens, bool withType100) {
    const bool fixedType = lens.m_nParamType == lens_search::kFixedMagnificationType ||
                           (withType100 && lens.m_nParamType == kCatalogueDOFType);
    const auto* fixed = dynamic_cast<const CFixedMagnificationLens*>(&lens);
    if (!fixedType || !fixed) return {};
    return {true, std::fabs(fixed->m_dFixedMagnification)};
}

// ---- sensor and checks --------------------------------------------------

int CheckBeforeCalculation(const CheckInputs& in) {
    if (IsZero(in.coc)) return 20006;
    if (!(in.lensSelected && in.sensorKnown && (in.fnoGiven || (in.bits & kBitDOF)))) return 20004;
    if ((in.bits & kBitDOF) && IsZero(in.wantedDOF)) return 20005;
    if (in.d > in.imageCircle) return 20017;
    // Sizes the calculation divides by.
    if (!(in.d > 0.0)) return 20017;
    const InputKind kind = ChooseInput(in.bits);
    if (kind == InputKind::Vertical && !(in.v > 0.0)) return 20017;
    if (kind == InputKind::Horizontal && !(in.h > 0.0)) return 20017;
    return 0;
}

// ---- the calculation ----------------------------------------------------

Plan PlanCalculation(const Request& q) {
    Plan plan;
    plan.kind = ChooseInput(q.bits);
    const int box = BoxIndex(plan.kind);
    if (box < 0) return plan;  // NoInput
    const double x = q.values[box];

    auto calc = [&plan](double value, int mode) {
        plan.action = Action::Calc;
        plan.value = value;
        plan.mode = mode;
        plan.rangeMessages = true;
    };
    // A zero distance or field of view is only a request when it reads
    // "Infinity".
    auto atInfinity = [&] { plan.action = q.readsInfinity[box] ? Action::InfinityInput : Action::Nothing; };

    switch (plan.kind) {
    case InputKind::Magnification:
        if (IsZero(x)) plan.action = Action::InfinityFocus;
        else calc(x, kModeMagnification);
        break;
    case InputKind::Ring: {
        const double position = q.values[BoxIndex(InputKind::Ring)];
        if (q.drawoutDirection == 0 && IsZero(q.ring) && IsZero(position) && q.paramType != 21 && !q.mcHr) {
            plan.action = Action::RingAtInfinity;
        } else {
            plan.action = Action::Calc;
            plan.value = q.ring;
            plan.mode = kModeRing;
            plan.draw = std::fmin(q.maxDraw, position);
        }
        break;
    }
    case InputKind::Vertical:
        if (IsZero(x)) atInfinity();
        else calc(x * q.d / q.v, kModeFieldOfView);
        break;
    case InputKind::Horizontal:
        if (IsZero(x)) atInfinity();
        else calc(x * q.d / q.h, kModeFieldOfView);
        break;
    case InputKind::Diagonal:
        if (IsZero(x)) atInfinity();
        else calc(x, kModeFieldOfView);
        break;
    case InputKind::ObjectToImage:
        if (IsZero(x)) atInfinity();
        else calc(x, kModeObjectToImage);
        break;
    case InputKind::WD:
        if (IsZero(x)) atInfinity();
        else calc(x, kModeWorkingDistance);
        break;
    case InputKind::None:
        break;
    }
    return plan;
}

int MessageForCode(int code, bool rangeMessages) {
    if (code == kCalcInfeasible || code == kCalcNegativeDraw) return 20009;
    if (rangeMessages && code == kCalcBelowRange) return 20119;
    if (rangeMessages && code == kCalcAboveRange) return 20120;
    return 0;
}

bool IsShowable(int code) { return code != kCalcInfeasible && code != kCalcNegativeDraw; }

bool IsFnoTooSmall(unsigned bits, double openFno, double resultFno) {
    return (bits & kBitDOF) && !(openFno < resultFno);
}

Fields ResultFields(const tagLensCalcResult& r, double h, double v, double d, bool sensorVH) {
    Fields f;
    f.magnification = r.dMagnification[0];
    f.ringIndex = r.nRingIndex;
    f.ring = r.nRingIndex >= 0 && r.nRingIndex < tagLensCalcResult::kRingCount ? r.dRing[r.nRingIndex] : 0.0;
    f.focusDraw = r.dFocusDraw[0];
    f.fovD = r.dFOV[0];
    f.hasH = sensorVH && h > 0.0 && d > 0.0;
    f.hasV = sensorVH && v > 0.0 && d > 0.0;
    if (f.hasH) f.fovH = r.dFOV[0] * h / d;
    if (f.hasV) f.fovV = r.dFOV[0] * v / d;
    f.objectToImage = r.dObjectToImage[0];
    f.wd = r.dWD[0];
    f.dof = r.dDOF;
    f.effectiveFno = r.dEffectiveFno;
    f.fno = r.dFno;
    return f;
}

int ShownCode(int code, const tagLensCalcResult& r, const Fields& f) {
    if (!IsShowable(code)) return code;
    const auto fits = lens_search::IsShownNumber;
    bool readable = r.AllFinite() && fits(f.effectiveFno) && fits(f.fno) && (f.dof < 0.0 || fits(f.dof));
    if (f.magnification > kShownMagnification)
        readable = readable && fits(f.magnification) && fits(f.focusDraw) && fits(f.fovD) &&
                   (!f.hasH || fits(f.fovH)) && (!f.hasV || fits(f.fovV)) && fits(f.objectToImage) &&
                   fits(f.wd);
    return readable ? code : kCalcInfeasible;
}

bool IsCMountRingConflict(double ring, int paramType) {
    return ring >= 2.5 && ring < 5.0 && paramType == kCMountType;
}

std::wstring RingCaution(double longestRing) {
    const int id = longestRing > 0.0 ? 20007 : 20008;
    return FormatWithValue(quorrel::LoadString(id), longestRing);
}

std::wstring FormatWithValue(const std::wstring& format, double value) {
    const size_t percent = format.find(L'%');
    if (percent == std::wstring::npos) return format;
    size_t i = percent + 1;
    int decimals = 6;
    if (i < format.size() && format[i] == L'.') {
        ++i;
        decimals = 0;
        while (i < format.size() && format[i] >= L'0' && format[i] <= L'9')
            decimals = decimals * 10 + (format[i++] - L'0');
    }
    if (i >= format.size() || format[i] != L'f') return format;
    return format.substr(0, percent) + quorrel::FormatFixed(value, decimals) + format.substr(i + 1);
}

// ---- one calculation run ----------------------------------------------------

namespace {

// The F-number of the editable F-number box.
struct FnoInput {
    bool given = false;
    double value = 0.0;
    int entry = -1;  // the entry equal to the typed text
};

FnoInput ReadFno(int selected, const std::wstring& text, const std::vector<std::wstring>& entries) {
    FnoInput f;
    if (selected < 0)
        for (size_t i = 0; i < entries.size() && f.entry < 0; ++i)
            if (entries[i] == text) f.entry = static_cast<int>(i);
    size_t used = 0;
    f.value = quorrel::ParseLeadingNumber(text, &used);
    if (selected >= 0 || f.entry >= 0) {
        f.given = true;
        return f;
    }
    // Typed: the whole text must be a number above zero.
    const bool whole = used > 0 && text.find_first_not_of(L" \t", used) == std::wstring::npos;
    f.given = whole && f.value > 0.0 && !IsZero(f.value);
    return f;
}

// The sensor a run uses: the selected format, or the sizes typed by hand.
// False when it is not known.
bool DecideSensor(const CalcInputs& in, CalcOutcome& o) {
    o.sensorVH = in.sensorVH;
    o.h = in.h;
    o.v = in.v;
    o.d = in.d;
    if (in.sensorSelected) return true;
    const optics::ManualSensor typed = optics::ReadManualSensor(in.h, in.v, in.d);
    o.h = typed.h;
    o.v = typed.v;
    o.d = typed.d;
    if (typed.known) {
        o.sensorVH = typed.withVH;
        o.sensorEdits = typed.withVH ? SensorEdits::WriteDiagonal : SensorEdits::EmptyVH;
    }
    return typed.known;
}

// The plan of the chosen input on the checked lens.
Plan PlanInput(const CalcInputs& in, const CalcOutcome& o) {
    Request q;
    q.bits = in.bits;
    for (int i = 0; i < 7; ++i) {
        q.values[i] = in.values[i];
        q.readsInfinity[i] = in.readsInfinity[i];
    }
    q.ring = in.ring;
    q.h = o.h;
    q.v = o.v;
    q.d = o.d;
    q.maxDraw = in.lens->m_dMaxDraw;
    q.drawoutDirection = in.lens->m_nDrawoutDirection;
    q.paramType = in.lens->m_nParamType;
    q.mcHr = in.mcHr;
    return PlanCalculation(q);
}

}  // namespace

CalcOutcome DecideCalculation(const CalcInputs& in) {
    CalcOutcome o;
    o.mcHr = in.mcHr;
    const bool sensorKnown = DecideSensor(in, o);
    const FnoInput fno = ReadFno(in.fnoSelected, in.fnoText, in.fnoEntries);
    o.selectFno = fno.entry;

    CheckInputs check;
    check.coc = in.coc;
    check.lensSelected = in.lens != nullptr;
    check.sensorKnown = sensorKnown;
    check.fnoGiven = fno.given;
    check.bits = in.bits;
    check.wantedDOF = (in.bits & kBitDOF) ? in.wantedDOF : 0.0;
    check.h = o.h;
    check.v = o.v;
    check.d = o.d;
    check.imageCircle = in.lens ? in.lens->m_dImageCircle : 0.0;
    o.message = CheckBeforeCalculation(check);
    if (o.message != 0) return o;

    o.plan = PlanInput(in, o);
    o.result = tagLensCalcResult{};
    o.result.FillRingTable();
    if (o.plan.action == Action::NoInput) {
        o.message = 20016;
    } else if (o.plan.action == Action::Calc) {
        // A wanted depth of field asks for the F-number.
        const bool wantDOF = (in.bits & kBitDOF) != 0;
        const int calculated = in.lens->Calc(o.d, o.plan.value, o.plan.mode, o.result, wantDOF ? -1.0 : fno.value,
                                             wantDOF ? check.wantedDOF : -1.0, in.coc, o.plan.draw);
        // A result the edits cannot show is no configuration either.
        const int code = ShownCode(calculated, o.result, ResultFields(o.result, o.h, o.v, o.d, o.sensorVH));
        o.calcMessage = MessageForCode(code, o.plan.rangeMessages);
        o.showable = IsShowable(code);
    } else if ((o.plan.action == Action::InfinityFocus || o.plan.action == Action::InfinityInput) && in.mcHr) {
        o.calcMessage = 20009;  // no "Infinity" on a high-resolution macro lens
    }
    return o;
}

// ---- focus marker ---------------------------------------------------------

double FocusLimit(double maxDraw) {
    return std::trunc(maxDraw * 1000.0 + 0.5) / 1000.0;
}

bool ForcesFocusLimit(double maxDraw, double p) { return maxDraw > 0.0 && p > FocusLimit(maxDraw); }

int MarkerOffset(double maxDraw, double p, int direction, int travel) {
    const double s = maxDraw > 0.0 ? travel / maxDraw * p : 0.0;
    double x = direction == 0 ? travel - s + 0.5 : s + 0.5;
    // Clamp before the conversion, so a huge position cannot overflow it.
    if (!(x >= 0.0)) x = 0.0;
    if (x > travel) x = travel;
    return static_cast<int>(x);
}

}  // namespace detail_calc
