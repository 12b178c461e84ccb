// The program's own resources: manifest, icons, pictures and help texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handles.h"
#include "menu_draw.h"
#include "platform/ui_strings.h"
#include "resource.h"

namespace {
// The manifest asks for the common controls 6 and per-monitor awareness; the caption
// pictures are drawn at 20 x 20 (the free one's colours, the end-to-end script checks on the
// screen).
TEST(Resources, TheManifestIconsAndPicturesAreInTheResources) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(text, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
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

TEST(Resources, EveryCommandHasItsHelpTextAndItsPopupsTheirPictures) {
    UniqueMenu all(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_TRUE(all);
    std::vector<HMENU> todo{all.Get()};
    int commands = 0;
    while (!todo.empty()) {
        HMENU m = todo.back();
        todo.pop_back();
        for (int pos = 0; pos < GetMenuItemCount(m); ++pos) {
            if (HMENU sub = GetSubMenu(m, pos)) {
                todo.push_back(sub);
                continue;
            }
            const UINT id = GetMenuItemID(m, pos);
            if (id == 0)
                continue; // separator
            ++commands;
            EXPECT_GE(id, 32773u);
            EXPECT_LE(id, 32899u);
            EXPECT_FALSE(LoadUiString(id).empty()) << "no help text for " << id;
            if (id >= ID_PASTE_ALL && id <= ID_CLOSE) {
                EXPECT_NE(LoadMenuIcon(id - 30000), nullptr) << id;
            }
        }
    }
    EXPECT_GT(commands, 100);
    for (unsigned picture : {150u, 151u, 152u, 178u, 179u, 180u, 183u, 184u, 187u})
        EXPECT_NE(LoadMenuIcon(picture), nullptr) << picture;
    for (unsigned picture = 154; picture <= 177; ++picture)
        EXPECT_NE(LoadMenuIcon(picture), nullptr) << picture;
}
} // namespace
