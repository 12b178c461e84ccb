#pragma once
// Named text settings ("Font", "Video"): kept in the settings file beside the executable,
// with a copy in the registry that nothing reads back.
#include "platform/ini_file.h"
#include "platform/registry.h"

#include <string>

extern const char* const SETTINGS_SECTION;      // "Configuration"
extern const char* const SETTINGS_REGISTRY_KEY; // under the current user
extern const char* const SETTINGS_PARENT_KEY;   // the publisher's key above it

// Writes the value to the settings file, then to the registry; failures are ignored.
void WriteSetting(IIniFile& ini, IRegistry& registry, const std::string& key,
                  const std::string& value);

// The value from the settings file, or `defaultValue` when the file or entry is missing.
std::string ReadSetting(const IIniFile& ini, const std::string& key,
                        const std::string& defaultValue);
