#pragma once
// Scripted answers to message boxes and input dialogs; records what was asked.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/prompts.h"

class FakePrompts : public IPrompts {
public:
    struct Input {
        InputResult result = InputResult::Ok;
        std::string text;
        bool check = true;
    };
    struct Message {
        std::string text, title;
        unsigned flags = 0;
    };
    struct Asked {
        std::string prompt, initialText;
        bool hadCheck = false, initialCheck = false;
    };

    int ShowMessage(const std::string& text, const std::string& title, unsigned flags) override {
        messages.push_back({text, title, flags});
        if (answers.empty())
            return 0;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    InputResult InputText(const std::string& prompt, std::string& text, bool* check) override {
        asked.push_back({prompt, text, check != nullptr, check && *check});
        if (whileOpen)
            whileOpen();
        if (inputs.empty())
            return InputResult::Cancel;
        Input in = inputs.front();
        inputs.pop_front();
        if (in.result == InputResult::Ok) {
            text = in.text;
            if (check)
                *check = in.check;
        }
        return in.result;
    }

    // Number and hot-key dialogs answer from `inputs` too, the text read as the number.
    InputResult InputNumber(const std::string& prompt, int32_t& value) override {
        std::string text = std::to_string(value);
        const InputResult result = InputText(prompt, text, nullptr);
        value = result == InputResult::Ok ? static_cast<int32_t>(std::stol(text)) : value;
        return result;
    }
    InputResult InputHotKey(const std::string& prompt, uint16_t& hotKey) override {
        int32_t value = hotKey;
        const InputResult result = InputNumber(prompt, value);
        hotKey = static_cast<uint16_t>(value);
        return result;
    }

    std::function<void()> whileOpen; // what happens while an input dialog is open
    std::deque<int> answers;         // message-box buttons, in order
    std::deque<Input> inputs;        // dialog outcomes, in order
    std::vector<Message> messages;
    std::vector<Asked> asked;
};
