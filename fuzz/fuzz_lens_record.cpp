// Fuzz target: one lens record of any parameter type, made by the record
// factory, calculated in every mode.
//
// Input lines:
//   1  ParamType SpecialFlag DrawoutDirection PixelSize
//   2  the Parameter text
//   3  the Fno list
//   4-6 one calculation set a line:
//        sensor fno wantedDOF coc draw ringStep  v0 v1 v2 v3 v4  otherMode
//      v0..v4 are the values of modes 0..4 (working distance, magnification,
//      field of view, object-to-image, ring); otherMode (default 5) is a mode
//      number outside them, run with v4.
//
// Checks: every code is one the calculation defines; a success holds only
// finite values; the record the whole input reuses gives, bit for bit, what
// a record freshly made from the same columns gives.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "catalogue/LensRecordFactory.h"
#include "fuzz/FuzzText.h"

using namespace quorrel::fuzz;

namespace {

bool DefinedCode(int code) {
    switch (code) {
    case kCalcNoModel:
    case kCalcOk:
    case kCalcInfeasible:
    case kCalcBelowRange:
    case kCalcAboveRange:
    case kCalcNegativeDraw:
        return true;
    default:
        return false;
    }
}

bool SameBits(const tagLensCalcResult& a, const tagLensCalcResult& b) {
    // The record has no padding (doubles, then four ints, then doubles), so
    // its bytes are its values; NaN compares equal to the same NaN here.
    static_assert(sizeof(tagLensCalcResult) ==
                  (6 * 3 + tagLensCalcResult::kRingCount + 3) * sizeof(double) + 4 * sizeof(int));
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void Fail(const char* what, int paramType, int mode) {
    std::fprintf(stderr, "fuzz_lens_record: %s (ParamType %d, mode %d)\n", what, paramType, mode);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto lines = Lines(data, size, 6);
    if (lines.size() < 4) return 0;

    const auto head = Numbers(lines[0]);
    tagLensColumns columns;
    columns.strType = L"FUZZ";
    columns.nParamType = ToInt(At(head, 0, 1));
    columns.nSpecialFlag = ToInt(At(head, 1, 1));
    columns.nDrawoutDirection = ToInt(At(head, 2));
    columns.dPixelSize = At(head, 3);
    columns.strParameter = Widen(lines[1]);
    columns.strFno = Widen(lines[2]);

    const auto reused = CreateLensRecord(columns);
    for (size_t l = 3; l < lines.size(); ++l) {
        const auto v = Numbers(lines[l]);
        const double sensor = At(v, 0), fno = At(v, 1), dof = At(v, 2), coc = At(v, 3),
                     draw = At(v, 4), ringStep = At(v, 5, 0.5);
        const int modes[] = {0, 1, 2, 3, 4, ToInt(At(v, 11, 5))};
        for (int m = 0; m < 6; ++m) {
            const double value = At(v, 6 + (m < 5 ? m : 4));
            tagLensCalcResult first;
            first.PresetForSearch();
            // A table of other steps, as long as its last entry is a number.
            if (ringStep != 0.5 && std::isfinite(ringStep * (tagLensCalcResult::kRingCount - 1)))
                for (int i = 0; i < tagLensCalcResult::kRingCount; ++i) first.dRing[i] = i * ringStep;
            tagLensCalcResult second = first;

            const int code = reused->Calc(sensor, value, modes[m], first, fno, dof, coc, draw);
            if (!DefinedCode(code)) Fail("undefined code", columns.nParamType, modes[m]);
            if (code == kCalcOk && !first.AllFinite())
                Fail("success with a value that is not finite", columns.nParamType, modes[m]);

            const auto fresh = CreateLensRecord(columns);
            const int freshCode = fresh->Calc(sensor, value, modes[m], second, fno, dof, coc, draw);
            if (freshCode != code || !SameBits(first, second))
                Fail("the reused record differs from a fresh one", columns.nParamType, modes[m]);
        }
    }
    return 0;
}
