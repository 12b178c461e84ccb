#pragma once
// One ordered record of the calls several fakes receive, so a test can check their order.
#include <algorithm>
#include <string>
#include <vector>

struct CallLog {
    std::vector<std::string> calls;

    void Add(const std::string& call) { calls.push_back(call); }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};
