// Whole files as bytes or text, for tests that write their inputs and read back what the
// program wrote.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The file's content; empty when it cannot be read.
std::string ReadText(const std::filesystem::path& path);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

// Replaces the file's content with bytes (the file is made when it is missing).
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
