#include "store/collection_file.h"

#include "platform/files.h"
#include "platform/save_files.h"
#include "platform/ui_strings.h"
#include "resource.h"
#include "store/program_files.h"
#include "store/safe_file.h"

#include <algorithm>
#include <vector>

namespace {

// Copies of a damaged file are numbered; no folder holds this many by accident.
constexpr unsigned kDamagedCopies = 100;

// Whether `name` names a file directly in the program folder.
bool IsFileNameOnly(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string::npos;
}

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
        std::u16string wide;
        if (!src.ReadString(text, &wide))
            return CopyResult::NotFound;
        if (srcCurrent && !src.ReadString(html))
            html = item.html;
        moved.newOffset = static_cast<uint32_t>(WriteRecordParts(
            out, item.caption, item.type, text, {}, html, {item.wideCaption, wide}));
    } else {
        uint32_t length;
        if (!src.ReadU32(length) || length > src.Remaining())
            return CopyResult::NotFound; // a short DIB would make a record that lies
        out.WriteString(item.caption, item.wideCaption);
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

// Reads the record at the reader's position into a new item at the end of `items`.
bool AppendRecord(QbxReader& in, ClipList& items, RecordContent content) {
    auto item = std::make_unique<CClipItem>();
    if (!ReadItemRecord(in, *item, content))
        return false;
    if (content == RecordContent::Keep)
        item->fileOffset = 0;
    items.push_back(std::move(item));
    return true;
}

// Reads a collection file; with no `items`, only to learn its state.
QbxReadResult ReadQbx(const std::string& path, QbxLayout layout, CPreferences* prefs,
                      ClipList* items, RecordContent content) {
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
        const uint64_t start = in.Tell();
        if (!(items ? AppendRecord(in, *items, content) : SkipItemRecord(in))) {
            r.stopAt = start; // the incomplete record is dropped, the ones before kept
            return r;
        }
        ++r.records;
    }
    r.whole = true;
    return r;
}

// Whether two files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b) {
    FilePtr fa = OpenForReading(a), fb = OpenForReading(b);
    if (!fa || !fb)
        return false;
    std::vector<char> bufA(1 << 16), bufB(1 << 16);
    for (;;) {
        const size_t n = std::fread(bufA.data(), 1, bufA.size(), fa.get());
        if (std::fread(bufB.data(), 1, bufB.size(), fb.get()) != n ||
            !std::equal(bufA.begin(), bufA.begin() + n, bufB.begin()))
            return false;
        if (n < bufA.size())
            return !std::ferror(fa.get()) && !std::ferror(fb.get());
    }
}

// Whether a file holds something that reading it loses.
bool NeedsKeeping(const std::string& path) {
    if (!files::Exists(path))
        return false;
    const QbxReadResult r = CheckQbxFile(path);
    switch (r.status) {
    case QbxFileStatus::Missing:
        return true; // it is there, but cannot be opened
    case QbxFileStatus::Short:
        return r.fileSize > 0;
    default:
        return !r.whole;
    }
}

// Writes a collection file at `path` through a safe file: keeps a damaged previous file
// first, then lets `writeBody` write everything after the header. The previous file is
// kept as `backup` when one is named.
template <typename WriteBody>
SaveReport WriteSafely(const std::string& path, const std::string& backup, ISaveFiles& files,
                       WriteBody writeBody) {
    SaveReport report;
    report.path = path;
    if (path.empty() || !KeepDamagedFile(path, files, report))
        return report;
    SafeFileWriter file(path, files);
    if (!file.File()) {
        report.error = file.Error();
        return report;
    }
    QbxWriter out(file.File());
    if (!writeBody(out) || !out.Ok()) {
        report.error = files.ErrorText();
        return report;
    }
    report.saved = file.Commit(backup);
    report.error = file.Error();
    return report;
}

// A collection file whose items all have their content in memory.
SaveReport SaveItems(const std::string& path, QbxLayout layout, const CPreferences& prefs,
                     ClipList& items, ISaveFiles& files) {
    return WriteSafely(path, std::string(), files, [&](QbxWriter& out) {
        WriteHeader(out, prefs, layout);
        for (auto& item : items) {
            item->Materialize(); // an item must never be written without its content
            if (!WriteItemRecord(out, *item))
                return false;
        }
        return true;
    });
}

} // namespace

