#include "player/media_player.h"

#include "platform/ui_strings.h"
#include "player/players.h"
#include "resource.h"

namespace {

// "name.ext" of a file, or the whole text of an address.
std::string ClipNameOf(const std::string& file) {
    if (file.find("://") != std::string::npos)
        return file;
    const size_t slash = file.find_last_of("\\/");
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

} // namespace

intptr_t CMediaPlayer::OnCommand(int code, intptr_t argument) {
    switch (code) {
    case PC_QUERY:
        if (m_nPauseCount > 0 || !IsMediaIdle())
            return 2;
        return m_bStopped ? 1 : 0;
    case PC_VOLUME:
        m_bStopped = false;
        m_nVolume = static_cast<int>(argument);
        m_ports.volume.SetVolume(m_nVolume);
        SetStatus(LoadUiString(IDS_MEDIA_STARTING));
        return 0;
    case PC_OPEN: {
        m_bStopped = false;
        m_ports.engine.Stop();
        m_strFile = *reinterpret_cast<const std::string*>(argument);
        m_nPauseCount = 0;
        if (m_ports.engine.Open(m_strFile)) {
            OnEngineEvent();
            return 1;
        }
        m_ports.engine.Stop();
        SetStatus(LoadUiString(IDS_MEDIA_CANNOT_OPEN) + " - " + m_strFile);
        m_strFile.clear();
        return 0;
    }
    case PC_PAUSE:
        if (m_nPauseCount > 0) {
            ++m_nPauseCount;
        } else if (!IsMediaIdle()) {
            m_nPauseCount = 1;
            m_dSavedPos = m_ports.engine.State().position;
            m_ports.view.ShowPicture(false);
            m_ports.engine.Stop();
        }
        return 0;
    case PC_RESUME:
        m_bStopped = false;
        if (m_nPauseCount > 0 && --m_nPauseCount == 0) {
            m_ports.volume.SetVolume(m_nVolume);
            m_ports.engine.Seek(m_dSavedPos);
            m_dSavedPos = 0.0;
            m_ports.engine.Play();
            OnEngineEvent();
        }
        return 0;
    case PC_SKIP:
        m_bStopped = false;
        if (m_nPauseCount == 0)
            StopSequence();
        return 0;
    case PC_STOP:
        m_bStopped = !IsMediaIdle();
        StopSequence();
        return 0;
    default:
        return 0;
    }
}

void CMediaPlayer::StopSequence() {
    m_dSavedPos = 0.0;
    m_nPauseCount = 0;
    m_ports.view.ShowPicture(false);
    m_strFile.clear();
    m_ports.engine.Stop();
    m_ports.engine.Seek(0.0);
    m_strStatus.clear();
    m_ports.view.ShowStatus(std::string());
}

void CMediaPlayer::SetStatus(const std::string& text) {
    m_strStatus = text;
    m_ports.view.ShowStatus(text);
}

void CMediaPlayer::OnEngineEvent() {
    const MediaState state = m_ports.engine.State();
    if (state.openState != 6)
        return;
    switch (state.playState) {
    case 1:
        SetStatus(LoadUiString(IDS_MEDIA_PAUSED));
        break;
    case 2:
        if (state.videoWidth > 0)
            m_ports.view.ShowPicture(true);
        if (!m_strFile.empty())
            SetStatus(ClipNameOf(m_strFile));
        break;
    case 0:
        if (m_nPauseCount == 0) {
            m_strStatus.clear();
            m_ports.view.ShowStatus(std::string());
        }
        break;
    default:
        break;
    }
}

bool CMediaPlayer::IsMediaIdle() const {
    const MediaState state = m_ports.engine.State();
    if (state.openState == 0)
        return state.readyState == 0 || state.readyState == 4;
    return state.openState == 6 && state.playState == 0 && state.readyState == 4;
}

std::string CMediaPlayer::TakeStatus() {
    if (IsMediaIdle())
        m_strStatus.clear();
    return m_strStatus;
}

void CMediaPlayer::Seek(double seconds) {
    m_ports.engine.Seek(seconds);
}

std::string GetPlayerStatusText(const CPlayers& players, CMediaPlayer& media) {
    const std::string status = players.Status();
    if (!status.empty() && status[0] != '*')
        return status;
    return media.TakeStatus();
}
