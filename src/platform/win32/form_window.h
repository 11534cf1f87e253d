// The peer of a form: a top-level window with the model's border, caption, menu bar and client
// size, its controls laid out at its DPI with scroll bars when it is smaller than its content.
#pragma once

#include <memory>

#include "platform/form.h"
#include "platform/win32/menus_win32.h"
#include "platform/win32/tooltips_win32.h"
#include "platform/win32/window_peer.h"

namespace kelvaro {

class FormPeer : public WindowPeer {
  public:
    FormPeer(Win32Backend& backend, Form& form);
    ~FormPeer() override;

    Form& FormModel() const { return form_model_; }
    void Create(HWND owner) override;
    void ShowState() override;
    void Changed(Property what) override;
    void LayOut() override;
    Extent ClientDesign() const override;
    Extent ClientNow() const override;
    POINT ClientOffset() const override { return {-scroll_.x, -scroll_.y}; }
    void Detach() override;

    // The window procedure's work for this form.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    int NextControlId() { return nextControlId_++; }
    Tooltips& Tips() { return tips_; }
    unsigned FormDpi() const { return dpi_; }
    // Gives the focus to the control, or to the first one in tab order when it cannot take it.
    void FocusControl(Control* control);
    // Tab and Shift+Tab: the next control in tab order after the focused one.
    void MoveFocus(bool backwards);
    // The control that has the focus, if it is one of this form's.
    Control* FocusedControl() const;

  private:
    void OnClose();
    void OnSize(UINT state);
    void OnGetMinMaxInfo(MINMAXINFO& info);
    void OnDpiChanged(unsigned dpi, const RECT& suggested);
    void OnScroll(int bar, WORD request);
    void OnMouseWheel(short delta);
    void OnActivate(WORD state, bool minimized);
    void OnSetFocus();
    void OnCommandMessage(WORD id, WORD code);
    void OnNextDialogControl(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDefaultId();

    void ShowIcons();
    void ForgetIcons();
    void ResizeToDesign(bool placeOnScreen);
    bool ScrollBarsShown() const;
    void ShowForm();
    void HideForm();
    void ShowWindowState();
    void UpdateScrollBars();
    void ScrollTo(int x, int y);

    Form& form_model_;
    unsigned dpi_ = 96;
    POINT scroll_{0, 0};
    Extent content_{};  // the content's size in device pixels
    Extent client_{};   // the client area's size in device pixels, scroll bars taken off
    bool updatingBars_ = false;
    bool wasMinimized_ = false;
    int nextControlId_ = 100;  // below are IDOK and IDCANCEL, which the dialog manager sends
    std::unique_ptr<MenuCommands> menuCommands_;
    Tooltips tips_;
    HWND savedFocus_ = nullptr;
    HICON smallIcon_ = nullptr;
    HICON bigIcon_ = nullptr;
    Control* labelTarget_ = nullptr;
};

}  // namespace kelvaro
