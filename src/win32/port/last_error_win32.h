#pragma once
#include "platform/last_error.h"

class Win32LastError : public ILastError {
public:
    unsigned Get() const override;
    void Set(unsigned code) override;
};
