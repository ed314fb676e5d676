// Whole-file reading and crash-safe writing of the program's files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// No file the program reads (case file, bar table) comes near this size; a larger one is
// refused before it is read.
constexpr std::uint64_t kMaxReadFileBytes = 256u * 1024 * 1024;

// Reads the whole of a regular file of at most kMaxReadFileBytes. A folder, a device, a FIFO
// or a socket is refused without reading from it (and without waiting for a writer). On
// failure returns false with the reason in `error`, in Japanese and UTF-8 (see
// SystemErrorText).
bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Replaces the file with `bytes` so that it is never seen half-written: the bytes go to a new
// file in the same folder, are flushed to the disk and then renamed over the target, and the
// folder is flushed after the rename.
//
// The file keeps its identity: a symbolic link, dangling or not, is followed and its target
// written; the new file for an existing target starts readable by its owner only and then takes
// the old file's owner, group, permissions and extended attributes where the system permits, so
// that it is never readable by anyone the old file did not admit. A target the user may not write
// is refused with the system's "access denied", a target that is not a regular file is refused, and
// so is a target with more than one hard link: renaming over it would cut it off from its other
// names, and writing it in place would leave a half-written file behind a crash or a full disk.
//
// On failure the target is untouched, the temporary file is removed and `error` holds the
// reason.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);
