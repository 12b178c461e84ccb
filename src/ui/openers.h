#pragma once
// What choosing a document or a typed address does: the shell opens it. Also the "Run"
// command on an item's text, and the About box's link.
#include <string>

class IRegistryLists;
class IDocumentShell;

// Opens every line of `text` (LF ends a line, a CR before it is dropped; blanks around a
// line are ignored): a line with a backslash is a path, opened when the file exists; a line
// with "://" is an address, opened as it is; any other line names a recent document's
// shortcut (OpenRecentShortcut).
void OpenDocumentLines(const std::string& text, IRegistryLists& registry, IDocumentShell& shell);

// Opens the document behind the shortcut "<name>.lnk" of the user's Recent folder.
void OpenRecentShortcut(const std::string& name, IRegistryLists& registry, IDocumentShell& shell);

// Hands the address to the browser, or, when that fails, to the shell as it is. Nothing
// for an empty address.
void OpenTypedUrl(const std::string& address, IDocumentShell& shell);
