#pragma once
#include "platform/last_error.h"

class FakeLastError : public ILastError {
public:
    unsigned Get() const override { return code; }
    void Set(unsigned c) override { code = c; }
    unsigned code = 0;
};
