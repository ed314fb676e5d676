#include "model/FileBytes.h"

#include "model/SystemErrorText.h"
#include "model/TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Each step below returns 0, the system's error number, or one of these reasons the system
// has no number for.
constexpr int kNotRegularFile = -1;
constexpr int kHardLinked = -2;

// A symbolic link is followed at most this often, as the system does.
constexpr int kMaxLinkHops = 40;

bool Failed(std::string& error, int code) {
    switch (code) {
    case kNotRegularFile:
        error = EncodeUtf8(L"通常のファイルではありません。");
        break;
    case kHardLinked:
        error = EncodeUtf8(L"ほかの名前（ハード リンク）からも使われているファイルなので、"
                           L"上書きしません。別の名前で保存してください。");
        break;
    default:
        error = EncodeUtf8(SystemErrorText(code));
        break;
    }
    return false;
}

// What a file that is to be read or replaced must be: a regular file.
int RegularFileCode(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return S_ISREG(st.st_mode) ? 0 : kNotRegularFile;
}

int ReadAll(int fd, std::vector<std::uint8_t>& data) {
    struct stat st;
    if (fstat(fd, &st) != 0)
        return errno;
    if (int code = RegularFileCode(st))
        return code;
    if (static_cast<std::uint64_t>(st.st_size) > kMaxReadFileBytes)
        return EFBIG;
    data.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        // The file may grow while it is read.
        if (data.size() + static_cast<std::size_t>(n) > kMaxReadFileBytes)
            return EFBIG;
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

// The file a save writes: the path itself, or where its chain of symbolic links ends, which
// need not exist yet.
int FollowLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat st;
        if (lstat(target.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (hops == kMaxLinkHops)
            return ELOOP;
        std::error_code ec;
        std::filesystem::path destination = std::filesystem::read_symlink(target, ec);
        if (ec)
            return ec.value();
        target = destination.is_absolute() ? destination : target.parent_path() / destination;
    }
}

// Whether the existing target may be replaced by this user.
int ReplaceableCode(const std::filesystem::path& target, const struct stat& st) {
    if (int code = RegularFileCode(st))
        return code;
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return st.st_nlink > 1 ? kHardLinked : 0;
}

// Owner and group of the old file. Giving a file away needs privilege, but a user may keep a
// group of their own; what the system refuses stays the saving user's. True when both, or at
// least the group, were kept.
bool KeepOwner(int fd, const struct stat& old) {
    return fchown(fd, old.st_uid, old.st_gid) == 0 ||
           fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

// Copies every extended attribute (access control lists and security labels among them); one
// the system does not let this user set is left out.
void KeepExtendedAttributes(int fd, const std::filesystem::path& from) {
    ssize_t size = listxattr(from.c_str(), nullptr, 0);
    if (size <= 0)
        return;
    std::vector<char> names(static_cast<std::size_t>(size));
    size = listxattr(from.c_str(), names.data(), names.size());
    for (ssize_t at = 0; at < size; at += static_cast<ssize_t>(std::strlen(&names[at])) + 1) {
        const char* name = &names[static_cast<std::size_t>(at)];
        ssize_t length = getxattr(from.c_str(), name, nullptr, 0);
        if (length < 0)
            continue;
        std::vector<char> value(static_cast<std::size_t>(length));
        length = getxattr(from.c_str(), name, value.data(), value.size());
        if (length >= 0)
            fsetxattr(fd, name, value.data(), static_cast<std::size_t>(length), 0);
    }
}

// Gives the new file the old file's identity, fills it and flushes it to the disk.
int FillTemporary(int fd, const std::filesystem::path& target, const struct stat* old,
                  const std::vector<std::uint8_t>& bytes) {
    if (old != nullptr) {
        KeepOwner(fd, *old);
        // After the owner: a change of owner clears the set-user-id and set-group-id bits.
        if (fchmod(fd, old->st_mode & 07777) != 0)
            return errno;
        KeepExtendedAttributes(fd, target);
    }
    if (int code = WriteAll(fd, bytes))
        return code;
    return fsync(fd) == 0 ? 0 : errno;
}

// Creates a new, empty file beside the target under a name no other file has. It replaces an
// existing file, so it starts readable and writable by its owner only and is opened up to the
// old file's permissions once it has the old file's group; a new file takes the usual
// permissions of the user's new files.
int CreateTemporary(const std::filesystem::path& target, const struct stat* old,
                    std::filesystem::path& temp) {
    const mode_t mode = old != nullptr ? (old->st_mode & 0700) : 0666;
    for (unsigned attempt = 0;; ++attempt) {
        temp = target.parent_path() /
               (".tarvo-save-" + std::to_string(getpid()) + "-" + std::to_string(attempt));
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == 100)
            return fd;
    }
}

// The rename is a change of the folder: it is on the disk only once the folder is flushed.
int SyncFolder(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // A file system that cannot flush a folder says EINVAL; it has nothing more to write.
    int code = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    close(fd);
    return code;
}

} // namespace

bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
    std::filesystem::path target;
    if (int code = FollowLinks(path, target))
        return Failed(error, code);
    struct stat existing;
    const struct stat* old = nullptr;
    if (stat(target.c_str(), &existing) == 0)
        old = &existing;
    else if (errno != ENOENT)
        return Failed(error, errno);
    if (old != nullptr) {
        if (int code = ReplaceableCode(target, existing))
            return Failed(error, code);
    }
    std::filesystem::path temp;
    int fd = CreateTemporary(target, old, temp);
    if (fd < 0)
        return Failed(error, errno);
    int code = FillTemporary(fd, target, old, bytes);
    if (close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && rename(temp.c_str(), target.c_str()) != 0)
        code = errno;
    if (code != 0) {
        unlink(temp.c_str());
        return Failed(error, code);
    }
    if (int sync = SyncFolder(target))
        return Failed(error, sync);
    return true;
}
