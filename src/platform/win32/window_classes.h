// The window classes of the Win32 backend and their window procedures: the form, the pane (a
// window the backend draws itself: panels, pages, gauges, bevels) and the message-only service
// window of the main thread; and the subclass that lets a group box hold controls.
#pragma once

#include "platform/win32/win32_api.h"

namespace kelvaro {

class Win32Backend;

inline constexpr wchar_t kFormClass[] = L"KelvaroForm";
inline constexpr wchar_t kPaneClass[] = L"KelvaroPane";
inline constexpr wchar_t kServiceClass[] = L"KelvaroService";

// Registers the classes once per process; registering them again is harmless.
void RegisterWindowClasses(HINSTANCE instance);
// A group box hands its children's notifications on, as the other containers do.
void SubclassGroupBox(HWND groupBox, Win32Backend& backend);
// The notifications a control sends its parent, routed to the control's peer. False when the
// message is none of them or the peer leaves it to the default handling.
bool RouteFromChild(Win32Backend& backend, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result);
// Fills with the dialog background, as a container does under a themed child.
void FillFace(HWND window, HDC dc);

}  // namespace kelvaro
