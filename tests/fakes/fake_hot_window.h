#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/hot_window.h"

// Hot windows that write what is done to them into one list: "create S I" (style,
// indicator), "indicator I", "refresh", "show 0|1", "hover 0|1", "destroy".
class FakeHotWindows final : public IHotWindows {
public:
    std::vector<std::string> log;
    WindowHandle handle{0x700};

    std::unique_ptr<IHotWindow> Create(uint8_t style, int indicator) override {
        log.push_back("create " + std::to_string(style) + " " + std::to_string(indicator));
        return std::make_unique<FakeWindow>(*this);
    }

private:
    class FakeWindow final : public IHotWindow {
    public:
        explicit FakeWindow(FakeHotWindows& owner) : m_owner(owner) {}
        ~FakeWindow() override { m_owner.log.push_back("destroy"); }
        void ShowIndicator(int indicator) override {
            m_owner.log.push_back("indicator " + std::to_string(indicator));
        }
        void Refresh() override { m_owner.log.push_back("refresh"); }
        void Show(bool visible) override { m_owner.log.push_back(visible ? "show 1" : "show 0"); }
        void SetHoverOpening(bool on) override {
            m_owner.log.push_back(on ? "hover 1" : "hover 0");
        }
        bool HasOwnMenuOpen() const override { return false; }
        WindowHandle Window() const override { return m_owner.handle; }

    private:
        FakeHotWindows& m_owner;
    };
};
