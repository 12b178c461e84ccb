#include "app/item_edits.h"

#include <algorithm>
#include <memory>

#include "platform/editor_processes.h"
#include "platform/files.h"
#include "store/collections.h"
#include "store/editor_command.h"
#include "store/item_export.h"
#include "store/temp_files.h"

namespace {

// Numbers of temporary files are 16 bits; an edit whose number is taken moves on by 256,
// past the numbers of printed entries (entry id + 1).
constexpr unsigned kNumberStep = 0x100;

// The item of `list` with the edit's caption, type and exported content; the very item the
// edit began with when it is still there.
template <typename Edit> CClipItem* FindEdited(ClipList& list, const Edit& edit) {
    CClipItem* found = nullptr;
    for (const auto& p : list) {
        if (p->caption != edit.caption || p->type != edit.type)
            continue;
        std::string content;
        if (!ItemFileContent(*p, content) || content != edit.exported)
            continue;
        if (p.get() == edit.item)
            return p.get();
        if (!found)
            found = p.get();
    }
    return found;
}

} // namespace

CItemEdits::CItemEdits(IEditorProcesses& processes, const IRegistry& classes)
    : m_processes(processes), m_classes(classes) {}

CItemEdits::~CItemEdits() {
    for (const Edit& edit : m_edits)
        m_processes.Release(edit.process);
}

bool CItemEdits::IsOpen(const CClipItem& item) const {
    return std::any_of(m_edits.begin(), m_edits.end(), [&](const Edit& e) {
        return e.item == &item && e.caption == item.caption && e.type == item.type;
    });
}

std::string CItemEdits::FreePath(unsigned number, const std::string& extension) const {
    std::string path;
    unsigned n = number & 0xFFFF;
    for (unsigned tries = 0; tries < 0x10000 / kNumberStep; ++tries) {
        path = TempFilePath(n, extension);
        if (std::none_of(m_edits.begin(), m_edits.end(),
                         [&](const Edit& e) { return e.path == path; }))
            break;
        n = (n + kNumberStep) & 0xFFFF;
    }
    return path;
}

bool CItemEdits::Start(const CClipItem& item, unsigned number, WindowHandle notify) {
    if (item.type == CLIP_COLLECTION || IsOpen(item))
        return false;
    Edit edit;
    if (!ItemFileContent(item, edit.exported))
        return false;
    const std::string extension = item.GetFileExtension();
    edit.path = FreePath(number, extension);
    if (!WriteFileBytes(edit.path, edit.exported)) {
        files::Remove(edit.path);
        return false;
    }
    const std::string editor = FindEditorCommand(m_classes, extension);
    edit.process = m_processes.Start(EditCommandLine(editor, edit.path), notify);
    if (!edit.process) {
        files::Remove(edit.path);
        return false;
    }
    edit.item = &item;
    edit.inCollection = item.owner != nullptr;
    edit.collection = item.owner ? item.owner->caption : std::string();
    edit.caption = item.caption;
    edit.type = item.type;
    m_edits.push_back(std::move(edit));
    return true;
}

bool CItemEdits::Finish(ClipList& active, ClipList& collections, CPreferences& prefs, bool all) {
    bool changed = false;
    for (auto it = m_edits.begin(); it != m_edits.end();) {
        if (!all && !m_processes.HasEnded(it->process)) {
            ++it;
            continue;
        }
        changed = TakeBack(*it, active, collections, prefs) || changed;
        files::Remove(it->path);
        m_processes.Release(it->process);
        it = m_edits.erase(it);
    }
    return changed;
}

bool CItemEdits::TakeBack(const Edit& edit, ClipList& active, ClipList& collections,
                          CPreferences& prefs) {
    std::string edited;
    // A file the editor deleted, or one it left as it was, changes nothing.
    if (!ReadFileBytes(edit.path, edited) || edited == edit.exported)
        return false;
    ClipList* list = &active;
    if (edit.inCollection) {
        CClipItem* collection = FindCollection(collections, edit.collection);
        list = collection ? &collection->children : nullptr;
    }
    if (CClipItem* item = list ? FindEdited(*list, edit) : nullptr)
        return ReadBackItem(*item, edited);
    // The item went while it was being edited: what the user wrote is kept all the same.
    auto fresh = std::make_unique<CClipItem>();
    fresh->caption = edit.caption;
    fresh->type = edit.type;
    if (!ReadBackItem(*fresh, edited))
        return false;
    InsertItem(active, std::move(fresh), prefs);
    TrimToCapacity(active, prefs);
    return true;
}

std::vector<std::string> CItemEdits::Files() const {
    std::vector<std::string> paths;
    for (const Edit& edit : m_edits)
        paths.push_back(edit.path);
    return paths;
}
