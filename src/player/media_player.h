#pragma once
// The media player behind the video window: it answers the media player thread's commands
// (PC_...) on the user-interface thread, drives the media engine, and turns the engine's
// state into the play status text.
#include <cstdint>
#include <string>

#include "platform/play_engines.h"

class CPlayers;

// The video window as the media player sees it.
class IPlayerView {
public:
    virtual ~IPlayerView() = default;
    // The play status changed: the Schedule dialog's information box (while it is open)
    // and the hot-menu window's caption follow it.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowPicture(bool show) = 0;
};

struct MediaPlayerPorts {
    IMediaEngine& engine;
    IWaveOut& volume;
    IPlayerView& view;
};

class CMediaPlayer {
public:
    explicit CMediaPlayer(const MediaPlayerPorts& ports) : m_ports(ports) {}

    // A PlayerCommand; codes outside PC_QUERY..PC_STOP answer 0.
    intptr_t OnCommand(int code, intptr_t argument);
    // The engine's state changed (opened, started, paused, ended).
    void OnEngineEvent();
    // Nothing is open, or the open clip has stopped and is loaded.
    bool IsMediaIdle() const;
    // The status while a clip plays; emptied once the player is idle.
    std::string TakeStatus();
    // The slider of the Schedule dialog moved.
    void Seek(double seconds);

    const std::string& File() const { return m_strFile; }
    int PauseCount() const { return m_nPauseCount; }

private:
    void StopSequence();
    void SetStatus(const std::string& text);

    MediaPlayerPorts m_ports;
    std::string m_strStatus;
    std::string m_strFile;
    int m_nVolume = -1;
    double m_dSavedPos = 0.0;
    int m_nPauseCount = 0;
    bool m_bStopped = false;
};

// The text that tells what plays now: the wave or MCI player's, else the media player's.
std::string GetPlayerStatusText(const CPlayers& players, CMediaPlayer& media);
