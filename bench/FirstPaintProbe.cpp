// The desktop program with a signal to the benchmark that started it: as soon as its first
// window has been painted, it writes its resident memory in kB as one line to the descriptor
// named by TARVO_FIRST_PAINT_FD and ends. Started beside the program's data files, with the
// program's command line.
#include "app/DesktopProgram.h"
#include "app/GuardedApplication.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 20, '\n');
    }
    return -1;
}

// The first paint event of any window: the report follows once that paint pass is over.
class CFirstPaintReport : public QObject {
public:
    explicit CFirstPaintReport(int fd) : m_fd(fd) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        const std::string line = std::to_string(ResidentKilobytes()) + "\n";
        if (write(m_fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            std::perror("first paint report");
        close(m_fd);
        QApplication::quit();
    }

    int m_fd;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv) {
    const char* fd = std::getenv("TARVO_FIRST_PAINT_FD");
    if (fd == nullptr) {
        std::fputs("TARVO_FIRST_PAINT_FD is not set\n", stderr);
        return 2;
    }
    CGuardedApplication application(argc, argv);
    CFirstPaintReport report(std::atoi(fd));
    application.installEventFilter(&report);
    return RunDesktopProgram(application);
}
