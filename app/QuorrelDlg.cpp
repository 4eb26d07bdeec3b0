#include "app/QuorrelDlg.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <future>
#include <utility>
#include <vector>

#include <wx/notebook.h>
#include <wx/statbmp.h>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "lens_selection/DetailCalculation.h"
#include "optics/CCCTVData.h"
#include "platform/ExecutableFolder.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/PageMessages.h"
#include "platform/Strings.h"
#include "platform/Text.h"
#include "platform/wx/CompactTabs.h"
#include "platform/wx/PageMessagesWx.h"
#include "report/ReportPages.h"
#include "telecentric/CTKLData.h"

namespace {

// Tab labels: string ids, 0 for the empty spacer tabs.
constexpr int kTabLabels[CQuorrelDlg::kTabCount] = {20059, 20061, 0, 20060, 20061, 0, 20123, 20061};

// Runs one catalogue opener to its end on the calling thread and returns,
// in order, what it reported instead of showing it: the catalogue layer's
// messages and an error that escapes that layer.
template <class Body>
std::vector<quorrel::MessageEntry> Collected(Body body) {
    quorrel::CThreadMessageCapture capture;
    try {
        body();
    } catch (const std::exception& e) {
        quorrel::ShowMessage(quorrel::FromUtf8(e.what()));
    }
    return capture.Take();
}

// Shows what the opener of `fileName` reported, each message naming the file
// first.
void ShowNamed(const wchar_t* fileName, const std::vector<quorrel::MessageEntry>& messages) {
    quorrel::CMessagePrefix named(std::wstring(fileName) + L": ");
    quorrel::ShowMessages(messages);
}

// Runs `opener` on a thread of its own; when no thread can be had, it runs
// on the thread that asks for its result.
template <class Opener>
std::future<std::vector<quorrel::MessageEntry>> Start(Opener opener) {
    return std::async(std::launch::async | std::launch::deferred, std::move(opener));
}

// Appends a pointer to each record, in catalogue order, to a page's copy.
template <class T>
void CopyPointers(const std::vector<std::unique_ptr<T>>& records, std::vector<T*>& copy) {
    for (const auto& record : records) copy.push_back(record.get());
}

// The same, then lists the copied records' names in the page's combo
// `comboId`, emptied first.
template <class T>
void CopyWithNames(const std::vector<std::unique_ptr<T>>& records, std::vector<T*>& copy, CPage& page,
                   int comboId) {
    CopyPointers(records, copy);
    page.ComboResetContent(comboId);
    for (const T* record : copy) page.ComboAddString(comboId, record->m_strType);
}

}  // namespace

CQuorrelDlg::CQuorrelDlg(wxWindow*) {}

CQuorrelDlg::~CQuorrelDlg() = default;

std::wstring CQuorrelDlg::GetCatalogueFolder() const {
    return m_strCatalogueFolder.empty() ? quorrel::GetExecutableFolder() : m_strCatalogueFolder;
}

std::wstring CQuorrelDlg::CataloguePath(const wchar_t* fileName) const {
    return quorrel::JoinPath(GetCatalogueFolder(), fileName);
}

bool CQuorrelDlg::CreateDlg(wxWindow* parent) {
    if (IsDlgCreated()) return true;
    if (!Create(parent, wxID_ANY, wxPoint(0, 0), wxSize(kWidth, kHeight), wxTAB_TRAVERSAL | wxNO_BORDER))
        return false;
    return OnInitDialog();
}

