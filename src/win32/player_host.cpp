#include "player_host.h"

#include "schedule_dlg.h"
#include "store/program_files.h"

namespace {

// Long enough for any command of the media player, short enough not to hang a thread that
// waits while the user-interface thread waits for it.
constexpr UINT COMMAND_TIMEOUT_MS = 5000;
// How long the end of the program waits for the player threads.
constexpr unsigned SHUTDOWN_WAIT_MS = 3000;

} // namespace

intptr_t FramePlayerCommands::Send(PlayerCommand command, intptr_t argument) {
    const HWND frame = m_frame;
    if (!frame)
        return 0;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(frame, WM_USER, static_cast<WPARAM>(command),
                             static_cast<LPARAM>(argument), SMTO_NORMAL, COMMAND_TIMEOUT_MS,
                             &result))
        return 0;
    return static_cast<intptr_t>(result);
}

CPlayerHost::CPlayerHost()
    : m_clock(std::make_shared<Win32Clock>()), m_wave(std::make_shared<Win32WaveOut>()),
      m_commands(std::make_shared<FramePlayerCommands>()),
      m_video(m_settings, m_registry, *m_wave) {
    m_players = std::make_unique<CPlayers>(
        PlayerPorts{m_wave, std::make_shared<Win32Mci>(), std::make_shared<Win32FileLister>(),
                    m_commands, m_clock, StartDetachedThread, ProgramPath()});
    m_scheduler = std::make_unique<CScheduler>(
        SchedulerPorts{*m_clock, m_timers, m_processes, *m_players, *m_commands});
}

CPlayerHost::~CPlayerHost() {
    Destroy();
}

bool CPlayerHost::Create(HWND frame) {
    m_commands->SetFrame(frame);
    return m_video.Create(frame);
}

void CPlayerHost::Destroy() {
    if (!m_video.Handle())
        return;
    m_commands->Send(PC_STOP, 0);
    m_commands->SetFrame(nullptr);
    m_players->Shutdown(SHUTDOWN_WAIT_MS);
    DestroyWindow(m_video.Handle());
}

LRESULT CPlayerHost::OnPlayerCommand(WPARAM code, LPARAM argument) {
    if (code == PC_FREE_PARAMS)
        return 1; // every thread owns its play list
    return m_video.OnPlayerCommand(code, argument);
}

std::string CPlayerHost::StatusText() {
    CMediaPlayer* media = m_video.Player();
    if (!media)
        return m_players->Status();
    return GetPlayerStatusText(*m_players, *media);
}

bool CPlayerHost::EditSchedule(std::string& caption, std::string& playList) {
    CScheduleDlg dialog(*this, caption, playList);
    if (!dialog.DoModal(nullptr))
        return false;
    caption = dialog.Caption();
    playList = dialog.Files();
    return true;
}
