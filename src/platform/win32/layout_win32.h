// Layout arithmetic of the Win32 backend: 96-DPI design rectangles, anchors against the parent's
// current size, scaling to the window's DPI, and the scroll range of a form.
#pragma once

#include "platform/ui_types.h"

namespace kelvaro {

struct Extent {
    int width = 0;
    int height = 0;
    bool operator==(const Extent&) const = default;
};

// Scales a length in 96-DPI pixels to the DPI, and back; both round to the nearest pixel.
int ScaleToDpi(int value, unsigned dpi);
int ScaleFromDpi(int value, unsigned dpi);

// The control's rectangle once its anchors have followed the parent from its designed client size
// to its current one: an edge anchored to a side keeps its distance from it, and a control
// anchored to neither side of an axis keeps its place relative to the middle.
Rect AnchoredRect(const Rect& design, unsigned anchors, Extent parentDesign, Extent parentNow);

// A design rectangle in device pixels: each edge is scaled, so neighbours stay neighbours.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
PixelRect ScaleRect(const Rect& rect, unsigned dpi);

// Which scroll bars a client area needs to show content of a given size. `full` is the client
// size with no scroll bars; bar sizes are the widths of the vertical and horizontal bars.
struct ScrollNeed {
    bool horizontal = false;
    bool vertical = false;
    Extent client;  // the client size left once the bars are shown
};
ScrollNeed NeedScrollBars(Extent full, Extent content, int verticalBarWidth,
                          int horizontalBarHeight);

// Clamps a scroll position into 0..content-page.
int ClampScroll(int position, int content, int page);

}  // namespace kelvaro
