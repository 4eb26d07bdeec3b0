// Fuzz target: the illumination record of every type, searched and
// calculated.
//
// Input lines:
//   1  Type Color MaxRatedCurrent Power ControlMethod (0 none, 1 "CC", 2 "CV")
//   2  MinWD CalculatedMaxWD MaxWD  WD_H_a..d  WD_V_a..d  WD_D_a..d
//   3  the type's own geometry, in the order of its data table's columns
//   4+ one query a line:
//        fovH fovV fovD lensWD effDiameter illumWD areaH areaV areaD
//        typeMask colorMask controlMask currentLimit powerLimit  value item
//      MatchSearch runs with the first fourteen, Calculate with value, item
//      and the lens values.
//
// Checks: every code is one the record defines; a success holds only finite
// values; the record the whole input reuses gives, bit for bit, what a
// record freshly made from the same values gives.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "catalogue/LedRecordFactory.h"
#include "fuzz/FuzzText.h"
#include "illumination/LedTypes.h"

using namespace quorrel::fuzz;

namespace {

bool DefinedMatchCode(int code) {
    if (code >= 0 && code <= 3) return true;
    switch (code) {
    case kLedRejectType: case kLedRejectColor: case kLedRejectCC: case kLedRejectCV:
    case kLedRejectCurrent: case kLedRejectPower:
    case kLedMinAboveMax: case kLedAllVignette: case kLedFovNotLit: case kLedFovOverSurface:
    case kLedWDOutside: case kLedAreaOverLit: case kLedNoWDForArea: case kLedAreaOverSurface:
    case kLedEmptyInterval:
        return true;
    default:
        return false;
    }
}

bool DefinedCalcCode(int code) {
    if (code >= 0 && code <= 3) return true;
    switch (code) {
    case kLedWDBelowMin: case kLedWDAboveMax: case kLedWDVignettes:
    case kLedAreaNeverReached: case kLedNoWDInRange: case kLedAreaVignettes:
        return true;
    default:
        return false;
    }
}

// The geometry of line 3 into the members of the record's class.
void SetGeometry(CLedData& led, const std::vector<double>& g) {
    if (auto* r = dynamic_cast<CLedData_Ring*>(&led)) {
        r->InternalDiameter = At(g, 0);
        r->ExternalDiameter = At(g, 1);
        r->Height = At(g, 2);
        if (auto* d = dynamic_cast<CLedData_DirectRing*>(r)) d->LightingAngle = At(g, 3);
        if (auto* a = dynamic_cast<CLedData_LowAngleRing*>(r)) a->LightingAngle = At(g, 3);
    } else if (auto* c = dynamic_cast<CLedData_SimCoaxial*>(&led)) {
        c->Length = At(g, 0);
        c->Width = At(g, 1);
        c->Height = At(g, 2);
        c->WindowForm = ToInt(At(g, 3));
        c->LongSide = At(g, 4);
        c->ShortSide = At(g, 5);
        c->OpticalPathLengthExtension = At(g, 6);
    } else if (auto* b = dynamic_cast<CLedData_Bar*>(&led)) {
        b->Length = At(g, 0);
        b->Width = At(g, 1);
        b->Tickness = At(g, 2);
    } else if (auto* d = dynamic_cast<CLedData_SimpleDome*>(&led)) {
        d->InternalDiameter = At(g, 0);
        d->ExternalDiameter = At(g, 1);
        d->Height = At(g, 2);
        d->WindowSizeL = At(g, 3);
        d->WindowSizeS = At(g, 4);
        d->WindowThickness = At(g, 5);
    } else if (auto* k = dynamic_cast<CLedData_BackLight*>(&led)) {
        k->Length = At(g, 0);
        k->Width = At(g, 1);
        k->Tickness = At(g, 2);
    }
}

struct Outcome {
    int match = 0;
    tagLedWDRange range;
    int calc = 0;
    tagLedCalcResult result;

