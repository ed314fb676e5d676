// The case file: byte layout, both text forms, class tags, and what a damaged file does.
#include "model/CaseFile.h"
#include "AllocationProbe.h"

#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSettingsSize = 38; // 36 bytes of settings and a two-byte count
constexpr std::size_t kClassTagSize = 13; // FF FF, schema, name length, "CRTData"
constexpr std::size_t kFirstTitle = kSettingsSize + kClassTagSize;

void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
    PutU16(b, at, static_cast<std::uint16_t>(v));
    PutU16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Slice(const Bytes& b, std::size_t from, std::size_t to) {
    return Bytes(b.begin() + from, b.begin() + to);
}

// Two cases; secondTag is the offset of the second case's tag.
Bytes TwoCaseFile(std::size_t& secondTag) {
    std::vector<CRTData> cases(2);
    cases[0].m_strTitle = L"A";
    cases[1].m_strTitle = L"BB";
    CDocSettings settings;
    settings.nCurrent = 1;
    secondTag = WriteCaseFile(settings, {cases[0]}).size();
    return WriteCaseFile(settings, cases);
}

// One case with an empty title: the title field is the four bytes FF FE FF 00 at kFirstTitle;
// WithTitleField puts other bytes in its place.
Bytes WithTitleField(const Bytes& field) {
    CRTData untitled;
    untitled.m_strTitle.clear();
    Bytes file = WriteCaseFile(CDocSettings{}, {untitled});
    return Concat({Slice(file, 0, kFirstTitle), field, Slice(file, kFirstTitle + 4, file.size())});
}

CaseFileStatus Read(const Bytes& file, std::vector<CRTData>& cases) {
    CDocSettings settings;
    return ReadCaseFile(file, settings, cases);
}

TEST(CaseFile, WorkedExampleOfOneCaseFromTheUntouchedPanel) {
    CRTData fromPanel;
    fromPanel.m_strTitle = L"新規擁壁設計";
    CDocSettings settings;
    settings.nCurrent = 0;
    Bytes file = WriteCaseFile(settings, {fromPanel});

    const Bytes leading = {
        0x01, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDC, 0x05, 0x00,
        0x00, 0xDC, 0x05, 0x00, 0x00, 0xDC, 0x05, 0x00, 0x00, 0xDC, 0x05, 0x00, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00, 0x43,
        0x52, 0x54, 0x44, 0x61, 0x74, 0x61, 0xFF, 0xFE, 0xFF, 0x06, 0xB0, 0x65, 0x8F, 0x89, 0xC1,
        0x64, 0xC1, 0x58, 0x2D, 0x8A, 0x08, 0x8A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x35, 0x40};
    ASSERT_EQ(file.size(), 531u);
    EXPECT_EQ(Slice(file, 0, leading.size()), leading);

    CDocSettings loadedSettings;
    std::vector<CRTData> cases;
    ASSERT_EQ(ReadCaseFile(file, loadedSettings, cases), CaseFileStatus::Ok);
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_EQ(cases[0].m_strTitle, fromPanel.m_strTitle);
    EXPECT_EQ(loadedSettings.nCurrent, 0);
    EXPECT_EQ(WriteCaseFile(loadedSettings, cases), file);
}

TEST(CaseFile, DocumentWithoutCasesIs38BytesAndLoadsEmpty) {
    CDocSettings settings;
    settings.nFontSize = 9;
    settings.rcMargin[3] = 2000;
    settings.bDrawFrame = 0;
    Bytes file = WriteCaseFile(settings, {});
    ASSERT_EQ(file.size(), 38u);
    EXPECT_EQ(file[36], 0);
    EXPECT_EQ(file[37], 0);

    CDocSettings loaded;
    std::vector<CRTData> cases(1);
    ASSERT_EQ(ReadCaseFile(file, loaded, cases), CaseFileStatus::Ok);
    EXPECT_TRUE(cases.empty());
    EXPECT_EQ(loaded.nFontSize, 9);
    EXPECT_EQ(loaded.rcMargin[3], 2000);
    EXPECT_EQ(loaded.bDrawFrame, 0);
    EXPECT_EQ(loaded.nCurrent, -1);
}

