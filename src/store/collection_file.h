#pragma once
// Whole collection files: "Clipboard.qbx" with the preferences and the active collection,
// and "<name>.qbx" for every other collection, all in the program's folder.
#include "platform/save_files.h"
#include "store/clip_item.h"
#include "store/preferences.h"
#include "store/qbx_prefs.h"
#include "store/qbx_records.h"

#include <memory>
#include <string>

// The active collection's file name.
constexpr const char* ACTIVE_COLLECTION_FILE = "Clipboard.qbx";

// The file of collection `name` with `extension` (".qbx", ".bak") in the program folder.
// Empty for a name that would lead out of the folder (a path, a drive, "..").
std::string CollectionPath(const std::string& name, const std::string& extension = ".qbx");

// What became of one collection file's save.
struct SaveReport {
    std::string path;
    bool saved = false;
    std::string error;  // the system's text for what stopped it
    std::string keptAs; // the file did not read whole, and was first copied here unchanged
    explicit operator bool() const { return saved; }
};

// Reads "Clipboard.qbx" into the preferences (corrected for this screen) and appends its
// items to `activeList`, content in memory. A missing file gives one item that says the
// active collection has been created; a short or foreign file leaves everything as it is.
void LoadActiveCollection(CPreferences& prefs, ClipList& activeList, ScreenSize screen);

// Writes "Clipboard.qbx" from the preferences and the active list. When it was not
// written, the previous file is intact. A previous file that does not read whole is kept
// first (KeepDamagedFile); when that fails nothing is written.
SaveReport SaveActiveCollection(const CPreferences& prefs, ClipList& activeList,
                                ISaveFiles& files = SystemSaveFiles());

// A collection node for `name` with the items of "<name>.qbx". The items' content stays
// in the file (fileOffset); their owner is the node. A missing, short or foreign file gives
// an empty node, and the file is left alone.
std::unique_ptr<CClipItem> LoadCollection(const std::string& name);

// Writes "<name>.qbx" for a collection node, keeping the previous file as "<name>.bak".
// Content still in the file is copied from the previous file; an item whose content cannot
// be found there is written as a text item captioned "Error! ...". Clears CLIP_MODIFIED.
// When the file was not written, the previous file and backup are intact and the node is
// unchanged; so it is when the previous file is there but cannot be read. A previous file
// that does not read whole is kept first, as by SaveActiveCollection.
SaveReport SaveCollection(CClipItem& collection, const CPreferences& prefs,
                          ISaveFiles& files = SystemSaveFiles());

// Before a collection file is written over: a file at `path` that holds something that
// reading it loses (it cannot be opened, or it is too short, foreign or cut) is copied,
// unchanged, to the first free "<path>.damaged-N", noted in `report`. False when such a file
// could not be copied; it must then not be written over.
bool KeepDamagedFile(const std::string& path, ISaveFiles& files, SaveReport& report);

// ---- the same by path, for the qbx tool ----

enum class QbxFileStatus {
    Missing, // cannot be opened
    Short,   // fewer than 16 bytes
    Foreign, // another magic string
    Valid,
};

struct QbxReadResult {
    QbxFileStatus status = QbxFileStatus::Missing;
    uint64_t fileSize = 0;
    bool whole = false;  // the preference block and every record are complete
    uint64_t stopAt = 0; // where the incomplete part begins (when not whole)
    size_t records = 0;  // complete records read
};

// Reads a collection file: the preference block into `prefs` (when given; as stored,
// without corrections) and the item records appended to `items`.
QbxReadResult ReadQbxFile(const std::string& path, QbxLayout layout, CPreferences* prefs,
                          ClipList& items, RecordContent content);

// Reads no more than needed to tell the state of a collection file (items are not kept).
QbxReadResult CheckQbxFile(const std::string& path);

// Writes a collection file whose items all have their content in memory.
bool WriteQbxFile(const std::string& path, QbxLayout layout, const CPreferences& prefs,
                  ClipList& items, ISaveFiles& files = SystemSaveFiles());
