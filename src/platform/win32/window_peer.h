// The peer of one control in the Win32 backend: its window, the mirror of the model's state on
// it, and its place in the layout. Each kind of control adds what is its own (control_peers.h).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/win32/layout_win32.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class FormPeer;
class Win32Backend;

class WindowPeer : public ControlPeer {
  public:
    WindowPeer(Win32Backend& backend, Control& control, FormPeer* form);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    Control& Model() const { return control_; }
    Win32Backend& Backend() const { return backend_; }
    FormPeer& OwnerPeer() const { return *form_; }
    // The window that stands for the control (focus, tests).
    HWND Window() const { return window_; }
    // Called by the window procedure of the backend's own classes while the window is made.
    void BindWindow(HWND window) {
        if (window_ == nullptr) {
            window_ = window;
        }
    }
    // The window the children's windows are made in.
    virtual HWND Host() const { return window_; }
    // The control's windows that lie in its parent (an up-down control beside its edit).
    virtual std::vector<HWND> Windows() const { return {window_}; }
    // The windows that show the control's hint (the edit inside a combo box too).
    virtual std::vector<HWND> HintWindows() const { return Windows(); }
    WindowPeer* ParentPeer() const;

    // Makes the control's windows inside the parent window; the state is shown by ShowState.
    virtual void Create(HWND parent) = 0;
    // Shows the whole of the model's state once the windows of the form are made.
    virtual void ShowState();
    void Changed(Property what) override;

    // Places the control by its anchors in its parent's current client area, then its children.
    virtual void LayOut();
    // For containers: the client size the children were designed in and the current one, in
    // 96-DPI pixels, and where the children's origin lies in device pixels.
    virtual Extent ClientDesign() const;
    virtual Extent ClientNow() const;
    virtual POINT ClientOffset() const { return {0, 0}; }

    // Input, from the notifications that reach the parent window.
    virtual bool OnCommand(WORD code);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual HBRUSH OnControlColor(HDC dc, UINT message);
    // Drawing, for the controls shown by the backend's own window class.
    virtual void Paint(HDC dc, const RECT& client);
    virtual bool PaintsBackground() const { return false; }

    // Sets the control's font on its windows, then on its children's.
    void ApplyFontTree();
    // The top-level window went, and its children with it.
    virtual void Detach();
    unsigned Dpi() const;
    HFONT CurrentFont() const;
    // Whether the window shows now (a page shows only while it is the active one).
    virtual bool ShouldShow() const { return control_.Visible(); }
    // Whether the mouse pointer is over the window, as the model was last told.
    bool MouseInside() const { return mouseInside_; }
    void SetMouseInside(bool inside) { mouseInside_ = inside; }
    // Runs the model's work as the message loop runs an event handler.
    void Guarded(const std::function<void()>& action) const;

  protected:
    HWND MakeWindow(const wchar_t* windowClass, const std::string& text, DWORD style, DWORD exStyle,
                    HWND parent);
    virtual Rect LogicalRect(Extent parentDesign, Extent parentNow) const;
    virtual void Place(const PixelRect& rect);
    virtual void AdjustPlacement(PixelRect&) {}
    // Containers place their children.
    virtual void LayOutContent() {}
    void LayOutChildren();
    virtual void ApplyFont();
    virtual void ShowText();
    void ShowVisible();
    void ShowEnabled();
    void ShowHint();
    std::vector<WindowPeer*> ChildPeers() const;

    Win32Backend& backend_;
    Control& control_;
    FormPeer* form_;
    HWND window_ = nullptr;
    Rect placed_{};          // 96-DPI rectangle of the last layout, in the parent's client area
    bool ownClass_ = false;  // the window is of the backend's pane class
    bool mouseInside_ = false;
};

// The text of a window, in UTF-8.
std::string WindowText(HWND window);
void SetWindowTextIfChanged(HWND window, const std::string& text);

}  // namespace kelvaro
