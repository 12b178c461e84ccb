#include "player/players.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "platform/ui_strings.h"
#include "player/play_list.h"
#include "resource.h"

namespace {

constexpr unsigned WAVE_PAUSE_MS = 200;
constexpr unsigned MCI_POLL_MS = 200;
constexpr unsigned MCI_RETRY_MS = 300;
constexpr unsigned MEDIA_POLL_MS = 500;
constexpr unsigned MEDIA_OPEN_MS = 200;
// A busy output is tried again this many times (some seconds), then the clip is given up.
constexpr int MAX_BUSY_TRIES = 25;

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

struct CPlayers::State {
    struct Slot {
        std::timed_mutex holder; // held by the thread that plays
        int stopRequests = 0;    // threads waiting to take over, under `lock`
    };

    explicit State(const PlayerPorts& p) : ports(p) {}

    bool StopPending(PlayerKind kind) {
        std::lock_guard<std::mutex> guard(lock);
        return shuttingDown || slots[static_cast<int>(kind)].stopRequests > 0;
    }
    // Sleeps `ms` unless a stop request comes; true when one did.
    bool WaitForStop(PlayerKind kind, unsigned ms) {
        std::unique_lock<std::mutex> guard(lock);
        const Slot& slot = slots[static_cast<int>(kind)];
        return wakeUp.wait_for(guard, std::chrono::milliseconds(ms),
                               [&] { return shuttingDown || slot.stopRequests > 0; });
    }
    void AddStopRequest(PlayerKind kind, int change) {
        {
            std::lock_guard<std::mutex> guard(lock);
            slots[static_cast<int>(kind)].stopRequests += change;
        }
        wakeUp.notify_all();
    }
    void SetStatus(const std::string& text) {
        std::lock_guard<std::mutex> guard(lock);
        status = text;
    }
    void MarkEnded() {
        std::lock_guard<std::mutex> guard(lock);
        if (status.empty())
            status = "*";
        else
            status[0] = '*';
    }

    const PlayerPorts ports;
    Slot slots[3];
    std::mutex lock;
    std::condition_variable wakeUp;
    std::set<uint64_t> running;
    uint64_t nextRun = 1;
    bool shuttingDown = false;
    std::string status;
    std::atomic<int32_t> mciLength{0};
    std::atomic<int32_t> mciPosition{-1};
    std::atomic<int32_t> mciSeek{-1};
};

namespace {

using State = CPlayers::State;

class StepBase : public IPlayStep {
public:
    StepBase(State& state, PlayerKind kind) : m_state(state), m_kind(kind) {}
    bool StopPending() const override { return m_state.StopPending(m_kind); }
    void Report(const std::string& status) override {
        m_state.SetStatus(status);
        m_reported = true;
    }
    bool Reported() const { return m_reported; }

protected:
    bool WaitForStop(unsigned ms) { return m_state.WaitForStop(m_kind, ms); }
    State& m_state;
    const PlayerKind m_kind;
    bool m_reported = false;
};

class WaveStep final : public StepBase {
public:
    explicit WaveStep(State& state) : StepBase(state, PlayerKind::Wave) {}

    PlayResult Play(const std::string& path, int count) override {
        IWaveOut& wave = *m_state.ports.wave;
        for (int i = 0; i < count; ++i) {
            if (WaitForStop(WAVE_PAUSE_MS))
                return PlayResult::Abandon;
            Report(FileNameOf(path));
            for (int busy = 0;;) {
                const WaveResult result = wave.PlayFile(path);
                if (result == WaveResult::Played)
                    break;
                if (result == WaveResult::Unplayable) {
                    Report(LoadUiString(IDS_CANNOT_PLAY) + FileNameOf(path));
                    return PlayResult::Failed;
                }
                if (++busy >= MAX_BUSY_TRIES) {
                    Report(LoadUiString(IDS_DEVICE_BUSY));
                    return PlayResult::Failed;
                }
                if (WaitForStop(WAVE_PAUSE_MS))
                    return PlayResult::Abandon;
            }
            if (StopPending())
                return PlayResult::Abandon;
        }
        return PlayResult::Played;
    }
};

class MciStep final : public StepBase {
public:
    explicit MciStep(State& state) : StepBase(state, PlayerKind::Mci) {}

