#pragma once
// The texts derived from an item's content: menu caption, preview, and the conversions
// between UTF-16 and the program's 8-bit text.
#include <cstddef>
#include <string>

// At most 32 visible bytes of `text`; leading blanks and control bytes dropped, each later
// run of them shown as one blank; "..." appended when the text was cut or nothing was left.
// The same rules for UTF-16 text count units, and never cut a surrogate pair.
std::string CaptionFromText(const std::string& text);
std::u16string CaptionFromText(const std::u16string& text);

// The first 511 bytes, trimmed of white space, TABs shown as blanks, blank lines thinned.
std::string PreviewFromText(const std::string& text);
std::u16string PreviewFromText(const std::u16string& text);

// One byte per UTF-16 unit up to the first NUL (or `count` units): units below 0x100 stay,
// others map by (unit - 848) mod 256, which puts Cyrillic on its Windows-1251 places.
std::string NarrowUtf16(const char16_t* units, size_t count);
std::string NarrowUtf16(const std::u16string& text);

// One 8-bit text as UTF-16 for a wide system call, by the same rule as WidenFileList: bytes
// below 0x80 stay, others become byte + 848 (Windows-1251 Cyrillic back to U+0410..U+044F).
std::u16string WidenText(const std::string& text);

// A file list as text (paths each ended by CR LF) to the UTF-16 list of the drop data:
// NUL after each path, two NULs at the end. The reverse of NarrowUtf16 for Cyrillic.
std::u16string WidenFileList(const std::string& text);

// "title" for one file, "title + N file(s)" for more; the title is the first path's part
// after its last backslash, or the whole path when nothing follows a backslash.
std::string FileListCaption(const std::string& firstPath, size_t count);
std::u16string FileListCaption(const std::u16string& firstPath, size_t count);
