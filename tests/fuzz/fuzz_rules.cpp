// libFuzzer target over the integer conversion and the numbered path rules.
// The input's first bytes choose the numbers; the rest is the text under test.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "paths/path_rules.h"
#include "platform/convert.h"

namespace {

std::int32_t TakeInt(const std::uint8_t*& data, std::size_t& size) {
    std::uint32_t bits = 0;
    if (size >= 4) {
        std::memcpy(&bits, data, 4);
        data += 4;
        size -= 4;
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvaro;
    const std::int32_t number = TakeInt(data, size);
    const std::int32_t maximum = TakeInt(data, size);
    // Depths come from a spin box holding 0 to 127; a little outside that is tried too.
    const std::int32_t depth = TakeInt(data, size) % 140;
    const std::string text(reinterpret_cast<const char*>(data), size);

    try {
        const std::int32_t value = StrToInt(text);
        if (StrToInt(IntToStr(value)) != value) {
            std::abort();
        }
    } catch (const ConvertError&) {
    }

    const std::string name = MakeFileName(text, number);
    std::size_t stars = 0;
    for (char c : text) {
        stars += (c == '*');
    }
    if (name.size() != text.size() - stars + stars * IntToStr(number).size()) {
        std::abort();
    }
    if (name.find('?') != std::string::npos) {
        std::abort();
    }

    const std::string folder = MakeFolderPath(depth, number, maximum);
    if (!folder.empty() && folder.back() != '\\') {
        std::abort();
    }
    const std::int32_t required = RequiredDepth(number, maximum);
    if (required < 0 || required > 30) {
        std::abort();
    }

    TransferPathValues values;
    values.FromMax = maximum;
    values.ToMax = number;
    values.FromMaxIsInt = (depth & 1) != 0;
    values.ToMaxIsInt = true;
    values.FromDepth = depth;
    values.ToDepth = required;
    values.FromPath = name;
    values.ToPath = text;
    BuildSubFolders(values, number, maximum);
    return 0;
}
