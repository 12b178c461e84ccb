#include "player/scheduler.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/system.h"
#include "player/schedule_check.h"
#include "store/rtf_text.h"
#include "store/trim.h"

namespace {

const char kSpaces[] = " \t\n\v\f\r";
// Window timers wait at most about 24 days; a longer time is served in steps of a day.
constexpr int64_t MAX_TIMER_SECONDS = 86400;

bool IsScheduled(const CClipItem& item, ScheduleRecord& record) {
    return item.IsTextLike() && ParseSchedule(item.caption, record);
}

} // namespace

std::string PlayListOf(const CClipItem& item) {
    const std::string text = item.LoadText();
    return item.type == CLIP_RTF ? RtfPlainText(text) : text;
}

CScheduler::~CScheduler() {
    // Commands still running are left to run; only the handles are let go.
    for (const auto& entry : m_durations)
        if (entry.second.process)
            m_ports.processes.Close(entry.second.handle);
}

void CScheduler::ScanSchedules(const ClipList& active, const ClipList& collections) {
    const LocalTime now = m_ports.clock.LocalNow();
    ScheduleRecord record;
    for (const auto& item : active)
        if (IsScheduled(*item, record))
            CheckScheduledItem(*item, record, now);
    for (const auto& collection : collections)
        for (const auto& item : collection->children)
            if (IsScheduled(*item, record))
                CheckScheduledItem(*item, record, now);
}

void CScheduler::CheckScheduledItem(const CClipItem& item, const ScheduleRecord& record,
                                    const LocalTime& now) {
    const ScheduleStart start = CheckSchedule(record, now, m_ports.clock);
    if (!start.starts)
        return;
    if ((record.flags & SCH_PLAYER_MASK) == PLAYER_EXTERNAL)
        RunCommands(PlayListOf(item), start.seconds);
    else
        StartPlayer(PlayListOf(item), start.seconds, record.flags, record.volume);
}

bool CScheduler::PlayItemNow(const std::string& text, const std::string& caption) {
    uint8_t flags = 0;
    int volume = -1;
    if (!ParseScheduleFlags(caption, flags, volume))
        return false;
    StartPlayer(text, 0, flags, volume);
    return true;
}

void CScheduler::StartPlayer(const std::string& playList, int64_t seconds, uint8_t flags,
                             int volume) {
    const std::string list = Trim(playList, kSpaces);
    PlayerKind kind = PlayerKind::Media;
    switch (flags & SCH_PLAYER_MASK) {
    case PLAYER_EXTERNAL:
        RunLimited(list, seconds);
        return;
    case PLAYER_MEDIA:
        StopAllPlayers(); // a media clip ends every other clip
        break;
    case PLAYER_MCI:
        kind = PlayerKind::Mci;
        m_ports.players.Start(PlayerKind::Wave, std::string());
        break;
    case PLAYER_WAV:
        kind = PlayerKind::Wave;
        m_ports.players.Start(PlayerKind::Mci, std::string());
        break;
    default:
        return;
    }
    PlayHeader header;
    header.random = (flags & SCH_RANDOM) != 0;
    header.pauseMedia = (flags & SCH_PAUSE_MEDIA) != 0;
    header.volume = volume;
    const uint64_t run = m_ports.players.Start(kind, MakePlayHeader(header) + list);
    if (run != 0 && seconds > 0) {
        Duration duration;
        duration.secondsLeft = seconds;
        duration.kind = kind;
        duration.run = run;
        ArmDuration(duration);
    }
}

void CScheduler::RunCommands(const std::string& playList, int64_t seconds) {
    size_t begin = 0;
    for (;;) {
        const size_t end = playList.find("\r\n", begin);
        RunLimited(
            Trim(playList.substr(begin, end == std::string::npos ? end : end - begin), kSpaces),
            seconds);
        if (end == std::string::npos)
            return;
        begin = end + 2;
    }
}

void CScheduler::RunLimited(const std::string& command, int64_t seconds) {
    if (command.empty())
        return;
    const ProcessHandle process = m_ports.processes.ShellRun(command);
    if (!process)
        return;
    if (seconds <= 0) {
        m_ports.processes.Close(process);
        return;
    }
    Duration duration;
    duration.secondsLeft = seconds;
    duration.process = true;
    duration.handle = process;
    ArmDuration(duration);
}

void CScheduler::StopAllPlayers() {
    m_ports.media.Send(PC_STOP, 0);
    m_ports.players.Start(PlayerKind::Media, std::string());
    m_ports.players.Start(PlayerKind::Mci, std::string());
    m_ports.players.Start(PlayerKind::Wave, std::string());
}

void CScheduler::SkipClip() {
    m_ports.players.SkipMciClip();
    m_ports.media.Send(PC_SKIP, 0);
}

void CScheduler::ArmDuration(Duration duration) {
    const uintptr_t id = m_nextTimer++;
    m_durations[id] = duration;
    Arm(id, duration.secondsLeft);
}

void CScheduler::Arm(uintptr_t id, int64_t secondsLeft) {
    const int64_t step = std::min(secondsLeft, MAX_TIMER_SECONDS);
    m_durations[id].secondsLeft = secondsLeft - step;
    m_ports.timers.Set(m_window, id, static_cast<unsigned>(step * 1000));
}

bool CScheduler::OnTimer(uintptr_t id) {
    const auto found = m_durations.find(id);
    if (found == m_durations.end())
        return false;
    if (found->second.secondsLeft > 0) {
        Arm(id, found->second.secondsLeft);
        return true;
    }
    m_ports.timers.Kill(m_window, id);
    const Duration duration = found->second;
    m_durations.erase(found);
    EndDuration(duration);
    return true;
}

void CScheduler::EndDuration(const Duration& duration) {
    if (duration.process) {
        m_ports.processes.Terminate(duration.handle);
        m_ports.processes.Close(duration.handle);
        return;
    }
    if (m_ports.players.IsRunning(duration.run))
        m_ports.players.Start(duration.kind, std::string());
    // The media player's thread may have ended while its last clip still plays. A wave or
    // MCI clip that ended by itself leaves the media player alone.
    if (duration.kind == PlayerKind::Media)
        m_ports.media.Send(PC_STOP, 0);
}
