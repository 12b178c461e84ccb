#pragma once
// A fresh folder under the system's temporary folder, removed with what it holds; whole files
// written and read.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

inline void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
