#include "app/AboutDlg.h"

#include <cstdint>

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "platform/ProductVersion.h"
#include "platform/Strings.h"
#include "platform/wx/LabelFont.h"
#include "platform/wx/PngResource.h"

namespace {
constexpr wchar_t kSupportMail[] = L"support@quorrel-optics.example";
constexpr wchar_t kNoticeLine[] = L"Copyright (C) Quorrel Optics Works. All rights reserved.";
constexpr wchar_t kAddressLines[] = L"12 Lensmakers Lane, Brightfield 4021\nTel. +1 555 0142 300";

// Opens a link through the desktop. A failure is not reported: the toolkit
// would log it, and the program's log shows errors in a message box.
void OpenLink(const wxString& url) {
    wxLogNull quiet;
    wxLaunchDefaultBrowser(url);
}
}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Version Quorrel", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxFont(wxFontInfo(9).FaceName("Arial")));
    auto* icon = new wxStaticBitmap(this, wxID_ANY, quorrel::LoadPngResource(quorrel::kAppIconPng));
    auto* name = new wxStaticText(this, wxID_ANY, "Quorrel");
    quorrel::SetLabelFont(*name, GetFont().Bold().Scaled(1.3f));
    m_version = new wxStaticText(this, wxID_ANY, "Version *.*.*.*");
    auto* notice = new wxStaticText(this, wxID_ANY, kNoticeLine);
    auto* address = new wxStaticText(this, wxID_ANY, kAddressLines);
    m_mailLink = new wxHyperlinkCtrl(this, wxID_ANY, " ", "mailto:");
    m_webLink = new wxHyperlinkCtrl(this, wxID_ANY, " ", "https://");
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();

    auto linkRow = [this](const wxString& caption, wxHyperlinkCtrl* link) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(new wxStaticText(this, wxID_ANY, caption), 0, wxALIGN_CENTER_VERTICAL);
        row->Add(link, 0, wxALIGN_CENTER_VERTICAL);
        return row;
    };
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(name, 0, wxBOTTOM, 2);
    text->Add(m_version, 0, wxBOTTOM, 8);
    text->Add(notice, 0, wxBOTTOM, 8);
    text->Add(address, 0, wxBOTTOM, 8);
    text->Add(linkRow("E-mail:", m_mailLink), 0, wxBOTTOM, 2);
    text->Add(linkRow("Web:", m_webLink), 0);
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(icon, 0, wxALL, 12);
    body->Add(text, 1, wxTOP | wxBOTTOM | wxRIGHT, 12);
    body->Add(ok, 0, wxTOP | wxRIGHT, 12);
    SetSizerAndFit(body);

    Bind(wxEVT_INIT_DIALOG, &CAboutDlg::OnInitDialog, this);
    m_mailLink->Bind(wxEVT_HYPERLINK, &CAboutDlg::OnNMClickMailLink, this);
    m_webLink->Bind(wxEVT_HYPERLINK, &CAboutDlg::OnNMClickWebLink, this);
}

std::wstring CAboutDlg::VersionText(std::uint32_t ms, std::uint32_t ls) {
    return L"Version " + quorrel::FormatProductVersion(ms, ls);
}

void CAboutDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();  // the toolkit's own initialisation (validators)
    quorrel::SetAppIcon(*this);
    // Without readable version words the line shows 0.0.0.0.
    std::uint32_t ms = 0, ls = 0;
    quorrel::GetProductVersion(nullptr, &ms, &ls);
    m_version->SetLabelText(VersionText(ms, ls));
    m_strMail = kSupportMail;
    m_strWeb = quorrel::LoadString(20063);
    m_mailLink->SetLabel(m_strMail);
    m_mailLink->SetURL("mailto:" + wxString(m_strMail));
    m_webLink->SetLabel(quorrel::LoadString(20062));
    m_webLink->SetURL(m_strWeb);
    Layout();
    Fit();
}

void CAboutDlg::OnNMClickMailLink(wxHyperlinkEvent&) { OpenLink("mailto:" + wxString(m_strMail)); }

void CAboutDlg::OnNMClickWebLink(wxHyperlinkEvent&) { OpenLink(m_strWeb); }

std::wstring CAboutDlg::GetMailLinkText() const { return m_mailLink->GetLabel().ToStdWstring(); }

std::wstring CAboutDlg::GetWebLinkText() const { return m_webLink->GetLabel().ToStdWstring(); }
