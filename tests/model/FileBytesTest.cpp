// Reading only regular files of a sane size, and saves that keep the identity of the file they
// replace: its links, permissions, owner and extended attributes, and a file the user may not
// write left alone.
#include "model/FileBytes.h"
#include "AllocationProbe.h"
#include "FileContents.h"
#include "ScratchFolder.h"
#include "model/SystemErrorText.h"
#include "model/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Bytes kOld = {'o', 'l', 'd'};
const Bytes kNew = {'n', 'e', 'w', ' ', 'c', 'a', 's', 'e', 's'};

std::string Reason(int code) {
    return EncodeUtf8(SystemErrorText(code));
}

const std::string kNotRegular = EncodeUtf8(L"通常のファイルではありません。");

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

class FileBytes : public ::testing::Test {
protected:
    // Every name in the folder: a save leaves no temporary file behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    CScratchFolder m_scratch;
    const fs::path m_dir = m_scratch.Path();
};

// ---------------------------------------------------------------- reading

// What is not a regular file is refused at once, without waiting for a FIFO's writer or
// reading a device that never ends, and the bytes given keep what they held.
TEST_F(FileBytes, ReadsOnlyRegularFiles) {
    ASSERT_EQ(mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(m_dir / "folder");
    const struct {
        fs::path path;
        std::string reason;
    } refused[] = {
        {m_dir / "fifo", kNotRegular},
        {"/dev/zero", kNotRegular},
        {m_dir / "folder", Reason(EISDIR)},
        {m_dir / "missing", Reason(ENOENT)},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.path);
        Bytes bytes = kOld;
        std::string error;
        EXPECT_FALSE(ReadFileBytes(r.path, bytes, error));
        EXPECT_EQ(error, r.reason);
        EXPECT_EQ(bytes, kOld);
    }
    WriteBytes(m_dir / "file", kNew);
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(ReadFileBytes(m_dir / "file", bytes, error)) << error;
    EXPECT_EQ(bytes, kNew);
}

// A file beyond the limit is refused from its size, before anything is reserved for it; one
// of exactly the limit is not refused for its size.
TEST_F(FileBytes, RefusesAFileLargerThanTheLimit) {
    const fs::path big = m_dir / "big.tarvo";
    WriteBytes(big, {});
    fs::resize_file(big, kMaxReadFileBytes + 1); // sparse: no disk space is used
    Bytes bytes;
    std::string error;
    CAllocationProbe probe;
    EXPECT_FALSE(ReadFileBytes(big, bytes, error));
    EXPECT_LT(probe.Largest(), 1024u * 1024);
    EXPECT_EQ(error, Reason(EFBIG));
    EXPECT_TRUE(bytes.empty());
}

// ---------------------------------------------------------------- saving

TEST_F(FileBytes, SavingFollowsLinksAndCreatesTheMissingTarget) {
    fs::create_directory(m_dir / "sub");
    // A relative link is read from the link's folder, whatever the working folder.
    fs::create_symlink("sub/target.tarvo", m_dir / "dangling.tarvo");
    fs::create_symlink("dangling.tarvo", m_dir / "chain.tarvo");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(m_dir / "chain.tarvo", kNew, error)) << error;
    EXPECT_TRUE(fs::is_symlink(m_dir / "chain.tarvo"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.tarvo"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(m_dir / "sub" / "target.tarvo")));
    EXPECT_EQ(ReadBytes(m_dir / "sub" / "target.tarvo"), kNew);

    fs::create_symlink("loop.tarvo", m_dir / "loop.tarvo");
    EXPECT_FALSE(WriteFileAtomically(m_dir / "loop.tarvo", kNew, error));
    EXPECT_EQ(error, Reason(ELOOP));
    EXPECT_TRUE(fs::is_symlink(m_dir / "loop.tarvo"));
}

// The permissions of the old file come back exactly, whatever the user's umask would give a
// new file; a new file gets the usual permissions of the user's new files.
TEST_F(FileBytes, SavingKeepsThePermissionsPastTheUmask) {
    for (mode_t mode : {0664, 0600, 0640, 0755}) {
        SCOPED_TRACE(mode);
        const fs::path file = m_dir / "kept.tarvo";
        WriteBytes(file, kOld);
        ASSERT_EQ(chmod(file.c_str(), mode), 0);
        const mode_t previous = umask(077);
        std::string error;
        const bool saved = WriteFileAtomically(file, kNew, error);
        umask(previous);
        ASSERT_TRUE(saved) << error;
        EXPECT_EQ(ModeOf(file), mode);
        EXPECT_EQ(ReadBytes(file), kNew);
    }
    const mode_t previous = umask(027);
    std::string error;
    const bool saved = WriteFileAtomically(m_dir / "new.tarvo", kNew, error);
    umask(previous);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(ModeOf(m_dir / "new.tarvo"), 0640u);
}

TEST_F(FileBytes, SavingKeepsExtendedAttributes) {
    const fs::path file = m_dir / "labelled.tarvo";
    WriteBytes(file, kOld);
    const std::string value = "checked by T. Sato";
    if (setxattr(file.c_str(), "user.tarvo.review", value.data(), value.size(), 0) != 0)
        GTEST_SKIP() << "this file system keeps no user attributes";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, kNew, error)) << error;
    char kept[64] = {};
    ssize_t length = getxattr(file.c_str(), "user.tarvo.review", kept, sizeof kept);
    EXPECT_EQ(std::string(kept, length > 0 ? static_cast<std::size_t>(length) : 0), value);
}

