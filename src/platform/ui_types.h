// Plain values shared by the platform model and its backends.
#pragma once

#include <cstdint>
#include <string>

namespace kelvaro {

// Positions and sizes are in pixels at 96 dots per inch; a backend scales them to the screen.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum Anchor : unsigned {
    akLeft = 1,
    akTop = 2,
    akRight = 4,
    akBottom = 8,
};
constexpr unsigned kAnchorsDefault = akLeft | akTop;
constexpr unsigned kAnchorsStretch = akLeft | akTop | akRight;  // widens with its parent
constexpr unsigned kAnchorsRight = akTop | akRight;             // follows the right edge

// A colour in the 0x00BBGGRR layout; the top byte may carry the 0x02 palette-relative mark.
using Color = std::uint32_t;
constexpr Color kColorDefault = 0xFF000000;  // the system's colour for the control

struct Font {
    std::string name{};  // empty: the form's font
    int height = 0;      // character height in pixels; 0: the form's
    Color color = kColorDefault;
    bool underline = false;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

enum class MouseButton { Left, Right, Middle };
enum class Cursor { Default, HandPoint };
enum class TextAlign { Left, Right };

// Modal results, as the buttons of a dialog return them.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
};

// Message box flags and answers, with the values of the Windows message box (whose own names
// are macros of the Windows headers, so these carry names of their own).
enum MessageBoxFlag : unsigned {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbIconHand = 0x10,
    kMbIconExclamation = 0x30,
};
enum MessageBoxAnswer : int {
    kIdOk = 1,
    kIdCancel = 2,
};

enum class CloseAction { None, Hide, Free, Minimize };
enum class WindowState { Normal, Minimized, Maximized };
enum class BorderStyle { Sizeable, Dialog, Single };
enum class FormPosition { Default, ScreenCenter };

// The parts of a control's state that a backend mirrors to the screen.
enum class Property {
    Text,
    Enabled,
    Visible,
    Bounds,
    Checked,
    Items,
    Font,
    Range,
    Progress,
    ActivePage,
    WindowState,
    Hint,
};

}  // namespace kelvaro

namespace kelvaro {

// The size limits a window reports to the system, in 96-DPI pixels of its outer frame.
// A form's limits hook changes what it needs and leaves the rest as the system proposed.
struct MinMaxInfo {
    int maxWidth = 0;  // the maximised size
    int maxHeight = 0;
    int maxLeft = 0;  // the maximised position
    int maxTop = 0;
    int minTrackWidth = 0;  // the least size dragging can reach
    int minTrackHeight = 0;
    int maxTrackWidth = 0;  // the largest size dragging can reach
    int maxTrackHeight = 0;
    bool operator==(const MinMaxInfo&) const = default;
};

}  // namespace kelvaro
