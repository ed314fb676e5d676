#include "doc/EditDialog.h"

#include <utility>

CEditList::CEditList(const std::vector<CEditEntry>& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const CEditEntry& e = entries[i];
        m_items.push_back(
            {L" " + std::to_wstring(e.position) + L" " + e.title, e.mark, static_cast<int>(i)});
    }
}

void CEditList::Select(int item) {
    m_selected = item >= 0 && item < static_cast<int>(m_items.size()) ? item : -1;
}

void CEditList::SetChecked(int item, bool checked) {
    if (item < 0 || item >= static_cast<int>(m_items.size()))
        return;
    if (m_items[item].Checked() != checked)
        m_items[item].mark = checked ? 1 : 0;
}

void CEditList::MoveSelected(int to) {
    if (m_selected < 0 || to < 0 || to >= static_cast<int>(m_items.size()))
        return;
    std::swap(m_items[m_selected], m_items[to]);
    m_selected = to;
}

void CEditList::MoveUp() {
    MoveSelected(m_selected - 1);
}

void CEditList::MoveDown() {
    MoveSelected(m_selected + 1);
}

void CEditList::CheckAll() {
    for (size_t i = 0; i < m_items.size(); ++i)
        SetChecked(static_cast<int>(i), true);
}

void CEditList::UncheckAll() {
    for (size_t i = 0; i < m_items.size(); ++i)
        SetChecked(static_cast<int>(i), false);
}

void CEditList::DeleteSelected() {
    if (m_selected < 0)
        return;
    m_items.erase(m_items.begin() + m_selected);
    m_selected = -1;
}

std::vector<CEditChoice> CEditList::Choices() const {
    std::vector<CEditChoice> choices;
    for (const CItem& item : m_items)
        choices.push_back({item.mark, item.index});
    return choices;
}
