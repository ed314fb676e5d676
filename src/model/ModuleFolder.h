// Folder of the running executable, where the program finds its data files ("reinf.txt" and
// the like).
#pragma once

#include <string>

// The folder of the running executable with a trailing separator, or an empty string when
// the system cannot tell (the data files are then looked up in the current directory).
std::string GetModuleFolder();
