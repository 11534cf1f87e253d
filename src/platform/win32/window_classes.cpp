// Implements the window classes and their thin window procedures: each procedure finds its peer
// (GWLP_USERDATA, set at WM_NCCREATE) and hands it the message; the peer's handlers do the work.
#include "platform/win32/window_classes.h"

#include "platform/win32/form_window.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_peer.h"

namespace kelvaro {

namespace {

constexpr UINT_PTR kGroupBoxSubclass = 1;

// The object stored with the window at WM_NCCREATE, or nullptr before that.
template <class Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return owner;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FormPeer* form = OwnerOf<FormPeer>(window, message, lParam);
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCCREATE) {
        form->BindWindow(window);
    }
    return form->Backend().Shielded(
        [&] { return form->HandleMessage(window, message, wParam, lParam); });
}

void PaintPane(WindowPeer& pane, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    pane.Paint(dc, client);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowPeer* pane = OwnerOf<WindowPeer>(window, message, lParam);
    if (pane == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return pane->Backend().Shielded([&]() -> LRESULT {
        LRESULT result = 0;
        switch (message) {
            case WM_NCCREATE:
                pane->BindWindow(window);
                break;
            case WM_PAINT:
                PaintPane(*pane, window);
                return 0;
            case WM_ERASEBKGND:
                if (pane->PaintsBackground()) {
                    return 1;
                }
                break;
            case WM_PRINTCLIENT:
                FillFace(window, reinterpret_cast<HDC>(wParam));
                return 0;
            default:
                if (RouteFromChild(pane->Backend(), message, wParam, lParam, result)) {
                    return result;
                }
                break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    });
}

LRESULT CALLBACK ServiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Backend* backend = OwnerOf<Win32Backend>(window, message, lParam);
    if (backend == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return backend->Shielded(
        [&] { return backend->OnServiceMessage(window, message, wParam, lParam); });
}

LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto* backend = reinterpret_cast<Win32Backend*>(data);
    return backend->Shielded([&]() -> LRESULT {
        LRESULT result = 0;
        switch (message) {
            case WM_ERASEBKGND:
                // The frame is drawn over the parent's background; the inside is the box's own.
                FillFace(window, reinterpret_cast<HDC>(wParam));
                return 1;
            case WM_NCHITTEST:
                // A group box passes the mouse through; its controls need it.
                return HTCLIENT;
            case WM_NCDESTROY:
                RemoveWindowSubclass(window, GroupBoxProc, kGroupBoxSubclass);
                break;
            default:
                if (RouteFromChild(*backend, message, wParam, lParam, result)) {
                    return result;
                }
                break;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    });
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background,
              UINT style) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);  // fails harmlessly when the class is there already
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance) {
    HBRUSH face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    // No class icon: a form sets its own at its DPI, and a dialog frame shows none.
    Register(instance, kFormClass, FormProc, face, CS_DBLCLKS);
    Register(instance, kPaneClass, PaneProc, face, CS_HREDRAW | CS_VREDRAW);
    Register(instance, kServiceClass, ServiceProc, nullptr, 0);
}

void SubclassGroupBox(HWND groupBox, Win32Backend& backend) {
    SetWindowSubclass(groupBox, GroupBoxProc, kGroupBoxSubclass,
                      reinterpret_cast<DWORD_PTR>(&backend));
}

bool RouteFromChild(Win32Backend& backend, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            WindowPeer* peer =
                lParam != 0 ? backend.PeerOf(reinterpret_cast<HWND>(lParam)) : nullptr;
            result = 0;
            return peer != nullptr && peer->OnCommand(HIWORD(wParam));
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            WindowPeer* peer = backend.PeerOf(header.hwndFrom);
            result = 0;
            return peer != nullptr && peer->OnNotify(header, result);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            WindowPeer* peer = backend.PeerOf(reinterpret_cast<HWND>(lParam));
            HBRUSH brush = peer != nullptr
                               ? peer->OnControlColor(reinterpret_cast<HDC>(wParam), message)
                               : nullptr;
            result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            // From an up-down control, whose work was done at UDN_DELTAPOS.
            result = 0;
            return lParam != 0;
        default:
            return false;
    }
}

void FillFace(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace kelvaro
