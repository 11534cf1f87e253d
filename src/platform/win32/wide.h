// UTF-8 to UTF-16 and back, at the edge of each Windows call.
#pragma once

#include <string>

namespace kelvaro {

// Malformed UTF-8 becomes U+FFFD; embedded NULs are kept.
std::wstring Widen(const std::string& utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(const std::wstring& utf16);

}  // namespace kelvaro