// Length prefixes of the UTF-16 form at the boundaries of the three forms; the length counts
// UTF-16 code units, so a character beyond the basic plane counts two.
TEST(CaseFile, TitleLengthFormsRoundTrip) {
    struct LengthForm {
        std::size_t units;
        Bytes header;
    };
    const LengthForm forms[] = {
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70001, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x71, 0x11, 0x01, 0x00}},
    };
    for (const LengthForm& form : forms) {
        SCOPED_TRACE(form.units);
        CRTData c;
        c.m_strTitle = L"\U00020BB7" + std::wstring(form.units - 2, L'擁');
        Bytes file = WriteCaseFile(CDocSettings{}, {c});
        EXPECT_EQ(Slice(file, kFirstTitle, kFirstTitle + form.header.size()), form.header);
        EXPECT_EQ(file.size(), 531 - 16 + form.header.size() + 2 * form.units);

        std::vector<CRTData> cases;
        ASSERT_EQ(Read(file, cases), CaseFileStatus::Ok);
        ASSERT_EQ(cases.size(), 1u);
        EXPECT_EQ(cases[0].m_strTitle, c.m_strTitle);
    }
}

// Every stored field, the reserved ones and slot 3 included, comes back with the value it had,
// and writing the loaded list again gives the same bytes. Lone surrogates in a title are kept.
TEST(CaseFile, ReservedFieldsAndSpareSlotSurviveARoundTrip) {
    const std::pair<double CRTData::*, double> doubles[] = {
        {&CRTData::m_dReserve1, 1.5},   {&CRTData::m_dReserve2, -2.5},
        {&CRTData::m_dReserve3, 3.25},  {&CRTData::m_dReserve4, 1e300},
        {&CRTData::m_dReserve5, -0.0},  {&CRTData::m_dReserve6, 6.5},
        {&CRTData::m_dReserve7, 7.5},   {&CRTData::m_dReserve8, 8.5},
        {&CRTData::m_dReserve9, 9.5},   {&CRTData::m_dReserve10, 10.5},
        {&CRTData::m_dReserve11, 11.5}, {&CRTData::m_qDeduct, 4.0},
    };
    const std::pair<int CRTData::*, int> ints[] = {
        {&CRTData::m_nReserve1, -1},         {&CRTData::m_nReserve2, 2},
        {&CRTData::m_nReserve3, 3},          {&CRTData::m_nReserve4, 4},
        {&CRTData::m_nReserve5, 0x7FFFFFFF},
    };
    std::vector<CRTData> cases(3);
    CRTData& c = cases[1];
    c.m_strTitle = std::wstring(L"擁壁") + wchar_t(0xD800) + L"x" + wchar_t(0xDFFF);
    for (auto [field, value] : doubles)
        c.*field = value;
    for (auto [field, value] : ints)
        c.*field = value;
    c.m_strBar[SLOT_SPARE] = L"D25";
    c.m_nPitch[SLOT_SPARE] = 125;
    c.m_dBarSpare[SLOT_SPARE] = 345.0;
    c.m_strSheet = L"not stored";
    CDocSettings settings;
    settings.nCurrent = 2;
    settings.rcMargin[0] = 1;
    settings.rcMargin[2] = 3;
    Bytes file = WriteCaseFile(settings, cases);

    CDocSettings loadedSettings;
    std::vector<CRTData> loaded;
    ASSERT_EQ(ReadCaseFile(file, loadedSettings, loaded), CaseFileStatus::Ok);
    ASSERT_EQ(loaded.size(), 3u);
    const CRTData& r = loaded[1];
    EXPECT_EQ(r.m_strTitle, c.m_strTitle);
    for (auto [field, value] : doubles)
        EXPECT_EQ(r.*field, value);
    EXPECT_TRUE(std::signbit(r.m_dReserve5));
    for (auto [field, value] : ints)
        EXPECT_EQ(r.*field, value);
    EXPECT_EQ(r.m_strBar[SLOT_SPARE], L"D25");
    EXPECT_EQ(r.m_nPitch[SLOT_SPARE], 125);
    EXPECT_EQ(r.m_dBarSpare[SLOT_SPARE], 345.0);
    EXPECT_TRUE(r.m_strSheet.empty());
    EXPECT_EQ(loadedSettings.nCurrent, 2);
    EXPECT_EQ(loadedSettings.rcMargin[2], 3);
    EXPECT_EQ(WriteCaseFile(loadedSettings, loaded), file);
}

