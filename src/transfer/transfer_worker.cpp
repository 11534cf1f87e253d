#include <cstdint>
#include <limits>
#include <string>

#include "main_window/uMain.h"
#include "options/uOption.h"
#include "platform/convert.h"
#include "transfer/uOpe.h"

namespace kelvaro {

namespace {

constexpr std::int64_t kLargestNumber = std::numeric_limits<std::int32_t>::max();

void CompleteFolder(std::string& folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
}

}  // namespace

TThread_Operation::TThread_Operation(Application& application) : Thread(application, true) {
    SetFreeOnTerminate(true);
    Start();
}

void TThread_Operation::Execute() {
    try {
        Run();
        return;
    } catch (const std::exception& error) {
        MessageText = "ファイルの操作中にエラーが発生したため、中断しました。\n\n" +
                      std::string(error.what());
    } catch (...) {
        MessageText = "ファイルの操作中にエラーが発生したため、中断しました。";
    }
    // A step that fails ends the run with the error, and the progress window still closes.
    try {
        Synchronize([this] { App().MessageBox(MessageText, "エラー", kMbOk | kMbIconHand); });
    } catch (...) {
    }
    try {
        Synchronize([this] { CloseProgress(); });
    } catch (...) {
    }
}

void TThread_Operation::ReadSettings() {
    const TMainForm& main = *MainForm;
    Synchronize([&] {
        FromStart = StrToInt(main.Edit_FromStart->Text());
        ToStart = StrToInt(main.Edit_ToStart->Text());
    });
    Synchronize([&] { FromEnd = StrToInt(main.Edit_FromEnd->Text()); });
    Synchronize([&] {
        // A maximum that is not an integer, such as "無制限", means no sub-folders on that side.
        paths_.FromMaxIsInt = true;
        try {
            paths_.FromMax = StrToInt(main.ComboBox_FromMax->Text());
        } catch (const ConvertError&) {
            paths_.FromMaxIsInt = false;
        }
        paths_.ToMaxIsInt = true;
        try {
            paths_.ToMax = StrToInt(main.ComboBox_ToMax->Text());
        } catch (const ConvertError&) {
            paths_.ToMaxIsInt = false;
        }
    });
    Synchronize([&] { paths_.FromDepth = main.CSpinEdit_FromDepth->Value(); });
    Synchronize([&] { paths_.ToDepth = main.CSpinEdit_ToDepth->Value(); });
    Synchronize([&] { FromPattern = main.Edit_FromFile->Text(); });
    Synchronize([&] { ToPattern = main.Edit_ToFile->Text(); });
    Synchronize([&] { FromDir = main.Edit_FromDir->Text(); });
    Synchronize([&] { ToDir = main.Edit_ToDir->Text(); });
    // An empty base folder stays empty: that side's paths are relative to the current folder.
    CompleteFolder(FromDir);
    CompleteFolder(ToDir);
}

void TThread_Operation::Run() {
    ReadSettings();
    FileCount = 0;
    LastToSubDir.clear();
    Synchronize([this] {
        // A run the user stopped during its set-up no longer owns the button: the start command
        // has put its caption back already.
        if (Form_Ope->Operation() == this && Form_Ope->Visible()) {
            MainForm->Button_Start->SetText("移動中");
        }
    });
    Synchronize([this] {
        // The maximum goes up first, so that the new range can be set whatever the last run left.
        Gauge& gauge = *Form_Ope->CGauge1;
        gauge.SetMaxValue(std::numeric_limits<std::int32_t>::max());
        gauge.SetMinValue(FromStart);
        gauge.SetMaxValue(FromEnd);
        gauge.SetProgress(0);
    });

    ToNumber = ToStart;
    Stopped = false;
    FromNumber = FromStart;
    while (FromNumber <= FromEnd) {
        FromName = MakeFileName(FromPattern, FromNumber);
        ToName =
            MakeFileName(ToPattern, static_cast<std::int32_t>(std::min(ToNumber, kLargestNumber)));
        Synchronize([this] { TransferStep(); });
        if (Terminated() || Stopped) {
            Stopped = true;
            break;
        }
        if (FromNumber == FromEnd) {
            break;  // the last number may be the largest there is
        }
        ++FromNumber;
    }

    bool copyMode = false;
    Synchronize([&copyMode] { copyMode = Form_Option->CheckBox_CopyMode->Checked(); });
    const std::string action = copyMode ? "コピー" : "移動";
    if (Stopped) {
        MessageText = action + "を強制終了しました。\n\n" + action +
                      "ファイル数 : " + IntToStr(FileCount) + "\n\nFrom : " + IntToStr(FromNumber) +
                      " , To : " + std::to_string(ToNumber + LastResult) + "で中断しました。";
        MessageCaption = "強制終了";
    } else {
        MessageText =
            action + "が終わりました。\n\n" + action + "ファイル数 : " + IntToStr(FileCount);
        MessageCaption = "完了";
    }
    Synchronize([this] { ShowSummary(); });
    Synchronize([this] { CloseProgress(); });
}

std::string TThread_Operation::FromPathOf(std::int32_t number) const {
    const std::string folders =
        paths_.FromMaxIsInt ? MakeFolderPath(paths_.FromDepth, number, paths_.FromMax) : "";
    return FromDir + folders + MakeFileName(FromPattern, number);
}

// One From number, on the main thread.
void TThread_Operation::TransferStep() {
    TForm_Ope& progress = *Form_Ope;
    FileSystem& files = App().Files();
    const bool toInRange = ToNumber <= kLargestNumber;

    paths_.FromPath = FromName;
    paths_.ToPath = ToName;
    BuildSubFolders(paths_, FromNumber,
                    static_cast<std::int32_t>(std::min(ToNumber, kLargestNumber)));
    paths_.FromPath.insert(0, FromDir);
    paths_.ToPath.insert(0, ToDir);

    progress.Label_From->SetText(paths_.FromPath);
    progress.Label_To->SetText(paths_.ToPath);
    progress.CGauge1->SetProgress(FromNumber);

    // To folders are made, outermost first, only when the To sub-folder path changes.
    if (paths_.ToMaxIsInt && paths_.ToSubDir != LastToSubDir) {
        for (std::size_t i = 0; i < paths_.ToSubDir.size(); ++i) {
            if (paths_.ToSubDir[i] == '\\') {
                files.CreateDir(ToDir + paths_.ToSubDir.substr(0, i + 1));
            }
        }
        LastToSubDir = paths_.ToSubDir;
    }

    FromExists = files.Exists(paths_.FromPath);
    LastResult = toInRange && Transfer() ? 0 : -1;
    FileCount += LastResult + 1;
    if (Form_Option->CheckBox_Pack->Checked()) {
        ToNumber += LastResult + 1;  // the next From number goes to the same To number
    } else {
        ToNumber += 1;
    }

    if (LastResult == -1 && !FromExists && Form_Option->CheckBox_Caution->Checked()) {
        MessageText =
            "ファイル \"" + FromName + "\" が読み込みできません。\n\n操作を続行しますか？";
        MessageCaption = "ファイル読みこみエラー";
        if (App().MessageBox(MessageText, MessageCaption, kMbOkCancel | kMbIconExclamation) ==
            kIdCancel) {
            Stopped = true;
        }
    }
}

bool TThread_Operation::Transfer() {
    FileSystem& files = App().Files();
    if (!Form_Option->CheckBox_CopyMode->Checked()) {
        return files.Move(paths_.FromPath, paths_.ToPath);
    }
    // A copy never overwrites a From file of this run that has not been copied yet: shifting a
    // series up in place would otherwise copy the first file over all the others. The From
    // files are looked up only once a copy is about to replace an existing file.
    const std::optional<FileIdentity> target = files.Identify(paths_.ToPath);
    if (target) {
        if (!pending_.Built()) {
            pending_.Build(files, FromStart, FromEnd, copied_,
                           [this](std::int32_t number) { return FromPathOf(number); });
            copied_.clear();
        }
        if (pending_.Contains(target)) {
            return false;
        }
    } else if (files.Exists(paths_.ToPath)) {
        return false;  // something is there that cannot be told apart from the From files
    }
    if (!files.Copy(paths_.FromPath, paths_.ToPath)) {
        return false;
    }
    if (pending_.Built()) {
        pending_.Read(files.Identify(paths_.FromPath));
    } else {
        copied_.insert(FromNumber);
    }
    return true;
}

void TThread_Operation::ShowSummary() {
    App().MessageBox(MessageText, MessageCaption, kMbOk);
}

void TThread_Operation::CloseProgress() {
    Form_Ope->RunEnded(*this);
}

}  // namespace kelvaro
