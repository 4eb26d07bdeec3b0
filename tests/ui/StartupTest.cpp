// Start-up: catalogue opening, the window, the tabs and the page lists.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <wx/notebook.h>

#include "UiHarness.h"
#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "catalogue/CatalogueBuilder.h"
#include "optics/CCCTVData.h"
#include "platform/ExecutableFolder.h"
#include "platform/Message.h"
#include "platform/Text.h"

using namespace uitest;

namespace {

std::vector<std::wstring> ComboItems(const CPage& page, int id) {
    std::vector<std::wstring> items;
    for (int i = 0; i < page.ComboGetCount(id); ++i) items.push_back(page.ComboGetString(id, i));
    return items;
}

// Two area formats and a line sensor.
const char kThreeFormats[] =
    "INSERT INTO CCD VALUES (1, 6.4, 4.8, 8, '1/2\"', 3, 1, 10);"
    "INSERT INTO CCD VALUES (2, 8.8, 6.6, 11, '2/3\"', 3, 1, 20);"
    "INSERT INTO CCD VALUES (3, 0, 0, 14.34, 'I/F 14.3mm', 2, 2, 30);";

// What lies in the folder under a catalogue's name.
enum class FileState { Missing, Sample, WrongKey, NotADatabase, NoTables };

void PlaceCatalogue(const CTempFolder& folder, const wchar_t* name, const wchar_t* password,
                    FileState state) {
    const std::string path = quorrel::ToUtf8(folder.File(name));
    std::wstring error;
    switch (state) {
    case FileState::Missing: break;
    case FileState::Sample:
        std::filesystem::copy_file(quorrel::ToUtf8(quorrel::JoinPath(SampleCatalogueFolder(), name)), path);
        break;
    case FileState::WrongKey:
        ASSERT_TRUE(quorrel::BuildCatalogue(folder.File(name), "CREATE TABLE T (ID);", L"not-the-password", &error));
        break;
    case FileState::NotADatabase:
        std::ofstream(path) << std::string(4096, 'x');
        break;
    case FileState::NoTables:
        ASSERT_TRUE(quorrel::BuildCatalogue(folder.File(name), "CREATE TABLE T (ID);", password, &error));
        break;
    }
}

// Waits up to `timeout` for the folder watched by `watch` to report the file
// `name` opened.
bool WaitForOpen(int watch, const std::string& name, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        pollfd ready{watch, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
        const ssize_t n = read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len && name == event->name) return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace

TEST(Startup, WithoutCatalogueFilesShowsOneMessagePerFileThenTheEmptyWindow) {
    CTempFolder empty;
    quorrel::CMessageRecorder messages;
    CMainWindow window(empty.Path());

    // The lens, telecentric and illumination files, in that order, each
    // named before SQLCipher's own text.
    EXPECT_EQ(messages.Texts(), (std::vector<std::wstring>{
                                    L"quorrel_cctv.mdb: unable to open database file",
                                    L"quorrel_tkl.mdb: unable to open database file",
                                    L"quorrel_led.mdb: unable to open database file"}));
    for (const auto& entry : messages.Entries()) EXPECT_EQ(entry.icon, quorrel::MessageIcon::Exclamation);

    CQuorrelDlg& dlg = window.Dlg();
    EXPECT_TRUE(dlg.m_arrCCTVData.empty());
    EXPECT_TRUE(dlg.m_arrCCDData.empty());
    EXPECT_EQ(dlg.m_dlgCCTVSelect.ComboGetCount(CCCTVModelSelectionDlg::kSensorCombo), 0);
    EXPECT_EQ(dlg.m_dlgDetailCalc.ComboGetCount(CDetailCalculationDlg::kLensCombo), 0);
    EXPECT_EQ(dlg.m_dlgDetailCalc.ComboGetCount(CDetailCalculationDlg::kSensorCombo), 0);
    EXPECT_EQ(dlg.m_dlgTklSelect.ComboGetCount(CTklModelSelectionDlg::kSensorCombo), 0);
    EXPECT_EQ(dlg.m_dlgTKLSpec.ComboGetCount(CTKLSpecViewDlg::kModelCombo), 0);
    EXPECT_EQ(dlg.GetCurSel(), 0);
    EXPECT_TRUE(dlg.m_dlgCCTVSelect.IsShown());
}

TEST(Startup, WithTheSampleCatalogueShowsNoMessageAndFillsTheListsInCatalogueOrder) {
    quorrel::CMessageRecorder messages;
    CMainWindow window(SampleCatalogueFolder());
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? quorrel::ToUtf8(messages.Texts()[0]) : "");

    // What the catalogue holds, read independently of the window.
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    std::vector<std::unique_ptr<CCCTVCCDData>> formats;
    {
        CCatalogDatabase db;
        ASSERT_TRUE(db.Open(quorrel::JoinPath(SampleCatalogueFolder(), CQuorrelDlg::kCCTVCatalogue),
                            CQuorrelDlg::kLensPassword));
        ASSERT_TRUE(db.LoadLensTable(lenses));
        ASSERT_TRUE(db.LoadCCDTable(formats));
    }
    ASSERT_GT(formats.size(), 2u);
    ASSERT_FALSE(lenses.empty());
    std::vector<std::wstring> formatNames, lensNames;
    for (const auto& f : formats) formatNames.push_back(f->m_strType);
    for (const auto& l : lenses) lensNames.push_back(l->m_strType);

    CQuorrelDlg& dlg = window.Dlg();
    EXPECT_EQ(ComboItems(dlg.m_dlgCCTVSelect, CCCTVModelSelectionDlg::kSensorCombo), formatNames);
    EXPECT_EQ(ComboItems(dlg.m_dlgDetailCalc, CDetailCalculationDlg::kSensorCombo), formatNames);
    EXPECT_EQ(ComboItems(dlg.m_dlgTklSelect, CTklModelSelectionDlg::kSensorCombo), formatNames);
    EXPECT_EQ(ComboItems(dlg.m_dlgDetailCalc, CDetailCalculationDlg::kLensCombo), lensNames);

    // Pointer copies of the main dialog's records, same order; page 204
    // does without the last two formats.
    ASSERT_EQ(dlg.m_dlgCCTVSelect.m_arrCCDData.size(), formats.size());
    ASSERT_EQ(dlg.m_dlgDetailCalc.m_arrLens.size(), lenses.size());
    for (size_t i = 0; i < dlg.m_arrCCDData.size(); ++i) {
        EXPECT_EQ(dlg.m_dlgCCTVSelect.m_arrCCDData[i], dlg.m_arrCCDData[i].get());
        EXPECT_EQ(dlg.m_dlgTklSelect.m_arrCCDData[i], dlg.m_arrCCDData[i].get());
    }
    EXPECT_EQ(dlg.m_dlgCCTVSelect.m_arrCCTVData.size(), lenses.size());
    ASSERT_EQ(dlg.m_dlgTKLSpec.m_arrCCDData.size(), formats.size() - 2);
    EXPECT_EQ(dlg.m_dlgTKLSpec.m_arrCCDData.back(), dlg.m_arrCCDData[formats.size() - 3].get());

    // Reset after set-up: no sensor chosen on the search pages.
    EXPECT_EQ(dlg.m_dlgCCTVSelect.ComboGetCurSel(CCCTVModelSelectionDlg::kSensorCombo), -1);
    EXPECT_EQ(dlg.m_dlgTklSelect.ComboGetCurSel(CTklModelSelectionDlg::kSensorCombo), -1);
}

TEST(Startup, DataSheetPageHoldsAllButTheLastTwoSensorFormats) {
    {
        CTempFolder folder;
        WriteLensCatalogue(folder.Path(), kThreeFormats);
        quorrel::CMessageRecorder messages;  // the other two files are missing
        CMainWindow window(folder.Path());
        EXPECT_EQ(messages.Count(), 2u);
        EXPECT_EQ(window.Dlg().m_dlgCCTVSelect.ComboGetCount(CCCTVModelSelectionDlg::kSensorCombo), 3);
        ASSERT_EQ(window.Dlg().m_dlgTKLSpec.m_arrCCDData.size(), 1u);
        EXPECT_EQ(window.Dlg().m_dlgTKLSpec.m_arrCCDData[0]->m_strType, L"1/2\"");
    }
    {
        CTempFolder folder;
        WriteLensCatalogue(folder.Path(), "INSERT INTO CCD VALUES (1, 6.4, 4.8, 8, 'A', 3, 1, 10);"
                                          "INSERT INTO CCD VALUES (2, 8.8, 6.6, 11, 'B', 3, 1, 20);");
        quorrel::CMessageRecorder messages;
        CMainWindow window(folder.Path());
        EXPECT_EQ(window.Dlg().m_dlgCCTVSelect.ComboGetCount(CCCTVModelSelectionDlg::kSensorCombo), 2);
        EXPECT_TRUE(window.Dlg().m_dlgTKLSpec.m_arrCCDData.empty());
    }
}

TEST(Startup, WrongPasswordIsReportedWithTheDatabaseTextAndStartUpGoesOn) {
    CTempFolder folder;
    std::wstring error;
    ASSERT_TRUE(quorrel::BuildCatalogue(folder.File(CQuorrelDlg::kCCTVCatalogue), "CREATE TABLE CCD (ID);",
                                        L"not-the-password", &error));
    quorrel::CMessageRecorder messages;
    CMainWindow window(folder.Path());
    ASSERT_EQ(messages.Count(), 3u);
    EXPECT_EQ(messages.Texts()[0], L"quorrel_cctv.mdb: file is encrypted or is not a database");
    EXPECT_EQ(messages.Texts()[1], L"quorrel_tkl.mdb: unable to open database file");
    EXPECT_TRUE(window.Dlg().m_arrCCDData.empty());
}

// Files failing in different ways (some fast, some only after the key is
// derived) are reported file by file in the fixed order, each message once,
// a file's own messages in the order its loaders ran.
TEST(Startup, FailingFilesAreReportedInFileOrderEachMessageOnce) {
    using F = FileState;
    const std::wstring missing = L"unable to open database file";
    const std::wstring encrypted = L"file is encrypted or is not a database";
    const struct {
        FileState cctv, tkl, led;
        std::vector<std::wstring> expected;
    } cases[] = {
        {F::WrongKey, F::Missing, F::Missing,
         {L"quorrel_cctv.mdb: " + encrypted, L"quorrel_tkl.mdb: " + missing, L"quorrel_led.mdb: " + missing}},
        {F::NoTables, F::WrongKey, F::NotADatabase,
         {L"quorrel_cctv.mdb: no such table: LENS", L"quorrel_cctv.mdb: no such table: CCD",
          L"quorrel_tkl.mdb: " + encrypted, L"quorrel_led.mdb: " + encrypted}},
        {F::NotADatabase, F::NoTables, F::Missing,
         {L"quorrel_cctv.mdb: " + encrypted, L"quorrel_tkl.mdb: no such table: LENS",
          L"quorrel_tkl.mdb: no such table: LENS_EXTRA", L"quorrel_led.mdb: " + missing}},
        {F::Missing, F::Sample, F::NoTables,
         {L"quorrel_cctv.mdb: " + missing, L"quorrel_led.mdb: no such table: Common",
          L"quorrel_led.mdb: no such table: IlluminationType", L"quorrel_led.mdb: no such table: Color"}},
        {F::WrongKey, F::WrongKey, F::WrongKey,
         {L"quorrel_cctv.mdb: " + encrypted, L"quorrel_tkl.mdb: " + encrypted, L"quorrel_led.mdb: " + encrypted}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        CTempFolder folder;
        PlaceCatalogue(folder, CQuorrelDlg::kCCTVCatalogue, CQuorrelDlg::kLensPassword, cases[i].cctv);
        PlaceCatalogue(folder, CQuorrelDlg::kTKLCatalogue, CQuorrelDlg::kLensPassword, cases[i].tkl);
        PlaceCatalogue(folder, CQuorrelDlg::kLedCatalogue, CQuorrelDlg::kLedPassword, cases[i].led);
        quorrel::CMessageRecorder messages;
        CMainWindow window(folder.Path());
        EXPECT_EQ(messages.Texts(), cases[i].expected);
    }
}

// The three files are read at once: the illumination file is opened while
// the lens file still waits for another program's lock, which is let go only
// then. Read one after another, the lens file would give up first.
TEST(Startup, TheIlluminationFileIsReadWhileTheLensFileWaits) {
    CTempFolder folder;
    for (const wchar_t* name : {CQuorrelDlg::kCCTVCatalogue, CQuorrelDlg::kTKLCatalogue, CQuorrelDlg::kLedCatalogue})
        PlaceCatalogue(folder, name, L"", FileState::Sample);
    const int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, quorrel::ToUtf8(folder.Path()).c_str(), IN_OPEN), 0);

    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(quorrel::ToUtf8(folder.File(CQuorrelDlg::kCCTVCatalogue)).c_str(), &writer,
                              SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_key(writer, "4817qz", 6), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    bool ledOpened = false;
    std::thread release([&] {
        ledOpened = WaitForOpen(watch, "quorrel_led.mdb", std::chrono::seconds(10));
        sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    });

    quorrel::CMessageRecorder messages;
    {
        CMainWindow window(folder.Path());
        release.join();
        EXPECT_TRUE(ledOpened);
        EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{});
        EXPECT_FALSE(window.Dlg().m_arrCCTVData.empty());
        EXPECT_FALSE(window.Dlg().m_arrLedData.empty());
    }
    sqlite3_close(writer);
    close(watch);
}

