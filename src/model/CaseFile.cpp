#include "model/CaseFile.h"

#include "model/Archive.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kFormatWord = 1;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kKnownClassTag = 0x8001; // class index 1: the one class described
constexpr std::uint16_t kSchema = 1;
constexpr char kClassName[] = "CRTData";
constexpr std::size_t kClassNameLength = sizeof kClassName - 1;
constexpr std::uint16_t kMaxClassNameLength = 64; // a name of this length or more is invalid
// No case body is shorter than its 41 doubles.
constexpr std::size_t kLeastCaseBytes = 41 * sizeof(double);

// The seismic values follow the last case in a block of their own, written only when some
// case holds a value other than its default: the marker, the number of cases (uint32) and,
// per case in list order, the doubles below. A file without the block reads as defaults.
constexpr char kSeismicMarker[] = "TARVOSX1";
constexpr std::size_t kSeismicMarkerLength = sizeof kSeismicMarker - 1;
constexpr double CRTData::*kSeismicValues[] = {
    &CRTData::m_kh1, &CRTData::m_kh2, &CRTData::m_FoL, &CRTData::m_FsL, &CRTData::m_ru,
};

void WriteSettings(CArchiveWriter& ar, const CDocSettings& s) {
    ar.WriteI32(kFormatWord);
    ar.WriteI32(s.nFontSize);
    ar.WriteI32(s.nCurrent);
    for (int margin : s.rcMargin)
        ar.WriteI32(margin);
    ar.WriteI32(s.bDrawFrame);
    ar.WriteI32(s.bPageNumber);
}

void ReadSettings(CArchiveReader& ar, CDocSettings& s) {
    std::int32_t formatWord;
    ar.ReadI32(formatWord); // any value is accepted
    ar.ReadI32(s.nFontSize);
    ar.ReadI32(s.nCurrent);
    for (int& margin : s.rcMargin)
        ar.ReadI32(margin);
    ar.ReadI32(s.bDrawFrame);
    ar.ReadI32(s.bPageNumber);
}

// Class description after a new-class tag: schema number (any value is accepted), name
// length and name, which must be "CRTData".
void ReadClassDescription(CArchiveReader& ar) {
    std::uint16_t schema;
    std::uint16_t length;
    if (!ar.ReadU16(schema) || !ar.ReadU16(length))
        return;
    if (length >= kMaxClassNameLength) {
        ar.Fail(ArchiveError::Format);
        return;
    }
    char name[kMaxClassNameLength];
    if (!ar.ReadBytes(name, length))
        return;
    if (length != kClassNameLength || std::memcmp(name, kClassName, length) != 0)
        ar.Fail(ArchiveError::Format);
}

// Tag before a case: the class description before the first case, and again whenever a file
// repeats it; afterwards 0x8001. A null tag, a reference to an object already read, another
// class index and the long tag forms are all invalid.
void ReadCaseTag(CArchiveReader& ar, bool& classKnown) {
    std::uint16_t tag;
    if (!ar.ReadU16(tag))
        return;
    if (tag == kNewClassTag) {
        ReadClassDescription(ar);
        classKnown = true;
    } else if (tag != kKnownClassTag || !classKnown) {
        ar.Fail(ArchiveError::Format);
    }
}

// Compared bit for bit, so that -0 and a NaN are kept as they were entered.
bool HasSeismicValues(const std::vector<CRTData>& cases) {
    const CRTData defaults;
    for (const CRTData& c : cases) {
        for (double CRTData::*field : kSeismicValues) {
            if (std::memcmp(&(c.*field), &(defaults.*field), sizeof(double)) != 0)
                return true;
        }
    }
    return false;
}

void WriteSeismicBlock(CArchiveWriter& ar, const std::vector<CRTData>& cases) {
    ar.WriteBytes(kSeismicMarker, kSeismicMarkerLength);
    ar.WriteU32(static_cast<std::uint32_t>(cases.size()));
    for (const CRTData& c : cases) {
        for (double CRTData::*field : kSeismicValues)
            ar.WriteDouble(c.*field);
    }
}

