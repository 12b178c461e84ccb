#include "store/qbx_records.h"

#include <cstring>
#include <new>

namespace {

const char kMagic[] = "QBX_2.9";
constexpr size_t kMagicLength = 7;
// The preview holds at most this much of the text; the rest need not be read for it.
constexpr size_t kPreviewSource = 511;

} // namespace

void WriteMagic(QbxWriter& out) {
    out.WriteString(kMagic);
}

bool ReadExactMagic(QbxReader& in) {
    uint8_t head[8];
    if (!in.Seek(0) || !in.ReadBytes(head, sizeof head))
        return false;
    return head[0] == kMagicLength && std::memcmp(head + 1, kMagic, kMagicLength) == 0;
}

bool IsCurrentVersion(std::FILE* file) {
    uint8_t head[8];
    if (!file || std::fseek(file, 0, SEEK_SET) != 0 || std::fread(head, 1, 8, file) != 8)
        return false;
    return std::memcmp(head + 1, kMagic, kMagicLength) == 0;
}

bool ReadItemRecord(QbxReader& in, CClipItem& item, RecordContent content) {
    if (!in.ReadString(item.caption, &item.wideCaption) || !in.ReadU16(item.type))
        return false;
    const uint32_t contentPos = static_cast<uint32_t>(in.Tell());
    if (IsTextLikeType(item.type)) {
        if (content == RecordContent::Drop && item.type != CLIP_RTF) {
            // Size and preview need only the length and the beginning.
            std::string head;
            uint32_t length;
            if (!in.ReadStringHead(head, kPreviewSource, length))
                return false;
            item.SetPreview(head);
            item.size = length;
        } else {
            std::string text;
            std::u16string wide;
            if (!in.ReadString(text, &wide))
                return false;
            item.SetContentText(text, wide);
            if (content == RecordContent::Drop) {
                std::string().swap(item.text);
                std::u16string().swap(item.wideText);
            }
        }
    } else {
        uint32_t length;
        if (!in.ReadU32(length) || length > in.Remaining())
            return false;
        item.size = length;
        bool keep = content == RecordContent::Keep;
        if (keep) {
            try {
                item.dib.assign(length, 0);
            } catch (const std::bad_alloc&) {
                keep = false; // the item stays, without its picture
            }
        }
        if (keep ? !in.ReadBytes(item.dib.data(), length) : !in.Skip(length))
            return false;
    }
    std::string html;
    if (!in.ReadString(html))
        return false;
    item.SetHtml(html);
    item.fileOffset = contentPos;
    return true;
}

bool SkipItemRecord(QbxReader& in) {
    std::string none;
    uint32_t length;
    uint16_t type;
    if (!in.ReadStringHead(none, 0, length) || !in.ReadU16(type))
        return false;
    if (IsTextLikeType(type) ? !in.ReadStringHead(none, 0, length)
                             : (!in.ReadU32(length) || !in.Skip(length)))
        return false;
    return in.ReadStringHead(none, 0, length);
}

uint64_t WriteRecordParts(QbxWriter& out, const std::string& caption, uint16_t type,
                          const std::string& text, const std::vector<uint8_t>& dib,
                          const std::string& html, const WideParts& wide) {
    out.WriteString(caption, wide.caption);
    out.WriteU16(type);
    uint64_t contentPos = out.Tell();
    if (IsTextLikeType(type)) {
        out.WriteString(text, wide.text);
    } else {
        out.WriteU32(static_cast<uint32_t>(dib.size()));
        out.WriteBytes(dib.data(), dib.size());
    }
    out.WriteString(html);
    return contentPos;
}

bool WriteItemRecord(QbxWriter& out, CClipItem& item) {
    if (!IsTextLikeType(item.type)) {
        if (item.dib.size() > UINT32_MAX)
            return false;
        item.size = static_cast<uint32_t>(item.dib.size());
    }
    uint64_t contentPos = WriteRecordParts(out, item.caption, item.type, item.text, item.dib,
                                           item.html, {item.wideCaption, item.wideText});
    if (item.fileOffset != 0)
        item.fileOffset = static_cast<uint32_t>(contentPos);
    return out.Ok();
}
