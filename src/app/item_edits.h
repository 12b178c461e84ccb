#pragma once
// "Edit": items open in the editors registered for their kinds. Each edit exports its item
// to a temporary file and starts the editor on it; the program goes on meanwhile, and once
// the editor has ended the file's content comes back into the item.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/processes.h"
#include "store/clip_item.h"

class IEditorProcesses;
class IRegistry;
struct CPreferences;

class CItemEdits {
public:
    CItemEdits(IEditorProcesses& processes, const IRegistry& classes);
    ~CItemEdits(); // lets go of the editors still running
    CItemEdits(const CItemEdits&) = delete;
    CItemEdits& operator=(const CItemEdits&) = delete;

    // Writes the item into temporary file `number` (the next number no other edit holds) and
    // starts its editor, which reports its end to `notify`. False when nothing was started:
    // the item cannot be exported, its editor cannot be started (the file is removed), or
    // the item is open in an editor already.
    bool Start(const CClipItem& item, unsigned number, WindowHandle notify);

    // Takes back the edits whose editors have ended (every edit, editor running or not, with
    // `all`): a file whose content differs from what was exported replaces the content of its
    // item. The item is found again by its collection, caption, type and content as it was
    // exported, since the lists may have been read anew meanwhile; when it has gone, the
    // edited content enters the active collection as a new item. The temporary files are
    // removed. True when a list changed.
    bool Finish(ClipList& active, ClipList& collections, CPreferences& prefs, bool all);

    // The temporary files of the edits under way, which the clean-up must spare.
    std::vector<std::string> Files() const;

private:
    struct Edit {
        ProcessHandle process = 0;
        std::string path;
        const CClipItem* item = nullptr; // for recognising it only: it may be gone
        bool inCollection = false;
        std::string collection; // the owner's name
        std::string caption;
        uint16_t type = CLIP_TEXT;
        std::string exported; // the file's content as written
    };

    bool IsOpen(const CClipItem& item) const;
    std::string FreePath(unsigned number, const std::string& extension) const;
    // Reads the edit's file back; true when a list changed.
    bool TakeBack(const Edit& edit, ClipList& active, ClipList& collections, CPreferences& prefs);

    IEditorProcesses& m_processes;
    const IRegistry& m_classes;
    std::vector<Edit> m_edits;
};
