// Little-endian byte archive of the case file: the fixed-size integers, doubles, counts and
// texts the file is built from. The writer appends to a byte buffer; the reader works on a
// byte range with bounds checks and a sticky error, so that a damaged or hostile file never
// makes it read past the end or allocate more than the file itself could hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

static_assert(sizeof(int) == 4, "the case file stores int fields as 32-bit values");

class CArchiveWriter {
public:
    void WriteU8(std::uint8_t v);
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    void WriteDouble(double v);
    void WriteBytes(const void* data, std::size_t size);
    // Element count of an object list: uint16, or 0xFFFF and a uint32 from 0xFFFF on.
    void WriteCount(std::uint32_t count);
    // Text in the UTF-16 form: marker FF FE FF, the length in code units (one byte below
    // 255, else 0xFF and a uint16 below 0xFFFE, else 0xFF, 0xFFFF and a uint32), the units.
    void WriteString(const std::wstring& s);

    // The same call shape as the reader's, for record layouts written once for both ways.
    void Transfer(const std::wstring& s) { WriteString(s); }
    void Transfer(std::int32_t v) { WriteI32(v); }
    void Transfer(double v) { WriteDouble(v); }

    std::vector<std::uint8_t> TakeBytes() { return std::move(m_bytes); }

private:
    // The low size bytes of v, least significant first, in one piece.
    void WriteLittleEndian(std::uint64_t v, std::size_t size);

    std::vector<std::uint8_t> m_bytes;
};

enum class ArchiveError {
    None,
    Format,  // the bytes are not what the layout expects: cut short or a wrong tag or name
    Generic, // a value the archive cannot hold, such as a text of 2^31 characters or more
};

class CArchiveReader {
public:
    CArchiveReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    // Each read returns false and leaves its target unchanged once the archive has failed;
    // the first failure is kept.
    bool ReadU8(std::uint8_t& v);
    bool ReadU16(std::uint16_t& v);
    bool ReadU32(std::uint32_t& v);
    bool ReadI32(std::int32_t& v);
    bool ReadDouble(double& v);
    bool ReadBytes(void* data, std::size_t size);
    bool ReadCount(std::uint32_t& count);
    // Text in the UTF-16 form or in the 8-bit form of the system code page (CP932), which
    // has no marker and counts bytes.
    bool ReadString(std::wstring& s);

    void Transfer(std::wstring& s) { ReadString(s); }
    void Transfer(std::int32_t& v) { ReadI32(v); }
    void Transfer(double& v) { ReadDouble(v); }

    void Fail(ArchiveError error);
    ArchiveError Error() const { return m_error; }
    bool Ok() const { return m_error == ArchiveError::None; }
    std::size_t Remaining() const { return m_size - m_pos; }

private:
    // The next size bytes, or null (and the archive failed) when fewer are left.
    const std::uint8_t* Take(std::size_t size);
    template <class T> bool ReadLittleEndian(T& v);
    bool ReadStringLength(std::uint64_t& length, bool& utf16);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    ArchiveError m_error = ArchiveError::None;
};
