// The desktop shell that would open a file in its program (the manual), recording the files
// instead.
#pragma once

#include "doc/ShellOpen.h"

#include <filesystem>
#include <vector>

class CRecordingShell : public IShellOpen {
public:
    void OpenFile(const std::filesystem::path& path) override { opened.push_back(path); }
    std::vector<std::filesystem::path> opened;
};