// Bytes after the last case that do not begin with the marker are another writer's and are
// ignored; after the marker a count other than the number of cases, or too few bytes, is a
// damaged file.
void ReadSeismicBlock(CArchiveReader& ar, std::vector<CRTData>& cases) {
    char marker[kSeismicMarkerLength];
    if (ar.Remaining() < kSeismicMarkerLength || !ar.ReadBytes(marker, kSeismicMarkerLength) ||
        std::memcmp(marker, kSeismicMarker, kSeismicMarkerLength) != 0)
        return;
    std::uint32_t count = 0;
    if (!ar.ReadU32(count))
        return;
    if (count != cases.size()) {
        ar.Fail(ArchiveError::Format);
        return;
    }
    for (CRTData& c : cases) {
        for (double CRTData::*field : kSeismicValues)
            ar.ReadDouble(c.*field);
    }
}

int ClampCurrent(int current, std::size_t count) {
    if (count == 0)
        return -1;
    if (current < 0)
        return 0;
    if (static_cast<std::size_t>(current) >= count)
        return static_cast<int>(count - 1);
    return current;
}

} // namespace

const wchar_t* CaseFileStatusMessage(CaseFileStatus status) {
    switch (status) {
    case CaseFileStatus::UnexpectedFormat:
        return L"予期しないファイル形式です。";
    case CaseFileStatus::ReadFailure:
        return L"ドキュメントを開くことに失敗しました。";
    case CaseFileStatus::Ok:
        break;
    }
    return L"";
}

std::vector<std::uint8_t> WriteCaseFile(const CDocSettings& settings,
                                        const std::vector<CRTData>& cases) {
    CArchiveWriter ar;
    WriteSettings(ar, settings);
    ar.WriteCount(static_cast<std::uint32_t>(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (i == 0) {
            ar.WriteU16(kNewClassTag);
            ar.WriteU16(kSchema);
            ar.WriteU16(static_cast<std::uint16_t>(kClassNameLength));
            ar.WriteBytes(kClassName, kClassNameLength);
        } else {
            ar.WriteU16(kKnownClassTag);
        }
        cases[i].Serialize(ar);
    }
    if (HasSeismicValues(cases))
        WriteSeismicBlock(ar, cases);
    return ar.TakeBytes();
}

CaseFileStatus ReadCaseFile(const std::vector<std::uint8_t>& bytes, CDocSettings& settings,
                            std::vector<CRTData>& cases) {
    cases.clear();
    if (bytes.empty()) {
        settings.nCurrent = -1;
        return CaseFileStatus::Ok;
    }
    CArchiveReader ar(bytes.data(), bytes.size());
    CDocSettings stored = settings;
    ReadSettings(ar, stored);
    std::uint32_t count = 0;
    ar.ReadCount(count);
    // The stored count is trusted only as far as the rest of the file can hold that many
    // cases; a larger count ends at the first case that runs past the end.
    std::vector<CRTData> loaded;
    loaded.reserve(std::min<std::size_t>(count, ar.Remaining() / kLeastCaseBytes));
    bool classKnown = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        ReadCaseTag(ar, classKnown);
        CRTData record; // the defaults, overwritten field by field
        record.Serialize(ar);
        if (!ar.Ok())
            break;
        loaded.push_back(std::move(record));
    }
    if (ar.Ok())
        ReadSeismicBlock(ar, loaded);
    switch (ar.Error()) {
    case ArchiveError::None:
        break;
    case ArchiveError::Format:
        return CaseFileStatus::UnexpectedFormat;
    case ArchiveError::Generic:
        return CaseFileStatus::ReadFailure;
    }
    stored.nCurrent = ClampCurrent(stored.nCurrent, loaded.size());
    settings = stored;
    cases = std::move(loaded);
    return CaseFileStatus::Ok;
}
