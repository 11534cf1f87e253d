#include "paths/path_rules.h"

#include <vector>

namespace kelvaro {

namespace {

std::string DecimalText(std::int32_t number) {
    return std::to_string(number);
}

}  // namespace

bool ReplaceFirst(std::string& text, const std::string& token, const std::string& replacement) {
    const std::string::size_type at = text.find(token);
    if (at == std::string::npos) {
        return false;
    }
    text.replace(at, token.size(), replacement);
    return true;
}

std::string MakeFileName(const std::string& pattern, std::int32_t number) {
    const std::string digits = DecimalText(number);
    const std::int64_t length = static_cast<std::int64_t>(digits.size());

    // The "*" marks take the whole decimal text, which holds no "?", so the field of "?" marks
    // is exactly the "?" bytes of the pattern itself.
    std::int64_t marks = 0;
    std::size_t stars = 0;
    for (char c : pattern) {
        marks += (c == '?');
        stars += (c == '*');
    }

    std::string name;
    name.reserve(pattern.size() + stars * digits.size());
    std::int64_t mark = 0;  // index of the next "?" in the field, from the left
    for (char c : pattern) {
        if (c == '*') {
            name += digits;
        } else if (c == '?') {
            // The field is right-aligned: mark j takes digit (L - Q + j), or "0" to its left.
            const std::int64_t source = length - marks + mark;
            name += source < 0 ? '0' : digits[static_cast<std::size_t>(source)];
            ++mark;
        } else {
            name += c;
        }
    }
    return name;
}

std::string MakeFolderPath(std::int32_t depth, std::int32_t number, std::int32_t maximum) {
    if (maximum <= 0 || depth <= 0) {
        return {};
    }
    // Level k, from the innermost outwards, is number / maximum^k. Once a quotient is 0 it stays
    // 0, so every level further out is named "0" and need not be divided for.
    std::vector<std::string> inner;
    while (static_cast<std::int32_t>(inner.size()) < depth && number != 0) {
        number /= maximum;
        inner.push_back(DecimalText(number));
    }
    std::string path;
    for (auto k = static_cast<std::int32_t>(inner.size()); k < depth; ++k) {
        path += "0\\";
    }
    for (auto level = inner.rbegin(); level != inner.rend(); ++level) {
        path += *level;
        path += '\\';
    }
    return path;
}

std::int32_t RequiredDepth(std::int32_t end, std::int32_t maximum) {
    if (maximum < 2) {
        return 0;
    }
    std::int32_t depth = 0;
    while (end >= maximum) {
        end /= maximum;
        ++depth;
    }
    return depth;
}

void BuildSubFolders(TransferPathValues& values, std::int32_t FromNumber, std::int32_t ToNumber) {
    values.FromSubDir = MakeFolderPath(values.FromDepth, FromNumber, values.FromMax);
    if (values.FromMaxIsInt) {
        values.FromPath.insert(0, values.FromSubDir);
    }
    values.ToSubDir = MakeFolderPath(values.ToDepth, ToNumber, values.ToMax);
    if (values.ToMaxIsInt) {
        values.ToPath.insert(0, values.ToSubDir);
    }
}

}  // namespace kelvaro
