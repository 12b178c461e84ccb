#include "menu_input_hook.h"

#include <utility>

namespace {
// A hook procedure is given no context: the filter in force on this thread.
thread_local CMenuInputHook* t_current = nullptr;
} // namespace

CMenuInputHook::CMenuInputHook(Filter filter) : m_filter(std::move(filter)) {
    if (t_current)
        return;
    m_hook = SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, GetCurrentThreadId());
    if (m_hook)
        t_current = this;
}

CMenuInputHook::~CMenuInputHook() {
    if (!m_hook)
        return;
    UnhookWindowsHookEx(m_hook);
    t_current = nullptr;
}

LRESULT CALLBACK CMenuInputHook::FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    CMenuInputHook* self = t_current;
    if (code == MSGF_MENU && msg && self && self->m_filter && self->m_filter(*msg))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
