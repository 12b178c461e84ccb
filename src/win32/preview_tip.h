#pragma once
// The tip beside an open menu: the preview of the highlighted item (its text, or its
// bitmap scaled down), or the help text of a highlighted popup or command. The first tip
// of a menu session appears after a second, later ones at once.
#include <string>

#include "ui/preview_text.h"
#include "window.h"

class CServiceWnd;

class CPreviewTip final : public CWindow {
public:
    CPreviewTip() = default;
    ~CPreviewTip() override;

    // While a menu is open: follows the service's highlight (creating the window on first
    // use). `font` is the menu font (none: the system's).
    void Update(const CServiceWnd& service, HFONT font);
    // The menu session has ended: the window goes and the next session waits again.
    void End();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool EnsureWindow();
    void ShowSubject(const TipSubject& subject);
    SIZE SizeFor(const TipSubject& subject);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void ShowNow();

    const CServiceWnd* m_service = nullptr; // the one of the last Update
    HFONT m_font = nullptr;
    TipSubject m_subject;
    bool m_waiting = true; // the first tip of the session is still held back
    bool m_wanted = false; // a subject is to be shown (after the wait)
};
