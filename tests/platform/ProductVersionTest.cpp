// The product version words and their text.
#include <gtest/gtest.h>

#include "Version.h"
#include "platform/ExecutableFolder.h"
#include "platform/ProductVersion.h"

using quorrel::FormatProductVersion;
using quorrel::GetProductVersion;

TEST(ProductVersion, TextIsTheFourHalvesOfTheTwoWords) {
    EXPECT_EQ(FormatProductVersion(0x00010002, 0x00030004), L"1.2.3.4");
    EXPECT_EQ(FormatProductVersion(65536, 0), L"1.0.0.0");
    EXPECT_EQ(FormatProductVersion(0, 0), L"0.0.0.0");
    EXPECT_EQ(FormatProductVersion(0xFFFFFFFF, 0x00000001), L"65535.65535.0.1");
}

TEST(ProductVersion, TheProgramReportsTheBuildsVersion) {
    std::uint32_t ms = 0xDEAD, ls = 0xBEEF;
    ASSERT_TRUE(GetProductVersion(nullptr, &ms, &ls));
    EXPECT_EQ(ms >> 16, static_cast<std::uint32_t>(QUORREL_VERSION_MAJOR));
    EXPECT_EQ(ms & 0xFFFF, static_cast<std::uint32_t>(QUORREL_VERSION_MINOR));
    EXPECT_EQ(ls >> 16, static_cast<std::uint32_t>(QUORREL_VERSION_PATCH));
    EXPECT_EQ(ls & 0xFFFF, 0u);

    const std::wstring self = quorrel::GetExecutablePath();
    std::uint32_t ms2 = 0;
    ASSERT_TRUE(GetProductVersion(self.c_str(), &ms2, nullptr));
    EXPECT_EQ(ms2, ms);
}

TEST(ProductVersion, OtherFilesHaveNoVersionAndTheWordsStayUntouched) {
    std::uint32_t ms = 7, ls = 9;
    EXPECT_FALSE(GetProductVersion(L"/bin/sh", &ms, &ls));
    EXPECT_EQ(ms, 7u);
    EXPECT_EQ(ls, 9u);
}
