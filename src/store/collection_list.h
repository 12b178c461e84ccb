#pragma once
// The collections as files of the program folder: finding them, writing the modified
// ones, and reading everything back after a change.
#include <cstddef>
#include <string>

#include "store/clip_item.h"
#include "store/collection_file.h"
#include "store/preferences.h"

// The collection name the user entered, without surrounding blanks, if it can name a file
// of the program folder: not empty, no path separators or characters that file names
// cannot hold, no trailing dot, no device name, and not the active collection's name.
bool CleanCollectionName(const std::string& entered, std::string& name);

// Appends a node for every collection file of the program folder (other than
// "Clipboard.qbx") that holds at least 16 bytes and begins with the current magic string,
// in the order the system lists them. Zero-length collection files are deleted; short and
// foreign ones are left alone. Returns how many nodes were appended.
size_t LoadCollections(ClipList& collections);

// Writes every collection marked CLIP_MODIFIED. False when any of them could not be written.
bool SaveModifiedCollections(ClipList& collections, const CPreferences& prefs);

// The preference fields that a reload keeps from memory rather than from the file.
struct RememberedPreferences {
    explicit RememberedPreferences(const CPreferences& prefs);
    void RestoreInto(CPreferences& prefs) const;

private:
    uint8_t maxItems, minTextSize, bitmapCounter;
    uint16_t maxItemSizeKB;
    uint8_t userHotKeyVk, userHotKeyMods;
    uint32_t options;
    HotPoint hot;
    int16_t hotMenuWidth;
};

// Writes the active collection and the modified collections, then reads both lists back
// from the files, keeping the remembered preference fields. When something could not be
// written, nothing is read back - the lists in memory are the only copy of what failed -
// and the result is false. The caller shows the busy state and rebuilds the menus.
bool SaveAndReload(CPreferences& prefs, ClipList& active, ClipList& collections, ScreenSize screen);

// The second half of SaveAndReload, once everything was written: both lists read back from
// the files, the remembered preference fields kept.
void ReloadCollections(CPreferences& prefs, ClipList& active, ClipList& collections,
                       ScreenSize screen);

// Start-up: removes the temporary files that saves of earlier runs left in the program
// folder, except those of a collection file that does not read whole (such a file is what
// a broken-off save leaves, and its temporary file may be the one whole copy).
void RemoveStraySaveFiles();
