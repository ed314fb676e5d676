#include "app/EditDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CEditDlg::CEditDlg(const std::vector<CEditEntry>& entries, QWidget* parent)
    : QDialog(parent), m_list(entries), m_widget(new QListWidget) {
    setWindowTitle(QStringLiteral("データ編集"));
    m_widget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_widget->setMinimumSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 14);
    // A click on a box (or the space bar on the selected entry) toggles its check.
    connect(m_widget, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_list.SetChecked(m_widget->row(item), item->checkState() == Qt::Checked);
    });
    connect(m_widget, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_widget->selectedItems();
        m_list.Select(selected.isEmpty() ? -1 : m_widget->row(selected.first()));
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(IDC_UP, QStringLiteral("上へ"), &CEditList::MoveUp));
    buttons->addWidget(AddButton(IDC_DOWN, QStringLiteral("下へ"), &CEditList::MoveDown));
    buttons->addWidget(AddButton(IDC_CHECK_ALL, QStringLiteral("全選択"), &CEditList::CheckAll));
    buttons->addWidget(
        AddButton(IDC_UNCHECK_ALL, QStringLiteral("全解除"), &CEditList::UncheckAll));
    buttons->addWidget(AddButton(IDC_DELETE, QStringLiteral("削除"), &CEditList::DeleteSelected));
    buttons->addStretch(1);
    QPushButton* ok = AddButton(IDC_OK, QStringLiteral("OK"), nullptr);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEditDlg::accept);
    buttons->addWidget(ok);
    QPushButton* cancel = AddButton(IDC_CANCEL, QStringLiteral("ｷｬﾝｾﾙ"), nullptr);
    connect(cancel, &QPushButton::clicked, this, &CEditDlg::reject);
    buttons->addWidget(cancel);

    auto* listAndNote = new QVBoxLayout;
    listAndNote->addWidget(m_widget, 1);
    listAndNote->addWidget(new QLabel(QStringLiteral("※ チェックをはずすと印刷しません。")));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listAndNote, 1);
    layout->addLayout(buttons);

    ShowList();
}

QPushButton* CEditDlg::Button(int id) const {
    auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

QPushButton* CEditDlg::AddButton(int id, const QString& text, void (CEditList::*action)()) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    if (action != nullptr) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            (m_list.*action)();
            ShowList();
        });
    }
    m_buttons[id] = button;
    return button;
}

void CEditDlg::ShowList() {
    const QSignalBlocker blocker(m_widget);
    m_widget->clear();
    for (const CEditList::CItem& item : m_list.Items()) {
        auto* entry = new QListWidgetItem(QString::fromStdWString(item.text), m_widget);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        entry->setCheckState(item.Checked() ? Qt::Checked : Qt::Unchecked);
    }
    if (m_list.Selected() >= 0)
        m_widget->setCurrentRow(m_list.Selected());
    else
        m_widget->setCurrentRow(-1);
}

bool CEditDialogRunner::Run(const std::vector<CEditEntry>& entries,
                            std::vector<CEditChoice>& choices) {
    CEditDlg dialog(entries, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices = dialog.Choices();
    return true;
}
