// The content of items whose collection keeps it in its file until it is needed.
#include "store/clip_item.h"

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/collection_file.h"
#include "store/dib_header.h"
#include "store/program_files.h"
#include "store/qbx_records.h"
#include "store/qbx_stream.h"

#include <new>

namespace {

constexpr PixelSize kPreviewMax{240, 160};
constexpr PixelSize kNoPicture{32, 32};

// Reads the DIB (length word and bytes) at the reader's position.
bool ReadDib(QbxReader& in, std::vector<uint8_t>& dib) {
    uint32_t length;
    if (!in.ReadU32(length) || length > in.Remaining())
        return false;
    try {
        std::vector<uint8_t> bytes(length);
        if (!in.ReadBytes(bytes.data(), length))
            return false;
        dib.swap(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

std::string CClipItem::CollectionFilePath() const {
    // An item read from a file lies in its owner's file, whatever its type says: a record
    // of type 0 must not name another file by its caption.
    const CClipItem* node = owner ? owner : type == CLIP_COLLECTION ? this : nullptr;
    if (!node)
        return std::string();
    return CollectionPath(node->caption);
}

std::string CClipItem::LoadText() const {
    if (fileOffset == 0 || !IsTextLike())
        return text;
    FilePtr f = OpenForReading(CollectionFilePath());
    QbxReader in(f.get());
    if (!in.Ok())
        return std::string();
    std::string stored;
    // The offset comes from an earlier reading; the file may have changed since.
    if (in.Size() <= fileOffset || !in.Seek(fileOffset) || !in.ReadString(stored))
        return LoadUiString(IDS_QBX_FILE_ERROR);
    return stored;
}

void CClipItem::Materialize() {
    if (fileOffset == 0)
        return;
    FilePtr f = OpenForReading(CollectionFilePath());
    QbxReader in(f.get());
    bool found = in.Ok() && in.Size() > fileOffset && in.Seek(fileOffset);
    if (IsTextLike()) {
        std::string stored;
        std::u16string wide;
        // Unlike LoadText, a file that cannot be opened also gives the error text: the item
        // leaves its file now, and an empty text would pass for real content.
        if (!found || !in.ReadString(stored, &wide)) {
            stored = LoadUiString(IDS_QBX_FILE_ERROR);
            wide.clear();
        }
        SetContentText(stored, wide);
    } else if (dib.empty()) {
        std::vector<uint8_t> bytes;
        std::string storedHtml;
        if (found && ReadDib(in, bytes) && in.ReadString(storedHtml)) {
            dib.swap(bytes);
            SetHtml(storedHtml);
        } else {
            text = LoadUiString(IDS_QBX_FILE_ERROR);
        }
    }
    fileOffset = 0;
}

PixelSize CClipItem::GetPreviewSize() {
    if (IsTextLike() || type == CLIP_COLLECTION)
        return kPreviewMax;
    if (dib.empty() && fileOffset != 0) {
        FilePtr f = OpenForReading(CollectionFilePath());
        QbxReader in(f.get());
        if (!in.Ok() || in.Size() <= fileOffset || !in.Seek(fileOffset) || !ReadDib(in, dib))
            return kNoPicture;
    }
    const DibHeader header = ReadDibHeader(dib);
    if (!header.valid)
        return kNoPicture;
    const int width = header.width;
    int height = header.height;
    if (height < 0) // top-down rows
        height = height == INT32_MIN ? 0 : -height;
    if (width <= 0 || height <= 0)
        return kNoPicture;
    if (width < 241 && height < 161)
        return {width, height};
    return kPreviewMax;
}
