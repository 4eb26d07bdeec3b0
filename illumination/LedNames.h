// Illumination type and colour names in the user-interface language.
//
// The catalogue names every type and colour in Japanese, English and
// Chinese; the language code of the string table picks one: "JP" the
// Japanese name, "CN" the Chinese one, anything else the English one.
#pragma once

#include <string>
#include <vector>

class CLedTypeData;
class CLedColorData;

namespace led_names {

enum class Language { kJapanese, kEnglish, kChinese };

Language LanguageFromCode(const std::wstring& code);

const std::wstring& TypeName(const CLedTypeData& type, Language language);
const std::wstring& ColorName(const CLedColorData& color, Language language);

// The name of the first type (colour) with this number; the empty text
// when the list has none.
const std::wstring& TypeNameOf(const std::vector<CLedTypeData*>& types, int typeNum, Language language);
const std::wstring& ColorNameOf(const std::vector<CLedColorData*>& colors, int colorNum, Language language);

}  // namespace led_names
