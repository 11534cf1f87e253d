// The file services on POSIX systems, for the native build. "\" in a path becomes "/".
#include "platform/files.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace kelvaro {
namespace {

// The path as the system spells it, or nothing when it holds a NUL, which would cut it short.
std::optional<std::string> Native(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\0') {
            return std::nullopt;
        }
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}

// Closes a descriptor when it leaves scope, unless released first.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether everything written reached the file system.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Opens without blocking on a pipe or device; reads and writes of a regular file still block.
int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC | O_NONBLOCK, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Copies everything from the current offset of `in` to `out`.
bool CopyContent(int in, int out) {
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        std::size_t done = 0;
        while (done < static_cast<std::size_t>(got)) {
            ssize_t put = ::write(out, buffer.data() + done, static_cast<std::size_t>(got) - done);
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return false;
            }
            done += static_cast<std::size_t>(put);
        }
    }
}

// Gives the copy the source's times, as a copy or move on Windows does. Best effort.
void KeepTimes(int out, const struct stat& source) {
    const decltype(source.st_atim) times[2] = {source.st_atim, source.st_mtim};
    ::futimens(out, times);
}

// A move where renaming is impossible: a new file made exclusively, filled, then the source
// removed. Any failure removes the new file and leaves the source as it was.
bool MoveByCopy(const char* from, const char* to) {
    Descriptor in(OpenRetrying(from, O_RDONLY));
    struct stat source;
    if (!in.valid() || ::fstat(in.get(), &source) != 0 || !S_ISREG(source.st_mode)) {
        return false;
    }
    Descriptor out(OpenRetrying(to, O_WRONLY | O_CREAT | O_EXCL, source.st_mode & 07777));
    if (!out.valid()) {
        return false;
    }
    bool copied = CopyContent(in.get(), out.get());
    if (copied) {
        KeepTimes(out.get(), source);
        ::fchmod(out.get(), source.st_mode & 07777);  // not narrowed by the umask
        // The source goes away next, so the copy must be on the disk first.
        copied = ::fsync(out.get()) == 0;
    }
    copied = out.Close() && copied;
    if (!copied || ::unlink(from) != 0) {
        ::unlink(to);
        return false;
    }
    return true;
}

// Renames without replacing: the kernel's no-replace rename, or a hard link and an unlink where the
// kernel or the file system lacks it, or a copy where hard links are impossible.
bool MoveNoReplace(const char* from, const char* to) {
#ifdef SYS_renameat2
    if (::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EXDEV) {
        return MoveByCopy(from, to);
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#endif
    if (::link(from, to) != 0) {
        // Other folder's file system, or one without hard links.
        if (errno == EXDEV || errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK) {
            return MoveByCopy(from, to);
        }
        return false;
    }
    if (::unlink(from) != 0) {
        ::unlink(to);
        return false;
    }
    return true;
}

class PosixFileSystem : public FileSystem {
  public:
    bool Exists(const std::string& path) override {
        std::optional<std::string> native = Native(path);
        struct stat info;
        return native && ::stat(native->c_str(), &info) == 0;
    }

    bool CreateDir(const std::string& path) override {
        std::optional<std::string> native = Native(path);
        return native && ::mkdir(native->c_str(), 0777) == 0;
    }

    bool Copy(const std::string& from, const std::string& to) override {
        std::optional<std::string> source_path = Native(from);
        std::optional<std::string> target_path = Native(to);
        if (!source_path || !target_path) {
            return false;
        }
        Descriptor in(OpenRetrying(source_path->c_str(), O_RDONLY));
        struct stat source;
        if (!in.valid() || ::fstat(in.get(), &source) != 0 || !S_ISREG(source.st_mode)) {
            return false;
        }
        // Opened without truncating, so that the source under another name can be recognised
        // before anything is written.
        Descriptor out(
            OpenRetrying(target_path->c_str(), O_WRONLY | O_CREAT, source.st_mode & 0777));
        struct stat target;
        if (!out.valid() || ::fstat(out.get(), &target) != 0) {
            return false;
        }
        if (target.st_dev == source.st_dev && target.st_ino == source.st_ino) {
            return false;
        }
        bool copied = S_ISREG(target.st_mode) && ::ftruncate(out.get(), 0) == 0 &&
                      CopyContent(in.get(), out.get());
        if (copied) {
            KeepTimes(out.get(), source);
        }
        copied = out.Close() && copied;
        if (!copied && S_ISREG(target.st_mode)) {
            // What is left is neither the old file nor the copy.
            ::unlink(target_path->c_str());
        }
        return copied;
    }

    bool Move(const std::string& from, const std::string& to) override {
        std::optional<std::string> source_path = Native(from);
        std::optional<std::string> target_path = Native(to);
        return source_path && target_path &&
               MoveNoReplace(source_path->c_str(), target_path->c_str());
    }

    std::optional<FileIdentity> Identify(const std::string& path) override {
        std::optional<std::string> native = Native(path);
        struct stat info;
        if (!native || ::stat(native->c_str(), &info) != 0) {
            return std::nullopt;
        }
        return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                            static_cast<std::uint64_t>(info.st_ino)};
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace kelvaro
