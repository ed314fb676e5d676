#include "doc/CaseTableWriters.h"

#include "model/TextCodec.h"

std::wstring SingleLineText(std::wstring text) {
    for (wchar_t& ch : text) {
        if (ch == L'\t' || ch == L'\r' || ch == L'\n')
            ch = L' ';
    }
    return text;
}

CTableSelection WholeTable(const CCaseTable& table) {
    CTableSelection selection;
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        selection.columns.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        selection.rows.push_back(static_cast<int>(i));
    return selection;
}

namespace {

std::wstring CsvField(const std::wstring& text) {
    if (text.find_first_of(L",\"\r\n") == std::wstring::npos)
        return text;
    std::wstring quoted = L"\"";
    for (wchar_t ch : text) {
        if (ch == L'"')
            quoted += L'"';
        quoted += ch;
    }
    return quoted + L"\"";
}

// The heading row and the rows of the selection, each field passed through field.
template <typename FieldFn>
std::wstring Delimited(const CCaseTable& table, const CTableSelection& selection, wchar_t delimiter,
                       FieldFn field) {
    std::wstring out;
    auto line = [&](auto textOf) {
        bool first = true;
        for (int column : selection.columns) {
            if (!first)
                out += delimiter;
            first = false;
            out += field(textOf(column));
        }
        out += L"\r\n";
    };
    line([&](int column) { return table.columns[column].header; });
    for (int row : selection.rows) {
        const CTableRow& r = table.rows[row];
        line([&](int column) {
            return r.cells[column].empty ? std::wstring() : r.cells[column].text;
        });
    }
    return out;
}

} // namespace

std::string CaseTableCsv(const CCaseTable& table) {
    return "\xEF\xBB\xBF" + EncodeUtf8(Delimited(table, WholeTable(table), L',', CsvField));
}

std::wstring CaseTableTabText(const CCaseTable& table, const CTableSelection& selection) {
    return Delimited(table, selection, L'\t', SingleLineText);
}
