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
        return doc.path + ": only " + std::to_string(r.fileSize) +
               " bytes, too short for a collection file";
    case QbxFileStatus::Foreign:
        return doc.path + ": not a collection file (it does not begin with \"QBX_2.9\")";
    case QbxFileStatus::Valid:
        break;
    }
    if (!r.whole && r.stopAt == kQbxPrefsOffset)
        return doc.path + ": the preference block is cut off (the file has " +
               std::to_string(r.fileSize) + " bytes)";
    return std::string();
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
    doc.path = path;
    doc.layout = layout;
    doc.items.clear();
    doc.read = ReadQbxFile(path, layout, &doc.prefs, doc.items, content);
    std::string problem = Problem(doc);
    if (problem.empty())
        return true;
    Complain(problem);
    return false;
}

bool ReadDocumentForChange(const std::string& path, QbxLayout layout, QbxDocument& doc) {
    doc.path = path;
    doc.layout = layout;
    if (!files::Exists(path)) {
        doc.prefs = CPreferences();
        doc.items.clear();
        return true;
    }
    if (!ReadDocument(path, layout, RecordContent::Keep, doc))
        return false;
    if (!doc.read.whole) {
        Complain(CutRecordMessage(doc) + "; the file was not changed");
        return false;
    }
    return true;
}

bool WriteDocument(QbxDocument& doc) {
    if (WriteQbxFile(doc.path, doc.layout, doc.prefs, doc.items))
        return true;
    Complain(doc.path + ": could not write the file; it was left as it was");
    return false;
}

std::string CutRecordMessage(const QbxDocument& doc) {
    return doc.path + ": item " + std::to_string(doc.read.records + 1) + " at byte " +
           std::to_string(doc.read.stopAt) + " is incomplete (the file ends at byte " +
           std::to_string(doc.read.fileSize) + ")";
}
