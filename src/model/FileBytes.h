// Whole-file reading and crash-safe writing of the program's files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reads the whole file. On failure returns false with the system's reason in `error`, in
// Japanese and UTF-8 (see SystemErrorText).
bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Replaces the file with `bytes` so that it is never seen half-written: the bytes go to a new
// file in the same folder, are flushed to the disk and then renamed over the target. An
// existing target keeps its permissions; a symbolic link is followed and its target replaced.
// On failure the target is untouched, the temporary file is removed and `error` holds the
// system's reason.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error);
