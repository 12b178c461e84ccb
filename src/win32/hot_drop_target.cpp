#include "hot_drop_target.h"

#include <vector>

#include "app/clip_formats.h"
#include "app/service_wnd.h"
#include "handles.h"
#include "platform/data_offer.h"

namespace {
FORMATETC BlockFormat(unsigned format) {
    return {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The dropped data object read as the program reads a cut.
class DroppedOffer final : public IDataOffer {
public:
    explicit DroppedOffer(IDataObject& data) : m_data(data) {}
    bool IsFormatAvailable(unsigned format) const override {
        FORMATETC wanted = BlockFormat(format);
        return format != 0 && m_data.QueryGetData(&wanted) == S_OK;
    }
    bool GetData(unsigned format, std::vector<uint8_t>& data) const override {
        FORMATETC wanted = BlockFormat(format);
        STGMEDIUM medium = {};
        if (format == 0 || m_data.GetData(&wanted, &medium) != S_OK)
            return false;
        bool got = false;
        if (medium.tymed == TYMED_HGLOBAL) {
            GlobalLocked block(medium.hGlobal);
            if (block.Data()) {
                const auto* bytes = static_cast<const uint8_t*>(block.Data());
                data.assign(bytes, bytes + block.Size());
                got = true;
            }
        }
        ReleaseStgMedium(&medium);
        return got;
    }

private:
    IDataObject& m_data;
};

bool OffersKeptFormat(IDataObject* data) {
    if (!data)
        return false;
    const DroppedOffer offer(*data);
    for (unsigned format : {unsigned(CF_HDROP), g_cfRtf, unsigned(CF_UNICODETEXT),
                            unsigned(CF_TEXT), unsigned(CF_DIB)})
        if (offer.IsFormatAvailable(format))
            return true;
    return false;
}
} // namespace

HRESULT HotDropTarget::QueryInterface(REFIID riid, void** out) {
    if (!out)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG HotDropTarget::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG HotDropTarget::Release() {
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// Always a copy: the item is a copy, and a source told "moved" deletes its text or files.
DWORD HotDropTarget::Effect() const {
    if (!m_service || (!m_acceptable && !m_service->m_pDragItem))
        return DROPEFFECT_NONE;
    return DROPEFFECT_COPY;
}

HRESULT HotDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    m_acceptable = OffersKeptFormat(data);
    if (effect)
        *effect &= Effect();
    return S_OK;
}

HRESULT HotDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (effect)
        *effect &= Effect();
    return S_OK;
}

HRESULT HotDropTarget::DragLeave() {
    m_acceptable = false;
    return S_OK;
}

HRESULT HotDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    const DWORD allowed = effect ? *effect : DROPEFFECT_COPY;
    const DWORD done = allowed & Effect();
    if (effect)
        *effect = done;
    m_acceptable = false;
    if (done && data && m_service) {
        const DroppedOffer offer(*data);
        m_service->OnHotWindowDrop(offer);
    }
    return S_OK;
}
