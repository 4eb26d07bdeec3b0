// Helpers of the UI suite: the real main window against a chosen catalogue
// folder, event pumping, temporary folders and small catalogues.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/QuorrelDlg.h"
#include "app/QuorrelDoc.h"
#include "app/QuorrelView.h"

namespace uitest {

// Handles everything queued (posted page messages, toolkit events) until
// nothing is left.
void PumpEvents();

// The folder of this test program, where the build puts the sample
// catalogue.
std::wstring SampleCatalogueFolder();

// A new empty folder, removed with everything in it at the end of the scope.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// Writes a lens catalogue file ("quorrel_cctv.mdb" with its password) into
// `folder` holding the LENS and CCD rows given as SQL INSERT statements.
void WriteLensCatalogue(const std::wstring& folder, const std::string& insertsUtf8);
// The same for the telecentric catalogue ("quorrel_tkl.mdb"): LENS and
// LENS_EXTRA rows.
void WriteTelecentricCatalogue(const std::wstring& folder, const std::string& insertsUtf8);

// The real main window (frame, document, view, main dialog) built against
// `folder`, destroyed at the end of the scope. Not shown unless asked.
class CMainWindow {
public:
    explicit CMainWindow(const std::wstring& catalogueFolder, bool show = false);
    ~CMainWindow();
    CMainWindow(const CMainWindow&) = delete;
    CMainWindow& operator=(const CMainWindow&) = delete;

    CMainFrame* Frame() const { return m_frame; }
    CQuorrelView& View() const { return *m_frame->GetActiveView(); }
    CQuorrelDlg& Dlg() const { return View().m_dlgMain; }
    CQuorrelDoc& Doc() const { return *m_frame->GetActiveDocument(); }

    // Selects `tab` as a click on it does (the page switch runs).
    void ClickTab(int tab);
    // Sends a menu command as choosing the item does.
    void Command(int id);
    // Shortens the view by a title bar of 37 pixels over the menu bar, as a
    // desktop does.
    void UnderTitleBar();

private:
    CMainFrame* m_frame;
};

using Row = std::vector<std::wstring>;

// The texts of a result list as shown: every row, or one column.
std::vector<Row> ListRows(const quorrel::CResultList& list);
Row ListColumn(const quorrel::CResultList& list, int column);

// Every shown control of `page` ends within what shows of the page, every
// shown label is as tall as its text in its font; with `apart`, no two of
// them share a pixel.
void ExpectControlsInView(const CPage& page, bool apart);

}  // namespace uitest
