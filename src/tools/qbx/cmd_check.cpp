// qbx check FILE
#include "qbx_tool.h"

namespace {

// Walks the incomplete record at `at` field by field to name the one the file ends in.
std::string WhereItEnds(const QbxDocument& doc) {
    FilePtr f = OpenForReading(doc.path);
    QbxReader in(f.get());
    uint64_t fieldAt = doc.read.stopAt;
    const char* field = "caption";
    std::string s;
    uint16_t type = 0;
    if (in.Seek(fieldAt) && in.ReadString(s)) {
        fieldAt = in.Tell();
        field = "type word";
        if (in.ReadU16(type)) {
            fieldAt = in.Tell();
            bool textLike = IsTextLikeType(type);
            field = textLike ? "text" : "DIB length word";
            uint32_t length = 0;
            bool contentWhole = textLike ? in.ReadString(s) : in.ReadU32(length);
            if (contentWhole && !textLike) {
                fieldAt = in.Tell();
                field = "DIB";
                contentWhole = in.Skip(length);
            }
            if (contentWhole) {
                fieldAt = in.Tell();
                field = "html";
            }
        }
    }
    const std::string where = fieldAt >= doc.read.fileSize
                                  ? "where its " + std::string(field) + " should begin"
                                  : "inside its " + std::string(field) + ", which begins at byte " +
                                        std::to_string(fieldAt);
    return doc.path + ": item " + std::to_string(doc.read.records + 1) + " at byte " +
           std::to_string(doc.read.stopAt) + " is incomplete: the file ends at byte " +
           std::to_string(doc.read.fileSize) + ", " + where;
}

} // namespace

int CmdCheck(Args args) {
    LayoutChoice choice = TakeLayoutOption(args);
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() != 1) {
        Complain("usage: qbx check FILE");
        return kExitUsage;
    }
    QbxDocument doc;
    if (!ReadDocument(args[0], LayoutFor(choice, args[0]), RecordContent::Drop, doc))
        return kExitBadInput;
    if (!doc.read.whole) {
        Complain(WhereItEnds(doc));
        return kExitBadInput;
    }
    bool ok = WriteStdout(doc.path + ": whole, " + Counted(doc.read.records, "item") + ", " +
                          Counted(doc.read.fileSize, "byte") + "\n");
    return ok ? kExitOk : kExitBadInput;
}
