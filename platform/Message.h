// The one way the program shows a message box.
//
// Calculation and catalogue code report to the user through ShowMessage; the
// application routes it to a modal box, tests install a recorder instead so
// that no test ever waits on a window. The sink is one for the process and
// belongs to the user-interface thread; code running on another thread
// collects its messages in a CThreadMessageCapture and leaves showing them
// to that thread.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorrel {

enum class MessageIcon { Exclamation, None };

using MessageSink = std::function<void(const std::wstring& text, MessageIcon icon)>;

struct MessageEntry {
    std::wstring text;
    MessageIcon icon;
};

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
    using Entry = MessageEntry;

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

// Collects, while it lives, every message shown on the thread that made it,
// instead of handing it to the sink; other threads' messages are not
// affected. A worker thread reports through it, and the user-interface
// thread shows the collected messages afterwards with ShowMessages.
class CThreadMessageCapture {
public:
    CThreadMessageCapture();
    ~CThreadMessageCapture();
    CThreadMessageCapture(const CThreadMessageCapture&) = delete;
    CThreadMessageCapture& operator=(const CThreadMessageCapture&) = delete;

    // The messages collected so far, in the order shown; the capture goes on
    // empty.
    std::vector<MessageEntry> Take();

private:
    std::vector<MessageEntry> m_entries;
    std::vector<MessageEntry>* m_previous;
};

// Shows each message through ShowMessage, in order.
void ShowMessages(const std::vector<MessageEntry>& messages);

}  // namespace quorrel
