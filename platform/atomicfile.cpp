#include "platform/atomicfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

Error systemErrorAt(const fs::path& path, int err) {
    return systemError(path.string(), err);
}

Error tooLarge(const fs::path& path, std::size_t maxBytes) {
    constexpr std::size_t kKB = std::size_t{1} << 10;
    constexpr std::size_t kMB = std::size_t{1} << 20;
    const std::string limit = maxBytes % kMB == 0   ? std::to_string(maxBytes / kMB) + " MB"
                              : maxBytes % kKB == 0 ? std::to_string(maxBytes / kKB) + " KB"
                                                    : std::to_string(maxBytes) + " B";
    return Error{path.string(), "soubor je příliš velký (nejvýš " + limit + ")"};
}

// Why a file is not read: not a regular file, or larger than the limit.
std::optional<Error> refusal(const fs::path& path, const struct stat& st, std::size_t maxBytes) {
    if (S_ISDIR(st.st_mode)) {
        return systemErrorAt(path, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        return Error{path.string(), "není to obyčejný soubor"};
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        return tooLarge(path, maxBytes);
    }
    return std::nullopt;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Closes the descriptor and removes the temporary file unless the write went through.
class TempFile {
public:
    explicit TempFile(const fs::path& target) : m_name(target.string() + ".XXXXXX") {
        m_fd = ::mkstemp(m_name.data());
        m_created = m_fd >= 0;
    }
    ~TempFile() {
        close();
        if (m_created && !m_committed) {
            ::unlink(m_name.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool opened() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const std::string& name() const { return m_name; }
    int close() {
        int rc = 0;
        if (m_fd >= 0) {
            rc = ::close(m_fd);
            m_fd = -1;
        }
        return rc;
    }
    void commit() { m_committed = true; }

private:
    std::string m_name;
    int m_fd = -1;
    bool m_created = false;
    bool m_committed = false;
};

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Where a write lands: a symbolic link is followed to the file it names, as QSaveFile does,
// so the link stays and its target gets the new content.
Result<fs::path> writeTarget(const fs::path& path) {
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(target, ec)) {
            return target;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return systemErrorAt(path, ec.value());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return systemErrorAt(path, ELOOP);
}

// Why an existing file may not be replaced or removed: it is a folder, or it may not be
// written. The write bits decide for root too, who passes every access check.
std::optional<Error> replaceRefusal(const fs::path& path, const fs::path& target,
                                    const struct stat& st) {
    if (S_ISDIR(st.st_mode)) {
        return systemErrorAt(path, EISDIR);
    }
    if ((st.st_mode & 0222) == 0) {
        return Error{path.string(), "soubor je jen pro čtení"};
    }
    if (::access(target.c_str(), W_OK) != 0) {
        return systemErrorAt(path, errno);
    }
    return std::nullopt;
}

} // namespace

Result<std::string> readFileBytes(const fs::path& path, std::size_t maxBytes) {
    // Looked at before opening, so that a device is never opened; looked at again through
    // the descriptor, in case the name was given to another file in between. Opened
    // non-blocking, so that even then a pipe does not wait for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? notFoundError(path.string()) : systemErrorAt(path, errno);
    }
    if (auto refused = refusal(path, st, maxBytes)) {
        return *refused;
    }
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return errno == ENOENT ? notFoundError(path.string()) : systemErrorAt(path, errno);
    }
    if (::fstat(fd.get(), &st) != 0) {
        return systemErrorAt(path, errno);
    }
    if (auto refused = refusal(path, st, maxBytes)) {
        return *refused;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    // One byte beyond the limit is enough to know the file is too large.
    while (bytes.size() <= maxBytes) {
        const std::size_t want = std::min(sizeof buf, maxBytes + 1 - bytes.size());
        const ssize_t n = ::read(fd.get(), buf, want);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemErrorAt(path, errno);
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return tooLarge(path, maxBytes);
}

Result<void> writeFileAtomic(const fs::path& path, std::string_view bytes) {
    return writeFileAtomic(path, bytes, {});
}

Result<void> writeFileAtomic(const fs::path& path, std::string_view bytes,
                             const std::function<void()>& beforeRename) {
    const auto target = writeTarget(path);
    if (!target) {
        return target.error();
    }
    struct stat st {};
    const bool exists = ::stat(target->c_str(), &st) == 0;
    if (exists) {
        if (auto refused = replaceRefusal(path, *target, st)) {
            return *refused;
        }
    }
    TempFile temp(*target);
    if (!temp.opened()) {
        return systemErrorAt(path, errno);
    }
    // Keep the permissions of the file being replaced; a new file gets rw-r--r--.
    ::fchmod(temp.fd(), exists ? (st.st_mode & 07777) : 0644);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(temp.fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemErrorAt(path, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(temp.fd()) != 0 || temp.close() != 0) {
        return systemErrorAt(path, errno);
    }
    if (beforeRename) {
        beforeRename();
    }
    if (std::rename(temp.name().c_str(), target->c_str()) != 0) {
        return systemErrorAt(path, errno);
    }
    temp.commit();
    syncFolder(target->parent_path());
    return {};
}

Result<void> removeFile(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? Result<void>{} : systemErrorAt(path, errno);
    }
    if (!S_ISLNK(st.st_mode)) {
        if (auto refused = replaceRefusal(path, path, st)) {
            return *refused;
        }
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return systemErrorAt(path, errno);
    }
    return {};
}

bool isWritableFolder(const fs::path& folder) {
    std::error_code ec;
    // access() asks the kernel, so read-only mounts and ACLs count as well as the mode bits.
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace tarvenik
