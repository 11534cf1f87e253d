// Benchmarks of a run on the headless backend:
//   kelvaro_bench move [files]    a move run against a plain loop over the same files
//   kelvaro_bench copy [files]    the same for a copy run
//   kelvaro_bench memory [numbers]  one run over a series whose files are all missing; prints
//                                   the peak memory of the process (run it once per size)
// The plain loop makes the same paths with the same rules and calls the same file services,
// without windows or worker. Each prints its ratio from one run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "main_window/startup.h"
#include "main_window/uMain.h"
#include "options/uOption.h"
#include "paths/path_rules.h"
#include "platform/headless/headless_backend.h"
#include "transfer/uOpe.h"

#if defined(_WIN32)
#include <windows.h>
// windows.h first: psapi.h relies on its types.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace kelvaro {
namespace {

long PeakKilobytes() {
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

// The whole program on the headless backend, run once over the panes given.
double ProgramRun(bool copy, const std::string& from, const std::string& to, int first, int last) {
    HeadlessBackend backend;
    backend.SetModalDeadline(std::chrono::hours(1));
    double seconds = 0;
    {
        Application application(backend);
        CreateProgramForms(application);
        MainForm->Show();
        backend.WhenShown("Form_Option", [copy](Form&) {
            Form_Option->CheckBox_CopyMode->SetChecked(copy);
            Form_Option->CheckBox_Sync->SetChecked(true);
            Form_Option->Button_OK->Click();
        });
        MainForm->Menu()->Find("O1")->Click();
        MainForm->Edit_FromDir->SetText(from);
        MainForm->Edit_ToDir->SetText(to);
        MainForm->Edit_FromFile->SetText("img??????.jpg");
        MainForm->Edit_FromStart->SetText(std::to_string(first));
        MainForm->Edit_FromEnd->SetText(std::to_string(last));
        const auto started = Clock::now();
        MainForm->Button_Start->Click();
        application.WaitForThreads();
        seconds = std::chrono::duration<double>(Clock::now() - started).count();
        if (backend.Messages().empty() || backend.Messages().back().caption != "完了") {
            std::fprintf(
                stderr, "the run did not complete: %s\n",
                backend.Messages().empty() ? "no summary" : backend.Messages().back().text.c_str());
            std::exit(1);
        }
    }
    ForgetProgramForms();
    return seconds;
}

// What a run does for each number, as a plain loop.
double PlainLoop(bool copy, const std::string& from, const std::string& to, int first, int last) {
    FileSystem& files = SystemFileSystem();
    const auto started = Clock::now();
    for (int n = first; n <= last; ++n) {
        const std::string name = MakeFileName("img??????.jpg", n);
        const std::string fromPath = from + "\\" + MakeFolderPath(0, n, 0) + name;
        const std::string toPath = to + "\\" + MakeFolderPath(0, n, 0) + name;
        files.Exists(fromPath);
        if (copy) {
            files.Identify(toPath);
            files.Exists(toPath);
            files.Copy(fromPath, toPath);
        } else {
            files.Move(fromPath, toPath);
        }
    }
    return std::chrono::duration<double>(Clock::now() - started).count();
}

void MakeSeries(const fs::path& folder, int count) {
    fs::create_directories(folder);
    for (int n = 1; n <= count; ++n) {
        std::ofstream(folder / MakeFileName("img??????.jpg", n)) << "small file " << n;
    }
}

int Transfer(bool copy, int count) {
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("kelvaro-bench-" + std::to_string(random()));
    fs::create_directories(root);
    fs::current_path(root);
    MakeSeries("a", count);
    fs::create_directory("b");
    fs::create_directory("c");
    // An untimed round trip through each folder first, so that both timed passes write into
    // folders alike: a folder that never held the series grows as it fills, which is slower
    // than filling one that did, since a folder keeps the size it grew to.
    PlainLoop(false, "a", "b", 1, count);
    PlainLoop(false, "b", "a", 1, count);
    if (copy) {
        PlainLoop(false, "a", "c", 1, count);
        PlainLoop(false, "c", "a", 1, count);
    }
    const double program = ProgramRun(copy, "a", "b", 1, count);
    // The plain loop works on the same files: back from b to a when moving, a to c when copying.
    const double plain =
        copy ? PlainLoop(true, "a", "c", 1, count) : PlainLoop(false, "b", "a", 1, count);
    std::printf(
        "%s run of %d files: program %.3f s, plain loop %.3f s, ratio %.2f (goal at most 1.3)\n",
        copy ? "copy" : "move", count, program, plain, program / plain);
    fs::current_path(root.parent_path());
    fs::remove_all(root);
    return 0;
}

int Memory(int numbers) {
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("kelvaro-bench-" + std::to_string(random()));
    fs::create_directories(root / "b");
    fs::current_path(root);
    const double seconds = ProgramRun(false, "a", "b", 1, numbers);
    std::printf("run over %d missing files: %.3f s, peak memory %ld KiB\n", numbers, seconds,
                PeakKilobytes());
    fs::current_path(root.parent_path());
    fs::remove_all(root);
    return 0;
}

}  // namespace
}  // namespace kelvaro

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "move";
    const int count = argc > 2 ? std::atoi(argv[2]) : (what == "memory" ? 1000000 : 100000);
    if (what == "move" || what == "copy") {
        return kelvaro::Transfer(what == "copy", count);
    }
    if (what == "memory") {
        return kelvaro::Memory(count);
    }
    std::fprintf(stderr, "usage: kelvaro_bench move|copy|memory [count]\n");
    return 2;
}
