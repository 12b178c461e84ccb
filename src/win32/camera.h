#pragma once
// The Camera (dialog template 102): follows the pointer, showing the fragment of the screen
// whose top-left corner is under it, and copies that fragment and the colour there to the
// clipboard, from where capture takes them like any other program's cut.
#include "handles.h"
#include "platform/camera.h"
#include "ui/camera_rules.h"
#include "window.h"

class CServiceWnd;

class CCamera final : public CWindow, public ICamera {
public:
    // The labels take the menu font of `service`.
    explicit CCamera(const CServiceWnd& service) : m_service(service) {}
    ~CCamera() override;

    // ICamera
    unsigned Run(PixelRect& rect, uint16_t& flags) override;
    bool BringToFront() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnInitDialog();
    bool OnCommand(int id, int code);
    void SetTexts();
    void AddTips();
    void Layout(bool writeSizeText);
    void OnSizeChoice(bool fromList);
    void OnTick();
    void Capture(POINT at);
    void DrawFragment(const DRAWITEMSTRUCT& dis) const;
    void Copy();
    bool PutColour();
    bool PutImage();
    void OnDestroy();
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

    const CServiceWnd& m_service;
    PixelRect m_rect;
    uint16_t m_nCopyFlags = 3;
    unsigned m_copies = 0;
    POINT m_ptMouse = {0, 0};
    CameraMetrics m_metrics;
    bool m_laidOut = false;
    bool m_sizeChosen = false; // a size choice moves the window: its text stays as typed
    UniqueBitmap m_pBitmap;    // the last fragment
    SIZE m_fragment = {0, 0};
    HWND m_tips = nullptr;
};
