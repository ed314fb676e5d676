// TARVO, the desktop program: design of reinforced-concrete cantilever retaining walls.
#include "app/DesktopProgram.h"
#include "app/GuardedApplication.h"

int main(int argc, char** argv) {
    CGuardedApplication application(argc, argv);
    return RunDesktopProgram(application);
}
