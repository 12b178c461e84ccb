// qbx show FILE N [--raw | --html]
// Text comes as UTF-8; --raw gives the stored bytes (UTF-16 where the file holds that form).
#include "qbx_tool.h"

#include "store/bitmap_file.h"
#include "store/wide_text.h"

#include <cstdio>

namespace {

// The units as the file stores them: UTF-16, little-endian.
std::string Utf16Bytes(const std::u16string& units) {
    std::string out;
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

// A positive decimal number; 0 when `s` is not one.
size_t ParseItemNumber(const std::string& s) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<size_t>(std::stoul(s));
}

// Writes the item's content to standard output; false (with a message) when it cannot.
bool WriteItem(const CClipItem& item, const std::string& number, bool raw, bool html) {
    if (html)
        return WriteStdout(item.html);
    if (item.IsTextLike() && raw)
        return WriteStdout(item.wideText.empty() ? item.text : Utf16Bytes(item.wideText));
    if (item.IsTextLike())
        return WriteStdout(Utf8FromWide(item.WidePlainText()));
    if (item.type != CLIP_BITMAP || raw)
        return WriteStdout(std::string(item.dib.begin(), item.dib.end()));
    if (item.dib.empty()) {
        Complain("item " + number + " holds no picture");
        return false;
    }
    if (!BitmapFileLayoutOf(item.dib.data(), item.dib.size()).valid) {
        Complain("item " + number + " holds no bitmap that a bitmap file can show " +
                 "(qbx show --raw gives its bytes)");
        return false;
    }
    if (WriteBitmapFile(stdout, item.dib.data(), item.dib.size()) && std::fflush(stdout) == 0)
        return true;
    Complain("cannot write to standard output");
    return false;
}

} // namespace

int CmdShow(Args args) {
    LayoutChoice choice = TakeLayoutOption(args);
    bool raw = TakeFlag(args, "--raw");
    bool html = TakeFlag(args, "--html");
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() != 2 || (raw && html)) {
        Complain("usage: qbx show FILE N [--raw | --html]");
        return kExitUsage;
    }
    const std::string& path = args[0];
    size_t number = ParseItemNumber(args[1]);
    if (number == 0) {
        Complain("bad item number \"" + args[1] + "\" (items are numbered from 1)");
        return kExitBadInput;
    }
    QbxDocument doc;
    if (!ReadDocument(path, LayoutFor(choice, path), RecordContent::Keep, doc))
        return kExitBadInput;
    if (number > doc.items.size()) {
        if (!doc.read.whole)
            Complain(CutFileMessage(doc) + ", so item " + args[1] + " cannot be shown");
        else
            Complain(path + " has " + Counted(doc.items.size(), "item") + "; there is no item " +
                     args[1]);
        return kExitBadInput;
    }
    if (!WriteItem(*doc.items[number - 1], args[1], raw, html))
        return kExitBadInput;
    return FinishReading(doc);
}
