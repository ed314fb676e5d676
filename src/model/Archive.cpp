#include "model/Archive.h"

#include "model/TextCodec.h"

#include <cstring>
#include <limits>

namespace {

constexpr std::uint8_t kByteLengthEscape = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kWordEscape = 0xFFFF;
constexpr std::uint32_t kDwordEscape = 0xFFFFFFFF;
// Longest text the archive accepts, in characters.
constexpr std::uint64_t kMaxStringLength = std::numeric_limits<std::int32_t>::max();

} // namespace

void CArchiveWriter::WriteU8(std::uint8_t v) {
    m_bytes.push_back(v);
}

void CArchiveWriter::WriteLittleEndian(std::uint64_t v, std::size_t size) {
    std::uint8_t bytes[sizeof v];
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(v >> 8 * i);
    WriteBytes(bytes, size);
}

void CArchiveWriter::WriteU16(std::uint16_t v) {
    WriteLittleEndian(v, sizeof v);
}

void CArchiveWriter::WriteU32(std::uint32_t v) {
    WriteLittleEndian(v, sizeof v);
}

void CArchiveWriter::WriteDouble(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLittleEndian(bits, sizeof bits);
}

void CArchiveWriter::WriteBytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
}

void CArchiveWriter::WriteCount(std::uint32_t count) {
    if (count < kWordEscape) {
        WriteU16(static_cast<std::uint16_t>(count));
        return;
    }
    WriteU16(kWordEscape);
    WriteU32(count);
}

void CArchiveWriter::WriteString(const std::wstring& s) {
    std::vector<std::uint16_t> units = EncodeUtf16(s);
    WriteU8(kByteLengthEscape);
    WriteU16(kUnicodeMarker);
    std::size_t n = units.size();
    if (n < kByteLengthEscape) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else {
        WriteU8(kByteLengthEscape);
        if (n < kUnicodeMarker) {
            WriteU16(static_cast<std::uint16_t>(n));
        } else {
            WriteU16(kWordEscape);
            WriteU32(static_cast<std::uint32_t>(n));
        }
    }
    for (std::uint16_t unit : units)
        WriteU16(unit);
}

void CArchiveReader::Fail(ArchiveError error) {
    if (m_error == ArchiveError::None)
        m_error = error;
}

const std::uint8_t* CArchiveReader::Take(std::size_t size) {
    if (!Ok())
        return nullptr;
    if (size > Remaining()) {
        Fail(ArchiveError::Format);
        return nullptr;
    }
    const std::uint8_t* p = m_data + m_pos;
    m_pos += size;
    return p;
}

bool CArchiveReader::ReadBytes(void* data, std::size_t size) {
    const std::uint8_t* p = Take(size);
    if (p == nullptr)
        return false;
    std::memcpy(data, p, size);
    return true;
}

template <class T> bool CArchiveReader::ReadLittleEndian(T& v) {
    const std::uint8_t* bytes = Take(sizeof(T));
    if (bytes == nullptr)
        return false;
    std::uint64_t x = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        x = x << 8 | bytes[i];
    v = static_cast<T>(x);
    return true;
}

bool CArchiveReader::ReadU8(std::uint8_t& v) {
    return ReadLittleEndian(v);
}

bool CArchiveReader::ReadU16(std::uint16_t& v) {
    return ReadLittleEndian(v);
}

bool CArchiveReader::ReadU32(std::uint32_t& v) {
    return ReadLittleEndian(v);
}

bool CArchiveReader::ReadI32(std::int32_t& v) {
    return ReadLittleEndian(v);
}

bool CArchiveReader::ReadDouble(double& v) {
    std::uint64_t bits;
    if (!ReadLittleEndian(bits))
        return false;
    std::memcpy(&v, &bits, sizeof v);
    return true;
}

bool CArchiveReader::ReadCount(std::uint32_t& count) {
    std::uint16_t word;
    if (!ReadU16(word))
        return false;
    if (word != kWordEscape) {
        count = word;
        return true;
    }
    return ReadU32(count);
}

// Length prefix of a text: one byte below 0xFF; else a uint16, where 0xFFFE is the marker of
// the UTF-16 form (after which the length starts over with one byte) and 0xFFFF announces a
// uint32; a uint32 of 0xFFFFFFFF announces a uint64.
bool CArchiveReader::ReadStringLength(std::uint64_t& length, bool& utf16) {
    utf16 = false;
    std::uint16_t word;
    for (;;) {
        std::uint8_t byte;
        if (!ReadU8(byte))
            return false;
        if (byte < kByteLengthEscape) {
            length = byte;
            return true;
        }
        if (!ReadU16(word))
            return false;
        if (word != kUnicodeMarker || utf16)
            break;
        utf16 = true;
    }
    if (word < kWordEscape) {
        length = word;
        return true;
    }
    std::uint32_t dword;
    if (!ReadU32(dword))
        return false;
    if (dword < kDwordEscape) {
        length = dword;
        return true;
    }
    return ReadLittleEndian(length);
}

bool CArchiveReader::ReadString(std::wstring& s) {
    std::uint64_t length;
    bool utf16;
    if (!ReadStringLength(length, utf16))
        return false;
    if (length > kMaxStringLength) {
        Fail(ArchiveError::Generic);
        return false;
    }
    // Checked before anything is allocated: a length beyond the end of the file is a file
    // cut short, however large the length claims to be.
    const std::uint64_t size = utf16 ? length * 2 : length;
    const std::uint8_t* bytes = Take(size);
    if (bytes == nullptr)
        return false;
    if (utf16) {
        std::vector<std::uint16_t> units(length);
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        s = DecodeUtf16(units);
        return true;
    }
    std::wstring text;
    if (!DecodeSystemCodePage(std::string_view(reinterpret_cast<const char*>(bytes), size), text)) {
        Fail(ArchiveError::Generic);
        return false;
    }
    s = std::move(text);
    return true;
}
