#pragma once
// The system registry: string values under keys of the current user or the machine, and
// the document classes (read only, by the program).
// Implemented in src/win32/port; tests use tests/fakes/fake_registry.
#include <string>

enum class RegHive { CurrentUser, LocalMachine, ClassesRoot };

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // A string value; false when the key or value is missing or is not a string.
    virtual bool ReadString(RegHive hive, const std::string& key, const std::string& name,
                            std::string& value) const = 0;
    // Writes a string value, creating the key (and its parents) as needed.
    virtual bool WriteString(RegHive hive, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    // Creates the key (and its parents), or opens it when it exists.
    virtual bool CreateKey(RegHive hive, const std::string& key) = 0;
    virtual bool DeleteValue(RegHive hive, const std::string& key, const std::string& name) = 0;
    // Deletes a key that has no subkeys; a key with subkeys stays and the result is false.
    virtual bool DeleteKey(RegHive hive, const std::string& key) = 0;
};
