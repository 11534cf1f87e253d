// The clipboard on Windows, for Unicode text.
#pragma once

#include "platform/clipboard.h"

namespace kelvaro {

class Win32Clipboard : public Clipboard {
  public:
    void SetText(const std::string& text) override;
    std::string Text() override;
};

}  // namespace kelvaro
