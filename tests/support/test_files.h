// Files on disk for the tests of runs, named as the program names them ("out\1\img001.jpg",
// UTF-8 with "\" between the names).
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

namespace kelvaro {

struct TestFiles {
    static std::filesystem::path FsPath(std::string path) {
        std::replace(path.begin(), path.end(), '\\', '/');
        return std::filesystem::path(std::u8string(path.begin(), path.end()));
    }
    static void Write(const std::string& path, const std::string& content) {
        if (FsPath(path).has_parent_path()) {
            std::filesystem::create_directories(FsPath(path).parent_path());
        }
        std::ofstream out(FsPath(path), std::ios::binary);
        out << content;
    }
    // The content of the file, or nothing when there is no file.
    static std::optional<std::string> Read(const std::string& path) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(FsPath(path), error)) {
            return std::nullopt;
        }
        std::ifstream in(FsPath(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static bool IsFolder(const std::string& path) {
        std::error_code error;
        return std::filesystem::is_directory(FsPath(path), error);
    }
    static std::size_t FilesUnder(const std::string& folder) {
        std::error_code error;
        std::size_t count = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(FsPath(folder), error);
             it != std::filesystem::recursive_directory_iterator(); ++it) {
            count += it->is_regular_file() ? 1 : 0;
        }
        return count;
    }
};

}  // namespace kelvaro
