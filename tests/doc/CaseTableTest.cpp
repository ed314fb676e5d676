// The case overview: its values against the reviewed golden sheets, its judgements and overall
// verdict against the sheet's own OK/NG words over many walls and on every boundary, empty cells
// where the sheet prints nothing, and the CSV, tab-separated and text forms.
#include "doc/CaseTable.h"
#include "GeneratedWalls.h"
#include "GoldenCases.h"
#include "NamedWalls.h"
#include "doc/CaseTableWriters.h"
#include "model/BarTable.h"
#include "model/TextCodec.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>

namespace {

class CaseTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(TARVO_TEST_DATA "/../res/reinf.txt")); }
};

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Both printed pages of a case as text: the first ends at an overturning stop, the second is
// always complete, so together they hold every judgement the sheet prints.
std::vector<std::wstring> PrintedLines(CRTData c) {
    std::vector<std::wstring> lines;
    for (int selector : {1, 2}) {
        c.m_strSheet.clear();
        c.DrawSheet(nullptr, 0, 0, 0, selector);
        for (const std::wstring& line : Lines(c.m_strSheet))
            lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::wstring& line, const std::wstring& prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

const CTableCell& Cell(const CCaseTable& table, std::size_t row, const std::string& key) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].key == key)
            return table.rows[row].cells[i];
    }
    ADD_FAILURE() << "no column " << key;
    static const CTableCell none;
    return none;
}

// The judgements the sheet prints, by table column, each with its OK or NG word.
std::map<std::string, std::vector<std::wstring>>
SheetVerdicts(const std::vector<std::wstring>& lines, const CRTData& c) {
    std::map<std::string, std::vector<std::wstring>> verdicts;
    std::string member;
    bool toeSummaryDone = false;
    for (const std::wstring& line : lines) {
        const std::wstring word = line.substr(line.size() - 2);
        auto add = [&](const std::string& key) { verdicts[key].push_back(word); };
        if (StartsWith(line, L"　 壁体部分"))
            member = "wall";
        else if (StartsWith(line, L"　 つまさき板"))
            member = "toe";
        else if (StartsWith(line, L"　 かかと板"))
            member = "heel";
        if (StartsWith(line, L"　　転倒安全率　F") || StartsWith(line, L"転倒の検討"))
            add("overturning");
        else if (StartsWith(line, L"　　滑動安全率　F") || StartsWith(line, L"滑動の検討"))
            add("sliding");
        else if (StartsWith(line, L"　　左端接地圧　qL"))
            add("toeBearing");
        else if (StartsWith(line, L"　　右端接地圧　qR"))
            add("heelBearing");
        else if (StartsWith(line, L"接地圧の検討"))
            add("bearing");
        else if (line.find(L"必要鉄筋量") != std::wstring::npos)
            add(member + "_steel");
        else if (line.find(L" pt ＝") != std::wstring::npos)
            add(member + "_balanced");
        else if (line.find(L"せん断応力") != std::wstring::npos)
            add(member + "_shear");
        else if (StartsWith(line, L"壁筋の検討"))
            add("wall_ratio");
        else if (StartsWith(line, L"底板の検討")) {
            // The toe's row comes first when the summary has it.
            const bool toe = !toeSummaryDone && c.m_L1 != 0;
            toeSummaryDone = toeSummaryDone || toe;
            add(toe ? "toe_ratio" : "heel_ratio");
        }
    }
    return verdicts;
}

