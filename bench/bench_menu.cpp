// Figures for the main menu: building its model and measuring every entry for 127 active
// items and 100 external collections of 1,000 items each, whose contents stay in their
// files. Counts the files opened meanwhile (there should be none). Then opening the menu
// over one collection of 200,000 tiny items beside a collection of 10. Prints, never fails.
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "bench_data.h"
#include "store/collection_file.h"
#include "store/collection_list.h"
#include "store/program_files.h"
#include "store/text_rules.h"
#include "ui/entry_look.h"
#include "ui/menu_model.h"

namespace {
int g_opens = 0; // fopen calls while counting

// 1,000 items: texts of 40 bytes to 2 KB, some with HTML, every tenth a small bitmap, and
// a few with schedules and counter captions.
ClipList CollectionItems(unsigned seed) {
    ClipList items;
    uint8_t counter = 0;
    for (unsigned i = 0; i < 1000; ++i) {
        if (i % 10 == 9) {
            items.push_back(CClipItem::FromDib(Dib(24, 16), counter));
            continue;
        }
        items.push_back(CClipItem::FromText(Words(40 + (i * 53 + seed) % 2000, seed + i)));
        if (i % 7 == 0)
            items.back()->SetHtml("<p>" + Words(300, i) + "</p>");
        if (i % 100 == 1)
            items.back()->caption = "Clock <*:*,*,*,* *:* 00:15,* *:*,*,*,* 02>";
        if (i % 100 == 2)
            items.back()->caption = "+1Invoice %04u";
    }
    return items;
}

// Stand-in for the DC's text measuring: 6 pixels a character, 13 high.
EntrySize Measure(const MenuEntry& entry, const LocalTime& now) {
    const EntryMeasure m = MeasureOf(entry, now);
    return SizeOf(m, 6 * static_cast<int>(m.text.size()), 13, 1280, false);
}

// Measures the entries of one popup, as the system does when it opens it; with `all` also
// those of every submenu, as if every one were opened.
long MeasureEntries(const MenuModel& model, const LocalTime& now, bool all) {
    long width = 0;
    for (const MenuEntry& e : model.entries) {
        width += Measure(e, now).width;
        if (all && e.submenu)
            width += MeasureEntries(*e.submenu, now, all);
    }
    return width;
}

// Works out the look of every entry, as drawing each of them once would.
long LookEntries(const MenuModel& model, const LookContext& context) {
    long n = 0;
    for (const MenuEntry& e : model.entries) {
        n += static_cast<long>(LookOf(e, false, context).text.size());
        if (e.submenu)
            n += LookEntries(*e.submenu, context);
    }
    return n;
}

size_t StillInFiles(const ClipList& collections) {
    size_t n = 0;
    for (const auto& c : collections)
        for (const auto& item : c->children)
            if (item->fileOffset != 0 && item->text.empty() && item->dib.empty())
                ++n;
    return n;
}

void Report(const char* what, std::vector<double> times);

// A folder of its own as the program folder; removed by the caller.
std::string ProgramFolder() {
    char pattern[] = "/tmp/qbxmenubench.XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made)
        return std::string();
    SetProgramPath(std::string(made) + "/quillbox.exe");
    return made;
}

long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

bool WriteTinyCollection(const std::string& dir, const std::string& name, unsigned count) {
    ClipList items;
    for (unsigned i = 0; i < count; ++i)
        items.push_back(CClipItem::FromText(std::to_string(i % 100)));
    return WriteQbxFile(dir + "/" + name + ".qbx", QbxLayout::Collection, CPreferences(), items);
}

// Opening the menu over one collection of 200,000 items, and over one of 10: the model is
// built, the top level measured, and the collection's submenu opened and measured. Every
// entry of the model becomes a system menu entry (their cost grows faster than their count).
int BigCollection() {
    const std::string dir = ProgramFolder();
    if (dir.empty() || !WriteTinyCollection(dir, "Big", 200000) ||
        !WriteTinyCollection(dir, "Small", 10))
        return 1;
    std::vector<double> load;
    ClipList collections;
    for (int run = 0; run < 5; ++run) {
        collections.clear();
        const auto t0 = Clock::now();
        LoadCollections(collections);
        load.push_back(Ms(Clock::now() - t0));
    }
    std::sort(collections.begin(), collections.end(),
              [](const auto& a, const auto& b) { return a->caption < b->caption; });
    std::printf("menu over one big collection: %zu and %zu items (%ld bytes)\n",
                collections[0]->children.size(), collections[1]->children.size(),
                FileSize(dir + "/Big.qbx"));
    Report("load both collections at start-up", load);

    const ClipList active;
    LocalTime now;
    long sink = 0;
    for (size_t c = 0; c < collections.size(); ++c) {
        ClipList one;
        one.push_back(std::move(collections[c]));
        std::vector<double> opening;
        size_t entries = 0;
        for (int run = 0; run < 21; ++run) {
            const auto t0 = Clock::now();
            MenuModel shown = BuildMainMenu({active, one, OPT_DEFAULTS});
            sink += MeasureEntries(shown, now, false);
            sink += MeasureEntries(*shown.entries.front().submenu, now, false);
            opening.push_back(Ms(Clock::now() - t0));
            entries = CountEntries(shown);
        }
        const std::string what = "open the menu and the submenu of \"" + one[0]->caption + "\" (" +
                                 std::to_string(entries) + " entries)";
        Report(what.c_str(), opening);
    }
    std::printf("  (checksum %ld)\n", sink % 1000);
    const std::string cmd = "rm -rf '" + dir + "'";
    return std::system(cmd.c_str()) == 0 ? 0 : 1;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("  %s: median %.3f ms, best %.3f ms, worst %.3f ms (%zu runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), times.size());
}
} // namespace

// Every fopen of the program's code comes here while the benchmark runs.
extern "C" FILE* fopen(const char* path, const char* mode) {
    using Real = FILE* (*)(const char*, const char*);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "fopen"));
    ++g_opens;
    return real ? real(path, mode) : nullptr;
}

