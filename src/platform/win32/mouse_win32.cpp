// Implements WatchMouse: a window subclass that reports WM_MOUSEMOVE / WM_MOUSELEAVE as the
// model's MouseEnter / MouseLeave, the button-down messages as MouseDown, and answers
// WM_SETCURSOR with the control's cursor.
#include "platform/win32/mouse_win32.h"

#include "platform/win32/layout_win32.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_peer.h"

namespace kelvaro {

namespace {

constexpr UINT_PTR kMouseSubclass = 2;

LRESULT OnButtonDown(WindowPeer& peer, MouseButton button, LPARAM at) {
    const unsigned dpi = peer.Dpi();
    const int x = ScaleFromDpi(static_cast<short>(LOWORD(at)), dpi);
    const int y = ScaleFromDpi(static_cast<short>(HIWORD(at)), dpi);
    peer.Guarded([&] { peer.Model().MouseDown(button, x, y); });
    return 0;
}

LRESULT CALLBACK MouseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    auto& peer = *reinterpret_cast<WindowPeer*>(data);
    return peer.Backend().Shielded([&]() -> LRESULT {
        switch (message) {
            case WM_MOUSEMOVE:
                if (!peer.MouseInside()) {
                    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
                    TrackMouseEvent(&track);
                    peer.SetMouseInside(true);
                    peer.Guarded([&] { peer.Model().MouseEnter(); });
                }
                break;
            case WM_MOUSELEAVE:
                if (peer.MouseInside()) {
                    peer.SetMouseInside(false);
                    peer.Guarded([&] { peer.Model().MouseLeave(); });
                }
                break;
            case WM_LBUTTONDOWN:
                OnButtonDown(peer, MouseButton::Left, lParam);
                break;
            case WM_RBUTTONDOWN:
                OnButtonDown(peer, MouseButton::Right, lParam);
                break;
            case WM_MBUTTONDOWN:
                OnButtonDown(peer, MouseButton::Middle, lParam);
                break;
            case WM_SETCURSOR:
                if (LOWORD(lParam) == HTCLIENT && peer.Model().GetCursor() == Cursor::HandPoint) {
                    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                    return TRUE;
                }
                break;
            case WM_NCDESTROY:
                RemoveWindowSubclass(window, MouseProc, kMouseSubclass);
                break;
            default:
                break;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    });
}

}  // namespace

void WatchMouse(HWND window, WindowPeer& peer) {
    SetWindowSubclass(window, MouseProc, kMouseSubclass, reinterpret_cast<DWORD_PTR>(&peer));
}

}  // namespace kelvaro
