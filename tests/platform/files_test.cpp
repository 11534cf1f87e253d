#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A UTF-8 path with either separator as std::filesystem wants it (UTF-16 on Windows).
fs::path FsPath(std::string utf8) {
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The path as the program writes it: UTF-8 with "\" between the names.
std::string ProgramPath(const fs::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    std::string text(utf8.begin(), utf8.end());
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

// Every test works in a fresh folder under the system's temporary folder, which is also the
// current folder while it runs, so relative paths land there too.
class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        const fs::path temp = fs::temp_directory_path();
        do {
            root_ = temp / ("kelvaro-files-" + std::to_string(random()));
        } while (!fs::create_directory(root_));
        previous_ = fs::current_path();
        fs::current_path(root_);
    }

    void TearDown() override {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(root_, ignored);
    }

    // The absolute path of a name inside the test folder, as the program writes it.
    std::string Absolute(const std::string& relative) const {
        return ProgramPath(root_) + "\\" + relative;
    }

    static void Write(const std::string& path, const std::string& content) {
        std::ofstream out(FsPath(path), std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        ASSERT_TRUE(out.good()) << path;
    }

    // The file's content, or nothing when no file is there.
    static std::optional<std::string> Read(const std::string& path) {
        std::error_code error;
        if (!fs::is_regular_file(FsPath(path), error)) {
            return std::nullopt;
        }
        std::ifstream in(FsPath(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // A case folder holding a.txt, b.txt (longer than a.txt), link.txt (a hard link to a.txt)
    // and an empty folder sub. Returns the folder, relative, with a trailing "\".
    static std::string MakeCaseFolder(std::size_t number) {
        const std::string folder = "case" + std::to_string(number) + "\\";
        fs::create_directory(FsPath(folder));
        Write(folder + "a.txt", kA);
        Write(folder + "b.txt", kB);
        fs::create_hard_link(FsPath(folder + "a.txt"), FsPath(folder + "link.txt"));
        fs::create_directory(FsPath(folder + "sub"));
        return folder;
    }

    static inline const std::string kA{"A\0\x01\xff\r\n", 6};
    static inline const std::string kB = "BBBBBBBBBBBBBBBBBBBBBBBBBBBB";

    fs::path root_;
    fs::path previous_;
};

// One call on a case folder and what every named file holds afterwards (nullopt: not there).
struct FileCase {
    std::string from;
    std::string to;
    bool succeeds;
    std::vector<std::pair<std::string, std::optional<std::string>>> after;
};

const std::string kNul("c.txt\0.txt", 10);  // a NUL must not cut the name to "c.txt"

TEST_F(Files, MoveRenamesButNeverReplaces) {
    const std::vector<FileCase> cases = {
        {"a.txt", "c.txt", true, {{"a.txt", std::nullopt}, {"c.txt", kA}}},
        {"a.txt", "sub\\a.txt", true, {{"a.txt", std::nullopt}, {"sub\\a.txt", kA}}},
        {"a.txt", "b.txt", false, {{"a.txt", kA}, {"b.txt", kB}}},
        {"a.txt", "a.txt", false, {{"a.txt", kA}}},
        {"a.txt", "sub\\..\\a.txt", false, {{"a.txt", kA}}},
        {"a.txt", "link.txt", false, {{"a.txt", kA}, {"link.txt", kA}}},
        {"a.txt", "sub", false, {{"a.txt", kA}}},
        {"a.txt", "none\\a.txt", false, {{"a.txt", kA}, {"none\\a.txt", std::nullopt}}},
        {"missing.txt", "c.txt", false, {{"c.txt", std::nullopt}}},
        {"a.txt", kNul, false, {{"a.txt", kA}, {"c.txt", std::nullopt}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const FileCase& c = cases[i];
        SCOPED_TRACE("move " + c.from + " to " + c.to);
        const std::string folder = MakeCaseFolder(i);
        EXPECT_EQ(SystemFileSystem().Move(folder + c.from, folder + c.to), c.succeeds);
        for (const auto& [name, content] : c.after) {
            EXPECT_EQ(Read(folder + name), content) << name;
        }
    }
}

TEST_F(Files, CopyOverwritesButNeverOntoItself) {
    const std::vector<FileCase> cases = {
        {"a.txt", "c.txt", true, {{"a.txt", kA}, {"c.txt", kA}}},
        {"a.txt", "b.txt", true, {{"a.txt", kA}, {"b.txt", kA}}},  // the longer file is replaced
        {"a.txt", "sub\\a.txt", true, {{"a.txt", kA}, {"sub\\a.txt", kA}}},
        {"a.txt", "a.txt", false, {{"a.txt", kA}}},
        {"a.txt", "sub\\..\\a.txt", false, {{"a.txt", kA}}},
        {"a.txt", "link.txt", false, {{"a.txt", kA}, {"link.txt", kA}}},
        {"a.txt", "sub", false, {{"a.txt", kA}}},
        {"sub", "c.txt", false, {{"c.txt", std::nullopt}}},
        {"a.txt", "none\\c.txt", false, {{"none\\c.txt", std::nullopt}}},
        {"missing.txt", "c.txt", false, {{"c.txt", std::nullopt}}},
        {"missing.txt", "b.txt", false, {{"b.txt", kB}}},
        {"a.txt", kNul, false, {{"a.txt", kA}, {"c.txt", std::nullopt}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const FileCase& c = cases[i];
        SCOPED_TRACE("copy " + c.from + " to " + c.to);
        const std::string folder = MakeCaseFolder(i);
        EXPECT_EQ(SystemFileSystem().Copy(folder + c.from, folder + c.to), c.succeeds);
        for (const auto& [name, content] : c.after) {
            EXPECT_EQ(Read(folder + name), content) << name;
        }
    }
}

TEST_F(Files, CopyAndMoveKeepEveryByte) {
    std::string content(1024 * 1024 + 3, '\0');
    std::mt19937 bytes(7);
    for (std::size_t i = 0; i < content.size(); i += 3) {
        content[i] = static_cast<char>(bytes());
    }
    Write(Absolute("big.bin"), content);
    Write(Absolute("small.bin"), "x");
    ASSERT_TRUE(SystemFileSystem().Copy(Absolute("big.bin"), Absolute("copy.bin")));
    ASSERT_TRUE(SystemFileSystem().Copy(Absolute("copy.bin"), Absolute("small.bin")));
    ASSERT_TRUE(SystemFileSystem().Move(Absolute("small.bin"), Absolute("moved.bin")));
    EXPECT_TRUE(Read(Absolute("big.bin")) == content);
    EXPECT_TRUE(Read(Absolute("copy.bin")) == content);
    EXPECT_TRUE(Read(Absolute("moved.bin")) == content);
}

TEST_F(Files, CreateDirMakesOneFolderAtATime) {
    Write("file.txt", "f");
    const struct {
        const char* path;
        bool succeeds;
    } steps[] = {
        {"out", true},
        {"out", false},
        {"out\\", false},
        {"out\\1\\", true},
        {"out\\1\\10\\", true},
        {"out\\1\\10", false},
        {"missing\\child", false},
        {"missing\\child\\", false},
        {"file.txt", false},
        {"file.txt\\", false},
        {"", false},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(SystemFileSystem().CreateDir(step.path), step.succeeds) << step.path;
    }
    EXPECT_TRUE(fs::is_directory(FsPath("out\\1\\10")));
    EXPECT_FALSE(fs::exists(FsPath("missing")));
    EXPECT_TRUE(SystemFileSystem().CreateDir(Absolute("absolute")));
    EXPECT_TRUE(fs::is_directory(root_ / "absolute"));
}

TEST_F(Files, ExistsFindsFilesAndFolders) {
    Write("file.txt", "f");
    fs::create_directory("folder");
    const struct {
        std::string path;
        bool exists;
    } cases[] = {
        {"file.txt", true},
        {"folder", true},
        {"folder\\", true},
        {"missing", false},
        {"folder\\missing", false},
        {"", false},
        {std::string("file.txt\0x", 10), false},
        {Absolute("file.txt"), true},
        {Absolute("folder\\"), true},
        {Absolute("missing"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemFileSystem().Exists(c.path), c.exists) << c.path;
    }
}

TEST_F(Files, IdentifyTellsOneFileFromAnotherWhateverItsName) {
    FileSystem& files = SystemFileSystem();
    const std::string folder = MakeCaseFolder(1);
    const auto a = files.Identify(folder + "a.txt");
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(files.Identify(folder + "link.txt"), a);
    EXPECT_EQ(files.Identify(Absolute(folder + "sub\\..\\a.txt")), a);
    EXPECT_NE(files.Identify(folder + "b.txt"), a);
    EXPECT_EQ(files.Identify(folder + "missing.txt"), std::nullopt);
}

// Japanese names, among them folders ending in 表 and ソ, whose second code-page-932 byte is "\".
TEST_F(Files, NamesOutsideAscii) {
    FileSystem& files = SystemFileSystem();
    Write(Absolute("元.jpg"), "picture");
    ASSERT_TRUE(files.CreateDir(Absolute("表示\\")));
    ASSERT_TRUE(files.CreateDir(Absolute("一覧表")));
    ASSERT_TRUE(files.CreateDir(Absolute("一覧表\\ソ\\")));
    EXPECT_TRUE(files.Copy(Absolute("元.jpg"), Absolute("表示\\画像001.jpg")));
    EXPECT_TRUE(files.Move(Absolute("表示\\画像001.jpg"), Absolute("一覧表\\ソ\\画像002.jpg")));
    EXPECT_TRUE(files.Exists(Absolute("一覧表\\ソ\\画像002.jpg")));
    EXPECT_FALSE(files.Exists(Absolute("表示\\画像001.jpg")));
    EXPECT_EQ(Read(Absolute("一覧表\\ソ\\画像002.jpg")), "picture");
    EXPECT_TRUE(fs::is_directory(root_ / fs::path(u8"表示")));
}

}  // namespace
}  // namespace kelvaro
