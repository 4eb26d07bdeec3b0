// Coaxial marker and nominal magnification read from telecentric model names.
#include <gtest/gtest.h>

#include <string>

#include "telecentric/TelecentricNames.h"

namespace {

// The magnification text of a name, or "<none>" when the reader declines
// (the text then keeps its preset "<none>").
std::wstring Magnification(const std::wstring& name) {
    std::wstring text = L"<none>";
    const bool read = ParseTelecentricMagnification(name, text);
    EXPECT_EQ(read, text != L"<none>") << "for " << std::string(name.begin(), name.end());
    return text;
}

}  // namespace

TEST(ModelNameHasD, CapitalDAnywhereMeansCoaxial) {
    EXPECT_TRUE(ModelNameHasD(L"TKL05-65D"));
    EXPECT_TRUE(ModelNameHasD(L"QEV-2X-D"));
    EXPECT_TRUE(ModelNameHasD(L"GUXD-10"));  // in the series part
    EXPECT_TRUE(ModelNameHasD(L"D"));
    EXPECT_FALSE(ModelNameHasD(L"TKL05-65d"));  // lower case only
    EXPECT_FALSE(ModelNameHasD(L"TKL05-65"));
    EXPECT_FALSE(ModelNameHasD(L""));
}

TEST(TelecentricMagnification, QevReadsBetweenFirstDashAndFirstX) {
    EXPECT_EQ(Magnification(L"QEV-05X"), L"0.5");
    EXPECT_EQ(Magnification(L"QEV-035X"), L"0.35");
    EXPECT_EQ(Magnification(L"QEV-1X"), L"1");
    EXPECT_EQ(Magnification(L"QEV-2X-D"), L"2");
    EXPECT_EQ(Magnification(L"QEV-0.75X"), L"0.75");   // point already there
    EXPECT_EQ(Magnification(L"QEV-10X"), L"10");
    EXPECT_EQ(Magnification(L"QEV-A5X"), L"A.5");      // a non-digit first counts as 0
    EXPECT_EQ(Magnification(L"QEV-.5X"), L"..5");      // a point at the start is no point
    EXPECT_EQ(Magnification(L"QEV-0.7.5X"), L"0.7.5"); // kept as it stands
}

TEST(TelecentricMagnification, QevWithoutDigitsBetweenDashAndXReadsNothing) {
    EXPECT_EQ(Magnification(L"QEVX-05"), L"<none>");   // X before the dash
    EXPECT_EQ(Magnification(L"QEV-X"), L"<none>");     // nothing between
    EXPECT_EQ(Magnification(L"QEV-05"), L"<none>");    // no X
    EXPECT_EQ(Magnification(L"QEV05X"), L"<none>");    // no dash
    EXPECT_EQ(Magnification(L"QEV-05x"), L"<none>");   // lower-case x does not count
}

TEST(TelecentricMagnification, TklReadsBetweenFirstLAndFirstDash) {
    EXPECT_EQ(Magnification(L"TKL05-65"), L"0.5");
    EXPECT_EQ(Magnification(L"TKL1.5-65"), L"1.5");
    EXPECT_EQ(Magnification(L"TKL2-65D"), L"2");
    EXPECT_EQ(Magnification(L"TKL005-450"), L"0.05");
    EXPECT_EQ(Magnification(L"TKL10-45"), L"10");
    EXPECT_EQ(Magnification(L"TKL05-110NIR"), L"0.5");
    // The first capital L decides, even in front of the series name.
    EXPECT_EQ(Magnification(L"LTKL05-65"), L"T.KL05");
}

TEST(TelecentricMagnification, TklWithoutDigitsBetweenLAndDashReadsNothing) {
    EXPECT_EQ(Magnification(L"TKL-65"), L"<none>");
    EXPECT_EQ(Magnification(L"TKL05"), L"<none>");
    EXPECT_EQ(Magnification(L"A-TKL05"), L"<none>");  // dash before the L
}

TEST(TelecentricMagnification, GuxPutsAPointAfterTheFirstCharacterAfterTheDash) {
    EXPECT_EQ(Magnification(L"GUX-05"), L"0.5");
    EXPECT_EQ(Magnification(L"GUX-025"), L"0.25");
    EXPECT_EQ(Magnification(L"GUXD-10"), L"1.0");
    EXPECT_EQ(Magnification(L"GUX-1"), L"1.");
    EXPECT_EQ(Magnification(L"GUX-"), L".");
    EXPECT_EQ(Magnification(L"GUX05"), L"G.UX05");  // no dash: the whole name
    EXPECT_EQ(Magnification(L"GUX-05-2"), L"0.5-2");
}

TEST(TelecentricMagnification, SeriesPriorityIsQevThenTklThenGux) {
    EXPECT_EQ(Magnification(L"TKLQEV-05X"), L"0.5");    // QEV rule, although TKL comes first
    EXPECT_EQ(Magnification(L"GUXTKL2-1"), L"2");        // TKL rule before GUX
    EXPECT_EQ(Magnification(L"QEVX-GUX-05"), L"<none>"); // QEV decides and fails: no GUX fallback
}

TEST(TelecentricMagnification, NameOfNoSeriesLeavesTheTextAlone) {
    EXPECT_EQ(Magnification(L"LSC-1X-16K"), L"<none>");
    EXPECT_EQ(Magnification(L"qev-05X"), L"<none>");  // case-sensitive series search
    EXPECT_EQ(Magnification(L""), L"<none>");
    std::wstring text = L"-";
    EXPECT_FALSE(ParseTelecentricMagnification(L"ABC-05X", text));
    EXPECT_EQ(text, L"-");
}
