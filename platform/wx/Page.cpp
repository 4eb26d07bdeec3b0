#include "platform/wx/Page.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/PngResource.h"
#include "platform/wx/ResultList.h"

bool CPage::CreatePage(wxWindow* parent) {
    // Page templates carry no visible style: the page starts hidden.
    Hide();
    if (!Create(parent, wxID_ANY, wxPoint(0, 0), wxSize(kPageWidth, kPageHeight),
                wxTAB_TRAVERSAL | wxNO_BORDER))
        return false;
    CreateControls();
    // Edits created read-only look it from the start.
    for (const auto& [id, window] : m_controls)
        if (auto* edit = dynamic_cast<wxTextCtrl*>(window); edit && !edit->IsEditable()) SetItemReadOnly(id, true);
    OnInitDialog();
    return true;
}

void CPage::OnInitDialog() { SetSize(0, 0, kPageWidth, kPageHeight); }

void CPage::RegisterControl(int id, wxWindow* window) { m_controls[id] = window; }

wxWindow* CPage::GetControl(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

int CPage::GetControlId(const wxWindow* window) const {
    for (const auto& [id, w] : m_controls)
        if (w == window) return id;
    return 0;
}

wxStaticBitmap* CPage::AddPicture(int id, int pngId, int x, int y, int w, int h) {
    auto* picture = new wxStaticBitmap(this, wxID_ANY, quorrel::LoadPngResource(pngId),
                                       wxPoint(x, y), wxSize(w, h));
    return AddControl(id, picture);
}

wxStaticBitmap* CPage::AddLogo(int id) {
    return AddPicture(id, kLogoPng, kLogoX, kLogoY, kLogoWidth, kLogoHeight);
}

std::wstring CPage::GetItemText(int id) const {
    wxWindow* w = GetControl(id);
    if (!w) return {};
    if (auto* edit = dynamic_cast<wxTextCtrl*>(w)) return edit->GetValue().ToStdWstring();
    if (auto* combo = dynamic_cast<wxComboBox*>(w)) return combo->GetValue().ToStdWstring();
    if (auto* choice = dynamic_cast<wxChoice*>(w)) return choice->GetStringSelection().ToStdWstring();
    if (auto* label = dynamic_cast<wxStaticText*>(w)) return label->GetLabelText().ToStdWstring();
    return w->GetLabel().ToStdWstring();
}

void CPage::SetItemText(int id, const std::wstring& text) {
    wxWindow* w = GetControl(id);
    if (!w) return;
    if (auto* edit = dynamic_cast<wxTextCtrl*>(w)) {
        edit->SetValue(text);
    } else if (auto* combo = dynamic_cast<wxComboBox*>(w)) {
        combo->SetValue(text);
    } else if (auto* label = dynamic_cast<wxStaticText*>(w)) {
        label->SetLabelText(text);
    } else if (!dynamic_cast<wxChoice*>(w)) {
        w->SetLabel(text);
    }
}

void CPage::EnableItem(int id, bool enable) {
    if (wxWindow* w = GetControl(id)) w->Enable(enable);
}

bool CPage::IsItemEnabled(int id) const {
    wxWindow* w = GetControl(id);
    return w && w->IsThisEnabled();
}

void CPage::ShowItem(int id, bool show) {
    if (wxWindow* w = GetControl(id)) w->Show(show);
}

bool CPage::IsItemShown(int id) const {
    wxWindow* w = GetControl(id);
    return w && w->IsShown();
}

void CPage::SetItemReadOnly(int id, bool readOnly) {
    auto* edit = GetControlAs<wxTextCtrl>(id);
    if (!edit) return;
    edit->SetEditable(!readOnly);
    // A read-only edit takes the dialog's face colour, so that the user sees
    // which values can be typed.
    edit->SetBackgroundColour(readOnly ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE) : wxNullColour);
    edit->Refresh();
}

bool CPage::IsItemReadOnly(int id) const {
    auto* edit = GetControlAs<wxTextCtrl>(id);
    return edit && !edit->IsEditable();
}

void CPage::CheckItem(int id, bool check) {
    if (auto* box = GetControlAs<wxCheckBox>(id)) box->SetValue(check);
    else if (auto* radio = GetControlAs<wxRadioButton>(id)) {
        // A radio button can only be unticked by ticking another of its
        // group; pages that need that keep a hidden member in the group.
        if (check) radio->SetValue(true);
    }
}

