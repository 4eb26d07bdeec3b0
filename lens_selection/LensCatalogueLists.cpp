#include "lens_selection/LensCatalogueLists.h"

namespace lens_lists {

const std::vector<LensEntry>& Table() {
    // The search page's "--" ring list stays empty unless a catalogue needs it.
    static const std::vector<LensEntry> table = {
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
