// Opening, checking and writing back the file a qbx command works on.
#include "qbx_tool.h"

#include "platform/files.h"
#include "store/no_case.h"
#include "store/program_files.h"

namespace {

std::string BaseName(const std::string& path) {
    size_t sep = path.find_last_of("\\/");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

// Says what keeps `doc` from being read; empty when it is a valid file with a whole block.
std::string Problem(const QbxDocument& doc) {
    const QbxReadResult& r = doc.read;
    switch (r.status) {
    case QbxFileStatus::Missing:
        return files::Exists(doc.path) ? doc.path + ": cannot open the file"
                                       : doc.path + ": no such file";
    case QbxFileStatus::Short:
        if (r.fileSize == 0)
            return doc.path + ": empty file";
        return doc.path + ": only " + Counted(r.fileSize, "byte") +
               ", too short for a collection file";
    case QbxFileStatus::Foreign:
        return doc.path + ": not a collection file (it does not begin with \"QBX_2.9\")";
    case QbxFileStatus::Valid:
        break;
    }
    if (!r.whole && r.stopAt == kQbxPrefsOffset)
        return CutFileMessage(doc);
    return std::string();
}

// Reads `path` into `doc`; says what is wrong (empty when nothing is) without a message.
std::string Load(const std::string& path, QbxLayout layout, RecordContent content,
                 QbxDocument& doc) {
    doc.path = path;
    doc.layout = layout;
    doc.items.clear();
    doc.read = QbxReadResult();
    // A folder opens as a file on some systems and then reads as garbage or nothing.
    if (files::IsFolder(path))
        return path + ": is a directory, not a file";
    doc.read = ReadQbxFile(path, layout, &doc.prefs, doc.items, content);
    return Problem(doc);
}

} // namespace

LayoutChoice TakeLayoutOption(Args& args) {
    LayoutChoice choice = LayoutChoice::ByName;
    if (TakeFlag(args, "--active"))
        choice = LayoutChoice::Active;
    if (TakeFlag(args, "--collection"))
        choice = LayoutChoice::Collection;
    return choice;
}

QbxLayout LayoutFor(LayoutChoice choice, const std::string& path) {
    if (choice == LayoutChoice::ByName)
        return EqualsNoCase(BaseName(path), ACTIVE_COLLECTION_FILE) ? QbxLayout::Active
                                                                    : QbxLayout::Collection;
    return choice == LayoutChoice::Active ? QbxLayout::Active : QbxLayout::Collection;
}

void UseFolderOf(const std::string& path) {
    size_t sep = path.find_last_of("\\/");
    SetProgramPath(sep == std::string::npos ? "qbx" : path.substr(0, sep + 1) + "qbx");
}

bool ReadDocument(const std::string& path, QbxLayout layout, RecordContent content,
                  QbxDocument& doc) {
    std::string problem = Load(path, layout, content, doc);
    if (problem.empty())
        return true;
    Complain(problem);
    return false;
}

bool ReadDocumentForChange(const std::string& path, QbxLayout layout, QbxDocument& doc) {
    if (!files::Exists(path) && !files::IsFolder(path)) {
        doc.path = path;
        doc.layout = layout;
        doc.prefs = CPreferences();
        doc.items.clear();
        return true;
    }
    std::string problem = Load(path, layout, RecordContent::Keep, doc);
    if (problem.empty() && !doc.read.whole)
        problem = CutFileMessage(doc);
    if (problem.empty())
        return true;
    Complain(files::IsFolder(path) ? problem : problem + "; the file was not changed");
    return false;
}

bool WriteDocument(QbxDocument& doc) {
    if (WriteQbxFile(doc.path, doc.layout, doc.prefs, doc.items))
        return true;
    Complain(doc.path + ": could not write the file; it was left as it was");
    return false;
}

int FinishReading(const QbxDocument& doc) {
    if (doc.read.whole)
        return kExitOk;
    Complain(CutFileMessage(doc));
    return kExitBadInput;
}

std::string CutFileMessage(const QbxDocument& doc) {
    const QbxReadResult& r = doc.read;
    const std::string part = r.stopAt == kQbxPrefsOffset ? std::string("the preference block")
                                                         : "item " + std::to_string(r.records + 1);
    return doc.path + ": " + part + " at byte " + std::to_string(r.stopAt) +
           " is incomplete (the file ends at byte " + std::to_string(r.fileSize) + ")";
}
