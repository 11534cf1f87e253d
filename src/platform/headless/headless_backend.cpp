#include "platform/headless/headless_backend.h"

#include <stdexcept>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

void HeadlessBackend::WhenShown(const std::string& formName, FormScript script) {
    shownScripts_[formName] = std::move(script);
}

void HeadlessBackend::WhileShown(const std::string& formName, FormScript script) {
    whileScripts_[formName] = std::move(script);
}

void HeadlessBackend::Realize(Form&) {}

void HeadlessBackend::FormDestroying(Form&) {}

void HeadlessBackend::RunModal(Form& form) {
    modalShows_.push_back(form.Name());
    const auto shown = shownScripts_.find(form.Name());
    if (shown != shownScripts_.end() && shown->second) {
        FormScript script = shown->second;
        script(form);
    }
    TaskQueue& queue = form.App().MainThreadQueue();
    const auto deadline = std::chrono::steady_clock::now() + deadline_;
    while (form.Visible()) {
        queue.WaitAndRun(
            std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(20)));
        const auto during = whileScripts_.find(form.Name());
        if (form.Visible() && during != whileScripts_.end() && during->second) {
            FormScript script = during->second;
            script(form);
        }
        if (form.Visible() && std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("the modal form " + form.Name() + " was left open");
        }
    }
}

void HeadlessBackend::RunMessageLoop(Application& application) {
    if (loopScript_) {
        LoopScript script = loopScript_;
        script(application);
    }
    const auto deadline = std::chrono::steady_clock::now() + deadline_;
    while (!application.Terminated()) {
        application.MainThreadQueue().WaitAndRun(
            std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(20)));
        if (!application.Terminated() && std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("the program's main window was left open");
        }
    }
}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
    messages_.push_back({text, caption, flags});
    return answerer_ ? answerer_(messages_.back()) : kIdOk;
}

void HeadlessBackend::ShowPopupMenu(kelvaro::PopupMenu& menu, int, int) {
    if (popupScript_) {
        popupScript_(menu);
    }
}

void HeadlessUser::Act(Control& control, const std::function<void()>& action) {
    if (!control.Usable()) {
        throw std::logic_error("the user cannot reach " + control.Name() +
                               ": it is disabled or hidden");
    }
    application_.Guard(action);
}

void HeadlessUser::Type(Control& control, const std::string& text) {
    Act(control, [&] { control.SetText(text); });
}

void HeadlessUser::TypeKeys(Control& control, const std::string& keys) {
    for (char key : keys) {
        Act(control, [&] { control.SetText(control.Text() + key); });
    }
}

void HeadlessUser::Click(Control& control) {
    Act(control, [&] { control.Click(); });
}

void HeadlessUser::Choose(MenuItem& item) {
    application_.Guard([&] { item.Click(); });
}

void HeadlessUser::Pick(Control& comboBox, std::size_t index) {
    auto* box = dynamic_cast<ComboBox*>(&comboBox);
    if (box == nullptr) {
        throw std::logic_error(comboBox.Name() + " is not a combo box");
    }
    Act(comboBox, [&] { box->Choose(index); });
}

}  // namespace kelvaro