// Cases on the boundaries of the judgements, each made from a default case.
struct BoundaryCase {
    const char* name;
    std::function<void(CRTData&, const CDesignResult&)> edit; // given the default's results
    std::map<std::string, std::wstring> expected;             // verdicts; "" for an empty cell
    std::optional<bool> ok;                                   // overall, when it is known
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const BoundaryCase kBoundaryCases[] = {
    {"overturning factor equal to the limit",
     [](CRTData& c, const CDesignResult& r) { c.m_FsOverturnLimit = r.Fo; },
     {{"overturning", L"OK"}},
     true},
    {"overturning factor just below the limit",
     [](CRTData& c, const CDesignResult& r) { c.m_FsOverturnLimit = std::nextafter(r.Fo, 10.0); },
     {{"overturning", L"NG"}},
     false},
    {"sliding factor equal to the limit",
     [](CRTData& c, const CDesignResult& r) { c.m_FsSlidingLimit = r.Fs; },
     {{"sliding", L"OK"}},
     true},
    {"sliding factor just below the limit",
     [](CRTData& c, const CDesignResult& r) { c.m_FsSlidingLimit = std::nextafter(r.Fs, 10.0); },
     {{"sliding", L"NG"}},
     false},
    // Equal to fe: NG at the toe end (qL < fe), OK in the summary (qmax <= fe).
    {"toe pressure equal to fe",
     [](CRTData& c, const CDesignResult& r) { c.m_fe = r.bearing.qL; },
     {{"toeBearing", L"NG"}, {"heelBearing", L"OK"}, {"bearing", L"OK"}},
     false},
    {"toe pressure just below fe",
     [](CRTData& c, const CDesignResult& r) { c.m_fe = std::nextafter(r.bearing.qL, 1e9); },
     {{"toeBearing", L"OK"}, {"bearing", L"OK"}},
     true},
    {"fe not a number",
     [](CRTData& c, const CDesignResult&) { c.m_fe = kNaN; },
     {{"toeBearing", L"NG"}, {"heelBearing", L"NG"}, {"bearing", L"NG"}},
     false},
    {"required factors not numbers",
     [](CRTData& c, const CDesignResult&) {
         c.m_FsOverturnLimit = kNaN;
         c.m_FsSlidingLimit = kNaN;
     },
     {{"overturning", L"NG"}, {"sliding", L"NG"}},
     false},
    // A required factor below 1 (only a file can hold one) passes Fo = 0.27, but the sheet still
    // stops at the overturning message: the case is not OK, and section 5) has no cells.
    {"overturning stop with a required factor below 1",
     [](CRTData& c, const CDesignResult&) {
         c = OverturningWall();
         c.m_FsOverturnLimit = 0.2;
         c.m_FsSlidingLimit = 0.2;
     },
     {{"overturning", L"OK"}, {"sliding", L"OK"}, {"toeBearing", L""}, {"heelBearing", L""}},
     false},
    {"negative toe length: no block, but its summary row",
     [](CRTData& c, const CDesignResult&) { c.m_L1 = -0.1; },
     {{"toe_steel", L""}, {"toe_balanced", L""}, {"toe_shear", L""}, {"toe_ratio", L"OK"}},
     std::nullopt},
};

std::vector<CRTData> BoundaryWalls() {
    std::vector<CRTData> walls;
    for (const BoundaryCase& b : kBoundaryCases) {
        CRTData c;
        CRTData probe;
        CDesignResult r;
        probe.Calculate(r);
        b.edit(c, r);
        walls.push_back(c);
    }
    return walls;
}

TEST_F(CaseTableTest, BoundaryJudgementsAndOverallVerdict) {
    const CCaseTable table = BuildCaseTable(BoundaryWalls());
    for (std::size_t i = 0; i < std::size(kBoundaryCases); ++i) {
        const BoundaryCase& b = kBoundaryCases[i];
        SCOPED_TRACE(b.name);
        for (const auto& [key, word] : b.expected) {
            const CTableCell& cell = Cell(table, i, key);
            EXPECT_EQ(cell.empty, word.empty()) << key;
            if (!word.empty()) {
                EXPECT_EQ(cell.text, word) << key;
            }
        }
        EXPECT_EQ(Cell(table, i, "verdict").text, table.rows[i].ok ? L"OK" : L"NG");
        if (b.ok) {
            EXPECT_EQ(table.rows[i].ok, *b.ok);
        }
    }
}

// Every judgement cell against the OK/NG word of the sheet's own line, and the overall verdict
// against the whole sheet: OK only without any NG and without the overturning stop.
TEST_F(CaseTableTest, JudgementsEqualTheSheetsForEveryCase) {
    std::vector<CRTData> walls = GeneratedWalls(400);
    for (const GoldenCase& g : kGoldenCases) {
        walls.push_back(g.wall);
    }
    for (const CRTData& c : BoundaryWalls())
        walls.push_back(c);
    const CCaseTable table = BuildCaseTable(walls);
    ASSERT_EQ(table.rows.size(), walls.size());
    int ngCases = 0;
    for (std::size_t i = 0; i < walls.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i + 1));
        const std::vector<std::wstring> lines = PrintedLines(walls[i]);
        const auto verdicts = SheetVerdicts(lines, walls[i]);
        bool sheetOK = true;
        for (const std::wstring& line : lines) {
            if (line == L"転倒安全率が 1.0 未満である")
                sheetOK = false;
        }
        for (std::size_t col = 0; col + 1 < table.columns.size(); ++col) {
            const CTableColumn& column = table.columns[col];
            if (column.kind != CellKind::Verdict)
                continue;
            const CTableCell& cell = table.rows[i].cells[col];
            auto it = verdicts.find(column.key);
            if (it == verdicts.end()) {
                EXPECT_TRUE(cell.empty) << column.key;
                continue;
            }
            for (const std::wstring& word : it->second) {
                EXPECT_EQ(cell.text, word) << column.key;
                sheetOK = sheetOK && word == L"OK";
            }
        }
        // No judgement of the sheet is left out of the table.
        for (const auto& [key, words] : verdicts) {
            bool known = false;
            for (const CTableColumn& column : table.columns)
                known = known || column.key == key;
            EXPECT_TRUE(known) << key;
        }
        EXPECT_EQ(table.rows[i].ok, sheetOK);
        ngCases += sheetOK ? 0 : 1;
    }
    // The walls reach both verdicts.
    EXPECT_GT(ngCases, 0);
    EXPECT_LT(ngCases, static_cast<int>(walls.size()));
}

