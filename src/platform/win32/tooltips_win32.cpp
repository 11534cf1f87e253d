// Implements Tooltips: TTM_ADDTOOLW / TTM_UPDATETIPTEXTW / TTM_DELTOOLW with
// TTF_SUBCLASS | TTF_IDISHWND, so the tooltip watches the mouse over each control itself.
#include "platform/win32/tooltips_win32.h"

#include "platform/win32/layout_win32.h"

namespace kelvaro {

namespace {

constexpr int kTipWidth = 400;  // 96-DPI pixels before a tip wraps

TTTOOLINFOW ToolInfo(HWND owner, HWND tool, const std::wstring* text) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text != nullptr ? const_cast<wchar_t*>(text->c_str()) : nullptr;
    return info;
}

}  // namespace

std::string ShortHint(const std::string& hint) {
    return hint.substr(0, hint.find('|'));
}

void Tooltips::Create(HWND owner, HINSTANCE instance, unsigned dpi) {
    owner_ = owner;
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    SetDpi(dpi);
}

void Tooltips::SetDpi(unsigned dpi) {
    if (window_ != nullptr) {
        SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kTipWidth, dpi));
    }
}

void Tooltips::Set(HWND tool, const std::wstring& text) {
    if (window_ == nullptr || tool == nullptr) {
        return;
    }
    const bool known = tools_.count(tool) != 0;
    if (text.empty()) {
        if (known) {
            TTTOOLINFOW info = ToolInfo(owner_, tool, nullptr);
            SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
            tools_.erase(tool);
        }
        return;
    }
    TTTOOLINFOW info = ToolInfo(owner_, tool, &text);
    if (known) {
        SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else if (SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
        tools_.insert(tool);
    }
}

void Tooltips::Detach() {
    window_ = nullptr;
    tools_.clear();
}

}  // namespace kelvaro
