#pragma once
#include <map>

#include "platform/tray_icon.h"
#include "win32/handles.h"

// The notification-area icon through Shell_NotifyIcon, in its first (smallest) form that
// every shell understands. The pictures are loaded once from the program's resources.
class Win32TrayIcon final : public ITrayIcon {
public:
    bool Add(const TrayIconData& icon) override;
    bool Modify(const TrayIconData& icon) override;
    bool Delete(const TrayIconData& icon) override;

private:
    bool Notify(DWORD message, const TrayIconData& icon);
    HICON Picture(unsigned id);

    std::map<unsigned, UniqueIcon> m_pictures;
};
