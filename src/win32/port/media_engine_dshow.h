#pragma once
// The media engine as a DirectShow filter graph (quartz): it renders the file, shows a
// video's picture in the owner window, and posts the graph's events to that window.
#include <windows.h>
#include <dshow.h>

#include "platform/play_engines.h"

class DirectShowEngine final : public IMediaEngine {
public:
    // Pictures go into `owner`, graph events come to it as `notifyMessage`.
    DirectShowEngine(HWND owner, UINT notifyMessage);
    ~DirectShowEngine() override;
    DirectShowEngine(const DirectShowEngine&) = delete;
    DirectShowEngine& operator=(const DirectShowEngine&) = delete;

    bool Open(const std::string& fileOrAddress) override;
    void Play() override;
    void Stop() override;
    void Seek(double seconds) override;
    MediaState State() const override;

    // The owner received `notifyMessage`: reads the graph's events. True when one of them
    // changed the state (the clip ended).
    bool OnGraphEvent();
    // The owner window's client area changed.
    void Resize(int width, int height);

private:
    void Close();

    HWND m_owner;
    UINT m_notifyMessage;
    IGraphBuilder* m_graph = nullptr;
    IMediaControl* m_control = nullptr;
    IMediaSeeking* m_seeking = nullptr;
    IMediaEventEx* m_events = nullptr;
    IVideoWindow* m_video = nullptr;
    long m_videoWidth = 0;
};
