// The hold length of a telecentric lens: barrel length less the front part
// and the mount, none for the GUX series and for the listed lenses. (Every
// column's way from the catalogue into its member is checked by the loader
// tests.)
#include <gtest/gtest.h>

#include <string>

#include "telecentric/CTKLData.h"

TEST(CTKLData, HoldLength) {
    const struct {
        std::wstring type, kind;
        double L, holdC, mount, holdLength;
    } cases[] = {
        {L"TKL05-65", L"TKL", 168.0, 70.0, 6.0, 92.0},
        {L"TKL1-65", L"TKL", 100.0, 30.0, 5.0, 65.0},
        {L"QEV-1X", L"QEV", 205.0, 88.0, 9.0, 108.0},
        {L"X", L"TKL", 10.0, 30.0, 5.0, -25.0},  // not clamped
        {L"", L"", 0.0, 0.0, 0.0, 0.0},
        {L"GUX-05", L"GUX", 100.0, 30.0, 5.0, 0.0},
        {L"GUX-05", L"gux", 100.0, 30.0, 5.0, 65.0},  // only the exact kind counts
        {L"GUX-05", L"GUX ", 100.0, 30.0, 5.0, 65.0},
        {L"TKL4-45", L"TKL", 100.0, 30.0, 5.0, 65.0},  // whole-name, case-sensitive list match
        {L"TKL4-45d", L"TKL", 100.0, 30.0, 5.0, 65.0},
        {L"TKL4-45DX", L"TKL", 100.0, 30.0, 5.0, 65.0},
    };
    for (const auto& c : cases) {
        tagTKLColumns columns;
        columns.Kind = c.kind;
        columns.L = c.L;
        columns.HoldC = c.holdC;
        columns.Mount = c.mount;
        const CTKLData lens(c.type, columns);
        EXPECT_EQ(lens.Type, c.type);
        EXPECT_EQ(lens.HoldLength, c.holdLength) << std::string(c.type.begin(), c.type.end());
    }
    for (std::wstring_view name : CTKLData::kNoHoldLengthTypes) {
        tagTKLColumns columns;
        columns.Kind = L"TKL", columns.L = 100.0, columns.HoldC = 30.0, columns.Mount = 5.0;
        EXPECT_EQ(CTKLData(std::wstring(name), columns).HoldLength, 0.0)
            << std::string(name.begin(), name.end());
    }
}
