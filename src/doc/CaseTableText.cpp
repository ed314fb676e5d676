#include "doc/CaseTableWriters.h"

#include <algorithm>

namespace {

// Terminal cells of a character: two for the wide East Asian forms (kanji, kana, full-width
// forms), one for the rest, half-width katakana included.
int CharWidth(wchar_t ch) {
    const auto c = static_cast<char32_t>(ch);
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

int TextWidth(const std::wstring& text) {
    int width = 0;
    for (wchar_t ch : text)
        width += CharWidth(ch);
    return width;
}

std::wstring Pad(const std::wstring& text, int width, bool right) {
    const std::wstring blanks(static_cast<std::size_t>(std::max(0, width - TextWidth(text))), L' ');
    return right ? blanks + text : text + blanks;
}

std::wstring CellText(const CTableCell& cell) {
    return cell.empty ? std::wstring() : SingleLineText(cell.text);
}

} // namespace

std::wstring CaseTableText(const CCaseTable& table) {
    const std::size_t n = table.columns.size();
    std::vector<int> widths(n);
    for (std::size_t i = 0; i < n; ++i) {
        widths[i] = TextWidth(table.columns[i].header);
        for (const CTableRow& row : table.rows)
            widths[i] = std::max(widths[i], TextWidth(CellText(row.cells[i])));
    }
    auto line = [&](auto textOf) {
        std::wstring out;
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0)
                out += L"  ";
            out += Pad(textOf(i), widths[i], table.columns[i].kind == CellKind::Number);
        }
        out.erase(out.find_last_not_of(L' ') + 1);
        return out + L"\n";
    };
    std::wstring out = line([&](std::size_t i) { return table.columns[i].header; });
    out += line(
        [&](std::size_t i) { return std::wstring(static_cast<std::size_t>(widths[i]), L'-'); });
    for (const CTableRow& row : table.rows)
        out += line([&](std::size_t i) { return CellText(row.cells[i]); });
    return out;
}
