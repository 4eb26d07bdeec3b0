#include "platform/wx/PageMessagesWx.h"

wxDEFINE_EVENT(EVT_PAGE_MESSAGE, CPageMessageEvent);

CPageMessageEvent::CPageMessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam)
    : wxEvent(wxID_ANY, EVT_PAGE_MESSAGE), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

namespace quorrel {

namespace {
wxEvtHandler* g_target = nullptr;
}  // namespace

void SetPageMessageTarget(wxEvtHandler* target) { g_target = target; }

wxEvtHandler* GetPageMessageTarget() { return g_target; }

bool PostPageMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    if (!g_target) return false;
    wxQueueEvent(g_target, new CPageMessageEvent(message, wParam, lParam));
    return true;
}

}  // namespace quorrel
