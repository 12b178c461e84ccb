#pragma once
// The scheduler: once a minute it starts the scheduled clips of every collection whose
// minute has come, with the time they may play; it also serves Play, Test, Skip and Stop.
#include <cstdint>
#include <map>
#include <string>

#include "platform/handles.h"
#include "platform/play_engines.h"
#include "platform/processes.h"
#include "player/players.h"
#include "player/schedule.h"
#include "store/clip_item.h"

class IClock;
class ITimers;

struct SchedulerPorts {
    const IClock& clock;
    ITimers& timers; // the duration timers, on the service window
    IProcesses& processes;
    IPlayerThreads& players;
    IPlayerCommands& media; // the media player, on this same thread
};

// The play list of an item: its text, of a Rich Text item the plain text.
std::string PlayListOf(const CClipItem& item);

// Duration timers take ids from here up; the service window's own timers lie below.
constexpr uintptr_t FIRST_DURATION_TIMER = 0x10000;

class CScheduler {
public:
    explicit CScheduler(const SchedulerPorts& ports) : m_ports(ports) {}
    ~CScheduler();
    CScheduler(const CScheduler&) = delete;
    CScheduler& operator=(const CScheduler&) = delete;

    // The window whose timers end clips when their time is up.
    void SetWindow(WindowHandle window) { m_window = window; }

    // Every item of the active collection, then of each external collection, whose schedule
    // starts now. Play lists of external items are read from their files only then.
    void ScanSchedules(const ClipList& active, const ClipList& collections);
    // Starts the item's play list when its schedule falls on this minute.
    void CheckScheduledItem(const CClipItem& item, const ScheduleRecord& record,
                            const LocalTime& now);
    // "Play", or the choice of a scheduled item: plays its list now. False when the
    // caption holds no schedule.
    bool PlayItemNow(const std::string& text, const std::string& caption);
    // Hands a play list to the schedule's player; `seconds` > 0 limits its playing time.
    // The external player runs the whole list as one command.
    void StartPlayer(const std::string& playList, int64_t seconds, uint8_t flags, int volume);
    // The external player, scheduled: each line is a command of its own.
    void RunCommands(const std::string& playList, int64_t seconds);
    void StopAllPlayers();
    void SkipClip();
    // A timer of the service window; false when it is none of the scheduler's.
    bool OnTimer(uintptr_t id);

private:
    struct Duration {
        int64_t secondsLeft = 0;
        bool process = false;
        ProcessHandle handle = 0;
        PlayerKind kind = PlayerKind::Media;
        uint64_t run = 0;
    };
    void ArmDuration(Duration duration);
    void Arm(uintptr_t id, int64_t secondsLeft);
    void RunLimited(const std::string& command, int64_t seconds);
    void EndDuration(const Duration& duration);

    SchedulerPorts m_ports;
    WindowHandle m_window = NO_WINDOW;
    std::map<uintptr_t, Duration> m_durations;
    uintptr_t m_nextTimer = FIRST_DURATION_TIMER;
};
