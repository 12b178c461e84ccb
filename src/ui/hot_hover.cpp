#include "ui/hot_hover.h"

namespace {
// So many hit tests at one place open the menu even when no timer came between them.
constexpr int HIT_TESTS_TO_OPEN = 1000;

bool Same(ScreenPoint a, ScreenPoint b) {
    return a.x == b.x && a.y == b.y;
}
} // namespace

void HoverArm::SetOn(bool on) {
    m_nHoverArm = on ? 1 : 0;
}

HoverArm::Step HoverArm::OnHitTest(ScreenPoint at) {
    Step step;
    if (m_nHoverArm == 0)
        return step;
    if (m_nHoverArm == 1) {
        m_ptHover = at;
        step.startTimer = true;
    }
    if (++m_nHoverArm > HIT_TESTS_TO_OPEN) {
        step.openMenu = Same(at, m_ptHover);
        m_nHoverArm = 1;
    }
    return step;
}

HoverArm::Step HoverArm::OnTimer(ScreenPoint at, bool overIcon) {
    Step step;
    if (m_nHoverArm == 0) {
        step.stopTimer = true;
        return step;
    }
    if (!overIcon) {
        step.stopTimer = true;
    } else if (Same(at, m_ptHover)) {
        step.stopTimer = true;
        step.openMenu = true;
    } else {
        m_ptHover = at; // moved: wait another period from here
    }
    m_nHoverArm = 1;
    return step;
}
