// The registry, initialization-file and font ports against the real system functions.
#include "win32/port/ini_file_win32.h"
#include "win32/port/menu_font_win32.h"
#include "win32/port/registry_win32.h"

#include "store/program_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

const char* const kTestKey = "Software\\Quillworks\\QuillboxTest";

// Removes the test key (and its one level of subkeys) before and after each test.
class RegistryWin32Test : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\Sub").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quillworks"); // only when nothing else is in it
    }
    void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY k;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(k);
    }
    Win32Registry reg;
};

} // namespace

TEST_F(RegistryWin32Test, WritesReadsAndDeletesStringValues) {
    std::string v;
    EXPECT_FALSE(reg.ReadString(RegHive::CurrentUser, kTestKey, "Font", v));
    ASSERT_TRUE(reg.WriteString(RegHive::CurrentUser, kTestKey, "Font", "Arial,10,204,1"));
    ASSERT_TRUE(reg.ReadString(RegHive::CurrentUser, kTestKey, "font", v));
    EXPECT_EQ(v, "Arial,10,204,1");

    // Stored as REG_SZ with the NUL counted.
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    RegQueryValueExA(k, "Font", nullptr, &type, nullptr, &size);
    RegCloseKey(k);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 15u);

    std::string longValue(5000, 'q');
    ASSERT_TRUE(reg.WriteString(RegHive::CurrentUser, kTestKey, "Long", longValue));
    ASSERT_TRUE(reg.ReadString(RegHive::CurrentUser, kTestKey, "Long", v));
    EXPECT_EQ(v, longValue);

    EXPECT_TRUE(reg.DeleteValue(RegHive::CurrentUser, kTestKey, "Font"));
    EXPECT_FALSE(reg.ReadString(RegHive::CurrentUser, kTestKey, "Font", v));
    EXPECT_FALSE(reg.DeleteValue(RegHive::CurrentUser, kTestKey, "Font"));
}

TEST_F(RegistryWin32Test, OddValuesWrittenByOthersAreReadSafely) {
    SetRaw("NoNul", REG_SZ, "abc", 3); // no terminating NUL
    SetRaw("Number", REG_DWORD, "\x01\x00\x00\x00", 4);
    SetRaw("Two", REG_SZ, "one\0two", 8);
    std::string v;
    ASSERT_TRUE(reg.ReadString(RegHive::CurrentUser, kTestKey, "NoNul", v));
    EXPECT_EQ(v, "abc");
    EXPECT_FALSE(reg.ReadString(RegHive::CurrentUser, kTestKey, "Number", v));
    ASSERT_TRUE(reg.ReadString(RegHive::CurrentUser, kTestKey, "Two", v));
    EXPECT_EQ(v, "one");
}

TEST_F(RegistryWin32Test, KeysWithSubkeysAreNotDeleted) {
    std::string sub = std::string(kTestKey) + "\\Sub";
    ASSERT_TRUE(reg.CreateKey(RegHive::CurrentUser, sub));
    EXPECT_FALSE(reg.DeleteKey(RegHive::CurrentUser, kTestKey));
    EXPECT_TRUE(reg.DeleteKey(RegHive::CurrentUser, sub));
    EXPECT_TRUE(reg.DeleteKey(RegHive::CurrentUser, kTestKey));
    HKEY k;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &k), ERROR_SUCCESS);
}

TEST(IniFileWin32, EntriesInTheSettingsFile) {
    TempFolder temp;
    Win32IniFile ini;
    const std::string file = temp / "quillbox.ini";
    EXPECT_EQ(ini.ReadString(file, "Configuration", "Font", "MS Sans Serif,8"), "MS Sans Serif,8");
    ASSERT_TRUE(ini.WriteString(file, "Configuration", "Font", "Arial,10,204,1"));
    ASSERT_TRUE(ini.WriteString(file, "Configuration", "Video", "10.20.300.200"));
    EXPECT_EQ(ini.ReadString(file, "configuration", "font", ""), "Arial,10,204,1");
    EXPECT_EQ(ini.ReadString(file, "Configuration", "Missing", "dflt"), "dflt");
    std::string text = ReadTextFile(file);
    EXPECT_NE(text.find("[Configuration]"), std::string::npos) << text;
    EXPECT_NE(text.find("Font=Arial,10,204,1"), std::string::npos) << text;

    std::string longValue(3000, 'z');
    ASSERT_TRUE(ini.WriteString(file, "Configuration", "Long", longValue));
    EXPECT_EQ(ini.ReadString(file, "Configuration", "Long", ""), longValue);
}

TEST(MenuFontWin32, FontFromTheSettingsFile) {
    TempFolder temp;
    SetProgramPath(temp / "quillbox.exe");
    Win32IniFile ini;
    const int dpi = ScreenDpiY();

    HFONT font = CreateMenuFont(ini); // no settings file: the default
    ASSERT_NE(font, nullptr);
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    DeleteObject(font);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfHeight, -MulDiv(8, dpi, 72));

    ini.WriteString(temp / "quillbox.ini", "Configuration", "Font", "Arial,10,204,1");
    font = CreateMenuFont(ini);
    ASSERT_NE(font, nullptr);
    GetObjectA(font, sizeof lf, &lf);
    DeleteObject(font);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, -MulDiv(10, dpi, 72));
    EXPECT_EQ(lf.lfCharSet, 204);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(FormatFontSetting(FromLogFont(lf), dpi), "Arial,10,204,1");
}
