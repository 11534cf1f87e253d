// What the platform model asks of a backend: windows for the forms, the message loops, message
// boxes and pop-up menus. The Win32 backend shows real windows; the headless one scripts a user.
#pragma once

#include <string>

namespace kelvaro {

class Application;
class Form;
class PopupMenu;
class Shell;
class Registry;
class Clipboard;

class Backend {
  public:
    virtual ~Backend() = default;

    // Gives the form and its controls their peers (windows), before it is first shown.
    virtual void Realize(Form& form) = 0;
    virtual void FormDestroying(Form& form) = 0;
    // Runs a message loop for a form shown modally, until the form is hidden. Other forms take
    // no input meanwhile. Steps queued for the main thread run inside this loop.
    virtual void RunModal(Form& form) = 0;
    // Runs the program's message loop until the application is terminated.
    virtual void RunMessageLoop(Application& application) = 0;
    // Ends the program's message loop.
    virtual void Quit() = 0;
    // A modal message box over the active window; returns the answer (kIdOk, kIdCancel).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual void ShowPopupMenu(PopupMenu& menu, int screenX, int screenY) = 0;
    // The application's title changed (the task-bar text).
    virtual void TitleChanged(const std::string& title) = 0;

    // The system's shell (recorded by the headless backend; Win32Shell on Windows).
    virtual Shell& GetShell() = 0;
    // The registry and the clipboard; a backend without them reads nothing and keeps nothing.
    virtual Registry& GetRegistry();
    virtual Clipboard& GetClipboard();
    // Where the mouse pointer is on the screen, in pixels.
    virtual void MouseScreenPosition(int& x, int& y) {
        x = 0;
        y = 0;
    }
};

}  // namespace kelvaro
