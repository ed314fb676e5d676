#include "ScratchFolder.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

CScratchFolder::CScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tarvo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "scratch folder " + pattern);
    m_path = pattern;
}

CScratchFolder::~CScratchFolder() {
    // What a test left behind that cannot be removed stays, rather than an exception escaping
    // the destructor.
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}
