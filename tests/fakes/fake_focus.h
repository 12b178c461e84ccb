#pragma once
#include <map>

#include "platform/focus.h"

// Windows as a table: the foreground window, each window's top-level class and focus.
class FakeFocus final : public IFocus {
public:
    WindowHandle foreground = NO_WINDOW;
    std::map<WindowHandle, std::string> classOf;
    std::map<WindowHandle, WindowHandle> focusOf;

    WindowHandle ForegroundWindow() const override { return foreground; }
    std::string TopLevelClassName(WindowHandle w) const override {
        auto it = classOf.find(w);
        return it == classOf.end() ? std::string() : it->second;
    }
    WindowHandle FocusWindowOf(WindowHandle w) const override {
        auto it = focusOf.find(w);
        return it == focusOf.end() ? NO_WINDOW : it->second;
    }
};
