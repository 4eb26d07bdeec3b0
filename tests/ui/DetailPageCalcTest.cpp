// Calculations on the detail page: every input kind, the wanted depth of
// field, the infinity fills, the messages and the hand-over.
#include "DetailPageSupport.h"

#include <algorithm>
#include <initializer_list>

#include <wx/notebook.h>

#include "platform/wx/PageMessagesWx.h"

using namespace uitest;

namespace {

using Texts = std::vector<std::wstring>;

// QF-25M14 (thin lens: f 25, H -2, a = s1 30, s2 -5.474, P 1.1, draw 3, rings
// up to 25, effective diameter 20) on a 2/3" sensor (H 8.8, V 6.6, D 11) at
// magnification 0.25, F1.4, c 0.04:
//   diagonal field 11 / 0.25 = 44, horizontal 44 * 8.8 / 11 = 35.2,
//   vertical 44 * 6.6 / 11 = 26.4;
//   extension 0.25 * 25 = 6.25 needs rings beyond the 3 mm draw: the 3.5 mm
//   ring would do, but 2.5 to 4.5 mm rings are not used, so 5.0 mm with a
//   focus draw of 1.25;
//   object to image (0.25 + 2 + 1 / 0.25) * 25 - 2 = 154.25;
//   working distance 154.25 - 30 - 17.526 - 6.25 = 100.474;
//   effective F (0.25 / 1.1 + 1) * 1.4 = 1.227273 * 1.4 = 1.718182;
//   depth of field 2 * 1.718182 * 0.04 / (0.0625 - 1.4^2 * 0.04^2 / 25^2)
//                = 0.137455 / 0.062495 = 2.199483.
void ExpectQuarterMagnification(Dlg& page) {
    EXPECT_EQ(page.GetItemText(Dlg::kMagnification), L"0.250");
    EXPECT_EQ(page.GetItemText(Dlg::kFovD), L"44.000");
    EXPECT_EQ(page.GetItemText(Dlg::kFovH), L"35.200");
    EXPECT_EQ(page.GetItemText(Dlg::kFovV), L"26.400");
    EXPECT_EQ(page.GetItemText(Dlg::kRingCombo), L"5.0");
    EXPECT_EQ(page.GetItemText(Dlg::kFocusPosition), L"1.250");
    EXPECT_EQ(page.GetItemText(Dlg::kObjectToImage), L"154.250");
    EXPECT_EQ(page.GetItemText(Dlg::kWD), L"100.474");
    EXPECT_EQ(page.GetItemText(Dlg::kEffectiveFno), L"1.718");
    EXPECT_EQ(page.GetItemText(Dlg::kWantedDOF), L"2.199");
    // The chosen F-number stays chosen.
    EXPECT_EQ(page.ComboGetCurSel(Dlg::kFnoCombo), 0);
    EXPECT_EQ(page.GetItemText(Dlg::kFnoCombo), L"1.4");
    EXPECT_TRUE(page.IsItemEnabled(Dlg::kSelectIllumination));
    // Focus draw 1.25 of 3 mm, drawn out forward: 503 - 36 * 1.25 + 0.5.
    EXPECT_EQ(MarkerX(page), 458);
}

struct InputCase {
    int box;
    int edit;
    const wchar_t* value;
};

}  // namespace