// The number after the n-th "＝" of a line (n from 1), or after a marker.
std::wstring NumberAfter(const std::wstring& line, const std::wstring& marker, int n = 1) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) {
        at = line.find(marker, i == 0 ? 0 : at + marker.size());
        if (at == std::wstring::npos)
            return L"?";
    }
    std::size_t start = line.find_first_not_of(L' ', at + marker.size());
    std::size_t end = line.find_first_of(L" (×／[", start);
    return line.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

struct PrintedValue {
    std::string key;
    std::wstring lineStart; // the first line of the block (or sheet) that begins so
    std::wstring marker;
    int occurrence;
};

const PrintedValue kPrintedValues[] = {
    {"KA", L"　　安定計算用土圧係数", L"KA＝", 1},
    {"KAw", L"　　壁背面主動土圧係数", L"KA＝", 1},
    {"SW", L"　　　　　　　 ΣW", L"＝", 2},
    {"Mo", L"　　転倒ﾓｰﾒﾝﾄ", L"＝", 2},
    {"Mr", L"　　　　     　    　     ＋", L"＝", 1},
    {"Fo", L"転倒の検討", L"：", 1},
    {"Fs", L"滑動の検討", L"：", 1},
    {"d", L"　　合力作用位置", L"＝", 2},
    {"e", L"　　偏心　距離", L"＝", 2},
    {"eB", L"　　偏　心　率", L"＝", 2},
    {"qL", L"　　左端接地圧", L"＝", 2},
    {"qR", L"　　右端接地圧", L"＝", 2},
    {"qmax", L"接地圧の検討", L"：", 1},
};

// Per member block: the value and where its line is.
struct MemberValue {
    std::string field;
    std::wstring contains;
    std::wstring marker;
    int occurrence;
};

const MemberValue kMemberValues[] = {
    {"M", L"(kN･m)", L"＝", -1}, // the last "＝" of the moment's last line
    {"at", L"必要鉄筋量", L"＝", 2},  {"at_p", L"必要鉄筋量", L"at ＝", 2},
    {"Ptb", L" pt ＝", L"＝", 1},     {"pt", L" pt ＝", L"pt ＝", 1},
    {"tau", L"せん断応力", L"＝", 2},
};

std::wstring LastNumber(const std::wstring& line, const std::wstring& marker) {
    const std::size_t at = line.rfind(marker);
    return NumberAfter(line.substr(at), marker, 1);
}

