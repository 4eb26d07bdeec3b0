#include "platform/Message.h"

#include <cstdio>

#include "platform/Text.h"

namespace quorrel {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

void Deliver(const MessageSink& sink, const std::wstring& text, MessageIcon icon) {
    if (sink) {
        sink(text, icon);
        return;
    }
    std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
}
}  // namespace

void ShowMessage(const std::wstring& text, MessageIcon icon) { Deliver(Sink(), text, icon); }

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

}  // namespace quorrel