    bool operator==(const Outcome& o) const {
        static_assert(sizeof(tagLedWDRange) == 4 * sizeof(double));
        static_assert(sizeof(tagLedCalcResult) == 5 * sizeof(double));
        return match == o.match && calc == o.calc &&
               std::memcmp(&range, &o.range, sizeof range) == 0 &&
               std::memcmp(&result, &o.result, sizeof result) == 0;
    }
};

Outcome Run(CLedData& led, const std::vector<double>& q) {
    Outcome o;
    o.match = led.MatchSearch(At(q, 0), At(q, 1), At(q, 2), At(q, 3, -1), At(q, 4, -1),
                              ToInt(At(q, 9, -1)), At(q, 5, -1), At(q, 6, -1), At(q, 7, -1),
                              At(q, 8, -1), ToInt(At(q, 10, -1)), ToInt(At(q, 11, 3)), At(q, 12),
                              At(q, 13), o.range);
    o.calc = led.Calculate(At(q, 14), ToInt(At(q, 15)), At(q, 0), At(q, 1), At(q, 3, -1),
                           At(q, 4, -1), o.result);
    return o;
}

void Fail(const char* what, int type) {
    std::fprintf(stderr, "fuzz_led_record: %s (Type %d)\n", what, type);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto lines = Lines(data, size, 12);
    if (lines.size() < 4) return 0;

    const auto head = Numbers(lines[0]);
    const auto wd = Numbers(lines[1]);
    const auto geometry = Numbers(lines[2]);
    tagLedCommonColumns c;
    c.ProductName = L"FUZZ";
    c.Type = ToInt(At(head, 0));
    c.Color = ToInt(At(head, 1));
    c.MaxRatedCurrent = At(head, 2);
    c.Power = At(head, 3);
    const int control = ToInt(At(head, 4));
    c.ControlMethod = control == 1 ? L"CC" : control == 2 ? L"CV" : L"";
    double* const values[] = {&c.MinWD,  &c.CalculatedMaxWD, &c.MaxWD,  &c.WD_H_a, &c.WD_H_b,
                              &c.WD_H_c, &c.WD_H_d,          &c.WD_V_a, &c.WD_V_b, &c.WD_V_c,
                              &c.WD_V_d, &c.WD_D_a,          &c.WD_D_b, &c.WD_D_c, &c.WD_D_d};
    for (size_t i = 0; i < std::size(values); ++i) *values[i] = At(wd, i);

    const auto reused = CreateLedRecord(c);
    if (!reused) return 0;  // a type without a class makes no record
    SetGeometry(*reused, geometry);

    for (size_t l = 3; l < lines.size(); ++l) {
        const auto q = Numbers(lines[l]);
        const Outcome got = Run(*reused, q);
        if (!DefinedMatchCode(got.match)) Fail("undefined search code", c.Type);
        if (!DefinedCalcCode(got.calc)) Fail("undefined calculation code", c.Type);
        const tagLedWDRange& r = got.range;
        if (got.match > 0 && !(std::isfinite(r.dMinWD1) && std::isfinite(r.dMaxWD1) &&
                               std::isfinite(r.dMinWD2) && std::isfinite(r.dMaxWD2)))
            Fail("a listed light with a range that is not finite", c.Type);
        const tagLedCalcResult& x = got.result;
        if (got.calc > 0 && !(std::isfinite(x.dAreaH) && std::isfinite(x.dAreaV) &&
                              std::isfinite(x.dAreaD) && std::isfinite(x.dWD1) &&
                              std::isfinite(x.dWD2)))
            Fail("a calculation success with a value that is not finite", c.Type);

        const auto fresh = CreateLedRecord(c);
        SetGeometry(*fresh, geometry);
        if (!(Run(*fresh, q) == got)) Fail("the reused record differs from a fresh one", c.Type);
    }
    return 0;
}
