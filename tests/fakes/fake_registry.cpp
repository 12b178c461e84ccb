#include "fakes/fake_registry.h"

#include "fakes/lower_case.h"

FakeRegistry::KeyId FakeRegistry::Id(RegHive hive, const std::string& key) {
    return {static_cast<int>(hive), LowerCase(key)};
}

bool FakeRegistry::ReadString(RegHive hive, const std::string& key, const std::string& name,
                              std::string& value) const {
    auto k = m_keys.find(Id(hive, key));
    if (k == m_keys.end())
        return false;
    auto v = k->second.find(LowerCase(name));
    if (v == k->second.end())
        return false;
    value = v->second;
    return true;
}

bool FakeRegistry::WriteString(RegHive hive, const std::string& key, const std::string& name,
                               const std::string& value) {
    if (!CreateKey(hive, key))
        return false;
    m_keys[Id(hive, key)][LowerCase(name)] = value;
    ++writes;
    return true;
}

bool FakeRegistry::CreateKey(RegHive hive, const std::string& key) {
    if (Denied(hive) || key.empty())
        return false;
    // Parents exist whenever a child does.
    for (size_t sep = key.find('\\'); sep != std::string::npos; sep = key.find('\\', sep + 1))
        m_keys[Id(hive, key.substr(0, sep))];
    m_keys[Id(hive, key)];
    return true;
}

bool FakeRegistry::DeleteValue(RegHive hive, const std::string& key, const std::string& name) {
    auto k = m_keys.find(Id(hive, key));
    return !Denied(hive) && k != m_keys.end() && k->second.erase(LowerCase(name)) == 1;
}

bool FakeRegistry::DeleteKey(RegHive hive, const std::string& key) {
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

bool FakeRegistry::HasKey(RegHive hive, const std::string& key) const {
    return m_keys.count(Id(hive, key)) != 0;
}

bool FakeRegistry::HasValue(RegHive hive, const std::string& key, const std::string& name) const {
    std::string v;
    return ReadString(hive, key, name, v);
}

size_t FakeRegistry::ValueCount(RegHive hive, const std::string& key) const {
    auto k = m_keys.find(Id(hive, key));
    return k == m_keys.end() ? 0 : k->second.size();
}
