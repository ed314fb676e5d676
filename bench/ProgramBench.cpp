// Speed of the programs as a user starts them, each run a new process: tarvo-cli pdf of 100
// marked cases (200 pages, goal: under 1 s), the desktop program from its start to its first
// painted window on the offscreen platform (goal: under 0.3 s), and the desktop program
// holding a document of 10,000 cases (goal: under 150 MB resident).
#include "FileContents.h"
#include "GeneratedWalls.h"
#include "ScratchFolder.h"
#include "model/CaseFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A private folder for the case files, the output and the session's runtime files.
const CScratchFolder& Scratch() {
    static const CScratchFolder folder;
    return folder;
}

// A case file of the first count generated walls, every one marked for printing.
std::string CaseFileOf(int count) {
    const fs::path path = Scratch().Path() / ("walls" + std::to_string(count) + ".tarvo");
    if (!fs::exists(path)) {
        std::vector<CRTData> walls = GeneratedWalls(count);
        for (CRTData& c : walls)
            c.m_bPrint = 1;
        WriteBytes(path, WriteCaseFile(CDocSettings{}, walls));
    }
    return path.string();
}

// The environment with the offscreen platform on a desktop screen of 1600 x 1200 pixels,
// where the main window opens at its full size of 1150 x 900, plus the given variables.
std::vector<std::string> Environment(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0)
            env.emplace_back(*e);
    env.push_back("QT_QPA_PLATFORM=offscreen:configfile=" TARVO_SCREEN_CONFIG);
    env.push_back("XDG_RUNTIME_DIR=" + Scratch().Path().string());
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts a program; with reportFd, the child's descriptor 3 is the write end of a pipe.
pid_t Start(std::vector<std::string> args, std::vector<std::string> env, int* reportFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (reportFd != nullptr) {
        if (pipe(pipeFds) != 0)
            return -1;
        // The read end goes first: it may be descriptor 3 itself.
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
        env.push_back("TARVO_FIRST_PAINT_FD=3");
    }
    pid_t pid = -1;
    const std::vector<char*> argv = Pointers(args);
    const std::vector<char*> envp = Pointers(env);
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (reportFd != nullptr) {
        close(pipeFds[1]);
        *reportFd = pipeFds[0];
    }
    return pid;
}

bool Finished(pid_t pid) {
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_CliPdfOf100MarkedCases(benchmark::State& state) {
    const std::string file = CaseFileOf(100);
    const std::string out = (Scratch().Path() / "out.pdf").string();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const pid_t pid =
            Start({TARVO_BIN_DIR "/tarvo-cli", "pdf", file, "-o", out}, Environment({}), nullptr);
        if (!Finished(pid)) {
            state.SkipWithError("tarvo-cli pdf failed");
            break;
        }
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(BM_CliPdfOf100MarkedCases)->UseManualTime()->Unit(benchmark::kMillisecond);

// The desktop program from its start to its first painted window, with the command line;
// the resident memory at that moment is the counter resident_MB.
void DesktopToFirstPaint(benchmark::State& state, const std::vector<std::string>& arguments) {
    std::vector<std::string> args = {TARVO_BIN_DIR "/tarvo_first_paint_probe"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    double residentMB = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        int reportFd = -1;
        const pid_t pid = Start(args, Environment({}), &reportFd);
        char line[32] = {};
        const ssize_t n = pid > 0 ? read(reportFd, line, sizeof line - 1) : -1;
        const double elapsed = Seconds(start);
        close(reportFd);
        if (!Finished(pid) || n <= 0) {
            state.SkipWithError("the desktop program did not paint its window");
            break;
        }
        state.SetIterationTime(elapsed);
        residentMB = std::atof(line) / 1024;
    }
    state.counters["resident_MB"] = residentMB;
}

void BM_DesktopStartToFirstPaint(benchmark::State& state) {
    DesktopToFirstPaint(state, {});
}
BENCHMARK(BM_DesktopStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DesktopHolding10000Cases(benchmark::State& state) {
    DesktopToFirstPaint(state, {CaseFileOf(10000)});
}
BENCHMARK(BM_DesktopHolding10000Cases)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
