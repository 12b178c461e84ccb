#include "app/collection_commands.h"

#include "platform/files.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/collection_list.h"
#include "store/collections.h"
#include "store/no_case.h"
#include "store/placeholders.h"
#include "store/program_files.h"
#include "store/trim.h"

namespace {

const char kNewCollectionText[] = "New collection";

bool HasCollectionNamed(const ClipList& collections, const std::string& name) {
    for (const auto& node : collections)
        if (EqualsNoCase(node->caption, name))
            return true;
    return false;
}

} // namespace

CommandEnd CollectionCommands::NewCollection() {
    std::string entered = kNewCollectionText;
    bool copyActive = true;
    if (m_prompts.InputText(LoadUiString(IDS_NEW_COLLECTION), entered, &copyActive) !=
        InputResult::Ok)
        return CommandEnd::Nothing;
    std::string name;
    if (!CleanCollectionName(entered, name))
        return CommandEnd::Nothing;
    // Never take over another collection's file, listed or not.
    if (HasCollectionNamed(m_collections, name) || files::Exists(CollectionPath(name)))
        return CommandEnd::Nothing;
    const bool added = copyActive ? AddCopyOfActive(name) : AddEmptyCollection(name);
    return added ? CommandEnd::RebuildMenus : CommandEnd::Nothing;
}

// The active collection's file becomes the new collection's, and is then written anew.
bool CollectionCommands::AddCopyOfActive(const std::string& name) {
    if (!SaveActiveCollection(m_prefs, m_active))
        return false;
    if (!files::Rename(ProgramFilePath(ACTIVE_COLLECTION_FILE), CollectionPath(name)))
        return false;
    m_collections.push_back(LoadCollection(name));
    SaveActiveCollection(m_prefs, m_active);
    return true;
}

bool CollectionCommands::AddEmptyCollection(const std::string& name) {
    auto node = CClipItem::NewCollection(name);
    node->flags |= CLIP_MODIFIED;
    CClipItem& added = *node;
    m_collections.push_back(std::move(node));
    // Writes the file with the header and no items.
    if (SaveCollection(added, m_prefs))
        return true;
    m_collections.pop_back();
    return false;
}

CommandEnd CollectionCommands::RenameItem(CClipItem& item) {
    std::string caption = item.caption;
    const InputResult result = m_prompts.InputText(LoadUiString(IDS_RENAME_ITEM), caption, nullptr);
    if (result == InputResult::Closed)
        return CommandEnd::Nothing;
    if (result == InputResult::Ok && !Trim(caption).empty() && caption != item.caption) {
        item.caption = caption;
        if (item.owner)
            item.owner->flags |= CLIP_MODIFIED;
    }
    return CommandEnd::SaveAndReload;
}

CommandEnd CollectionCommands::RenameCollection(const std::string& oldName) {
    std::string entered = oldName;
    const InputResult result =
        m_prompts.InputText(LoadUiString(IDS_RENAME_COLLECTION), entered, nullptr);
    if (result == InputResult::Closed)
        return CommandEnd::Nothing;
    std::string name;
    if (result == InputResult::Ok && CleanCollectionName(entered, name) &&
        !EqualsNoCase(name, oldName) &&
        files::Rename(CollectionPath(oldName), CollectionPath(name))) {
        if (CClipItem* node = FindCollection(m_collections, oldName))
            node->caption = name;
    }
    return CommandEnd::SaveAndReload;
}

CommandEnd CollectionCommands::DeleteItem(CClipItem* item) {
    if (item) {
        CClipItem* owner = item->owner;
        if (DetachItem(owner ? owner->children : m_active, item) && owner)
            owner->flags |= CLIP_MODIFIED;
    }
    return CommandEnd::SaveAndReload;
}

CommandEnd CollectionCommands::DeleteCollection(const std::string& name) {
    // Only a listed collection: the name decides which files are touched.
    if (!FindCollection(m_collections, name))
        return CommandEnd::Nothing;
    const std::string text = FillPlaceholders(LoadUiString(IDS_REMOVE_COLLECTION_QUESTION), {name});
    const unsigned flags = win::MB_YESNO | win::MB_ICONEXCLAMATION | win::MB_TOPMOST;
    if (m_prompts.ShowMessage(text, LoadUiString(IDR_MAINFRAME), flags) != win::IDYES)
        return CommandEnd::Nothing;
    const std::string backup = CollectionPath(name, ".bak");
    files::Remove(backup);
    if (files::Rename(CollectionPath(name), backup)) {
        // Drop the node now, so that saving cannot bring the file back.
        while (CClipItem* node = FindCollection(m_collections, name))
            DetachItem(m_collections, node);
    }
    return CommandEnd::SaveAndReload;
}

CommandEnd CollectionCommands::ClearActive() {
    const unsigned flags = win::MB_YESNO | win::MB_ICONQUESTION | win::MB_TOPMOST;
    if (m_prompts.ShowMessage(LoadUiString(IDS_REMOVE_ALL_QUESTION), LoadUiString(IDR_MAINFRAME),
                              flags) != win::IDYES)
        return CommandEnd::Nothing;
    ClearList(m_active);
    return CommandEnd::SaveAndReload;
}

CommandEnd CollectionCommands::RemoveAll(const CClipItem& item) {
    return item.owner ? DeleteCollection(item.owner->caption) : ClearActive();
}
