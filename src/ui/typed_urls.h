#pragma once
// The "URLs (typed)..." submenu: the addresses typed into the browser's address bar.
#include <memory>
#include <string>

#include "ui/menu_model.h"

class IRegistryLists;

constexpr const char* TYPED_URLS_KEY = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// One entry per value "url1", "url2" ... up to "url100", id 17151 + N, until the first
// value that is missing. Values of 4 bytes or less, and values too long for an address
// (260 bytes or more), are skipped and leave their id unused. A leading "http://" (any case)
// is not shown.
std::unique_ptr<MenuModel> BuildTypedUrlMenu(IRegistryLists& registry);

// The address as the submenu shows it.
std::string ShownAddress(const std::string& address);
