#pragma once
#include "platform/camera.h"

// A Camera whose user makes `copies` copies and leaves it at `closedAt` with `closedFlags`.
class FakeCamera final : public ICamera {
public:
    bool open = false; // another opening is still on the screen
    unsigned copies = 0;
    PixelRect closedAt = {10, 20, 30, 40};
    uint16_t closedFlags = 2;
    int runs = 0;
    int broughtToFront = 0;
    PixelRect openedAt;
    uint16_t openedFlags = 0;

    unsigned Run(PixelRect& rect, uint16_t& flags) override {
        ++runs;
        openedAt = rect;
        openedFlags = flags;
        rect = closedAt;
        flags = closedFlags;
        return copies;
    }
    bool BringToFront() override {
        if (open)
            ++broughtToFront;
        return open;
    }
};
