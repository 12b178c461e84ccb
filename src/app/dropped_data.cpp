#include "app/dropped_data.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win_constants.h"
#include "store/byte_block.h"
#include "store/collections.h"

namespace {

bool Fetch(const IDataOffer& offer, unsigned format, std::vector<uint8_t>& data) {
    return format != 0 && offer.IsFormatAvailable(format) && offer.GetData(format, data);
}

} // namespace

size_t AddDroppedData(const IDataOffer& offer, const RegisteredFormats& formats,
                      CPreferences& prefs, ClipList& active) {
    const uint32_t options = prefs.m_dwOptions;
    size_t inserted = 0;
    std::vector<uint8_t> data;

    if (Fetch(offer, win::CF_HDROP, data)) {
        if (auto item = CClipItem::FromDropFiles(data)) {
            RemoveDuplicates(active, *item, prefs); // never re-uses an item for a file list
            InsertItem(active, std::move(item), prefs);
            ++inserted;
        }
    }

    bool textTaken = false;
    if ((options & OPT_FMT_RTF) && Fetch(offer, formats.rtf, data)) {
        auto item = CClipItem::FromRtf(BlockString(data));
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
            item = CClipItem::FromWideText(BlockWideString(data));
        else if (Fetch(offer, win::CF_TEXT, data))
            item = CClipItem::FromText(BlockString(data));
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
