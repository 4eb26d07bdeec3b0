// A clicked lens result loads into the detail page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiHarness.h"
#include "platform/Message.h"
#include "platform/wx/PageMessagesWx.h"

using namespace uitest;

namespace {

std::string LensRow(int id, const char* type, const char* parameter, int order) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + type + "', 1, '', '', '', '" +
           parameter + "', 3.45, 'C', 1, 0, '1.4,2,2.8,4', 0, " + std::to_string(order) + ");";
}

// Thin-lens parameters: token 10 is the focus draw range, token 12 the image
// circle.
constexpr char kCircle11[] = "8,-4,43,0,43,13.526,0,2.2,1.4,0.5,5,11,0,0,25";
constexpr char kCircle8[] = "16,-4,35,0,35,5.526,0,1.5,1.4,1.5,15,8,0,0,20";
constexpr char kCircle16[] = "16,-4,35,0,35,5.526,0,1.5,1.4,2.5,15,16,0,0,20";

std::vector<std::wstring> ComboItems(const CPage& page, int id) {
    std::vector<std::wstring> items;
    for (int i = 0; i < page.ComboGetCount(id); ++i) items.push_back(page.ComboGetString(id, i));
    return items;
}

class DetailTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        // Two lenses share the name QA-16: the first covers 8 mm, the second 16 mm.
        WriteLensCatalogue(m_folder.Path(),
                           LensRow(1, "QA-8", kCircle11, 10) + LensRow(2, "QA-16", kCircle8, 20) +
                               LensRow(3, "QA-16", kCircle16, 30) +
                               "INSERT INTO CCD VALUES (1, 6.4, 4.8, 8, '1/2\"', 3, 1, 10);"
                               "INSERT INTO CCD VALUES (2, 8.8, 6.6, 11, '2/3\"', 3, 1, 20);"
                               "INSERT INTO CCD VALUES (3, 12.8, 9.6, 16, '1\"', 3, 1, 30);"
                               "INSERT INTO CCD VALUES (4, 0, 0, 8, 'I/F 8mm', 2, 2, 40);");
        m_window = std::make_unique<CMainWindow>(m_folder.Path());
    }
    void TearDown() override { m_window.reset(); }

    CQuorrelDlg& Dlg() { return m_window->Dlg(); }
    CDetailCalculationDlg& Detail() { return Dlg().m_dlgDetailCalc; }

    quorrel::CMessageRecorder m_messages;  // the two missing files
    CTempFolder m_folder;
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace

TEST_F(DetailTransfer, ClickedResultLoadsTheLensAndTheSensorsItCovers) {
    ASSERT_EQ(Dlg().m_arrCCTVData.size(), 3u);
    CCCTVModelSelectionDlg& search = Dlg().m_dlgCCTVSelect;
    search.m_strClickedModel = L"QA-8";
    search.m_strSensorText = L"2/3\"";
    search.m_strClickedRing = L"0.0";
    quorrel::PostPageMessage(WM_CCTV_RESULT_CLICKED);
    PumpEvents();

    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kLensCombo), 0);
    // Area sensors within the 11 mm image circle; the line sensor's class
    // does not match the lens.
    EXPECT_EQ(ComboItems(Detail(), CDetailCalculationDlg::kSensorCombo),
              (std::vector<std::wstring>{L"1/2\"", L"2/3\""}));
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kSensorCombo), 1);
    EXPECT_TRUE(Detail().IsItemEnabled(CDetailCalculationDlg::kSensorCombo));
    // The load cleared the page: no hand-over values.
    EXPECT_EQ(Detail().m_dHandWD, -1.0);
    // Loading does not switch the page; the double-click's message does.
    EXPECT_TRUE(search.IsShown());
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 1, 0);
    PumpEvents();
    EXPECT_TRUE(Detail().IsShown());
}

TEST_F(DetailTransfer, TwoLensesOfOneNameGiveTheFirst) {
    Dlg().SetDetailLens(L"QA-16", L"1\"", L"0.0", 0, 0.0, 0.0, 0.0);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kLensCombo), 1);
    // The first QA-16 covers 8 mm only: "1\"" is not offered, entry 0 is chosen.
    EXPECT_EQ(ComboItems(Detail(), CDetailCalculationDlg::kSensorCombo), (std::vector<std::wstring>{L"1/2\""}));
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kSensorCombo), 0);
}

TEST_F(DetailTransfer, UnknownModelLeavesTheLensComboWithoutSelection) {
    Dlg().SetDetailLens(L"QA-99", L"1/2\"", L"", 0, 0.0, 0.0, 0.0);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kLensCombo), -1);
    EXPECT_EQ(Detail().ComboGetCount(CDetailCalculationDlg::kSensorCombo), 0);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kSensorCombo), -1);
}

TEST_F(DetailTransfer, ManualSensorDisablesTheSensorComboAndSelectsNothing) {
    CCCTVModelSelectionDlg& search = Dlg().m_dlgCCTVSelect;
    search.m_strClickedModel = L"QA-8";
    search.m_strSensorText = L"";
    search.m_bManualSensor = 1;
    search.SetItemText(CCCTVModelSelectionDlg::kManualV, L"3.6");
    search.SetItemText(CCCTVModelSelectionDlg::kManualH, L"4.8");
    quorrel::PostPageMessage(WM_CCTV_RESULT_CLICKED);
    PumpEvents();
    EXPECT_FALSE(Detail().IsItemEnabled(CDetailCalculationDlg::kSensorCombo));
    EXPECT_EQ(Detail().ComboGetCount(CDetailCalculationDlg::kSensorCombo), 2);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kSensorCombo), -1);
}

TEST_F(DetailTransfer, FileNewClearsTheDetailPageLensAndSensor) {
    Dlg().SetDetailLens(L"QA-8", L"1/2\"", L"0.0", 0, 0.0, 0.0, 0.0);
    ASSERT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kLensCombo), 0);
    Detail().m_dHandFovH = 10.0;
    m_window->Command(wxID_NEW);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kLensCombo), -1);
    EXPECT_EQ(Detail().ComboGetCurSel(CDetailCalculationDlg::kSensorCombo), -1);
    EXPECT_EQ(Detail().m_dHandFovH, -1.0);
}
