// The file services on Windows.
#include "platform/files.h"

#include <windows.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// The path in UTF-16 for a Windows call, or nothing when it is not valid UTF-8 or holds a NUL.
std::optional<std::wstring> Wide(const std::string& text) {
    if (text.find('\0') != std::string::npos || text.size() > INT_MAX) {
        return std::nullopt;
    }
    if (text.empty()) {
        return std::wstring();
    }
    const int length = static_cast<int>(text.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                            size) != size) {
        return std::nullopt;
    }
    return wide;
}

std::optional<FileIdentity> IdentifyWide(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{
        info.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// Where a file is, as the system names it on its volume ("\photos\a.jpg"), and how many names it
// has. Asked of an open file, which costs no search of its folder, and without the volume serial
// number, which some systems look up slowly.
struct Place {
    DWORD links = 0;
    std::wstring path;
};

std::optional<Place> PlaceOf(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<Place> place;
    FILE_STANDARD_INFO standard;
    std::vector<unsigned char> buffer(sizeof(FILE_NAME_INFO) + MAX_PATH * sizeof(WCHAR));
    if (GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof(standard))) {
        for (;;) {
            auto* name = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
            if (GetFileInformationByHandleEx(file, FileNameInfo, name,
                                             static_cast<DWORD>(buffer.size()))) {
                place = Place{standard.NumberOfLinks,
                              std::wstring(name->FileName, name->FileNameLength / sizeof(WCHAR))};
                break;
            }
            if (GetLastError() != ERROR_MORE_DATA ||
                name->FileNameLength <= buffer.size() - sizeof(FILE_NAME_INFO)) {
                break;
            }
            buffer.resize(sizeof(FILE_NAME_INFO) + name->FileNameLength);
        }
    }
    CloseHandle(file);
    return place;
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    std::optional<FileIdentity> first = IdentifyWide(a);
    std::optional<FileIdentity> second = IdentifyWide(b);
    return first && second && *first == *second;
}

bool Present(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Win32FileSystem : public FileSystem {
  public:
    bool Exists(const std::string& path) override {
        std::optional<std::wstring> wide = Wide(path);
        return wide && Present(*wide);
    }

    bool CreateDir(const std::string& path) override {
        std::optional<std::wstring> wide = Wide(path);
        return wide && CreateDirectoryW(wide->c_str(), nullptr) != 0;
    }

    bool Copy(const std::string& from, const std::string& to) override {
        std::optional<std::wstring> source = Wide(from);
        std::optional<std::wstring> target = Wide(to);
        // Copying a file onto itself would be refused by the sharing rules at best; it is
        // refused here before the target is ever opened for writing.
        return source && target && !SameFile(*source, *target) &&
               CopyFileW(source->c_str(), target->c_str(), FALSE) != 0;
    }

    bool Move(const std::string& from, const std::string& to) override {
        std::optional<std::wstring> source = Wide(from);
        std::optional<std::wstring> target = Wide(to);
        if (!source || !target) {
            return false;
        }
        // MoveFileW never replaces another file, but a move onto the file itself (the same name,
        // another case, a hard link) can report success and leave both names as they were.
        const std::optional<Place> before = PlaceOf(*source);
        if (!before) {
            return false;
        }
        if (before->links > 1) {
            // Another name of the file may be the To path: anything already there is refused.
            return !Present(*target) && MoveFileW(source->c_str(), target->c_str()) != 0;
        }
        // With one name, a move onto itself leaves the file where it was. Testing To before the
        // move would cost, on some systems, a search of its whole folder for a name that is not
        // there, on every number of a run; the file's place afterwards tells as much.
        if (!MoveFileW(source->c_str(), target->c_str())) {
            return false;
        }
        const std::optional<Place> after = PlaceOf(*target);
        if (!after || after->path != before->path) {
            return true;
        }
        // The same place: the file stayed, or went to the same path on another volume.
        return !Present(*source);
    }

    std::optional<FileIdentity> Identify(const std::string& path) override {
        std::optional<std::wstring> wide = Wide(path);
        return wide ? IdentifyWide(*wide) : std::nullopt;
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static Win32FileSystem files;
    return files;
}

}  // namespace kelvaro
