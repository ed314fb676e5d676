// The order of a save on the disk: the new file is flushed before it is renamed over the old
// one, the folder is flushed after the rename, and the new file is given its owner while it
// is still closed to everyone else.
#include "ScratchFolder.h"
#include "SyscallLog.h"
#include "model/FileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(SaveOrder, FileFlushedRenamedThenFolderFlushed) {
    const CScratchFolder scratch;
    const fs::path& dir = scratch.Path();
    const fs::path file = dir / "shared.tarvo";
    std::ofstream(file) << "old";
    ASSERT_EQ(chmod(file.c_str(), 0664), 0);

    SyscallLog().clear();
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, {'n', 'e', 'w'}, error)) << error;
    EXPECT_EQ(SyscallLog(), (std::vector<std::string>{"fchown mode 600", "fsync file",
                                                      "rename shared.tarvo", "fsync folder"}));

    SyscallLog().clear();
    ASSERT_TRUE(WriteFileAtomically(dir / "new.tarvo", {'n', 'e', 'w'}, error)) << error;
    EXPECT_EQ(SyscallLog(),
              (std::vector<std::string>{"fsync file", "rename new.tarvo", "fsync folder"}));
}

} // namespace
