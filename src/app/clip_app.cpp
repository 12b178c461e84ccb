#include "app/clip_app.h"

#include "app/service_wnd.h"
#include "app/install_port.h"
#include "platform/system.h"
#include "platform/running_copy.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/no_case.h"
#include "store/placeholders.h"
#include "store/trim.h"

namespace {
// How long a new copy waits for the copy it replaces to save and end.
constexpr unsigned EXIT_WAIT_MS = 10000;

} // namespace

bool CClipApp::Ask(const std::string& text, unsigned captionId, unsigned flags) {
    return m_ports.messages.Show(text, LoadUiString(captionId), flags | win::MB_TOPMOST) ==
           win::IDYES;
}

bool CClipApp::InitInstance(const std::string& commandLine) {
    const std::string args = Trim(commandLine);
    // Autostart at logon while the user has switched it off.
    if (EqualsNoCase(args, "NOAUTO"))
        return false;

    const WindowHandle running = m_ports.running.Find(LoadUiString(IDR_MAINFRAME));

    if (EqualsNoCase(args, "UNINSTALL")) {
        if (!Ask(LoadUiString(IDS_UNINSTALL_QUESTION), IDS_UNINSTALL_CAPTION,
                 win::MB_YESNO | win::MB_ICONQUESTION))
            return false;
        if (running == NO_WINDOW) {
            m_ports.installation.Uninstall();
            return false;
        }
        m_ports.running.BringToFront(running);
        m_ports.running.PostCommand(running, ID_UNINSTALL_REQUEST);
        return false;
    }

    const bool otherCopyRegistered =
        m_ports.installation.CheckInstalledCopy(false) == INSTALL_OTHER_COPY;

    if (running != NO_WINDOW) {
        if (!otherCopyRegistered) {
            m_ports.running.BringToFront(running);
            m_ports.running.PostCommand(running, ID_APP_ABOUT);
            return false;
        }
        const std::string text = FillPlaceholders(
            LoadUiString(IDS_INSTALL_QUESTION),
            {LoadUiString(IDS_INSTALL_RUNNING), LoadUiString(IDS_INSTALL_STOPPED)});
        if (!Ask(text, IDS_INSTALL_CAPTION, win::MB_YESNO | win::MB_ICONEXCLAMATION))
            return false;
        // The running copy saves and ends; its executable can be replaced once it is gone.
        m_ports.running.SendCommandAndWait(running, ID_APP_EXIT, EXIT_WAIT_MS);
        Install();
        return false;
    }

    if (otherCopyRegistered) {
        const std::string text = FillPlaceholders(LoadUiString(IDS_INSTALL_QUESTION), {"", ""});
        if (Ask(text, IDS_INSTALL_CAPTION, win::MB_YESNO | win::MB_ICONEXCLAMATION))
            Install();
        return false;
    }

    g_bAutostartDisabled = m_ports.installation.RegisterInstallation();
    return true;
}

void CClipApp::Install() {
    const int result = m_ports.installation.CheckInstalledCopy(true);
    if (result == INSTALL_DONE)
        return;
    const std::string error = m_ports.installation.LastErrorText();
    m_ports.messages.Show("Error(" + std::to_string(result) + "): " + error,
                          LoadUiString(IDR_MAINFRAME), win::MB_ICONEXCLAMATION | win::MB_TOPMOST);
    m_ports.installation.Uninstall();
}
