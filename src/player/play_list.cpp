#include "player/play_list.h"

#include <algorithm>
#include <vector>

#include "platform/play_engines.h"
#include "platform/ui_strings.h"
#include "resource.h"
#include "store/no_case.h"

namespace {

std::vector<std::string> Lines(const std::string& list) {
    std::vector<std::string> lines;
    size_t begin = 0;
    for (;;) {
        const size_t end = list.find('\n', begin);
        std::string line = list.substr(begin, end == std::string::npos ? end : end - begin);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            return lines;
        begin = end + 1;
    }
}

// The pattern's files as paths (its folder prefix and each name), in name order. False
// (with a status told) when there are too many.
bool Matches(const std::string& pattern, const PlayFiles& where, IPlayStep& step,
             std::vector<std::string>& paths) {
    std::vector<std::string> names;
    if (!where.files.Find(pattern, MAX_PATTERN_FILES, names)) {
        step.Report(LoadUiString(IDS_TOO_MANY_FILES) + pattern);
        return false;
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
    const size_t slash = pattern.find_last_of('\\');
    const std::string folder =
        slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    for (const std::string& name : names)
        paths.push_back(folder + name);
    return true;
}

// Random picks until a stop request, the step abandons, or every pick of a round failed.
bool PlayRandomly(const std::vector<std::string>& paths, IPlayStep& step, std::minstd_rand& rng) {
    const size_t n = paths.size();
    size_t previous = n;
    size_t failedInRow = 0;
    while (failedInRow < n && !step.StopPending()) {
        size_t pick = rng() % n;
        if (pick == previous && n > 1)
            pick = (pick + 1) % n;
        previous = pick;
        const PlayResult result = step.Play(paths[pick], 1);
        if (result == PlayResult::Abandon)
            return false;
        failedInRow = result == PlayResult::Failed ? failedInRow + 1 : 0;
    }
    return true;
}

} // namespace

void WalkPlayList(const std::string& list, bool random, const PlayFiles& where, const IClock& clock,
                  IPlayStep& step, std::minstd_rand& rng) {
    TimeModes modes;
    for (std::string line : Lines(list)) {
        const int count = ExpandTimeTemplate(line, modes, clock.LocalNow(), where);
        if (line.empty())
            continue;
        bool goOn = true;
        if (count > 0) {
            goOn = step.Play(line, count) != PlayResult::Abandon;
        } else {
            std::vector<std::string> paths;
            if (Matches(line, where, step, paths) && !paths.empty()) {
                if (random) {
                    goOn = PlayRandomly(paths, step, rng);
                } else {
                    for (const std::string& path : paths) {
                        goOn = step.Play(path, 1) != PlayResult::Abandon;
                        if (!goOn || step.StopPending())
                            break;
                    }
                }
            }
        }
        if (!goOn || step.StopPending())
            return;
    }
}
