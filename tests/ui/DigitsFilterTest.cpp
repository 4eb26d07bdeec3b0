// The digits-only filter on a real edit.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/textctrl.h>

#include "UiHarness.h"
#include "platform/wx/PageHelpers.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/Message.h"

using namespace uitest;

namespace {

class DigitsFilter : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "filter");
        m_edit = new wxTextCtrl(m_frame, wxID_ANY);
        quorrel::BindDigitsOnlyFilter(m_edit);
        m_edit->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
            ++m_changes;
            e.Skip();
        });
        m_frame->Show();
        PumpEvents();
    }
    void TearDown() override {
        m_frame->Destroy();
        PumpEvents();
    }

    // Types `text` one character at a time at the caret.
    void Type(const wxString& text) {
        for (wxUniChar c : text) {
            m_edit->WriteText(wxString(c));
            PumpEvents();
        }
    }
    void Paste(const wxString& text) {
        m_edit->WriteText(text);
        PumpEvents();
    }
    std::wstring Text() const { return m_edit->GetValue().ToStdWstring(); }
    long Caret() const { return m_edit->GetInsertionPoint(); }

    wxFrame* m_frame = nullptr;
    wxTextCtrl* m_edit = nullptr;
    int m_changes = 0;
};

}  // namespace

TEST_F(DigitsFilter, TypedLetterIsRemovedAndTheCaretEndsAtTheEnd) {
    Type("12a5");
    EXPECT_EQ(Text(), L"125");
    EXPECT_EQ(Caret(), 3);
}

TEST_F(DigitsFilter, PastedMinusAndCommaAreRemovedInTwoNestedPasses) {
    Paste("-3,5");  // one change
    EXPECT_EQ(Text(), L"35");
    EXPECT_EQ(Caret(), 2);
}

TEST_F(DigitsFilter, NegativeNumberWrittenByTheProgramLosesItsSign) {
    m_edit->SetValue("-1.00");
    EXPECT_EQ(Text(), L"1.00");
    m_changes = 0;
    m_edit->SetValue("12.50");  // digits and points pass unchanged
    EXPECT_EQ(Text(), L"12.50");
    EXPECT_EQ(m_changes, 1);
}

TEST_F(DigitsFilter, SeveralPointsStayAsTyped) {
    Type("1.2.3");
    EXPECT_EQ(Text(), L"1.2.3");
}

TEST_F(DigitsFilter, CaretMovesToTheEndOnlyWhenSomethingWasRemoved) {
    m_edit->ChangeValue("12");
    m_edit->SetInsertionPoint(1);
    Type("5");
    EXPECT_EQ(Text(), L"152");
    EXPECT_EQ(Caret(), 2);

    m_edit->SetInsertionPoint(1);
    Type("x");
    EXPECT_EQ(Text(), L"152");
    EXPECT_EQ(Caret(), 3);
}

TEST_F(DigitsFilter, FullWidthDigitsAndOtherSymbolsAreRemoved) {
    Paste(L"\uFF11\uFF12 7\u00B0");
    EXPECT_EQ(Text(), L"7");
}

TEST_F(DigitsFilter, PageEditsOfTheSearchPagesAreFiltered) {
    quorrel::CMessageRecorder messages;
    CTempFolder folder;
    CMainWindow window(folder.Path());
    CTklModelSelectionDlg& tkl = window.Dlg().m_dlgTklSelect;
    SetDlgItemDouble(tkl, CTklModelSelectionDlg::kFovV, 2, -12.5);
    EXPECT_EQ(tkl.GetItemText(CTklModelSelectionDlg::kFovV), L"12.50");
    CLedSpecViewDlg& light = window.Dlg().m_dlgLedSpec;
    light.SetItemText(CLedSpecViewDlg::kLensWD, L"1e3");
    EXPECT_EQ(light.GetItemText(CLedSpecViewDlg::kLensWD), L"13");
    // The manual sensor sizes of the lens search page are not filtered.
    CCCTVModelSelectionDlg& search = window.Dlg().m_dlgCCTVSelect;
    search.SetItemText(CCCTVModelSelectionDlg::kManualV, L"-3,6");
    EXPECT_EQ(search.GetItemText(CCCTVModelSelectionDlg::kManualV), L"-3,6");
}
