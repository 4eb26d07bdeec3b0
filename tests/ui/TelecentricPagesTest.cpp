// The telecentric search page (tab 3) and data-sheet page (tab 4) as the
// user drives them: the sensor, the given quantity, the refusals, the band
// of magnifications, sorting, opening a lens's data sheet, carrying it over
// to the illumination search, File, New, and the report of both pages
// rendered into a PDF file.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "DetailPageSupport.h"
#include "UiHarness.h"
#include "platform/Message.h"
#include "platform/Strings.h"
#include "platform/Text.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"
#include "support/ReportPdf.h"
#include "telecentric/TelecentricSearch.h"

using namespace uitest;
using Search = CTklModelSelectionDlg;
using Spec = CTKLSpecViewDlg;
using Texts = std::vector<std::wstring>;

namespace {

constexpr int kVFovBox = Search::kQuantityFirst;
constexpr int kHFovBox = Search::kQuantityFirst + 1;
constexpr int kMagBox = Search::kQuantityFirst + 2;

const std::wstring kSelectSensor = quorrel::LoadString(tkl_search::kMsgSelectSensor);
const std::wstring kNotApplicable = quorrel::LoadString(tkl_search::kMsgNotApplicable);
const std::wstring kMarkCheckBox = quorrel::LoadString(tkl_search::kMsgMarkCheckBox);
const std::wstring kValueNotZero = quorrel::LoadString(tkl_search::kMsgValueNotZero);

// The value cells of the data sheet.
const int kSheetIds[] = {5012, 5013, 5014, 5015, 5016, 5017, 5018, 5019, 5020, 5021, 5022,
                         5113, 5114, 5115, 5116, 5117, 5212, 5213, 5214, 5215, 5216};

// A key pressed while `window` has the focus; true when the key was used up.
bool PressKey(wxWindow* window, int key) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(window);
    const bool handled = window->GetEventHandler()->ProcessEvent(event);
    PumpEvents();
    return handled;
}

// A double click on the middle of result row `row`.
void DoubleClickRow(quorrel::CResultList* list, long row) {
    wxRect rect;
    ASSERT_TRUE(list->GetItemRect(row, rect));
    // The rows are drawn in a window of the list below its header. No screen
    // coordinates: a window manager may still be placing the frame.
    wxWindow* body = list->GetTargetWindow();
    const wxPoint where = wxPoint(rect.x + 40, rect.y + rect.height / 2) - body->GetPosition();
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetPosition(where);
        event.SetEventObject(body);
        body->GetEventHandler()->ProcessEvent(event);
    }
    PumpEvents();
}

Texts Column(const Search& page, int column) { return ListColumn(*page.m_listResult, column); }

long RowOf(const Search& page, const std::wstring& model) {
    const Texts models = Column(page, tkl_search::kColModel);
    const auto it = std::find(models.begin(), models.end(), model);
    return it == models.end() ? -1 : static_cast<long>(it - models.begin());
}

std::map<int, std::wstring> SheetTexts(const Spec& page) {
    std::map<int, std::wstring> texts;
    for (int id : kSheetIds) texts[id] = page.GetItemText(id);
    return texts;
}

class TelecentricPages : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<CMainWindow>(CatalogueFolder(), true);
        m_window->ClickTab(CQuorrelDlg::kTabTelecentricSearch);
        m_messages.Clear();
    }
    void TearDown() override { m_window.reset(); }
    virtual std::wstring CatalogueFolder() { return SampleCatalogueFolder(); }

    CQuorrelDlg& Main() { return m_window->Dlg(); }
    Search& S() { return Main().m_dlgTklSelect; }
    Spec& T() { return Main().m_dlgTKLSpec; }
    std::wstring Item(int id) { return S().GetItemText(id); }

    // Ticks box `box`, types `value` into its edit and searches.
    void SearchBy(int box, const std::wstring& value) {
        if (!S().IsItemChecked(box)) ClickBox(S(), box);
        Type(S(), box - Search::kQuantityFirst + Search::kValueFirst, value);
        ClickButton(S(), Search::kSearch);
    }
    // A typed 3 x 4 sensor at a vertical field of view of 4: m = 1, the
    // horizontal field 3.
    void SearchThreeByFour() {
        ClickBox(S(), Search::kManualInput);
        Type(S(), Search::kManualH, L"3");
        Type(S(), Search::kManualV, L"4");
        SearchBy(kVFovBox, L"4");
        ASSERT_EQ(Item(Search::kFovH), L"3.00");
    }

    quorrel::CMessageRecorder m_messages;
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace

