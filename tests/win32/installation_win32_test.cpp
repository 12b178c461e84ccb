// The shell port and the program's registration against the real registry and shell.
#include "win32/port/last_error_win32.h"
#include "win32/port/registry_win32.h"
#include "win32/port/shell_win32.h"

#include "store/installation.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <vector>

namespace {

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool IsFolder(const std::string& path) {
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads a shell link back: its target and description.
bool ReadShortcut(const std::string& linkPath, std::string& target, std::string& description) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    bool ok = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(linkPath.begin(), linkPath.end());
        char buf[MAX_PATH] = "";
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(buf, MAX_PATH, nullptr, 0))) {
            target = buf;
            link->GetDescription(buf, MAX_PATH);
            description = buf;
            ok = true;
        }
        file->Release();
    }
    link->Release();
    return ok;
}

// The pending delayed operations: pairs of NUL-terminated wide paths.
const wchar_t* const kSessionManager = L"System\\CurrentControlSet\\Control\\Session Manager";
const wchar_t* const kPendingValue = L"PendingFileRenameOperations";

std::vector<std::wstring> PendingOperations() {
    std::vector<std::wstring> items;
    HKEY k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
        return items;
    DWORD size = 0, type = 0;
    RegQueryValueExW(k, kPendingValue, nullptr, &type, nullptr, &size);
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 2, L'\0');
    if (RegQueryValueExW(k, kPendingValue, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &size) == ERROR_SUCCESS) {
        // Entries come in pairs (source, target; an empty target means delete), so empty
        // strings occur inside the list: split by the data size, not at the first empty one.
        size_t n = size / sizeof(wchar_t);
        for (size_t i = 0; i < n;) {
            std::wstring s(buf.data() + i);
            items.push_back(s);
            i += s.size() + 1;
        }
        if (items.size() % 2 != 0) // the list's closing NUL
            items.pop_back();
    }
    RegCloseKey(k);
    return items;
}

bool EndsWithNoCase(const std::wstring& s, const std::wstring& tail) {
    return s.size() >= tail.size() &&
           lstrcmpiW(s.c_str() + s.size() - tail.size(), tail.c_str()) == 0;
}

// Takes the test's own delete-on-reboot entries out again.
void DropPending(const std::wstring& path) {
    std::vector<std::wstring> items = PendingOperations();
    std::vector<wchar_t> data;
    for (size_t i = 0; i + 1 < items.size(); i += 2) {
        if (EndsWithNoCase(items[i], path))
            continue;
        for (size_t j = i; j < i + 2; ++j) {
            data.insert(data.end(), items[j].begin(), items[j].end());
            data.push_back(L'\0');
        }
    }
    HKEY k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS)
        return;
    if (data.empty()) {
        RegDeleteValueW(k, kPendingValue);
    } else {
        data.push_back(L'\0');
        RegSetValueExW(k, kPendingValue, 0, REG_MULTI_SZ, reinterpret_cast<BYTE*>(data.data()),
                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    }
    RegCloseKey(k);
}

class ShellWin32Test : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
    TempFolder temp;
    Win32Shell shell;
};

// The real shell, except that deleting on reboot is only noted.
class NotingShell : public Win32Shell {
public:
    bool DeleteOnReboot(const std::string& path) override {
        noted.push_back(path);
        return true;
    }
    std::vector<std::string> noted;
};

const char* const kUninstallNames[] = {"DisplayIcon",     "DisplayName",  "DisplayVersion",
                                       "HelpLink",        "InstallDate",  "Publisher",
                                       "UninstallString", "URLInfoAbout", "URLUpdateInfo"};

// What a registration of the real program in this Wine prefix had written, put back after.
class RegistrationSnapshot {
public:
    explicit RegistrationSnapshot(Win32Registry& reg, const std::string& shortcut)
        : m_reg(reg), m_shortcut(shortcut) {
        m_hadRun = reg.ReadString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, m_run);
        for (const char* name : kUninstallNames) {
            std::string v;
            if (reg.ReadString(RegHive::LocalMachine, UNINSTALL_KEY, name, v))
                m_uninstall.push_back({name, v});
        }
        m_link = ReadTextFile(shortcut);
        m_hadLink = GetFileAttributesA(shortcut.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    ~RegistrationSnapshot() {
        if (m_hadRun)
            m_reg.WriteString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, m_run);
        else
            m_reg.DeleteValue(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME);
        for (const char* name : kUninstallNames)
            m_reg.DeleteValue(RegHive::LocalMachine, UNINSTALL_KEY, name);
        for (const auto& nv : m_uninstall)
            m_reg.WriteString(RegHive::LocalMachine, UNINSTALL_KEY, nv.first, nv.second);
        if (m_uninstall.empty())
            m_reg.DeleteKey(RegHive::LocalMachine, UNINSTALL_KEY);
        if (m_hadLink)
            WriteTextFile(m_shortcut, m_link);
        else
            DeleteFileA(m_shortcut.c_str());
    }

private:
    Win32Registry& m_reg;
    std::string m_shortcut, m_run, m_link;
    bool m_hadRun = false, m_hadLink = false;
    std::vector<std::pair<std::string, std::string>> m_uninstall;
};

std::string Query(RegHive hive, const char* key, const char* name) {
    Win32Registry reg;
    std::string v;
    return reg.ReadString(hive, key, name, v) ? v : std::string("<missing>");
}

} // namespace

