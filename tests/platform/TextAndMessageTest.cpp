// UTF-8 conversion and the message sink.
#include <gtest/gtest.h>

#include <thread>

#include "platform/Message.h"
#include "platform/Text.h"

using namespace quorrel;

TEST(Utf8, RoundTripsJapaneseChineseAndSymbols) {
    const std::wstring text = L"\u30EA\u30F3\u30B0\u7167\u660E \u73AF\u5F62 +\u221E \U0001F4A1";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"\u221E"), "\xE2\x88\x9E");
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xE2\x88"), L"\uFFFD\uFFFD");  // truncated sequence
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong slash
}

TEST(MessageRecorder, RecordsInOrderAndRestoresThePreviousSink) {
    CMessageRecorder outer;
    {
        CMessageRecorder inner;
        ShowMessage(L"first ");
        ShowMessage(L"second", MessageIcon::None);
        ASSERT_EQ(inner.Count(), 2u);
        EXPECT_EQ(inner.Texts()[0], L"first ");
        EXPECT_EQ(inner.Entries()[1].icon, MessageIcon::None);
    }
    ShowMessage(L"third");
    ASSERT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Texts()[0], L"third");
}

// A thread's capture keeps that thread's messages, in order, and only those;
// ShowMessages hands them to the sink later.
TEST(ThreadMessageCapture, KeepsOnlyItsOwnThreadsMessagesUntilShown) {
    CMessageRecorder sink;
    std::vector<MessageEntry> captured;
    std::thread worker([&captured] {
        CThreadMessageCapture capture;
        ShowMessage(L"one");
        ShowMessage(L"two", MessageIcon::None);
        captured = capture.Take();
        ShowMessage(L"three");
        EXPECT_EQ(capture.Take().size(), 1u);
    });
    worker.join();
    ShowMessage(L"main");
    EXPECT_EQ(sink.Texts(), std::vector<std::wstring>{L"main"});

    ShowMessages(captured);
    EXPECT_EQ(sink.Texts(), (std::vector<std::wstring>{L"main", L"one", L"two"}));
    EXPECT_EQ(sink.Entries()[2].icon, MessageIcon::None);
}
