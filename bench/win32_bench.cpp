// Benchmark of a move run on the Win32 backend, with real windows:
//   kelvaro_win32_bench [files]   (default 20000)
// The whole program runs its own message loop; the user's input goes in through the windows, the
// progress window is shown and paints while the worker hands its steps to the main thread. The
// plain loop makes the same paths with the same rules and calls GetFileAttributesW and MoveFileW
// on the same files, without windows or worker. Prints the ratio from one run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "main_window/startup.h"
#include "main_window/uMain.h"
#include "paths/path_rules.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_backend.h"
#include "transfer/uOpe.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace kelvaro {
namespace {

constexpr const char* kPattern = "img??????.jpg";

// Replaces the whole text of the field, as a paste over a selection does.
void Type(Win32Backend& backend, const Control& control, const std::string& text) {
    HWND window = backend.WindowOf(control);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (control.Kind() == ControlKind::ComboBox && GetComboBoxInfo(window, &info)) {
        window = info.hwndItem;
    }
    SendMessageW(window, EM_SETSEL, 0, -1);
    SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

// The whole program on real windows, over a series of files from folder a to folder b. Returns
// the seconds from the press of the start button to the end of the run; exits on a run that did
// not complete.
double ProgramRun(int count) {
    Win32Backend backend;
    std::string summary;
    backend.AnswerMessages([&summary](const AnsweredMessage& message) {
        summary = message.caption + ": " + message.text;
        return kIdOk;
    });
    double seconds = 0;
    {
        Application application(backend);
        application.SetTitle("Kelvaro");
        CreateProgramForms(application);
        backend.Post([&] {
            TMainForm& main = *MainForm;
            Type(backend, *main.Edit_FromDir, "a");
            Type(backend, *main.Edit_FromFile, kPattern);
            Type(backend, *main.Edit_FromStart, "1");
            Type(backend, *main.Edit_FromEnd, std::to_string(count));
            Type(backend, *main.Edit_ToDir, "b");
            const auto started = Clock::now();
            // Returns once the progress window has closed; the worker then ends at once.
            SendMessageW(backend.WindowOf(*main.Button_Start), BM_CLICK, 0, 0);
            application.WaitForThreads();
            seconds = std::chrono::duration<double>(Clock::now() - started).count();
            PostMessageW(backend.WindowOf(main), WM_CLOSE, 0, 0);
        });
        application.Run();
    }
    ForgetProgramForms();
    if (summary != "完了: 移動が終わりました。\n\n移動ファイル数 : " + std::to_string(count)) {
        std::fprintf(stderr, "the run did not complete: %s\n", summary.c_str());
        std::exit(1);
    }
    return seconds;
}

// What a run does for each number, as a plain loop: the From file is tested, then moved.
double PlainLoop(const std::string& from, const std::string& to, int count) {
    const auto started = Clock::now();
    int moved = 0;
    for (int n = 1; n <= count; ++n) {
        const std::string name = MakeFileName(kPattern, n);
        const std::wstring fromPath = Widen(from + "\\" + MakeFolderPath(0, n, 0) + name);
        const std::wstring toPath = Widen(to + "\\" + MakeFolderPath(0, n, 0) + name);
        if (GetFileAttributesW(fromPath.c_str()) != INVALID_FILE_ATTRIBUTES &&
            MoveFileW(fromPath.c_str(), toPath.c_str())) {
            ++moved;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (moved != count) {
        std::fprintf(stderr, "the plain loop moved %d of %d files\n", moved, count);
        std::exit(1);
    }
    return seconds;
}

int Bench(int count) {
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("kelvaro-bench-" + std::to_string(random()));
    fs::create_directories(root / "a");
    fs::create_directory(root / "b");
    fs::current_path(root);
    for (int n = 1; n <= count; ++n) {
        std::ofstream(fs::path("b") / MakeFileName(kPattern, n)) << "small file " << n;
    }
    // Made in b and moved to a untimed, so that both timed passes move into a folder that has
    // held the whole series once: a folder keeps the size it grew to.
    PlainLoop("b", "a", count);
    const double program = ProgramRun(count);
    // The plain loop works on the same files, moving them back from b to a.
    const double plain = PlainLoop("b", "a", count);
    std::printf(
        "move run of %d files on real windows: program %.3f s, plain loop %.3f s, ratio %.2f "
        "(goal at most 1.5)\n",
        count, program, plain, program / plain);
    fs::current_path(root.parent_path());
    fs::remove_all(root);
    return 0;
}

}  // namespace
}  // namespace kelvaro

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (count < 1) {
        std::fprintf(stderr, "usage: kelvaro_win32_bench [files]\n");
        return 2;
    }
    return kelvaro::Bench(count);
}
