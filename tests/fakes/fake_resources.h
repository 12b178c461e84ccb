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
    explicit FakeResourceModule(FakeResourceContent content, int* liveCount = nullptr);
    ~FakeResourceModule() override;
    bool LoadText(unsigned id, std::string& text) const override;
    bool HasMenu(unsigned id) const override { return m_content.menus.count(id) != 0; }

private:
    FakeResourceContent m_content;
    int* m_liveCount;
};

class FakeLanguageLoader : public ILanguageLoader {
public:
    std::unique_ptr<IResourceModule> Load(const std::string& path) override;

    std::map<std::string, FakeResourceContent> libraries; // by path
    int loads = 0;                                        // successful loads
    int live = 0;                                         // modules loaded and not yet freed
};
