#pragma once
// The qbx command-line tool: reads and changes the program's collection files.
#include "store/collection_file.h"

#include <string>
#include <vector>

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1; // missing, foreign or damaged file, bad number or option
constexpr int kExitUsage = 2;    // wrong command line

using Args = std::vector<std::string>;

// One line on stderr: "qbx: <message>".
void Complain(const std::string& message);

// A collection file as the tool sees it: all items with their content in memory.
struct QbxDocument {
    std::string path;
    QbxLayout layout = QbxLayout::Collection;
    CPreferences prefs;
    ClipList items;
    QbxReadResult read;
};

enum class LayoutChoice { ByName, Active, Collection };
// Takes "--active" or "--collection" out of `args`.
LayoutChoice TakeLayoutOption(Args& args);
// By name, a file named "Clipboard.qbx" is the active collection's and any other a
// collection file.
QbxLayout LayoutFor(LayoutChoice choice, const std::string& path);

// Reads `path` into `doc`. When it is a folder, or the file is missing, short, foreign or its
// preference block is cut, says so and returns false. A cut record is not an error here:
// `doc.read` tells, and the command says CutFileMessage after what it could print.
bool ReadDocument(const std::string& path, QbxLayout layout, RecordContent content,
                  QbxDocument& doc);

// Reads `path` for a change: a missing file becomes an empty one with the default
// preferences; anything but a whole, valid file is refused (with a message that says the
// file was not changed).
bool ReadDocumentForChange(const std::string& path, QbxLayout layout, QbxDocument& doc);

// Writes the document back in place; says so when that fails.
bool WriteDocument(QbxDocument& doc);

// The message for a file cut short: which part is incomplete, where it begins and where the
// file ends.
std::string CutFileMessage(const QbxDocument& doc);

// The end of a reading command once it printed what it could: a cut file is said after it
// and makes the exit code that of bad input.
int FinishReading(const QbxDocument& doc);

// Points the program's files into the folder of `path`.
void UseFolderOf(const std::string& path);

// "1 item", "2 items": the number and the noun, in the plural unless the number is 1.
std::string Counted(uint64_t number, const char* noun);

// "text", "rtf", "bitmap", "files", "files-wide" or the code number.
std::string TypeName(uint16_t type);

// Whole content of a file or of stdin (path "-").
bool ReadWholeFile(const std::string& path, std::string& out);

// Writes bytes to stdout; false (with a message) when that fails.
bool WriteStdout(const std::string& bytes);

int CmdList(Args args);
int CmdShow(Args args);
int CmdPrefs(Args args);
int CmdSet(Args args);
int CmdAdd(Args args);
int CmdCheck(Args args);
int CmdRtfToText(Args args);

// Takes the flag out of `args`; true when it was there.
bool TakeFlag(Args& args, const char* flag);
// False (with a message) when an unknown "--option" is left in `args`.
bool NoOtherOptions(const Args& args);
