// Owners of Win32 handles free each handle exactly once.
#include <windows.h>

#include <gtest/gtest.h>

#include "handles.h"

namespace {
HFONT NewFont() {
    return CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
}
bool IsFont(HGDIOBJ object) {
    return GetObjectType(object) == static_cast<DWORD>(OBJ_FONT);
}

TEST(Handles, OwnersFreeOnceAndHandOverOnMove) {
    HFONT font = NewFont();
    ASSERT_TRUE(IsFont(font));
    {
        UniqueFont a(font);
        UniqueFont b(std::move(a));
        EXPECT_FALSE(a);
        a = std::move(b);
        EXPECT_EQ(a.Get(), font);
        EXPECT_TRUE(IsFont(font));
    }
    EXPECT_FALSE(IsFont(font)) << "deleted when its owner went";

    UniqueFont owner(NewFont());
    HFONT kept = owner.Release();
    owner.Reset();
    EXPECT_TRUE(IsFont(kept)) << "released, not deleted";
    DeleteObject(kept);

    HMENU first = CreatePopupMenu(), second = CreatePopupMenu();
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