bool CQuorrelDlg::OnInitDialog() {
    SetSize(0, 0, kWidth, kHeight);

    // Each file costs a key derivation, and the three are independent: they
    // are read at once, each on its own connection into its own arrays. What
    // they report is shown here afterwards, file by file in the fixed order.
    auto cctv = Start([this] { return LoadCCTVCatalogue(); });
    auto tkl = Start([this] { return LoadTKLCatalogue(); });
    auto led = Start([this] { return LoadLedCatalogue(); });
    ShowNamed(kCCTVCatalogue, cctv.get());
    ShowNamed(kTKLCatalogue, tkl.get());
    ShowNamed(kLedCatalogue, led.get());

    // The tab control is only as tall as its tab strip; the pages sit under
    // it as its siblings, so a spacer tab (which has no page) leaves the
    // previous page on screen.
    m_tab = new wxNotebook(this, wxID_ANY, wxPoint(0, 0), wxSize(kWidth, kHeight));
    std::vector<wxString> labels;
    for (int id : kTabLabels) labels.push_back(id ? wxString(quorrel::LoadString(id)) : wxString());
    quorrel::MakeTabsCompact(m_tab, labels, kWidth);
    for (const wxString& label : labels) m_tab->AddPage(new wxPanel(m_tab), label);
    m_tab->SetSize(kWidth, m_tab->CalcSizeFromPage(wxSize(kWidth, 0)).GetHeight());
    m_tab->ChangeSelection(kTabLensSearch);
    m_tab->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CQuorrelDlg::OnTcnSelchangeTab, this);

    m_dlgCCTVSelect.CreatePage(this);
    m_dlgDetailCalc.CreatePage(this);
    m_dlgTklSelect.CreatePage(this);
    m_dlgTKLSpec.CreatePage(this);
    m_dlgLEDSelect.CreatePage(this);
    m_dlgLedSpec.CreatePage(this);

    // Pointer copies for the pages, and their lists, in catalogue order.
    CopyPointers(m_arrCCTVData, m_dlgCCTVSelect.m_arrCCTVData);
    CopyWithNames(m_arrCCTVData, m_dlgDetailCalc.m_arrLens, m_dlgDetailCalc,
                  CDetailCalculationDlg::kLensCombo);
    CopyWithNames(m_arrCCDData, m_dlgCCTVSelect.m_arrCCDData, m_dlgCCTVSelect,
                  CCCTVModelSelectionDlg::kSensorCombo);
    CopyWithNames(m_arrCCDData, m_dlgDetailCalc.m_arrSensor, m_dlgDetailCalc,
                  CDetailCalculationDlg::kSensorCombo);

    // Telecentric lenses to pages 203 and 204, and their extras to 204.
    CopyPointers(m_arrTKLData, m_dlgTklSelect.m_arrTKLData);
    CopyPointers(m_arrTKLData, m_dlgTKLSpec.m_arrTKLData);
    CopyPointers(m_arrTKLExtraData, m_dlgTKLSpec.m_arrTKLExtraData);
    m_dlgTKLSpec.ComboResetContent(CTKLSpecViewDlg::kModelCombo);
    for (const CTKLData* lens : m_dlgTKLSpec.m_arrTKLData)
        m_dlgTKLSpec.ComboAddString(CTKLSpecViewDlg::kModelCombo, lens->Type);

    CopyWithNames(m_arrCCDData, m_dlgTklSelect.m_arrCCDData, m_dlgTklSelect,
                  CTklModelSelectionDlg::kSensorCombo);

    // The data-sheet page does without the last two formats.
    for (size_t i = 0; i + 2 < m_arrCCDData.size(); ++i)
        m_dlgTKLSpec.m_arrCCDData.push_back(m_arrCCDData[i].get());

    // Illuminations, types and colours to page 349, then types and colours
    // to page 350.
    CopyPointers(m_arrLedData, m_dlgLEDSelect.m_arrLedData);
    m_dlgLEDSelect.SetTypeList(m_arrLedTypeData);
    CopyPointers(m_arrLedColorData, m_dlgLEDSelect.m_arrLedColorData);
    CopyPointers(m_arrLedTypeData, m_dlgLedSpec.m_arrLedTypeData);
    CopyPointers(m_arrLedColorData, m_dlgLedSpec.m_arrLedColorData);

    PlacePages();
    ShowOnly(&m_dlgCCTVSelect);

    m_dlgTestVersion.CreateHidden(this);

    m_dlgCCTVSelect.ClearAll();
    m_dlgTklSelect.ClearAll();
    return true;
}

std::vector<quorrel::MessageEntry> CQuorrelDlg::LoadCCTVCatalogue() {
    return Collected([this] {
        CCatalogDatabase db;
        if (db.Open(CataloguePath(kCCTVCatalogue), kLensPassword)) {
            db.LoadLensTable(m_arrCCTVData);
            db.LoadCCDTable(m_arrCCDData);
            db.Close();
        }
        db.Close();
    });
}

std::vector<quorrel::MessageEntry> CQuorrelDlg::LoadTKLCatalogue() {
    return Collected([this] {
        CCatalogDatabase db;
        if (db.Open(CataloguePath(kTKLCatalogue), kLensPassword)) {
            db.LoadTKLLensTable(m_arrTKLData);
            db.LoadTKLExtraTable(m_arrTKLExtraData);
            db.Close();
        }
        db.Close();
    });
}

std::vector<quorrel::MessageEntry> CQuorrelDlg::LoadLedCatalogue() {
    return Collected([this] {
        CCatalogDatabase db;
        if (db.Open(CataloguePath(kLedCatalogue), kLedPassword)) {
            db.LoadLedCommonTable(m_arrLedData);
            db.LoadIlluminationTypeTable(m_arrLedTypeData);
            db.LoadColorTable(m_arrLedColorData);
            db.Close();
        }
        db.Close();
    });
}

std::array<CPage*, 6> CQuorrelDlg::Pages() {
    return {&m_dlgCCTVSelect, &m_dlgDetailCalc, &m_dlgTklSelect,
            &m_dlgTKLSpec,    &m_dlgLEDSelect,  &m_dlgLedSpec};
}