TEST_F(CaseTableTest, ValuesAreThoseTheGoldenSheetsPrint) {
    std::vector<CRTData> walls;
    for (const GoldenCase& g : kGoldenCases) {
        walls.push_back(g.wall);
    }
    const CCaseTable table = BuildCaseTable(walls);
    for (std::size_t i = 0; i < walls.size(); ++i) {
        const GoldenCase& g = kGoldenCases[i];
        SCOPED_TRACE(g.file);
        std::ifstream in(std::string(TARVO_TEST_DATA "/golden/") + g.file + ".txt",
                         std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::wstring text;
        for (std::size_t p = 0; p < bytes.size();) {
            // The golden files are UTF-8.
            const auto b = static_cast<unsigned char>(bytes[p]);
            const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            char32_t ch = n == 1 ? b : b & (0x7F >> n);
            for (int k = 1; k < n; ++k)
                ch = ch << 6 | (static_cast<unsigned char>(bytes[p + k]) & 0x3F);
            text += static_cast<wchar_t>(ch);
            p += static_cast<std::size_t>(n);
        }
        const std::vector<std::wstring> lines = Lines(text);
        std::set<std::string> compared;
        for (const PrintedValue& v : kPrintedValues) {
            for (const std::wstring& line : lines) {
                if (StartsWith(line, v.lineStart)) {
                    EXPECT_EQ(Cell(table, i, v.key).text, NumberAfter(line, v.marker, v.occurrence))
                        << v.key;
                    compared.insert(v.key);
                    break;
                }
            }
        }
        std::string member;
        bool momentSeen = false;
        for (const std::wstring& line : lines) {
            if (StartsWith(line, L"　 壁体部分"))
                member = "wall";
            else if (StartsWith(line, L"　 つまさき板"))
                member = "toe";
            else if (StartsWith(line, L"　 かかと板"))
                member = "heel";
            if (member.empty())
                continue;
            if (StartsWith(line, L"　 "))
                momentSeen = false;
            for (const MemberValue& v : kMemberValues) {
                if (line.find(v.contains) == std::wstring::npos)
                    continue;
                const std::string key = member + "_" + v.field;
                const std::wstring printed = v.occurrence < 0
                                                 ? LastNumber(line, v.marker)
                                                 : NumberAfter(line, v.marker, v.occurrence);
                EXPECT_EQ(Cell(table, i, key).text, printed) << key;
                compared.insert(key);
            }
            // The shear force is the last number of the first line in kN after the moment.
            if (line.find(L"(kN･m)") != std::wstring::npos)
                momentSeen = true;
            else if (momentSeen && line.size() > 4 && line.substr(line.size() - 4) == L"(kN)") {
                EXPECT_EQ(Cell(table, i, member + "_Q").text, LastNumber(line, L"＝")) << member;
                compared.insert(member + "_Q");
                momentSeen = false;
            }
        }
        // What the sheet does not print is empty in the table; after an overturning stop only
        // the first page is in the text, the members of the second page are still calculated.
        const bool stop = text.find(L"転倒安全率が 1.0 未満である") != std::wstring::npos;
        for (std::size_t col = 0; col < table.columns.size(); ++col) {
            const CTableColumn& column = table.columns[col];
            if (column.kind != CellKind::Number || column.input || column.key == "position" ||
                column.key == "print" || compared.count(column.key) != 0)
                continue;
            const bool memberColumn = column.key.find('_') != std::string::npos;
            if (memberColumn && column.key.substr(column.key.find('_')) == "_rho")
                continue; // the summary's ratio rows are compared below
            if (stop && (memberColumn || column.key == "qmax" || column.key == "Fo" ||
                         column.key == "Fs" || column.key == "KAw"))
                continue;
            EXPECT_TRUE(table.rows[i].cells[col].empty) << column.key;
        }
        // The stress ratios of the summary, in its order.
        std::vector<std::wstring> ratios;
        for (const std::wstring& line : lines) {
            if (StartsWith(line, L"壁筋の検討") || StartsWith(line, L"底板の検討"))
                ratios.push_back(NumberAfter(line, L"：", 1));
        }
        std::vector<std::wstring> shown;
        for (const char* key : {"wall_rho", "toe_rho", "heel_rho"}) {
            if (!Cell(table, i, key).empty)
                shown.push_back(Cell(table, i, key).text);
        }
        if (!stop) {
            EXPECT_EQ(shown, ratios);
        }
    }
}

TEST_F(CaseTableTest, InputsAsThePanelAndTheDialogShowThem) {
    CRTData c;
    c.m_bPhiInput = 0;
    c.m_KA = 0.3333333;
    c.m_dtWall = 0.075;
    c.m_delta = 0.03 / 180 * 3.1415926535898; // cut, not rounded, to 0.01°
    c.m_bDeltaWTwoThirdsPhi = 0;
    CRTData phi;
    phi.m_phi = 32.5 / 180 * 3.1415926535898;
    const CCaseTable table = BuildCaseTable({c, phi});
    const std::map<std::string, std::wstring> expected = {
        {"H1", L"120"},
        {"alpha", L"0.00"},
        {"Fc", L"21.0"},
        {"mu", L"0.45"},
        {"fe", L"50"},
        {"barWall", L"D10+D13"},
        {"pitchWall", L"200"},
        {"dtWall", L"7.5"},
        {"delta", L"0.02"},
        {"gammaC", L"24"},
        {"deltaWTwoThirdsPhi", L"0"},
        {"KA", L"0.333"},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(Cell(table, 0, key).text, text) << key;
    EXPECT_TRUE(Cell(table, 0, "phi").empty); // KA entered: the friction field holds KA
    EXPECT_EQ(Cell(table, 1, "phi").text, L"32.50");
    EXPECT_DOUBLE_EQ(Cell(table, 0, "dtWall").value, 7.5);
    EXPECT_EQ(Cell(table, 1, "position").text, L"2");
}

// A minimal RFC 4180 reader: quoted fields with doubled quotes, CR LF between records.
std::vector<std::vector<std::string>> ReadCsv(const std::string& csv) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char ch = csv[i];
        if (quoted) {
            if (ch == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
                field += csv[++i];
            else if (ch == '"')
                quoted = false;
            else
                field += ch;
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            records.back().push_back(field);
            field.clear();
        } else if (ch == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            records.back().push_back(field);
            field.clear();
            records.emplace_back();
            ++i;
        } else {
            field += ch;
        }
    }
    records.pop_back(); // after the last CR LF
    return records;
}

TEST_F(CaseTableTest, CsvAndTabTextHoldEveryCellAsShown) {
    CRTData plain;
    CRTData awkward;
    awkward.m_strTitle = L"擁壁\"A\", 東側\n2段目\t端";
    awkward.m_L1 = 0;
    const CCaseTable table = BuildCaseTable({plain, awkward});

    const std::string csv = CaseTableCsv(table);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto records = ReadCsv(csv.substr(3));
    ASSERT_EQ(records.size(), 3u);
    for (std::size_t r = 0; r < records.size(); ++r) {
        ASSERT_EQ(records[r].size(), table.columns.size());
        for (std::size_t col = 0; col < table.columns.size(); ++col) {
            const std::wstring expected =
                r == 0 ? table.columns[col].header : table.rows[r - 1].cells[col].text;
            EXPECT_EQ(records[r][col], EncodeUtf8(expected)) << table.columns[col].key;
        }
    }

    // Tabs and line breaks of a title become spaces, so each case stays one line of cells.
    CTableSelection selection{{1, static_cast<int>(table.columns.size()) - 1}, {1, 0}};
    EXPECT_EQ(CaseTableTabText(table, selection),
              L"タイトル\t総合判定\r\n擁壁\"A\", 東側 2段目 端\tNG\r\n新規擁壁\tOK\r\n");
}

TEST_F(CaseTableTest, TextColumnsAlignInTerminalCells) {
    CRTData wide;
    wide.m_strTitle = L"東側擁壁ｱｲｳ";
    CRTData narrow;
    narrow.m_strTitle = L"A\nB"; // a line break would split the case's line
    const std::wstring text = CaseTableText(BuildCaseTable({wide, narrow}));
    const std::vector<std::wstring> lines = [&] {
        std::vector<std::wstring> out;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos;
             start = end + 1)
            out.push_back(text.substr(start, end - start));
        return out;
    }();
    ASSERT_EQ(lines.size(), 4u);
    // The print mark's column ends in the same terminal cell on every line (numbers are
    // right-aligned): kanji take two cells, half-width kana one.
    auto cellOf = [](const std::wstring& line, std::size_t index) {
        int cells = 0;
        for (std::size_t i = 0; i < index; ++i)
            cells += (line[i] >= 0x3000 && line[i] < 0xFF61) ? 2 : 1;
        return cells;
    };
    const int headerEnd = cellOf(lines[0], lines[0].find(L"印刷") + 2);
    for (const auto& [row, title] :
         {std::pair<int, std::wstring>{2, L"東側擁壁ｱｲｳ"}, {3, L"A B"}}) {
        const std::wstring& line = lines[static_cast<std::size_t>(row)];
        const std::size_t mark = line.find_first_not_of(L' ', line.find(title) + title.size());
        EXPECT_EQ(line[mark], L'1');
        EXPECT_EQ(cellOf(line, mark + 1), headerEnd) << row;
    }
}

} // namespace

