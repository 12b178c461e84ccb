#pragma once
// A fresh folder under the system's temporary folder, removed with what it holds; and the
// folder of the running test program.
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH + 1] = "";
        GetTempPathA(sizeof base, base);
        for (unsigned n = GetTickCount() & 0xFFFF;; ++n) {
            m_path = std::string(base) + "qbxtest" + std::to_string(n);
            if (CreateDirectoryA(m_path.c_str(), nullptr))
                break;
        }
    }
    ~TempFolder() { Remove(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    static void Remove(const std::string& dir) {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string name = fd.cFileName;
                if (name == "." || name == "..")
                    continue;
                std::string full = dir + "\\" + name;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(full);
                else
                    DeleteFileA(full.c_str());
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string m_path;
};

inline std::string TestProgramFolder() {
    char path[MAX_PATH + 1] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    return p.substr(0, p.find_last_of('\\'));
}

inline void WriteTextFile(const std::string& path, const std::string& text) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

inline std::string ReadTextFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    ReadFile(h, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(h);
    text.resize(got);
    return text;
}
