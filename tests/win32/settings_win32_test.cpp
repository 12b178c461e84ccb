// The registry, initialization-file and font ports against the real system functions.
#include "win32/port/ini_file_win32.h"
#include "win32/port/menu_font_win32.h"
#include "win32/port/registry_win32.h"

#include "store/program_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

const char* const kTestKey = "Software\\Quillworks\\QuillboxTest";

// Removes the test key before and after each test.
class RegistryWin32Test : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quillworks"); // only when nothing else is in it
    }
    std::string Read(const char* name) {
        std::string v = "(none)";
        reg.ReadString(RegHive::CurrentUser, kTestKey, name, v);
        return v;
    }
    Win32Registry reg;
};

} // namespace

TEST_F(RegistryWin32Test, StringValuesAsWrittenAndAsOthersWroteThem) {
    EXPECT_EQ(Read("Font"), "(none)");
    // Stored as REG_SZ with the NUL counted (that a value is read back, the scripts show).
    ASSERT_TRUE(reg.WriteString(RegHive::CurrentUser, kTestKey, "Font", "Arial,10,204,1"));
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_QUERY_VALUE, &k), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    RegQueryValueExA(k, "Font", nullptr, &type, nullptr, &size);
    RegCloseKey(k);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 15u);

    ASSERT_TRUE(reg.WriteString(RegHive::CurrentUser, kTestKey, "Long", std::string(5000, 'q')));
    EXPECT_EQ(Read("long"), std::string(5000, 'q'));
    EXPECT_TRUE(reg.DeleteValue(RegHive::CurrentUser, kTestKey, "Font"));
    EXPECT_FALSE(reg.DeleteValue(RegHive::CurrentUser, kTestKey, "Font"));

    RegSetKeyValueA(HKEY_CURRENT_USER, kTestKey, "NoNul", REG_SZ, "abc", 3);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kTestKey, "Number", REG_DWORD, "\x01\0\0\0", 4),
              ERROR_SUCCESS);
    RegSetKeyValueA(HKEY_CURRENT_USER, kTestKey, "Two", REG_SZ, "one\0two", 8);
    EXPECT_EQ(Read("NoNul"), "abc");
    EXPECT_EQ(Read("Number"), "(none)");
    EXPECT_EQ(Read("Two"), "one");
}

TEST(SettingsFileWin32, EntriesAndTheMenuFontTheyGive) {
    TempFolder temp;
    SetProgramPath(temp / "quillbox.exe");
    Win32IniFile ini;
    const std::string file = temp / "quillbox.ini";
    const int dpi = ScreenDpiY();
    EXPECT_EQ(ini.ReadString(file, "Configuration", "Font", "dflt"), "dflt");
    ASSERT_TRUE(ini.WriteString(file, "Configuration", "Font", "Arial,10,204,1"));
    ASSERT_TRUE(ini.WriteString(file, "Configuration", "Long", std::string(3000, 'z')));
    // (The file as written and read back, the player's script shows.)
    EXPECT_EQ(ini.ReadString(file, "Configuration", "Long", ""), std::string(3000, 'z'));

    HFONT font = CreateMenuFont(ini);
    ASSERT_NE(font, nullptr);
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    DeleteObject(font);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, -MulDiv(10, dpi, 72));
    EXPECT_EQ(lf.lfCharSet, 204);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(FormatFontSetting(FromLogFont(lf), dpi), "Arial,10,204,1");
}