namespace {

bool IsSeismicKey(const std::string& key) {
    return key.rfind("moderate_", 0) == 0 || key.rfind("large_", 0) == 0;
}

// The seismic cells stand for the levels the case checks, hold the calculation at full
// precision, and their judgements count in the overall verdict; a case without seismic values
// has them all empty and keeps its verdict.
TEST_F(CaseTableTest, SeismicColumnsStandForCheckedLevelsAndCountInTheVerdict) {
    std::vector<CRTData> cases(4, Wall35());
    cases[1].m_kh1 = 0.2;
    cases[2].m_kh2 = 0.25; // the large earthquake slides: Fs 0.80
    cases[3].m_kh1 = 0.2;
    cases[3].m_bPhiInput = 0; // no seismic result without an entered phi
    cases[3].m_KA = 0.3;
    const CCaseTable table = BuildCaseTable(cases);
    ASSERT_EQ(table.rows.size(), 4u);
    for (std::size_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        for (std::size_t col = 0; col < table.columns.size(); ++col) {
            const std::string& key = table.columns[col].key;
            if (!IsSeismicKey(key))
                continue;
            const bool checked = (row == 1 && key.rfind("moderate_", 0) == 0) ||
                                 (row == 2 && key.rfind("large_", 0) == 0);
            EXPECT_EQ(table.rows[row].cells[col].empty, !checked) << key;
        }
    }
    EXPECT_TRUE(table.rows[0].ok);
    EXPECT_TRUE(table.rows[1].ok);
    EXPECT_EQ(Cell(table, 1, "moderate_heel_ratio").text, L"OK");
    EXPECT_EQ(Cell(table, 2, "large_sliding").text, L"NG");
    EXPECT_EQ(Cell(table, 2, "large_overturning").text, L"OK");
    EXPECT_EQ(Cell(table, 2, "sliding").text, L"OK");
    EXPECT_FALSE(table.rows[2].ok);
    EXPECT_EQ(Cell(table, 2, "verdict").text, L"NG");
    EXPECT_EQ(Cell(table, 2, "large_FsE").text, L"0.80");
    EXPECT_EQ(Cell(table, 2, "large_FsE").value, table.rows[2].result.large.FsE);
    EXPECT_EQ(Cell(table, 2, "kh2").value, 0.25);
    EXPECT_EQ(Cell(table, 1, "ru").value, 3.0);
    EXPECT_TRUE(table.rows[3].ok);

    // The JSON carries every seismic value at full precision.
    const std::string json = CaseTableJson(table);
    char fs[32];
    const auto end = std::to_chars(fs, fs + sizeof fs, table.rows[2].result.large.FsE).ptr;
    EXPECT_NE(json.find("\"FsE\":" + std::string(fs, end)), std::string::npos);
    char y3[32];
    const auto y3End = std::to_chars(y3, y3 + sizeof y3, table.rows[1].result.moderate.y3).ptr;
    EXPECT_NE(json.find("\"y3\":" + std::string(y3, y3End)), std::string::npos);
}

} // namespace
