// Implements Widen and Narrow with MultiByteToWideChar and WideCharToMultiByte (CP_UTF8).
#include "platform/win32/wide.h"

#include <climits>
#include <stdexcept>

#include "platform/win32/win32_api.h"

namespace kelvaro {

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    if (utf8.size() > INT_MAX) {
        throw std::length_error("text too long for Windows");
    }
    const int length = static_cast<int>(utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
    }
    return wide;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) {
        return {};
    }
    if (utf16.size() > INT_MAX) {
        throw std::length_error("text too long for Windows");
    }
    const int length = static_cast<int>(utf16.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), size, nullptr,
                            nullptr);
    }
    return narrow;
}

}  // namespace kelvaro
