#include "store/settings.h"

#include "store/program_files.h"

const char* const SETTINGS_SECTION = "Configuration";
const char* const SETTINGS_REGISTRY_KEY = "Software\\Quillworks\\Quillbox";
const char* const SETTINGS_PARENT_KEY = "Software\\Quillworks";

void WriteSetting(IIniFile& ini, IRegistry& registry, const std::string& key,
                  const std::string& value) {
    ini.WriteString(ProgramFilePath(".ini"), SETTINGS_SECTION, key, value);
    registry.WriteString(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY, key, value);
}

std::string ReadSetting(const IIniFile& ini, const std::string& key,
                        const std::string& defaultValue) {
    return ini.ReadString(ProgramFilePath(".ini"), SETTINGS_SECTION, key, defaultValue);
}
