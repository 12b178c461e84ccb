#include "store/collection_file.h"

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/program_files.h"
#include "store/safe_file.h"

#include <algorithm>
#include <vector>

namespace {

void WriteHeader(QbxWriter& out, const CPreferences& prefs, QbxLayout layout) {
    WriteMagic(out);
    PrefBlock block = EncodePrefBlock(prefs, layout);
    out.WriteBytes(block.data(), block.size());
}

// What saving a collection does to an item whose content was copied from the previous
// file; applied only once the new file is in place.
struct MovedContent {
    CClipItem* item;
    uint32_t newOffset;
    std::string html;
    bool lost; // written as the "Error! ..." text item
};

enum class CopyResult { Copied, NotFound, Failed };

// Copies the content of an item that still lies in the previous file `src` into a new
// record. NotFound when the previous file does not hold it (nothing is written then);
// Failed when reading or writing broke off in the middle.
CopyResult CopyRecord(QbxReader& src, bool srcCurrent, QbxWriter& out, const CClipItem& item,
                      MovedContent& moved) {
    if (!src.Ok() || src.Size() <= item.fileOffset || !src.Seek(item.fileOffset))
        return CopyResult::NotFound;
    std::string html;
    if (IsTextLikeType(item.type)) {
        std::string text;
        if (!src.ReadString(text))
            return CopyResult::NotFound;
        if (srcCurrent && !src.ReadString(html))
            html = item.html;
        moved.newOffset =
            static_cast<uint32_t>(WriteRecordParts(out, item.caption, item.type, text, {}, html));
    } else {
        uint32_t length;
        if (!src.ReadU32(length) || length > src.Remaining())
            return CopyResult::NotFound; // a short DIB would make a record that lies
        out.WriteString(item.caption);
        out.WriteU16(item.type);
        moved.newOffset = static_cast<uint32_t>(out.Tell());
        out.WriteU32(length);
        std::vector<uint8_t> buf(std::min<uint32_t>(length, 1 << 16));
        for (uint32_t left = length; left > 0;) {
            uint32_t n = std::min<uint32_t>(left, static_cast<uint32_t>(buf.size()));
            if (!src.ReadBytes(buf.data(), n))
                return CopyResult::Failed;
            out.WriteBytes(buf.data(), n);
            left -= n;
        }
        if (srcCurrent && !src.ReadString(html))
            html = item.html;
        out.WriteString(html);
    }
    moved.html = html;
    return out.Ok() ? CopyResult::Copied : CopyResult::Failed;
}

} // namespace

std::string CollectionPath(const std::string& name, const std::string& extension) {
    return ProgramFilePath(name + extension);
}

QbxReadResult ReadQbxFile(const std::string& path, QbxLayout layout, CPreferences* prefs,
                          ClipList& items, RecordContent content) {
    QbxReadResult r;
    FilePtr f = OpenForReading(path);
    QbxReader in(f.get());
    if (!in.Ok())
        return r;
    r.fileSize = in.Size();
    if (r.fileSize < kQbxMinFileSize) {
        r.status = QbxFileStatus::Short;
        return r;
    }
    if (!ReadExactMagic(in)) {
        r.status = QbxFileStatus::Foreign;
        return r;
    }
    r.status = QbxFileStatus::Valid;
    PrefBlock block;
    if (!in.ReadBytes(block.data(), block.size())) {
        r.stopAt = kQbxPrefsOffset;
        return r;
    }
    if (prefs)
        DecodePrefBlock(block, layout, *prefs);
    while (in.Remaining() > 0) {
        uint64_t start = in.Tell();
        auto item = std::make_unique<CClipItem>();
        if (!ReadItemRecord(in, *item, content)) {
            r.stopAt = start; // the incomplete record is dropped, the ones before kept
            return r;
        }
        if (content == RecordContent::Keep)
            item->fileOffset = 0;
        items.push_back(std::move(item));
        ++r.records;
    }
    r.whole = true;
    return r;
}

