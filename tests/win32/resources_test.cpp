// The program's own resources: manifest, icons and pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"

namespace {
// The manifest asks for the common controls 6 and per-monitor awareness.
TEST(Resources, TheManifestIsInTheResources) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(text, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
}

// The caption pictures are drawn at 20 x 20 (the free one's colours, the end-to-end script
// checks on the screen).
TEST(Resources, TheTaskbarIconsAndTheCaptionPicturesAreInTheResources) {
    for (int id : {128, 153, 185, 188, IDI_CAPTION_FREE, IDI_CAPTION_BUSY, IDI_CAPTION_PAUSED}) {
        const bool caption = id >= IDI_CAPTION_FREE;
        const int size = caption ? 0 : 16; // 0: as the menu pictures are loaded
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                   IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << id;
        ICONINFO info = {};
        BITMAP colour = {};
        if (caption) {
            ASSERT_TRUE(GetIconInfo(icon, &info));
            GetObjectA(info.hbmColor, sizeof colour, &colour);
            EXPECT_EQ(colour.bmWidth, 20) << id;
            EXPECT_EQ(colour.bmHeight, 20) << id;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        DestroyIcon(icon);
    }
}
} // namespace
