// The mouse over a control's window, for the model: the pointer entering and leaving
// (TrackMouseEvent), a button going down (at a point in 96-DPI pixels of the control), and the
// control's own cursor.
#pragma once

#include "platform/win32/win32_api.h"

namespace kelvaro {

class WindowPeer;

void WatchMouse(HWND window, WindowPeer& peer);

}  // namespace kelvaro