TEST_F(DetailPageTest, EveryInputKindGivesTheSameConfigurationForTheSameLensPosition) {
    const InputCase cases[] = {{Dlg::kVerticalBox, Dlg::kFovV, L"26.4"},
                               {Dlg::kHorizontalBox, Dlg::kFovH, L"35.2"},
                               {Dlg::kDiagonalBox, Dlg::kFovD, L"44"},
                               {Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25"},
                               {Dlg::kWDBox, Dlg::kWD, L"100.474"},
                               {Dlg::kOIBox, Dlg::kObjectToImage, L"154.25"}};
    for (const InputCase& c : cases) {
        SCOPED_TRACE(std::string(wxString(c.value).utf8_str()));
        Load(L"QF-25M14");
        CalculateFrom(c.box, c.edit, c.value);
        ExpectQuarterMagnification(Page());
    }
    // The ring input: 5.0 mm ring and focusing-ring position 1.25.
    Load(L"QF-25M14");
    Choose(Page(), Dlg::kRingCombo, L"5.0");
    CalculateFrom(Dlg::kRingBox, Dlg::kFocusPosition, L"1.25");
    ExpectQuarterMagnification(Page());
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(DetailPageTest, ResultIsHandedToTheIlluminationSearch) {
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
    EXPECT_DOUBLE_EQ(Page().m_dHandEffDiameter, 20.0);
    ClickButton(Page(), Dlg::kSelectIllumination);
    EXPECT_EQ(Main().GetCurSel(), CQuorrelDlg::kTabIlluminationSearch);
    CLEDModelSelectionDlg& led = Main().m_dlgLEDSelect;
    EXPECT_TRUE(led.IsShown());
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"35.20");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovV), L"26.40");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovD), L"44.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"100.47");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kEffDiameter), L"20.00");

    // At infinity only the effective diameter is a number to hand over.
    m_window->ClickTab(CQuorrelDlg::kTabDetail);
    Type(Page(), Dlg::kMagnification, L"0");
    ClickButton(Page(), Dlg::kCalculation);
    ClickButton(Page(), Dlg::kSelectIllumination);
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovH), L"");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kEffDiameter), L"20.00");
}

TEST_F(DetailPageTest, WantedDepthOfFieldGivesTheFNumberOrAsksForALargerOne) {
    // g = (0.25 / 1.1 + 1) * 25 = 30.681818; for a depth of field of 3:
    // Fe = (g * sqrt(3^2 * 0.25^2 + g^2) - g^2) / (3 * 0.04) = 2.3434,
    // F = Fe / 1.227273 = 1.9094.
    Load(L"QF-25M14");
    ClickBox(Page(), Dlg::kDOFBox);
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"");
    Type(Page(), Dlg::kWantedDOF, L"3");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"1.9");
    EXPECT_EQ(Item(Dlg::kEffectiveFno), L"2.343");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"3.000");
    EXPECT_TRUE(m_messages.Texts().empty());

    // A depth of field of 1 needs F0.64, more open than the lens's F1.4.
    Type(Page(), Dlg::kWantedDOF, L"1");
    ClickButton(Page(), Dlg::kCalculation);
    EXPECT_EQ(m_messages.Texts(), Texts{L"Input larger DOF. "});
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"");
    EXPECT_EQ(Item(Dlg::kEffectiveFno), L"");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"1.000");
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.250");

    // Clearing the box brings back the first F-number.
    ClickBox(Page(), Dlg::kDOFBox);
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"1.4");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"");
    EXPECT_TRUE(Page().IsItemReadOnly(Dlg::kWantedDOF));
}

TEST_F(DetailPageTest, TypedFNumberIsCalculatedWithAndTextThatIsNoneIsRefused) {
    // At 0.25x the effective F-number is (0.25 / 1.1 + 1) * F = 1.227273 F.
    struct Case {
        const wchar_t* typed;
        const wchar_t* effectiveFno;  // nullptr: refused with 20004
        int entry;                    // the F-number entry selected afterwards
    };
    const Case cases[] = {
        {L"2.0", L"2.455", 1},  // a list entry is selected, as the drop-down does
        {L"2.5", L"3.068", -1},
        {L"", nullptr, -1},
        {L"f2", nullptr, -1},
        {L"2.0x", nullptr, -1},
        {L"0", nullptr, -1},
        {L"-2", nullptr, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(wxString(c.typed).utf8_str()));
        m_messages.Clear();
        Load(L"QF-25M14");
        Type(Page(), Dlg::kFnoCombo, c.typed);
        CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
        if (!c.effectiveFno) {
            EXPECT_EQ(m_messages.Texts(), Texts{L"Select Lens, Sensor size and Fno."});
            EXPECT_EQ(Item(Dlg::kFovD), L"");
            continue;
        }
        EXPECT_TRUE(m_messages.Texts().empty());
        EXPECT_EQ(Item(Dlg::kEffectiveFno), c.effectiveFno);
        EXPECT_EQ(Item(Dlg::kFnoCombo), c.typed);
        EXPECT_EQ(Page().ComboGetCurSel(Dlg::kFnoCombo), c.entry);
        EXPECT_EQ(Item(Dlg::kFovD), L"44.000");
    }
}