bool WriteQbxFile(const std::string& path, QbxLayout layout, const CPreferences& prefs,
                  ClipList& items) {
    SafeFileWriter file(path);
    if (!file.File())
        return false;
    QbxWriter out(file.File());
    WriteHeader(out, prefs, layout);
    for (auto& item : items) {
        item->Materialize(); // an item must never be written without its content
        if (!WriteItemRecord(out, *item))
            return false;
    }
    return out.Ok() && file.Commit();
}

void LoadActiveCollection(CPreferences& prefs, ClipList& activeList, ScreenSize screen) {
    CPreferences read = prefs;
    QbxReadResult r = ReadQbxFile(ProgramFilePath(ACTIVE_COLLECTION_FILE), QbxLayout::Active, &read,
                                  activeList, RecordContent::Keep);
    if (r.status == QbxFileStatus::Missing) {
        activeList.push_back(CClipItem::FromText(LoadUiString(IDS_ACTIVE_CREATED)));
        return;
    }
    // A file too short to hold the whole block leaves the preferences as they were.
    if (r.status == QbxFileStatus::Valid && r.stopAt != kQbxPrefsOffset) {
        CorrectPreferences(read, screen);
        prefs = read;
    }
}

bool SaveActiveCollection(const CPreferences& prefs, ClipList& activeList) {
    return WriteQbxFile(ProgramFilePath(ACTIVE_COLLECTION_FILE), QbxLayout::Active, prefs,
                        activeList);
}

std::unique_ptr<CClipItem> LoadCollection(const std::string& name) {
    std::unique_ptr<CClipItem> node = CClipItem::NewCollection(name);
    ReadQbxFile(CollectionPath(name), QbxLayout::Collection, nullptr, node->children,
                RecordContent::Drop);
    for (auto& item : node->children)
        item->owner = node.get();
    return node;
}

bool SaveCollection(CClipItem& collection, const CPreferences& prefs) {
    const std::string path = CollectionPath(collection.caption);
    SafeFileWriter file(path);
    if (!file.File())
        return false;
    QbxWriter out(file.File());
    WriteHeader(out, prefs, QbxLayout::Collection);

    // Content still in the file is read from the previous file, which stays in place until
    // the new one is complete and then becomes the backup.
    FilePtr prev = OpenForReading(path);
    bool prevCurrent = prev && IsCurrentVersion(prev.get());
    QbxReader src(prev.get());
    std::vector<MovedContent> moves;
    for (auto& child : collection.children) {
        CClipItem& item = *child;
        if (item.fileOffset == 0) {
            if (!WriteItemRecord(out, item))
                return false;
            continue;
        }
        MovedContent moved{&item, 0, std::string(), false};
        CopyResult copied = CopyRecord(src, prevCurrent, out, item, moved);
        if (copied == CopyResult::Failed)
            return false;
        if (copied == CopyResult::NotFound) {
            moved.lost = true;
            moved.html = item.html;
            moved.newOffset = static_cast<uint32_t>(
                WriteRecordParts(out, "Error! " + item.caption, CLIP_TEXT,
                                 LoadUiString(IDS_QBX_FILE_ERROR), {}, item.html));
        }
        moves.push_back(std::move(moved));
    }
    prev.reset();
    if (!out.Ok() || !file.Commit(CollectionPath(collection.caption, ".bak")))
        return false;

    for (MovedContent& m : moves) {
        CClipItem& item = *m.item;
        item.fileOffset = m.newOffset;
        item.SetHtml(m.html);
        if (m.lost) {
            item.caption = "Error! " + item.caption;
            item.type = CLIP_TEXT;
            item.dib.clear();
            item.SetContentText(LoadUiString(IDS_QBX_FILE_ERROR));
            item.text.clear(); // the text stays in the file
            item.fileOffset = m.newOffset;
        }
    }
    collection.flags &= static_cast<uint16_t>(~CLIP_MODIFIED);
    return true;
}