TEST(CaseFile, OnlyTheFirstCaseCarriesTheClassDescription) {
    std::vector<CRTData> cases(3);
    Bytes file = WriteCaseFile(CDocSettings{}, cases);
    const std::size_t body = (file.size() - kSettingsSize - kClassTagSize - 2 * 2) / 3;
    EXPECT_EQ(Slice(file, 36, 38), (Bytes{0x03, 0x00}));
    EXPECT_EQ(Slice(file, 38, 40), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(Slice(file, kFirstTitle + body, kFirstTitle + body + 2), (Bytes{0x01, 0x80}));
    EXPECT_EQ(Slice(file, kFirstTitle + 2 * body + 2, kFirstTitle + 2 * body + 4),
              (Bytes{0x01, 0x80}));
}

// From 65535 cases on the count takes its long form: 0xFFFF and a uint32.
TEST(CaseFile, CountOf65535CasesTakesTheLongForm) {
    std::vector<CRTData> cases(0xFFFF);
    Bytes file = WriteCaseFile(CDocSettings{}, cases);
    EXPECT_EQ(Slice(file, 36, 44), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}));
    std::vector<CRTData> loaded;
    ASSERT_EQ(Read(file, loaded), CaseFileStatus::Ok);
    EXPECT_EQ(loaded.size(), cases.size());
}

// The 8-bit text form has no marker and counts bytes of the system code page, CP932: its
// NEC and vendor characters and its mapping of the wave dash to the full-width tilde.
TEST(CaseFile, ReadsTheEightBitTextFormOfTheSystemCodePage) {
    struct EightBit {
        const char* name;
        Bytes field;
        std::wstring title;
    };
    const Bytes sjis = {0x87, 0x40, 0x97, 0x69, 0x95, 0xC7, 0x81, 0x60, 0xB1, 0x41};
    const std::wstring decoded = L"\u2460\u64C1\u58C1\uFF5E\uFF71A";
    const EightBit forms[] = {
        {"ByteLength", Concat({{0x0A}, sjis}), decoded},
        {"WordLength", Concat({{0xFF, 0x0A, 0x00}, sjis}), decoded},
        {"DwordLength", Concat({{0xFF, 0xFF, 0xFF, 0x0A, 0x00, 0x00, 0x00}, sjis}), decoded},
        {"QwordLength",
         Concat({{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0A, 0, 0, 0, 0, 0, 0, 0}, sjis}),
         decoded},
        {"Empty", {0x00}, L""},
        // Bytes that are not CP932 become replacement characters; decoding goes on after them.
        {"Undecodable", {0x04, 0x81, 0x20, 0x41, 0x82}, L"\uFFFD A\uFFFD"},
    };
    for (const EightBit& form : forms) {
        SCOPED_TRACE(form.name);
        std::vector<CRTData> cases;
        ASSERT_EQ(Read(WithTitleField(form.field), cases), CaseFileStatus::Ok);
        ASSERT_EQ(cases.size(), 1u);
        EXPECT_EQ(cases[0].m_strTitle, form.title);
        EXPECT_EQ(cases[0].m_strBar[SLOT_WALL], L"D10+D13");
        EXPECT_EQ(cases[0].m_bThetaWAuto, 0);
    }
}

struct DamagedFile {
    const char* name;
    void (*damage)(Bytes& file, std::size_t secondTag);
    CaseFileStatus expected;
};

class DamagedFiles : public testing::TestWithParam<DamagedFile> {};

