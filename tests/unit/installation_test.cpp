#include "store/installation.h"

#include "fakes/fake_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell.h"
#include "platform/files.h"
#include "qbx_test_files.h"
#include "store/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string ReadFile(const std::string& path) {
    Bytes b = ReadAll(path);
    return std::string(b.begin(), b.end());
}

void WriteFile(const std::string& path, const std::string& content) {
    WriteAll(path, Bytes(content.begin(), content.end()));
}

class InstallationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"new", "old", "programs"})
            ASSERT_EQ(mkdir(folder.Path(dir).c_str(), 0700), 0);
        WriteFile(exe, "new program");
        shell.programsFolder = folder.Path("programs");
    }

    void Register(const std::string& value) {
        registry.WriteString(RegHive::CurrentUser, RUN_KEY, "Quillbox", value);
    }
    std::string Autostart() {
        std::string v;
        registry.ReadString(RegHive::CurrentUser, RUN_KEY, "Quillbox", v);
        return v;
    }
    std::string UninstallValue(const char* name) {
        std::string v;
        registry.ReadString(RegHive::LocalMachine, UNINSTALL_KEY, name, v);
        return v;
    }

    TempProgramFolder folder;
    const std::string exe = folder.Path("new/quillbox.exe");
    const std::string registered = folder.Path("old/quillbox.exe");
    FakeRegistry registry;
    FakeShell shell;
    FakeLastError lastError;
    InstallContext ctx{registry, shell, lastError, "c:\\apps\\qb\\quillbox.exe"};
    const CivilDate today{2024, 3, 5};
};

} // namespace

TEST(AutostartValue, PathAndNoAutoWordAreTakenApartSafely) {
    struct Case {
        const char* value;
        const char* path;
        bool disabled;
    } cases[] = {
        {"C:\\Tools\\Quillbox.exe", "C:\\Tools\\Quillbox.exe", false},
        {"C:\\Tools\\Quillbox.exe NOAUTO", "C:\\Tools\\Quillbox.exe", true},
        {"C:\\Tools\\Quillbox.exe\tnoAuto ", "C:\\Tools\\Quillbox.exe", true},
        {"C:\\Tools\\Quillbox.exe /min", "C:\\Tools\\Quillbox.exe", false},
        {"C:\\Tools\\Quillbox.exeNOAUTO", "C:\\Tools\\Quillbox.exe", false},
        {"C:\\Tools\\Quillbox.exe NOAUTOX", "C:\\Tools\\Quillbox.exe", false},
        {"\"C:\\Program Files\\Quillbox\\quillbox.exe\" NOAUTO",
         "C:\\Program Files\\Quillbox\\quillbox.exe", true},
        {"\"C:\\unclosed.exe NOAUTO", "C:\\unclosed.exe NOAUTO", false},
        {"C:\\x\\q.e", "C:\\x\\q.e", false}, // dot near the end
        {"C:\\noext", "C:\\noext", false},
        {"", "", false},
        {"\"", "", false},
    };
    for (const Case& c : cases) {
        AutostartEntry e = ParseAutostartValue(c.value);
        EXPECT_EQ(e.path, c.path) << c.value;
        EXPECT_EQ(e.disabled, c.disabled) << c.value;
    }
    EXPECT_EQ(ReplaceExtension("c:\\a.b\\quillbox.exe", ".old"), "c:\\a.b\\quillbox.old");
    EXPECT_EQ(ReplaceExtension("c:\\a.b\\quillbox", ".old"), "c:\\a.b\\quillbox.old");
    EXPECT_EQ(ReplaceExtension("/tmp/v1.2/qbx", ".doc"), "/tmp/v1.2/qbx.doc");
}

