#pragma once
// Scripted answers to input dialogs, message boxes as FakeMessageBox; records what was asked.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_system.h"
#include "platform/prompts.h"

class FakePrompts : public IPrompts {
public:
    struct Input {
        InputResult result = InputResult::Ok;
        std::string text;
        bool check = true;
    };
    struct Asked {
        std::string prompt, initialText;
        bool hadCheck = false, initialCheck = false;
    };

    int ShowMessage(const std::string& text, const std::string& title, unsigned flags) override {
        return box.Show(text, title, flags);
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
    FakeMessageBox box;              // the message boxes shown and their scripted buttons
    std::deque<Input> inputs;        // dialog outcomes, in order
    std::vector<Asked> asked;
};
