// Implements FontCache: face lookup with EnumFontFamiliesExW and fonts made with
// CreateFontIndirectW in the default character set (a substituted face made with the Shift-JIS set
// drew ASCII as boxes under Wine).
#include "platform/win32/fonts_win32.h"

#include <cwchar>

#include "platform/win32/layout_win32.h"
#include "platform/win32/wide.h"

namespace kelvaro {

namespace {

// The face the forms are designed with, then the faces that stand in for it, in order.
constexpr const wchar_t* kDesignFace = L"ＭＳ Ｐゴシック";
constexpr const wchar_t* kJapaneseFaces[] = {
    L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic", L"IPAPGothic", L"Noto Sans CJK JP",
};
// Always there: the system maps it to its dialog face.
constexpr const wchar_t* kLastResortFace = L"MS Shell Dlg 2";

// A face that systems in other languages list under its English name.
constexpr const wchar_t* kDesignFaceInEnglish = L"MS PGothic";

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
    // The system may enumerate a stand-in under another name; only the face itself counts.
    auto* wanted = reinterpret_cast<std::pair<const wchar_t*, bool>*>(found);
    const bool english = _wcsicmp(wanted->first, kDesignFace) == 0 &&
                         _wcsicmp(font->lfFaceName, kDesignFaceInEnglish) == 0;
    if (english || _wcsicmp(font->lfFaceName, wanted->first) == 0) {
        wanted->second = true;
        return 0;
    }
    return 1;
}

}  // namespace

FontCache::~FontCache() {
    for (auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

bool FontCache::Installed(const std::wstring& face) {
    const auto known = installed_.find(face);
    if (known != installed_.end()) {
        return known->second;
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    std::pair<const wchar_t*, bool> wanted{face.c_str(), false};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFace, reinterpret_cast<LPARAM>(&wanted), 0);
    ReleaseDC(nullptr, screen);
    installed_[face] = wanted.second;
    return wanted.second;
}

std::wstring FontCache::FaceFor(const std::string& requested) {
    const std::wstring face = requested.empty() ? std::wstring(kDesignFace) : Widen(requested);
    if (face.size() < LF_FACESIZE && Installed(face)) {
        return face;
    }
    if (face != kDesignFace && Installed(kDesignFace)) {
        return kDesignFace;
    }
    for (const wchar_t* candidate : kJapaneseFaces) {
        if (Installed(candidate)) {
            return candidate;
        }
    }
    return kLastResortFace;
}

HFONT FontCache::Get(const Font& font, unsigned dpi) {
    const std::wstring face = FaceFor(font.name);
    const int height = -ScaleToDpi(font.height > 0 ? font.height : kDefaultFontHeight, dpi);
    const auto key = std::make_tuple(face, height, font.bold, font.underline);
    const auto cached = fonts_.find(key);
    if (cached != fonts_.end()) {
        return cached->second;
    }
    LOGFONTW settings{};
    settings.lfHeight = height;
    settings.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    settings.lfUnderline = font.underline ? TRUE : FALSE;
    settings.lfCharSet = DEFAULT_CHARSET;
    settings.lfOutPrecision = OUT_DEFAULT_PRECIS;
    settings.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    settings.lfQuality = DEFAULT_QUALITY;
    settings.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcsncpy(settings.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&settings);
    if (made == nullptr) {
        made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        return made;  // stock objects are not cached: they must never be deleted
    }
    fonts_[key] = made;
    return made;
}

}  // namespace kelvaro
