#pragma once
// In-memory registry: keys and value names compare without regard to case, as the
// system's do; a key with subkeys cannot be deleted.
#include "platform/registry.h"

#include <map>
#include <set>
#include <string>

class FakeRegistry : public IRegistry {
public:
    bool ReadString(RegHive hive, const std::string& key, const std::string& name,
                    std::string& value) const override;
    bool WriteString(RegHive hive, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool CreateKey(RegHive hive, const std::string& key) override;
    bool DeleteValue(RegHive hive, const std::string& key, const std::string& name) override;
    bool DeleteKey(RegHive hive, const std::string& key) override;

    bool HasKey(RegHive hive, const std::string& key) const;
    bool HasValue(RegHive hive, const std::string& key, const std::string& name) const;
    size_t ValueCount(RegHive hive, const std::string& key) const;

    // Like a user without the right to write under HKEY_LOCAL_MACHINE.
    bool denyLocalMachine = false;
    int writes = 0; // successful WriteString calls

private:
    using KeyId = std::pair<int, std::string>; // hive, lower-case path
    static KeyId Id(RegHive hive, const std::string& key);
    bool Denied(RegHive hive) const { return denyLocalMachine && hive == RegHive::LocalMachine; }
    std::map<KeyId, std::map<std::string, std::string>> m_keys; // lower-case value names
};
