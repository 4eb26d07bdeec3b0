#include "platform/Message.h"

#include <cstdio>
#include <utility>

#include "platform/Text.h"

namespace quorrel {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

// Where this thread's messages are collected instead of shown, if anywhere.
thread_local std::vector<MessageEntry>* t_capture = nullptr;

void Deliver(const MessageSink& sink, const std::wstring& text, MessageIcon icon) {
    if (sink) {
        sink(text, icon);
        return;
    }
    std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
}
}  // namespace

void ShowMessage(const std::wstring& text, MessageIcon icon) {
    if (t_capture) {
        t_capture->push_back({text, icon});
        return;
    }
    Deliver(Sink(), text, icon);
}

void ShowMessages(const std::vector<MessageEntry>& messages) {
    for (const MessageEntry& m : messages) ShowMessage(m.text, m.icon);
}

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

CMessagePrefix::CMessagePrefix(std::wstring prefix) {
    m_previous = SetMessageSink([this, prefix = std::move(prefix)](const std::wstring& text, MessageIcon icon) {
        Deliver(m_previous, prefix + text, icon);
    });
}

CMessagePrefix::~CMessagePrefix() { SetMessageSink(std::move(m_previous)); }

CMessageRecorder::CMessageRecorder() {
    m_previous = SetMessageSink([this](const std::wstring& text, MessageIcon icon) {
        m_entries.push_back({text, icon});
    });
}

CMessageRecorder::~CMessageRecorder() { SetMessageSink(std::move(m_previous)); }

std::vector<std::wstring> CMessageRecorder::Texts() const {
    std::vector<std::wstring> texts;
    texts.reserve(m_entries.size());
    for (const auto& e : m_entries) texts.push_back(e.text);
    return texts;
}

CThreadMessageCapture::CThreadMessageCapture() : m_previous(t_capture) { t_capture = &m_entries; }

CThreadMessageCapture::~CThreadMessageCapture() { t_capture = m_previous; }

std::vector<MessageEntry> CThreadMessageCapture::Take() { return std::exchange(m_entries, {}); }

}  // namespace quorrel
