#pragma once
#include <string>
#include <vector>

#include "platform/tray_icon.h"

// Every call with a copy of the record it carried. The service ignores the answers.
class FakeTrayIcon final : public ITrayIcon {
public:
    struct Call {
        std::string what; // "add", "modify", "delete"
        TrayIconData data;
    };
    std::vector<Call> calls;

    bool Add(const TrayIconData& icon) override { return Record("add", icon); }
    bool Modify(const TrayIconData& icon) override { return Record("modify", icon); }
    bool Delete(const TrayIconData& icon) override { return Record("delete", icon); }
    const TrayIconData& Last() const { return calls.back().data; }

private:
    bool Record(const char* what, const TrayIconData& icon) {
        calls.push_back({what, icon});
        return true;
    }
};