void CQuorrelDlg::PlacePages() {
    const int strip = m_tab->GetSize().GetHeight();
    const wxRect area(0, strip, kWidth, kHeight - strip);
    for (CPage* page : Pages()) page->SetSize(area);
    UpdateVisibleHeight();
}

int CQuorrelDlg::VisibleClientHeight() const {
    int height = GetClientSize().GetHeight();
    if (const wxWindow* parent = GetParent())
        height = std::min(height, parent->GetClientSize().GetHeight() - GetPosition().y);
    return std::max(height, 0);
}

void CQuorrelDlg::UpdateVisibleHeight() {
    if (!m_tab) return;
    const int visible = std::max(VisibleClientHeight() - m_tab->GetSize().GetHeight(), 0);
    for (CPage* page : Pages()) page->SetVisibleHeight(visible);
}

void CQuorrelDlg::ShowOnly(CPage* shown) {
    for (CPage* page : Pages()) page->Show(page == shown);
}

void CQuorrelDlg::SelectTab(int tab) {
    if (m_tab && tab >= 0 && tab < static_cast<int>(m_tab->GetPageCount())) m_tab->ChangeSelection(tab);
}

int CQuorrelDlg::GetCurSel() const { return m_tab ? m_tab->GetSelection() : -1; }

void CQuorrelDlg::OnTcnSelchangeTab(wxBookCtrlEvent&) { ShowTabPage(kOriginNone); }

void CQuorrelDlg::ShowTabPage(int origin) {
    switch (GetCurSel()) {
    case kTabLensSearch:
        ShowOnly(&m_dlgCCTVSelect);
        break;
    case kTabDetail: {
        quorrel::PostPageMessage(WM_SET_PRINT_PAGE_COUNT, CCTVReportPages(report::kA4HeightMm), 0);
        ShowOnly(&m_dlgDetailCalc);
        break;
    }
    case kTabTelecentricSearch:
        ShowOnly(&m_dlgTklSelect);
        break;
    case kTabTelecentricSpec: {
        quorrel::PostPageMessage(WM_SET_PRINT_PAGE_COUNT, TKLReportPages(report::kA4HeightMm), 0);
        if (CTKLData* lens = m_dlgTklSelect.m_pCurrentLens) {
            m_dlgTKLSpec.ShowItem(CTKLSpecViewDlg::kModelName, true);
            m_dlgTKLSpec.ShowItem(CTKLSpecViewDlg::kModelCombo, false);
            m_dlgTKLSpec.SetItemText(CTKLSpecViewDlg::kModelName, lens->Type);
            m_dlgTKLSpec.ShowLens(lens);
            m_dlgTKLSpec.EnableItem(CTKLSpecViewDlg::kSelectIllumination, true);
        }
        ShowOnly(&m_dlgTKLSpec);
        break;
    }
    case kTabIlluminationSearch:
        if (origin == kOriginDetail) {
            const CDetailCalculationDlg& d = m_dlgDetailCalc;
            m_dlgLEDSelect.SetLensSpec(d.m_dHandFovH, d.m_dHandFovV, d.m_dHandFovD, d.m_dHandWD,
                                       d.m_dHandEffDiameter);
        } else if (origin == kOriginTelecentricSpec) {
            // Only the enabled "Select illumination" of page 204 asks for this,
            // and only while that page shows a lens; without one there is
            // nothing to hand over.
            if (const CTKLData* lens = m_dlgTKLSpec.m_pCurrentLens) {
                const double fovH =
                    quorrel::ParseLeadingNumber(m_dlgTklSelect.GetItemText(CTklModelSelectionDlg::kFovH));
                const double fovV =
                    quorrel::ParseLeadingNumber(m_dlgTklSelect.GetItemText(CTklModelSelectionDlg::kFovV));
                const double fovD = std::hypot(fovH, fovV);  // no overflow on the way
                m_dlgLEDSelect.SetLensSpec(fovH, fovV, fovD, lens->WD, lens->EFDI);
            }
        }
        ShowOnly(&m_dlgLEDSelect);
        break;
    case kTabIlluminationSpec: {
        const CLEDModelSelectionDlg& s = m_dlgLEDSelect;
        m_dlgLedSpec.ShowLight(s.m_pCurrentLight, s.m_dLastLensWD, s.m_dLastEffDiameter, s.m_dLastFovH,
                               s.m_dLastFovV);
        ShowOnly(&m_dlgLedSpec);
        break;
    }
    default:
        // The spacer tabs 2 and 5, and no selection: the page on screen stays.
        break;
    }
}

