#include "store/stored_content.h"

#include <new>

#include "store/qbx_records.h"
#include "store/qbx_stream.h"

StoredRead ReadStoredContent(const CClipItem& item, StoredContent& out, bool withDib) {
    out = StoredContent();
    FilePtr f = OpenForReading(item.CollectionFilePath());
    if (!f)
        return StoredRead::Unreadable;
    out.currentVersion = IsCurrentVersion(f.get());
    QbxReader in(f.get());
    if (!in.Ok())
        return StoredRead::Unreadable;
    if (in.Size() <= item.fileOffset || !in.Seek(item.fileOffset))
        return StoredRead::PastEnd;

    if (item.IsTextLike()) {
        if (!in.ReadString(out.text, &out.wide))
            return StoredRead::PastEnd;
    } else {
        uint32_t length = 0;
        if (!in.ReadU32(length) || length > in.Remaining())
            return StoredRead::PastEnd;
        if (withDib) {
            try {
                out.dib.resize(length);
            } catch (const std::bad_alloc&) {
                return StoredRead::PastEnd;
            }
            if (!in.ReadBytes(out.dib.data(), length))
                return StoredRead::PastEnd;
        } else if (!in.Skip(length)) {
            return StoredRead::PastEnd;
        }
    }
    // An html string that is missing at the end of the file leaves the content usable.
    if (out.currentVersion && !in.ReadString(out.html))
        out.html.clear();
    return StoredRead::Ok;
}
