// Hands a file to the desktop, which opens it with the program registered for its type.
#pragma once

#include "doc/ShellOpen.h"

class CDesktopShell : public IShellOpen {
public:
    void OpenFile(const std::filesystem::path& path) override;
};
