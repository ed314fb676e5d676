// TARVO, the desktop program: design of reinforced-concrete cantilever retaining walls.
#include "DesktopProgram.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return RunDesktopProgram();
}
