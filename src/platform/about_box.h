#pragma once
// The About box: the product, its version, what the pastes have saved, the home page.
// Implemented in src/win32.
#include <cstdint>

class IAboutBox {
public:
    virtual ~IAboutBox() = default;
    // Shows the box until the user closes it.
    virtual void Show(uint32_t pasteCount) = 0;
};
