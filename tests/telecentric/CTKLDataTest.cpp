// The telecentric lens record and the three rules of its hold length. (Every
// column's way from the catalogue into its member is checked by the loader tests.)
#include <gtest/gtest.h>

#include <string>

#include "telecentric/CTKLData.h"

namespace {

tagTKLColumns HoldColumns(const wchar_t* kind, double L, double holdC, double mount) {
    tagTKLColumns c;
    c.Kind = kind;
    c.L = L;
    c.HoldC = holdC;
    c.Mount = mount;
    return c;
}

}  // namespace

TEST(CTKLData, KeepsItsNameAndColumnsAndDerivesTheHoldLength) {
    // The 0.5x lens of the sample: barrel 168.0, front part 70.0, mount 6.0.
    tagTKLColumns c = HoldColumns(L"TKL", 168.0, 70.0, 6.0);
    c.Pmag = -0.4996;
    c.HoldA = 30.0;
    c.SpecialFlag = 5;
    c.MountType = L"C";
    const CTKLData lens(L"TKL05-65", c);
    EXPECT_EQ(lens.Type, L"TKL05-65");
    EXPECT_EQ(lens.Kind, L"TKL");
    EXPECT_EQ(lens.Pmag, -0.4996);
    EXPECT_EQ(lens.HoldA, 30.0);
    EXPECT_EQ(lens.SpecialFlag, 5);
    EXPECT_EQ(lens.MountType, L"C");
    EXPECT_EQ(lens.HoldLength, 92.0);  // 168.0 - 70.0 - 6.0
}

TEST(CTKLDataHoldLength, IsBarrelLengthLessFrontPartAndMount) {
    EXPECT_EQ(CTKLData(L"TKL1-65", HoldColumns(L"TKL", 100.0, 30.0, 5.0)).HoldLength, 65.0);
    EXPECT_EQ(CTKLData(L"QEV-1X", HoldColumns(L"QEV", 205.0, 88.0, 9.0)).HoldLength, 108.0);
    // Not clamped: a front part longer than the barrel gives a negative length.
    EXPECT_EQ(CTKLData(L"X", HoldColumns(L"TKL", 10.0, 30.0, 5.0)).HoldLength, -25.0);
    EXPECT_EQ(CTKLData(L"", tagTKLColumns{}).HoldLength, 0.0);
}

TEST(CTKLDataHoldLength, GuxSeriesHasNone) {
    EXPECT_EQ(CTKLData(L"GUX-05", HoldColumns(L"GUX", 100.0, 30.0, 5.0)).HoldLength, 0.0);
    // Only the exact kind text counts.
    EXPECT_EQ(CTKLData(L"GUX-05", HoldColumns(L"gux", 100.0, 30.0, 5.0)).HoldLength, 65.0);
    EXPECT_EQ(CTKLData(L"GUX-05", HoldColumns(L"GUX ", 100.0, 30.0, 5.0)).HoldLength, 65.0);
}

TEST(CTKLDataHoldLength, ListedLensesHaveNone) {
    ASSERT_EQ(CTKLData::kNoHoldLengthTypes.size(), 4u);
    for (std::wstring_view name : CTKLData::kNoHoldLengthTypes) {
        const CTKLData lens(std::wstring(name), HoldColumns(L"TKL", 100.0, 30.0, 5.0));
        EXPECT_EQ(lens.HoldLength, 0.0) << std::string(name.begin(), name.end());
    }
    // Whole-name, case-sensitive match only.
    EXPECT_EQ(CTKLData(L"TKL4-45", HoldColumns(L"TKL", 100.0, 30.0, 5.0)).HoldLength, 65.0);
    EXPECT_EQ(CTKLData(L"TKL4-45d", HoldColumns(L"TKL", 100.0, 30.0, 5.0)).HoldLength, 65.0);
    EXPECT_EQ(CTKLData(L"TKL4-45DX", HoldColumns(L"TKL", 100.0, 30.0, 5.0)).HoldLength, 65.0);
}