void CQuorrelDlg::TransferSelectionToDetail() {
    const CCCTVModelSelectionDlg& s = m_dlgCCTVSelect;
    const double v = quorrel::ParseLeadingNumber(s.GetItemText(CCCTVModelSelectionDlg::kManualV));
    const double h = quorrel::ParseLeadingNumber(s.GetItemText(CCCTVModelSelectionDlg::kManualH));
    const double d = quorrel::ParseLeadingNumber(s.GetItemText(CCCTVModelSelectionDlg::kManualD));
    SetDetailLens(s.m_strClickedModel, s.m_strSensorText, s.m_strClickedRing, s.m_bManualSensor, v, h, d);
}

void CQuorrelDlg::SetDetailLens(const std::wstring& model, const std::wstring& sensorText,
                                const std::wstring& ringText, int manualSensor, double sensorV,
                                double sensorH, double sensorD) {
    // The first lens of that name; an unknown name falls back to the first lens.
    const CCCTVData* lens = nullptr;
    for (const auto& l : m_arrCCTVData)
        if (l->m_strType == model) {
            lens = l.get();
            break;
        }
    if (!lens && !m_arrCCTVData.empty()) lens = m_arrCCTVData.front().get();

    CDetailCalculationDlg& page = m_dlgDetailCalc;
    page.ClearAll(1);
    page.FillLensList(model);
    page.FillSensorList(model, sensorText, manualSensor, sensorV, sensorH, sensorD);
    page.FillFnoList(model);
    page.SetupRingControls(quorrel::ParseLeadingNumber(ringText));
    page.ShowMaxFocusDraw(model);

    // A fixed-magnification lens of type 10 is calculated at once, at its
    // own magnification.
    if (lens)
        if (const auto fixed = detail_calc::FixedMagnificationOf(*lens, false); fixed.isFixed)
            page.CalculateAtMagnification(fixed.magnification);
}

void CQuorrelDlg::ClearAllPages() {
    m_dlgCCTVSelect.ClearAll();
    m_dlgDetailCalc.ClearAll(1);
    m_dlgTklSelect.ClearAll();
    // Tab 4 shows the search page's current lens each time it opens: with
    // none left, it comes up empty, as after start-up.
    m_dlgTklSelect.m_pCurrentLens = nullptr;

    CTKLSpecViewDlg& spec = m_dlgTKLSpec;
    spec.ComboSetCurSel(CTKLSpecViewDlg::kModelCombo, -1);
    spec.EnableItem(CTKLSpecViewDlg::kModelCombo, true);
    spec.EnableItem(CTKLSpecViewDlg::kSelectIllumination, false);
    spec.SetItemText(CTKLSpecViewDlg::kModelName, L"");
    spec.ShowItem(CTKLSpecViewDlg::kModelName, false);
    spec.ShowItem(CTKLSpecViewDlg::kModelCombo, true);
    // Ids in these ranges that have no control are skipped.
    constexpr std::pair<int, int> kSpecRanges[] = {{5012, 5023}, {5113, 5118}, {5212, 5216}};
    for (const auto& [first, last] : kSpecRanges)
        for (int id = first; id <= last; ++id) spec.SetItemText(id, L"");
    spec.m_pCurrentLens = nullptr;

    m_dlgLEDSelect.ClearAll();
    // Likewise tab 7 shows the illumination search's current light with the
    // lens values of its last search.
    CLEDModelSelectionDlg& search = m_dlgLEDSelect;
    search.m_pCurrentLight = nullptr;
    search.m_dLastLensWD = search.m_dLastEffDiameter = -1.0;
    search.m_dLastFovH = search.m_dLastFovV = search.m_dLastFovD = -1.0;

    // The data sheet of tab 7: "--" for the name and every value, no
    // labels, figure or calculation item, the lens edits empty and locked.
    CLedSpecViewDlg& light = m_dlgLedSpec;
    light.SetItemText(CLedSpecViewDlg::kModelName, L"--");
    if (auto* figure = light.GetControlAs<wxStaticBitmap>(CLedSpecViewDlg::kFigure)) figure->SetBitmap(wxNullBitmap);
    for (int i = 0; i < CLedSpecViewDlg::kSheetRows; ++i) {
        light.SetItemText(CLedSpecViewDlg::kLabelFirst + i, L"");
        light.SetItemText(CLedSpecViewDlg::kValueFirst + i, L"--");
    }
    light.ComboSetCurSel(CLedSpecViewDlg::kItemCombo, -1);
    light.SetItemText(CLedSpecViewDlg::kValue, L"");
    light.EnableItem(CLedSpecViewDlg::kCalculation, false);
    light.CheckItem(CLedSpecViewDlg::kLensSpec, false);
    for (int id : {CLedSpecViewDlg::kEffDiameter, CLedSpecViewDlg::kLensWD, CLedSpecViewDlg::kFovH,
                   CLedSpecViewDlg::kFovV}) {
        light.SetItemText(id, L"");
        light.SetItemReadOnly(id, true);
    }
    light.m_pCurrentLight = nullptr;
}
