// The digits-only rule of the numeric edits on the search and data-sheet
// pages: only decimal digits and the point are kept.
#pragma once

#include <string>

namespace quorrel {

// Finds the first character of `text` that is neither a decimal digit nor
// '.', and returns `text` with every occurrence of that one character
// removed; other offending characters stay for the next pass. Returns
// `text` unchanged when there is no such character.
std::wstring StripNonNumeric(const std::wstring& text);

}  // namespace quorrel
