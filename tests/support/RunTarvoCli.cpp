#include "RunTarvoCli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In the child: the stream fd goes to path; false when the file cannot be opened.
bool Redirect(int fd, const std::string& path) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    return file >= 0 && dup2(file, fd) == fd;
}

} // namespace

int RunTarvoCli(const std::vector<std::string>& args, const CCliChild& child) {
    const std::string program = TARVO_BIN_DIR "/tarvo-cli";
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (!Redirect(STDOUT_FILENO, child.stdoutPath) ||
            !Redirect(STDERR_FILENO, child.stderrPath))
            _exit(127);
        if (child.addressSpaceKiB != 0) {
            const rlimit limit{child.addressSpaceKiB * 1024, child.addressSpaceKiB * 1024};
            if (setrlimit(RLIMIT_AS, &limit) != 0)
                _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
