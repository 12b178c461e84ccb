// qbx list FILE
#include "qbx_tool.h"

namespace {

// A caption on one line of the list: control characters written as escapes, so that each
// item stays one line of tab-separated fields. Backslashes stay: file captions are paths.
std::string OnOneLine(const std::string& caption) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : caption) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == 0)
            out += "\\0";
        else if (c < 0x20 || c == 0x7F)
            out += std::string("\\x") + kHex[c >> 4] + kHex[c & 0xF];
        else
            out += static_cast<char>(c);
    }
    return out;
}

} // namespace

int CmdList(Args args) {
    LayoutChoice choice = TakeLayoutOption(args);
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() != 1) {
        Complain("usage: qbx list FILE");
        return kExitUsage;
    }
    QbxDocument doc;
    if (!ReadDocument(args[0], LayoutFor(choice, args[0]), RecordContent::Drop, doc))
        return kExitBadInput;
    std::string out;
    for (size_t i = 0; i < doc.items.size(); ++i) {
        const CClipItem& item = *doc.items[i];
        out += std::to_string(i + 1) + '\t' + TypeName(item.type) + '\t' +
               std::to_string(item.size) + '\t' + OnOneLine(item.caption) + '\n';
    }
    if (!WriteStdout(out))
        return kExitBadInput;
    return FinishReading(doc);
}
