#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

// Records every box shown and answers with the scripted buttons, then with `otherwise`.
class FakeMessageBox final : public IMessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned flags;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;
    int otherwise = 0;

    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        shown.push_back({text, caption, flags});
        if (answers.empty())
            return otherwise;
        int a = answers.front();
        answers.pop_front();
        return a;
    }
};
