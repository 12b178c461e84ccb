#include "ui/openers.h"

#include "platform/document_shell.h"
#include "store/text_rules.h"
#include "store/trim.h"
#include "ui/documents_menu.h"

namespace {
void OpenLine(const std::string& line, IRegistryLists& registry, IDocumentShell& shell) {
    if (line.empty())
        return;
    if (line.find('\\') == std::string::npos) {
        if (line.find("://") != std::string::npos)
            shell.Open(WidenText(line));
        else
            OpenRecentShortcut(line, registry, shell);
        return;
    }
    const std::u16string path = WidenText(line);
    if (shell.FileExists(path))
        shell.Open(path);
}
} // namespace

void OpenDocumentLines(const std::string& text, IRegistryLists& registry, IDocumentShell& shell) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        OpenLine(Trim(line), registry, shell);
        start = end + 1;
    }
}

void OpenRecentShortcut(const std::string& name, IRegistryLists& registry, IDocumentShell& shell) {
    const std::string folder = RecentFolder(registry);
    if (folder.empty())
        return;
    shell.ResolveShortcut(WidenText(folder + "\\" + name + ".lnk"), true);
}

void OpenTypedUrl(const std::string& address, IDocumentShell& shell) {
    if (address.empty())
        return;
    if (!shell.Execute("iexplore", address))
        shell.Execute(address, "");
}
