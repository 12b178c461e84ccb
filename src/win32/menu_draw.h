#pragma once
// Owner drawing of menu entries: measuring, painting, and reporting the highlighted entry
// to the service. What is shown and reported is decided in ui/entry_look; this paints it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/clock.h"

class CServiceWnd;
class CClipItem;

// The popup's first entry id (ID_EMPTY_SUBMENU when it has none) for an entry that opens
// a popup, else -1; `checked` tells whether the entry carries the group mark. Entries of
// context menus (ids of 32768 and up) are looked up in `tracked` when one is given.
int ProbeMenuEntry(HMENU menu, UINT id, HMENU tracked, bool& checked);

// WM_MEASUREITEM: the entry's size in `font` (none: the DC's own) at the local time `now`;
// `hotBar` for the top level of the hot-menu bar. Stores one row's height in `rowHeight`.
void MeasureMenuEntry(HDC dc, MEASUREITEMSTRUCT& mis, HFONT font, const LocalTime& now, bool hotBar,
                      int32_t& rowHeight);

// WM_DRAWITEM: paints the entry (time entries at the service's clock) and, when it is
// highlighted (or while an entry is being dragged), reports it: its status id into `status`, its
// clip item into `item`, its path or address into the service's m_strSelPath.
void DrawMenuEntry(const DRAWITEMSTRUCT& dis, CServiceWnd& service, int32_t& status,
                   CClipItem*& item);

// A picture of the program's resources (shared: never destroyed); null when missing.
HICON LoadMenuIcon(unsigned id);

// The small system icon of a file name's type, or of a web page; the caller destroys it.
HICON ShellIconFor(const std::string& name, bool address);
