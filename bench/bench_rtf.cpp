// Speed of the Rich Text reader on a large generated document, against `unrtf --text` on
// the same file when that program is installed. Prints figures; never fails on time.
#include "store/rtf_text.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

class Random {
public:
    uint32_t Next(uint32_t n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state_ >> 33) % n;
    }

private:
    uint64_t state_ = 42;
};

const char* const kWords[] = {"the",      "clipboard", "keeps",    "every",   "cut",
                              "report",   "quarter",   "figures",  "rose",    "sharply",
                              "meeting",  "Tuesday",   "schedule", "project", "window",
                              "document", "paragraph", "with",     "and",     "of"};

void AppendWord(std::string& doc, Random& rnd) {
    switch (rnd.Next(40)) {
    case 0:
        doc += "\\b bold\\b0 ";
        return;
    case 1:
        doc += "\\i emphasis\\i0 ";
        return;
    case 2:
        doc += "{\\cf2\\ul red note}";
        return;
    case 3:
        doc += "Caf\\'e9 na\\'efve ";
        return;
    case 4:
        doc += "{\\f2\\lang1049 \\u1055\\'cf\\u1088\\'f0\\u1080\\'e8} ";
        return;
    case 5:
        doc += "\\ldblquote quoted\\rdblquote  ";
        return;
    case 6:
        doc += "\\tab ";
        return;
    case 7:
        doc += "{\\*\\bkmkstart mark}";
        return;
    default:
        doc += kWords[rnd.Next(20)];
        doc += ' ';
    }
}

void AppendPicture(std::string& doc, Random& rnd) {
    static const char kHex[] = "0123456789abcdef";
    doc += "{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\pngblip\\picw64"
           "\\pich64\\picwgoal960\\pichgoal960\r\n";
    for (int line = 0; line < 64; ++line) {
        for (int i = 0; i < 64; ++i)
            doc += kHex[rnd.Next(16)];
        doc += "\r\n";
    }
    doc += "}\\par\r\n";
}

std::string MakeDocument(size_t targetBytes) {
    Random rnd;
    std::string doc =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
        "Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f2\\fnil\\fcharset204 "
        "Tahoma;}}\r\n{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green112"
        "\\blue192;}\r\n{\\stylesheet{\\s0 Normal;}{\\s1\\b\\fs32 heading 1;}}\r\n"
        "{\\info{\\title Bench}{\\author Quillbox}{\\creatim\\yr2004\\mo5\\dy1}}\r\n"
        "{\\*\\generator Bench 1.0;}\\viewkind4\\uc1\r\n";
    doc.reserve(targetBytes + 8192);
    for (unsigned para = 0; doc.size() < targetBytes; ++para) {
        if (para % 50 == 49) {
            AppendPicture(doc, rnd);
            continue;
        }
        doc += para % 20 == 0 ? "\\pard\\plain\\s1\\sb240\\b\\f0\\fs32 "
                              : "\\pard\\plain\\s0\\sa120\\f1\\fs22 ";
        const uint32_t words = 20 + rnd.Next(120);
        for (uint32_t w = 0; w < words; ++w)
            AppendWord(doc, rnd);
        doc += "\\par\r\n";
    }
    doc += "}\r\n";
    return doc;
}

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

} // namespace

int main() {
    const std::string doc = MakeDocument(20u << 20);
    // unrtf writes the pictures it meets into its working folder, so it runs in one of its own.
    char dirTemplate[] = "/tmp/qbx_bench_rtf_XXXXXX";
    if (mkdtemp(dirTemplate) == nullptr) {
        std::perror("temporary folder");
        return 1;
    }
    const std::filesystem::path dir = dirTemplate;
    const std::string path = (dir / "bench.rtf").string();
    std::ofstream(path, std::ios::binary)
        .write(doc.data(), static_cast<std::streamsize>(doc.size()));
    const double mb = static_cast<double>(doc.size()) / 1e6;
    std::printf("document: %.1f MB in %s\n", mb, path.c_str());

    double best = 1e9;
    size_t outSize = 0;
    bool ok = false;
    for (int run = 0; run < 5; ++run) {
        std::string text;
        const auto start = Clock::now();
        ok = ExtractRtfText(doc.data(), doc.size(), text);
        best = std::min(best, Seconds(start));
        outSize = text.size();
    }
    std::printf("quillbox reader: %s, %.1f MB of text, best of 5 %.3f s = %.0f MB/s\n",
                ok ? "read" : "FAILED", static_cast<double>(outSize) / 1e6, best, mb / best);

    if (std::system("command -v unrtf >/dev/null 2>&1") != 0) {
        std::printf("unrtf: not installed, no comparison\n");
    } else {
        const std::string cmd =
            "cd '" + dir.string() + "' && unrtf --text bench.rtf >/dev/null 2>&1";
        const auto start = Clock::now();
        const int rc = std::system(cmd.c_str());
        const double t = Seconds(start);
        std::printf("unrtf --text: exit %d, %.3f s = %.1f MB/s\n", rc, t, mb / t);
        std::printf("ratio: quillbox reader is %.1fx faster than unrtf\n", t / best);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
