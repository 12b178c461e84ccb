#include "menu_drag.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "global_block.h"
#include "resource.h"

namespace {
// Reference counting shared by the two objects: they delete themselves at the last Release.
template <class Interface> class RefCounted : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_refs); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&m_refs);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    virtual ~RefCounted() = default;

protected:
    HRESULT Query(REFIID riid, const IID& own, void** out) {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, own)) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }

private:
    LONG m_refs = 1;
};

// One format, offered as a global memory block.
class BlockData final : public RefCounted<IDataObject> {
public:
    explicit BlockData(const RenderedData& data) : m_data(data) {
        m_format.cfFormat = static_cast<CLIPFORMAT>(data.format);
        m_format.ptd = nullptr;
        m_format.dwAspect = DVASPECT_CONTENT;
        m_format.lindex = -1;
        m_format.tymed = TYMED_HGLOBAL;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        return Query(riid, IID_IDataObject, out);
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium)
            return E_INVALIDARG;
        const HRESULT hr = QueryGetData(format);
        if (FAILED(hr))
            return hr;
        UniqueGlobal block = GlobalCopyOf(m_data.block);
        if (!block)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block.Release(); // the receiver frees it
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!format)
            return E_INVALIDARG;
        if (format->cfFormat != m_format.cfFormat || !(format->tymed & TYMED_HGLOBAL) ||
            format->dwAspect != DVASPECT_CONTENT)
            return DV_E_FORMATETC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out)
            out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        return SHCreateStdEnumFmtEtc(1, &m_format, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    RenderedData m_data;
    FORMATETC m_format = {};
};

class OwnCursorSource final : public RefCounted<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        return Query(riid, IID_IDropSource, out);
    }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape)
            return DRAGDROP_S_CANCEL;
        if (!(keys & MK_LBUTTON))
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override {
        const bool copy = GetKeyState(VK_CONTROL) < 0;
        HCURSOR cursor = static_cast<HCURSOR>(LoadImageA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(copy ? IDC_DRAG_COPY : IDC_DRAG_MOVE),
            IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        if (!cursor)
            return DRAGDROP_S_USEDEFAULTCURSORS;
        SetCursor(cursor);
        return S_OK;
    }
};
} // namespace

DragResult DragOut(const RenderedData& data) {
    auto* object = new BlockData(data);
    auto* source = new OwnCursorSource();
    DragResult result;
    const HRESULT hr = DoDragDrop(
        object, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &result.effect);
    source->Release();
    object->Release();
    result.dropped = hr == DRAGDROP_S_DROP;
    if (!result.dropped)
        result.effect = DROPEFFECT_NONE;
    POINT at;
    char cls[16] = "";
    if (GetCursorPos(&at))
        GetClassNameA(WindowFromPoint(at), cls, sizeof cls);
    result.overMenu = std::strcmp(cls, "#32768") == 0; // the system's menu window class
    return result;
}