TEST_F(DetailPageTest, ChecksStopTheRunWithTheirMessageAndWriteNothing) {
    // No lens and a circle of confusion of 0: the circle is named first.
    Main().m_dlgDetailCalc.ClearAll(1);
    ClickBox(Page(), Dlg::kCoCBox);
    Type(Page(), Dlg::kCoC, L"0");
    ClickButton(Page(), Dlg::kCalculation);
    ClickBox(Page(), Dlg::kCoCBox);
    EXPECT_EQ(Item(Dlg::kCoC), L"0.04") << "clearing the box restores 0.04";
    ClickButton(Page(), Dlg::kCalculation);

    Load(L"QF-25M14");
    ClickButton(Page(), Dlg::kCalculation);  // no input box ticked
    ClickBox(Page(), Dlg::kDOFBox);
    CalculateFrom(Dlg::kDiagonalBox, Dlg::kFovD, L"44");  // no wanted depth of field
    EXPECT_EQ(m_messages.Texts(), (Texts{L"Input permissible circle of confusion (not zero). ",
                                         L"Select Lens, Sensor size and Fno.", L"Mark on check box.",
                                         L"Input DOF (not zero). "}));
    EXPECT_EQ(Item(Dlg::kMagnification), L"");

    // A typed sensor larger than the 11 mm image circle.
    m_messages.Clear();
    Load(L"QF-25M14");
    ClickBox(Page(), Dlg::kManualInput);
    Type(Page(), Dlg::kManualV, L"");
    Type(Page(), Dlg::kManualH, L"");
    Type(Page(), Dlg::kManualD, L"16");
    CalculateFrom(Dlg::kDiagonalBox, Dlg::kFovD, L"44");
    EXPECT_EQ(m_messages.Texts(), Texts{L"The specified sensor size is not supported. "});
    EXPECT_EQ(Item(Dlg::kMagnification), L"");
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSelectIllumination));
}

TEST_F(DetailPageTest, OutOfRangeResultsAreReportedAndShownAtTheRangeEnd) {
    // Magnification 2 needs a 47 mm ring on QF-25M14, which takes 25 mm.
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"2");
    EXPECT_EQ(m_messages.Texts(), Texts{L"Input lower magnification."});
    EXPECT_EQ(Item(Dlg::kMagnification), L"2.000");
    EXPECT_EQ(Item(Dlg::kFovD), L"5.500");
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kRingCombo), -1) << "no 47 mm ring on the list";

    // QD-25M14 reaches 0.01x at least: asked 0.005x, it shows 0.01x.
    m_messages.Clear();
    Load(L"QD-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.005");
    EXPECT_EQ(m_messages.Texts(), Texts{L"Input higher magnification."});
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.010");
    EXPECT_EQ(Item(Dlg::kWD), L"2500.000");
}

TEST_F(DetailPageTest, NoConfigurationShowsIncorrectValuesAndLeavesNoStaleResult) {
    // QF-8M14 at 0.1x: a 0.5 mm ring and 0.3 mm of draw.
    Load(L"QF-8M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.1");
    ASSERT_EQ(Item(Dlg::kWD), L"31.474");
    ASSERT_EQ(Item(Dlg::kRingCombo), L"0.5");
    // At 0.5x it would need a 3.5 mm ring, which is not used: no configuration.
    Type(Page(), Dlg::kMagnification, L"0.5");
    ClickButton(Page(), Dlg::kCalculation);
    EXPECT_EQ(m_messages.Texts(), Texts{L"Calculation cannot be completed because of incorrect values. "});
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.5") << "the input stays as typed";
    for (int id : {Dlg::kFovV, Dlg::kFovH, Dlg::kFovD, Dlg::kFocusPosition, Dlg::kWD, Dlg::kObjectToImage,
                   Dlg::kEffectiveFno, Dlg::kWantedDOF}) {
        EXPECT_EQ(Item(id), L"") << id;
    }
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kRingCombo), -1);
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"1.4");
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSelectIllumination));
    EXPECT_EQ(Page().m_dHandEffDiameter, -1.0);
    EXPECT_EQ(Page().m_dHandWD, -1.0);

    // A negative focusing-ring position on a draw-polynomial lens needs a
    // negative draw (-4): the same message, the ring and position stay.
    m_messages.Clear();
    Load(L"QD-25M14");
    Choose(Page(), Dlg::kRingCombo, L"5.0");
    CalculateFrom(Dlg::kRingBox, Dlg::kFocusPosition, L"-0.5");
    EXPECT_EQ(m_messages.Texts(), Texts{L"Calculation cannot be completed because of incorrect values. "});
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"-0.5");
    EXPECT_EQ(Item(Dlg::kRingCombo), L"5.0");
    EXPECT_EQ(Item(Dlg::kMagnification), L"");
    EXPECT_EQ(Item(Dlg::kWD), L"");
}

