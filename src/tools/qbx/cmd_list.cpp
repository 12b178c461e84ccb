// qbx list FILE
#include "qbx_tool.h"

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
               std::to_string(item.size) + '\t' + item.caption + '\n';
    }
    if (!WriteStdout(out))
        return kExitBadInput;
    return FinishReading(doc);
}
