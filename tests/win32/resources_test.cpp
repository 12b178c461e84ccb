// Texts come from the program's own string table, with "#N" references followed once.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ui_strings.h"

namespace {
TEST(UiStrings, OwnTableTextsWithReferencesAndEscapes) {
    EXPECT_EQ(LoadUiString(128), "Quillbox");
    EXPECT_EQ(LoadUiString(3002), "QBX file error");
    EXPECT_EQ(LoadUiString(3006), "\n - running version will be stopped,");
    EXPECT_EQ(LoadUiString(3062), "Active collection has been created. This item was inserted  "
                                  "into empty active collection on purpose.");
    // 2043 reads "#2042".
    EXPECT_EQ(LoadUiString(2043), LoadUiString(2042));
    EXPECT_FALSE(LoadUiString(2042).empty());
    EXPECT_EQ(LoadUiString(9999), "");
}

TEST(UiStrings, TheTaskbarIconsAreInTheResources) {
    for (int id : {128, 153, 185, 188}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        EXPECT_NE(icon, nullptr) << id;
        if (icon)
            DestroyIcon(icon);
    }
}
} // namespace
