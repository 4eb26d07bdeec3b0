// Posting page messages to the main window as queued toolkit events.
#pragma once

#include <cstdint>

#include <wx/event.h>

#include "platform/PageMessages.h"

// One posted page message with its two parameters.
class CPageMessageEvent : public wxEvent {
public:
    CPageMessageEvent(unsigned message = 0, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

    unsigned GetMessageId() const { return m_message; }
    std::intptr_t GetWParam() const { return m_wParam; }
    std::intptr_t GetLParam() const { return m_lParam; }

    wxEvent* Clone() const override { return new CPageMessageEvent(*this); }

private:
    unsigned m_message;
    std::intptr_t m_wParam;
    std::intptr_t m_lParam;
};

wxDECLARE_EVENT(EVT_PAGE_MESSAGE, CPageMessageEvent);

namespace quorrel {

// The window that receives posted page messages (the main frame registers
// itself); null for none.
void SetPageMessageTarget(wxEvtHandler* target);
wxEvtHandler* GetPageMessageTarget();

// Queues the message to the target; it is handled later from the event
// loop. Returns false, dropping the message, when there is no target.
bool PostPageMessage(unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

}  // namespace quorrel
