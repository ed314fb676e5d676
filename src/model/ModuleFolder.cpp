#include "model/ModuleFolder.h"

#include <filesystem>
#include <system_error>

std::string GetModuleFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path())
        return std::string();
    std::string folder = exe.parent_path().string();
    if (folder.back() != '/')
        folder += '/';
    return folder;
}
