#pragma once
// What the players play through: the file system's wildcard search, the wave output, the
// multimedia command interface, and the media engine behind the video window.
#include <cstdint>
#include <string>
#include <vector>

// Files of the play lists. Called from the players' threads.
class IFileLister {
public:
    virtual ~IFileLister() = default;
    virtual bool Exists(const std::string& path) const = 0;
    // Names (not paths) of the files, not folders, that match the wildcard `pattern`. False
    // when more than `limit` match; `names` then holds what was found so far.
    virtual bool Find(const std::string& pattern, size_t limit,
                      std::vector<std::string>& names) const = 0;
};

// The system's wave player and the output volumes. Called from the players' threads.
enum class WaveResult {
    Played,
    Busy,       // another sound plays, or the output cannot be had now
    Unplayable, // missing, or not a wave file
};

class IWaveOut {
public:
    virtual ~IWaveOut() = default;
    // Plays the wave file to its end.
    virtual WaveResult PlayFile(const std::string& path) = 0;
    // Cuts the sound that plays now, so that PlayFile returns.
    virtual void Purge() = 0;
    // Every wave and MIDI output to 28 x level per channel; levels outside 0-9 change nothing.
    virtual void SetVolume(int level) = 0;
};

// The multimedia command interface, one device at a time. Results are MCI error numbers,
// 0 for success. Called from the MCI player's thread.
enum class MciCommand { Play, Seek, ByteTimeFormat, Close };
enum class MciStatusItem { Length, Position, Mode };
constexpr uint32_t MCI_MODE_STOPPED = 525;            // MCI_MODE_STOP
constexpr uint32_t MCI_ERROR_WAVE_OUTPUTS_BUSY = 320; // MCIERR_WAVE_OUTPUTSINUSE

class IMci {
public:
    virtual ~IMci() = default;
    virtual uint32_t Open(const std::string& path, uint32_t& device) = 0;
    // `argument` is the position for Seek, unused otherwise.
    virtual uint32_t Send(uint32_t device, MciCommand command, uint32_t argument = 0) = 0;
    virtual uint32_t Status(uint32_t device, MciStatusItem item, uint32_t& value) = 0;
    virtual std::string ErrorText(uint32_t error) = 0;
};

// The commands by which the media player's thread drives the media engine on the
// user-interface thread; each returns when it has been carried out there.
enum PlayerCommand : int {
    PC_FREE_PARAMS = 0,
    PC_QUERY = 1, // 2 busy, 1 the user stopped the clip, 0 free
    PC_VOLUME = 2,
    PC_OPEN = 3, // argument: a const std::string* with the file or address
    PC_PAUSE = 4,
    PC_RESUME = 5,
    PC_SKIP = 6,
    PC_STOP = 7,
};

class IPlayerCommands {
public:
    virtual ~IPlayerCommands() = default;
    virtual intptr_t Send(PlayerCommand command, intptr_t argument) = 0;
};

// The media engine's state, in the states of the player the program was made for.
struct MediaState {
    int openState = 0;     // 0 closed, 6 open
    int playState = 0;     // 0 stopped, 1 paused, 2 playing
    int readyState = 0;    // 0 uninitialised, 1 loading, 3 interactive, 4 complete
    double position = 0.0; // seconds
    double duration = 0.0; // seconds; 0 unknown
    int videoWidth = 0;    // 0: no picture
};

// The engine of the media player. Lives on the user-interface thread.
class IMediaEngine {
public:
    virtual ~IMediaEngine() = default;
    // Opens the file or address and starts playing it; false when it cannot be played.
    virtual bool Open(const std::string& fileOrAddress) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Seek(double seconds) = 0;
    virtual MediaState State() const = 0;
};
