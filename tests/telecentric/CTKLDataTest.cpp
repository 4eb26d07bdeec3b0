// The telecentric lens record: every column lands in its member, and the hold
// length follows its three rules.
#include <gtest/gtest.h>

#include <string>

#include "telecentric/CTKLData.h"

namespace {

// A 0.5x lens with a distinct value in every column, so that a value landing
// in the wrong member shows.
tagTKLColumns HandCheckedColumns() {
    tagTKLColumns c;
    c.Kind = L"TKL";
    c.SensorType = L"5M";
    c.Pmag = -0.4996;
    c.Flength = 140.6;
    c.Feff = 10.0;
    c.NA = 0.025;
    c.WD = 65.0;
    c.OD = 42.0;
    c.OI = 250.53;
    c.L = 168.0;
    c.RS = 0.0134;
    c.DOF = 1.6;
    c.LH = 16.0;
    c.LHP = 8.0;
    c.ENPP = 99999.0;
    c.EXPP = -118.3;
    c.ENPD = 7.03;
    c.EXPD = 12.65;
    c.STO = 7.04;
    c.LB = 17.53;
    c.LBd = 0.5;
    c.CCDLimit = 16.0;
    c.LBLimit = 1.0;
    c.HoldA = 30.0;
    c.HoldB = 42.5;
    c.HoldC = 70.0;
    c.HoldD = 31.0;
    c.Mount = 6.0;
    c.EFDI = 36.0;
    c.RearconRecommend = 1;
    c.CatalogJP = L"jp.pdf";
    c.CatalogEN = L"en.pdf";
    c.CatalogCN = L"cn.pdf";
    c.MountType = L"C";
    c.SpecialFlag = 5;
    return c;
}

tagTKLColumns HoldColumns(const wchar_t* kind, double L, double holdC, double mount) {
    tagTKLColumns c;
    c.Kind = kind;
    c.L = L;
    c.HoldC = holdC;
    c.Mount = mount;
    return c;
}

}  // namespace

TEST(CTKLData, CopiesEveryColumnAndDerivesTheHoldLength) {
    const CTKLData lens(L"TKL05-65", HandCheckedColumns());
    EXPECT_EQ(lens.Type, L"TKL05-65");
    EXPECT_EQ(lens.Kind, L"TKL");
    EXPECT_EQ(lens.SensorType, L"5M");
    EXPECT_EQ(lens.Pmag, -0.4996);
    EXPECT_EQ(lens.Flength, 140.6);
    EXPECT_EQ(lens.Feff, 10.0);
    EXPECT_EQ(lens.NA, 0.025);
    EXPECT_EQ(lens.WD, 65.0);
    EXPECT_EQ(lens.OD, 42.0);
    EXPECT_EQ(lens.OI, 250.53);
    EXPECT_EQ(lens.L, 168.0);
    EXPECT_EQ(lens.RS, 0.0134);
    EXPECT_EQ(lens.DOF, 1.6);
    EXPECT_EQ(lens.LH, 16.0);
    EXPECT_EQ(lens.LHP, 8.0);
    EXPECT_EQ(lens.ENPP, 99999.0);
    EXPECT_EQ(lens.EXPP, -118.3);
    EXPECT_EQ(lens.ENPD, 7.03);
    EXPECT_EQ(lens.EXPD, 12.65);
    EXPECT_EQ(lens.STO, 7.04);
    EXPECT_EQ(lens.LB, 17.53);
    EXPECT_EQ(lens.LBd, 0.5);
    EXPECT_EQ(lens.CCDLimit, 16.0);
    EXPECT_EQ(lens.LBLimit, 1.0);
    EXPECT_EQ(lens.HoldA, 30.0);
    EXPECT_EQ(lens.HoldB, 42.5);
    EXPECT_EQ(lens.HoldC, 70.0);
    EXPECT_EQ(lens.HoldD, 31.0);
    EXPECT_EQ(lens.Mount, 6.0);
    EXPECT_EQ(lens.EFDI, 36.0);
    EXPECT_EQ(lens.RearconRecommend, 1);
    EXPECT_EQ(lens.CatalogJP, L"jp.pdf");
    EXPECT_EQ(lens.CatalogEN, L"en.pdf");
    EXPECT_EQ(lens.CatalogCN, L"cn.pdf");
    EXPECT_EQ(lens.MountType, L"C");
    EXPECT_EQ(lens.SpecialFlag, 5);
    // 168.0 - 70.0 - 6.0
    EXPECT_EQ(lens.HoldLength, 92.0);
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
