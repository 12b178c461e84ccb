#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_text.h"
#include "platform/clipboard.h"

// The clipboard as a table of formats. Registered names get numbers from 0xC100 on, the
// same number for a name in any letter case. Every change moves the sequence number on,
// unless it is 0 (a system that keeps none).
class FakeClipboard final : public IClipboard {
public:
    std::map<unsigned, std::vector<uint8_t>> formats;
    std::set<unsigned> unreadable; // offered, but their data cannot be had
    int refuseOpens = 0;           // the next opens that fail, as if another program held it
    int opens = 0;                 // every attempt
    bool isOpen = false;
    int empties = 0;
    WindowHandle owner = NO_WINDOW;
    uint32_t sequence = 1;
    // Runs when data is read: its owner renders it on request, and meanwhile messages sent
    // to the reader arrive.
    std::function<void(unsigned format)> onGetData;

    void Offer(unsigned format, const std::vector<uint8_t>& data) {
        formats[format] = data;
        Changed();
    }
    void OfferText(unsigned format, const std::string& text) {
        std::vector<uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        Offer(format, data);
    }
    void OfferWide(const std::u16string& text) { Offer(13, Utf16Bytes(text + u'\0')); }
    void Clear() {
        formats.clear();
        Changed();
    }
    // A text format's block without its NUL; "<absent>" when none is offered, and a mark
    // after a text that lacks the NUL.
    std::string TextOf(unsigned format) const {
        auto it = formats.find(format);
        if (it == formats.end() || it->second.empty())
            return "<absent>";
        const std::vector<uint8_t>& b = it->second;
        if (b.back() != 0)
            return std::string(b.begin(), b.end()) + "<no NUL>";
        return std::string(b.begin(), b.end() - 1);
    }

    bool IsFormatAvailable(unsigned format) const override { return formats.count(format) != 0; }
    bool GetData(unsigned format, std::vector<uint8_t>& data) const override {
        if (onGetData)
            onGetData(format);
        auto it = formats.find(format);
        if (!isOpen || it == formats.end() || unreadable.count(format))
            return false;
        data = it->second;
        return true;
    }
    size_t DataSize(unsigned format) const override {
        auto it = formats.find(format);
        return isOpen && it != formats.end() && !unreadable.count(format) ? it->second.size() : 0;
    }
    bool Open(WindowHandle window) override {
        ++opens;
        if (refuseOpens > 0) {
            --refuseOpens;
            return false;
        }
        isOpen = true;
        owner = window;
        return true;
    }
    void Close() override { isOpen = false; }
    bool Empty() override {
        if (!isOpen)
            return false;
        ++empties;
        Clear();
        return true;
    }
    bool SetData(unsigned format, const std::vector<uint8_t>& data) override {
        if (!isOpen)
            return false;
        Offer(format, data);
        return true;
    }
    unsigned RegisterFormat(const char* name) override {
        const std::string key = LowerCase(name);
        auto it = m_registered.find(key);
        if (it != m_registered.end())
            return it->second;
        const unsigned id = 0xC100 + unsigned(m_registered.size());
        m_registered[key] = id;
        return id;
    }

    uint32_t SequenceNumber() const override { return sequence; }
    int asksForMissed = 0;
    void AskForMissedCuts() override { ++asksForMissed; }

private:
    void Changed() {
        if (sequence != 0)
            ++sequence;
    }
    std::map<std::string, unsigned> m_registered;
};
