#pragma once
// In-memory registry: keys and value names compare without regard to case, as the
// system's do; a key with subkeys cannot be deleted.
#include "fakes/fake_text.h"
#include "platform/registry.h"

#include <iterator>
#include <map>
#include <string>
#include <utility>

class FakeRegistry : public IRegistry {
public:
    bool ReadString(RegHive hive, const std::string& key, const std::string& name,
                    std::string& value) const override {
        auto k = m_keys.find(Id(hive, key));
        if (k == m_keys.end())
            return false;
        auto v = k->second.find(LowerCase(name));
        if (v == k->second.end())
            return false;
        value = v->second;
        return true;
    }
    bool WriteString(RegHive hive, const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (!CreateKey(hive, key))
            return false;
        m_keys[Id(hive, key)][LowerCase(name)] = value;
        ++writes;
        return true;
    }
    bool CreateKey(RegHive hive, const std::string& key) override {
        if (Denied(hive) || key.empty())
            return false;
        // Parents exist whenever a child does.
        for (size_t sep = key.find('\\'); sep != std::string::npos; sep = key.find('\\', sep + 1))
            m_keys[Id(hive, key.substr(0, sep))];
        m_keys[Id(hive, key)];
        return true;
    }
    bool DeleteValue(RegHive hive, const std::string& key, const std::string& name) override {
        auto k = m_keys.find(Id(hive, key));
        return !Denied(hive) && k != m_keys.end() && k->second.erase(LowerCase(name)) == 1;
    }
    bool DeleteKey(RegHive hive, const std::string& key) override {
        KeyId id = Id(hive, key);
        auto k = m_keys.find(id);
        if (Denied(hive) || k == m_keys.end())
            return false;
        auto next = std::next(k);
        if (next != m_keys.end() && next->first.first == id.first &&
            next->first.second.compare(0, id.second.size() + 1, id.second + "\\") == 0)
            return false; // has subkeys
        m_keys.erase(k);
        return true;
    }

    bool HasKey(RegHive hive, const std::string& key) const { return m_keys.count(Id(hive, key)); }
    bool HasValue(RegHive hive, const std::string& key, const std::string& name) const {
        std::string v;
        return ReadString(hive, key, name, v);
    }
    size_t ValueCount(RegHive hive, const std::string& key) const {
        auto k = m_keys.find(Id(hive, key));
        return k == m_keys.end() ? 0 : k->second.size();
    }

    // Like a user without the right to write under HKEY_LOCAL_MACHINE.
    bool denyLocalMachine = false;
    int writes = 0; // successful WriteString calls

private:
    using KeyId = std::pair<int, std::string>; // hive, lower-case path
    static KeyId Id(RegHive hive, const std::string& key) {
        return {static_cast<int>(hive), LowerCase(key)};
    }
    bool Denied(RegHive hive) const { return denyLocalMachine && hive == RegHive::LocalMachine; }
    std::map<KeyId, std::map<std::string, std::string>> m_keys; // lower-case value names
};
