// The service's side of ended edits and of the About box.
#include "app/busy_scope.h"
#include "app/item_edits.h"
#include "app/service_wnd.h"
#include "platform/about_box.h"
#include "platform/menu_host.h"
#include "platform/system.h"
#include "store/temp_files.h"

void CServiceWnd::FinishEdits() {
    if (!m_pItemEdits || m_hWnd == NO_WINDOW)
        return;
    // An open menu, a chosen entry still to be dispatched and an open dialog point at items:
    // the lists may not change under them.
    if (m_capture.IsHolding() || m_pDragItem || (m_dwState & ST_BUSY)) {
        m_ports.timers.Set(m_hWnd, TIMER_FINISH_EDITS, FINISH_EDITS_RETRY_MS);
        return;
    }
    m_ports.timers.Kill(m_hWnd, TIMER_FINISH_EDITS);
    if (m_pItemEdits->Finish(m_activeList, m_collectionList, *this, false))
        SaveAndReload();
}

void CServiceWnd::ShowAbout() {
    if (!m_pAboutBox || (m_dwState & ST_BUSY))
        return;
    BusyScope busy(m_dwState);
    m_ports.menus.CancelMenus();
    SetBusy(true);
    m_pAboutBox->Show(m_nPasteCount);
    if (m_hWnd != NO_WINDOW)
        SetBusy(false);
}
