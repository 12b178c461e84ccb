#pragma once
// Items handed to other programs through a file of their kind (an editor, the printer):
// what that file holds, and how an edited file's content comes back into the item.
#include <string>

#include "store/clip_item.h"

// The bytes of the item's file: its text as held (plain text, the Rich Text source, the
// file list, each path followed by CR LF), or the bitmap file of its picture. Content that
// still lies in the collection's file is read from there: a record beyond the file's end
// gives the text "QBX file error" (a picture gives nothing), a file that cannot be opened
// gives nothing. False when no file can be made: the content lies in a file but the item
// has no owner, or the picture is no DIB a bitmap file can be made of.
bool ItemFileContent(const CClipItem& item, std::string& bytes);

// Replaces the item's content by `bytes`, the content of its edited file: the text of a
// text-like item (size and preview follow; for Rich Text from its plain text), the DIB of a
// picture (the bitmap file after its 14-byte header). The caption and the type stay; the
// html goes, and the owner, if any, is marked modified. False, with nothing changed, when
// the bytes are no bitmap file that a picture can take.
bool ReadBackItem(CClipItem& item, const std::string& bytes);

// The whole file, binary; false when it cannot be opened or read (or written whole).
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
