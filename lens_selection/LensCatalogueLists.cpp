#include "lens_selection/LensCatalogueLists.h"

#include "platform/Numbers.h"

namespace lens_lists {

namespace {

// The iris stops above the open F-number that the built-in lists use.
constexpr double kStops[] = {2.0, 2.8, 4.0, 5.6, 8.0, 11.0, 16.0, 22.0};

// A built-in F-number list: the lens's open F-number, then the stops above
// it up to and including `last`, each with one decimal.
std::vector<std::wstring> Fno(double open, double last) {
    std::vector<std::wstring> list = {quorrel::FormatFixed(open, 1)};
    for (double stop : kStops)
        if (stop > open + 1e-9 && stop <= last + 1e-9) list.push_back(quorrel::FormatFixed(stop, 1));
    return list;
}

constexpr unsigned kNone = 0;
constexpr unsigned kRingless = kNoRingControls;
// Ringless lenses whose printed report shows no focus scale either.
constexpr unsigned kRinglessUnscaled = kNoRingControls | kNoReportFocusScale;

}  // namespace

const std::vector<LensEntry>& Table() {
    // The search page's "--" ring list stays empty unless a catalogue needs it.
    static const std::vector<LensEntry> table = {
        // 2/3" FA lenses; F1.4 to 16 unless their name says otherwise.
        {L"QF-4M18", kNone, Fno(1.8, 16)},
        {L"QF-6M14", kNone, Fno(1.4, 16)},
        {L"QF-8M14", kNone, Fno(1.4, 16)},
        {L"QF-12M14", kNone, Fno(1.4, 16)},
        {L"QF-16M14", kNone, Fno(1.4, 16)},
        {L"QF-25M14", kNone, Fno(1.4, 16)},
        {L"QF-35M14", kNone, Fno(1.4, 16)},
        {L"QF-50M18", kNone, Fno(1.8, 16)},
        {L"QF-75M25", kNone, Fno(2.5, 22)},
        {L"QF-25M16", kNone, Fno(1.6, 16)},
        {L"QF-50M20", kNone, Fno(2.0, 16)},
        // 1" FA lenses.
        {L"QH-8M18", kNone, Fno(1.8, 16)},
        {L"QH-12M18", kNone, Fno(1.8, 16)},
        {L"QH-16M18", kNone, Fno(1.8, 16)},
        {L"QH-25M18", kNone, Fno(1.8, 16)},
        {L"QH-35M20", kNone, Fno(2.0, 16)},
        {L"QH-50M28", kNone, Fno(2.8, 22)},
        {L"QH-75M28", kNone, Fno(2.8, 22)},
        {L"QH-16M20", kNone, Fno(2.0, 16)},
        // 1.1" compact lenses; the two longest also serve line sensors, whose
        // typed-in sizes restrict the field-of-view boxes.
        {L"QC-12M28", kNone, Fno(2.8, 22)},
        {L"QC-16M28", kNone, Fno(2.8, 22)},
        {L"QC-25M28", kNone, Fno(2.8, 22)},
        {L"QC-35M28", kRestrictedFovBoxes, Fno(2.8, 22)},
        {L"QC-50M28", kRestrictedFovBoxes, Fno(2.8, 22)},
        // Lenses without close-up rings and focusing scale: ringless thin
        // lenses, fixed-magnification lenses and fixed-focus fitted lenses.
        // The report prints no focus scale for the first ten of them, the
        // catalogue's thin-lens, fixed-magnification and wide-angle pairs;
        // the other ones print the scale with the marker at its start.
        {L"QN-16M14", kRinglessUnscaled, Fno(1.4, 16)},
        {L"QN-25M16", kRinglessUnscaled, Fno(1.6, 16)},
        {L"QU-30M28", kRinglessUnscaled, Fno(2.8, 22)},
        {L"QU-50M28", kRinglessUnscaled, Fno(2.8, 22)},
        {L"QE-40M40", kRinglessUnscaled, Fno(4.0, 22)},
        {L"QE-60M56", kRinglessUnscaled, {}},
        {L"QQ-25M28", kRinglessUnscaled, Fno(2.8, 22)},
        {L"QQ-40M40", kRinglessUnscaled, Fno(4.0, 22)},
        {L"QW-6M28", kRinglessUnscaled, Fno(2.8, 16)},
        {L"QW-8M24", kRinglessUnscaled, Fno(2.4, 16)},
        {L"QL-35M28", kRingless | kRestrictedFovBoxes, Fno(2.8, 22)},
        {L"QS-8M20", kRingless, Fno(2.0, 16)},
        {L"QX-85M56", kRingless | kRestrictedFovBoxes, {}},
        {L"QM-85M40", kRingless, Fno(4.0, 22)},
        {L"QM-85M45", kRingless, Fno(4.5, 22)},
        {L"QN-8M14", kRingless, Fno(1.4, 16)},
        {L"QN-12M14", kRingless, Fno(1.4, 16)},
        {L"QN-35M20", kRingless, Fno(2.0, 16)},
        {L"QN-50M24", kRingless, Fno(2.4, 16)},
        {L"QU-20M28", kRingless, Fno(2.8, 22)},
        {L"QU-75M40", kRingless, Fno(4.0, 22)},
        {L"QE-25M28", kRingless, Fno(2.8, 22)},
        {L"QE-80M48", kRingless, Fno(4.8, 22)},
        {L"QQ-60M40", kRingless, Fno(4.0, 22)},
        {L"QQ-80M48", kRingless, Fno(4.8, 22)},
        {L"QW-4M28", kRingless, Fno(2.8, 11)},
        {L"QM-105M56", kRingless, {}},
        // Its focus draw is shown, but its model does not follow a typed ring
        // or focusing-ring position.
        {L"QS-12M18", kRingControlsDisabled, Fno(1.8, 16)},
        // Two-group, motor-step and fitted-curve lenses.
        {L"QG-12M14", kNone, Fno(1.4, 16)},
        {L"QG-20M20", kNone, Fno(2.0, 16)},
        {L"QJ-19M18", kNone, Fno(1.8, 16)},
        {L"QJ-27M24", kNone, Fno(2.4, 16)},
        {L"QA-13M14", kNone, Fno(1.4, 16)},
        {L"QA-20M20", kNone, Fno(2.0, 16)},
        {L"QV-13M18", kNone, Fno(1.8, 16)},
        {L"QV-20M24", kNone, Fno(2.4, 16)},
        {L"QY-27M20", kNone, Fno(2.0, 16)},
        {L"QY-40M28", kNone, Fno(2.8, 22)},
        {L"QP-35M28", kNone, Fno(2.8, 16)},
        {L"QP-75M40", kNone, Fno(4.0, 22)},
        {L"QD-25M14", kNone, Fno(1.4, 16)},
        {L"QD-50M28", kNone, Fno(2.8, 22)},
        {L"QD-35M20", kNone, Fno(2.0, 16)},
        {L"QD-16M18", kNone, Fno(1.8, 16)},
        {L"QK-12M16", kNone, Fno(1.6, 16)},
        {L"QK-8M20", kNone, Fno(2.0, 16)},
        {L"QK-16M14", kNone, Fno(1.4, 16)},
        {L"QK-6M18", kNone, Fno(1.8, 16)},
        {L"QZ-25M14", kNone, Fno(1.4, 16)},
        {L"QZ-50M28", kNone, Fno(2.8, 22)},
        {L"QZ-16M18", kNone, Fno(1.8, 16)},
        {L"QZ-35M20", kNone, Fno(2.0, 16)},
        // Models of the range that the sample catalogue does not carry:
        // shock-proof (-V) and near-infrared (-IR) versions, the 1.1" QB
        // series and the high-resolution macro lenses.
        {L"QF-4M18-V", kNone, Fno(1.8, 16)},
        {L"QF-6M14-V", kNone, Fno(1.4, 16)},
        {L"QF-8M14-V", kNone, Fno(1.4, 16)},
        {L"QF-12M14-V", kNone, Fno(1.4, 16)},
        {L"QF-16M14-V", kNone, Fno(1.4, 16)},
        {L"QF-25M14-V", kNone, Fno(1.4, 16)},
        {L"QF-35M14-V", kNone, Fno(1.4, 16)},
        {L"QF-50M18-V", kNone, Fno(1.8, 16)},
        {L"QF-75M25-V", kNone, Fno(2.5, 22)},
        {L"QH-8M18-V", kNone, Fno(1.8, 16)},
        {L"QH-12M18-V", kNone, Fno(1.8, 16)},
        {L"QH-16M18-V", kNone, Fno(1.8, 16)},
        {L"QH-25M18-V", kNone, Fno(1.8, 16)},
        {L"QH-35M20-V", kNone, Fno(2.0, 16)},
        {L"QH-50M28-V", kNone, Fno(2.8, 22)},
        {L"QH-75M28-V", kNone, Fno(2.8, 22)},
        {L"QC-12M28-V", kNone, Fno(2.8, 22)},
        {L"QC-16M28-V", kNone, Fno(2.8, 22)},
        {L"QC-25M28-V", kNone, Fno(2.8, 22)},
        {L"QC-35M28-V", kNone, Fno(2.8, 22)},
        {L"QC-50M28-V", kNone, Fno(2.8, 22)},
        {L"QF-8M14-IR", kNone, Fno(1.4, 16)},
        {L"QF-12M14-IR", kNone, Fno(1.4, 16)},
        {L"QF-16M14-IR", kNone, Fno(1.4, 16)},
        {L"QF-25M14-IR", kNone, Fno(1.4, 16)},
        {L"QF-35M14-IR", kNone, Fno(1.4, 16)},
        {L"QF-50M18-IR", kNone, Fno(1.8, 16)},
        {L"QF-75M25-IR", kNone, Fno(2.5, 16)},
        {L"QH-8M18-IR", kNone, Fno(1.8, 16)},
        {L"QH-12M18-IR", kNone, Fno(1.8, 16)},
        {L"QH-16M18-IR", kNone, Fno(1.8, 16)},
        {L"QH-25M18-IR", kNone, Fno(1.8, 16)},
        {L"QH-35M20-IR", kNone, Fno(2.0, 16)},
        {L"QH-50M28-IR", kNone, Fno(2.8, 16)},
        {L"QH-75M28-IR", kNone, Fno(2.8, 16)},
        {L"QB-8M20", kNone, Fno(2.0, 16)},
        {L"QB-12M20", kNone, Fno(2.0, 16)},
        {L"QB-16M20", kNone, Fno(2.0, 16)},
        {L"QB-25M20", kNone, Fno(2.0, 16)},
        {L"QB-35M24", kNone, Fno(2.4, 16)},
        {L"QB-50M24", kNone, Fno(2.4, 16)},
        {L"QB-75M28", kNone, Fno(2.8, 22)},
        {L"QB-100M28", kNone, Fno(2.8, 22)},
        {L"QR-16M28-MC HR", kNone, Fno(2.8, 11)},
        {L"QR-25M28-MC HR", kNone, Fno(2.8, 11)},
        {L"QR-35M28-MC HR", kNone, Fno(2.8, 11)},
        {L"QR-50M28-MC HR", kNone, Fno(2.8, 11)},
        {L"QR-12M12-MC HR", kNone, Fno(1.2, 2.8)},
    };
    return table;
}

const LensEntry* Find(const std::wstring& model) {
    for (const LensEntry& e : Table())
        if (model == e.model) return &e;
    return nullptr;
}

bool HasMark(const std::wstring& model, LensMark mark) {
    const LensEntry* e = Find(model);
    return e && (e->marks & mark) != 0;
}

}  // namespace lens_lists
