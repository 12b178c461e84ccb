#include "store/item_export.h"

#include <cstdio>
#include <new>

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/bitmap_file.h"
#include "store/stored_content.h"

namespace {

std::string PictureFile(const std::vector<uint8_t>& dib) {
    return BitmapFileBytes(dib.data(), dib.size());
}

} // namespace

bool ItemFileContent(const CClipItem& item, std::string& bytes) {
    bytes.clear();
    if (item.fileOffset == 0) {
        bytes = item.IsTextLike() ? item.text : PictureFile(item.dib);
        return item.IsTextLike() || !bytes.empty();
    }
    if (!item.owner)
        return false;
    StoredContent stored;
    switch (ReadStoredContent(item, stored)) {
    case StoredRead::Unreadable:
        return true;
    case StoredRead::PastEnd:
        if (item.IsTextLike())
            bytes = LoadUiString(IDS_QBX_FILE_ERROR);
        return true;
    case StoredRead::Ok:
        break;
    }
    bytes = item.IsTextLike() ? stored.text : PictureFile(stored.dib);
    return item.IsTextLike() || !bytes.empty();
}

bool ReadBackItem(CClipItem& item, const std::string& bytes) {
    if (item.IsTextLike()) {
        item.SetContentText(bytes);
    } else {
        if (bytes.size() <= kBitmapFileHeaderSize)
            return false;
        const auto* dib = reinterpret_cast<const uint8_t*>(bytes.data()) + kBitmapFileHeaderSize;
        const size_t size = bytes.size() - kBitmapFileHeaderSize;
        // The picture is drawn and pasted from this block: it must be a DIB.
        if (!BitmapFileLayoutOf(dib, size).valid)
            return false;
        item.dib.assign(dib, dib + size);
        item.size = static_cast<uint32_t>(size);
        item.fileOffset = 0;
    }
    item.SetHtml(std::string());
    if (item.owner)
        item.owner->flags |= CLIP_MODIFIED;
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    bool ok = true;
    try {
        std::string chunk(64 * 1024, '\0');
        size_t n;
        while ((n = std::fread(&chunk[0], 1, chunk.size(), f)) > 0)
            bytes.append(chunk, 0, n);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    ok = ok && !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}
