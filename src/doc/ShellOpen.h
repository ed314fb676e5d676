// Hands a file to the desktop to be opened with the program registered for it. The outcome is
// not reported back: a missing file or a missing program shows nothing.
#pragma once

#include <filesystem>

class IShellOpen {
public:
    virtual ~IShellOpen() = default;

    virtual void OpenFile(const std::filesystem::path& path) = 0;
};
