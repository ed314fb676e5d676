// A folder of its own for the files a test or a benchmark writes: new and empty under the
// system's temporary folder, its name unique even when the same test runs in several processes
// at once, and removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

class CScratchFolder {
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of a file in the folder, as the command line and the file functions take it.
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};
