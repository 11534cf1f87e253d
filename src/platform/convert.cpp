#include "platform/convert.h"

namespace kelvaro {

ConvertError::ConvertError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads hexadecimal digits from at to the end as a 32-bit pattern.
bool ReadHex(const std::string& text, std::size_t at, std::int32_t& value) {
    if (at >= text.size()) {
        return false;  // a lone prefix
    }
    std::uint32_t bits = 0;
    int significant = 0;
    for (; at < text.size(); ++at) {
        const int digit = HexDigit(text[at]);
        if (digit < 0) {
            return false;
        }
        if (significant > 0 || digit != 0) {
            if (++significant > 8) {
                return false;
            }
        }
        bits = (bits << 4) | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

// Reads decimal digits from at to the end; the magnitude may reach 2147483648 for a negative sign.
bool ReadDecimal(const std::string& text, std::size_t at, bool negative, std::int32_t& value) {
    if (at >= text.size()) {
        return false;  // empty, or a lone sign
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

std::int32_t StrToInt(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int32_t value = 0;
    bool ok = false;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        ok = ReadHex(text, at + 1, value);
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        ok = ReadHex(text, at + 2, value);
    } else {
        ok = ReadDecimal(text, at, negative, value);
    }
    if (!ok) {
        throw ConvertError(text);
    }
    return value;
}

std::string IntToStr(std::int32_t value) {
    return std::to_string(value);
}

}  // namespace kelvaro
