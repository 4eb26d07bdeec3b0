// Start-up reads the telecentric and illumination catalogues too, and hands
// every page its pointer copies in catalogue order.
#include <gtest/gtest.h>

#include "catalogue/CCatalogDatabase.h"
#include "platform/Message.h"
#include "tests/ui/UiHarness.h"

using uitest::CMainWindow;
using uitest::SampleCatalogueFolder;

namespace {
std::wstring SamplePath(const wchar_t* name) {
    return SampleCatalogueFolder() + L"/" + name;
}
}  // namespace

TEST(StartupCatalogues, TelecentricRecordsReachBothTelecentricPages) {
    quorrel::CMessageRecorder messages;
    CMainWindow window(SampleCatalogueFolder());
    ASSERT_EQ(messages.Count(), 0u);

    std::vector<std::unique_ptr<CTKLData>> lenses;
    std::vector<std::unique_ptr<CTKLExtraData>> extras;
    {
        CCatalogDatabase db;
        ASSERT_TRUE(db.Open(SamplePath(CQuorrelDlg::kTKLCatalogue), CQuorrelDlg::kLensPassword));
        ASSERT_TRUE(db.LoadTKLLensTable(lenses));
        ASSERT_TRUE(db.LoadTKLExtraTable(extras));
    }
    CQuorrelDlg& dlg = window.Dlg();
    ASSERT_FALSE(lenses.empty());
    ASSERT_EQ(dlg.m_arrTKLData.size(), lenses.size());
    ASSERT_EQ(dlg.m_arrTKLExtraData.size(), extras.size());
    ASSERT_EQ(dlg.m_dlgTklSelect.m_arrTKLData.size(), lenses.size());
    ASSERT_EQ(dlg.m_dlgTKLSpec.m_arrTKLData.size(), lenses.size());
    ASSERT_EQ(dlg.m_dlgTKLSpec.m_arrTKLExtraData.size(), extras.size());
    for (size_t i = 0; i < lenses.size(); ++i) {
        EXPECT_EQ(dlg.m_arrTKLData[i]->Type, lenses[i]->Type);
        EXPECT_EQ(dlg.m_dlgTklSelect.m_arrTKLData[i], dlg.m_arrTKLData[i].get());
        EXPECT_EQ(dlg.m_dlgTKLSpec.m_arrTKLData[i], dlg.m_arrTKLData[i].get());
    }
}

TEST(StartupCatalogues, IlluminationRecordsTypesAndColoursReachBothIlluminationPages) {
    quorrel::CMessageRecorder messages;
    CMainWindow window(SampleCatalogueFolder());
    ASSERT_EQ(messages.Count(), 0u);

    std::vector<std::unique_ptr<CLedData>> lights;
    std::vector<std::unique_ptr<CLedTypeData>> types;
    std::vector<std::unique_ptr<CLedColorData>> colours;
    {
        CCatalogDatabase db;
        ASSERT_TRUE(db.Open(SamplePath(CQuorrelDlg::kLedCatalogue), CQuorrelDlg::kLedPassword));
        ASSERT_TRUE(db.LoadLedCommonTable(lights));
        ASSERT_TRUE(db.LoadIlluminationTypeTable(types));
        ASSERT_TRUE(db.LoadColorTable(colours));
    }
    CQuorrelDlg& dlg = window.Dlg();
    ASSERT_FALSE(lights.empty());
    ASSERT_EQ(dlg.m_arrLedData.size(), lights.size());
    ASSERT_EQ(dlg.m_arrLedTypeData.size(), types.size());
    ASSERT_EQ(dlg.m_arrLedColorData.size(), colours.size());
    ASSERT_EQ(dlg.m_dlgLEDSelect.m_arrLedData.size(), lights.size());
    ASSERT_EQ(dlg.m_dlgLEDSelect.m_arrLedTypeData.size(), types.size());
    ASSERT_EQ(dlg.m_dlgLEDSelect.m_arrLedColorData.size(), colours.size());
    ASSERT_EQ(dlg.m_dlgLedSpec.m_arrLedTypeData.size(), types.size());
    ASSERT_EQ(dlg.m_dlgLedSpec.m_arrLedColorData.size(), colours.size());
    for (size_t i = 0; i < lights.size(); ++i)
        EXPECT_EQ(dlg.m_dlgLEDSelect.m_arrLedData[i], dlg.m_arrLedData[i].get());
    for (size_t i = 0; i < colours.size(); ++i)
        EXPECT_EQ(dlg.m_dlgLedSpec.m_arrLedColorData[i], dlg.m_arrLedColorData[i].get());
}
