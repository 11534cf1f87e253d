// Runs of the whole program on real windows and real files: the user types the panes, sets the
// options in the options dialog and presses the start button through the windows; the progress
// window comes up, the worker's steps run in its message loop, and the summary is answered.
#include <functional>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "windows/win32_program_fixture.h"

namespace kelvaro {
namespace {

using namespace std::chrono_literals;

std::string Moved(int count) {
    return "移動が終わりました。\n\n移動ファイル数 : " + std::to_string(count);
}

class Win32Run : public Win32ProgramTest {};

// A person glancing at the screen: looks at each tick of a timer of the main thread until the
// look says it is done. A timer's message comes after posted messages, input and painting, so
// the looking never holds up what goes on.
class Glance {
  public:
    explicit Glance(std::function<bool()> look) : look_(std::move(look)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Glance::Tick);
    }
    ~Glance() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    Glance(const Glance&) = delete;
    Glance& operator=(const Glance&) = delete;

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ != nullptr && !current_->done_ && current_->look_()) {
            current_->done_ = true;
        }
    }
    static inline Glance* current_ = nullptr;
    std::function<bool()> look_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
};

TEST_F(Win32Run, FilesLandWhereThePreviewShowedAcrossTheSubFolderTree) {
    for (int n = 95; n <= 105; ++n) {
        Write("in\\p" + std::to_string(n), "picture " + std::to_string(n));
    }
    std::filesystem::create_directory("out");
    Describe({"in", "p*", "95", "105"}, {"out", "", "", "", "10"});
    EXPECT_EQ(Shown(*Main().CSpinEdit_ToDepth), "2") << "the depth that To 105 needs";
    const std::string first = TextOf(Window(*Main().Label_PreStartTo));
    const std::string last = TextOf(Window(*Main().Label_PreEndTo));
    EXPECT_EQ(first, "out\\0\\9\\p95");
    EXPECT_EQ(last, "out\\1\\10\\p105");
    EXPECT_EQ(TextOf(Window(*Main().Label_PreStartFrom)), "in\\p95");

    Start();
    const std::vector<AnsweredMessage> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Moved(11));
    EXPECT_EQ(Read(first), "picture 95");
    EXPECT_EQ(Read(last), "picture 105");
    EXPECT_EQ(Read("out\\0\\9\\p99"), "picture 99") << "the last number of 0\\9\\";
    EXPECT_EQ(Read("out\\1\\10\\p100"), "picture 100") << "the first number of 1\\10\\";
    EXPECT_EQ(FilesUnder("out"), 11u);
    EXPECT_EQ(FilesUnder("in"), 0u);
    EXPECT_EQ(TextOf(Window(*Form_Ope->Label_To)), last) << "the progress window's last path";
}

TEST_F(Win32Run, MissingFilesSkipOrCloseUpTheToNumbers) {
    struct GapCase {
        bool pack;
        std::vector<int> toNumbers;
    };
    const GapCase cases[] = {{false, {10, 12, 14}}, {true, {10, 11, 12}}};
    for (const GapCase& c : cases) {
        SCOPED_TRACE(c.pack ? "packed" : "not packed");
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        for (int n : {1, 3, 5}) {
            Write("in\\f" + std::to_string(n), std::to_string(n));
        }
        SetOptions(false, false, c.pack, false);
        Describe({"in", "f*", "1", "5"}, {"out", "t*", "10", "14"});
        TakeMessages();
        Start();
        const std::vector<AnsweredMessage> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, Moved(3));
        EXPECT_EQ(messages[0].caption, "完了");
        std::size_t i = 0;
        for (int n : {1, 3, 5}) {
            EXPECT_EQ(Read("out\\t" + std::to_string(c.toNumbers[i++])), std::to_string(n));
        }
        EXPECT_EQ(FilesUnder("out"), 3u);
        EXPECT_EQ(FilesUnder("in"), 0u);
    }
}

TEST_F(Win32Run, TheMissingFileWarningAnsweredWithCancelStopsTheRun) {
    struct CancelCase {
        bool pack;
        const char* where;
    };
    const CancelCase cases[] = {{false, "From : 2 , To : 11"}, {true, "From : 2 , To : 10"}};
    // What the progress window shows under the warning: the paths of the missing file.
    std::string shownFrom;
    backend.AnswerMessages([&](const AnsweredMessage& message) {
        if (message.caption != "ファイル読みこみエラー") {
            return kIdOk;
        }
        shownFrom = TextOf(Window(*Form_Ope->Label_From));
        return kIdCancel;
    });
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.pack ? "packed" : "not packed");
        std::filesystem::remove_all("in");
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        for (int n : {1, 3, 5}) {
            Write("in\\f" + std::to_string(n), std::to_string(n));
        }
        SetOptions(false, true, c.pack, false);
        Describe({"in", "f*", "1", "5"}, {"out", "t*", "10", "14"});
        TakeMessages();
        Start();
        const std::vector<AnsweredMessage> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].text,
                  "ファイル \"f2\" が読み込みできません。\n\n操作を続行しますか？");
        EXPECT_EQ(messages[0].flags, static_cast<unsigned>(kMbOkCancel | kMbIconExclamation));
        EXPECT_EQ(shownFrom, "in\\f2");
        EXPECT_EQ(messages[1].text,
                  std::string("移動を強制終了しました。\n\n移動ファイル数 : 1\n\n") + c.where +
                      "で中断しました。");
        EXPECT_EQ(messages[1].caption, "強制終了");
        EXPECT_EQ(Read("out\\t10"), "1");
        EXPECT_EQ(FilesUnder("out"), 1u);
        EXPECT_EQ(Read("in\\f3"), "3") << "nothing after the warning was moved";
        EXPECT_EQ(Read("in\\f5"), "5");
    }
}

