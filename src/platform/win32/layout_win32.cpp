// Implements the layout arithmetic: scaling, anchors, scroll-bar need (no Windows calls here).
#include "platform/win32/layout_win32.h"

#include <algorithm>
#include <cstdint>

namespace kelvaro {

namespace {

int MulDivRound(int value, unsigned numerator, unsigned denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t result =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(result);
}

// One axis of AnchoredRect.
void Follow(int& start, int& length, bool nearSide, bool farSide, int delta) {
    if (nearSide && farSide) {
        length = std::max(0, length + delta);
    } else if (farSide) {
        start += delta;
    } else if (!nearSide) {
        start += delta / 2;
    }
}

}  // namespace

int ScaleToDpi(int value, unsigned dpi) {
    return MulDivRound(value, dpi, 96);
}

int ScaleFromDpi(int value, unsigned dpi) {
    return MulDivRound(value, 96, dpi == 0 ? 96 : dpi);
}

Rect AnchoredRect(const Rect& design, unsigned anchors, Extent parentDesign, Extent parentNow) {
    Rect rect = design;
    Follow(rect.left, rect.width, (anchors & akLeft) != 0, (anchors & akRight) != 0,
           parentNow.width - parentDesign.width);
    Follow(rect.top, rect.height, (anchors & akTop) != 0, (anchors & akBottom) != 0,
           parentNow.height - parentDesign.height);
    return rect;
}

PixelRect ScaleRect(const Rect& rect, unsigned dpi) {
    return {ScaleToDpi(rect.left, dpi), ScaleToDpi(rect.top, dpi),
            ScaleToDpi(rect.left + rect.width, dpi), ScaleToDpi(rect.top + rect.height, dpi)};
}

ScrollNeed NeedScrollBars(Extent full, Extent content, int verticalBarWidth,
                          int horizontalBarHeight) {
    ScrollNeed need;
    need.horizontal = full.width < content.width;
    need.vertical = full.height < content.height;
    // A bar on one side takes room from the other axis and may call for the other bar.
    if (need.horizontal && !need.vertical) {
        need.vertical = full.height - horizontalBarHeight < content.height;
    }
    if (need.vertical && !need.horizontal) {
        need.horizontal = full.width - verticalBarWidth < content.width;
    }
    need.client = {full.width - (need.vertical ? verticalBarWidth : 0),
                   full.height - (need.horizontal ? horizontalBarHeight : 0)};
    need.client.width = std::max(0, need.client.width);
    need.client.height = std::max(0, need.client.height);
    return need;
}

int ClampScroll(int position, int content, int page) {
    return std::clamp(position, 0, std::max(0, content - page));
}

}  // namespace kelvaro
