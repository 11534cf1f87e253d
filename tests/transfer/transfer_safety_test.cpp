// Runs must never lose or damage a file, whatever the series and whatever the file system does.
#include <stdexcept>
#include <string>
#include <vector>

#include "support/run_fixture.h"

namespace kelvaro {
namespace {

class TransferSafety : public RunTest {
  protected:
    // Files 1..count in "s", each holding its own number.
    void WriteSeries(int count) {
        for (int n = 1; n <= count; ++n) {
            Write("s\\f" + std::to_string(n), "content " + std::to_string(n));
        }
    }
    // How many of the originals are at the given name, whole.
    int Arrived(int count, int shift) {
        int arrived = 0;
        for (int n = 1; n <= count; ++n) {
            arrived +=
                Read("t\\g" + std::to_string(n + shift)) == "content " + std::to_string(n) ? 1 : 0;
        }
        return arrived;
    }
};

TEST_F(TransferSafety, ShiftingASeriesUpByOneInPlaceLosesNothing) {
    struct ShiftCase {
        bool copy;
        bool pack;
        int count;  // only a step onto a free name succeeds
    };
    const ShiftCase cases[] = {
        {false, false, 1}, {true, false, 1}, {false, true, 0}, {true, true, 0}};
    for (const ShiftCase& c : cases) {
        SCOPED_TRACE(std::string(c.copy ? "copy" : "move") + (c.pack ? ", packed" : ""));
        std::filesystem::remove_all("s");
        WriteSeries(5);
        SetOptions(c.copy, false, c.pack);
        Describe({"s", "f*", "1", "5"}, {"s", "f*", "2", "6"});
        Start();
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(Read("s\\f" + std::to_string(n)), "content " + std::to_string(n));
        }
        const bool lastMoved = c.count == 1;
        EXPECT_EQ(Read("s\\f6"),
                  lastMoved ? std::optional<std::string>("content 5") : std::nullopt);
        EXPECT_EQ(Read("s\\f5"),
                  c.copy || !lastMoved ? std::optional<std::string>("content 5") : std::nullopt);
        const std::string action = c.copy ? "コピー" : "移動";
        EXPECT_EQ(LastMessage().text, action + "が終わりました。\n\n" + action +
                                          "ファイル数 : " + std::to_string(c.count));
    }
}

TEST_F(TransferSafety, CopyingDownwardInPlaceMayOverwriteFilesAlreadyRead) {
    WriteSeries(4);
    SetOptions(true, false, false);
    Describe({"s", "f*", "2", "4"}, {"s", "f*", "1", "3"});
    Start();
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Read("s\\f" + std::to_string(n)),
                  "content " + std::to_string(n == 4 ? 4 : n + 1));
    }
    EXPECT_EQ(LastMessage().text, "コピーが終わりました。\n\nコピーファイル数 : 3");
}

// The system's file services, but the k-th call of all fails the way a real disk can.
class FaultyFiles : public FileSystem {
  public:
    enum class Fault { AccessDenied, DiskFull, DestinationExists, Throws };
    FaultyFiles(int failing, Fault fault) : failing_(failing), fault_(fault) {}

    bool Exists(const std::string& path) override { return Fails() ? false : real().Exists(path); }
    bool CreateDir(const std::string& path) override {
        return Fails() ? false : real().CreateDir(path);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        if (!Fails()) {
            return real().Copy(from, to);
        }
        if (fault_ == Fault::DiskFull) {
            real().Copy(from, to);
            Truncate(to);  // a partial copy is left behind
        }
        return false;
    }
    bool Move(const std::string& from, const std::string& to) override {
        if (!Fails()) {
            return real().Move(from, to);
        }
        if (fault_ == Fault::DiskFull && real().Copy(from, to)) {
            Truncate(to);  // a move across disks that ran out of room part way
        }
        return false;
    }
    std::optional<FileIdentity> Identify(const std::string& path) override {
        return Fails() ? std::nullopt : real().Identify(path);
    }

