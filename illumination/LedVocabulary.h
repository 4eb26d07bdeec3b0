// The two vocabularies of the illumination catalogue: the kinds of light and
// the emitted colours, each with its number and its name in three languages.
// The pages show the name of the user-interface language.
#pragma once

#include <string>

// One illumination type (a row of IlluminationType).
class CLedTypeData {
public:
    int m_nTypeNum = 0;            // the Type value of the lights of this kind; mask bit 2^(n-1)
    std::wstring m_strTypeNameJP;  // name in Japanese
    std::wstring m_strTypeNameEN;  // name in English
    std::wstring m_strTypeNameCN;  // name in Chinese
};

// One emitted colour (a row of Color).
class CLedColorData {
public:
    int m_nColorNum = 0;            // the Color value of the lights of this colour
    std::wstring m_strColorNameJP;  // name in Japanese
    std::wstring m_strColorNameEN;  // name in English
    std::wstring m_strColorNameCN;  // name in Chinese
};
