#include <string>
#include <vector>

#include "main_window/uNewDir.h"
#include "support/program_fixture.h"

namespace kelvaro {
namespace {

class FolderChoosers : public ProgramTest {};

TEST_F(FolderChoosers, TheBrowserWritesTheChosenFolderAsTheShellGivesIt) {
    RecordingShell& shell = backend.Launches();
    TMainForm& main = Main();
    shell.folderChoices = {std::nullopt, std::string("C:\\photos"), std::string("C:\\photos"),
                           std::string("D:\\")};

    user.Click(*main.Button_FromDir);  // cancelled: nothing changes, no handler runs
    EXPECT_EQ(main.Edit_FromDir->Text(), "");
    EXPECT_EQ(main.Label_PreStartFrom->Text(), "");

    user.Click(*main.Button_FromDir);
    EXPECT_EQ(main.Edit_FromDir->Text(), "C:\\photos");
    EXPECT_EQ(main.Label_PreStartFrom->Text(), "C:\\photos\\0.html");

    main.Label_PreStartFrom->SetText("marker");
    user.Click(*main.Button_FromDir);  // the same folder: the text does not change
    EXPECT_EQ(main.Label_PreStartFrom->Text(), "marker");

    user.Click(*main.Button_ToDir);  // a drive root keeps its separator
    EXPECT_EQ(main.Edit_ToDir->Text(), "D:\\");
    EXPECT_EQ(main.Label_PreStartTo->Text(), "D:\\0.html");

    ASSERT_EQ(shell.browses.size(), 4u);
    EXPECT_EQ(shell.browses[0].owner, "MainForm");
    EXPECT_EQ(shell.browses[0].title, "Fromの基本フォルダを選択してください");
    EXPECT_EQ(shell.browses[3].title, "Toの基本フォルダを選択してください");
}

// Records the folders the dialog makes, and makes none.
class FolderRecorder : public FileSystem {
  public:
    bool Exists(const std::string&) override { return false; }
    bool CreateDir(const std::string& path) override {
        created.push_back(path);
        return false;
    }
    bool Copy(const std::string&, const std::string&) override { return false; }
    bool Move(const std::string&, const std::string&) override { return false; }
    std::optional<FileIdentity> Identify(const std::string&) override { return std::nullopt; }
    std::vector<std::string> created;
};

TEST_F(FolderChoosers, TheNewFolderDialogJoinsFolderAndNameAndMakesItTheToFolder) {
    struct NewCase {
        const char* folder;
        const char* name;
        const char* label;
        const char* path;  // nullptr: nothing happens
    };
    const NewCase cases[] = {
        {"D:\\out", "new", "\"D:\\out\"の下に作成", "D:\\out\\new"},
        {"D:\\out\\", "new", "\"D:\\out\\\"の下に作成", "D:\\out\\new"},
        {"D:\\out", "\\new", "\"D:\\out\"の下に作成", "D:\\out\\new"},
        {"D:\\out\\", "\\new", "\"D:\\out\\\"の下に作成", "D:\\out\\\\new"},
        {"", "new", "\"\"の下に作成", "new"},
        {"", "\\new", "\"\"の下に作成", "\\new"},
        {"D:\\out", "", "\"D:\\out\"の下に作成", nullptr},
        {"D:\\表", "a\\b", "\"D:\\表\"の下に作成", "D:\\表\\a\\b"},
    };
    FolderRecorder files;
    application->SetFiles(files);
    for (const NewCase& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + " + " + c.name);
        user.Type(*Main().Edit_ToDir, c.folder);
        files.created.clear();
        std::string label;
        std::string nameAtOpen;
        backend.WhenShown("OKBottomDlg", [&](Form& form) {
            auto& dialog = static_cast<TOKBottomDlg&>(form);
            label = dialog.Label_NowDir->Text();
            nameAtOpen = dialog.Edit_NewDir->Text();
            user.Type(*dialog.Edit_NewDir, c.name);
            user.Click(*dialog.OKBtn);
        });
        user.Click(*Main().Button_ToNew);
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(nameAtOpen, "") << "each click makes a fresh dialog";
        if (c.path == nullptr) {
            EXPECT_TRUE(files.created.empty());
            EXPECT_EQ(Main().Edit_ToDir->Text(), c.folder);
        } else {
            EXPECT_EQ(files.created, std::vector<std::string>{c.path});
            EXPECT_EQ(Main().Edit_ToDir->Text(), c.path)
                << "written even though the folder was not made";
        }
    }
    application->SetFiles(SystemFileSystem());
}

TEST_F(FolderChoosers, CancelInTheNewFolderDialogChangesNothing) {
    FolderRecorder files;
    application->SetFiles(files);
    user.Type(*Main().Edit_ToDir, "D:\\out");
    backend.WhenShown("OKBottomDlg", [this](Form& form) {
        auto& dialog = static_cast<TOKBottomDlg&>(form);
        user.Type(*dialog.Edit_NewDir, "new");
        user.Click(*dialog.CancelBtn);
    });
    user.Click(*Main().Button_ToNew);
    EXPECT_TRUE(files.created.empty());
    EXPECT_EQ(Main().Edit_ToDir->Text(), "D:\\out");
    application->SetFiles(SystemFileSystem());
}

}  // namespace
}  // namespace kelvaro
