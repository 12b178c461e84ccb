#pragma once
// The program the system has registered for editing a kind of file.
#include <string>

class IRegistry;

// The command line, up to its file argument, of the editor registered for `extension`
// (with its dot) among the document classes: the class's "edit" command, else its "open"
// command, with every double quote removed and cut at its last '%' (so "%1" and what
// follows go). "notepad " when the extension has no class or the class neither command.
std::string FindEditorCommand(const IRegistry& registry, const std::string& extension);

// The full command line that edits `path` with `editor`: the path is quoted, so that a
// folder with blanks reaches the editor as one argument.
std::string EditCommandLine(const std::string& editor, const std::string& path);
