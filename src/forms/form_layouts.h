// The layouts of the program's forms, as data.
#pragma once

#include "platform/layout.h"

namespace kelvaro {

// The program's own font; a backend substitutes the nearest Japanese UI font where it is missing.
inline Font FormFont() {
    return Font{.name = "ＭＳ Ｐゴシック", .height = 12};
}

const FormLayout& MainFormLayout();
const FormLayout& OptionFormLayout();
const FormLayout& OpeFormLayout();
const FormLayout& NewDirFormLayout();
const FormLayout& AboutFormLayout();

}  // namespace kelvaro
