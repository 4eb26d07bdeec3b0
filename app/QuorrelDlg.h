// The main dialog: the tab strip over the six pages, and the owner of every
// catalogue record for the whole run.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <wx/panel.h>

#include "app/TestVersionDlg.h"
#include "illumination/CLEDModelSelectionDlg.h"
#include "illumination/CLedSpecViewDlg.h"
#include "lens_selection/CCCTVModelSelectionDlg.h"
#include "lens_selection/CDetailCalculationDlg.h"
#include "telecentric/CTKLSpecViewDlg.h"
#include "telecentric/CTklModelSelectionDlg.h"

#include "illumination/CLedData.h"
#include "illumination/LedVocabulary.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

class CCCTVData;
class CCCTVCCDData;
class wxBookCtrlEvent;
class wxNotebook;
namespace quorrel {
class ReportDC;
struct MessageEntry;
}

class CQuorrelDlg : public wxPanel {
public:
    static constexpr int IDD = 200;
    static constexpr int kTabControl = 1000;
    static constexpr int kWidth = 850;
    static constexpr int kHeight = 700;
    static constexpr int kTabCount = 8;

    // Tabs; 2 and 5 are empty spacers without a page.
    enum Tab {
        kTabLensSearch = 0,
        kTabDetail = 1,
        kTabTelecentricSearch = 3,
        kTabTelecentricSpec = 4,
        kTabIlluminationSearch = 6,
        kTabIlluminationSpec = 7,
    };
    // Origins of a page switch asked for by a page.
    enum Origin { kOriginNone = 0, kOriginDetail = 1, kOriginTelecentricSpec = 4 };

    // Catalogue files beside the program, and their passwords.
    static constexpr wchar_t kCCTVCatalogue[] = L"quorrel_cctv.mdb";
    static constexpr wchar_t kTKLCatalogue[] = L"quorrel_tkl.mdb";
    static constexpr wchar_t kLedCatalogue[] = L"quorrel_led.mdb";
    static constexpr wchar_t kLensPassword[] = L"4817qz";  // both lens files
    static constexpr wchar_t kLedPassword[] = L"3062mh";

    // The window is created later, by CreateDlg.
    explicit CQuorrelDlg(wxWindow* parent = nullptr);
    ~CQuorrelDlg() override;

    // Folder the catalogue files are read from; the program's own folder
    // unless set before CreateDlg.
    void SetCatalogueFolder(const std::wstring& folder) { m_strCatalogueFolder = folder; }
    std::wstring GetCatalogueFolder() const;

    // Creates the window as a child of `parent` and runs OnInitDialog.
    bool CreateDlg(wxWindow* parent);
    bool IsDlgCreated() const { return m_tab != nullptr; }

    // Each reads one catalogue file into its own arrays, on whichever thread
    // calls it, and returns what it has to report, in order, for the
    // user-interface thread to show (without the file's name).
    std::vector<quorrel::MessageEntry> LoadCCTVCatalogue();
    std::vector<quorrel::MessageEntry> LoadTKLCatalogue();
    std::vector<quorrel::MessageEntry> LoadLedCatalogue();

    // Shows the page of the selected tab and hides the others, after the
    // hand-over that tab needs; `origin` names the page that asked.
    void ShowTabPage(int origin);
    // Loads the lens search page's last clicked result into the detail page.
    void TransferSelectionToDetail();
    void SetDetailLens(const std::wstring& model, const std::wstring& sensorText,
                       const std::wstring& ringText, int manualSensor, double sensorV, double sensorH,
                       double sensorD);
    // File, New: resets every page; the tab and the visible page stay.
    void ClearAllPages();

    // The printed report of the lens search and detail tabs, page `page`
    // (from 1) on paper `pageHeightMm` high, from what the two pages show now
    // (report/).
    void DrawCCTVReport(quorrel::ReportDC& dc, int page, int pageHeightMm);
    // The same for the telecentric search and data-sheet tabs.
    void DrawTKLReport(quorrel::ReportDC& dc, int page, int pageHeightMm);
    // The pages each report covers on paper `pageHeightMm` high, for the
    // result list as it is now.
    int CCTVReportPages(int pageHeightMm) const;
    int TKLReportPages(int pageHeightMm) const;

    // The height of the dialog's client area that its parent shows: a
    // desktop's title bar and the menu bar take their part of the window's
    // 700 pixels, so the view is shorter than the dialog and hides its
    // bottom.
    int VisibleClientHeight() const;
    // Tells every page how much of it shows under the tab strip; run after
    // placing the pages and whenever the view's size changes.
    void UpdateVisibleHeight();

    wxNotebook* GetTabControl() const { return m_tab; }
    // Selects a tab from the program: raises no page switch.
    void SelectTab(int tab);
    // The selected tab, or -1.
    int GetCurSel() const;

    // Pages, in tab order.
    CCCTVModelSelectionDlg m_dlgCCTVSelect;  // tab 0
    CDetailCalculationDlg m_dlgDetailCalc;   // tab 1
    CTklModelSelectionDlg m_dlgTklSelect;    // tab 3
    CTKLSpecViewDlg m_dlgTKLSpec;            // tab 4
    CLEDModelSelectionDlg m_dlgLEDSelect;    // tab 6
    CLedSpecViewDlg m_dlgLedSpec;            // tab 7
    CTestVersionDlg m_dlgTestVersion;        // notice window, never shown

    // Catalogue records, catalogue order. Declared after the windows so that
    // they are released first.
    std::vector<std::unique_ptr<CCCTVData>> m_arrCCTVData;    // lenses
    std::vector<std::unique_ptr<CCCTVCCDData>> m_arrCCDData;  // sensor formats
    std::vector<std::unique_ptr<CTKLData>> m_arrTKLData;            // telecentric lenses
    std::vector<std::unique_ptr<CTKLExtraData>> m_arrTKLExtraData;  // their extra data
    std::vector<std::unique_ptr<CLedData>> m_arrLedData;            // illuminations
    std::vector<std::unique_ptr<CLedTypeData>> m_arrLedTypeData;    // illumination types
    std::vector<std::unique_ptr<CLedColorData>> m_arrLedColorData;  // emitted colours

private:
    bool OnInitDialog();
    void OnTcnSelchangeTab(wxBookCtrlEvent& event);
    // The six pages, in tab order.
    std::array<CPage*, 6> Pages();
    // Moves every page into the area under the tab strip.
    void PlacePages();
    // Shows `page` and hides the other five.
    void ShowOnly(CPage* page);
    std::wstring CataloguePath(const wchar_t* fileName) const;

    wxNotebook* m_tab = nullptr;       // control 1000; set once the window is built
    std::wstring m_strCatalogueFolder;  // empty: the program's folder
};
