// The file-system calls a save makes, recorded in order by stand-ins for the system's fsync,
// rename and fchown (linked into the test program, they take the place of the C library's
// and pass every call on to it).
#pragma once

#include <string>
#include <vector>

// "fsync file", "fsync folder", "rename NAME" (the new name's last part) and
// "fchown mode MMM" (the permissions the file has when it is given its owner, octal).
std::vector<std::string>& SyscallLog();
