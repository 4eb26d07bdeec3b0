// The drop-down lists of the pages driven from the keyboard: with a list
// focused, each Down key pressed on the display (through XTEST) takes one
// step, and the focus stays on the list after its change handler has run.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>

#include <wx/choice.h>

#include "UiHarness.h"
#include "lens_selection/CCCTVModelSelectionDlg.h"
#include "lens_selection/CDetailCalculationDlg.h"
#include "telecentric/CTKLSpecViewDlg.h"
#include "telecentric/CTklModelSelectionDlg.h"

// After the program's headers: Xlib's macros clash with their names.
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>

using namespace uitest;

namespace {

using namespace std::chrono_literals;

// Handles events until `done` holds, for at most two seconds.
template <class Done>
bool PumpUntil(Done done) {
    for (auto end = std::chrono::steady_clock::now() + 2s; std::chrono::steady_clock::now() < end;) {
        PumpEvents();
        if (done()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

// Presses and lets go Down on the keyboard of the display.
void PressDown() {
    Display* x = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    XTestFakeKeyEvent(x, XKeysymToKeycode(x, XK_Down), True, CurrentTime);
    XTestFakeKeyEvent(x, XKeysymToKeycode(x, XK_Down), False, CurrentTime);
    XFlush(x);
}

struct ComboCase {
    const char* name;
    int tab;
    CPage& (*page)(CQuorrelDlg&);
    int combo;
    bool detailLens;  // QF-12M14 on the 1/4" sensor loaded on the detail page first
};

CPage& LensSearch(CQuorrelDlg& dlg) { return dlg.m_dlgCCTVSelect; }
CPage& Detail(CQuorrelDlg& dlg) { return dlg.m_dlgDetailCalc; }
CPage& TelecentricSearch(CQuorrelDlg& dlg) { return dlg.m_dlgTklSelect; }
CPage& TelecentricSheet(CQuorrelDlg& dlg) { return dlg.m_dlgTKLSpec; }

const ComboCase kCombos[] = {
    {"LensSearchSensor", CQuorrelDlg::kTabLensSearch, LensSearch, CCCTVModelSelectionDlg::kSensorCombo, false},
    {"DetailLens", CQuorrelDlg::kTabDetail, Detail, CDetailCalculationDlg::kLensCombo, true},
    {"DetailSensor", CQuorrelDlg::kTabDetail, Detail, CDetailCalculationDlg::kSensorCombo, true},
    {"DetailRing", CQuorrelDlg::kTabDetail, Detail, CDetailCalculationDlg::kRingCombo, true},
    {"TelecentricSensor", CQuorrelDlg::kTabTelecentricSearch, TelecentricSearch, CTklModelSelectionDlg::kSensorCombo,
     false},
    {"TelecentricModel", CQuorrelDlg::kTabTelecentricSpec, TelecentricSheet, CTKLSpecViewDlg::kModelCombo, false},
};

void PrintTo(const ComboCase& c, std::ostream* out) { *out << c.name; }

class ComboKeys : public ::testing::TestWithParam<ComboCase> {};

}  // namespace

TEST_P(ComboKeys, EachDownKeyTakesOneStepAndTheFocusStaysOnTheList) {
    const ComboCase& c = GetParam();
    CMainWindow window(SampleCatalogueFolder(), true);
    window.ClickTab(c.tab);
    if (c.detailLens) {
        window.Dlg().SetDetailLens(L"QF-12M14", L"1/4\"", L"0.0", 0, 0.0, 0.0, 0.0);
        PumpEvents();
    }
    window.Frame()->Raise();
    ASSERT_TRUE(PumpUntil([&] { return window.Frame()->IsActive(); })) << "the window never got the keyboard";
    auto* combo = c.page(window.Dlg()).GetControlAs<wxChoice>(c.combo);
    ASSERT_NE(combo, nullptr);
    ASSERT_GE(combo->GetCount(), 3u);
    combo->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == combo; }));

    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE("Down " + std::to_string(press));
        const int expected = combo->GetSelection() + 1;
        PressDown();
        EXPECT_TRUE(PumpUntil([&] { return combo->GetSelection() == expected; }))
            << "entry " << combo->GetSelection() << " chosen";
        EXPECT_EQ(wxWindow::FindFocus(), combo);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ComboKeys, ::testing::ValuesIn(kCombos),
                         [](const auto& info) { return std::string(info.param.name); });
