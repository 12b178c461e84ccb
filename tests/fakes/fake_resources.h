#pragma once
// Resource modules made of a table of strings and a set of menu ids, and a loader that
// hands out such modules for the paths it knows.
#include "platform/resources.h"

#include <map>
#include <memory>
#include <set>
#include <string>

struct FakeResourceContent {
    std::map<unsigned, std::string> strings;
    std::set<unsigned> menus;
};

class FakeResourceModule : public IResourceModule {
public:
    explicit FakeResourceModule(FakeResourceContent content, int* liveCount = nullptr)
        : m_content(std::move(content)), m_liveCount(liveCount) {
        if (m_liveCount)
            ++*m_liveCount;
    }
    ~FakeResourceModule() override {
        if (m_liveCount)
            --*m_liveCount;
    }
    // Like the system's string tables: an empty string counts as missing.
    bool LoadText(unsigned id, std::string& text) const override {
        auto it = m_content.strings.find(id);
        if (it == m_content.strings.end() || it->second.empty())
            return false;
        text = it->second;
        return true;
    }
    bool HasMenu(unsigned id) const override { return m_content.menus.count(id) != 0; }

private:
    FakeResourceContent m_content;
    int* m_liveCount;
};

class FakeLanguageLoader : public ILanguageLoader {
public:
    std::unique_ptr<IResourceModule> Load(const std::string& path) override {
        auto it = libraries.find(path);
        if (it == libraries.end())
            return nullptr;
        ++loads;
        return std::make_unique<FakeResourceModule>(it->second, &live);
    }

    std::map<std::string, FakeResourceContent> libraries; // by path
    int loads = 0;                                        // successful loads
    int live = 0;                                         // modules loaded and not yet freed
};