// A damaged two-case file either loads completely or leaves no case and the settings untouched.
TEST_P(DamagedFiles, LoadCompletelyOrNotAtAll) {
    std::size_t secondTag;
    Bytes file = TwoCaseFile(secondTag);
    GetParam().damage(file, secondTag);
    CDocSettings settings;
    settings.nFontSize = 99;
    std::vector<CRTData> cases(1);
    ASSERT_EQ(ReadCaseFile(file, settings, cases), GetParam().expected);
    if (GetParam().expected == CaseFileStatus::Ok) {
        EXPECT_EQ(cases.size(), 2u);
        EXPECT_EQ(settings.nFontSize, 11);
    } else {
        EXPECT_TRUE(cases.empty());
        EXPECT_EQ(settings.nFontSize, 99);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, DamagedFiles,
    testing::Values(
        DamagedFile{"Intact", [](Bytes&, std::size_t) {}, CaseFileStatus::Ok},
        DamagedFile{"FormatWordIgnored", [](Bytes& f, std::size_t) { PutU32(f, 0, 77); },
                    CaseFileStatus::Ok},
        DamagedFile{"OtherSchemaAccepted", [](Bytes& f, std::size_t) { PutU16(f, 40, 2); },
                    CaseFileStatus::Ok},
        DamagedFile{"BytesAfterTheLastCaseIgnored",
                    [](Bytes& f, std::size_t) {
                        f.insert(f.end(), {0x00, 0xFF, 0x13});
                    },
                    CaseFileStatus::Ok},
        DamagedFile{"ClassDescribedAgain",
                    [](Bytes& f, std::size_t second) {
                        f.insert(f.begin() + second + 2, f.begin() + 40, f.begin() + 51);
                        PutU16(f, second, 0xFFFF);
                    },
                    CaseFileStatus::Ok},
        DamagedFile{"KnownClassTagFirst", [](Bytes& f, std::size_t) { PutU16(f, 38, 0x8001); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"NullTag", [](Bytes& f, std::size_t second) { PutU16(f, second, 0); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"ReferenceToACaseRead",
                    [](Bytes& f, std::size_t second) { PutU16(f, second, 0x0002); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"AnotherClassIndex",
                    [](Bytes& f, std::size_t second) { PutU16(f, second, 0x8002); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"LongTagForm", [](Bytes& f, std::size_t second) { PutU16(f, second, 0x7FFF); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"OtherClassName", [](Bytes& f, std::size_t) { f[50] = 'b'; },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"ShorterClassName", [](Bytes& f, std::size_t) { PutU16(f, 42, 6); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"ClassNameLength64",
                    [](Bytes& f, std::size_t) {
                        PutU16(f, 42, 64);
                        f.insert(f.begin() + 51, 57, 'x');
                    },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"CountBeyondTheCases", [](Bytes& f, std::size_t) { PutU16(f, 36, 3); },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{"HugeCount",
                    [](Bytes& f, std::size_t) {
                        PutU16(f, 36, 0xFFFF);
                        f.insert(f.begin() + 38, {0xFF, 0xFF, 0xFF, 0xFF});
                    },
                    CaseFileStatus::UnexpectedFormat},
        DamagedFile{
            "TitleLongerThanTheFile",
            [](Bytes& f, std::size_t) {
                f.insert(f.begin() + kFirstTitle + 3, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F});
            },
            CaseFileStatus::UnexpectedFormat},
        DamagedFile{
            "TitleOf2To31Characters",
            [](Bytes& f, std::size_t) {
                f.insert(f.begin() + kFirstTitle + 3, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80});
            },
            CaseFileStatus::ReadFailure},
        DamagedFile{"TitleWithEightByteLength",
                    [](Bytes& f, std::size_t) {
                        f.insert(f.begin() + kFirstTitle + 3, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                               0xFF, 0, 0, 0, 0, 1, 0, 0, 0});
                    },
                    CaseFileStatus::ReadFailure}),
    [](const testing::TestParamInfo<DamagedFile>& test) { return test.param.name; });

// However large a damaged length or count claims to be, nothing larger than the file is
// allocated.
TEST(CaseFile, HugeLengthsAllocateNothingBeyondTheFile) {
    std::size_t secondTag;
    Bytes file = TwoCaseFile(secondTag);
    Bytes hugeTitle = file;
    hugeTitle.insert(hugeTitle.begin() + kFirstTitle + 3,
                     {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F});
    Bytes hugeEightBitTitle = file;
    hugeEightBitTitle[kFirstTitle + 1] = 0xFF; // FF FF FF: a uint32 byte count follows
    hugeEightBitTitle.insert(hugeEightBitTitle.begin() + kFirstTitle + 3, {0xF0, 0xFF, 0xFF, 0x7F});
    for (const Bytes& damaged : {hugeTitle, hugeEightBitTitle}) {
        std::vector<CRTData> cases;
        CAllocationProbe probe;
        EXPECT_EQ(Read(damaged, cases), CaseFileStatus::UnexpectedFormat);
        EXPECT_LT(probe.Largest(), 64u * 1024);
    }
}

// A file cut anywhere loads no case at all.
TEST(CaseFile, FileCutAtEveryOffsetLoadsNothing) {
    std::size_t secondTag;
    Bytes file = TwoCaseFile(secondTag);
    for (std::size_t size = 1; size < file.size(); ++size) {
        std::vector<CRTData> cases(1);
        ASSERT_EQ(Read(Slice(file, 0, size), cases), CaseFileStatus::UnexpectedFormat) << size;
        ASSERT_TRUE(cases.empty()) << size;
    }
}

// After a load the current index names a case of the list, or is -1 for an empty list.
TEST(CaseFile, CurrentIndexIsBroughtIntoTheList) {
    struct Stored {
        int current;
        std::size_t cases;
        int loaded;
    };
    const Stored table[] = {{1, 2, 1},  {2, 2, 1},  {0x7FFFFFFF, 2, 1}, {-1, 2, 0},
                            {-5, 2, 0}, {0, 0, -1}, {3, 0, -1}};
    for (const Stored& s : table) {
        CDocSettings settings;
        settings.nCurrent = s.current;
        CDocSettings loaded;
        std::vector<CRTData> cases;
        ASSERT_EQ(
            ReadCaseFile(WriteCaseFile(settings, std::vector<CRTData>(s.cases)), loaded, cases),
            CaseFileStatus::Ok);
        EXPECT_EQ(loaded.nCurrent, s.loaded) << s.current << " of " << s.cases;
    }
}

// A file of zero bytes opens as a document without cases that keeps its page settings.
TEST(CaseFile, EmptyFileKeepsTheSettingsAndNamesNoCase) {
    CDocSettings settings;
    settings.nFontSize = 14;
    settings.nCurrent = 3;
    std::vector<CRTData> cases(2);
    ASSERT_EQ(ReadCaseFile({}, settings, cases), CaseFileStatus::Ok);
    EXPECT_TRUE(cases.empty());
    EXPECT_EQ(settings.nFontSize, 14);
    EXPECT_EQ(settings.nCurrent, -1);
}

// The seismic block: 8 marker bytes, a uint32 count and five doubles per case.
constexpr std::size_t kSeismicHeaderSize = 12;
constexpr std::size_t kSeismicValuesSize = 5 * 8;

// Three cases of which only the middle one has seismic values: the block carries every case,
// and the values, -0 and a NaN among them, come back bit for bit. Defaults alone write no
// block, so a document that never had seismic values keeps its bytes.
TEST(CaseFile, SeismicValuesFollowTheLastCaseOnlyWhenSomeCaseHasThem) {
    std::vector<CRTData> cases(3);
    const Bytes plain = WriteCaseFile(CDocSettings{}, cases);
    cases[1].m_kh1 = 0.2;
    cases[1].m_kh2 = -0.0;
    cases[1].m_FoL = 1.2;
    cases[1].m_FsL = std::nan("");
    cases[1].m_ru = 2.5;
    const Bytes file = WriteCaseFile(CDocSettings{}, cases);
    ASSERT_EQ(file.size(), plain.size() + kSeismicHeaderSize + 3 * kSeismicValuesSize);
    EXPECT_EQ(Slice(file, 0, plain.size()), plain);
    const std::size_t block = plain.size();
    EXPECT_EQ(Slice(file, block, block + 12),
              (Bytes{'T', 'A', 'R', 'V', 'O', 'S', 'X', '1', 0x03, 0x00, 0x00, 0x00}));
    // The first case's kh1: 0.0; its ru: 3.0 = 0x4008000000000000.
    EXPECT_EQ(Slice(file, block + 12, block + 20), Bytes(8, 0x00));
    EXPECT_EQ(Slice(file, block + 44, block + 52),
              (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x40}));

    std::vector<CRTData> loaded;
    ASSERT_EQ(Read(file, loaded), CaseFileStatus::Ok);
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[1].m_kh1, 0.2);
    EXPECT_TRUE(std::signbit(loaded[1].m_kh2));
    EXPECT_EQ(loaded[1].m_FoL, 1.2);
    EXPECT_TRUE(std::isnan(loaded[1].m_FsL));
    EXPECT_EQ(loaded[1].m_ru, 2.5);
    EXPECT_EQ(loaded[2].m_kh1, 0.0);
    EXPECT_EQ(loaded[2].m_ru, 3.0);
    EXPECT_EQ(WriteCaseFile(CDocSettings{}, loaded), file);

    std::vector<CRTData> withoutBlock;
    ASSERT_EQ(Read(plain, withoutBlock), CaseFileStatus::Ok);
    EXPECT_EQ(withoutBlock[1].m_kh1, 0.0);
    EXPECT_EQ(withoutBlock[1].m_FoL, 1.0);
    EXPECT_EQ(withoutBlock[1].m_ru, 3.0);
}

// What follows the last case: another program's bytes are ignored and the cases keep their
// defaults; a block with a wrong count or cut anywhere after its marker is a damaged file.
TEST(CaseFile, SeismicBlockThatDoesNotFitTheCasesIsRejected) {
    std::vector<CRTData> cases(2);
    const Bytes plain = WriteCaseFile(CDocSettings{}, cases);
    cases[0].m_kh2 = 0.25;
    const Bytes file = WriteCaseFile(CDocSettings{}, cases);
    const std::size_t block = plain.size();

    struct Trailer {
        const char* name;
        Bytes bytes;
        CaseFileStatus expected;
        double kh2; // of the first case when the file loads
    };
    Bytes wrongCount = file;
    PutU32(wrongCount, block + 8, 3);
    Bytes otherMarker = file;
    otherMarker[block + 7] = '2';
    const Trailer trailers[] = {
        {"intact", file, CaseFileStatus::Ok, 0.25},
        {"wrong count", wrongCount, CaseFileStatus::UnexpectedFormat, 0},
        {"count of zero", Concat({plain, Slice(file, block, block + 8), Bytes(4, 0)}),
         CaseFileStatus::UnexpectedFormat, 0},
        {"another marker", otherMarker, CaseFileStatus::Ok, 0},
        {"a marker cut short", Slice(file, 0, block + 7), CaseFileStatus::Ok, 0},
        {"another program's text", Concat({plain, Bytes{'E', 'N', 'D', 0x00, 0x0D, 0x0A}}),
         CaseFileStatus::Ok, 0},
    };
    for (const Trailer& t : trailers) {
        SCOPED_TRACE(t.name);
        std::vector<CRTData> loaded;
        ASSERT_EQ(Read(t.bytes, loaded), t.expected);
        if (t.expected == CaseFileStatus::Ok) {
            ASSERT_EQ(loaded.size(), 2u);
            EXPECT_EQ(loaded[0].m_kh2, t.kh2);
        } else {
            EXPECT_TRUE(loaded.empty());
        }
    }
    for (std::size_t size = block + 8; size < file.size(); ++size) {
        std::vector<CRTData> loaded(1);
        ASSERT_EQ(Read(Slice(file, 0, size), loaded), CaseFileStatus::UnexpectedFormat) << size;
        ASSERT_TRUE(loaded.empty()) << size;
    }
}

} // namespace
