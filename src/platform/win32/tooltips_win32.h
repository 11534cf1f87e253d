// The tooltip window of a form: one TOOLTIPS_CLASS window that shows the hints of its controls.
#pragma once

#include <set>
#include <string>

#include "platform/win32/win32_api.h"

namespace kelvaro {

class Tooltips {
  public:
    void Create(HWND owner, HINSTANCE instance, unsigned dpi);
    // Shows the text as the tip of the window; an empty text removes the tip.
    void Set(HWND tool, const std::wstring& text);
    void SetDpi(unsigned dpi);
    // The window went with its owner.
    void Detach();

  private:
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    std::set<HWND> tools_;
};

// The part of a hint that a tooltip shows: the text before "|", as the form designer has it.
std::string ShortHint(const std::string& hint);

}  // namespace kelvaro
