// The detail page's controls before a calculation: what a loaded lens shows,
// the close-up ring controls, the focus marker, the lists and the input
// boxes.
#include "DetailPageSupport.h"

#include "platform/wx/PageMessagesWx.h"

using namespace uitest;

namespace {

std::vector<std::wstring> Entries(const CPage& page, int id) {
    std::vector<std::wstring> items;
    for (int i = 0; i < page.ComboGetCount(id); ++i) items.push_back(page.ComboGetString(id, i));
    return items;
}

// Lenses the sample catalogue has no example of: a lens without focus draw
// that takes rings, and one that takes rings up to 7.2 mm.
constexpr char kOddLenses[] =
    "INSERT INTO LENS VALUES (1, 'QT-25M14', 1, '', '', '', "
    "'25,-2,30,0,30,-5.474,0,1.1,1.4,0,10,11,0,0,20', 3.45, 'C', 1, 0, '1.4,2,2.8', 0, 10);"
    "INSERT INTO LENS VALUES (2, 'QT-25M14B', 1, '', '', '', "
    "'25,-2,30,0,30,-5.474,0,1.1,1.4,0,10,11,0,0,20', 3.45, 'C', 1, 1, '1.4,2,2.8', 0, 20);"
    "INSERT INTO LENS VALUES (3, 'QT-35M14', 1, '', '', '', "
    "'35,2,36,0,36,-19.474,0,0.95,1.4,4,7.2,11,0,0,26', 3.45, 'C', 1, 0, '1.4,2,2.8', 0, 30);"
    "INSERT INTO CCD VALUES (1, 8.8, 6.6, 11, '2/3\"', 3, 1, 10);";

class DetailPageOddLensTest : public DetailPageTest {
protected:
    std::wstring CatalogueFolder() override {
        WriteLensCatalogue(m_folder.Path(), kOddLenses);
        return m_folder.Path();
    }
    CTempFolder m_folder;
};

}  // namespace

TEST_F(DetailPageTest, ClickedResultRowShowsItsLensSensorRingAndFNumbers) {
    CCCTVModelSelectionDlg& search = Main().m_dlgCCTVSelect;
    search.m_strClickedModel = L"QF-25M14";
    search.m_strSensorText = L"1/2\"";
    search.m_strClickedRing = L"5.0";
    search.m_bManualSensor = 0;
    quorrel::PostPageMessage(WM_CCTV_RESULT_CLICKED);
    PumpEvents();

    EXPECT_EQ(Item(Dlg::kLensCombo), L"QF-25M14");
    EXPECT_EQ(Item(Dlg::kSensorCombo), L"1/2\"");
    // Sensors within the 11 mm image circle only.
    EXPECT_EQ(Page().ComboGetCount(Dlg::kSensorCombo), 7);
    EXPECT_EQ(Item(Dlg::kManualV), L"4.80");
    EXPECT_EQ(Item(Dlg::kManualH), L"6.40");
    EXPECT_EQ(Item(Dlg::kManualD), L"8.00");
    // Rings 0.0 .. 25.0, the clicked one chosen.
    EXPECT_EQ(Page().ComboGetCount(Dlg::kRingCombo), 51);
    EXPECT_EQ(Item(Dlg::kRingCombo), L"5.0");
    EXPECT_EQ(Entries(Page(), Dlg::kFnoCombo),
              (std::vector<std::wstring>{L"1.4", L"2.0", L"2.8", L"4.0", L"5.6", L"8.0", L"11.0", L"16.0"}));
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kFnoCombo), 0);
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"3.000");
    for (int id : {Dlg::kNear, Dlg::kFar, Dlg::kFocusMarker}) EXPECT_TRUE(Page().IsItemShown(id)) << id;
    EXPECT_EQ(Page().m_bRingControls, 1);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(DetailPageTest, RinglessLensesHideTheFocusingScale) {
    Load(L"QN-16M14", L"2/3\"", L"0.0");
    EXPECT_EQ(Page().m_bRingControls, 0);
    for (int id : {Dlg::kNear, Dlg::kFar, Dlg::kFocusMarker}) EXPECT_FALSE(Page().IsItemShown(id)) << id;
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"--");
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"--");
    for (int id : {Dlg::kRingCombo, Dlg::kRingBox, Dlg::kFocusPosition})
        EXPECT_FALSE(Page().IsItemEnabled(id)) << id;
    EXPECT_EQ(Item(Dlg::kRingCombo), L"0.0");

    // A ring handed over to a ringless lens is refused: its longest ring is 0.
    Load(L"QN-16M14", L"2/3\"", L"5.0");
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{L"Select shorter Close-Up Ring."});
    EXPECT_EQ(Item(Dlg::kCommentRing), L"Caution: Set Close-Up Ring as 0 mm.");

    // The next lens brings the scale back.
    Load(L"QF-8M14");
    EXPECT_EQ(Page().m_bRingControls, 1);
    EXPECT_TRUE(Page().IsItemShown(Dlg::kFocusMarker));
    EXPECT_EQ(Entries(Page(), Dlg::kRingCombo), (std::vector<std::wstring>{L"0.0", L"0.5"}));  // up to its 0.5 mm limit
    EXPECT_EQ(Item(Dlg::kCommentRing), L"");

    // QS-12M18 shows its draw but takes no ring or position.
    Load(L"QS-12M18");
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"1.250");
    EXPECT_TRUE(Page().IsItemShown(Dlg::kFocusMarker));
    for (int id : {Dlg::kRingCombo, Dlg::kRingBox, Dlg::kFocusPosition})
        EXPECT_FALSE(Page().IsItemEnabled(id)) << id;
}

