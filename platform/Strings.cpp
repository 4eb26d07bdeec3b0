#include "platform/Strings.h"

#include <algorithm>
#include <iterator>

namespace quorrel {

namespace {

struct StringEntry {
    int id;
    const wchar_t* text;
};

// Sorted by id in the source; checked once below.
constexpr StringEntry kStrings[] = {
#define QUORREL_STRING(id, text) {id, text},
#include "res/strings.inc"
#undef QUORREL_STRING
};

constexpr bool IsAscending() {
    for (size_t i = 1; i < std::size(kStrings); ++i)
        if (kStrings[i - 1].id >= kStrings[i].id) return false;
    return true;
}
static_assert(IsAscending(), "res/strings.inc must list each id once, ascending");

const StringEntry* Find(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id) return nullptr;
    return &*it;
}

// Built once, so callers may keep the reference.
const std::vector<std::wstring>& Texts() {
    static const std::vector<std::wstring> texts = [] {
        std::vector<std::wstring> v;
        v.reserve(std::size(kStrings));
        for (const auto& e : kStrings) v.emplace_back(e.text);
        return v;
    }();
    return texts;
}

}  // namespace

const std::wstring& LoadString(int id) {
    static const std::wstring empty;
    const StringEntry* e = Find(id);
    if (!e) return empty;
    return Texts()[static_cast<size_t>(e - std::begin(kStrings))];
}

bool HasString(int id) { return Find(id) != nullptr; }

std::vector<int> StringIds() {
    std::vector<int> ids;
    ids.reserve(std::size(kStrings));
    for (const auto& e : kStrings) ids.push_back(e.id);
    return ids;
}

}  // namespace quorrel
