// The string table.
#include <gtest/gtest.h>

#include <set>

#include "platform/Strings.h"

using quorrel::HasString;
using quorrel::LoadString;

TEST(StringTable, MessagesKeepTheirTrailingSpace) {
    EXPECT_EQ(LoadString(20000), L"Select sensor size. ");
    EXPECT_EQ(LoadString(20001), L"Not applicable. ");
    EXPECT_EQ(LoadString(20002), L"Mark on check box. ");
    EXPECT_EQ(LoadString(20003), L"Input values (not zero). ");
    EXPECT_EQ(LoadString(20016), L"Mark on check box.");  // the detail page's own, without
    EXPECT_EQ(LoadString(20040), L"*All values are design value (Reference). ");
    EXPECT_EQ(LoadString(20046), L"Specifications of ");
    EXPECT_EQ(LoadString(21005), L"No illumination item to meet the requirement.");
}

TEST(StringTable, TabLabelsListCaptionsAndLanguage) {
    EXPECT_EQ(LoadString(20059), L"Model Selection of Non-Telecentric Lens");
    EXPECT_EQ(LoadString(20060), L"Model Selection of Telecentric Lens");
    EXPECT_EQ(LoadString(20061), L"Spec.");
    EXPECT_EQ(LoadString(20123), L"Model Selection of illumination");
    EXPECT_EQ(LoadString(20064), L"Horizontal FOV [mm]");
    EXPECT_EQ(LoadString(20126), L"Maximum Rated Current [A]");
    EXPECT_EQ(LoadString(20150), L"[\u00B0]");
    EXPECT_EQ(LoadString(20153), L"Tickness");
    EXPECT_EQ(LoadString(20007), L"Caution: Select Close-Up Ring less than equal to %.1f mm.");
    EXPECT_EQ(LoadString(25000), L"EN");
}

TEST(StringTable, WebAddressesAreTheVisibleTextAndTheAddressOpened) {
    EXPECT_FALSE(LoadString(20062).empty());
    EXPECT_EQ(LoadString(20063).rfind(L"https://", 0), 0u);
    EXPECT_NE(LoadString(20063).find(LoadString(20062)), std::wstring::npos);
}

TEST(StringTable, IdsWithoutTextGiveTheEmptyString) {
    // Ids in the program's ranges that no text is defined for.
    std::set<int> expectedMissing = {20014, 20015, 20038, 20057, 20058, 20065, 20066, 20067,
                                     20122, 21002, 21003, 21006};
    for (int id = 20070; id <= 20118; ++id) expectedMissing.insert(id);

    std::set<int> missing;
    for (int id = 20000; id <= 20161; ++id)
        if (!HasString(id)) missing.insert(id);
    for (int id = 21000; id <= 21016; ++id)
        if (!HasString(id)) missing.insert(id);
    EXPECT_EQ(missing, expectedMissing);
    for (int id : expectedMissing) EXPECT_EQ(LoadString(id), L"") << id;
    EXPECT_EQ(LoadString(19999), L"");
    EXPECT_EQ(LoadString(-1), L"");
}

TEST(StringTable, EveryIdHasText) {
    for (int id : quorrel::StringIds()) EXPECT_FALSE(LoadString(id).empty()) << id;
    // References stay valid: the same object is returned each time.
    EXPECT_EQ(&LoadString(20000), &LoadString(20000));
}
