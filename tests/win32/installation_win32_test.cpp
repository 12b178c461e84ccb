// Installing over a registered copy with real files (the shortcut it makes, the end-to-end
// script reads back).
#include "win32/port/com_scope.h"
#include "win32/port/system_win32.h"
#include "win32/port/shell_win32.h"

#include "fakes/fake_registry.h"

#include "store/installation.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

// Installing over the registered copy is proven on the user's road by the end-to-end script;
// here, what only a real file system shows: a locked executable.
TEST(ShellWin32Test, ALockedExecutableLeavesTheRegisteredCopyAndReportsTheCopysError) {
    ComScope com;
    TempFolder temp;
    Win32Shell shell;
    ASSERT_TRUE(CreateDirectoryA((temp / "new").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((temp / "old").c_str(), nullptr));
    const std::string exe = temp / "new\\quillbox.exe";
    const std::string registered = temp / "old\\Quillbox.exe";
    WriteTextFile(exe, "new version");
    WriteTextFile(registered, "old version");

    FakeRegistry reg;
    reg.WriteString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, registered + " NOAUTO");
    Win32LastError lastError;
    InstallContext ctx{reg, shell, lastError, exe};
    HANDLE lock = CreateFileA(exe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_COPY_FAILED);
    // The error code is the copy's, not that of the clean-up after it.
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(lock);
    EXPECT_EQ(ReadTextFile(registered), "old version");
    EXPECT_FALSE(shell.StartProcess(temp / "missing.exe"));
}