    PlayResult Play(const std::string& path, int count) override {
        PlayResult result = PlayResult::Played;
        for (int i = 0; i < count; ++i) {
            for (int busy = 0;;) {
                const uint32_t error = PlayOnce(path);
                if (StopPending() || WaitForStop(MCI_RETRY_MS))
                    return PlayResult::Abandon;
                result = error ? PlayResult::Failed : PlayResult::Played;
                if (error != MCI_ERROR_WAVE_OUTPUTS_BUSY || ++busy >= MAX_BUSY_TRIES)
                    break;
            }
        }
        return result;
    }

private:
    // One play of the file to its end, a Skip or a stop request; the MCI error, 0 for none.
    uint32_t PlayOnce(const std::string& path) {
        IMci& mci = *m_state.ports.mci;
        Report(FileNameOf(path));
        uint32_t device = 0;
        uint32_t error = mci.Open(path, device);
        if (error) {
            Report(mci.ErrorText(error));
            return error;
        }
        mci.Send(device, MciCommand::ByteTimeFormat); // devices that cannot keep their own
        uint32_t length = 0;
        mci.Status(device, MciStatusItem::Length, length);
        m_state.mciLength = static_cast<int32_t>(length);
        error = mci.Send(device, MciCommand::Play);
        m_state.mciSeek = -1;
        while (!error && !WaitForStop(MCI_POLL_MS)) {
            const int32_t seek = m_state.mciSeek;
            if (seek > m_state.mciLength)
                break; // Skip
            if (seek != -1) {
                mci.Send(device, MciCommand::Seek, static_cast<uint32_t>(seek));
                mci.Send(device, MciCommand::Play);
                m_state.mciSeek = -1;
            }
            uint32_t value = 0;
            if ((error = mci.Status(device, MciStatusItem::Position, value)) != 0)
                break;
            m_state.mciPosition = static_cast<int32_t>(value);
            error = mci.Status(device, MciStatusItem::Mode, value);
            if (value == MCI_MODE_STOPPED)
                break;
        }
        mci.Send(device, MciCommand::Close);
        m_state.mciLength = 0;
        m_state.mciPosition = -1;
        m_state.mciSeek = -1;
        if (error == MCI_ERROR_WAVE_OUTPUTS_BUSY)
            Report(LoadUiString(IDS_DEVICE_BUSY));
        else if (error)
            Report(mci.ErrorText(error));
        return error;
    }
};

class MediaStep final : public StepBase {
public:
    explicit MediaStep(State& state) : StepBase(state, PlayerKind::Media) {}

