#include "app/CaseTableWindow.h"

#include "app/CaseTableModel.h"
#include "app/TextClipboard.h"
#include "doc/CaseTableWriters.h"
#include "doc/MessageSink.h"
#include "doc/TARVODoc.h"
#include "model/FileBytes.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Screen place of the overall verdict: after the number and the title.
constexpr int kVerdictPlace = 2;

// A name typed without extension gets ".csv".
QString AskCsvPath(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("CSVに保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(
        {QStringLiteral("CSV (*.csv)"), QStringLiteral("すべてのファイル (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

CCaseTableWindow::CCaseTableWindow(CTARVODoc& doc, IMessageSink& messages,
                                   ITextClipboard& clipboard, std::function<void(int)> goTo,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_doc(doc), m_messages(messages), m_clipboard(clipboard),
      m_goTo(std::move(goTo)), m_chooseCsvPath(AskCsvPath), m_model(new CCaseTableModel(this)),
      m_sorted(new QSortFilterProxyModel(this)), m_view(new QTableView),
      m_inputs(new QCheckBox(QStringLiteral("入力値を表示"))) {
    setWindowTitle(QStringLiteral("ケース一覧"));
    resize(1100, 420);

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(CCaseTableModel::kSortRole);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder); // list order until a heading is clicked
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_view, &QAbstractItemView::activated, this, &CCaseTableWindow::Activate);

    m_inputs->setChecked(true);
    connect(m_inputs, &QCheckBox::toggled, this, &CCaseTableWindow::ShowInputColumns);
    auto* save = new QPushButton(QStringLiteral("CSVに保存..."));
    connect(save, &QPushButton::clicked, this, &CCaseTableWindow::SaveCsv);
    auto* copy = new QPushButton(QStringLiteral("コピー"));
    connect(copy, &QPushButton::clicked, this, &CCaseTableWindow::CopyToClipboard);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &CCaseTableWindow::CopyToClipboard);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_inputs);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
}

void CCaseTableWindow::Refresh() {
    const bool first = m_model->columnCount() == 0;
    m_model->SetTable(BuildCaseTable(m_doc.m_arCases), m_doc.m_nCurrent);
    ShowInputColumns(m_inputs->isChecked());
    // The overall verdict, last in the files, stands beside the title on screen.
    if (first) {
        QHeaderView* header = m_view->horizontalHeader();
        header->moveSection(header->visualIndex(m_model->columnCount() - 1), kVerdictPlace);
    }
}

void CCaseTableWindow::ShowInputColumns(bool show) {
    const std::vector<CTableColumn>& columns = m_model->Table().columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].input)
            m_view->setColumnHidden(static_cast<int>(i), !show);
    }
}

void CCaseTableWindow::Activate(const QModelIndex& index) {
    const QModelIndex source = m_sorted->mapToSource(index);
    if (source.isValid())
        m_goTo(source.row());
}

void CCaseTableWindow::SaveCsv() {
    const QString path = m_chooseCsvPath(this);
    if (path.isEmpty())
        return;
    const std::string csv = CaseTableCsv(m_model->Table());
    std::string reason;
    if (!WriteFileAtomically(path.toStdString(), std::vector<std::uint8_t>(csv.begin(), csv.end()),
                             reason))
        ShowWarning(m_messages, L"CSVファイルに書き込めません。\n" + path.toStdWString());
}

void CCaseTableWindow::CopyToClipboard() {
    CTableSelection selection;
    const QHeaderView* header = m_view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!m_view->isColumnHidden(column))
            selection.columns.push_back(column);
    }
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        selection.rows.push_back(m_sorted->mapToSource(m_sorted->index(row, 0)).row());
    if (!m_clipboard.SetText(
            QString::fromStdWString(CaseTableTabText(m_model->Table(), selection))))
        ShowWarning(m_messages, L"クリップボードにコピーできません。");
}
