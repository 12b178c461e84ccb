#include "fakes/fake_resources.h"

FakeResourceModule::FakeResourceModule(FakeResourceContent content, int* liveCount)
    : m_content(std::move(content)), m_liveCount(liveCount) {
    if (m_liveCount)
        ++*m_liveCount;
}

FakeResourceModule::~FakeResourceModule() {
    if (m_liveCount)
        --*m_liveCount;
}

bool FakeResourceModule::LoadText(unsigned id, std::string& text) const {
    // Like the system's string tables: an empty string counts as missing.
    auto it = m_content.strings.find(id);
    if (it == m_content.strings.end() || it->second.empty())
        return false;
    text = it->second;
    return true;
}

std::unique_ptr<IResourceModule> FakeLanguageLoader::Load(const std::string& path) {
    auto it = libraries.find(path);
    if (it == libraries.end())
        return nullptr;
    ++loads;
    return std::make_unique<FakeResourceModule>(it->second, &live);
}
