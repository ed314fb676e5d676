// The data edit dialog: one check-list entry per case, in which the user reorders the cases,
// sets or clears their print marks and deletes cases. The document hands the dialog the
// cases as a list and takes back a list, so any title, commas and line breaks included,
// stays one entry.
#pragma once

#include <string>
#include <vector>

// One case as the dialog receives it.
struct CEditEntry {
    int mark;     // print mark of the case
    int position; // 1-based position in the document's list
    std::wstring title;
};

// One entry as the dialog returns it, in the dialog's final order.
struct CEditChoice {
    int mark;  // print mark to give the case
    int index; // 0-based position of the case in the document's list when the dialog opened
};

class IEditDialog {
public:
    virtual ~IEditDialog() = default;

    // Runs the dialog modally. True when it ended with OK; choices then name the cases to
    // keep, in their new order. Otherwise choices are not used.
    virtual bool Run(const std::vector<CEditEntry>& entries, std::vector<CEditChoice>& choices) = 0;
};

// The dialog's list without its widget: entries with their text, check and the case they
// stand for, one selected entry at most, and the moves of the dialog's buttons.
class CEditList {
public:
    struct CItem {
        std::wstring text; // " <position> <title>"
        int mark;          // shown checked when not 0
        int index;         // 0-based position of the case when the dialog opened
        bool Checked() const { return mark != 0; }
    };

    // Every entry, in the document's order; no entry is selected.
    explicit CEditList(const std::vector<CEditEntry>& entries);

    const std::vector<CItem>& Items() const { return m_items; }
    int Selected() const { return m_selected; } // -1 when none

    void Select(int item); // an item outside the list selects none
    // A mark other than 0 or 1 (possible only from a file) is kept until the box is changed.
    void SetChecked(int item, bool checked);
    void MoveUp();   // the selected entry one place up; nothing at the top or with none
    void MoveDown(); // the selected entry one place down; nothing at the bottom or with none
    void CheckAll();
    void UncheckAll();
    void DeleteSelected(); // without asking; afterwards none is selected

    // What OK hands back: mark and case of each entry, in list order.
    std::vector<CEditChoice> Choices() const;

private:
    void MoveSelected(int to);

    std::vector<CItem> m_items;
    int m_selected = -1;
};
