#pragma once
// The collection files as start-up and shutdown use them: "Clipboard.qbx" with the
// preferences and the active collection, and the external collections.
class CServiceWnd;
class IScreen;

class ICollectionStore {
public:
    virtual ~ICollectionStore() = default;
    virtual void LoadActiveCollection(CServiceWnd& service) = 0;
    virtual void LoadCollections(CServiceWnd& service) = 0;
    virtual void SaveActiveCollection(CServiceWnd& service) = 0;
    // Writes every external collection marked CLIP_MODIFIED.
    virtual void SaveModifiedCollections(CServiceWnd& service) = 0;
    // Writes the active collection and the modified collections, then reads both lists
    // back (the remembered preference fields stay as they are in memory). False when
    // something could not be written; the lists are then left as they were.
    virtual bool SaveAndReload(CServiceWnd& service) = 0;
};

// The store of the program: the collection files beside the executable. The screen
// places a hot window that a file brings from a larger screen.
ICollectionStore& ProgramCollectionStore(const IScreen& screen);