TEST_F(InstallationTest, CheckOnlyAnswers) {
    ctx.exePath = exe;
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_NOT_REGISTERED);
    Register(registered); // the registered file does not exist
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_THIS_COPY);
    Register("C:\\noext");
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_THIS_COPY);

    std::string upper = exe;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    WriteFile(registered, "old program");
    Register(upper + " NOAUTO"); // this copy in other letter case
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_THIS_COPY);

    Register(registered + " NOAUTO");
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_OTHER_COPY);
    EXPECT_EQ(ReadFile(registered), "old program"); // a check changes nothing
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(InstallationTest, InstallsOverTheRegisteredCopyWithGuideAndPicture) {
    ctx.exePath = exe;
    WriteFile(registered, "old program");
    WriteFile(folder.Path("old/quillbox.old"), "stale");
    WriteFile(folder.Path("new/quillbox.doc"), "guide");
    WriteFile(folder.Path("new/quillbox.bmp"), "picture");
    Register(registered);

    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_DONE);
    EXPECT_EQ(ReadFile(registered), "new program");
    EXPECT_EQ(ReadFile(folder.Path("old/quillbox.old")), "old program");
    EXPECT_EQ(ReadFile(folder.Path("old/quillbox.doc")), "guide");
    EXPECT_EQ(ReadFile(folder.Path("old/quillbox.bmp")), "picture");
    EXPECT_EQ(shell.started, std::vector<std::string>{registered});
}

TEST_F(InstallationTest, InstallFailuresReportWhereTheyStopped) {
    WriteFile(registered, "old program");
    Register(registered);
    // Without guide and picture the copy still succeeds, but the installed copy does not
    // start.
    ctx.exePath = exe;
    shell.startSucceeds = false;
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_START_FAILED);
    EXPECT_EQ(ReadFile(registered), "new program");

    // The running executable cannot be read: the old copy is put back in place.
    WriteFile(registered, "old program");
    ctx.exePath = folder.Path("new/missing.exe");
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_COPY_FAILED);
    EXPECT_EQ(ReadFile(registered), "old program");
    EXPECT_FALSE(files::Exists(folder.Path("old/quillbox.old")));

    // The ".old" name is taken by a folder: the rename fails and nothing changes.
    ASSERT_EQ(mkdir(folder.Path("old/quillbox.old").c_str(), 0700), 0);
    ctx.exePath = exe;
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_RENAME_FAILED);
    EXPECT_EQ(ReadFile(registered), "old program");
}

TEST_F(InstallationTest, FirstStartRegistersEverything) {
    registry.WriteString(RegHive::LocalMachine, RUN_KEY, "Quillbox", "c:\\old\\quillbox.exe");
    EXPECT_FALSE(RegisterInstallation(ctx, today));
    EXPECT_EQ(Autostart(), "c:\\apps\\qb\\quillbox.exe");
    EXPECT_FALSE(registry.HasValue(RegHive::LocalMachine, RUN_KEY, "Quillbox"));
    ASSERT_EQ(shell.shortcuts.size(), 1u);
    EXPECT_EQ(shell.shortcuts[0].target, "c:\\apps\\qb\\quillbox.exe");
    EXPECT_EQ(shell.shortcuts[0].linkPath, folder.Path("programs/Quillbox.lnk"));
    EXPECT_EQ(shell.shortcuts[0].description, "Quillbox");

    EXPECT_EQ(UninstallValue("DisplayIcon"), "c:\\apps\\qb\\quillbox.exe");
    EXPECT_EQ(UninstallValue("InstallDate"), "20240305");
    EXPECT_EQ(UninstallValue("UninstallString"), "c:\\apps\\qb\\quillbox.exe UNINSTALL");
}