TEST(Startup, EightTabsWithTheirLabelsAndTheLensSearchPageShown) {
    CMainWindow window(SampleCatalogueFolder());
    wxNotebook* tabs = window.Dlg().GetTabControl();
    ASSERT_EQ(tabs->GetPageCount(), 8u);
    const wchar_t* labels[] = {L"Model Selection of Non-Telecentric Lens", L"Spec.", L"",
                               L"Model Selection of Telecentric Lens",     L"Spec.", L"",
                               L"Model Selection of illumination",         L"Spec."};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(tabs->GetPageText(i), labels[i]) << "tab " << i;
    EXPECT_EQ(window.Dlg().GetCurSel(), 0);

    CQuorrelDlg& dlg = window.Dlg();
    EXPECT_TRUE(dlg.m_dlgCCTVSelect.IsShown());
    for (CPage* hidden : std::initializer_list<CPage*>{&dlg.m_dlgDetailCalc, &dlg.m_dlgTklSelect,
                                                       &dlg.m_dlgTKLSpec, &dlg.m_dlgLEDSelect,
                                                       &dlg.m_dlgLedSpec})
        EXPECT_FALSE(hidden->IsShown());
    EXPECT_FALSE(dlg.m_dlgTestVersion.IsShown());
    EXPECT_EQ(dlg.m_dlgTestVersion.GetTitle(), "Test version");
}

