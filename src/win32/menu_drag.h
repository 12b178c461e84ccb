#pragma once
// Dragging an entry out of the main menu: a modal OLE drag of one data block, with the
// program's own cursors (2001 move, 2002 copy while Ctrl is held).
#include <windows.h>
#include <ole2.h>

#include "app/drag_data.h"

struct DragResult {
    bool dropped = false;           // false: cancelled (Esc, or the drag could not start)
    DWORD effect = DROPEFFECT_NONE; // what a target that took the data did with it
    bool overMenu = false;          // the drop ended over a menu window (none of ours takes drops)
};

// Runs the drag until the drop or the cancel.
DragResult DragOut(const RenderedData& data);
