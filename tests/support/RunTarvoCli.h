// tarvo-cli run as a child process for the end-to-end tests: the arguments reach the program
// as they are (no shell, so no quoting), standard output and standard error go to files.
#pragma once

#include <string>
#include <sys/resource.h>
#include <vector>

struct CCliChild {
    std::string stdoutPath;     // a file of the test or a device such as /dev/full
    std::string stderrPath;     // a file of the test
    rlim_t addressSpaceKiB = 0; // a limit of the child's memory; 0 for none
};

// Runs the built tarvo-cli with args; returns its exit status, or -1 when it did not exit.
int RunTarvoCli(const std::vector<std::string>& args, const CCliChild& child);
