#include "store/editor_command.h"

#include <algorithm>

#include "platform/registry.h"

namespace {

const char kNotepad[] = "notepad %1";

std::string RegisteredCommand(const IRegistry& registry, const std::string& extension) {
    std::string docClass;
    if (!registry.ReadString(RegHive::ClassesRoot, extension, "", docClass) || docClass.empty())
        return kNotepad;
    std::string command;
    for (const char* verb : {"\\shell\\edit\\command", "\\shell\\open\\command"})
        if (registry.ReadString(RegHive::ClassesRoot, docClass + verb, "", command))
            return command;
    return kNotepad;
}

} // namespace

std::string FindEditorCommand(const IRegistry& registry, const std::string& extension) {
    std::string command = RegisteredCommand(registry, extension);
    command.erase(std::remove(command.begin(), command.end(), '"'), command.end());
    const size_t percent = command.rfind('%');
    if (percent != std::string::npos)
        command.erase(percent);
    return command;
}

std::string EditCommandLine(const std::string& editor, const std::string& path) {
    return editor + " \"" + path + "\"";
}
