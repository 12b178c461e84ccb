#pragma once
// The video window: a small borderless, always-on-top window that shows the picture of
// video clips. It hosts the media engine and the media player that the media player
// thread drives with PlayerCommand messages, and it keeps its place in the settings.
#include <memory>

#include "platform/ini_file.h"
#include "platform/registry.h"
#include "player/media_player.h"
#include "port/media_engine_dshow.h"
#include "window.h"

class CVideoWnd final : public CWindow, public IPlayerView {
public:
    CVideoWnd(IIniFile& settings, IRegistry& registry, IWaveOut& volume);
    ~CVideoWnd() override;

    // Creates the window hidden, where the "Video" setting places it, owned by `frame`.
    bool Create(HWND frame);
    // A PlayerCommand (codes 1-7) from the frame.
    LRESULT OnPlayerCommand(WPARAM code, LPARAM argument);
    // The Schedule dialog's information box while the dialog is open, else null.
    void SetStatusWindow(HWND box) { m_statusWnd = box; }
    CMediaPlayer* Player() { return m_player.get(); }
    DirectShowEngine* Engine() { return m_engine.get(); }

    // IPlayerView
    void ShowStatus(const std::string& text) override;
    void ShowPicture(bool show) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnNcHitTest(LPARAM lParam);
    void OnDestroy();

    IIniFile& m_settings;
    IRegistry& m_registry;
    IWaveOut& m_volume;
    std::unique_ptr<DirectShowEngine> m_engine;
    std::unique_ptr<CMediaPlayer> m_player;
    HWND m_statusWnd = nullptr;
};
