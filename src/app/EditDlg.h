// The data edit dialog "データ編集": every case in one check list, to reorder the cases, set
// or clear their print marks and delete cases. The document changes only when the dialog
// ends with OK.
#pragma once

#include "doc/EditDialog.h"

#include <QDialog>

#include <map>

class QListWidget;
class QPushButton;

// The buttons of the data edit dialog by control id.
enum EditControl : int {
    IDC_UP = 1080,
    IDC_DOWN = 1030,
    IDC_CHECK_ALL = 1008,
    IDC_UNCHECK_ALL = 1010,
    IDC_DELETE = 1024,
    IDC_OK = 1,
    IDC_CANCEL = 2,
};

class CEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditDlg(const std::vector<CEditEntry>& entries, QWidget* parent = nullptr);

    // Mark and case of each entry in the list's order, as OK hands them back.
    std::vector<CEditChoice> Choices() const { return m_list.Choices(); }

    QListWidget* List() const { return m_widget; }
    // The button with this control id (EditControl), or null.
    QPushButton* Button(int id) const;

private:
    QPushButton* AddButton(int id, const QString& text, void (CEditList::*action)());
    // Shows the list's entries, checks and selection in the widget.
    void ShowList();

    CEditList m_list;
    QListWidget* m_widget; // the check list, control 1054
    std::map<int, QPushButton*> m_buttons;
};

// Runs the dialog modally over the active window.
class CEditDialogRunner : public IEditDialog {
public:
    bool Run(const std::vector<CEditEntry>& entries, std::vector<CEditChoice>& choices) override;
};
