#pragma once
// The players on the Windows side: their engines, the player threads, the scheduler, the
// video window, and the Schedule dialog as the service opens it. Owned by the main frame.
#include <atomic>
#include <memory>

#include "platform/schedule_editor.h"
#include "player/players.h"
#include "player/scheduler.h"
#include "port/clock_win32.h"
#include "port/ini_file_win32.h"
#include "port/play_engines_win32.h"
#include "port/processes_win32.h"
#include "port/registry_win32.h"
#include "port/system_win32.h"
#include "video_wnd.h"

// PlayerCommand messages to the main frame. From a worker thread the send waits for the
// user-interface thread a bounded time; once the frame goes, nothing more is sent.
class FramePlayerCommands final : public IPlayerCommands {
public:
    void SetFrame(HWND frame) { m_frame = frame; }
    intptr_t Send(PlayerCommand command, intptr_t argument) override;

private:
    std::atomic<HWND> m_frame{nullptr};
};

class CPlayerHost final : public IScheduleEditor {
public:
    CPlayerHost();
    ~CPlayerHost() override;

    // Creates the video window and lets the players reach `frame`.
    bool Create(HWND frame);
    // Stops every player and ends their threads (or leaves those stuck in a system call),
    // then destroys the video window. Runs before the frame goes.
    void Destroy();

    CScheduler& Scheduler() { return *m_scheduler; }
    CPlayers& Players() { return *m_players; }
    CVideoWnd& Video() { return m_video; }
    IWaveOut& Volume() { return *m_wave; }
    // The answer to a PlayerCommand that reached the frame.
    LRESULT OnPlayerCommand(WPARAM code, LPARAM argument);
    // What plays now (the hot-menu window shows it after "Playing: ").
    std::string StatusText();

    // IScheduleEditor: the Schedule dialog.
    bool EditSchedule(std::string& caption, std::string& playList) override;

private:
    Win32IniFile m_settings;
    Win32Registry m_registry;
    Win32Timers m_timers;
    Win32Processes m_processes;
    std::shared_ptr<Win32Clock> m_clock;
    std::shared_ptr<Win32WaveOut> m_wave;
    std::shared_ptr<FramePlayerCommands> m_commands;
    std::unique_ptr<CPlayers> m_players;
    std::unique_ptr<CScheduler> m_scheduler;
    CVideoWnd m_video;
};
