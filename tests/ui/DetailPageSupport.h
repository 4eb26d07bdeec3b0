// Helpers of the detail page scenarios: user actions on page controls (a
// click on a box or button, a choice in a drop-down list, typing into an
// edit) and a fixture holding the real main window.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>

#include "UiHarness.h"
#include "lens_selection/CDetailCalculationDlg.h"
#include "platform/Message.h"

namespace uitest {

using Dlg = CDetailCalculationDlg;

// A click on check box `id`: the box toggles and its click handler runs.
inline void ClickBox(CPage& page, int id) {
    auto* box = page.GetControlAs<wxCheckBox>(id);
    ASSERT_NE(box, nullptr) << id;
    ASSERT_TRUE(box->IsEnabled()) << "box " << id << " is disabled";
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(event);
    PumpEvents();
}

inline void ClickButton(CPage& page, int id) {
    auto* button = page.GetControlAs<wxButton>(id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->IsEnabled()) << "button " << id << " is disabled";
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
    PumpEvents();
}

// Chooses the entry reading `text` in drop-down list `id`, as the user does.
inline void Choose(CPage& page, int id, const std::wstring& text) {
    auto* choice = page.GetControlAs<wxChoice>(id);
    ASSERT_NE(choice, nullptr) << id;
    const int index = choice->FindString(text, true);
    ASSERT_GE(index, 0) << "no entry " << std::string(wxString(text).utf8_str());
    choice->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(index);
    choice->ProcessWindowEvent(event);
    PumpEvents();
}

// Typing replaces the edit's text; its change handler runs.
inline void Type(CPage& page, int id, const std::wstring& text) {
    page.SetItemText(id, text);
    PumpEvents();
}

// The x of the focus marker.
inline int MarkerX(const CPage& page) { return page.GetControl(Dlg::kFocusMarker)->GetPosition().x; }

// The real main window on the sample catalogue, with the detail page shown.
class DetailPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<CMainWindow>(CatalogueFolder());
        m_window->ClickTab(CQuorrelDlg::kTabDetail);
        m_messages.Clear();
    }
    void TearDown() override { m_window.reset(); }

    virtual std::wstring CatalogueFolder() { return SampleCatalogueFolder(); }

    CQuorrelDlg& Main() { return m_window->Dlg(); }
    Dlg& Page() { return Main().m_dlgDetailCalc; }
    std::wstring Item(int id) { return Page().GetItemText(id); }

    // Loads a lens as a click on its search result row does.
    void Load(const std::wstring& model, const std::wstring& sensor = L"2/3\"", const std::wstring& ring = L"0.0") {
        Main().SetDetailLens(model, sensor, ring, 0, 0.0, 0.0, 0.0);
        PumpEvents();
    }
    // Ticks the box of one input kind, types its value and calculates.
    void CalculateFrom(int box, int edit, const std::wstring& value) {
        ClickBox(Page(), box);
        Type(Page(), edit, value);
        ClickButton(Page(), Dlg::kCalculation);
    }

    quorrel::CMessageRecorder m_messages;
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace uitest
