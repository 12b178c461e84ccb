// Owners of Win32 handles free each handle exactly once.
#include <windows.h>

#include <gtest/gtest.h>

#include "handles.h"

namespace {
HFONT NewFont() {
    return CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
}

TEST(Handles, AFontIsDeletedWhenItsOwnerGoes) {
    HFONT font = NewFont();
    ASSERT_NE(font, nullptr);
    {
        UniqueFont owner(font);
        EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST(Handles, MovingHandsOverAndReleaseGivesUp) {
    HFONT font = NewFont();
    UniqueFont a(font);
    UniqueFont b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), font);
    a = std::move(b);
    EXPECT_EQ(a.Get(), font);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));

    HFONT kept = a.Release();
    EXPECT_FALSE(a);
    a.Reset();
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_FONT)) << "released, not deleted";
    DeleteObject(kept);
}

TEST(Handles, ResetFreesTheOldHandle) {
    HMENU first = CreatePopupMenu();
    HMENU second = CreatePopupMenu();
    UniqueMenu menu(first);
    menu.Reset(second);
    EXPECT_FALSE(IsMenu(first));
    EXPECT_TRUE(IsMenu(second));
    menu.Reset();
    EXPECT_FALSE(IsMenu(second));
}

TEST(Handles, ASelectedObjectIsPutBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    UniqueFont font(NewFont());
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    {
        SelectedObject selected(dc, font.Get());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before);
    DeleteDC(dc);
}
} // namespace
