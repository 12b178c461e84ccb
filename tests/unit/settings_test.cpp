#include "store/settings.h"

#include "fakes/fake_ini_file.h"
#include "fakes/fake_registry.h"
#include "store/program_files.h"
#include "store/setting_values.h"

#include <gtest/gtest.h>

TEST(Settings, WritesBothPlacesButReadsOnlyTheSettingsFile) {
    SetProgramPath("c:\\apps\\qb\\quillbox.exe");
    FakeIniFile ini;
    FakeRegistry registry;
    WriteSetting(ini, registry, "Font", "Arial,10,204,1");
    EXPECT_EQ(ini.ReadString("c:\\apps\\qb\\quillbox.ini", "Configuration", "Font", ""),
              "Arial,10,204,1");
    std::string reg;
    ASSERT_TRUE(
        registry.ReadString(RegHive::CurrentUser, "Software\\Quillworks\\Quillbox", "Font", reg));
    EXPECT_EQ(reg, "Arial,10,204,1");
    EXPECT_EQ(ReadSetting(ini, "Font", FONT_SETTING_DEFAULT), "Arial,10,204,1");

    // The registry copy is never read back: without the file the default is in force.
    ini.DeleteFile("c:\\apps\\qb\\quillbox.ini");
    EXPECT_EQ(ReadSetting(ini, "Font", FONT_SETTING_DEFAULT), "MS Sans Serif,8");

    // A settings file that cannot be written does not keep the registry from being written.
    ini.failWrites = true;
    WriteSetting(ini, registry, "Video", "1.2.3.4");
    EXPECT_TRUE(registry.HasValue(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY, "Video"));
    EXPECT_EQ(ReadSetting(ini, "Video", VIDEO_SETTING_DEFAULT), "0.0.160.120");
}

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(MulDivRounded(8, 96, 72), 11); // 10.67
    EXPECT_EQ(MulDivRounded(3, 1, 2), 2);    // 1.5
    EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
    EXPECT_EQ(MulDivRounded(3, 1, -2), -2);
    EXPECT_EQ(MulDivRounded(-13, 72, 96), -10); // -9.75
    EXPECT_EQ(MulDivRounded(1, 2, 0), -1);
    EXPECT_EQ(MulDivRounded(0x40000000, 4, 2), -1); // 2^31 does not fit
    EXPECT_EQ(MulDivRounded(0x3FFFFFFF, 4, 2), 0x7FFFFFFE);
}

TEST(FontSetting, FieldsDefaultsAndMalformedValues) {
    struct Case {
        const char* value;
        FontDescription want;
    } cases[] = {
        {"Arial,10,204,1", {"Arial", -13, 204, 1}},
        {"Tahoma", {"Tahoma", -11, 0, 0}},
        {"MS Sans Serif,8", {"MS Sans Serif", -11, 0, 0}},
        {"Courier New,12,x,1", {"Courier New", -16, 0, 0}}, // stops at the bad field
        {"Verdana,abc,204", {"Verdana", -11, 0, 0}},
        {"Verdana,-5,204", {"Verdana", -11, 0, 0}},
        {"Verdana,99999999999999999999,1", {"Verdana", -11, 0, 0}},
        {"Verdana,9,256,1", {"Verdana", -12, 0, 0}}, // a character set is one byte
        {"Verdana,0", {"Verdana", 0, 0, 0}},         // the system's default height
        {",10", {"", -13, 0, 0}},
        {"", {"", -11, 0, 0}},
        {"A Face Name Much Longer Than Thirty-One Characters,9",
         {"A Face Name Much Longer Than Th", -12, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFontSetting(c.value, 96), c.want) << c.value;
    EXPECT_EQ(ParseFontSetting("Arial,10", 120).height, -17); // 16.67
    EXPECT_EQ(ParseFontSetting("Arial,10", 0).height, -13) << "no screen resolution: 96 dpi";
}

TEST(FontSetting, FormatsWhatParsingReadsBack) {
    FontDescription chosen{"Arial", -13, 204, 1};
    EXPECT_EQ(FormatFontSetting(chosen, 96), "Arial,10,204,1");
    EXPECT_EQ(ParseFontSetting(FormatFontSetting(chosen, 96), 96), chosen);
    // A cell height (positive) still gives a sensible size, not a wrapped number.
    EXPECT_EQ(FormatFontSetting({"Arial", 16, 0, 0}, 96), "Arial,12,0,0");
    // Texts with "%" in the face name are copied, never interpreted.
    EXPECT_EQ(FormatFontSetting({"%s%n%x", -11, 0, 0}, 96), "%s%n%x,8,0,0");
}

TEST(VideoSetting, MissingNumbersKeepTheirDefaults) {
    EXPECT_EQ(ParseVideoSetting("0.0.160.120"), (VideoPlacement{0, 0, 160, 120}));
    EXPECT_EQ(ParseVideoSetting("10.20.300"), (VideoPlacement{10, 20, 300, 120}));
    EXPECT_EQ(ParseVideoSetting("-40.-8.320.240"), (VideoPlacement{-40, -8, 320, 240}));
    EXPECT_EQ(ParseVideoSetting("5.x.7.8"), (VideoPlacement{5, 0, 160, 120}));
    EXPECT_EQ(ParseVideoSetting("99999999999.1"), (VideoPlacement{0, 0, 160, 120}));
    EXPECT_EQ(ParseVideoSetting(""), (VideoPlacement{0, 0, 160, 120}));
    VideoPlacement p{-3, 4, 640, 480};
    EXPECT_EQ(FormatVideoSetting(p), "-3.4.640.480");
    EXPECT_EQ(ParseVideoSetting(FormatVideoSetting(p)), p);
}
