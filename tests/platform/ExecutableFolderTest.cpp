// The program's own folder and path joining.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ExecutableFolder.h"
#include "platform/Text.h"

using quorrel::JoinPath;

TEST(ExecutableFolder, HoldsTheRunningProgram) {
    const std::wstring folder = quorrel::GetExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'/');
    EXPECT_TRUE(std::filesystem::is_regular_file(quorrel::ToUtf8(JoinPath(folder, L"test_platform"))));
    EXPECT_EQ(quorrel::GetExecutablePath(), JoinPath(folder, L"test_platform"));
}

TEST(ExecutableFolder, JoinPathPutsOneSeparatorBetween) {
    EXPECT_EQ(JoinPath(L"/opt/quorrel", L"quorrel_cctv.mdb"), L"/opt/quorrel/quorrel_cctv.mdb");
    EXPECT_EQ(JoinPath(L"/opt/quorrel/", L"quorrel_led.mdb"), L"/opt/quorrel/quorrel_led.mdb");
    EXPECT_EQ(JoinPath(L"", L"quorrel_tkl.mdb"), L"quorrel_tkl.mdb");
}