TEST_F(DetailPageTest, ResultsNoEditCanShowAreIncorrectValues) {
    const Texts incorrect = {L"Calculation cannot be completed because of incorrect values. "};
    const int results[] = {Dlg::kFovV, Dlg::kFovH, Dlg::kFovD, Dlg::kMagnification, Dlg::kFocusPosition,
                           Dlg::kWD, Dlg::kObjectToImage, Dlg::kEffectiveFno, Dlg::kWantedDOF};
    // Every result edit but the inputs is emptied.
    auto expectEmptyBut = [&](std::initializer_list<int> inputs) {
        for (int id : results) {
            if (std::find(inputs.begin(), inputs.end(), id) == inputs.end()) {
                EXPECT_EQ(Item(id), L"") << id;
            }
        }
        EXPECT_EQ(Page().ComboGetCurSel(Dlg::kRingCombo), -1);
        EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSelectIllumination));
        EXPECT_EQ(Page().m_dHandEffDiameter, -1.0);
    };

    // QP-35M28 reaches 0.5x at most: a working distance of 0.05 mm is beyond
    // that end (-3), and the depth of field 1e300 wanted there needs an
    // F-number of no finite size.
    Load(L"QP-35M28");
    ClickBox(Page(), Dlg::kDOFBox);
    Type(Page(), Dlg::kWantedDOF, L"1e300");
    CalculateFrom(Dlg::kWDBox, Dlg::kWD, L"0.05");
    EXPECT_EQ(m_messages.Texts(), incorrect);
    expectEmptyBut({Dlg::kWD, Dlg::kWantedDOF});
    EXPECT_EQ(Item(Dlg::kWD), L"0.05");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"1e300") << "the wanted depth of field stays as typed";
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"");

    // Magnification 1e300 on QF-25M14 (above its range, -3) gives finite
    // values with some 300 digits: object to image (1e300 + 2 + 1e-300) * 25
    // - 2 = 2.5e301, effective F (1e300 / 1.1 + 1) * 1.4 = 1.27e300.
    m_messages.Clear();
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"1e300");
    EXPECT_EQ(m_messages.Texts(), incorrect);
    expectEmptyBut({Dlg::kMagnification});
    EXPECT_EQ(Item(Dlg::kMagnification), L"1e300");
    EXPECT_EQ(Item(Dlg::kFnoCombo), L"1.4");

    // An ordinary result afterwards is shown as usual.
    m_messages.Clear();
    Type(Page(), Dlg::kMagnification, L"0.25");
    ClickButton(Page(), Dlg::kCalculation);
    EXPECT_TRUE(m_messages.Texts().empty());
    ExpectQuarterMagnification(Page());
}

TEST_F(DetailPageTest, CMountRingIsWarnedOncePerCalculation) {
    Load(L"QF-25M14");
    Choose(Page(), Dlg::kRingCombo, L"3.0");
    const std::wstring warning = L"Warning: Not possible to mount Close-up Ring onto C-mount.";
    EXPECT_EQ(m_messages.Texts(), Texts{warning});
    EXPECT_EQ(Item(Dlg::kCommentMount), warning);
    m_messages.Clear();
    CalculateFrom(Dlg::kRingBox, Dlg::kFocusPosition, L"0");
    EXPECT_EQ(m_messages.Texts(),
              (Texts{L"Calculation cannot be completed because of incorrect values. ", warning}));
    EXPECT_EQ(Item(Dlg::kCommentMount), warning);
    // A 5.0 mm ring is fine.
    m_messages.Clear();
    Choose(Page(), Dlg::kRingCombo, L"5.0");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Item(Dlg::kCommentMount), L"");
}

