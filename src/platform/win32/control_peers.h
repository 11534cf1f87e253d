// The peers of the controls, one class per kind. Edits: edit_controls.cpp; buttons, check boxes
// and group boxes: button_controls.cpp; labels, bevels, pictures and panels: static_controls.cpp;
// page controls and their pages: page_control_win32.cpp; the gauge: gauge_win32.cpp.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/window_peer.h"

namespace kelvaro {

// The peer for a control, made by kind.
std::unique_ptr<WindowPeer> MakeControlPeer(Win32Backend& backend, Control& control,
                                            FormPeer& form);

class EditPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    bool OnCommand(WORD code) override;
};

class ComboBoxPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void ShowState() override;
    void Changed(Property what) override;
    bool OnCommand(WORD code) override;
    std::vector<HWND> HintWindows() const override;

  protected:
    void Place(const PixelRect& rect) override;

  private:
    void ShowItems();
};

class SpinEditPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    ~SpinEditPeer() override;
    void Create(HWND parent) override;
    bool OnCommand(WORD code) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    std::vector<HWND> Windows() const override { return {window_, arrows_}; }
    void Detach() override;

  protected:
    void Place(const PixelRect& rect) override;

  private:
    HWND arrows_ = nullptr;
};

class CheckBoxPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void ShowState() override;
    void Changed(Property what) override;
    bool OnCommand(WORD code) override;
};

class ButtonPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    bool OnCommand(WORD code) override;
};

class GroupBoxPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;

  protected:
    void LayOutContent() override { LayOutChildren(); }
};

class LabelPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    bool OnCommand(WORD code) override;

  protected:
    void ShowText() override;
    void AdjustPlacement(PixelRect& rect) override;
};

class BevelPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void Paint(HDC dc, const RECT& client) override;

  protected:
    Rect LogicalRect(Extent parentDesign, Extent parentNow) const override;
    void ShowText() override {}
};

class ImagePeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    ~ImagePeer() override;
    void Create(HWND parent) override;
    void Paint(HDC dc, const RECT& client) override;

  protected:
    void ShowText() override {}

  private:
    HBITMAP bitmap_ = nullptr;
};

class PanelPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void Paint(HDC dc, const RECT& client) override;

  protected:
    void ShowText() override;
    void LayOutContent() override { LayOutChildren(); }
};

class TabSheetPeer;

class PageControlPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void ShowState() override;
    void Changed(Property what) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // The page's caption changed.
    void PageTextChanged(const TabSheet& page);

  protected:
    void ShowText() override {}
    void LayOutContent() override;

  private:
    void ShowActivePage();
    PageControl& Pages() const { return static_cast<PageControl&>(control_); }
};

class TabSheetPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void Changed(Property what) override;
    void LayOut() override;
    bool ShouldShow() const override;
    Extent ClientDesign() const override { return design_; }
    Extent ClientNow() const override { return now_; }
    // Puts the page over the page control's display area (device pixels of the page control).
    void PlaceInDisplay(const RECT& display);

  protected:
    void ShowText() override;

  private:
    Extent design_{};
    Extent now_{};
    bool designKnown_ = false;
};

class GaugePeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
    void Changed(Property what) override;
    void Paint(HDC dc, const RECT& client) override;
    bool PaintsBackground() const override { return true; }

  protected:
    void ShowText() override;

  private:
    // What the window shows is the percentage alone: a run that moves the gauge on every number
    // repaints it a hundred times, not once a number.
    int shownPercent_ = -1;
};

// The text a gauge prints: its percentage, "NN%".
std::string GaugeText(const Gauge& gauge);

}  // namespace kelvaro
