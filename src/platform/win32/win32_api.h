// The Windows headers, as the Win32 backend includes them: wide-character calls only, and none of
// the generic-name macros that would rename the model's own members (Application::MessageBox).
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
// windows.h first: the headers below rely on its types.
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>
#include <uxtheme.h>

// Generic names that the Windows headers map to their A or W forms, or to nothing. The backend
// calls the W forms by name; the model has members called MessageBox.
#undef MessageBox
#undef GetObject
#undef LoadImage
#undef DrawText
#undef CreateWindow
#undef CreateFont
#undef GetMessage
#undef PostMessage
#undef SendMessage
#undef GetClassName
#undef CopyFile
#undef MoveFile
#undef CreateDirectory
#undef DeleteFile
#undef GetCurrentTime
#undef Yield
