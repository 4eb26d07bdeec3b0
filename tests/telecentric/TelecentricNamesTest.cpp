// Coaxial marker and nominal magnification read from telecentric model names.
#include <gtest/gtest.h>

#include <string>

#include "telecentric/TelecentricNames.h"

TEST(ModelNameHasD, CapitalDAnywhereMeansCoaxial) {
    for (const wchar_t* name : {L"TKL05-65D", L"QEV-2X-D", L"GUXD-10", L"D"})
        EXPECT_TRUE(ModelNameHasD(name)) << testing::PrintToString(std::wstring(name));
    for (const wchar_t* name : {L"TKL05-65d", L"TKL05-65", L""})
        EXPECT_FALSE(ModelNameHasD(name)) << testing::PrintToString(std::wstring(name));
}

TEST(TelecentricMagnification, EachSeriesReadsItsOwnPartOfTheName) {
    // nullptr: the reader declines and the text keeps what it held.
    const struct {
        const wchar_t* name;
        const wchar_t* text;
    } cases[] = {
        // QEV: between the first "-" and the first "X".
        {L"QEV-05X", L"0.5"},
        {L"QEV-035X", L"0.35"},
        {L"QEV-1X", L"1"},
        {L"QEV-2X-D", L"2"},
        {L"QEV-0.75X", L"0.75"},   // point already there
        {L"QEV-10X", L"10"},
        {L"QEV-A5X", L"A.5"},      // a non-digit first counts as 0
        {L"QEV-.5X", L"..5"},      // a point at the start is no point
        {L"QEV-0.7.5X", L"0.7.5"}, // kept as it stands
        {L"QEV-.5.X", L".5."},     // a second point after the first character: kept
        {L"QEVX-05", nullptr},     // X before the dash
        {L"QEV-X", nullptr},       // nothing between
        {L"QEV-05", nullptr},      // no X
        {L"QEV05X", nullptr},      // no dash
        {L"QEV-05x", nullptr},     // lower-case x does not count
        // TKL: between the first "L" and the first "-".
        {L"TKL05-65", L"0.5"},
        {L"TKL1.5-65", L"1.5"},
        {L"TKL.5.-65", L".5."},
        {L"TKL2-65D", L"2"},
        {L"TKL005-450", L"0.05"},
        {L"TKL10-45", L"10"},
        {L"TKL05-110NIR", L"0.5"},
        {L"LTKL05-65", L"T.KL05"},  // the first capital L decides
        {L"TKL-65", nullptr},
        {L"TKL05", nullptr},
        {L"A-TKL05", nullptr},      // dash before the L
        // GUX: everything after the first "-", a point after its first character.
        {L"GUX-05", L"0.5"},
        {L"GUX-025", L"0.25"},
        {L"GUXD-10", L"1.0"},
        {L"GUX-1", L"1."},
        {L"GUX-", L"."},
        {L"GUX05", L"G.UX05"},      // no dash: the whole name
        {L"GUX-05-2", L"0.5-2"},
        // The series is found as QEV, then TKL, then GUX, anywhere in the name.
        {L"TKLQEV-05X", L"0.5"},    // QEV rule, although TKL comes first
        {L"GUXTKL2-1", L"2"},       // TKL rule before GUX
        {L"QEVX-GUX-05", nullptr},  // QEV decides and fails: no GUX fallback
        {L"LSC-1X-16K", nullptr},   // no series
        {L"qev-05X", nullptr},      // case-sensitive series search
        {L"ABC-05X", nullptr},
        {L"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        std::wstring text = L"<kept>";
        EXPECT_EQ(ParseTelecentricMagnification(c.name, text), c.text != nullptr);
        EXPECT_EQ(text, c.text ? c.text : L"<kept>");
    }
}
