// qbx: reads and changes the collection files of Quillbox.
#include "qbx_tool.h"

#include "platform/binary_stdio.h"

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: qbx COMMAND ...\n"
    "  list FILE                     one line per item: number, type, size, caption\n"
    "                                (TAB between them)\n"
    "  show FILE N [--raw | --html]  item N: a text or file list as stored, Rich Text as\n"
    "                                plain text (--raw: its source), a bitmap as a .bmp\n"
    "                                file (--raw: the packed DIB); --html: the HTML that\n"
    "                                came with the item\n"
    "  prefs FILE                    the preference block as name=value lines, as stored\n"
    "                                (without the corrections the program makes on reading)\n"
    "  set FILE name=value ...       change preference fields (names as printed by prefs);\n"
    "                                creates FILE with the default preferences when missing\n"
    "  add FILE --text T | --rtf PATH | --bmp PATH | --files PATH...\n"
    "                                insert an item as a capture would: size limits,\n"
    "                                duplicates, insert position and capacity of FILE;\n"
    "                                --caption C names it, --html H adds the HTML of a cut\n"
    "  check FILE                    exit 0 when FILE is a whole collection file, else say\n"
    "                                what is wrong at which byte\n"
    "  rtf2text [FILE]               plain text of a Rich Text document (stdin without FILE)\n"
    "\n"
    "A file named Clipboard.qbx is taken as the active collection's file, any other as a\n"
    "collection file; --active or --collection says otherwise. The two differ in the order\n"
    "of the user hot-key bytes (30 and 31) of the preference block.\n"
    "Exit status: 0 done, 1 bad input (missing or damaged file, bad number or option),\n"
    "2 wrong usage.\n";

struct Command {
    const char* name;
    int (*run)(Args);
};

const Command kCommands[] = {
    {"list", CmdList}, {"show", CmdShow},   {"prefs", CmdPrefs},        {"set", CmdSet},
    {"add", CmdAdd},   {"check", CmdCheck}, {"rtf2text", CmdRtfToText},
};

} // namespace

int main(int argc, char** argv) {
    SetBinaryMode(stdout);
    SetBinaryMode(stdin);
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (command == c.name)
            return c.run(Args(argv + 2, argv + argc));
    }
    Complain("unknown command " + command + " (qbx --help lists them)");
    return kExitUsage;
}
