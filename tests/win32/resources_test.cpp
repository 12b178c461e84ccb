// The program's own resources: version, manifest, icons and pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pixel_canvas.h"
#include "resource.h"

namespace {
TEST(Resources, VersionAndManifestAreInTheResources) {
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    char* version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, "3.1");

    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(text, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
}

TEST(Resources, TheTaskbarIconsAreInTheResources) {
    for (int id : {128, 153, 185, 188}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        EXPECT_NE(icon, nullptr) << id;
        if (icon)
            DestroyIcon(icon);
    }
}

// The hot-menu window draws its state picture at the picture's own size, as menu pictures
// are loaded (size 0 x 0): each must come out 20 x 20, round the clip in its state's colour.
TEST(Resources, TheCaptionPicturesAre20By20InTheirStatesColours) {
    struct Expected {
        int id;
        const char* state;
        bool (*colourOk)(int r, int g, int b);
    };
    const Expected pictures[] = {
        {IDI_CAPTION_FREE, "free: green",
         [](int r, int g, int b) { return g > r + 60 && g > b + 60; }},
        {IDI_CAPTION_BUSY, "busy: red",
         [](int r, int g, int b) { return r > g + 60 && r > b + 60; }},
        {IDI_CAPTION_PAUSED, "paused: grey",
         [](int r, int g, int b) {
             return std::abs(r - g) < 20 && std::abs(g - b) < 20 && r > 60 && r < 200;
         }},
    };
    const COLORREF back = RGB(0, 0, 255);
    for (const Expected& e : pictures) {
        SCOPED_TRACE(e.id);
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(e.id), IMAGE_ICON, 0, 0, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        ASSERT_NE(info.hbmColor, nullptr) << "a colour picture, not a mask only";
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, 20);
        EXPECT_EQ(colour.bmHeight, 20);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        PixelCanvas canvas(20, 20, back);
        ASSERT_TRUE(canvas.Ready());
        ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
        DestroyIcon(icon);
        EXPECT_EQ(canvas.At(0, 0), back) << "the corners outside the diamond are transparent";
        EXPECT_EQ(canvas.At(19, 19), back);
        const COLORREF body = canvas.At(16, 10);
        EXPECT_TRUE(e.colourOk(GetRValue(body), GetGValue(body), GetBValue(body)))
            << e.state << ", got " << std::hex << body;
        EXPECT_EQ(canvas.At(7, 10), RGB(255, 255, 255)) << "the clip's wire";
    }
}
} // namespace
