// Catalogue facts about individual lens models that the lens pages need and
// the catalogue file does not carry: one table keyed by the exact model name
// (case-sensitive, whole name).
#pragma once

#include <string>
#include <vector>

namespace lens_lists {

// Marks a model can carry.
enum LensMark : unsigned {
    kNoRingInResults = 0x1,       // the search result shows "--" for its close-up ring
    kNoRingControls = 0x2,        // used without close-up rings and focusing scale
    kRingControlsDisabled = 0x4,  // ring combo, ring box and focusing-ring edit disabled
    kRestrictedFovBoxes = 0x8,    // field-of-view boxes restricted with a typed-in sensor
    kNoReportFocusScale = 0x10,   // the printed report leaves out its focus scale and warnings
};

// One model's entry.
struct LensEntry {
    const wchar_t* model;
    unsigned marks;
    std::vector<std::wstring> fnoList;  // built-in F-number list; empty: none
};

// The table; a model appears at most once.
const std::vector<LensEntry>& Table();

// The entry of a model, or nullptr.
const LensEntry* Find(const std::wstring& model);

bool HasMark(const std::wstring& model, LensMark mark);

}  // namespace lens_lists
