#include "platform/Message.h"

#include <cstdio>

#include "platform/Text.h"

namespace quorrel {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

void ShowMessage(const std::wstring& text, MessageIcon icon) {
    if (Sink()) {
        Sink()(text, icon);
        return;
    }
    std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
}

MessageSink SetMessageSink(MessageSink sink) {
    MessageSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

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
