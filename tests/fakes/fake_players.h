#pragma once
// The players' ports as fakes: files on a list, a wave output that records what it plays,
// the media player's commands and the shell's processes as logs.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/play_engines.h"
#include "platform/processes.h"
#include "player/players.h"

class FakeFileLister final : public IFileLister {
public:
    std::set<std::string> files; // whole paths
    bool Exists(const std::string& path) const override { return files.count(path) != 0; }
    // Knows '*' only, in the last part of the pattern.
    bool Find(const std::string& pattern, size_t limit,
              std::vector<std::string>& names) const override {
        const size_t slash = pattern.find_last_of('\\') + 1;
        const size_t star = pattern.find('*', slash);
        for (const std::string& file : files) {
            if (file.size() < pattern.size() - 1 || file.compare(0, star, pattern, 0, star) != 0 ||
                file.compare(file.size() - (pattern.size() - star - 1), std::string::npos, pattern,
                             star + 1) != 0 ||
                file.find('\\', slash) != std::string::npos)
                continue;
            if (names.size() == limit)
                return false;
            names.push_back(file.substr(slash));
        }
        return true;
    }
};

// Records what it plays; "long" files sound until purged, ".txt" files are no waves.
class FakeWaveOut final : public IWaveOut {
public:
    WaveResult PlayFile(const std::string& path) override {
        std::unique_lock<std::mutex> guard(lock);
        played.push_back(path);
        if (path.find("long") != std::string::npos)
            cut.wait_for(guard, std::chrono::seconds(10), [&] { return purged; });
        purged = false;
        return path.find(".txt") != std::string::npos ? WaveResult::Unplayable : WaveResult::Played;
    }
    void Purge() override {
        std::lock_guard<std::mutex> guard(lock);
        purged = true;
        cut.notify_all();
    }
    void SetVolume(int level) override {
        std::lock_guard<std::mutex> guard(lock);
        volumes.push_back(level);
    }
    std::vector<std::string> Played() {
        std::lock_guard<std::mutex> guard(lock);
        return played;
    }
    std::mutex lock;
    std::condition_variable cut;
    bool purged = false;
    std::vector<std::string> played;
    std::vector<int> volumes;
};

class FakePlayerCommands final : public IPlayerCommands {
public:
    intptr_t Send(PlayerCommand command, intptr_t) override {
        std::lock_guard<std::mutex> guard(lock);
        sent.push_back(command);
        return 0;
    }
    std::mutex lock;
    std::vector<int> sent;
};

class FakeProcesses final : public IProcesses {
public:
    ProcessHandle ShellRun(const std::string& command) override {
        run.push_back(command);
        return command == "fails" ? 0 : run.size();
    }
    void Terminate(ProcessHandle process) override { terminated.push_back(process); }
    void Close(ProcessHandle process) override { closed.push_back(process); }
    std::vector<std::string> run;
    std::vector<ProcessHandle> terminated, closed;
};

// Starts recorded, never run: "kind:param" per start.
class FakePlayerThreads final : public IPlayerThreads {
public:
    uint64_t Start(PlayerKind kind, const std::string& param) override {
        starts.push_back(std::to_string(static_cast<int>(kind)) + ":" + param);
        return starts.size();
    }
    bool IsRunning(uint64_t run) const override { return running.count(run) != 0; }
    void SkipMciClip() override {}
    std::vector<std::string> starts;
    std::set<uint64_t> running;
};
