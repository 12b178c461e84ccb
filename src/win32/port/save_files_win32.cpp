// Windows implementation of the save operations (8-bit "A" functions, as everywhere).
#include "platform/save_files.h"

#include <windows.h>

#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#include "named_file_win32.h"
#include "win32/handles.h"

namespace {

// Keeps the error that stopped an operation across the clean-up calls after it.
class ErrorKeeper {
public:
    ErrorKeeper() : m_error(GetLastError()) {}
    ~ErrorKeeper() { SetLastError(m_error); }

private:
    DWORD m_error;
};

// Every other program may go on reading and writing a file we read or write.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Copies what `in` holds from where it stands to `out`; `wrote` tells whether any byte
// reached `out`.
bool CopyBytes(HANDLE in, HANDLE out, bool& wrote) {
    std::vector<char> buf(1 << 16);
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(in, buf.data(), static_cast<DWORD>(buf.size()), &n, nullptr))
            return false;
        if (n == 0)
            return true;
        DWORD written = 0;
        if (!WriteFile(out, buf.data(), n, &written, nullptr) || written != n) {
            wrote = wrote || written > 0;
            return false;
        }
        wrote = true;
    }
}

UniqueFile OpenToRead(const std::string& path) {
    return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// A C stream over an open handle (binary, `access` _O_RDONLY or _O_WRONLY); null, with the
// handle closed, when there is no handle or no stream can be made of it.
std::FILE* StreamOf(UniqueFile file, int access, const char* mode) {
    if (!file)
        return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.Get()), access | _O_BINARY);
    if (fd == -1)
        return nullptr;
    file.Release(); // the descriptor owns it now
    std::FILE* f = _fdopen(fd, mode);
    if (!f) {
        ErrorKeeper keep;
        _close(fd);
    }
    return f;
}

class Win32SaveFiles final : public ISaveFiles {
public:
    std::FILE* CreateNew(const std::string& path) override {
        return StreamOf(UniqueFile(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                               nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                               nullptr)),
                        _O_WRONLY, "wb");
    }

    bool Finish(std::FILE* file) override {
        const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
        bool written = std::fflush(file) == 0 && !std::ferror(file);
        if (written && !FlushFileBuffers(h))
            written = false;
        if (!written) {
            ErrorKeeper keep;
            std::fclose(file);
            return false;
        }
        return std::fclose(file) == 0;
    }

    bool Replace(const std::string& source, const std::string& target) override {
        return MoveFileExA(source.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    WriteOverResult WriteOver(const std::string& source, const std::string& target) override {
        const UniqueFile in = OpenToRead(source);
        if (!in)
            return WriteOverResult::Untouched;
        // Shared like this, the file opens beside a program that holds it open for reading
        // and writing but would not let it be deleted or replaced.
        const UniqueFile out(CreateFileA(target.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                         kShareAll, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!out)
            return WriteOverResult::Untouched;
        if (!IsNamedPlainFile(out.Get(), target)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return WriteOverResult::Untouched;
        }
        bool wrote = false;
        if (!CopyBytes(in.Get(), out.Get(), wrote))
            return wrote ? WriteOverResult::Broken : WriteOverResult::Untouched;
        if (!SetEndOfFile(out.Get()) || !FlushFileBuffers(out.Get()))
            return WriteOverResult::Broken;
        return WriteOverResult::Written;
    }

    std::FILE* OpenRead(const std::string& path) override {
        return StreamOf(OpenToRead(path), _O_RDONLY, "rb");
    }

    bool CopyNew(const std::string& from, const std::string& to) override {
        const UniqueFile in = OpenToRead(from);
        if (!in)
            return false;
        UniqueFile out(CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!out)
            return false;
        bool wrote = false;
        if (CopyBytes(in.Get(), out.Get(), wrote) && FlushFileBuffers(out.Get()))
            return true;
        ErrorKeeper keep;
        out.Reset();
        DeleteFileA(to.c_str()); // a half copy is no copy
        return false;
    }

    std::string ErrorText() const override {
        const DWORD code = GetLastError();
        char* text = nullptr;
        const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                           FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                       reinterpret_cast<LPSTR>(&text), 0, nullptr);
        std::string result = n && text ? std::string(text, n) : std::string();
        LocalFree(text);
        // The system ends its texts with a line break.
        while (!result.empty() && std::strchr("\r\n ", result.back()))
            result.pop_back();
        return result.empty() ? "Error " + std::to_string(code) : result;
    }
};

} // namespace

ISaveFiles& SystemSaveFiles() {
    static Win32SaveFiles files;
    return files;
}
