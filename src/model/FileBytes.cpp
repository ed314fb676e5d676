#include "FileBytes.h"

#include "SystemErrorText.h"
#include "TextCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Failed(std::string& error, int code) {
    error = EncodeUtf8(SystemErrorText(code));
    return false;
}

// Each step below returns 0 or the system's error number.

int ReadAll(int fd, std::vector<std::uint8_t>& data) {
    std::uint8_t buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        data.insert(data.end(), buffer, buffer + n);
    }
}

int WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Fills the new file and flushes it to the disk; it takes the permissions of an existing
// target.
int FillTemporary(int fd, const std::filesystem::path& target,
                  const std::vector<std::uint8_t>& bytes) {
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0 && fchmod(fd, existing.st_mode & 07777) != 0)
        return errno;
    if (int code = WriteAll(fd, bytes))
        return code;
    return fsync(fd) == 0 ? 0 : errno;
}

// Creates a new, empty file beside the target under a name no other file has.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
    for (unsigned attempt = 0;; ++attempt) {
        temp = target.parent_path() /
               (".tarvo-save-" + std::to_string(getpid()) + "-" + std::to_string(attempt));
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 100)
            return fd;
    }
}

} // namespace

bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failed(error, errno);
    std::vector<std::uint8_t> data;
    int code = ReadAll(fd, data);
    if (close(fd) != 0 && code == 0)
        code = errno;
    if (code != 0)
        return Failed(error, code);
    bytes = std::move(data);
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error) {
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec)
            return Failed(error, ec.value());
    }
    std::filesystem::path temp;
    int fd = CreateTemporary(target, temp);
    if (fd < 0)
        return Failed(error, errno);
    int code = FillTemporary(fd, target, bytes);
    if (close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && rename(temp.c_str(), target.c_str()) != 0)
        code = errno;
    if (code != 0) {
        unlink(temp.c_str());
        return Failed(error, code);
    }
    return true;
}
