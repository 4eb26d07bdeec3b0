// The one way the program shows a message box.
//
// Calculation and catalogue code report to the user through ShowMessage; the
// application routes it to a modal box, tests install a recorder instead so
// that no test ever waits on a window.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorrel {

enum class MessageIcon { Exclamation, None };

using MessageSink = std::function<void(const std::wstring& text, MessageIcon icon)>;

// Shows `text` with the OK button. Without an installed sink the text goes
// to standard error.
void ShowMessage(const std::wstring& text, MessageIcon icon = MessageIcon::Exclamation);

// Installs the sink every later ShowMessage goes to; returns the previous one.
MessageSink SetMessageSink(MessageSink sink);

// Puts `prefix` before the text of every message shown while it lives, then
// puts the previous sink back: the catalogue opener names the file its
// messages are about.
class CMessagePrefix {
public:
    explicit CMessagePrefix(std::wstring prefix);
    ~CMessagePrefix();
    CMessagePrefix(const CMessagePrefix&) = delete;
    CMessagePrefix& operator=(const CMessagePrefix&) = delete;

private:
    MessageSink m_previous;
};

// Records every message shown while it lives, then puts the previous sink back.
class CMessageRecorder {
public:
    struct Entry {
        std::wstring text;
        MessageIcon icon;
    };

    CMessageRecorder();
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    const std::vector<Entry>& Entries() const { return m_entries; }
    std::vector<std::wstring> Texts() const;
    size_t Count() const { return m_entries.size(); }
    void Clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    MessageSink m_previous;
};

}  // namespace quorrel
