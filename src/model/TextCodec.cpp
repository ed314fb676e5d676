#include "model/TextCodec.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Runs iconv over the whole input. An input sequence it cannot convert, or an incomplete one
// at the end, is skipped by `step` bytes and `replacement` (already in the target encoding)
// is written in its place. False when the converter does not exist.
bool Convert(const char* to, const char* from, const char* input, std::size_t size,
             std::size_t step, std::string_view replacement, std::string& output) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    output.clear();
    char buffer[4096];
    char* in = const_cast<char*>(input);
    std::size_t inLeft = size;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        int error = errno;
        output.append(buffer, out);
        if (rc != static_cast<std::size_t>(-1) || error == E2BIG)
            continue;
        // EILSEQ or EINVAL: replace one unit and go on after it.
        std::size_t skip = step < inLeft ? step : inLeft;
        in += skip;
        inLeft -= skip;
        output.append(replacement);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return true;
}

// Bytes in the encoding `from` to wide characters; a sequence that is not valid becomes
// U+FFFD. False when the system has no converter from that encoding.
bool DecodeToWide(const char* from, std::string_view bytes, std::wstring& text) {
    const wchar_t replacement = kReplacement;
    std::string wide;
    if (!Convert("WCHAR_T", from, bytes.data(), bytes.size(), 1,
                 std::string_view(reinterpret_cast<const char*>(&replacement), sizeof replacement),
                 wide))
        return false;
    text.resize(wide.size() / sizeof(wchar_t));
    std::memcpy(text.data(), wide.data(), text.size() * sizeof(wchar_t));
    return true;
}

} // namespace

bool DecodeSystemCodePage(std::string_view bytes, std::wstring& text) {
    return DecodeToWide("CP932", bytes, text);
}

std::wstring DecodeUtf8(std::string_view bytes) {
    // Like its reverse, the conversion from UTF-8 is built into the C library.
    std::wstring text;
    DecodeToWide("UTF-8", bytes, text);
    return text;
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string utf8;
    // The conversion from the program's own wide characters to UTF-8 is built into the C
    // library and always exists.
    Convert("UTF-8", "WCHAR_T", reinterpret_cast<const char*>(text.data()),
            text.size() * sizeof(wchar_t), sizeof(wchar_t), "\xEF\xBF\xBD", utf8);
    return utf8;
}

std::wstring DecodeUtf16(const std::vector<std::uint16_t>& units) {
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        text.push_back(static_cast<wchar_t>(u));
    }
    return text;
}

std::vector<std::uint16_t> EncodeUtf16(std::wstring_view text) {
    std::vector<std::uint16_t> units;
    units.reserve(text.size());
    for (wchar_t ch : text) {
        auto u = static_cast<std::uint32_t>(ch);
        if (u > 0x10FFFF) {
            units.push_back(kReplacement);
        } else if (u >= 0x10000) {
            u -= 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (u >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (u & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(u));
        }
    }
    return units;
}
