#include "app/dropped_data.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win_constants.h"
#include "store/collections.h"

namespace {

uint32_t ReadU32(const std::vector<uint8_t>& data, size_t at) {
    return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 |
           uint32_t(data[at + 3]) << 24;
}

// A data block holds a string up to its NUL; the block may be larger than the string.
std::string NarrowString(const std::vector<uint8_t>& data) {
    size_t n = 0;
    while (n < data.size() && data[n] != 0)
        ++n;
    return std::string(data.begin(), data.begin() + n);
}

std::u16string WideString(const std::vector<uint8_t>& data) {
    std::u16string out;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        char16_t unit = char16_t(data[i] | data[i + 1] << 8);
        if (unit == 0)
            break;
        out.push_back(unit);
    }
    return out;
}

bool Fetch(const IDataOffer& offer, unsigned format, std::vector<uint8_t>& data) {
    return format != 0 && offer.IsFormatAvailable(format) && offer.GetData(format, data);
}

// The file list of a CF_HDROP block: a DROPFILES header whose pFiles gives the list's
// offset and whose fWide says whether the paths are UTF-16.
std::unique_ptr<CClipItem> FilesItem(const std::vector<uint8_t>& data) {
    if (data.size() < win::DROPFILES_SIZE)
        return nullptr;
    const uint32_t offset = ReadU32(data, 0);
    const bool wide = ReadU32(data, 16) != 0;
    if (offset > data.size())
        return nullptr;
    auto item = CClipItem::FromFileList(data.data() + offset, data.size() - offset, wide);
    if (item && item->text.empty())
        return nullptr; // no paths: nothing worth keeping
    return item;
}

} // namespace

size_t AddDroppedData(const IDataOffer& offer, const RegisteredFormats& formats,
                      CPreferences& prefs, ClipList& active) {
    const uint32_t options = prefs.m_dwOptions;
    size_t inserted = 0;
    std::vector<uint8_t> data;

    if (Fetch(offer, win::CF_HDROP, data)) {
        if (auto item = FilesItem(data)) {
            RemoveDuplicates(active, *item, prefs); // never re-uses an item for a file list
            InsertItem(active, std::move(item), prefs);
            ++inserted;
        }
    }

    bool textTaken = false;
    if ((options & OPT_FMT_RTF) && Fetch(offer, formats.rtf, data)) {
        auto item = CClipItem::FromRtf(NarrowString(data));
        RemoveDuplicates(active, *item, prefs); // never re-uses an item for Rich Text
        CClipItem* rich = InsertItem(active, std::move(item), prefs);
        ++inserted;
        if (options & OPT_FMT_HTML)
            rich->AttachHtml(offer, formats.html);
        textTaken = true;
    }

    if (!textTaken && (options & OPT_FMT_TEXT)) {
        std::unique_ptr<CClipItem> item;
        if (Fetch(offer, win::CF_UNICODETEXT, data))
            item = CClipItem::FromWideText(WideString(data));
        else if (Fetch(offer, win::CF_TEXT, data))
            item = CClipItem::FromText(NarrowString(data));
        if (item) {
            if (auto reused = RemoveDuplicates(active, *item, prefs))
                item = std::move(reused);
            CClipItem* text = InsertItem(active, std::move(item), prefs);
            ++inserted;
            text->SetHtml(std::string());
            if (options & OPT_FMT_HTML)
                text->AttachHtml(offer, formats.html);
        }
    }

    if (Fetch(offer, win::CF_DIB, data) && !data.empty()) {
        RemoveEqualBitmaps(active, data.data(), data.size());
        auto item = CClipItem::FromDib(std::move(data), prefs.m_nBitmapCounter);
        CClipItem* bitmap = InsertItem(active, std::move(item), prefs);
        ++inserted;
        bitmap->SetHtml(std::string());
        if (options & OPT_FMT_HTML) {
            bitmap->AttachHtml(offer, formats.html);
            if (bitmap->HasHtml())
                bitmap->caption += " + HTML";
        }
    }

    TrimToCapacity(active, prefs);
    return inserted;
}
