// The desktop program from its start to the end of its event loop, on the application object
// the caller has made: settings file, command line, main window.
#pragma once

class CGuardedApplication;

// Returns the program's exit status. An exception of the start-up, which runs outside the
// event loop, is stopped here with its message like one of an event handler.
int RunDesktopProgram(CGuardedApplication& application);
