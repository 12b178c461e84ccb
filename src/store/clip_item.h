#pragma once
// One cut, or one collection of cuts.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"

// Item kinds. 1, 8 and 15 equal the clipboard formats CF_TEXT, CF_DIB and CF_HDROP;
// 49152 is a fixed code, not the run-time number of the registered Rich Text format.
enum : uint16_t {
    CLIP_COLLECTION = 0,
    CLIP_TEXT = 1,
    CLIP_BITMAP = 8,
    CLIP_FILES = 15,
    CLIP_FILES_WIDE = 115,
    CLIP_RTF = 49152,
};

enum : uint16_t {
    CLIP_HAS_HTML = 0x0002, // html is not empty
    CLIP_MODIFIED = 0x8000, // collections only: differs from its file, must be saved
};

class CClipItem;
class IDataOffer;

// True for the kinds whose content is a string (1, 15, 115, 49152).
bool IsTextLikeType(uint16_t type);

// An ordered list that owns its items. Items never move in memory while listed, so
// raw pointers to them (the highlighted entry, the item being dragged) stay valid.
using ClipList = std::vector<std::unique_ptr<CClipItem>>;

class CClipItem {
public:
    // Empty item: type CLIP_TEXT, everything else empty or zero. Used by the file readers.
    CClipItem();
    virtual ~CClipItem();

    // Copy: same caption, text, html, preview, type, flags, size and owner; fileOffset 0;
    // a copy of the DIB; no children.
    CClipItem(const CClipItem& other);
    CClipItem& operator=(const CClipItem&) = delete;

    // --- constructors by kind (each sets caption, preview and size by the rules) ---
    static std::unique_ptr<CClipItem> FromText(const std::string& text);     // CLIP_TEXT
    static std::unique_ptr<CClipItem> FromRtf(const std::string& rtfSource); // CLIP_RTF
    // UTF-16 text up to its first NUL (or all of it) in the code page; CLIP_TEXT. The exact
    // text stays beside it when the code page cannot carry it.
    static std::unique_ptr<CClipItem> FromWideText(const std::u16string& text);
    // A file list as it follows the DROPFILES header: NUL-terminated paths ended by an
    // empty one, 8-bit (CLIP_FILES) or UTF-16 little-endian (CLIP_FILES_WIDE). Reading
    // never goes past `size` bytes.
    static std::unique_ptr<CClipItem> FromFileList(const uint8_t* data, size_t size, bool wide);
    // A CF_HDROP block: the DROPFILES header, whose pFiles gives the list's offset and whose
    // fWide tells whether the paths are UTF-16, then the list. Null when the block is
    // malformed or names no file.
    static std::unique_ptr<CClipItem> FromDropFiles(const std::vector<uint8_t>& block);
    // A packed DIB; bumps `bitmapCounter` (wrapping at 200) for the caption.
    static std::unique_ptr<CClipItem> FromDib(std::vector<uint8_t> dib, uint8_t& bitmapCounter);
    // A collection node named `name` with no children (the file reader fills it).
    static std::unique_ptr<CClipItem> NewCollection(const std::string& name);

    // --- derived texts ---
    void SetCaptionFromText(const std::string& text); // sets size and caption
    // Caption of an item whose text the code page cannot carry: the rule applied to the
    // UTF-16 text; `caption` holds it in the code page.
    void SetCaptionFromWide(const std::u16string& text);
    // The caption to draw instead of `caption`: wideCaption while it still matches caption
    // (a rename in 8 bits outdates it); empty when caption is drawn as it stands.
    std::u16string ShownWideCaption() const;
    void SetPreview(const std::string& text);
    // Sets text (now held in memory, so fileOffset becomes 0) and rebuilds size and preview
    // for the item's type (for Rich Text from its plain text). The caption is kept: an
    // edited or scheduled item keeps the name the user sees.
    void SetContentText(const std::string& text, const std::u16string& wide = {});
    // The plain text in UTF-16: wideText, the text through the code page, or for Rich Text
    // its plain text with the characters beyond the code page that it names.
    std::u16string WidePlainText() const;

    bool IsTextLike() const;
    const char* GetFileExtension() const; // ".txt", ".rtf" or ".bmp"
    bool HasHtml() const { return (flags & CLIP_HAS_HTML) != 0; }
    void SetHtml(const std::string& value); // keeps CLIP_HAS_HTML in step with html
    // Replaces html by the offered data of `htmlFormat` up to its terminating NUL (none
    // when the format is absent or empty).
    void AttachHtml(const IDataOffer& offer, unsigned htmlFormat);

    // --- content that may still lie in the owner's file (fileOffset != 0) ---
    std::string LoadText() const;
    void Materialize();
    PixelSize GetPreviewSize();

    // The file that holds this item's collection (owner), or the collection's own file
    // for a collection node.
    std::string CollectionFilePath() const;

public:
    CClipItem* owner = nullptr;
    std::string caption;
    std::string text;
    // The exact UTF-16 text (plain text or file list) and caption where the 8-bit ones lost
    // characters; empty otherwise, which is the case for all code-page text.
    std::u16string wideText;
    std::u16string wideCaption;
    std::string html;
    std::string preview;
    uint16_t type = CLIP_TEXT;
    uint16_t flags = 0;
    uint32_t fileOffset = 0;
    uint32_t size = 0;
    std::vector<uint8_t> dib; // packed DIB; empty = no DIB (or not loaded yet)
    ClipList children;
};

// Where a bitmap of w x h pixels is drawn inside `rect`: shrunk to fit with its aspect
// kept, never enlarged, centred. A negative height (top-down DIB) counts by its size.
PixelRect BitmapDrawRect(int w, int h, const PixelRect& rect);
