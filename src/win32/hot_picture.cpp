#include "hot_picture.h"

#include <fstream>

namespace {
constexpr uint32_t TRANSPARENT_PIXEL = 0x00FF00FF; // RGB(255, 0, 255) as a DIB pixel
constexpr COLORREF COLON = RGB(128, 128, 128);
// Bytes enough for the file header and any DIB header.
constexpr size_t FILE_START = 14 + 124;

HBITMAP LoadBitmapResource(unsigned id) {
    return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

BITMAPINFO TopDown32(SIZE size) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}
} // namespace

bool HotPicture::Load(const HotStyleLook& look, const std::string& externalPath) {
    m_strip.Reset();
    m_digits.Reset();
    if (!(look.external && LoadExternal(externalPath)))
        m_strip.Reset(LoadBitmapResource(look.bitmap));
    if (look.kind == HotKind::Clock)
        m_digits.Reset(LoadBitmapResource(IDB_HOT_DIGITS));
    const SIZE size = BitmapSize(m_strip.Get());
    if (!IsUsableStrip(size.cx, size.cy)) {
        m_strip.Reset();
        m_frame = {0, 0};
        return false;
    }
    m_frame = {size.cx / 3, size.cy};
    return true;
}

bool HotPicture::LoadExternal(const std::string& path) {
    // The size is read from the file's start first: a huge picture is never loaded whole.
    std::vector<uint8_t> start(FILE_START);
    {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return false;
        file.read(reinterpret_cast<char*>(start.data()),
                  static_cast<std::streamsize>(start.size()));
        start.resize(static_cast<size_t>(file.gcount()));
    }
    PixelSize size;
    if (!ReadBitmapFileSize(start, size) || !IsUsableStrip(size.cx, size.cy))
        return false;
    UniqueBitmap loaded(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    // The file may have changed since its start was read.
    const SIZE real = BitmapSize(loaded.Get());
    if (real.cx != size.cx || real.cy != size.cy)
        return false;
    m_strip = std::move(loaded);
    return true;
}

std::vector<uint32_t> HotPicture::Compose(int indicator, const LocalTime& now) const {
    std::vector<uint32_t> pixels;
    if (!m_strip || m_frame.cx <= 0)
        return pixels;
    const BITMAPINFO bmi = TopDown32(m_frame);
    void* bits = nullptr;
    UniqueBitmap canvas(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueMemoryDc source(CreateCompatibleDC(nullptr));
    if (!canvas || !bits || !dc || !source)
        return pixels;
    {
        SelectedObject target(dc.Get(), canvas.Get());
        {
            SelectedObject strip(source.Get(), m_strip.Get());
            BitBlt(dc.Get(), 0, 0, m_frame.cx, m_frame.cy, source.Get(), indicator * m_frame.cx, 0,
                   SRCCOPY);
        }
        if (m_digits) {
            const ClockFace face = ClockFaceAt(now.hour, now.minute, now.second);
            SelectedObject digits(source.Get(), m_digits.Get());
            for (const DigitCell& cell : face.digits)
                BitBlt(dc.Get(), cell.x, CLOCK_Y, DIGIT_WIDTH, DIGIT_HEIGHT, source.Get(),
                       cell.digit * DIGIT_PITCH, 0, SRCCOPY);
            if (face.colon) {
                SetPixel(dc.Get(), COLON_X, COLON_Y1, COLON);
                SetPixel(dc.Get(), COLON_X, COLON_Y2, COLON);
            }
        }
        GdiFlush();
    }
    const uint32_t* first = static_cast<const uint32_t*>(bits);
    pixels.assign(first, first + size_t(m_frame.cx) * size_t(m_frame.cy));
    for (uint32_t& p : pixels)
        p &= 0x00FFFFFF;
    return pixels;
}

void HotPicture::Paint(HDC dc, const std::vector<uint32_t>& pixels) const {
    if (pixels.size() != size_t(m_frame.cx) * size_t(m_frame.cy) || pixels.empty())
        return;
    const BITMAPINFO bmi = TopDown32(m_frame);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(m_frame.cx), static_cast<DWORD>(m_frame.cy), 0,
                      0, 0, static_cast<UINT>(m_frame.cy), pixels.data(), &bmi, DIB_RGB_COLORS);
}

HRGN HotPicture::Shape(const std::vector<uint32_t>& pixels) const {
    const std::vector<PixelRun> runs =
        OpaqueRuns(pixels, m_frame.cx, m_frame.cy, TRANSPARENT_PIXEL);
    if (runs.empty())
        return CreateRectRgn(0, 0, 0, 0);
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->rcBound = {0, 0, m_frame.cx, m_frame.cy};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < runs.size(); ++i)
        rects[i] = {runs[i].x0, runs[i].y, runs[i].x1, runs[i].y + 1};
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                           reinterpret_cast<const RGNDATA*>(data.data()));
}