// 5,000 files spread over From folders of 100 each; the user presses the stop button while the
// run goes on, and every file is either still at its From path or already at its To path.
TEST_F(Win32Run, TheStopButtonEndsALongRunBetweenNumbers) {
    constexpr int kFiles = 5000;
    const auto fromPath = [](int n) {
        const std::string digits = std::to_string(n);
        return "in\\" + std::to_string(n / 100) + "\\f" + std::string(4 - digits.size(), '0') +
               digits;
    };
    const auto toPath = [](int n) {
        const std::string digits = std::to_string(n);
        return "out\\f" + std::string(4 - digits.size(), '0') + digits;
    };
    for (int n = 1; n <= kFiles; ++n) {
        Write(fromPath(n), std::to_string(n));
    }
    std::filesystem::create_directory("out");
    Describe({"in", "f????", "1", "5000", "100"}, {"out"});
    ASSERT_EQ(TextOf(Window(*Main().Label_PreStartFrom)), fromPath(1));
    ASSERT_EQ(TextOf(Window(*Main().Label_PreEndFrom)), fromPath(kFiles));
    ASSERT_EQ(TextOf(Window(*Main().Label_PreEndTo)), toPath(kFiles));

    // Once the progress window is up, the user watches it; when some files have moved, the
    // user presses the stop button.
    bool pressed = false;
    std::optional<Glance> user;
    backend.WhenShown("Form_Ope", [&](Form&) {
        const auto giveUp = std::chrono::steady_clock::now() + 20s;
        user.emplace([&, giveUp] {
            if (!Read(toPath(20))) {
                return std::chrono::steady_clock::now() > giveUp;
            }
            PostMessageW(Window(*Form_Ope->Button_Stop), BM_CLICK, 0, 0);
            pressed = true;
            return true;
        });
    });
    TakeMessages();
    Start();
    user.reset();
    ASSERT_TRUE(pressed);

    const std::vector<AnsweredMessage> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "強制終了");
    EXPECT_EQ(messages[0].flags, 0u);
    std::smatch found;
    ASSERT_TRUE(std::regex_match(messages[0].text, found,
                                 std::regex("移動を強制終了しました。\n\n移動ファイル数 : "
                                            "([0-9]+)\n\nFrom : ([0-9]+) , To : ([0-9]+)"
                                            "で中断しました。")))
        << messages[0].text;
    const int count = std::stoi(found[1]);
    const int stoppedAt = std::stoi(found[2]);
    EXPECT_EQ(count, stoppedAt) << "every number up to the stop was moved";
    EXPECT_EQ(std::stoi(found[3]), stoppedAt + 1);
    EXPECT_GE(stoppedAt, 20);
    EXPECT_LT(stoppedAt, kFiles) << "the run was stopped before its end";

    // Every file is at its From path or, up to the number where the run stopped, at its To path.
    std::set<std::string> expected;
    for (int n = 1; n <= kFiles; ++n) {
        expected.insert(n <= stoppedAt ? toPath(n) : fromPath(n));
    }
    std::set<std::string> there = FilesIn("in");
    there.merge(FilesIn("out"));
    EXPECT_TRUE(there == expected)
        << there.size() << " files where " << expected.size() << " were expected";
    for (int n = 1; n <= stoppedAt; ++n) {
        EXPECT_EQ(Read(toPath(n)), std::to_string(n));
    }
    EXPECT_TRUE(IsWindowEnabled(Window(Main())));
    EXPECT_EQ(Shown(*Main().Button_Start), "移動開始(&S)");
}

TEST_F(Win32Run, TwoRunsInARowEachWithItsOwnRangeAndWindow) {
    Write("in\\7", "seven");
    for (int n = 20; n <= 29; ++n) {
        Write("in\\" + std::to_string(n), std::to_string(n));
    }
    std::filesystem::create_directory("out");
    struct RunCase {
        const char* start;
        const char* end;
        int count;
        const char* lastTo;
        const char* gauge;  // an empty range prints 0%, as the gauge component does
    };
    const RunCase runs[] = {{"7", "7", 1, "out\\7", "0%"}, {"20", "29", 10, "out\\29", "100%"}};
    for (const RunCase& run : runs) {
        SCOPED_TRACE(std::string("From ") + run.start + " to " + run.end);
        Describe({"in", "*", run.start, run.end}, {"out"});
        bool mainDisabled = false;
        std::string caption;
        backend.WhenShown("Form_Ope", [&](Form& window) {
            mainDisabled = !IsWindowEnabled(Window(Main()));
            caption = TextOf(Window(window));
        });
        TakeMessages();
        Start();
        const std::vector<AnsweredMessage> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, Moved(run.count));
        EXPECT_TRUE(mainDisabled) << "the progress window is modal";
        EXPECT_EQ(caption, "ファイルの移動中");
        EXPECT_FALSE(IsWindowVisible(Window(*Form_Ope)));
        EXPECT_TRUE(IsWindowEnabled(Window(Main())));
        EXPECT_EQ(Shown(*Main().Button_Start), "移動開始(&S)");
        EXPECT_EQ(TextOf(Window(*Form_Ope->Label_To)), run.lastTo);
        EXPECT_EQ(TextOf(Window(*Form_Ope->CGauge1)), run.gauge);
        EXPECT_EQ(Form_Ope->CGauge1->MinValue(), std::stoi(run.start));
        EXPECT_EQ(Form_Ope->CGauge1->MaxValue(), std::stoi(run.end));
    }
    EXPECT_EQ(Read("out\\7"), "seven");
    EXPECT_EQ(Read("out\\29"), "29");
    EXPECT_EQ(FilesUnder("out"), 11u);
    EXPECT_EQ(FilesUnder("in"), 0u);
}

}  // namespace
}  // namespace kelvaro
