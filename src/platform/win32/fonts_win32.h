// The fonts of the Win32 backend: the model's font settings made into GDI fonts at a DPI.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/ui_types.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class FontCache {
  public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The GDI font for the settings at the DPI; the cache keeps it until it is destroyed.
    HFONT Get(const Font& font, unsigned dpi);
    // The face drawn for a requested name: the name when the system has it, otherwise the first
    // Japanese proportional UI face the system has.
    std::wstring FaceFor(const std::string& requested);

  private:
    bool Installed(const std::wstring& face);

    std::map<std::tuple<std::wstring, int, bool, bool>, HFONT> fonts_;
    std::map<std::wstring, bool> installed_;
};

// The character height of a control whose font settings name none.
constexpr int kDefaultFontHeight = 12;

}  // namespace kelvaro
