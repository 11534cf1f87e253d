// The headless backend: no windows at all. It implements
//   - modal shows, run by a scripted user: a script per form acts on the form when it is shown
//     (and usually closes it), while steps queued for the main thread run in the modal loop;
//   - message boxes, answered by a scripted answerer and recorded (text, caption, flags);
//   - pop-up menus, recorded and answered by a script;
//   - the shell (launches and command lines recorded, folder-browser results scripted), the
//     registry and the clipboard, in memory;
//   - the program's message loop, driven by a script of its own.
// A modal form that nothing closes within the deadline is an error, so no test can hang.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless_services.h"

namespace kelvaro {

class Control;
class Form;
class MenuItem;

struct MessageRecord {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

class HeadlessBackend : public Backend {
  public:
    using FormScript = std::function<void(Form& form)>;
    using Answerer = std::function<int(const MessageRecord& message)>;
    using PopupScript = std::function<void(kelvaro::PopupMenu& menu)>;
    using LoopScript = std::function<void(Application& application)>;

    // The script that acts when the named form is shown modally.
    void WhenShown(const std::string& formName, FormScript script);
    // Called in the modal loop of the named form after each batch of main-thread steps.
    void WhileShown(const std::string& formName, FormScript script);
    void AnswerMessages(Answerer answerer) { answerer_ = std::move(answerer); }
    void WhenPopup(PopupScript script) { popupScript_ = std::move(script); }
    void WhenRunning(LoopScript script) { loopScript_ = std::move(script); }
    void SetModalDeadline(std::chrono::milliseconds deadline) { deadline_ = deadline; }

    const std::vector<MessageRecord>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }
    const std::string& Title() const { return title_; }
    // Names of the forms shown modally, in order.
    const std::vector<std::string>& ModalShows() const { return modalShows_; }

    void Realize(Form& form) override;
    void FormDestroying(Form& form) override;
    void RunModal(Form& form) override;
    void RunMessageLoop(Application& application) override;
    void Quit() override {}
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void ShowPopupMenu(kelvaro::PopupMenu& menu, int screenX, int screenY) override;
    void TitleChanged(const std::string& title) override { title_ = title; }
    Shell& GetShell() override { return shell_; }
    Registry& GetRegistry() override { return registry_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    RecordingShell& Launches() { return shell_; }
    MemoryRegistry& RegistryContents() { return registry_; }
    MemoryClipboard& ClipboardContents() { return clipboard_; }

  private:
    std::map<std::string, FormScript> shownScripts_;
    std::map<std::string, FormScript> whileScripts_;
    Answerer answerer_;
    PopupScript popupScript_;
    LoopScript loopScript_;
    std::chrono::milliseconds deadline_{20000};
    std::vector<MessageRecord> messages_;
    std::vector<std::string> modalShows_;
    std::string title_;
    RecordingShell shell_;
    MemoryRegistry registry_;
    MemoryClipboard clipboard_;
};

// The person at the keyboard, for tests: acts on controls as the user would, refusing controls
// that are disabled or hidden, and runs each action under the application's exception display.
class HeadlessUser {
  public:
    explicit HeadlessUser(Application& application) : application_(application) {}
    // Replaces the whole text at once, as a paste over a selection does.
    void Type(Control& control, const std::string& text);
    // Types the characters one at a time at the end of the text.
    void TypeKeys(Control& control, const std::string& keys);
    void Click(Control& control);
    void Choose(MenuItem& item);
    void Pick(Control& comboBox, std::size_t index);

  private:
    void Act(Control& control, const std::function<void()>& action);
    Application& application_;
};

}  // namespace kelvaro
