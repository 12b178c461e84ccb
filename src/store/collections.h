#pragma once
// The rules by which items enter, move within and leave the collections: admission and
// trimming of the active collection, moving items between collections, clearing lists.
// Pure list work on the preference fields; no files, no windows, no sounds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "store/clip_item.h"
#include "store/preferences.h"

// Capacity and minimum text size of the active collection.
constexpr uint8_t MIN_MAX_ITEMS = 2;
constexpr uint8_t MAX_MAX_ITEMS = 120;
constexpr uint8_t MIN_MIN_TEXT_SIZE = 1;
constexpr uint8_t MAX_MIN_TEXT_SIZE = 120;

// True when `bytes` does not exceed m_nMaxItemSizeKB (0 = no limit). Bitmaps are measured
// by this alone.
bool FitsMaxItemSize(size_t bytes, const CPreferences& prefs);

// True when a text of `length` characters may enter the active collection: at least
// m_nMinTextSize and within m_nMaxItemSizeKB.
bool PassesTextLimits(size_t length, const CPreferences& prefs);

// m_nMaxItems into 2..120.
void ClampMaxItems(CPreferences& prefs);

// m_nMinTextSize into 1..120.
void ClampMinTextSize(CPreferences& prefs);

// Before a text-like item `newItem` is inserted: walks the active list once and deletes the
// items that no longer fit the text limits and the duplicates of `newItem`. When `newItem`
// is plain text equal to the plain form of a listed Rich Text item, that Rich Text item is
// taken out of the list (not deleted) and returned, to be inserted instead of `newItem`.
std::unique_ptr<CClipItem> RemoveDuplicates(ClipList& active, const CClipItem& newItem,
                                            const CPreferences& prefs);

// Before a bitmap is inserted: deletes every non-text item whose DIB equals the given bytes.
void RemoveEqualBitmaps(ClipList& active, const uint8_t* bytes, size_t size);

// Puts `item` at the insert position of the active list: the head with OPT_INSERT_HEAD,
// else the tail (and OPT_INSERT_TAIL is set). The item becomes an active item (no owner).
// Playing the new-entry sound is the caller's. Returns the item.
CClipItem* InsertItem(ClipList& active, std::unique_ptr<CClipItem> item, CPreferences& prefs);

// Clamps m_nMaxItems, then deletes surplus items from the end opposite to the insert
// position. Returns how many were deleted.
size_t TrimToCapacity(ClipList& active, CPreferences& prefs);

// After an item of the active list was pasted: moves it to the insert position.
// False when the item is not in the active list.
bool PromoteItem(ClipList& active, CClipItem* item, CPreferences& prefs);

// The item a drag inside the menu carries. Its content is read into memory first. A copy
// is a new item (with the same owner); a move takes the item out of its collection, which
// is marked modified, or out of the active list. Null when a moved item is not listed.
std::unique_ptr<CClipItem> TakeForDrop(ClipList& active, CClipItem* item, bool copy);

// Whether a dragged item dropped on `target` lands after it: only when it came from the
// same list (same owner; null = active list) and the target lies below the position it was
// dragged from. Positions are the menu positions before the drag took the item out.
bool DropLandsAfter(const CClipItem& item, size_t fromPosition, const CClipItem& target,
                    size_t targetPosition);

// Inserts `item` next to `target` in the target's list (its owner's children, or the active
// list when it has no owner); the item takes the target's owner, and that collection is
// marked modified. If the target is no longer listed, the item goes to the end of the list
// the target belonged to, so that a dragged item is never lost.
CClipItem* PlaceItem(ClipList& active, std::unique_ptr<CClipItem> item, const CClipItem* target,
                     bool after);

// Puts `item` at the head of `collection`'s items and marks the collection modified.
CClipItem* AddToCollection(std::unique_ptr<CClipItem> item, CClipItem& collection);

// A drag inside the menu that ends on the item `target`: takes the dragged item (copy or
// move) and places it before or after the target. A move onto itself does nothing.
// False when nothing changed.
bool DropOnItem(ClipList& active, CClipItem* dragged, size_t fromPosition, const CClipItem* target,
                size_t targetPosition, bool copy);

// A drag that ends on the entry of the collection `name` in the external menu: the first
// collection of that name receives the item at its head. False when there is no such
// collection (the dragged item then stays where it was).
bool DropOnCollection(ClipList& active, ClipList& collections, CClipItem* dragged,
                      const std::string& name, bool copy);

// The first collection named exactly `name` (byte comparison), or null.
CClipItem* FindCollection(ClipList& collections, const std::string& name);

// Deletes every member of `list` together with its children.
void ClearList(ClipList& list);

// Removes `item` from `list` without deleting it; null when it is not there.
std::unique_ptr<CClipItem> DetachItem(ClipList& list, const CClipItem* item);