std::string CollectionPath(const std::string& name, const std::string& extension) {
    // Not through ProgramFilePath: a name beginning with "." is no extension here.
    return IsFileNameOnly(name) ? ProgramFilePath("") + name + extension : std::string();
}

QbxReadResult ReadQbxFile(const std::string& path, QbxLayout layout, CPreferences* prefs,
                          ClipList& items, RecordContent content) {
    return ReadQbx(path, layout, prefs, &items, content);
}

QbxReadResult CheckQbxFile(const std::string& path) {
    return ReadQbx(path, QbxLayout::Collection, nullptr, nullptr, RecordContent::Drop);
}

bool KeepDamagedFile(const std::string& path, ISaveFiles& files, SaveReport& report) {
    if (!NeedsKeeping(path))
        return true;
    for (unsigned n = 1; n <= kDamagedCopies; ++n) {
        const std::string copy = path + ".damaged-" + std::to_string(n);
        // Kept by an earlier save that then could not write the file.
        if (SameBytes(path, copy))
            return true;
        if (files.CopyNew(path, copy)) {
            report.keptAs = copy;
            return true;
        }
        report.error = files.ErrorText();
        if (!files::Exists(copy) && !files::IsFolder(copy))
            return false; // not for want of a free name
    }
    return false;
}

bool WriteQbxFile(const std::string& path, QbxLayout layout, const CPreferences& prefs,
                  ClipList& items, ISaveFiles& files) {
    return SaveItems(path, layout, prefs, items, files).saved;
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

SaveReport SaveActiveCollection(const CPreferences& prefs, ClipList& activeList,
                                ISaveFiles& files) {
    return SaveItems(ProgramFilePath(ACTIVE_COLLECTION_FILE), QbxLayout::Active, prefs, activeList,
                     files);
}

std::unique_ptr<CClipItem> LoadCollection(const std::string& name) {
    std::unique_ptr<CClipItem> node = CClipItem::NewCollection(name);
    ReadQbxFile(CollectionPath(name), QbxLayout::Collection, nullptr, node->children,
                RecordContent::Drop);
    for (auto& item : node->children)
        item->owner = node.get();
    return node;
}

SaveReport SaveCollection(CClipItem& collection, const CPreferences& prefs, ISaveFiles& files) {
    const std::string path = CollectionPath(collection.caption);
    std::vector<MovedContent> moves;
    SaveReport report =
        WriteSafely(path, CollectionPath(collection.caption, ".bak"), files, [&](QbxWriter& out) {
            WriteHeader(out, prefs, QbxLayout::Collection);
            // Content still in the file is read from the previous file, which stays in place
            // until the new one is complete and then becomes the backup. One that is there
            // but cannot be read would turn every item kept in it into an error item.
            FilePtr prev = ForRecordReading(files.OpenRead(path));
            if (!prev && files::Exists(path))
                return false;
            const bool prevCurrent = prev && IsCurrentVersion(prev.get());
            QbxReader src(prev.get());
            for (auto& child : collection.children) {
                CClipItem& item = *child;
                if (item.fileOffset == 0) {
                    if (!WriteItemRecord(out, item))
                        return false;
                    continue;
                }
                MovedContent moved{&item, 0, std::string(), false};
                const CopyResult copied = CopyRecord(src, prevCurrent, out, item, moved);
                if (copied == CopyResult::Failed)
                    return false;
                if (copied == CopyResult::NotFound) {
                    moved.lost = true;
                    moved.html = item.html;
                    moved.newOffset = static_cast<uint32_t>(WriteRecordParts(
                        out, "Error! " + item.caption, CLIP_TEXT, LoadUiString(IDS_QBX_FILE_ERROR),
                        {}, item.html, {std::u16string(), std::u16string()}));
                }
                moves.push_back(std::move(moved));
            }
            return true;
        });
    if (!report.saved)
        return report;

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
    return report;
}
