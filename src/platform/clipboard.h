// The system clipboard, for text.
#pragma once

#include <string>

namespace kelvaro {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
};

}  // namespace kelvaro
