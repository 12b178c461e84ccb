// Native (Linux) implementation of the save operations.
#include "platform/save_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

// An open file descriptor; closing it never changes the error that stopped its user.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) {
            const int error = errno;
            ::close(m_fd);
            errno = error;
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    // Closes it now: false when the system reports that written bytes were lost.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Copies what `in` holds from where it stands to `out`; `wrote` tells whether any byte
// reached `out`.
bool CopyBytes(int in, int out, bool& wrote) {
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n <= 0)
            return n == 0;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buf.data() + done, static_cast<size_t>(n - done));
            if (w < 0)
                return false;
            wrote = true;
            done += w;
        }
    }
}

class PosixSaveFiles final : public ISaveFiles {
public:
    std::FILE* CreateNew(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return nullptr;
        std::FILE* f = ::fdopen(fd, "wb");
        if (!f)
            Fd{fd}.Close();
        return f;
    }

    bool Finish(std::FILE* file) override {
        const bool written =
            std::fflush(file) == 0 && !std::ferror(file) && ::fsync(::fileno(file)) == 0;
        const int error = errno;
        const bool closed = std::fclose(file) == 0;
        if (written)
            return closed;
        errno = error;
        return false;
    }

    bool Replace(const std::string& source, const std::string& target) override {
        return std::rename(source.c_str(), target.c_str()) == 0;
    }

    WriteOverResult WriteOver(const std::string& source, const std::string& target) override {
        Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
        // Only an existing plain file, never through a link.
        Fd out(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (in.Get() < 0 || out.Get() < 0 || ::fstat(out.Get(), &st) != 0)
            return WriteOverResult::Untouched;
        if (!S_ISREG(st.st_mode)) {
            errno = EISDIR;
            return WriteOverResult::Untouched;
        }
        bool wrote = false;
        if (!CopyBytes(in.Get(), out.Get(), wrote))
            return wrote ? WriteOverResult::Broken : WriteOverResult::Untouched;
        const off_t end = ::lseek(out.Get(), 0, SEEK_CUR);
        if (end < 0 || ::ftruncate(out.Get(), end) != 0 || ::fsync(out.Get()) != 0 || !out.Close())
            return WriteOverResult::Broken;
        return WriteOverResult::Written;
    }

    std::FILE* OpenRead(const std::string& path) override {
        return std::fopen(path.c_str(), "rb");
    }

    bool CopyNew(const std::string& from, const std::string& to) override {
        Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.Get() < 0)
            return false;
        Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (out.Get() < 0)
            return false;
        bool wrote = false;
        if (CopyBytes(in.Get(), out.Get(), wrote) && ::fsync(out.Get()) == 0 && out.Close())
            return true;
        const int error = errno;
        ::unlink(to.c_str()); // a half copy is no copy
        errno = error;
        return false;
    }

    std::string ErrorText() const override { return std::strerror(errno); }
};

} // namespace

ISaveFiles& SystemSaveFiles() {
    static PosixSaveFiles files;
    return files;
}
