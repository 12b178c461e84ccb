#include "hot_windows_win32.h"

#include "hot_wnd.h"

std::unique_ptr<IHotWindow> Win32HotWindows::Create(uint8_t style, int indicator) {
    auto window = std::make_unique<CHotWnd>(m_service, m_documents, m_systemLists, m_players, style,
                                            indicator);
    if (!window->Create())
        return nullptr;
    return window;
}