TEST_F(DetailPageTest, FocusingRingPositionMovesTheMarkerWithinTheDrawRange) {
    Load(L"QF-25M14");  // draw 3 mm, drawn out forward
    ClickBox(Page(), Dlg::kRingBox);
    Type(Page(), Dlg::kFocusPosition, L"9");
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"3.000");
    EXPECT_EQ(MarkerX(Page()), 395);
    Type(Page(), Dlg::kFocusPosition, L"1.5");
    EXPECT_EQ(MarkerX(Page()), 449);  // 503 - 36 * 1.5 + 0.5
    Type(Page(), Dlg::kFocusPosition, L"0");
    EXPECT_EQ(MarkerX(Page()), 503);

    Load(L"QH-25M18");  // the other direction
    ClickBox(Page(), Dlg::kRingBox);
    Type(Page(), Dlg::kFocusPosition, L"0");
    EXPECT_EQ(MarkerX(Page()), 395);
    Type(Page(), Dlg::kFocusPosition, L"9");
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"3.000");
    EXPECT_EQ(MarkerX(Page()), 503);
}

TEST_F(DetailPageOddLensTest, LensWithoutDrawRangeKeepsTheMarkerAndThePositionTyped) {
    Load(L"QT-25M14", L"2/3\"");
    ClickBox(Page(), Dlg::kRingBox);
    Type(Page(), Dlg::kFocusPosition, L"2");
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"2");
    EXPECT_EQ(MarkerX(Page()), 503);
    Load(L"QT-25M14B", L"2/3\"");
    ClickBox(Page(), Dlg::kRingBox);
    Type(Page(), Dlg::kFocusPosition, L"2");
    EXPECT_EQ(MarkerX(Page()), 395);
}

TEST_F(DetailPageOddLensTest, RingLongerThanTheLensTakesIsRefusedWithItsLongestRing) {
    Load(L"QT-35M14", L"2/3\"");
    EXPECT_EQ(Entries(Page(), Dlg::kRingCombo).back(), L"7.5");
    Choose(Page(), Dlg::kRingCombo, L"7.5");
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{L"Select shorter Close-Up Ring."});
    EXPECT_EQ(Item(Dlg::kCommentRing), L"Caution: Select Close-Up Ring less than equal to 7.2 mm.");
    Choose(Page(), Dlg::kRingCombo, L"7.0");
    EXPECT_EQ(Item(Dlg::kCommentRing), L"");
}

TEST_F(DetailPageTest, OneInputBoxAtATimeUnlocksItsEdit) {
    Load(L"QF-25M14");
    const int edits[] = {Dlg::kFovV, Dlg::kFovH, Dlg::kFovD, Dlg::kMagnification, Dlg::kFocusPosition,
                         Dlg::kWD, Dlg::kObjectToImage};
    ClickBox(Page(), Dlg::kVerticalBox);
    ClickBox(Page(), Dlg::kMagnificationBox);
    for (int box = Dlg::kVerticalBox; box <= Dlg::kOIBox; ++box)
        EXPECT_EQ(Page().IsItemChecked(box), box == Dlg::kMagnificationBox) << box;
    for (int id : edits) EXPECT_EQ(Page().IsItemReadOnly(id), id != Dlg::kMagnification) << id;
    ClickBox(Page(), Dlg::kMagnificationBox);
    for (int id : edits) EXPECT_FALSE(Page().IsItemReadOnly(id)) << id;
    EXPECT_EQ(Page().m_nInputBits, 0u);

    // The circle of confusion is typed only while its box is ticked.
    EXPECT_TRUE(Page().IsItemReadOnly(Dlg::kCoC));
    ClickBox(Page(), Dlg::kCoCBox);
    EXPECT_FALSE(Page().IsItemReadOnly(Dlg::kCoC));
    Type(Page(), Dlg::kCoC, L"0.02");
    ClickBox(Page(), Dlg::kCoCBox);
    EXPECT_EQ(Item(Dlg::kCoC), L"0.04");
    EXPECT_TRUE(Page().IsItemReadOnly(Dlg::kCoC));
}

