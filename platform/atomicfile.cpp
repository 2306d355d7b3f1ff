#include "platform/atomicfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

Error systemError(const fs::path& path, int err) {
    return Error{path.string(), std::strerror(err)};
}

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

} // namespace

Result<std::string> readFileBytes(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? notFoundError(path.string()) : systemError(path, errno);
    }
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            ::close(fd);
            return systemError(path, err);
        }
        if (n == 0) {
            break;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Result<void> writeFileAtomic(const fs::path& path, std::string_view bytes) {
    return writeFileAtomic(path, bytes, {});
}

Result<void> writeFileAtomic(const fs::path& path, std::string_view bytes,
                             const std::function<void()>& beforeRename) {
    TempFile temp(path);
    if (!temp.opened()) {
        return systemError(path, errno);
    }
    // Keep the permissions of the file being replaced; a new file gets rw-r--r--.
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(temp.fd(), mode);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(temp.fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemError(path, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(temp.fd()) != 0 || temp.close() != 0) {
        return systemError(path, errno);
    }
    if (beforeRename) {
        beforeRename();
    }
    if (std::rename(temp.name().c_str(), path.c_str()) != 0) {
        return systemError(path, errno);
    }
    temp.commit();
    syncFolder(path.parent_path());
    return {};
}

} // namespace tarvenik
