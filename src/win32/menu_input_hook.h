#pragma once
// A look at the input of this thread's menus before they act on it: the system's menu loop
// offers every message to the message filter (WH_MSGFILTER, code MSGF_MENU) first. Wine
// runs the filter too, though it sends no WM_MENURBUTTONUP; so right clicks and keys in
// the menus can be seen on both.
#include <windows.h>

#include <functional>

class CMenuInputHook {
public:
    // Sees each message of the menu loop; true takes the message away from the menus.
    using Filter = std::function<bool(const MSG&)>;

    // Installs the filter for the calling thread until the object goes. One at a time: while
    // one lives, another installs nothing.
    explicit CMenuInputHook(Filter filter);
    ~CMenuInputHook();
    CMenuInputHook(const CMenuInputHook&) = delete;
    CMenuInputHook& operator=(const CMenuInputHook&) = delete;

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);

    Filter m_filter;
    HHOOK m_hook = nullptr;
};