TEST_F(TelecentricPages, EachQuantityFindsTheHalfTimesLensesForATwoThirdsInchSensor) {
    Choose(S(), Search::kSensorCombo, L"2/3\"");
    EXPECT_EQ(Item(Search::kManualV), L"6.60");
    EXPECT_EQ(Item(Search::kManualH), L"8.80");
    EXPECT_EQ(Item(Search::kManualD), L"11.00");
    // The typed value stays as typed; the other two follow. 0.37..0.63x on an
    // 11 mm diagonal: QEV-035X (0.3503) is below, TKL05-90 discontinued.
    const Texts found = {L"GUX-05", L"TKL05-65", L"TKL05-65D", L"TKL05-110NIR"};
    struct Case {
        int box;
        const wchar_t* value;
        Texts fields;  // 4003, 4004, 4005
    };
    const Case cases[] = {{kVFovBox, L"13.2", {L"13.2", L"17.60", L"0.50"}},
                          {kHFovBox, L"17.6", {L"13.20", L"17.6", L"0.50"}},
                          {kMagBox, L"0.5", {L"13.20", L"17.60", L"0.5"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        SearchBy(c.box, c.value);
        EXPECT_EQ((Texts{Item(Search::kFovV), Item(Search::kFovH), Item(Search::kMagnification)}), c.fields);
        EXPECT_EQ(Column(S(), tkl_search::kColModel), found);
        ClickBox(S(), c.box);  // untick: its edit empties and locks
        EXPECT_TRUE(S().IsItemReadOnly(c.box - Search::kQuantityFirst + Search::kValueFirst));
    }
    // Enter in a quantity edit searches too; Escape is swallowed.
    ClickButton(S(), Search::kClear);
    EXPECT_EQ(S().m_listResult->GetItemCount(), 0);
    ClickBox(S(), kMagBox);
    Type(S(), Search::kMagnification, L"0.5");
    EXPECT_FALSE(PressKey(S().GetControl(Search::kMagnification), WXK_RETURN));
    EXPECT_EQ(Column(S(), tkl_search::kColModel), found);
    EXPECT_TRUE(PressKey(S().GetControl(Search::kMagnification), WXK_ESCAPE));
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(TelecentricPages, TypedDiagonalAloneIsSplitFourToThree) {
    ClickBox(S(), Search::kManualInput);
    EXPECT_FALSE(S().IsItemEnabled(Search::kSensorCombo));
    Type(S(), Search::kManualD, L"10");
    SearchBy(kVFovBox, L"12");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ((Texts{Item(Search::kManualH), Item(Search::kManualV), Item(Search::kFovH), Item(Search::kMagnification)}),
              (Texts{L"8.00", L"6.00", L"16.00", L"0.50"}));
    EXPECT_EQ(Column(S(), tkl_search::kColModel), (Texts{L"GUX-05", L"TKL05-65", L"TKL05-65D", L"TKL05-110NIR"}));
}

TEST_F(TelecentricPages, RefusalsShowTheirMessagesAndNothingFoundEmptiesTheList) {
    // No sensor; manual input without a size.
    SearchBy(kMagBox, L"0.5");
    ClickBox(S(), Search::kManualInput);
    ClickButton(S(), Search::kSearch);
    ClickBox(S(), Search::kManualInput);
    EXPECT_EQ(m_messages.Texts(), (Texts{kSelectSensor, kSelectSensor}));
    m_messages.Clear();

    // A list to keep through the refusals before the search.
    Choose(S(), Search::kSensorCombo, L"2/3\"");
    SearchBy(kMagBox, L"0.5");
    const Texts before = Column(S(), tkl_search::kColModel);
    ASSERT_EQ(before.size(), 4u);
    ClickBox(S(), kMagBox);
    ClickButton(S(), Search::kSearch);
    SearchBy(kHFovBox, L"0");
    SearchBy(kHFovBox, L"");
    EXPECT_EQ(m_messages.Texts(), (Texts{kMarkCheckBox, kValueNotZero, kValueNotZero}));
    for (const auto& entry : m_messages.Entries()) EXPECT_EQ(entry.icon, quorrel::MessageIcon::Exclamation);
    EXPECT_EQ(Column(S(), tkl_search::kColModel), before);

    // Refusals with 20001 leave no rows of an earlier search standing:
    // nothing at 20x; a field of view so wide that m = 6.6e-12 is zero; the
    // 14.336 mm line over 100 mm, 0.14x, where no line-scan lens is.
    const auto notApplicable = [&](const std::wstring& sensor, int box, const std::wstring& value) {
        SCOPED_TRACE(quorrel::ToUtf8(sensor + L" " + value));
        Choose(S(), Search::kSensorCombo, L"2/3\"");
        SearchBy(kMagBox, L"0.5");
        ASSERT_EQ(S().m_listResult->GetItemCount(), 4);
        m_messages.Clear();
        Choose(S(), Search::kSensorCombo, sensor);
        SearchBy(box, value);
        EXPECT_EQ(m_messages.Texts(), Texts{kNotApplicable});
        EXPECT_EQ(S().m_listResult->GetItemCount(), 0);
    };
    notApplicable(L"2/3\"", kMagBox, L"20");
    notApplicable(L"2/3\"", kVFovBox, L"1000000000000");
    notApplicable(L"I/F 14.3mm (2k x 7um line)", kHFovBox, L"100");
    EXPECT_EQ((Texts{Item(Search::kFovV), Item(Search::kMagnification)}), (Texts{L"0.05", L"0.14"}));
}

TEST_F(TelecentricPages, DoubleClickOpensTheDataSheetAndSelectIlluminationCarriesTheLensOver) {
    SearchThreeByFour();
    // 0.74..1.26x on a 5 mm diagonal, area sensors only.
    EXPECT_EQ(Column(S(), tkl_search::kColModel),
              (Texts{L"QEV-0.75X", L"QEV-1X", L"QEV-1XD", L"TKL1-110D", L"GUXD-10"}));
    DoubleClickRow(S().m_listResult, RowOf(S(), L"TKL1-110D"));
    ASSERT_EQ(Main().GetCurSel(), CQuorrelDlg::kTabTelecentricSpec);
    EXPECT_EQ(T().m_pCurrentLens, S().m_pCurrentLens);
    EXPECT_EQ(T().GetItemText(Spec::kModelName), L"TKL1-110D");
    EXPECT_EQ(T().GetItemText(5020), L"0.040") << "the distortion of its extra record";

    // Every value handed over: PageSwitchTest.
    ClickButton(T(), Spec::kSelectIllumination);
    ASSERT_EQ(Main().GetCurSel(), CQuorrelDlg::kTabIlluminationSearch);
    const CLEDModelSelectionDlg& led = Main().m_dlgLEDSelect;
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kFovD), L"5.00");
    EXPECT_EQ(led.GetItemText(CLEDModelSelectionDlg::kLensWD), L"110.00");
}

TEST_F(TelecentricPages, FileNewEmptiesTheDataSheetAndTheModelListShowsTheSameValues) {
    SearchThreeByFour();
    DoubleClickRow(S().m_listResult, RowOf(S(), L"QEV-1XD"));
    ASSERT_TRUE(T().IsShown());
    const std::map<int, std::wstring> fromSearch = SheetTexts(T());
    EXPECT_EQ(fromSearch.at(5022), L"205.0") << "the barrel length the report reads";

    m_window->Command(wxID_NEW);
    EXPECT_TRUE(T().IsShown());
    for (const auto& [id, text] : SheetTexts(T())) EXPECT_EQ(text, L"") << id;
    EXPECT_FALSE(T().IsItemEnabled(Spec::kSelectIllumination));
    EXPECT_TRUE(T().IsItemShown(Spec::kModelCombo));
    EXPECT_FALSE(T().IsItemShown(Spec::kModelName));

    Choose(T(), Spec::kModelCombo, L"QEV-1XD");
    EXPECT_EQ(SheetTexts(T()), fromSearch);
}

TEST_F(TelecentricPages, PagesFitUnderATitleBarWithWhiteLabelsOnTheDataSheet) {
    m_window->UnderTitleBar();
    ExpectControlsInView(S(), false);
    ExpectControlsInView(T(), true);  // no frames around its controls: nothing overlaps
    EXPECT_EQ(S().m_listResult->GetRect().GetBottom() + 1, S().GetVisibleHeight() - 2);

    EXPECT_EQ(T().GetBackgroundColour(), wxColour(127, 157, 185));
    for (int id = Spec::kLabelFirst; id <= Spec::kLabelLast; ++id)
        EXPECT_EQ(T().GetControl(id)->GetForegroundColour(), *wxWHITE) << id;
    // The catalogue holds the resolution in micrometres.
    EXPECT_EQ(T().GetItemText(5016 - 11), L"Resolution [um]");
}

TEST_F(TelecentricPages, ReportPrintsWhatTheSearchAndDataSheetShowIntoAPdfFile) {
    SearchThreeByFour();
    const long row = RowOf(S(), L"TKL1-110D");
    DoubleClickRow(S().m_listResult, row);
    EXPECT_EQ(m_window->Doc().m_nPrintPages, 1);
    quorrel::test::CRecordingReportDC dc;
    m_window->View().OnPrint(dc, 1, 297);
    ASSERT_EQ(dc.GreyBoxes().size(), 1u);
    EXPECT_EQ(dc.GreyBoxes()[0].rect.top, -630 - 50 * row) << "the selected row";

    CTempFolder folder;
    const std::string pdf = quorrel::ToUtf8(folder.File(L"telecentric.pdf"));
    quorrel::test::RenderPdf(pdf, 1, [&](quorrel::ReportDC& dc, int page) { m_window->View().OnPrint(dc, page, 297); });
    const std::string text = quorrel::test::PdfText(pdf, 1, 1);
    ASSERT_NE(text.find("Quorrel"), std::string::npos) << "pdftotext (poppler-utils) installed?";
    // The conditions, the lens's result row, the specification table, the
    // figures and the footer.
    for (const char* pattern :
         {"Product Name +TKL1-110D", "Sensor Size +3x4mm", "TKL1-110D +12M +Coaxial +3\\.0 +4\\.0 +1 +110\\.0",
          "Specifications of +TKL1-110D", "WD / OD +\\[mm\\] +110\\.0 / 34\\.0", "OD:34\\.0mm",
          "Lens Back:17\\.5mm", "Hold Length:82\\.0mm", "Not Hold", "\\*All values are design value \\(Reference\\)\\."})
        EXPECT_TRUE(std::regex_search(text, std::regex(pattern))) << pattern;
    EXPECT_NE(text.find(quorrel::ToUtf8(report::ReportDate())), std::string::npos);
}

// ---- a small catalogue ------------------------------------------------------------

namespace {

// A 2/3" format and telecentric lenses around 1x: at both ends of the band
// and at the image-format limit (kept), and just beyond each (dropped).
class TelecentricBand : public TelecentricPages {
protected:
    std::wstring CatalogueFolder() override {
        WriteLensCatalogue(m_folder.Path(),
                           "INSERT INTO CCD VALUES (1, 8.8, 6.6, 11, '2/3\"', 3, 1, 10);");
        const std::string lens = "INSERT INTO LENS (ID, Type, SensorType, Pmag, WD, CCDLimit, SpecialFlag, "
                                 "Discontinued) VALUES ";
        WriteTelecentricCatalogue(m_folder.Path(), lens + "(1, 'EDGE-LOW', 'VGA', 0.74, 90, 20, 1, 0)," +
                                                       "(2, 'BELOW', '2M', 0.7399, 90, 20, 1, 0)," +
                                                       "(3, 'EDGE-HIGH', 'NIR', -1.26, 90, 20, 1, 0)," +
                                                       "(4, 'ABOVE', '2M', 1.2601, 90, 20, 1, 0)," +
                                                       "(5, 'at-LIMIT', '16k5\xCE\xBCm', 1.0, 90, 11, 1, 0)," +
                                                       "(6, 'SMALL-CIRCLE', '2M', 1.0, 90, 10.99, 1, 0)," +
                                                       "(7, 'LINE-ONLY', '2M', 1.0, 90, 20, 2, 0)," +
                                                       "(8, 'ODD-LABEL', 'APS-C', 1.1, 90, 20, 3, 0)," +
                                                       "(9, 'MID-2M', '2M', 0.9, 90, 20, 1, 0);");
        return m_folder.Path();
    }
    CTempFolder m_folder;
};

}  // namespace

TEST_F(TelecentricBand, LensesAtBothEndsAndAtTheImageFormatLimitAreListedAndSorted) {
    Choose(S(), Search::kSensorCombo, L"2/3\"");
    SearchBy(kMagBox, L"1");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Column(S(), tkl_search::kColModel),
              (Texts{L"EDGE-LOW", L"EDGE-HIGH", L"at-LIMIT", L"ODD-LABEL", L"MID-2M"}));
    // The sensor column both ways, then the model column once.
    S().OnLvnColumnclickResult(tkl_search::kColSensor);
    EXPECT_EQ(Column(S(), tkl_search::kColSensor), (Texts{L"NIR", L"VGA", L"2M", L"16k5\u03BCm", L"APS-C"}));
    S().OnLvnColumnclickResult(tkl_search::kColSensor);
    EXPECT_EQ(Column(S(), tkl_search::kColSensor), (Texts{L"APS-C", L"16k5\u03BCm", L"2M", L"VGA", L"NIR"}));
    // The greatest model name first, letters compared in either case.
    S().OnLvnColumnclickResult(tkl_search::kColModel);
    EXPECT_EQ(Column(S(), tkl_search::kColModel),
              (Texts{L"ODD-LABEL", L"MID-2M", L"EDGE-LOW", L"EDGE-HIGH", L"at-LIMIT"}));
    // Selecting a row makes its lens the current one.
    S().m_listResult->SelectRow(RowOf(S(), L"MID-2M"));
    PumpEvents();
    ASSERT_NE(S().m_pCurrentLens, nullptr);
    EXPECT_EQ(S().m_pCurrentLens->Type, L"MID-2M");
}