bool CPage::IsItemChecked(int id) const {
    if (auto* box = GetControlAs<wxCheckBox>(id)) return box->GetValue();
    if (auto* radio = GetControlAs<wxRadioButton>(id)) return radio->GetValue();
    return false;
}

namespace {
wxItemContainer* Items(wxWindow* w) { return dynamic_cast<wxItemContainer*>(w); }
}  // namespace

void CPage::ComboResetContent(int id) {
    wxWindow* w = GetControl(id);
    if (auto* combo = dynamic_cast<wxComboBox*>(w)) {
        combo->Clear();
        combo->ChangeValue(wxString());
    } else if (auto* items = Items(w)) {
        items->Clear();
    }
}

void CPage::ComboAddString(int id, const std::wstring& text) {
    if (auto* items = Items(GetControl(id))) items->Append(wxString(text));
}

void CPage::ComboSetCurSel(int id, int index) {
    wxWindow* w = GetControl(id);
    auto* items = Items(w);
    if (!items) return;
    const bool valid = index >= 0 && static_cast<unsigned>(index) < items->GetCount();
    items->SetSelection(valid ? index : wxNOT_FOUND);
    // Clearing the selection of an editable combo also clears its edit.
    if (!valid)
        if (auto* combo = dynamic_cast<wxComboBox*>(w)) combo->ChangeValue(wxString());
}

int CPage::ComboGetCurSel(int id) const {
    auto* items = Items(GetControl(id));
    return items ? items->GetSelection() : -1;
}

int CPage::ComboGetCount(int id) const {
    auto* items = Items(GetControl(id));
    return items ? static_cast<int>(items->GetCount()) : 0;
}

std::wstring CPage::ComboGetString(int id, int index) const {
    auto* items = Items(GetControl(id));
    if (!items || index < 0 || static_cast<unsigned>(index) >= items->GetCount()) return {};
    return items->GetString(index).ToStdWstring();
}

int CPage::ListGetItemCount(int id) const {
    auto* list = GetControlAs<wxListCtrl>(id);
    return list ? list->GetItemCount() : 0;
}

void CPage::ListDeleteAllItems(int id) {
    if (auto* list = GetControlAs<wxListCtrl>(id)) list->DeleteAllItems();
}

void CPage::SetVisibleHeight(int height) {
    if (height == m_nVisibleHeight) return;
    m_nVisibleHeight = height;
    FitResultList();
    OnVisibleHeightChanged();
}

namespace {

// The result list's place on a search page.
constexpr int kResultListX = 20;
constexpr int kResultListWidth = 810;
constexpr int kResultListBottomMargin = 2;
constexpr int kSmallestResultListHeight = 100;

int ResultListHeight(int visibleHeight, int top) {
    return std::max(kSmallestResultListHeight, visibleHeight - kResultListBottomMargin - top);
}

}  // namespace

quorrel::CResultList* CPage::AddResultList(int id, int top) {
    m_nResultListId = id;
    return AddControl(id, new quorrel::CResultList(this, wxPoint(kResultListX, top),
                                                   wxSize(kResultListWidth, ResultListHeight(m_nVisibleHeight, top))));
}

void CPage::FitResultList() {
    wxWindow* w = GetControl(m_nResultListId);
    if (!w) return;
    const wxRect rect = w->GetRect();
    const int height = ResultListHeight(m_nVisibleHeight, rect.GetY());
    if (height != rect.GetHeight()) w->SetSize(rect.GetX(), rect.GetY(), rect.GetWidth(), height);
}

void CPage::TickExclusiveBox(int id, int boxFirst, int editFirst, int count) {
    for (int i = 0; i < count; ++i) {
        const int box = boxFirst + i, edit = editFirst + i;
        if (box != id) CheckItem(box, false);
        if (IsItemChecked(box)) {
            SetItemReadOnly(edit, false);
        } else {
            SetItemReadOnly(edit, true);
            SetItemText(edit, L"");
        }
    }
}

void CPage::OnSearchPageKey(wxKeyEvent& event, int editFirst, int count, const std::function<void()>& search) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE || key == WXK_CANCEL) return;
    // The hook is raised for the focused window first.
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        const int id = GetControlId(dynamic_cast<wxWindow*>(event.GetEventObject()));
        if (id != 0 && id >= editFirst && id < editFirst + count) search();
    }
    event.Skip();
}
