// Arbitrary bytes as a collection file: through the active reader, the lazy reader and
// every item's content read back from the file. Nothing may crash, hang, or allocate more
// than the file could hold.
#include "store/collection_file.h"
#include "store/program_files.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sanitizer/allocator_interface.h>
#include <unistd.h>

namespace {

// The largest single allocation an input may cause: its own size plus room for buffers
// (the 64 KB stream buffers among them).
size_t g_allocLimit = SIZE_MAX;

// A folder of this process's own, removed at exit (kept alive until then on purpose).
const std::string& Folder() {
    static const std::string* dir = [] {
        // In memory when the system offers it: every run writes and reads files.
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        auto* d = new std::string(std::string(base) + "/fuzz_collection_file." +
                                  std::to_string(getpid()));
        if (std::system(("mkdir -p " + *d).c_str()) != 0)
            std::abort();
        std::atexit([] {
            if (std::system(("rm -rf " + Folder()).c_str()) != 0)
                std::fputs("could not remove the fuzz folder\n", stderr);
        });
        return d;
    }();
    return *dir;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || (size != 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0)
        std::abort();
}

} // namespace

// Sees every allocation the sanitizer's allocator makes.
static void CheckAllocation(const volatile void*, size_t n) {
    if (n > g_allocLimit) {
        std::fprintf(stderr, "allocation of %zu bytes for a smaller input\n", n);
        std::abort();
    }
}
static void IgnoreFree(const volatile void*) {}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int hooked =
        __sanitizer_install_malloc_and_free_hooks(CheckAllocation, IgnoreFree);
    if (!hooked)
        std::abort(); // without the hook the allocation limit would go unchecked
    SetProgramPath(Folder() + "/quillbox.exe");
    WriteFile(ProgramFilePath("Clipboard.qbx"), data, size);
    WriteFile(ProgramFilePath("Fuzz.qbx"), data, size);
    g_allocLimit = size + (1 << 20);

    CPreferences prefs;
    ClipList active;
    LoadActiveCollection(prefs, active, ScreenSize{1024, 768});

    auto node = LoadCollection("Fuzz");
    for (auto& item : node->children) {
        item->LoadText();
        item->GetPreviewSize();
        item->Materialize();
        item->GetPreviewSize();
    }
    g_allocLimit = SIZE_MAX;
    return 0;
}
