#pragma once
// Opening the main menu by resting the pointer on the hot-icon ("Mouse on Hot-icon"): the
// menu opens once the pointer has stayed still on the icon for one to two periods of the
// hover timer; any movement starts the wait again, and leaving the icon ends it.
#include "platform/system.h"

constexpr unsigned HOT_HOVER_PERIOD_MS = 400;

class HoverArm {
public:
    explicit HoverArm(bool on) { SetOn(on); }
    // The preference changed while the icon is shown.
    void SetOn(bool on);
    bool IsOn() const { return m_nHoverArm != 0; }

    // What the window is to do after an event.
    struct Step {
        bool startTimer = false; // (re)start the hover timer
        bool stopTimer = false;
        bool openMenu = false;
    };
    // The system asked where the pointer `at` is (it moves over the icon).
    Step OnHitTest(ScreenPoint at);
    // The hover timer: the pointer is at `at`, over the icon or not.
    Step OnTimer(ScreenPoint at, bool overIcon);

private:
    // 0: off; 1: armed, the next hit test starts the wait; more: hit tests since then.
    int m_nHoverArm = 0;
    ScreenPoint m_ptHover;
};