TEST_F(InstallationTest, LaterStartsOfTheSameCopyRewriteNothing) {
    RegisterInstallation(ctx, today);
    Register("C:\\Apps\\QB\\QuillBox.EXE NoAuto");
    int writes = registry.writes;

    EXPECT_TRUE(RegisterInstallation(ctx, today));
    EXPECT_EQ(registry.writes, writes);
    EXPECT_EQ(shell.shortcuts.size(), 1u);

    // A lost uninstall entry is written again, the autostart value is left alone.
    registry.DeleteValue(RegHive::LocalMachine, UNINSTALL_KEY, "UninstallString");
    EXPECT_TRUE(RegisterInstallation(ctx, today));
    EXPECT_EQ(Autostart(), "C:\\Apps\\QB\\QuillBox.EXE NoAuto");
    EXPECT_EQ(UninstallValue("UninstallString"), "c:\\apps\\qb\\quillbox.exe UNINSTALL");
    EXPECT_EQ(shell.shortcuts.size(), 2u);

    // A moved executable registers again and keeps the autostart choice.
    ctx.exePath = "d:\\moved\\quillbox.exe";
    EXPECT_TRUE(RegisterInstallation(ctx, today));
    EXPECT_EQ(Autostart(), "d:\\moved\\quillbox.exe NOAUTO");
    EXPECT_EQ(UninstallValue("DisplayIcon"), "d:\\moved\\quillbox.exe");
    EXPECT_EQ(shell.shortcuts.back().target, "d:\\moved\\quillbox.exe");
}

TEST_F(InstallationTest, WithoutMachineRightsAutostartAndShortcutAreStillWritten) {
    registry.denyLocalMachine = true;
    shell.programsFolder.clear(); // unknown folder: the Windows folder is used
    shell.writeLinkFiles = false;
    EXPECT_FALSE(RegisterInstallation(ctx, today));
    EXPECT_EQ(Autostart(), "c:\\apps\\qb\\quillbox.exe");
    ASSERT_EQ(shell.shortcuts.size(), 1u);
    EXPECT_EQ(shell.shortcuts[0].linkPath, "C:\\WINDOWS\\Quillbox.lnk");
    EXPECT_FALSE(registry.HasKey(RegHive::LocalMachine, UNINSTALL_KEY));
    for (const char* folder : {"C:\\Start\\", "/home/me/"}) {
        shell.programsFolder = folder;
        EXPECT_EQ(ShortcutPath(shell), std::string(folder) + "Quillbox.lnk");
    }
}

TEST_F(InstallationTest, AutostartSwitchWritesOnlyWhatChanged) {
    SetAutostart(ctx, false);
    EXPECT_EQ(Autostart(), "c:\\apps\\qb\\quillbox.exe NOAUTO");
    SetAutostart(ctx, true);
    EXPECT_EQ(Autostart(), "c:\\apps\\qb\\quillbox.exe");
    Register("C:\\APPS\\QB\\QUILLBOX.EXE");
    int writes = registry.writes;
    SetAutostart(ctx, true);
    EXPECT_EQ(registry.writes, writes);
}

TEST_F(InstallationTest, UninstallRemovesTheRegistrationAndLeavesTheUsersFiles) {
    ctx.exePath = exe;
    WriteFile(folder.Path("new/Clipboard.qbx"), "collection");
    RegisterInstallation(ctx, today);
    registry.WriteString(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY, "Font", "Arial,10");
    ASSERT_TRUE(files::Exists(folder.Path("programs/Quillbox.lnk")));

    Uninstall(ctx);
    EXPECT_FALSE(registry.HasValue(RegHive::CurrentUser, RUN_KEY, "Quillbox"));
    EXPECT_FALSE(registry.HasKey(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY));
    EXPECT_FALSE(registry.HasKey(RegHive::CurrentUser, SETTINGS_PARENT_KEY));
    EXPECT_EQ(registry.ValueCount(RegHive::LocalMachine, UNINSTALL_KEY), 0u);
    EXPECT_FALSE(files::Exists(folder.Path("programs/Quillbox.lnk")));
    EXPECT_EQ(shell.deleteOnReboot, std::vector<std::string>{exe});
    EXPECT_TRUE(files::Exists(exe));
    EXPECT_TRUE(files::Exists(folder.Path("new/Clipboard.qbx")));

    // The publisher's key stays while another product of ours keeps a key under it.
    registry.WriteString(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY, "Font", "Arial,10");
    registry.WriteString(RegHive::CurrentUser, "Software\\Quillworks\\Other", "x", "y");
    Uninstall(ctx);
    EXPECT_FALSE(registry.HasKey(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY));
    EXPECT_TRUE(registry.HasValue(RegHive::CurrentUser, "Software\\Quillworks\\Other", "x"));
}
