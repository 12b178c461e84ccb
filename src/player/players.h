#pragma once
// The player threads: one worker per start, and per player kind one holder at a time. A new
// start takes the player over: it raises the player's stop-request count, waits until the
// running thread has noticed and left, and plays. A start without a play list only stops.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/play_engines.h"
#include "platform/threads.h"

enum class PlayerKind { Media = 0, Mci = 1, Wave = 2 };

// The scheduler's view of the player threads.
class IPlayerThreads {
public:
    virtual ~IPlayerThreads() = default;
    // Starts a thread that takes `kind` over and plays `param` (the play header and the play
    // list); an empty `param` only stops. The run's number, 0 when no thread could start.
    virtual uint64_t Start(PlayerKind kind, const std::string& param) = 0;
    virtual bool IsRunning(uint64_t run) const = 0;
    // Ends the clip that the MCI player plays; its walk goes on with the next.
    virtual void SkipMciClip() = 0;
};

// The play header in front of a play list: '0' + 1 (random) + 2 (pause the media player),
// then a blank or the volume digit.
struct PlayHeader {
    bool random = false;
    bool pauseMedia = false;
    int volume = -1;
};
std::string MakePlayHeader(const PlayHeader& header);
// Reads the header off `param`; the rest is the play list.
PlayHeader ParsePlayHeader(const std::string& param, std::string& playList);

// The MCI player's progress, for the Schedule dialog's slider.
struct MciProgress {
    int32_t length = 0;    // of the open clip, in the device's time format; 0 = none
    int32_t position = -1; // -1 = none
};

// Everything a player thread reaches. Shared, so that a thread stuck in a system call at
// exit can be left behind without touching freed memory.
struct PlayerPorts {
    std::shared_ptr<IWaveOut> wave;
    std::shared_ptr<IMci> mci;
    std::shared_ptr<IFileLister> files;
    std::shared_ptr<IPlayerCommands> media;
    std::shared_ptr<const IClock> clock;
    ThreadStarter startThread;
    std::string programPath; // relative play-list paths lie beside it
};

class CPlayers final : public IPlayerThreads {
public:
    explicit CPlayers(const PlayerPorts& ports);
    ~CPlayers() override;
    CPlayers(const CPlayers&) = delete;
    CPlayers& operator=(const CPlayers&) = delete;

    uint64_t Start(PlayerKind kind, const std::string& param) override;
    bool IsRunning(uint64_t run) const override;
    void SkipMciClip() override;

    // What the wave or MCI player plays now (name and extension), or why a clip could not
    // play. A text that begins with '*' tells that the player has ended since.
    std::string Status() const;
    void ClearStatus();
    MciProgress Progress() const;
    // Moves the MCI clip to `position` (beyond its length: ends it).
    void SeekMci(int32_t position);

    // Asks every thread to stop and waits for them at most `waitMs`; a thread still in a
    // system call then is left to end by itself. False when one was left. Later starts fail.
    bool Shutdown(unsigned waitMs);

    struct State;

private:
    std::shared_ptr<State> m_state;
};