int main() {
    const std::string dir = ProgramFolder();
    if (dir.empty())
        return 1;

    for (unsigned c = 0; c < 100; ++c) {
        const std::string name = "Collection " + std::to_string(c);
        ClipList items = CollectionItems(c);
        if (!WriteQbxFile(dir + "/" + name + ".qbx", QbxLayout::Collection, CPreferences(),
                          items)) {
            std::printf("could not write %s\n", name.c_str());
            return 1;
        }
    }
    ClipList active, collections;
    for (unsigned i = 0; i < 127; ++i)
        active.push_back(CClipItem::FromText(Words(20 + i * 7, i)));
    LoadCollections(collections);
    size_t items = 0;
    for (const auto& c : collections)
        items += c->children.size();
    std::printf("main menu: 127 active items, %zu collections with %zu items\n", collections.size(),
                items);
    std::printf("  items whose content stays in their files before: %zu\n",
                StillInFiles(collections));

    const uint16_t counters[3] = {41, 7, 9};
    LookContext context;
    context.now.year = 2024, context.now.month = 5, context.now.day = 17;
    context.counters = counters;
    const uint32_t options = OPT_DEFAULTS | OPT_EXT_TIME;

    std::vector<double> build, opening, measureAll, lookAll;
    size_t entries = 0;
    long sink = 0;
    g_opens = 0;
    for (int run = 0; run < 21; ++run) {
        auto t0 = Clock::now();
        MenuModel model = BuildMainMenu({active, collections, options});
        build.push_back(Ms(Clock::now() - t0));
        entries = CountEntries(model);

        // Opening the menu: the model is built and the system measures its top level.
        t0 = Clock::now();
        MenuModel shown = BuildMainMenu({active, collections, options});
        sink += MeasureEntries(shown, context.now, false);
        opening.push_back(Ms(Clock::now() - t0));

        t0 = Clock::now();
        sink += MeasureEntries(shown, context.now, true);
        measureAll.push_back(Ms(Clock::now() - t0));
        t0 = Clock::now();
        sink += LookEntries(shown, context);
        lookAll.push_back(Ms(Clock::now() - t0));
    }
    const int opens = g_opens;
    std::printf("  entries per menu (all submenus): %zu\n", entries);
    Report("build the model with every submenu", build);
    Report("open: build the model and measure its top level", opening);
    Report("measure every entry of every submenu (all opened)", measureAll);
    Report("texts and pictures of every entry (all drawn once)", lookAll);
    std::printf("  files opened while building, measuring and looking up: %d\n", opens);
    std::printf("  items whose content stays in their files after: %zu (checksum %ld)\n",
                StillInFiles(collections), sink % 1000);

    const std::string cmd = "rm -rf '" + dir + "'";
    if (std::system(cmd.c_str()) != 0)
        return 1;
    return BigCollection();
}
