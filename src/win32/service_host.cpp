#include "service_host.h"

#include "class_names.h"
#include "handles.h"

CServiceHost::CServiceHost(const HostPorts& ports)
    : m_service(ServicePorts{*this, ports.focus, ports.messages, ports.installation, ports.store,
                             ports.resources},
                GetSystemMetrics(SM_CXSCREEN), GetTickCount()) {}

CServiceHost::~CServiceHost() {
    // Normally gone with the frame; if not, destroy it now so that the service still saves.
    if (Handle())
        DestroyWindow(Handle());
}

bool CServiceHost::Create(HWND frame) {
    return m_service.Create(FromHwnd(frame));
}

WindowHandle CServiceHost::CreateServiceWindow(WindowHandle parent) {
    if (!RegisterWindowClass(SERVICE_CLASS))
        return 0;
    // No title, no visible style, an empty rectangle: the window is never seen.
    const RECT empty = {0, 0, 0, 0};
    if (!CreateWindowObject(0, SERVICE_CLASS, "", WS_CHILD, empty, ToHwnd(parent),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(1))))
        return 0;
    return FromHwnd(Handle());
}

void CServiceHost::DestroyParent() {
    if (HWND frame = GetParent(Handle()))
        DestroyWindow(frame);
}

LRESULT CServiceHost::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        m_service.OnDestroy();
        return 0;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}
