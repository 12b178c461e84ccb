#include "tray_icon_win32.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

bool Win32TrayIcon::Add(const TrayIconData& icon) {
    return Notify(NIM_ADD, icon);
}

bool Win32TrayIcon::Modify(const TrayIconData& icon) {
    return Notify(NIM_MODIFY, icon);
}

bool Win32TrayIcon::Delete(const TrayIconData& icon) {
    return Notify(NIM_DELETE, icon);
}

bool Win32TrayIcon::Notify(DWORD message, const TrayIconData& icon) {
    NOTIFYICONDATAA nid;
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = ToHwnd(icon.hWnd);
    nid.uID = icon.uID;
    nid.uFlags = icon.uFlags;
    nid.uCallbackMessage = icon.uCallbackMessage;
    if (icon.uFlags & NIF_ICON)
        nid.hIcon = Picture(icon.iconId);
    // The first form holds TRAY_TIP_MAX characters and the terminating NUL.
    const size_t n = std::min(icon.szTip.size(), TRAY_TIP_MAX);
    std::memcpy(nid.szTip, icon.szTip.data(), n);
    nid.szTip[n] = '\0';
    return Shell_NotifyIconA(message, &nid) != FALSE;
}

HICON Win32TrayIcon::Picture(unsigned id) {
    auto it = m_pictures.find(id);
    if (it != m_pictures.end())
        return it->second.Get();
    HICON picture = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                  IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0));
    if (!picture)
        return nullptr; // tried again next time
    return m_pictures.emplace(id, UniqueIcon(picture)).first->second.Get();
}
