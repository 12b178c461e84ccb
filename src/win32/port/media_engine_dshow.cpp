#include "media_engine_dshow.h"

#include "store/text_rules.h"

namespace {

constexpr double UNITS_PER_SECOND = 10000000.0; // REFERENCE_TIME counts 100 ns

template <class T> void Release(T*& p) {
    if (p)
        p->Release();
    p = nullptr;
}

} // namespace

DirectShowEngine::DirectShowEngine(HWND owner, UINT notifyMessage)
    : m_owner(owner), m_notifyMessage(notifyMessage) {}

DirectShowEngine::~DirectShowEngine() {
    Close();
}

void DirectShowEngine::Close() {
    if (m_control)
        m_control->Stop();
    if (m_video) {
        m_video->put_Visible(OAFALSE);
        m_video->put_Owner(0);
    }
    if (m_events)
        m_events->SetNotifyWindow(0, 0, 0);
    Release(m_video);
    Release(m_events);
    Release(m_seeking);
    Release(m_control);
    Release(m_graph);
    m_videoWidth = 0;
}

bool DirectShowEngine::Open(const std::string& fileOrAddress) {
    Close();
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&m_graph))))
        return false;
    const std::u16string wide = WidenText(fileOrAddress);
    if (FAILED(m_graph->RenderFile(reinterpret_cast<const wchar_t*>(wide.c_str()), nullptr)) ||
        FAILED(m_graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&m_control))) ||
        FAILED(m_graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&m_seeking))) ||
        FAILED(m_graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_events)))) {
        Close();
        return false;
    }
    m_events->SetNotifyWindow(reinterpret_cast<OAHWND>(m_owner), m_notifyMessage, 0);
    IBasicVideo* basic = nullptr;
    if (SUCCEEDED(m_graph->QueryInterface(IID_IBasicVideo, reinterpret_cast<void**>(&basic)))) {
        long height = 0;
        if (FAILED(basic->get_SourceWidth(&m_videoWidth)) ||
            FAILED(basic->get_SourceHeight(&height)))
            m_videoWidth = 0;
        basic->Release();
    }
    if (m_videoWidth > 0 &&
        SUCCEEDED(m_graph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_video)))) {
        m_video->put_Owner(reinterpret_cast<OAHWND>(m_owner));
        m_video->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
        m_video->put_MessageDrain(reinterpret_cast<OAHWND>(m_owner));
        RECT client;
        GetClientRect(m_owner, &client);
        Resize(client.right, client.bottom);
    }
    return SUCCEEDED(m_control->Run());
}

void DirectShowEngine::Play() {
    if (m_control)
        m_control->Run();
}

void DirectShowEngine::Stop() {
    if (m_control)
        m_control->Stop();
}

void DirectShowEngine::Seek(double seconds) {
    if (!m_seeking)
        return;
    LONGLONG position = static_cast<LONGLONG>(seconds * UNITS_PER_SECOND);
    m_seeking->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr,
                            AM_SEEKING_NoPositioning);
}

MediaState DirectShowEngine::State() const {
    MediaState state;
    if (!m_graph)
        return state; // closed, uninitialised: idle
    state.openState = 6;
    state.readyState = 4;
    OAFilterState filter = State_Stopped;
    m_control->GetState(0, &filter); // a graph still changing state reports where it goes
    state.playState = filter == State_Running ? 2 : filter == State_Paused ? 1 : 0;
    LONGLONG now = 0, length = 0;
    if (SUCCEEDED(m_seeking->GetCurrentPosition(&now)))
        state.position = now / UNITS_PER_SECOND;
    if (SUCCEEDED(m_seeking->GetDuration(&length)))
        state.duration = length / UNITS_PER_SECOND;
    state.videoWidth = static_cast<int>(m_videoWidth);
    return state;
}

bool DirectShowEngine::OnGraphEvent() {
    if (!m_events)
        return false;
    bool changed = false;
    long code = 0;
    LONG_PTR first = 0, second = 0;
    while (m_events && SUCCEEDED(m_events->GetEvent(&code, &first, &second, 0))) {
        m_events->FreeEventParams(code, first, second);
        if (code == EC_COMPLETE || code == EC_USERABORT || code == EC_ERRORABORT) {
            m_control->Stop();
            changed = true;
        }
    }
    return changed;
}

void DirectShowEngine::Resize(int width, int height) {
    if (m_video)
        m_video->SetWindowPosition(0, 0, width, height);
}
