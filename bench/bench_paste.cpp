// Figures for pasting: the whole path from the choice of an entry (the dispatcher) to the
// paste keystrokes sent, through fake ports whose clock returns from its waits at once, so
// the fixed 200 ms waits are not counted. Target: at most 5 ms. Prints figures, never fails.
#include "app/clip_formats.h"
#include "app/dispatch.h"
#include "bench_data.h"
#include "fakes/fake_service_ports.h"
#include "store/collection_file.h"
#include "store/program_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::string Rtf(size_t length, unsigned seed) {
    std::string body = Words(length, seed);
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 ";
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\r')
            continue;
        if (body[i] == '\n')
            rtf += "\\par ";
        else
            rtf += body[i];
        if (i % 200 == 0)
            rtf += "{\\b bold}";
    }
    return rtf + "}";
}

// One paste path timed `runs` times; prints the mean, the median, the slowest and the keys
// the last run sent (a check that the path really pasted).
void Measure(const char* name, int runs, FakeServicePorts& ports,
             const std::function<void()>& choose) {
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        ports.keys.events.clear();
        const Clock::time_point start = Clock::now();
        choose();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms)
        sum += m;
    std::printf("%-44s runs %5d  mean %7.3f ms  median %7.3f ms  max %7.3f ms  keys %zu\n", name,
                runs, sum / runs, ms[ms.size() / 2], ms.back(), ports.keys.events.size());
}

} // namespace

int main() {
    char pattern[] = "/tmp/qbxbench.XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir)
        return 1;
    SetProgramPath(std::string(dir) + "/quillbox.exe");

    FakeServicePorts ports;
    CServiceWnd service(ports.Ports(), 1280, 0);
    ports.window.service = &service;
    g_cfRtf = ports.clipboard.RegisterFormat(CF_NAME_RTF);
    g_cfHtml = ports.clipboard.RegisterFormat(CF_NAME_HTML);
    g_cfFileName = ports.clipboard.RegisterFormat(CF_NAME_FILENAME);
    g_cfDropEffect = ports.clipboard.RegisterFormat(CF_NAME_DROPEFFECT);
    service.m_hWndTarget = 0x10;
    service.m_hWndTargetFocus = 0x11;
    ports.targets.windows = {0x10, 0x11};
    service.m_nMaxItems = 120;

    // A full active collection: texts of 1 KB, a large Rich Text item, a 1024 x 768 picture.
    for (unsigned i = 0; i < 117; ++i)
        service.m_activeList.push_back(CClipItem::FromText(Words(1024, i)));
    service.m_activeList.push_back(CClipItem::FromRtf(Rtf(64 * 1024, 7)));
    service.m_activeList.back()->SetHtml("<p>" + Words(16 * 1024, 8) + "</p>");
    service.m_activeList.push_back(CClipItem::FromDib(Dib(1024, 768), service.m_nBitmapCounter));
    std::string list;
    for (int i = 0; i < 50; ++i)
        list += std::string(dir) + "/file" + std::to_string(i) + ".txt\r\n";
    service.m_activeList.push_back(CClipItem::FromText(list));
    service.m_activeList.back()->type = CLIP_FILES;

    // An external collection of 120 items in its file: a counter and a template at its end.
    ClipList external;
    for (unsigned i = 0; i < 118; ++i)
        external.push_back(CClipItem::FromText(Words(2048, 100 + i)));
    external.push_back(CClipItem::FromText("Invoice #%05d"));
    external.back()->caption = "+1 invoice";
    std::string templ = "On [date]:";
    for (int n = 1; n <= 120; ++n)
        templ += " [" + std::to_string(n) + "]";
    external.push_back(CClipItem::FromText(templ));
    external.back()->caption = "+all items";
    WriteQbxFile(std::string(dir) + "/Bench.qbx", QbxLayout::Collection, CPreferences(), external);
    std::unique_ptr<CClipItem> node = LoadCollection("Bench");
    if (!node || node->children.size() != 120)
        return 1;

    auto choose = [&](CClipItem* item, intptr_t command) {
        service.m_pSelItem = item;
        DispatchEntry(service, 1, command);
    };
    // The item chosen is the last one; a plain paste brings it to the head, so each run
    // takes the item now at the tail.
    Measure("text 1 KB, plain, moved to the head", 2000, ports,
            [&] { choose(service.m_activeList.back().get(), 0); });
    auto find = [&](uint16_t type) {
        for (auto& item : service.m_activeList)
            if (item->type == type)
                return item.get();
        return static_cast<CClipItem*>(nullptr);
    };
    Measure("Rich Text 64 KB + html, plain", 500, ports, [&] { choose(find(CLIP_RTF), 0); });
    Measure("Rich Text 64 KB, Upper", 500, ports, [&] { choose(find(CLIP_RTF), 32775); });
    Measure("picture 1024x768x24", 200, ports, [&] { choose(find(CLIP_BITMAP), 0); });
    Measure("file list of 50 paths", 1000, ports, [&] { choose(find(CLIP_FILES), 0); });
    Measure("external counter, read from a 240 KB file", 1000, ports,
            [&] { choose(node->children[118].get(), 0); });
    Measure("external template of 120 items", 500, ports,
            [&] { choose(node->children[119].get(), 0); });
    std::printf("counter after the runs: %u\n", service.m_nCounter[0]);

    std::string cmd = std::string("rm -rf '") + dir + "'";
    return std::system(cmd.c_str()) == 0 ? 0 : 1;
}
