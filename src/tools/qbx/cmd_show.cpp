// qbx show FILE N [--raw | --html]
#include "qbx_tool.h"

#include "bmp_file.h"
#include "store/rtf_text.h"

namespace {

// A positive decimal number; 0 when `s` is not one.
size_t ParseItemNumber(const std::string& s) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<size_t>(std::stoul(s));
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
        if (!doc.read.whole && number == doc.items.size() + 1)
            Complain(CutRecordMessage(doc));
        else
            Complain(path + " has " + std::to_string(doc.items.size()) +
                     " items; there is no item " + args[1]);
        return kExitBadInput;
    }

    const CClipItem& item = *doc.items[number - 1];
    std::string out;
    if (html) {
        out = item.html;
    } else if (item.IsTextLike()) {
        out = item.type == CLIP_RTF && !raw ? RtfPlainText(item.text) : item.text;
    } else if (item.type == CLIP_BITMAP && !raw) {
        if (item.dib.empty()) {
            Complain("item " + args[1] + " holds no picture");
            return kExitBadInput;
        }
        if (!DibToBmpFile(item.dib, out)) {
            Complain("item " + args[1] + " holds no bitmap that a .bmp file can show " +
                     "(qbx show --raw gives its bytes)");
            return kExitBadInput;
        }
    } else {
        out.assign(item.dib.begin(), item.dib.end());
    }
    return WriteStdout(out) ? kExitOk : kExitBadInput;
}