TEST_F(ShellWin32Test, ShortcutPointsToTheTargetWithItsDescription) {
    const std::string target = temp / "quillbox.exe";
    WriteTextFile(target, "MZ");
    const std::string link = temp / "Quillbox.lnk";
    ASSERT_TRUE(shell.CreateShortcut(target, link, "Quillbox"));
    std::string gotTarget, gotDescription;
    ASSERT_TRUE(ReadShortcut(link, gotTarget, gotDescription));
    EXPECT_TRUE(SameText(gotTarget, target)) << gotTarget;
    EXPECT_EQ(gotDescription, "Quillbox");
    // Overwrites an existing link.
    ASSERT_TRUE(shell.CreateShortcut(target, link, "Second"));
    ASSERT_TRUE(ReadShortcut(link, gotTarget, gotDescription));
    EXPECT_EQ(gotDescription, "Second");
}

TEST_F(ShellWin32Test, ProgramsFolderAndProcessStart) {
    std::string programs = shell.ProgramsFolder();
    EXPECT_TRUE(IsFolder(programs)) << programs;

    EXPECT_FALSE(shell.StartProcess(temp / "missing.exe"));
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    std::string program = std::string(system) + "\\hostname.exe";
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << program << " is not there to be started";
    EXPECT_TRUE(shell.StartProcess(program));
}

TEST_F(ShellWin32Test, DeleteOnRebootIsRecordedForTheNextStart) {
    const std::string file = temp / "quillbox.exe";
    WriteTextFile(file, "MZ");
    ASSERT_TRUE(shell.DeleteOnReboot(file));
    std::wstring wide(file.begin(), file.end());
    std::vector<std::wstring> pending = PendingOperations();
    bool found = false;
    for (size_t i = 0; i + 1 < pending.size(); i += 2)
        found = found || (EndsWithNoCase(pending[i], wide) && pending[i + 1].empty());
    DropPending(wide);
    EXPECT_TRUE(found) << "no pending delete for " << file;
}

TEST_F(ShellWin32Test, RegistrationAndUninstallInTheRealRegistry) {
    Win32Registry reg;
    NotingShell noting;
    const std::string shortcut = ShortcutPath(noting);
    RegistrationSnapshot snapshot(reg, shortcut);
    reg.DeleteValue(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME);
    reg.DeleteValue(RegHive::LocalMachine, UNINSTALL_KEY, "UninstallString");

    const std::string exe = temp / "quillbox.exe";
    WriteTextFile(exe, "MZ");
    Win32LastError lastError;
    InstallContext ctx{reg, noting, lastError, exe};
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_NOT_REGISTERED);
    EXPECT_FALSE(RegisterInstallation(ctx, {2024, 12, 31}));
    EXPECT_EQ(Query(RegHive::CurrentUser, RUN_KEY, "Quillbox"), exe);
    EXPECT_EQ(Query(RegHive::LocalMachine, UNINSTALL_KEY, "UninstallString"), exe + " UNINSTALL");
    EXPECT_EQ(Query(RegHive::LocalMachine, UNINSTALL_KEY, "InstallDate"), "20241231");
    EXPECT_EQ(Query(RegHive::LocalMachine, UNINSTALL_KEY, "DisplayName"), "Quillbox");
    std::string target, description;
    ASSERT_TRUE(ReadShortcut(shortcut, target, description)) << shortcut;
    EXPECT_TRUE(SameText(target, exe)) << target;
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_THIS_COPY);

    SetAutostart(ctx, false);
    EXPECT_EQ(Query(RegHive::CurrentUser, RUN_KEY, "Quillbox"), exe + " NOAUTO");
    EXPECT_TRUE(RegisterInstallation(ctx, {2024, 12, 31}));

    Uninstall(ctx);
    EXPECT_EQ(Query(RegHive::CurrentUser, RUN_KEY, "Quillbox"), "<missing>");
    EXPECT_EQ(Query(RegHive::LocalMachine, UNINSTALL_KEY, "DisplayName"), "<missing>");
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, 0, KEY_READ, &k), ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_EQ(GetFileAttributesA(shortcut.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(noting.noted, std::vector<std::string>{exe});
}

TEST_F(ShellWin32Test, InstallsOverTheRegisteredCopyAndStartsIt) {
    // A small program that ends by itself stands for the new version.
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string program = std::string(system) + "\\hostname.exe";
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << program << " is not there to be started";
    ASSERT_TRUE(CreateDirectoryA((temp / "new").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((temp / "old").c_str(), nullptr));
    const std::string exe = temp / "new\\quillbox.exe";
    const std::string registered = temp / "old\\Quillbox.exe";
    ASSERT_TRUE(CopyFileA(program.c_str(), exe.c_str(), FALSE));
    WriteTextFile(temp / "new\\quillbox.doc", "guide");
    WriteTextFile(registered, "old version");

    Win32Registry reg;
    NotingShell noting;
    RegistrationSnapshot snapshot(reg, ShortcutPath(noting));
    reg.WriteString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, registered + " NOAUTO");
    Win32LastError lastError;
    InstallContext ctx{reg, noting, lastError, exe};
    EXPECT_EQ(CheckInstalledCopy(ctx, false), INSTALL_OTHER_COPY);

    // The new executable is locked: the copy fails, the old version is put back, and the
    // error code is the copy's, not that of the clean-up after it.
    HANDLE lock = CreateFileA(exe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_COPY_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(lock);
    EXPECT_EQ(ReadTextFile(registered), "old version");

    EXPECT_EQ(CheckInstalledCopy(ctx, true), INSTALL_DONE);
    EXPECT_EQ(ReadTextFile(temp / "old\\Quillbox.old"), "old version");
    EXPECT_EQ(ReadTextFile(registered), ReadTextFile(program));
    EXPECT_EQ(ReadTextFile(temp / "old\\Quillbox.doc"), "guide");
    // The started copy may still hold its file for a moment; wait before the folder goes.
    for (int i = 0; i < 100 && !DeleteFileA(registered.c_str()); ++i)
        Sleep(50);
}
