// The desktop program from its start to the end of its event loop, on the application object
// the caller has made: settings file, command line, main window.
#pragma once

// Returns the program's exit status.
int RunDesktopProgram();
