#include "illumination/LedNames.h"

#include "illumination/LedVocabulary.h"

namespace led_names {

namespace {
const std::wstring kNoName;

const std::wstring& Pick(Language language, const std::wstring& jp, const std::wstring& en,
                         const std::wstring& cn) {
    switch (language) {
    case Language::kJapanese:
        return jp;
    case Language::kChinese:
        return cn;
    case Language::kEnglish:
        break;
    }
    return en;
}
}  // namespace

Language LanguageFromCode(const std::wstring& code) {
    if (code == L"JP") return Language::kJapanese;
    if (code == L"CN") return Language::kChinese;
    return Language::kEnglish;
}

const std::wstring& TypeName(const CLedTypeData& t, Language language) {
    return Pick(language, t.m_strTypeNameJP, t.m_strTypeNameEN, t.m_strTypeNameCN);
}

const std::wstring& ColorName(const CLedColorData& c, Language language) {
    return Pick(language, c.m_strColorNameJP, c.m_strColorNameEN, c.m_strColorNameCN);
}

const std::wstring& TypeNameOf(const std::vector<CLedTypeData*>& types, int typeNum, Language language) {
    for (const CLedTypeData* t : types)
        if (t && t->m_nTypeNum == typeNum) return TypeName(*t, language);
    return kNoName;
}

const std::wstring& ColorNameOf(const std::vector<CLedColorData*>& colors, int colorNum, Language language) {
    for (const CLedColorData* c : colors)
        if (c && c->m_nColorNum == colorNum) return ColorName(*c, language);
    return kNoName;
}

}  // namespace led_names
