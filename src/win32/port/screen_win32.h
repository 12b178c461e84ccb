#pragma once
#include "platform/screen.h"

class Win32Screen final : public IScreen {
public:
    ScreenSize Size() const override;
};
