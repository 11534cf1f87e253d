// Modal forms and the message loops on real windows: what ends a modal loop and with which
// result, the keyboard's way through a form, and steps that other threads hand to the main
// thread while a modal form or a message box is up.
#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "windows/win32_fixture.h"

namespace kelvaro {
namespace {

using namespace std::chrono_literals;

FormLayout DialogLayout() {
    return {
        .name = "Dialog",
        .caption = "設定",
        .clientWidth = 300,
        .clientHeight = 160,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .controls =
            {
                {.kind = ControlKind::Edit, .name = "Name", .bounds = {8, 8, 200, 24}},
                {.kind = ControlKind::Button,
                 .name = "Ok",
                 .bounds = {8, 120, 80, 28},
                 .text = "OK",
                 .tabOrder = 1,
                 .modalResult = mrOk,
                 .isDefault = true},
                {.kind = ControlKind::Button,
                 .name = "Cancel",
                 .bounds = {96, 120, 80, 28},
                 .text = "キャンセル",
                 .tabOrder = 2,
                 .modalResult = mrCancel,
                 .isCancel = true},
                {.kind = ControlKind::Button,
                 .name = "Abort",
                 .bounds = {184, 120, 100, 28},
                 .text = "中止(&A)",
                 .tabOrder = 3,
                 .modalResult = 3},
                {.kind = ControlKind::Button,
                 .name = "Apply",
                 .bounds = {184, 80, 100, 28},
                 .text = "適用",
                 .tabOrder = 4},
            },
    };
}

FormLayout OwnerLayout() {
    return {.name = "Owner", .caption = "メイン", .clientWidth = 200, .clientHeight = 100};
}

class Win32Modal : public Win32Test {};

TEST_F(Win32Modal, EachWayOfClosingEndsTheModalLoopWithItsResult) {
    auto owner = Make(OwnerLayout());
    owner->Show();
    auto dialog = Make(DialogLayout());
    Form& form = *dialog;
    HWND name = nullptr;
    const auto post = [&](const char* control, UINT message, WPARAM wParam) {
        return [&, control, message, wParam] {
            PostMessageW(control != nullptr ? Window(*form.Find(control)) : Window(form), message,
                         wParam, 0);
        };
    };
    int applied = 0;
    form.Get<Button>("Apply").OnClick = [&](Control&) {
        ++applied;
        form.SetModalResult(7);  // a result set in a handler ends the loop too
    };
    struct Way {
        const char* what;
        std::function<void()> act;
        int result;
    };
    const Way ways[] = {
        {"OK clicked", post("Ok", BM_CLICK, 0), mrOk},
        {"Enter in the edit presses the default button", post("Name", WM_KEYDOWN, VK_RETURN), mrOk},
        {"Esc presses the cancel button", post("Name", WM_KEYDOWN, VK_ESCAPE), mrCancel},
        {"the close box", post(nullptr, WM_CLOSE, 0), mrCancel},
        {"Alt+A, the access key of 中止(&A)", post("Name", WM_SYSCHAR, 'a'), 3},
        {"a handler's result", post("Apply", BM_CLICK, 0), 7},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        bool ownerDisabled = false;
        backend.WhenShown("Dialog", [&](Form&) {
            name = Window(*form.Find("Name"));
            ownerDisabled = !IsWindowEnabled(Window(*owner));
            SetFocus(name);
            way.act();
        });
        EXPECT_EQ(form.ShowModal(), way.result);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(IsWindowEnabled(Window(*owner)));
        EXPECT_FALSE(IsWindowVisible(Window(form)));
    }
    EXPECT_EQ(applied, 1);
}

FormLayout TabLayout() {
    return {
        .name = "Tabs",
        .caption = "Tab",
        .clientWidth = 400,
        .clientHeight = 200,
        .controls =
            {
                {.kind = ControlKind::Label,
                 .name = "Note",
                 .bounds = {8, 70, 100, 16},
                 .text = "メモ(&M)"},
                {.kind = ControlKind::Edit, .name = "A", .bounds = {8, 8, 100, 24}, .tabOrder = 2},
                {.kind = ControlKind::Edit, .name = "B", .bounds = {8, 40, 100, 24}, .tabOrder = 0},
                {.kind = ControlKind::GroupBox,
                 .name = "Group",
                 .bounds = {120, 8, 200, 100},
                 .text = "グループ",
                 .tabOrder = 1},
                {.kind = ControlKind::Edit,
                 .name = "C",
                 .parent = "Group",
                 .bounds = {8, 20, 100, 24},
                 .tabOrder = 1},
                {.kind = ControlKind::CheckBox,
                 .name = "D",
                 .parent = "Group",
                 .bounds = {8, 50, 100, 24},
                 .text = "D",
                 .tabOrder = 0},
                {.kind = ControlKind::Button,
                 .name = "E",
                 .bounds = {8, 150, 80, 28},
                 .text = "E",
                 .tabOrder = 3},
                {.kind = ControlKind::Edit,
                 .name = "F",
                 .bounds = {100, 150, 80, 24},
                 .enabled = false,
                 .tabOrder = 4},
            },
    };
}

TEST_F(Win32Modal, TabShiftTabAndALabelsAccessKeyMoveTheFocusInTheModelsTabOrder) {
    auto form = Make(TabLayout());
    std::vector<std::string> visited;
    const auto record = [&] {
        WindowPeer* peer = backend.PeerOf(GetFocus());
        visited.push_back(peer != nullptr ? peer->Model().Name() : "?");
    };
    const auto shift = [](bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    backend.WhenShown("Tabs", [&](Form& shown) {
        SetFocus(Window(*shown.Find("B")));
        // Keys and checks are queued in turn; each check runs once its key has been handled.
        for (int i = 0; i < 5; ++i) {
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
            backend.Post(record);
        }
        backend.Post([&] { shift(true); });
        for (int i = 0; i < 5; ++i) {
            PostMessageW(Window(shown), WM_KEYDOWN, VK_TAB, 1);
            backend.Post(record);
        }
        backend.Post([&] { shift(false); });
        // Alt+M, the label's access key, sends the focus to the control after the label.
        PostMessageW(GetFocus(), WM_SYSCHAR, 'm', 1 << 29);
        backend.Post(record);
        backend.Post([&] { shown.SetModalResult(mrOk); });
    });
    form->ShowModal();
    shift(false);
    EXPECT_EQ(visited,
              (std::vector<std::string>{"D", "C", "A", "E", "B", "E", "A", "C", "D", "B", "A"}));
}

// Another thread hands a step to the main thread while the main thread sits in a loop it does
// not own; the step must run there, on the main thread.
TEST_F(Win32Modal, StepsFromOtherThreadsRunOnTheMainThreadInsideModalLoops) {
    auto dialog = Make(DialogLayout());
    const DWORD mainThread = GetCurrentThreadId();
    struct Loop {
        const char* what;
        std::function<void()> run;            // enters the loop on the main thread
        std::function<void()> leaveFromStep;  // what the step does to end it
    };
    const auto closeMessageBox = [] { CloseMessageBoxes(GetCurrentThreadId()); };
    const Loop loops[] = {
        {"a modal form", [&] { EXPECT_EQ(dialog->ShowModal(), mrOk); },
         [&] { dialog->SetModalResult(mrOk); }},
        {"a message box",
         [&] {
             backend.AnswerMessages(nullptr);
             Watchdog guard([mainThread] { CloseMessageBoxes(mainThread); });
             application.MessageBox("スレッドを待っています", "Kelvaro", kMbOk);
         },
         closeMessageBox},
    };
    for (const Loop& loop : loops) {
        SCOPED_TRACE(loop.what);
        std::atomic<DWORD> stepThread{0};
        std::thread worker;
        backend.Post([&] {
            worker = std::thread([&] {
                application.MainThreadQueue().Push([&] {
                    stepThread = GetCurrentThreadId();
                    loop.leaveFromStep();
                });
            });
        });
        loop.run();
        worker.join();
        EXPECT_EQ(stepThread.load(), mainThread);
    }
}

FormLayout ProgressLayout() {
    return {
        .name = "Progress",
        .caption = "進行状況",
        .clientWidth = 300,
        .clientHeight = 60,
        .controls = {{.kind = ControlKind::Gauge, .name = "Gauge", .bounds = {8, 8, 284, 24}},
                     {.kind = ControlKind::Label,
                      .name = "Path",
                      .bounds = {8, 36, 284, 16},
                      .wordWrap = true,
                      .autoSize = false}},
    };
}

// A worker that hands the main thread one step after another, each as soon as the last has run,
// must not keep the progress window from painting: while the steps keep coming, the gauge and the
// label they change are painted again and again (about once a frame, not once a step).
TEST_F(Win32Modal, AFastStreamOfStepsLeavesRoomForPainting) {
    auto form = Make(ProgressLayout());
    auto& gauge = form->Get<Gauge>("Gauge");
    auto& path = form->Get<Label>("Path");
    constexpr int kPaintsWanted = 5;
    int steps = 0;
    int paints = 0;  // steps that found what the step before them changed painted
    std::atomic<bool> stop{false};
    std::thread worker;
    backend.WhenShown("Progress", [&](Form& shown) {
        HWND bar = Window(gauge);
        HWND label = Window(path);
        worker = std::thread([&, bar, label] {
            const auto deadline = std::chrono::steady_clock::now() + 20s;
            bool enough = false;
            while (!enough && std::chrono::steady_clock::now() < deadline) {
                std::promise<bool> ran;
                std::future<bool> done = ran.get_future();
                application.MainThreadQueue().Push([&, bar, label] {
                    if (steps > 0 && !GetUpdateRect(bar, nullptr, FALSE) &&
                        !GetUpdateRect(label, nullptr, FALSE)) {
                        ++paints;
                    }
                    ++steps;
                    gauge.SetProgress(steps % 100);
                    path.SetText("out\\" + std::to_string(steps));
                    ran.set_value(paints >= kPaintsWanted);
                });
                while (done.wait_for(10ms) != std::future_status::ready) {
                    if (stop) {
                        return;  // the loop is gone; nothing will run the step
                    }
                }
                enough = done.get();
            }
            application.MainThreadQueue().Push([&] { shown.SetModalResult(mrOk); });
        });
    });
    try {
        form->ShowModal();
    } catch (...) {
        stop = true;
        worker.join();
        throw;
    }
    worker.join();
    EXPECT_GE(paints, kPaintsWanted) << "after " << steps << " steps";
    EXPECT_EQ(TextOf(Window(path)), path.Text());
}

class ProgramMain : public Form {
  public:
    explicit ProgramMain(Application& application) : Form(application, "Main") {
        BuildForm(*this,
                  {.name = "Main", .caption = "Kelvaro", .clientWidth = 200, .clientHeight = 80},
                  {});
    }
};

TEST_F(Win32Modal, ClosingTheMainFormEndsTheProgramsLoop) {
    ProgramMain* main = nullptr;
    application.CreateForm(main);
    backend.Post([&] { PostMessageW(Window(*main), WM_CLOSE, 0, 0); });
    application.Run();
    EXPECT_TRUE(application.Terminated());
    EXPECT_FALSE(main->Visible());
}

}  // namespace
}  // namespace kelvaro