TEST_F(DetailPageTest, ZeroMagnificationAndInfinityInputsFocusAtInfinity) {
    const Texts dofHint = {L"If you would like detailed numerical values of the depth of field, please contact us. "};
    auto expectInfinity = [this] {
        for (int id : {Dlg::kFovD, Dlg::kFovV, Dlg::kFovH, Dlg::kWD, Dlg::kObjectToImage})
            EXPECT_EQ(Item(id), L"Infinity") << id;
        EXPECT_EQ(Item(Dlg::kMagnification), L"0");
        EXPECT_EQ(Item(Dlg::kFocusPosition), L"0");
        EXPECT_EQ(Item(Dlg::kEffectiveFno), L"0.000");
        EXPECT_EQ(Item(Dlg::kWantedDOF), L"0.000");
        EXPECT_EQ(Item(Dlg::kRingCombo), L"0.0");
        EXPECT_EQ(Item(Dlg::kFnoCombo), L"1.4");
        EXPECT_EQ(MarkerX(Page()), 503);
    };
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0");
    EXPECT_EQ(m_messages.Texts(), dofHint);
    expectInfinity();

    // Recalculating from the working distance that now reads "Infinity".
    m_messages.Clear();
    ClickBox(Page(), Dlg::kWDBox);
    ClickButton(Page(), Dlg::kCalculation);
    EXPECT_EQ(m_messages.Texts(), dofHint);
    expectInfinity();

    // No ring at focusing-ring position 0.
    m_messages.Clear();
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kRingBox, Dlg::kFocusPosition, L"0");
    EXPECT_EQ(m_messages.Texts(), dofHint);
    expectInfinity();

    // A zero that does not read "Infinity" calculates nothing.
    m_messages.Clear();
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kOIBox, Dlg::kObjectToImage, L"");
    EXPECT_EQ(m_messages.Texts(), dofHint);
    EXPECT_EQ(Item(Dlg::kWD), L"");
}

TEST_F(DetailPageTest, TypedSensorSizesGiveTheDiagonalOrHideTheAxesTheyLack) {
    Load(L"QF-25M14");
    ClickBox(Page(), Dlg::kManualInput);
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kSensorCombo), -1);
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSensorCombo));
    Type(Page(), Dlg::kManualV, L"3.6");
    Type(Page(), Dlg::kManualH, L"4.8");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
    // D = sqrt(3.6^2 + 4.8^2) = 6: fields 6 / 0.25 = 24, 19.2 and 14.4.
    EXPECT_EQ(Item(Dlg::kManualD), L"6.00");
    EXPECT_EQ(Item(Dlg::kFovD), L"24.000");
    EXPECT_EQ(Item(Dlg::kFovH), L"19.200");
    EXPECT_EQ(Item(Dlg::kFovV), L"14.400");

    // A diagonal alone: the vertical and horizontal fields stay empty.
    Type(Page(), Dlg::kManualV, L"");
    Type(Page(), Dlg::kManualH, L"");
    Type(Page(), Dlg::kManualD, L"8");
    ClickButton(Page(), Dlg::kCalculation);
    EXPECT_EQ(Item(Dlg::kFovD), L"32.000");
    EXPECT_EQ(Item(Dlg::kFovH), L"");
    EXPECT_EQ(Item(Dlg::kFovV), L"");
    EXPECT_EQ(Page().m_dHandFovH, -1.0);
    EXPECT_DOUBLE_EQ(Page().m_dHandFovD, 32.0);
    EXPECT_TRUE(m_messages.Texts().empty());

    // A vertical field of view cannot be turned into a diagonal without the
    // sensor's height.
    ClickBox(Page(), Dlg::kMagnificationBox);
    CalculateFrom(Dlg::kVerticalBox, Dlg::kFovV, L"20");
    EXPECT_EQ(m_messages.Texts(), Texts{L"The specified sensor size is not supported. "});
}

