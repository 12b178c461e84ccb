// What the user does with the hot window - clicks, resting the pointer, dropping data on
// it - and the Camera.
#include "app/clip_formats.h"
#include "app/collection_store.h"
#include "app/dropped_data.h"
#include "app/service_wnd.h"
#include "platform/camera.h"
#include "platform/service_window.h"
#include "resource.h"

void CServiceWnd::OnHotWindowClick(HotClick click) {
    OpenMenuOfClick(m_hotWnd.OpensMainMenu(click), *this, m_ports.window);
}

void CServiceWnd::OnHotWindowRest() {
    if (m_pMainMenu || m_hotWnd.IsHotMenu())
        return;
    m_ports.window.SendCommand(0, ID_OPEN_MAIN_MENU);
}

size_t CServiceWnd::OnHotWindowDrop(const IDataOffer& offer) {
    // An entry dragged out of the menu over the hot window is only passing.
    if (m_pDragItem || m_hWnd == NO_WINDOW)
        return 0;
    SetBusy(true);
    const size_t added =
        AddDroppedData(offer, RegisteredFormats{g_cfRtf, g_cfHtml}, *this, m_activeList);
    if (added) {
        PlaySound(m_nSound);
        // As a cut would be: kept at once when the user asked for that.
        if (m_dwOptions & OPT_AUTOSAVE)
            m_ports.store.SaveActiveCollection(*this);
    }
    SetBusy(false);
    m_hotWnd.Refresh();
    return added;
}

void CServiceWnd::RunCamera() {
    if (m_ports.camera.BringToFront())
        return;
    // Not busy meanwhile: what the Camera copies is a cut like any other program's.
    m_nPasteCount += m_ports.camera.Run(m_rcCamera, m_nCameraFlags);
}