TEST(Startup, PagesSitUnderTheTabStripAndCarryThePagePicture) {
    CMainWindow window(SampleCatalogueFolder(), true);
    CQuorrelDlg& dlg = window.Dlg();
    const wxRect strip = dlg.GetTabControl()->GetRect();
    EXPECT_EQ(strip.GetTopLeft(), wxPoint(0, 0));
    EXPECT_EQ(strip.GetWidth(), 850);
    for (CPage* page : std::initializer_list<CPage*>{&dlg.m_dlgCCTVSelect, &dlg.m_dlgDetailCalc,
                                                     &dlg.m_dlgTklSelect, &dlg.m_dlgTKLSpec,
                                                     &dlg.m_dlgLEDSelect, &dlg.m_dlgLedSpec}) {
        EXPECT_EQ(page->GetRect(), wxRect(0, strip.GetHeight(), 850, 700 - strip.GetHeight()));
    }
    // Picture controls of pages 201, 202, 203, 204, 349 and 350.
    const std::pair<CPage*, int> logos[] = {{&dlg.m_dlgCCTVSelect, 2020}, {&dlg.m_dlgDetailCalc, 3074},
                                            {&dlg.m_dlgTklSelect, 4019},  {&dlg.m_dlgTKLSpec, 5217},
                                            {&dlg.m_dlgLEDSelect, 12025}, {&dlg.m_dlgLedSpec, 12100}};
    for (const auto& [page, id] : logos) {
        wxWindow* picture = page->GetControl(id);
        ASSERT_NE(picture, nullptr) << id;
        EXPECT_EQ(picture->GetRect(), wxRect(680, 0, 131, 51)) << id;
    }
}

TEST(Startup, AllTabLabelsFitTheWindowWithoutScrolling) {
    CMainWindow window(SampleCatalogueFolder(), true);
    wxNotebook* tabs = window.Dlg().GetTabControl();
    // Walk the strip: every tab must be hit, in order, inside 850 pixels.
    const int y = tabs->GetSize().GetHeight() / 2;
    int next = 0;
    int lastX = -1;
    for (int x = 0; x < tabs->GetSize().GetWidth(); ++x) {
        long flags = 0;
        const int hit = tabs->HitTest(wxPoint(x, y), &flags);
        if (hit == next) {
            ++next;
            lastX = x;
        }
    }
    EXPECT_EQ(next, 8) << "tabs reached within the window";
    EXPECT_LT(lastX, 850);
}
