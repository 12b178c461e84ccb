// Figures for the collection files: loading a large external collection (time, peak and
// held memory) and saving a full active collection (time). Prints figures, never fails.
#include "bench_data.h"
#include "store/collection_file.h"
#include "store/program_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::atol(line.c_str() + key.size());
    return -1;
}

// Starts a new peak: VmHWM falls back to the current resident size.
void ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

// 10,000 items: texts of 20 bytes to 4 KB, Rich Text, file lists and 32 x 32 bitmaps.
ClipList MixedItems(size_t count) {
    ClipList items;
    uint8_t counter = 0;
    for (size_t i = 0; i < count; ++i) {
        unsigned seed = static_cast<unsigned>(i);
        switch (i % 4) {
        case 0:
            items.push_back(CClipItem::FromText(Words(20 + (i * 37) % 4000, seed)));
            break;
        case 1:
            items.push_back(CClipItem::FromRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 " +
                                               Words(100 + i % 900, seed) + "\\par end}"));
            items.back()->SetHtml("<p>" + Words(200, seed) + "</p>");
            break;
        case 2: {
            std::string list = "C:\\docs\\report" + std::to_string(i) + ".doc";
            list += '\0';
            list += "C:\\docs\\notes.txt";
            list += '\0';
            list += '\0';
            items.push_back(CClipItem::FromFileList(reinterpret_cast<const uint8_t*>(list.data()),
                                                    list.size(), false));
            break;
        }
        default:
            items.push_back(CClipItem::FromDib(Dib(32, 32), counter));
        }
    }
    return items;
}

size_t HeldBytes(const CClipItem& node) {
    size_t n = sizeof node + node.children.capacity() * sizeof(node.children[0]);
    for (const auto& c : node.children) {
        n += sizeof *c + c->dib.capacity();
        for (const std::string* s : {&c->caption, &c->text, &c->html, &c->preview})
            if (s->capacity() > 15)
                n += s->capacity() + 1;
    }
    return n;
}

void BenchLoad(const std::string& dir) {
    const size_t count = 10000;
    {
        ClipList items = MixedItems(count);
        if (!WriteQbxFile(dir + "/Bench.qbx", QbxLayout::Collection, CPreferences(), items)) {
            std::printf("could not write the collection\n");
            return;
        }
    }
    malloc_trim(0);
    std::FILE* f = std::fopen((dir + "/Bench.qbx").c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    long fileSize = std::ftell(f);
    std::fclose(f);

    // Memory: one load from a settled heap.
    long rssBefore = StatusKb("VmRSS");
    ResetPeak();
    auto node = LoadCollection("Bench");
    long peak = StatusKb("VmHWM");
    long rssAfter = StatusKb("VmRSS");
    std::printf("load %zu mixed items (file %.1f MB): %zu items read\n", count,
                fileSize / 1048576.0, node->children.size());
    std::printf("  peak memory during load: %.2f MB above the start (VmHWM - VmRSS)\n",
                (peak - rssBefore) / 1024.0);
    std::printf("  memory held after load: %.2f MB resident, %.2f MB counted in the items\n",
                (rssAfter - rssBefore) / 1024.0, HeldBytes(*node) / 1048576.0);
    node.reset();

    std::vector<double> times;
    for (int run = 0; run < 15; ++run) {
        auto t0 = Clock::now();
        auto n = LoadCollection("Bench");
        times.push_back(Ms(Clock::now() - t0));
    }
    std::sort(times.begin(), times.end());
    std::printf("  time: median %.1f ms, best %.1f ms, worst %.1f ms (15 runs, file cached)\n",
                times[times.size() / 2], times.front(), times.back());
}

void BenchSave(const std::string& dir) {
    CPreferences prefs;
    prefs.m_nMaxItems = 120;
    ClipList items;
    for (int i = 0; i < 120; ++i)
        items.push_back(CClipItem::FromText(Words(65536, static_cast<unsigned>(i))));
    SetProgramPath(dir + "/quillbox.exe");

    std::vector<double> total, serialize;
    for (int run = 0; run < 10; ++run) {
        auto t0 = Clock::now();
        bool ok = SaveActiveCollection(prefs, items).saved;
        total.push_back(Ms(Clock::now() - t0));
        if (!ok)
            std::printf("  save failed\n");

        // The same bytes into a temporary file, without syncing or replacing.
        t0 = Clock::now();
        std::FILE* f = std::tmpfile();
        QbxWriter out(f);
        for (auto& item : items)
            WriteItemRecord(out, *item);
        std::fflush(f);
        serialize.push_back(Ms(Clock::now() - t0));
        std::fclose(f);
    }
    // What a save reads first to learn whether the previous file must be kept aside.
    std::vector<double> check;
    for (int run = 0; run < 10; ++run) {
        auto t0 = Clock::now();
        CheckQbxFile(dir + "/Clipboard.qbx");
        check.push_back(Ms(Clock::now() - t0));
    }
    std::sort(check.begin(), check.end());
    std::sort(total.begin(), total.end());
    std::sort(serialize.begin(), serialize.end());
    std::printf("save full active collection (120 items of 64 KB, %.1f MB):\n",
                120 * 65536 / 1048576.0);
    std::printf("  SaveActiveCollection (temp file, fsync, replace): median %.1f ms, best %.1f "
                "ms, worst %.1f ms\n",
                total[total.size() / 2], total.front(), total.back());
    std::printf("  records written to a file without fsync: median %.1f ms, best %.1f ms\n",
                serialize[serialize.size() / 2], serialize.front());
    std::printf("  of which the check of the previous file (CheckQbxFile): median %.2f ms\n",
                check[check.size() / 2]);
}

} // namespace

int main() {
    char pattern[] = "/tmp/qbxbench.XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made)
        return 1;
    std::string dir = made;
    SetProgramPath(dir + "/quillbox.exe");
    BenchLoad(dir);
    BenchSave(dir);
    std::string cmd = "rm -rf '" + dir + "'";
    return std::system(cmd.c_str()) == 0 ? 0 : 1;
}
