#include "store/collections.h"

#include <algorithm>
#include <cstring>

#include "store/rtf_text.h"

namespace {

ClipList::iterator FindIn(ClipList& list, const CClipItem* item) {
    return std::find_if(list.begin(), list.end(),
                        [item](const std::unique_ptr<CClipItem>& p) { return p.get() == item; });
}

// The list that holds `item`: its collection's items, or the active list.
ClipList& HomeList(ClipList& active, const CClipItem& item) {
    return item.owner ? item.owner->children : active;
}

bool InsertAtHead(const CPreferences& prefs) {
    return (prefs.m_dwOptions & OPT_INSERT_HEAD) != 0;
}

} // namespace

bool FitsMaxItemSize(size_t bytes, const CPreferences& prefs) {
    return prefs.m_nMaxItemSizeKB == 0 || bytes <= size_t(prefs.m_nMaxItemSizeKB) * 1024;
}

bool PassesTextLimits(size_t length, const CPreferences& prefs) {
    return length >= prefs.m_nMinTextSize && FitsMaxItemSize(length, prefs);
}

void ClampMaxItems(CPreferences& prefs) {
    prefs.m_nMaxItems = std::clamp(prefs.m_nMaxItems, MIN_MAX_ITEMS, MAX_MAX_ITEMS);
}

void ClampMinTextSize(CPreferences& prefs) {
    prefs.m_nMinTextSize = std::clamp(prefs.m_nMinTextSize, MIN_MIN_TEXT_SIZE, MAX_MIN_TEXT_SIZE);
}

std::unique_ptr<CClipItem> RemoveDuplicates(ClipList& active, const CClipItem& newItem,
                                            const CPreferences& prefs) {
    const std::string& text = newItem.text;
    const bool newIsRtf = newItem.type == CLIP_RTF;
    const bool newIsPlain = newItem.type == CLIP_TEXT;
    // The plain form of new Rich Text, to find a plain-text item it supersedes.
    const std::string plain = newIsRtf ? RtfPlainText(text) : std::string();
    std::unique_ptr<CClipItem> reused;

    for (auto it = active.begin(); it != active.end();) {
        const CClipItem& e = **it;
        bool drop = false;
        if (e.IsTextLike() && !PassesTextLimits(e.text.size(), prefs)) {
            drop = true; // limits were lowered since it came in
        } else if (e.type == newItem.type && e.text.size() == text.size()) {
            // Same source, or Rich Text that differs only in markup but reads the same.
            // Texts that differ only beyond the code page are different cuts.
            drop =
                (e.text == text && e.wideText == newItem.wideText) ||
                (newIsRtf && e.caption == newItem.caption && e.wideCaption == newItem.wideCaption);
        } else if (newIsRtf && e.type == CLIP_TEXT) {
            drop = e.text == plain && e.wideText.empty() && newItem.wideCaption.empty();
        } else if (!reused && newIsPlain && e.type == CLIP_RTF && e.size == text.size() &&
                   newItem.wideText.empty() && e.wideCaption.empty() &&
                   RtfPlainText(e.text) == text) {
            // The richer item comes forward instead of a plain duplicate.
            reused = std::move(*it);
            it = active.erase(it);
            continue;
        }
        if (drop)
            it = active.erase(it);
        else
            ++it;
    }
    return reused;
}

void RemoveEqualBitmaps(ClipList& active, const uint8_t* bytes, size_t size) {
    active.erase(std::remove_if(active.begin(), active.end(),
                                [&](const std::unique_ptr<CClipItem>& e) {
                                    return !e->IsTextLike() && e->dib.size() == size &&
                                           (size == 0 ||
                                            std::memcmp(e->dib.data(), bytes, size) == 0);
                                }),
                 active.end());
}

CClipItem* InsertItem(ClipList& active, std::unique_ptr<CClipItem> item, CPreferences& prefs) {
    CClipItem* raw = item.get();
    raw->owner = nullptr;
    if (InsertAtHead(prefs)) {
        active.insert(active.begin(), std::move(item));
    } else {
        prefs.m_dwOptions |= OPT_INSERT_TAIL;
        active.push_back(std::move(item));
    }
    return raw;
}