  private:
    static FileSystem& real() { return SystemFileSystem(); }
    bool Fails() {
        if (++calls_ != failing_) {
            return false;
        }
        if (fault_ == Fault::Throws) {
            throw std::runtime_error("the disk went away");
        }
        return true;
    }
    static void Truncate(const std::string& path) {
        std::string native = path;
        std::replace(native.begin(), native.end(), '\\', '/');
        std::filesystem::resize_file(
            std::filesystem::path(std::u8string(native.begin(), native.end())), 3);
    }
    int calls_ = 0;
    int failing_;
    Fault fault_;
};

TEST_F(TransferSafety, AFileServiceFailingAtAnyCallLosesNoFileAndCountsOnlyArrivals) {
    constexpr int kFiles = 20;
    const FaultyFiles::Fault faults[] = {FaultyFiles::Fault::AccessDenied,
                                         FaultyFiles::Fault::DiskFull,
                                         FaultyFiles::Fault::DestinationExists};
    for (const bool copy : {false, true}) {
        for (const FaultyFiles::Fault fault : faults) {
            // Enough calls to reach every service of every step: folders, tests, transfers.
            for (int k = 1; k <= 4 * kFiles + 8; ++k) {
                SCOPED_TRACE(std::string(copy ? "copy" : "move") + ", fault " +
                             std::to_string(static_cast<int>(fault)) + ", call " +
                             std::to_string(k));
                std::filesystem::remove_all("s");
                std::filesystem::remove_all("t");
                std::filesystem::create_directory("t");
                WriteSeries(kFiles);
                FaultyFiles files(k, fault);
                application->SetFiles(files);
                SetOptions(copy, false, false);
                Describe({"s", "f*", "1", std::to_string(kFiles)},
                         {"t", "g*", "1", std::to_string(kFiles), "10"});
                Start();
                application->SetFiles(SystemFileSystem());

                for (int n = 1; n <= kFiles; ++n) {
                    const std::string content = "content " + std::to_string(n);
                    const std::string to =
                        "t\\" + MakeFolderPath(1, n, 10) + "g" + std::to_string(n);
                    const bool atFrom = Read("s\\f" + std::to_string(n)) == content;
                    const bool atTo = Read(to) == content;
                    ASSERT_TRUE(atFrom || atTo) << "file " << n << " is lost or damaged";
                }
                int arrived = 0;
                for (int n = 1; n <= kFiles; ++n) {
                    arrived += Read("t\\" + MakeFolderPath(1, n, 10) + "g" + std::to_string(n)) ==
                                       "content " + std::to_string(n)
                                   ? 1
                                   : 0;
                }
                const std::string action = copy ? "コピー" : "移動";
                ASSERT_EQ(LastMessage().text, action + "が終わりました。\n\n" + action +
                                                  "ファイル数 : " + std::to_string(arrived));
            }
        }
    }
}

TEST_F(TransferSafety, AStepThatThrowsEndsTheRunWithTheErrorAndClosesTheWindow) {
    WriteSeries(5);
    std::filesystem::create_directory("t");
    FaultyFiles files(6, FaultyFiles::Fault::Throws);
    application->SetFiles(files);
    SetOptions(false, false, false);
    Describe({"s", "f*", "1", "5"}, {"t", "g*", "1", "5"});
    Start();
    application->SetFiles(SystemFileSystem());
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(LastMessage().caption, "エラー");
    EXPECT_NE(LastMessage().text.find("the disk went away"), std::string::npos);
    EXPECT_EQ(LastMessage().flags, static_cast<unsigned>(kMbOk | kMbIconHand));
    EXPECT_FALSE(Form_Ope->Visible());
    EXPECT_EQ(Form_Ope->Operation(), nullptr);
    EXPECT_EQ(Main().Button_Start->Text(), "移動開始(&S)");
    EXPECT_EQ(FilesUnder("s") + FilesUnder("t"), 5u);
}

}  // namespace
}  // namespace kelvaro
