// The program's string table (res/strings.inc, compiled in).
#pragma once

#include <string>
#include <vector>

namespace quorrel {

// The text of string `id`; the empty text when the table has no such id.
const std::wstring& LoadString(int id);

// True when the table holds `id` (its text may still be empty).
bool HasString(int id);

// Every id of the table, ascending.
std::vector<int> StringIds();

}  // namespace quorrel
