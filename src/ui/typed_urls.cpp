#include "ui/typed_urls.h"

#include "platform/registry_lists.h"
#include "store/byte_block.h"
#include "store/no_case.h"
#include "ui/menu_ids.h"

namespace {
constexpr size_t kMinValueBytes = 5;   // "a.b" and its NUL is 4: nothing worth showing
constexpr size_t kMaxValueBytes = 259; // what fits an address buffer of 260 characters
constexpr const char kHttp[] = "http://";
constexpr size_t kHttpLength = sizeof kHttp - 1;
} // namespace

std::string ShownAddress(const std::string& address) {
    return StartsWithNoCase(address, kHttp) ? address.substr(kHttpLength) : address;
}

std::unique_ptr<MenuModel> BuildTypedUrlMenu(IRegistryLists& registry) {
    auto menu = std::make_unique<MenuModel>();
    for (unsigned n = 1; n <= TYPED_URL_COUNT; ++n) {
        std::vector<uint8_t> data;
        if (!registry.ReadValue(TYPED_URLS_KEY, "url" + std::to_string(n), data))
            break;
        // A value longer than the address buffer is left out, not taken as the list's end.
        if (data.size() < kMinValueBytes || data.size() > kMaxValueBytes + 1)
            continue;
        MenuEntry e;
        e.kind = EntryKind::Url;
        e.id = ID_URL_FIRST + n - 1;
        e.text = ShownAddress(BlockString(data));
        menu->entries.push_back(std::move(e));
    }
    return menu;
}
