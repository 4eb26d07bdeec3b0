// The main window: fixed 850 x 700, File and Help menus, and the relays for
// the messages the pages post.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <wx/frame.h>

class CPageMessageEvent;
class CQuorrelDoc;
class CQuorrelView;

class CMainFrame : public wxFrame {
public:
    // File, "Close(&X)". Not the toolkit's stock exit id, which would bring
    // its own Ctrl+Q shortcut.
    static constexpr int ID_APP_EXIT = wxID_HIGHEST + 1;

    CMainFrame();
    ~CMainFrame() override;

    // Builds the frame with its document, view and main dialog, which reads
    // the catalogue files from `catalogueFolder` (empty: the program's own
    // folder). The frame is not shown yet.
    static CMainFrame* CreateMainWindow(const std::wstring& catalogueFolder = {});

    // Shows the frame at its full size: the window manager places the
    // whole window (see the .cpp).
    bool Show(bool show = true) override;

    CQuorrelView* GetActiveView() const { return m_pView; }
    CQuorrelDoc* GetActiveDocument() const { return m_pDocument.get(); }

    // The relays (posted page messages).
    void OnCCTVResultClicked(std::intptr_t wParam, std::intptr_t lParam);
    void OnShowTabPage(std::intptr_t tab, std::intptr_t origin);
    void OnSetPrintPageCount(std::intptr_t pages, std::intptr_t lParam);

private:
    void OnPageMessage(CPageMessageEvent& event);
    // Puts the outer size back to 850 x 700 after the window manager's
    // frame has changed it.
    void OnIdle(wxIdleEvent& event);

    std::unique_ptr<CQuorrelDoc> m_pDocument;
    CQuorrelView* m_pView = nullptr;
};
