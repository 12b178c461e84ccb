#pragma once
// Sizes and rectangles in pixels, as the screen, the menus and the pictures share them.

struct PixelSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const PixelSize& o) const { return cx == o.cx && cy == o.cy; }
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
