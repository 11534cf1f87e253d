// Text to signed 32-bit integer and back, as every number field of the program reads them.
//
// Accepted: leading blanks (spaces only), an optional "+" or "-", then either decimal digits up to
// the end, with a value in the signed 32-bit range, or a hexadecimal form: a "$", "x", "X", "0x"
// or "0X" prefix and hexadecimal digits of either case, at most eight significant ones, read as a
// 32-bit pattern ("$FFFFFFFF" is -1). A sign before a hexadecimal form has no effect.
// Anything else throws ConvertError.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvaro {

// The conversion error: a text that is not an integer of the accepted forms.
class ConvertError : public std::runtime_error {
  public:
    explicit ConvertError(const std::string& text);
};

std::int32_t StrToInt(const std::string& text);

// The shortest decimal form: "-" for negative numbers, no plus sign, no leading zeros.
std::string IntToStr(std::int32_t value);

}  // namespace kelvaro
