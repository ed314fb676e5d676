// Conversions of text between the wide characters of the program and byte encodings: the
// Japanese system code page (CP932, Shift-JIS with its vendor extensions) of older case
// files, UTF-16 code units of the case file, and UTF-8 for standard output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// CP932 bytes to wide characters; a byte sequence that is not CP932 becomes U+FFFD.
// False when the system has no CP932 converter.
bool DecodeSystemCodePage(std::string_view bytes, std::wstring& text);

// Wide characters to UTF-8; a value that is not a Unicode scalar value becomes U+FFFD.
std::string EncodeUtf8(std::wstring_view text);
// UTF-8 to wide characters; a byte sequence that is not UTF-8 becomes U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);

// UTF-16 code units to wide characters and back. Surrogate pairs become one character; a
// lone surrogate is kept as it stands, so that every unit sequence comes back unchanged.
std::wstring DecodeUtf16(const std::vector<std::uint16_t>& units);
std::vector<std::uint16_t> EncodeUtf16(std::wstring_view text);
