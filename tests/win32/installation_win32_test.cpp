// The shell port, and installing over a registered copy with real files.
#include "win32/port/com_scope.h"
#include "win32/port/system_win32.h"
#include "win32/port/shell_win32.h"

#include "fakes/fake_registry.h"

#include "store/installation.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Reads a shell link back: its target and description.
bool ReadShortcut(const std::string& linkPath, std::string& target, std::string& description) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.put()))))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))))
        return false;
    const std::wstring wide(linkPath.begin(), linkPath.end());
    char buf[MAX_PATH] = "";
    if (FAILED(file->Load(wide.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(buf, MAX_PATH, nullptr, 0)))
        return false;
    target = buf;
    link->GetDescription(buf, MAX_PATH);
    description = buf;
    return true;
}

class ShellWin32Test : public ::testing::Test {
protected:
    ComScope com;
    TempFolder temp;
    Win32Shell shell;
};

} // namespace

TEST_F(ShellWin32Test, ShortcutsAreReplacedAndAMissingProgramDoesNotStart) {
    const std::string target = temp / "quillbox.exe";
    WriteTextFile(target, "MZ");
    const std::string link = temp / "Quillbox.lnk";
    std::string gotTarget, gotDescription;
    for (const char* description : {"Quillbox", "Second"}) { // the second overwrites the first
        ASSERT_TRUE(shell.CreateShortcut(target, link, description));
        ASSERT_TRUE(ReadShortcut(link, gotTarget, gotDescription));
        EXPECT_TRUE(SameText(gotTarget, target)) << gotTarget;
        EXPECT_EQ(gotDescription, description);
    }
    EXPECT_FALSE(shell.StartProcess(temp / "missing.exe"));
}

// Installing over the registered copy is proven on the user's road by the end-to-end script;
// here, what only a real file system shows: a locked executable.
TEST_F(ShellWin32Test, ALockedExecutableLeavesTheRegisteredCopyAndReportsTheCopysError) {
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
}
