// The file services: whether a path is there, make a folder, copy a file, move a file.
//
// Paths are UTF-8 text with "\" as the separator, absolute ("C:\in\a.jpg") or relative to the
// current folder ("out\1\10\img001.jpg"). A trailing "\" names the folder before it. A path that
// holds a NUL character, or on Windows is not valid UTF-8, names nothing: every call on it fails.
//
// No call throws; a failure is reported as false. A failed move leaves both places as they were. A
// copy that fails part way (a full disk) removes what it wrote, and with it the file it was
// replacing; the Windows copy may leave that to the system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvaro {

// What tells one file from every other, whatever name it is reached by.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // A file or folder is there.
    virtual bool Exists(const std::string& path) = 0;

    // Makes one folder; its parent must already be there. False if the folder exists or on error.
    virtual bool CreateDir(const std::string& path) = 0;

    // Copies the file's content to To, replacing a file already there. Fails, and leaves both
    // untouched, when From is missing or not a file, or To is the From file itself under any name.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;

    // Moves or renames a file. Never replaces anything already at To, the file itself included.
    virtual bool Move(const std::string& from, const std::string& to) = 0;

    // The identity of the file or folder at the path; nothing when there is none.
    virtual std::optional<FileIdentity> Identify(const std::string& path) = 0;
};

// The implementation for the platform the program runs on. It keeps no state.
FileSystem& SystemFileSystem();

}  // namespace kelvaro
