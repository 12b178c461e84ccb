// The program's own resources: texts with "#N" references followed once, version, manifest, icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui_strings.h"

namespace {
TEST(Resources, OwnTableTextsWithReferencesAndEscapes) {
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
} // namespace
