#pragma once
// The texts of the About box: the savings line, and the listing of the formats on the
// clipboard that a right click in the box shows.
#include <cstdint>
#include <string>
#include <vector>

// The savings line: `format` (string 2005, "The program has saved $%.2f of your money") with
// its first "%.2f" replaced by the dollars that `pasteCount` pastes have saved, three cents
// each, with two decimals. The format is a text of the string table, so it never goes to
// printf.
std::string SavingsLine(const std::string& format, uint32_t pasteCount);

struct ClipboardFormatEntry {
    unsigned number = 0;
    std::string registeredName; // the system's name of a registered format
};

// The listing of the clipboard's formats in the order given: string 3016 and a line
// "   %04X NAME" for each (standard formats by their names, others by their registered
// names), or string 3015 when there is none.
std::string ClipboardFormatListing(const std::vector<ClipboardFormatEntry>& formats);