// Only a user who may give files away keeps another user's ownership; the tests run as that
// user when they run as root.
TEST_F(FileBytes, SavingKeepsOwnerAndGroup) {
    if (geteuid() != 0)
        GTEST_SKIP() << "keeping another user's ownership needs root";
    const fs::path file = m_dir / "theirs.tarvo";
    WriteBytes(file, kOld);
    ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(file.c_str(), 04750), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, kNew, error)) << error;
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 04750u);
}

// Targets a save must not replace: each is refused with its reason, stays as it was, and no
// temporary file is left.
TEST_F(FileBytes, SavingRefusesWhatItMustNotReplace) {
    WriteBytes(m_dir / "linked.tarvo", kOld);
    fs::create_hard_link(m_dir / "linked.tarvo", m_dir / "other-name.tarvo");
    ASSERT_EQ(mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(m_dir / "folder");
    const std::string hardLinked =
        EncodeUtf8(L"ほかの名前（ハード リンク）からも使われているファイルなので、"
                   L"上書きしません。別の名前で保存してください。");
    const struct {
        const char* name;
        std::string reason;
    } refused[] = {
        {"linked.tarvo", hardLinked},
        {"fifo", kNotRegular},
        {"folder", Reason(EISDIR)},
    };
    const std::vector<std::string> before = Names();
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(m_dir / r.name, kNew, error));
        EXPECT_EQ(error, r.reason);
        EXPECT_EQ(Names(), before);
    }
    EXPECT_EQ(ReadBytes(m_dir / "other-name.tarvo"), kOld);
    EXPECT_EQ(fs::hard_link_count(m_dir / "linked.tarvo"), 2u);
    EXPECT_EQ(fs::status(m_dir / "fifo").type(), fs::file_type::fifo);
}

// Runs the save in a child process as an ordinary user (nobody, when the tests run as root,
// who may write any file) and gives back its reason, or "saved".
std::string SaveAsOrdinaryUser(const fs::path& path) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(1);
        std::string error;
        std::string said = WriteFileAtomically(path, kNew, error) ? "saved" : error;
        _exit(write(pipeFds[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0
                                                                                               : 1);
    }
    close(pipeFds[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return said;
}

// A file the user may not write is not replaced, although the folder would let a rename do it.
TEST_F(FileBytes, SavingRefusesAFileTheUserMayNotWrite) {
    ASSERT_EQ(chmod(m_dir.c_str(), 0777), 0);
    const fs::path file = m_dir / "read-only.tarvo";
    WriteBytes(file, kOld);
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    }
    EXPECT_EQ(SaveAsOrdinaryUser(file), Reason(EACCES));
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(ModeOf(file), 0444u);
    EXPECT_EQ(Names(), std::vector<std::string>{"read-only.tarvo"});

    ASSERT_EQ(chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(SaveAsOrdinaryUser(file), "saved");
    EXPECT_EQ(ReadBytes(file), kNew);
}

} // namespace