size_t TrimToCapacity(ClipList& active, CPreferences& prefs) {
    ClampMaxItems(prefs);
    if (active.size() <= prefs.m_nMaxItems)
        return 0;
    const size_t surplus = active.size() - prefs.m_nMaxItems;
    if (InsertAtHead(prefs)) {
        active.erase(active.end() - surplus, active.end());
    } else {
        prefs.m_dwOptions |= OPT_INSERT_TAIL;
        active.erase(active.begin(), active.begin() + surplus);
    }
    return surplus;
}

bool PromoteItem(ClipList& active, CClipItem* item, CPreferences& prefs) {
    std::unique_ptr<CClipItem> taken = DetachItem(active, item);
    if (!taken)
        return false;
    InsertItem(active, std::move(taken), prefs);
    return true;
}

std::unique_ptr<CClipItem> TakeForDrop(ClipList& active, CClipItem* item, bool copy) {
    item->Materialize();
    if (copy)
        return std::make_unique<CClipItem>(*item);
    std::unique_ptr<CClipItem> taken = DetachItem(HomeList(active, *item), item);
    if (taken && taken->owner)
        taken->owner->flags |= CLIP_MODIFIED;
    return taken;
}

bool DropLandsAfter(const CClipItem& item, size_t fromPosition, const CClipItem& target,
                    size_t targetPosition) {
    return item.owner == target.owner && targetPosition > fromPosition;
}

CClipItem* PlaceItem(ClipList& active, std::unique_ptr<CClipItem> item, const CClipItem* target,
                     bool after) {
    CClipItem* owner = target->owner;
    ClipList& list = owner ? owner->children : active;
    auto at = FindIn(list, target);
    if (at != list.end() && after)
        ++at;
    CClipItem* raw = item.get();
    raw->owner = owner;
    list.insert(at, std::move(item));
    if (owner)
        owner->flags |= CLIP_MODIFIED;
    return raw;
}

CClipItem* AddToCollection(std::unique_ptr<CClipItem> item, CClipItem& collection) {
    CClipItem* raw = item.get();
    raw->owner = &collection;
    collection.children.insert(collection.children.begin(), std::move(item));
    collection.flags |= CLIP_MODIFIED;
    return raw;
}

bool DropOnItem(ClipList& active, CClipItem* dragged, size_t fromPosition, const CClipItem* target,
                size_t targetPosition, bool copy) {
    if (!dragged || !target || (dragged == target && !copy))
        return false;
    const bool after = DropLandsAfter(*dragged, fromPosition, *target, targetPosition);
    std::unique_ptr<CClipItem> item = TakeForDrop(active, dragged, copy);
    if (!item)
        return false;
    PlaceItem(active, std::move(item), target, after);
    return true;
}

bool DropOnCollection(ClipList& active, ClipList& collections, CClipItem* dragged,
                      const std::string& name, bool copy) {
    CClipItem* collection = FindCollection(collections, name);
    if (!dragged || !collection)
        return false; // nothing to receive it: leave the item where it is
    std::unique_ptr<CClipItem> item = TakeForDrop(active, dragged, copy);
    if (!item)
        return false;
    AddToCollection(std::move(item), *collection);
    return true;
}

CClipItem* FindCollection(ClipList& collections, const std::string& name) {
    for (auto& c : collections)
        if (c->caption == name)
            return c.get();
    return nullptr;
}

void ClearList(ClipList& list) {
    for (auto& member : list)
        ClearList(member->children);
    list.clear();
}

std::unique_ptr<CClipItem> DetachItem(ClipList& list, const CClipItem* item) {
    auto it = FindIn(list, item);
    if (it == list.end())
        return nullptr;
    std::unique_ptr<CClipItem> taken = std::move(*it);
    list.erase(it);
    return taken;
}