TEST_F(DetailPageTest, TypedSensorTooLargeForItsDiagonalIsNoSensor) {
    Load(L"QF-25M14");
    ClickBox(Page(), Dlg::kManualInput);
    // 1.5e308 x 1.5e308: the diagonal 2.12e308 is no finite number.
    Type(Page(), Dlg::kManualV, L"1.5e308");
    Type(Page(), Dlg::kManualH, L"1.5e308");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
    EXPECT_EQ(m_messages.Texts(), Texts{L"Select Lens, Sensor size and Fno."});
    // The 2/3" format's diagonal stays: nothing is written over it.
    EXPECT_EQ(Item(Dlg::kManualD), L"11.00");
    EXPECT_EQ(Item(Dlg::kManualV), L"1.5e308");
    EXPECT_EQ(Item(Dlg::kFovD), L"");
}

TEST_F(DetailPageTest, FixedMagnificationLensIsCalculatedAsSoonAsItIsLoaded) {
    // QE-40M40: B -0.5, f 40, WD 110.5, O/I 180, pupils 10 and 9 (P 0.9);
    // built-in F4.0. Fe = (0.5 / 0.9 + 1) * 4 = 6.2222;
    // DOF = 2 * 6.2222 * 0.04 / (0.25 - 16 * 0.0016 / 1600) = 1.9912.
    Load(L"QE-40M40");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.500");
    EXPECT_EQ(Item(Dlg::kFovD), L"22.000");
    EXPECT_EQ(Item(Dlg::kFovH), L"17.600");
    EXPECT_EQ(Item(Dlg::kFovV), L"13.200");
    EXPECT_EQ(Item(Dlg::kWD), L"110.500");
    EXPECT_EQ(Item(Dlg::kObjectToImage), L"180.000");
    EXPECT_EQ(Item(Dlg::kEffectiveFno), L"6.222");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"1.991");
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"--");
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"--");
    EXPECT_TRUE(Page().IsItemChecked(Dlg::kMagnificationBox));
    for (int id : {Dlg::kVerticalBox, Dlg::kHorizontalBox, Dlg::kDiagonalBox, Dlg::kMagnificationBox,
                   Dlg::kWDBox, Dlg::kOIBox, Dlg::kRingBox})
        EXPECT_FALSE(Page().IsItemEnabled(id)) << id;
    EXPECT_TRUE(Page().IsItemReadOnly(Dlg::kMagnification));
    EXPECT_TRUE(Page().IsItemEnabled(Dlg::kSelectIllumination));

    // Type 100 from the lens list: QQ-25M28, 0.25x, catalogue F2.8 (its
    // open F-number): DOF = G = 4.5; Fe = 0.25^2 * 2.25 / 0.04 = 3.5156.
    Choose(Page(), Dlg::kLensCombo, L"QQ-25M28");
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.250");
    EXPECT_EQ(Item(Dlg::kWD), L"103.700");
    EXPECT_EQ(Item(Dlg::kEffectiveFno), L"3.516");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"4.500");
    EXPECT_EQ(Item(Dlg::kSensorCombo), L"2/3\"") << "the sensor stays";
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(DetailPageTest, FileNewEmptiesThePageAfterACalculation) {
    Load(L"QF-25M14");
    CalculateFrom(Dlg::kMagnificationBox, Dlg::kMagnification, L"0.25");
    m_window->Command(wxID_NEW);
    EXPECT_TRUE(Page().IsShown());
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kLensCombo), -1);
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kSensorCombo), -1);
    EXPECT_EQ(Page().ComboGetCurSel(Dlg::kRingCombo), -1);
    for (int id : {Dlg::kFovV, Dlg::kFovH, Dlg::kFovD, Dlg::kMagnification, Dlg::kFocusPosition, Dlg::kWD,
                   Dlg::kObjectToImage, Dlg::kEffectiveFno, Dlg::kWantedDOF, Dlg::kMaxFocusDraw})
        EXPECT_EQ(Item(id), L"") << id;
    EXPECT_EQ(Item(Dlg::kCoC), L"0.04");
    EXPECT_FALSE(Page().IsItemChecked(Dlg::kMagnificationBox));
    EXPECT_FALSE(Page().IsItemEnabled(Dlg::kSelectIllumination));
    EXPECT_EQ(Page().m_dHandEffDiameter, -1.0);
    EXPECT_EQ(Page().m_nInputBits, 0u);
}
