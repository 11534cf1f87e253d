// Implements the shell service on Windows: ShellExecuteW with no owner window.
#include "platform/win32/shell_win32.h"

#include <shellapi.h>
#include <windows.h>

namespace kelvaro {

namespace {

std::wstring ToWide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

long Win32Shell::Open(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& folder, int showCommand) {
    const std::wstring wideVerb = ToWide(verb);
    const std::wstring wideFile = ToWide(file);
    const std::wstring wideParameters = ToWide(parameters);
    const std::wstring wideFolder = ToWide(folder);
    const HINSTANCE result = ShellExecuteW(nullptr, OrNull(wideVerb), wideFile.c_str(),
                                           OrNull(wideParameters), OrNull(wideFolder), showCommand);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace kelvaro