    PlayResult Play(const std::string& path, int count) override {
        IPlayerCommands& media = *m_state.ports.media;
        for (int i = 0; i < count && !StopPending(); ++i) {
            // The clip before this one plays until it ends, or the user stops it.
            for (;;) {
                const intptr_t answer = media.Send(PC_QUERY, 0);
                if (answer == 0)
                    break;
                if (answer == 1 || StopPending() || WaitForStop(MEDIA_POLL_MS))
                    return PlayResult::Abandon;
            }
            if (!media.Send(PC_OPEN, reinterpret_cast<intptr_t>(&path)))
                return PlayResult::Failed;
            if (WaitForStop(MEDIA_OPEN_MS))
                break;
        }
        return PlayResult::Played;
    }
};

void PlayParam(State& state, PlayerKind kind, const std::string& param) {
    const bool media = kind == PlayerKind::Media;
    if (param.empty()) {
        if (!media)
            state.MarkEnded();
        return;
    }
    std::string list;
    const PlayHeader header = ParsePlayHeader(param, list);
    IPlayerCommands& commands = *state.ports.media;
    if (media) {
        commands.Send(PC_VOLUME, header.volume);
    } else {
        if (header.pauseMedia)
            commands.Send(PC_PAUSE, 0);
        state.ports.wave->SetVolume(header.volume);
    }
    WaveStep wave(state);
    MciStep mci(state);
    MediaStep mediaStep(state);
    StepBase& step = kind == PlayerKind::Wave  ? static_cast<StepBase&>(wave)
                     : kind == PlayerKind::Mci ? static_cast<StepBase&>(mci)
                                               : static_cast<StepBase&>(mediaStep);
    std::minstd_rand rng(state.ports.clock->TickCount() | 1);
    const PlayFiles where{*state.ports.files, state.ports.programPath};
    WalkPlayList(list, header.random, where, *state.ports.clock, step, rng);
    if (!media && header.pauseMedia)
        commands.Send(PC_RESUME, 0);
    if (!media || step.Reported())
        state.MarkEnded();
}

void RunPlayer(std::shared_ptr<State> state, PlayerKind kind, std::string param, uint64_t run) {
    State::Slot& slot = state->slots[static_cast<int>(kind)];
    state->AddStopRequest(kind, +1);
    if (kind == PlayerKind::Wave)
        state->ports.wave->Purge(); // the running thread returns from its sound
    std::unique_lock<std::timed_mutex> hold(slot.holder, std::defer_lock);
    bool held = false;
    while (!(held = hold.try_lock_for(std::chrono::milliseconds(MEDIA_POLL_MS)))) {
        std::lock_guard<std::mutex> guard(state->lock);
        if (state->shuttingDown)
            break;
    }
    state->AddStopRequest(kind, -1);
    if (held && !state->StopPending(kind))
        PlayParam(*state, kind, param);
    else if (held && param.empty() && kind != PlayerKind::Media)
        state->MarkEnded();
    {
        std::lock_guard<std::mutex> guard(state->lock);
        state->running.erase(run);
    }
    state->wakeUp.notify_all();
}

} // namespace

std::string MakePlayHeader(const PlayHeader& header) {
    std::string text(2, ' ');
    text[0] = static_cast<char>('0' | (header.random ? 1 : 0) | (header.pauseMedia ? 2 : 0));
    if (header.volume >= 0 && header.volume <= 9)
        text[1] = static_cast<char>('0' + header.volume);
    return text;
}

PlayHeader ParsePlayHeader(const std::string& param, std::string& playList) {
    PlayHeader header;
    playList = param.size() > 2 ? param.substr(2) : std::string();
    if (param.size() < 2)
        return header;
    header.random = (param[0] & 1) != 0;
    header.pauseMedia = (param[0] & 2) != 0;
    if (param[1] >= '0' && param[1] <= '9')
        header.volume = param[1] - '0';
    return header;
}

CPlayers::CPlayers(const PlayerPorts& ports) : m_state(std::make_shared<State>(ports)) {}

CPlayers::~CPlayers() {
    Shutdown(3000);
}

uint64_t CPlayers::Start(PlayerKind kind, const std::string& param) {
    uint64_t run = 0;
    {
        std::lock_guard<std::mutex> guard(m_state->lock);
        if (m_state->shuttingDown)
            return 0;
        run = m_state->nextRun++;
        m_state->running.insert(run);
    }
    const std::shared_ptr<State> state = m_state;
    if (m_state->ports.startThread(
            [state, kind, param, run] { RunPlayer(state, kind, param, run); }))
        return run;
    std::lock_guard<std::mutex> guard(m_state->lock);
    m_state->running.erase(run);
    return 0;
}

bool CPlayers::IsRunning(uint64_t run) const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->running.count(run) != 0;
}

void CPlayers::SkipMciClip() {
    m_state->mciSeek = m_state->mciLength + 1;
}

std::string CPlayers::Status() const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->status;
}

void CPlayers::ClearStatus() {
    m_state->SetStatus(std::string());
}

MciProgress CPlayers::Progress() const {
    return MciProgress{m_state->mciLength, m_state->mciPosition};
}

void CPlayers::SeekMci(int32_t position) {
    m_state->mciSeek = position;
}

bool CPlayers::Shutdown(unsigned waitMs) {
    std::unique_lock<std::mutex> guard(m_state->lock);
    if (m_state->shuttingDown)
        waitMs = 0; // those left behind the first time are not waited for again
    m_state->shuttingDown = true;
    m_state->wakeUp.notify_all();
    guard.unlock();
    m_state->ports.wave->Purge();
    guard.lock();
    return m_state->wakeUp.wait_for(guard, std::chrono::milliseconds(waitMs),
                                    [&] { return m_state->running.empty(); });
}
