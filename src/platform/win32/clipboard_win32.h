// The clipboard on Windows, for Unicode text.
#pragma once

#include <functional>

#include "platform/clipboard.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class Win32Clipboard : public Clipboard {
  public:
    // The window that owns what the program puts on the clipboard. A clipboard opened without
    // an owner has none once it is emptied, and then SetClipboardData fails.
    explicit Win32Clipboard(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    void SetText(const std::string& text) override;
    std::string Text() override;

  private:
    bool Open() const;

    std::function<HWND()> owner_;
};

}  // namespace kelvaro
