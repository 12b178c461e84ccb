#pragma once
// The user's commands on collections and their items: create, rename, delete, clear.
// Each asks through the prompts port and tells the caller how to finish.
#include <string>

#include "platform/prompts.h"
#include "store/clip_item.h"
#include "store/preferences.h"

enum class CommandEnd {
    Nothing,       // nothing changed (cancelled, or the program is closing)
    RebuildMenus,  // the collection list changed; the files already hold it
    SaveAndReload, // write everything and read it back, then rebuild the menus
};

class CollectionCommands {
public:
    CollectionCommands(CPreferences& prefs, ClipList& active, ClipList& collections,
                       IPrompts& prompts)
        : m_prefs(prefs), m_active(active), m_collections(collections), m_prompts(prompts) {}

    // Asks for a name; with "Copy active collection" ticked the new collection gets the
    // active collection's items (which the active collection keeps), else it starts empty.
    CommandEnd NewCollection();
    CommandEnd RenameItem(CClipItem& item);
    CommandEnd RenameCollection(const std::string& name);
    CommandEnd DeleteItem(CClipItem* item);
    // Asks first; the collection's file is kept as "<name>.bak".
    CommandEnd DeleteCollection(const std::string& name);
    // Asks first, then deletes every item of the active collection.
    CommandEnd ClearActive();
    // "Remove all" on an item: its whole collection, or the whole active collection.
    CommandEnd RemoveAll(const CClipItem& item);

private:
    bool AddCopyOfActive(const std::string& name);
    bool AddEmptyCollection(const std::string& name);

    CPreferences& m_prefs;
    ClipList& m_active;
    ClipList& m_collections;
    IPrompts& m_prompts;
};
