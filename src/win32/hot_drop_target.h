#pragma once
// The hot window as a drop target: text, Rich Text, pictures and files dropped on it
// become items of the active collection.
#include <windows.h>
#include <ole2.h>

class CServiceWnd;

class HotDropTarget final : public IDropTarget {
public:
    // Made with one reference, which its window releases after revoking it.
    explicit HotDropTarget(CServiceWnd& service) : m_service(&service) {}
    // The window goes: a drag still under way may hold the object, but reaches nothing.
    void Detach() { m_service = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at,
                                   DWORD* effect) override;

private:
    ~HotDropTarget() = default;
    DWORD Effect() const;

    CServiceWnd* m_service;
    LONG m_refs = 1;
    bool m_acceptable = false; // the data under the pointer offers a format the program keeps
};
