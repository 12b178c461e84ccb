#pragma once
// A small 32-bit drawing surface in memory: a top-down DIB section selected into a memory
// DC, whose pixels the tests read back directly.
#include <windows.h>

#include <cstdint>

class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF background) : m_width(width), m_height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_dc = CreateCompatibleDC(nullptr);
        if (m_dc && m_bitmap)
            m_old = SelectObject(m_dc, m_bitmap);
        for (int i = 0; m_bits && i < width * height; ++i)
            m_bits[i] = Pack(background);
    }
    ~PixelCanvas() {
        if (m_old)
            SelectObject(m_dc, m_old);
        if (m_dc)
            DeleteDC(m_dc);
        if (m_bitmap)
            DeleteObject(m_bitmap);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool Ready() const { return m_old != nullptr && m_bits != nullptr; }
    HDC Dc() const { return m_dc; }

    // The colour at (x, y) as a COLORREF (alpha dropped); GDI is flushed first.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    static uint32_t Pack(COLORREF c) {
        return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
    }

    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_bits = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};