TEST_F(DetailPageTest, LineSensorShowsOnlyItsDiagonalAndLocksTheOtherAxes) {
    // QL-35M28 (45 mm image circle, area and line sensors) lists all twelve.
    Load(L"QL-35M28", L"I/F 14.3mm (2k x 7um line)");
    EXPECT_EQ(Page().ComboGetCount(Dlg::kSensorCombo), 12);
    EXPECT_EQ(Page().m_bSensorVH, 0);
    EXPECT_EQ(Item(Dlg::kManualV), L"");
    EXPECT_EQ(Item(Dlg::kManualH), L"");
    EXPECT_EQ(Item(Dlg::kManualD), L"14.34");
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kVerticalBox));
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kHorizontalBox));
    // QL-35M28 is one of the lenses whose diagonal box is locked too, with its
    // edit left open.
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kDiagonalBox));
    EXPECT_FALSE(Page().IsItemReadOnly(Dlg::kFovD));

    // Typed width and height with nine or more sensors listed lock all three.
    ClickBox(Page(), Dlg::kManualInput);
    Type(Page(), Dlg::kManualH, L"20");
    for (int id : {Dlg::kVerticalBox, Dlg::kHorizontalBox, Dlg::kDiagonalBox})
        EXPECT_FALSE(Page().IsItemEnabled(id)) << id;
    for (int id : {Dlg::kFovV, Dlg::kFovH, Dlg::kFovD}) EXPECT_TRUE(Page().IsItemReadOnly(id)) << id;

    // Any other lens: an unlisted sensor text picks the first covered one.
    Load(L"QF-25M14", L"4/3\"");
    EXPECT_EQ(Item(Dlg::kSensorCombo), L"1/4\"");
    EXPECT_EQ(Page().m_bSensorVH, 1);
    EXPECT_TRUE(Page().IsItemEnabled(Dlg::kDiagonalBox));
}

TEST_F(DetailPageTest, ManualSensorHandedOverIsShownWithNoFormatChosen) {
    Main().SetDetailLens(L"QF-25M14", L"", L"0.0", 1, 3.6, 4.8, 6.0);
    PumpEvents();
    EXPECT_TRUE(Page().IsItemChecked(Dlg::kManualInput));
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSensorCombo));
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kSensorCombo), -1);
    EXPECT_EQ(Item(Dlg::kManualV), L"3.60");
    EXPECT_EQ(Item(Dlg::kManualH), L"4.80");
    EXPECT_EQ(Item(Dlg::kManualD), L"6.00");
    EXPECT_FALSE(Page().IsItemReadOnly(Dlg::kManualV));
    // Clearing the box goes back to the formats and empties the sizes.
    ClickBox(Page(), Dlg::kManualInput);
    EXPECT_TRUE(Page().IsItemEnabled(Dlg::kSensorCombo));
    EXPECT_EQ(Item(Dlg::kManualD), L"");
    EXPECT_TRUE(Page().IsItemReadOnly(Dlg::kManualD));
}

TEST_F(DetailPageTest, ChoosingALensKeepsTheSensorAndOffersItsCatalogueFNumbers) {
    Load(L"QF-25M14", L"1/2\"");
    Choose(Page(), Dlg::kLensCombo, L"QH-50M28");
    EXPECT_EQ(Item(Dlg::kSensorCombo), L"1/2\"");
    EXPECT_EQ(Page().ComboGetCount(Dlg::kSensorCombo), 9) << "formats up to 1\"";
    EXPECT_EQ(Entries(Page(), Dlg::kFnoCombo),
              (std::vector<std::wstring>{L"2.8", L"4", L"5.6", L"8", L"11", L"16", L"22"}));
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"2.8");
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"5.000");
    EXPECT_EQ(Page().ComboGetCount(Dlg::kRingCombo), 101);
    EXPECT_EQ(Item(Dlg::kRingCombo), L"0.0");
    Choose(Page(), Dlg::kSensorCombo, L"1\"");
    EXPECT_EQ(Item(Dlg::kManualD), L"16.00");
    EXPECT_TRUE(m_messages.Texts().empty());
}
