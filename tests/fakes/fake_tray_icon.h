#pragma once
#include <string>
#include <vector>

#include "platform/tray_icon.h"

// Every call with a copy of the record it carried, and whether an icon is shown now.
class FakeTrayIcon final : public ITrayIcon {
public:
    struct Call {
        std::string what; // "add", "modify", "delete"
        TrayIconData data;
    };
    std::vector<Call> calls;
    bool shown = false;

    bool Add(const TrayIconData& icon) override {
        calls.push_back({"add", icon});
        shown = true;
        return true;
    }
    bool Modify(const TrayIconData& icon) override {
        calls.push_back({"modify", icon});
        return shown;
    }
    bool Delete(const TrayIconData& icon) override {
        calls.push_back({"delete", icon});
        const bool was = shown;
        shown = false;
        return was;
    }
    const TrayIconData& Last() const { return calls.back().data; }
};
