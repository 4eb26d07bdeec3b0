#include "UiHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <fstream>

#include <wx/app.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "catalogue/CatalogueBuilder.h"
#include "platform/ExecutableFolder.h"
#include "platform/Text.h"
#include "platform/wx/ResultList.h"

namespace uitest {

void PumpEvents() {
    for (int i = 0; i < 20; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        if (!wxTheApp->HasPendingEvents()) break;
    }
}

std::wstring SampleCatalogueFolder() { return quorrel::GetExecutableFolder(); }

CTempFolder::CTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-ui-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = quorrel::FromUtf8(pattern);
}

CTempFolder::~CTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(quorrel::ToUtf8(m_path), ec);
}

std::wstring CTempFolder::File(const std::wstring& name) const { return quorrel::JoinPath(m_path, name); }

namespace {

// Builds catalogue file `fileName` in `folder` from its schema and rows,
// under the lens catalogues' password.
void WriteCatalogueFile(const std::wstring& folder, const wchar_t* fileName, const char* schema,
                        const std::string& insertsUtf8) {
    std::wstring error;
    const bool built = quorrel::BuildCatalogue(quorrel::JoinPath(folder, fileName), std::string(schema) + insertsUtf8,
                                               CQuorrelDlg::kLensPassword, &error);
    ASSERT_TRUE(built) << quorrel::ToUtf8(error);
}

}  // namespace

void WriteLensCatalogue(const std::wstring& folder, const std::string& insertsUtf8) {
    static const char kSchema[] =
        "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, ParamType INTEGER, CatalogJP TEXT,"
        " CatalogEN TEXT, CatalogCN TEXT, Parameter TEXT, PixelSize REAL, MountType TEXT,"
        " SpecialFalg INTEGER, DrawoutDirection INTEGER, Fno TEXT, Discontinued INTEGER,"
        " DispOrder INTEGER);"
        "CREATE TABLE CCD (ID INTEGER PRIMARY KEY, Horizontal REAL, Vertical REAL, Radial REAL,"
        " Type TEXT, AreaFlag INTEGER, SpecialFlag INTEGER, DispOrder INTEGER);";
    WriteCatalogueFile(folder, CQuorrelDlg::kCCTVCatalogue, kSchema, insertsUtf8);
}

void WriteTelecentricCatalogue(const std::wstring& folder, const std::string& insertsUtf8) {
    static const char kSchema[] =
        "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Kind TEXT, SensorType TEXT, Pmag REAL,"
        " Flength REAL, Feff REAL, NA REAL, WD REAL, OD REAL, OI REAL, L REAL, RS REAL, DOF REAL, LH REAL,"
        " LHP REAL, ENPP REAL, EXPP REAL, ENPD REAL, EXPD REAL, STO REAL, LB REAL, LBd REAL,"
        " CCDLimit REAL, LBLimit REAL, HoldA REAL, HoldB REAL, HoldC REAL, HoldD REAL, Mount REAL,"
        " EFDI REAL, RearconRecommend INTEGER, CatalogJP TEXT, CatalogEN TEXT, CatalogCN TEXT,"
        " MountType TEXT, SpecialFlag INTEGER, Discontinued INTEGER);"
        "CREATE TABLE LENS_EXTRA (ID INTEGER PRIMARY KEY, LENS_Type TEXT, REARCON_Type TEXT,"
        " CCD_Type TEXT, Telecentricity REAL, Distortion REAL, RelativeIllum REAL, MagMin REAL,"
        " MagMax REAL);";
    WriteCatalogueFile(folder, CQuorrelDlg::kTKLCatalogue, kSchema, insertsUtf8);
}

CMainWindow::CMainWindow(const std::wstring& catalogueFolder, bool show)
    : m_frame(CMainFrame::CreateMainWindow(catalogueFolder)) {
    if (show) m_frame->Show();
    PumpEvents();
}

CMainWindow::~CMainWindow() {
    m_frame->Destroy();
    PumpEvents();
    wxTheApp->ProcessIdle();  // deletes the destroyed frame
}

void CMainWindow::ClickTab(int tab) {
    // SetSelection raises the page-change events a click raises.
    Dlg().GetTabControl()->SetSelection(static_cast<size_t>(tab));
    PumpEvents();
}

void CMainWindow::Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(m_frame);
    m_frame->GetEventHandler()->ProcessEvent(event);
    PumpEvents();
}

void CMainWindow::UnderTitleBar() {
    View().SetSize(CQuorrelDlg::kWidth, View().GetClientSize().GetHeight() - 37);
    PumpEvents();
}

std::vector<Row> ListRows(const quorrel::CResultList& list) {
    std::vector<Row> rows(static_cast<size_t>(list.GetItemCount()));
    for (long r = 0; r < list.GetItemCount(); ++r)
        for (int c = 0; c < list.GetColumnCount(); ++c) rows[static_cast<size_t>(r)].push_back(list.RowText(r, c));
    return rows;
}

Row ListColumn(const quorrel::CResultList& list, int column) {
    Row texts;
    for (long r = 0; r < list.GetItemCount(); ++r) texts.push_back(list.RowText(r, column));
    return texts;
}

void ExpectControlsInView(const CPage& page, bool apart) {
    std::vector<wxWindow*> shown;
    for (wxWindow* control : page.GetChildren())
        if (control->IsShown()) shown.push_back(control);
    for (wxWindow* control : shown) {
        const wxRect rect = control->GetRect();
        const std::string what = std::to_string(page.GetControlId(control)) + " " + control->GetLabel().utf8_string();
        EXPECT_LE(rect.GetBottom() + 1, page.GetVisibleHeight()) << what;
        EXPECT_LE(rect.GetRight() + 1, CPage::kPageWidth) << what;
        // A label is as tall as its text in its font: descenders show.
        if (dynamic_cast<wxStaticText*>(control)) {
            EXPECT_GE(rect.GetHeight(), control->GetTextExtent(control->GetLabel()).GetHeight()) << what;
        }
        for (wxWindow* other : shown) {
            if (apart && other != control) {
                EXPECT_FALSE(rect.Intersects(other->GetRect())) << what << " / " << other->GetLabel();
            }
        }
    }
}

}  // namespace uitest
