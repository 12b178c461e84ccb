#pragma once
// Editors that run until the test ends them; each command line is kept.
#include <set>
#include <string>
#include <vector>

#include "platform/editor_processes.h"

class FakeEditorProcesses final : public IEditorProcesses {
public:
    ProcessHandle Start(const std::string& commandLine, WindowHandle) override {
        started.push_back(commandLine);
        if (!canStart)
            return 0;
        running.insert(started.size());
        return started.size();
    }
    bool HasEnded(ProcessHandle process) const override { return !running.count(process); }
    void Release(ProcessHandle process) override { released.insert(process); }

    // The file the last editor was started on: the quoted end of its command line.
    std::string LastFile() const {
        const std::string& line = started.back();
        const size_t open = line.find('"');
        return open == std::string::npos ? "" : line.substr(open + 1, line.size() - open - 2);
    }

    bool canStart = true;
    std::vector<std::string> started;
    std::set<ProcessHandle> running;
    std::set<ProcessHandle> released;
};
