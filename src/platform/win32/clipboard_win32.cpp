// Implements the clipboard service on Windows: CF_UNICODETEXT through OpenClipboard (on behalf of
// the owner window the backend gives), SetClipboardData and GetClipboardData.
#include "platform/win32/clipboard_win32.h"

#include <cstring>

#include "platform/win32/wide.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

// Another program may hold the clipboard for a moment.
bool Win32Clipboard::Open() const {
    HWND owner = owner_ ? owner_() : nullptr;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

void Win32Clipboard::SetText(const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    void* target = GlobalLock(memory);
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!Open()) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);  // still ours when the clipboard did not take it
    }
    CloseClipboard();
}

std::string Win32Clipboard::Text() {
    if (!Open()) {
        return {};
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace kelvaro
