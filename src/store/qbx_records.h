#pragma once
// The collection file's header check and its item records.
//
//   0   8   magic: the string "QBX_2.9" (length byte 7 and seven characters)
//   8  32   preference block (qbx_prefs.h)
//  40  ...  item records to the end of the file; no count, no end marker
//
// An item record: caption string, 16-bit type, then for text-like types the text string,
// for the others a 32-bit length and that many DIB bytes, and last the html string.
// The item's fileOffset is the position just after the type word.
#include "store/clip_item.h"
#include "store/qbx_stream.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

constexpr uint64_t kQbxMinFileSize = 16; // shorter files are never read
constexpr uint64_t kQbxPrefsOffset = 8;
constexpr uint64_t kQbxRecordsOffset = 40;

void WriteMagic(QbxWriter& out);
// The magic exactly as written, length byte included. Reads the first 8 bytes.
bool ReadExactMagic(QbxReader& in);
// Whether an open file starts with the current version's name (its bytes 1 to 7; the
// length byte is not compared). Reads the first 8 bytes.
bool IsCurrentVersion(std::FILE* file);

enum class RecordContent {
    Keep, // text and DIB stay in the item (the active collection)
    Drop, // only what the menu needs stays; the content is read again through fileOffset
};

// Reads the record at the reader's position into `item` (which should be new). False when
// the record is incomplete: the file ends inside it, or a length in it reaches past the end.
// The caption is taken as stored; size, preview and CLIP_HAS_HTML are rebuilt.
bool ReadItemRecord(QbxReader& in, CClipItem& item, RecordContent content);

// Passes over the record at the reader's position, keeping nothing of it. False when it is
// incomplete, as ReadItemRecord would find it.
bool SkipItemRecord(QbxReader& in);

// Writes the item's record. When the item's fileOffset is non-zero it becomes the position
// of the new content. A bitmap's size becomes its DIB's byte count.
bool WriteItemRecord(QbxWriter& out, CClipItem& item);

// The UTF-16 caption and text of a record, where the 8-bit ones lost characters.
struct WideParts {
    const std::u16string& caption;
    const std::u16string& text;
};

// Writes a record from its parts and returns the position of its content. Caption and
// text go in the UTF-16 form when `wide` holds them.
uint64_t WriteRecordParts(QbxWriter& out, const std::string& caption, uint16_t type,
                          const std::string& text, const std::vector<uint8_t>& dib,
                          const std::string& html, const WideParts& wide);
