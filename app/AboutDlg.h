// Help, "Version information": product name, version, maker and links.
#pragma once

#include <cstdint>
#include <string>

#include <wx/dialog.h>

class wxHyperlinkCtrl;
class wxHyperlinkEvent;
class wxStaticText;

class CAboutDlg : public wxDialog {
public:
    static constexpr int IDD = 100;

    explicit CAboutDlg(wxWindow* parent);

    // The version line for the two product version words.
    static std::wstring VersionText(std::uint32_t ms, std::uint32_t ls);

    // Fills the version line and the two links (runs when the window opens).
    void OnInitDialog(wxInitDialogEvent& event);
    void OnNMClickMailLink(wxHyperlinkEvent& event);
    void OnNMClickWebLink(wxHyperlinkEvent& event);

    wxStaticText* GetVersionControl() const { return m_version; }
    std::wstring GetMailLinkText() const;
    std::wstring GetWebLinkText() const;

    std::wstring m_strMail;  // support mail address
    std::wstring m_strWeb;   // web address opened by the web link (string 20063)

private:
    wxStaticText* m_version = nullptr;
    wxHyperlinkCtrl* m_mailLink = nullptr;  // 19001
    wxHyperlinkCtrl* m_webLink = nullptr;   // 19002
};
