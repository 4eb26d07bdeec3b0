// Base of the tab pages: a panel whose controls are known by the numbers
// the program gives them.
//
// Each control is registered under its control id in a per-page map and
// found again through GetControl(id). The toolkit window id is a separate,
// toolkit-assigned number: several control ids fall inside the toolkit's
// reserved stock-id range (4999..5999), so they are never used as window ids.
// Handlers are bound to the control's window, not to an id.
//
// The item helpers below follow the classic dialog rules: each does nothing
// when the page has no control with that id; writing an edit's text raises
// its change event (as typing does); ticking a box or selecting a combo
// entry from code raises nothing.
#pragma once

#include <functional>
#include <map>
#include <string>

#include <wx/panel.h>

class wxKeyEvent;
class wxStaticBitmap;

namespace quorrel {
class CResultList;
}

class CPage : public wxPanel {
public:
    static constexpr int kPageWidth = 850;
    static constexpr int kPageHeight = 687;
    // The page picture (PNG 300) sits at the top right of every page.
    static constexpr int kLogoPng = 300;
    static constexpr int kLogoX = 680;
    static constexpr int kLogoY = 0;
    static constexpr int kLogoWidth = 131;
    static constexpr int kLogoHeight = 51;

    CPage() = default;
    ~CPage() override = default;

    // Creates the page as a hidden child of `parent`, builds its controls
    // (CreateControls), gives the edits created read-only their read-only
    // colour and runs its initialisation (OnInitDialog).
    bool CreatePage(wxWindow* parent);

    // The control registered under `id`, or null.
    wxWindow* GetControl(int id) const;
    template <class T>
    T* GetControlAs(int id) const {
        return dynamic_cast<T*>(GetControl(id));
    }
    // The id `window` is registered under, or 0.
    int GetControlId(const wxWindow* window) const;

    // Text of an edit, static, button or combo; empty without a control.
    std::wstring GetItemText(int id) const;
    // Edits: SetValue (raises the change event); statics: the text shown
    // literally; buttons and check boxes: their label; combos: the edit text.
    void SetItemText(int id, const std::wstring& text);
    void EnableItem(int id, bool enable);
    bool IsItemEnabled(int id) const;
    void ShowItem(int id, bool show);
    bool IsItemShown(int id) const;
    // Edits only; a read-only edit is drawn on the dialog's face colour.
    void SetItemReadOnly(int id, bool readOnly);
    bool IsItemReadOnly(int id) const;
    void CheckItem(int id, bool check);
    bool IsItemChecked(int id) const;

    // Combo boxes (drop-down lists).
    void ComboResetContent(int id);
    void ComboAddString(int id, const std::wstring& text);
    void ComboSetCurSel(int id, int index);  // -1: no selection
    int ComboGetCurSel(int id) const;        // -1 without a selection or control
    int ComboGetCount(int id) const;
    std::wstring ComboGetString(int id, int index) const;

    // List views: row count (0 without a control) and removing every row.
    int ListGetItemCount(int id) const;
    void ListDeleteAllItems(int id);

    // How much of the page, from its top, the main window shows: under a
    // desktop's title bar the window's client area is shorter than the page.
    // The whole page until the main dialog says otherwise; it tells every
    // page whenever that height changes.
    void SetVisibleHeight(int height);
    int GetVisibleHeight() const { return m_nVisibleHeight; }

protected:
    // Registers `window` as control `id` and returns it.
    template <class T>
    T* AddControl(int id, T* window) {
        RegisterControl(id, window);
        return window;
    }
    void RegisterControl(int id, wxWindow* window);

    // Creates picture control `id` showing PNG `pngId` at (x, y) in w x h.
    wxStaticBitmap* AddPicture(int id, int pngId, int x, int y, int w, int h);
    // The page picture: PNG 300 at (680, 0), 131 x 51.
    wxStaticBitmap* AddLogo(int id);

    // The result list of a search page: control `id` at (20, top), 810
    // pixels wide, reaching down to just above the visible bottom of the page
    // but never lower than 100 pixels, so that its header and a few rows
    // stay; it is refit whenever the visible height changes.
    quorrel::CResultList* AddResultList(int id, int top);

    // Ticks box `id` alone among boxes boxFirst..boxFirst+count-1. The edit
    // of each box (editFirst plus its place) is writable while its box is
    // ticked, and emptied and read-only otherwise.
    void TickExclusiveBox(int id, int boxFirst, int editFirst, int count);

    // The keys of a search page: Escape and Ctrl+Break do nothing; Enter in
    // one of the edits editFirst..editFirst+count-1 runs `search`, then goes
    // on as usual.
    void OnSearchPageKey(wxKeyEvent& event, int editFirst, int count, const std::function<void()>& search);

    // The page's controls, as its dialog template would hold them.
    virtual void CreateControls() = 0;
    // Runs once after CreateControls.
    virtual void OnInitDialog();
    // Runs after the visible height has changed; a page whose controls reach
    // down to its bottom fits them to it here.
    virtual void OnVisibleHeightChanged() {}

private:
    // Stretches or shrinks the result list, keeping its top, down to just
    // above the visible bottom of the page.
    void FitResultList();

    std::map<int, wxWindow*> m_controls;  // control id -> window
    int m_nResultListId = 0;              // the page's result list, 0 for none
    int m_nVisibleHeight = kPageHeight;   // see GetVisibleHeight
};
