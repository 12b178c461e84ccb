#pragma once
// The system's code for the last failed call of this thread. Clean-up after a failure
// calls the system again; the code is saved and put back so that the error shown to the
// user is the one that stopped the operation.
class ILastError {
public:
    virtual ~ILastError() = default;
    virtual unsigned Get() const = 0;
    virtual void Set(unsigned code) = 0;
};
