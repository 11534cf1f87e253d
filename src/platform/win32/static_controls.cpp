// Implements the peers of the controls that take no keyboard input: Label (STATIC, sized to its
// caption when it autosizes, left or right aligned, clicked through STN_CLICKED), Bevel (an etched
// rule drawn with DrawEdge), Image (a pane that draws a bitmap from the program's resources with
// TransparentBlt, stretched or at its size) and Panel (a container with DrawEdge bevels and a
// caption).
#include <algorithm>
#include <cctype>

#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

namespace {

// A caption shows an access key when it has one in the form "(&K)"; any other "&" is text, so a
// path such as "C:\R&D" shows as it is.
bool ShowsAccessKey(const std::string& caption) {
    for (std::size_t at = caption.find("(&"); at != std::string::npos;
         at = caption.find("(&", at + 1)) {
        if (at + 3 < caption.size() && std::isalnum(static_cast<unsigned char>(caption[at + 2])) &&
            caption[at + 3] == ')') {
            return true;
        }
    }
    return false;
}

DWORD LabelStyle(const Label& label) {
    DWORD style = label.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
    if (label.Alignment() == TextAlign::Right) {
        style = SS_RIGHT;
    }
    // SS_NOTIFY: the label hears the mouse, for its click and mouse events.
    return style | SS_NOTIFY | (ShowsAccessKey(label.Text()) ? 0 : SS_NOPREFIX);
}

// The caption goes into the window's text and shows with the window's next paint. The static
// control itself would paint a new text at once, so a run that shows the paths of every number
// would paint on every number instead of once a frame.
void SetCaptionForNextPaint(HWND window, const std::string& text) {
    if (window != nullptr && WindowText(window) != text) {
        DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
        InvalidateRect(window, nullptr, TRUE);
    }
}

void DrawCaption(HDC dc, RECT area, const std::string& text, HFONT font, Color color, UINT flags) {
    if (text.empty()) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(
        dc, color == kColorDefault ? GetSysColor(COLOR_BTNTEXT) : static_cast<COLORREF>(color));
    const std::wstring wide = Widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, flags);
    SelectObject(dc, old);
}

}  // namespace

void LabelPeer::Create(HWND parent) {
    window_ = MakeWindow(L"STATIC", control_.Text(), LabelStyle(static_cast<Label&>(control_)), 0,
                         parent);
}

void LabelPeer::ShowText() {
    const DWORD wanted = LabelStyle(static_cast<Label&>(control_));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const DWORD mask = SS_TYPEMASK | SS_NOPREFIX | SS_NOTIFY;
    if ((style & mask) != wanted) {
        SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | wanted));
        InvalidateRect(window_, nullptr, TRUE);
    }
    if (!static_cast<Label&>(control_).AutoSize() && backend_.DeferText(*this)) {
        return;  // a run sets its paths on every number; they show once a burst of steps
    }
    SetCaptionForNextPaint(window_, control_.Text());
    if (static_cast<Label&>(control_).AutoSize()) {
        LayOut();  // the size follows the caption
    }
}

void LabelPeer::AdjustPlacement(PixelRect& rect) {
    const auto& label = static_cast<const Label&>(control_);
    if (!label.AutoSize()) {
        return;
    }
    const std::wstring text = Widen(control_.Text().empty() ? " " : control_.Text());
    RECT measured{0, 0, label.WordWrap() ? rect.Width() : 0, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (label.WordWrap() ? DT_WORDBREAK : 0);
    if (!ShowsAccessKey(control_.Text())) {
        flags |= DT_NOPREFIX;
    }
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, CurrentFont());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, flags);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    if (label.WordWrap()) {
        // The width stays; the height follows the lines.
    } else if (label.Alignment() == TextAlign::Right) {
        rect.left = rect.right - measured.right;  // a right-aligned label keeps its right edge
    } else {
        rect.right = rect.left + measured.right;
    }
    rect.bottom = rect.top + measured.bottom;
}

bool LabelPeer::OnCommand(WORD code) {
    if (code != STN_CLICKED) {
        return false;
    }
    Guarded([&] { control_.Click(); });
    return true;
}

void BevelPeer::Create(HWND parent) {
    window_ = MakeWindow(kPaneClass, "", 0, 0, parent);
}

Rect BevelPeer::LogicalRect(Extent parentDesign, Extent parentNow) const {
    if (static_cast<const Bevel&>(control_).AlignTop()) {
        return {0, 0, parentNow.width, control_.Bounds().height};
    }
    return WindowPeer::LogicalRect(parentDesign, parentNow);
}

void BevelPeer::Paint(HDC dc, const RECT& client) {
    RECT area = client;
    const int thin = 2 * ScaleToDpi(2, Dpi());
    if (area.bottom - area.top <= thin) {
        DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);  // a rule across
    } else if (area.right - area.left <= thin) {
        DrawEdge(dc, &area, EDGE_ETCHED, BF_LEFT);  // a rule down
    } else {
        DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
    }
}

ImagePeer::~ImagePeer() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void ImagePeer::Create(HWND parent) {
    window_ = MakeWindow(kPaneClass, "", 0, 0, parent);
    const int id = static_cast<Image&>(control_).ResourceId();
    if (id != 0) {
        bitmap_ = static_cast<HBITMAP>(LoadImageW(backend_.Instance(), MAKEINTRESOURCEW(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
}

void ImagePeer::Paint(HDC dc, const RECT& client) {
    if (bitmap_ == nullptr) {
        return;
    }
    BITMAP picture{};
    GetObjectW(bitmap_, sizeof(picture), &picture);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    // The colour of the bottom-left pixel is the picture's background, drawn transparent.
    const COLORREF background = GetPixel(source, 0, picture.bmHeight - 1);
    RECT target = client;
    if (!static_cast<const Image&>(control_).Stretch()) {
        target.right = target.left + ScaleToDpi(picture.bmWidth, Dpi());
        target.bottom = target.top + ScaleToDpi(picture.bmHeight, Dpi());
    }
    SetStretchBltMode(dc, HALFTONE);
    TransparentBlt(dc, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, source, 0, 0, picture.bmWidth, picture.bmHeight,
                   background);
    SelectObject(source, old);
    DeleteDC(source);
}

void PanelPeer::Create(HWND parent) {
    window_ = MakeWindow(kPaneClass, "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
}

void PanelPeer::ShowText() {
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void PanelPeer::Paint(HDC dc, const RECT& client) {
    const auto& panel = static_cast<const Panel&>(control_);
    RECT area = client;
    const auto edge = [&](BevelCut cut) {
        if (cut != BevelCut::None) {
            DrawEdge(dc, &area, cut == BevelCut::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                     BF_RECT | BF_ADJUST);
        }
    };
    edge(panel.BevelOuter());
    edge(panel.BevelInner());
    DrawCaption(dc, area, control_.Text(), CurrentFont(), control_.EffectiveFont().color,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace kelvaro
