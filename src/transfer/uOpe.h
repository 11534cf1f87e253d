// A run: the progress window and the worker that moves or copies the files one number at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "paths/path_rules.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/thread.h"

namespace kelvaro {

class TThread_Operation;

// The modal window that stands over the main window for the length of a run. Showing it starts
// a new worker; closing it in any way asks that worker to stop.
class TForm_Ope : public Form {
  public:
    explicit TForm_Ope(Application& owner);

    Button* Button_Stop;
    Label* Label1;
    Label* Label_From;
    Label* Label3;
    Label* Label_To;
    Gauge* CGauge1;

    void Button_StopClick(Control& sender);
    void FormShow(Control& sender);
    void FormClose(Control& sender, CloseAction& action);
    void AppMinimize(Application& sender);
    void AppRestore(Application& sender);

    // The worker of the current run while it runs; its last step hands the window back.
    TThread_Operation* Operation() const { return operation_; }
    // The worker's last step: forgets it and, unless a newer run has the window, closes it.
    void RunEnded(TThread_Operation& worker);
    // A run stopped by the user still finishes its pending number and shows its summary; this
    // waits for that, running the steps it hands to the main thread.
    void WaitForEndingRun();

  private:
    TThread_Operation* operation_ = nullptr;
};

// The From files of a copy run that have not been copied yet, by file identity. Built only when a
// copy is about to replace an existing file, so that no copy ever overwrites one of them.
class PendingSources {
  public:
    bool Built() const { return built_; }
    // Every From file of the range, but those whose numbers were copied already.
    template <class PathOf>
    void Build(FileSystem& files, std::int32_t first, std::int32_t last,
               const std::unordered_set<std::int32_t>& copied, PathOf pathOf) {
        built_ = true;
        for (std::int64_t number = first; number <= last; ++number) {
            if (copied.count(static_cast<std::int32_t>(number)) != 0) {
                continue;
            }
            if (auto identity = files.Identify(pathOf(static_cast<std::int32_t>(number)))) {
                ++pending_[*identity];
            }
        }
    }
    // The file was copied: it no longer needs protecting.
    void Read(const std::optional<FileIdentity>& identity);
    bool Contains(const std::optional<FileIdentity>& identity) const;

  private:
    struct Hash {
        std::size_t operator()(const FileIdentity& identity) const;
    };
    bool built_ = false;
    std::unordered_map<FileIdentity, int, Hash> pending_;
};

// One run. It only sequences: every step that reads or writes a control or touches a file runs
// on the main thread through Synchronize; the file names are made on the worker's own thread.
class TThread_Operation : public Thread {
  public:
    explicit TThread_Operation(Application& application);

  protected:
    void Execute() override;

  private:
    void ReadSettings();
    void Run();
    void TransferStep();
    bool Transfer();
    std::string FromPathOf(std::int32_t number) const;
    void ShowSummary();
    void CloseProgress();

    // Settings read from the main window at the start of the run.
    std::int32_t FromStart = 0;
    std::int32_t ToStart = 0;
    std::int32_t FromEnd = 0;
    std::string FromPattern;
    std::string ToPattern;
    std::string FromDir;
    std::string ToDir;
    // The maxima, flags, depths, sub-folder paths and paths of the current numbers.
    TransferPathValues paths_;

    // Run state. The To number counts on from ToStart; held wider than the numbers so that a
    // series running past the largest number fails its steps instead of wrapping round.
    std::int32_t FromNumber = 0;
    std::int64_t ToNumber = 0;
    std::int32_t FileCount = 0;
    std::int32_t LastResult = 0;
    bool FromExists = false;
    bool Stopped = false;
    std::string FromName;
    std::string ToName;
    std::string LastToSubDir;
    std::string MessageText;
    std::string MessageCaption;
    PendingSources pending_;
    std::unordered_set<std::int32_t> copied_;  // numbers copied before pending_ was needed
};

// The progress window, created at start-up after the options dialog.
extern TForm_Ope* Form_Ope;

}  // namespace kelvaro
