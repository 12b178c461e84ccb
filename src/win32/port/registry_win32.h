#pragma once
// The registry through the 8-bit Win32 registry functions.
#include "platform/registry.h"

class Win32Registry : public IRegistry {
public:
    bool ReadString(RegHive hive, const std::string& key, const std::string& name,
                    std::string& value) const override;
    bool WriteString(RegHive hive, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool CreateKey(RegHive hive, const std::string& key) override;
    bool DeleteValue(RegHive hive, const std::string& key, const std::string& name) override;
    bool DeleteKey(RegHive hive, const std::string& key) override;
};
