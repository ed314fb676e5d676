// The "ケース一覧" window: it follows the document through every command that changes the
// cases, a double-click or Enter on a row makes that case current as 前へ/次へ do (also in a
// sorted table), NG is coloured and spelt out, and the copied text and the saved CSV are the
// table as shown and as the command line writes it.
#include "app/CaseTableWindow.h"
#include "AppHarness.h"
#include "app/CaseTableModel.h"
#include "app/CommandTable.h"
#include "app/EditDlg.h"
#include "app/InputPanel.h"
#include "app/MainFrame.h"
#include "app/OptionDlg.h"
#include "app/SheetView.h"
#include "app/ViewSplitter.h"
#include "doc/CaseTable.h"
#include "doc/CaseTableWriters.h"
#include "doc/OptionExchange.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>

namespace {

// The window as the menu item opens it.
CCaseTableWindow& OpenTable(CAppHarness& h) {
    h.Frame().Action(ID_VIEW_CASE_TABLE)->trigger();
    CCaseTableWindow* window = h.Frame().CaseTable();
    Q_ASSERT(window != nullptr);
    return *window;
}

int Column(CCaseTableWindow& window, const char* key) {
    auto* sorted = qobject_cast<QAbstractProxyModel*>(window.View().model());
    const auto* table = qobject_cast<const CCaseTableModel*>(sorted->sourceModel());
    const std::vector<CTableColumn>& columns = table->Table().columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].key == key)
            return static_cast<int>(i);
    }
    return -1;
}

// The text of a cell as the view shows it, by row on screen and column key.
QString Shown(CCaseTableWindow& window, int row, const char* key) {
    QAbstractItemModel* model = window.View().model();
    return model->data(model->index(row, Column(window, key))).toString();
}

int Rows(CCaseTableWindow& window) {
    return window.View().model()->rowCount();
}

// Adds a case titled title; with ng, the wall is tall on a short heel (Fo 1.38, Fs 0.58: NG).
void AddCase(CAppHarness& h, const QString& title, bool ng) {
    h.Type(IDC_TITLE, title);
    h.Press(ID_DATA_ADD);
    h.Type(IDC_H1, ng ? QStringLiteral("250") : QStringLiteral("120"));
    h.Type(IDC_L1, ng ? QStringLiteral("100") : QStringLiteral("30"));
    h.Type(IDC_L2, ng ? QStringLiteral("30") : QStringLiteral("90"));
    h.Press(ID_DATA_RECALC);
}

QPushButton* Button(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void ActivateRow(CCaseTableWindow& window, int row, bool byKey) {
    QTableView& view = window.View();
    const QModelIndex index = view.model()->index(row, 1);
    if (byKey) {
        view.setFocus();
        view.setCurrentIndex(index);
        QTest::keyClick(&view, Qt::Key_Return);
    } else {
        const QRect rect = view.visualRect(index);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, rect.center());
    }
}

} // namespace

class CaseTableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menuItemAndToolbarButton();
    void followsEveryCommand();
    void doubleClickAndEnterMakeACaseCurrent();
    void ngIsColouredAndTheCurrentCaseMarked();
    void copyAndSaveGiveTheTableAsShown();
};

void CaseTableWindowTest::menuItemAndToolbarButton() {
    CAppHarness h;
    QAction* action = h.Frame().Action(ID_VIEW_CASE_TABLE);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), QStringLiteral("ケース一覧"));
    QVERIFY(action->isEnabled());
    // Last item of "表示(&V)", last button of the toolbar.
    QMenu* view = nullptr;
    for (QAction* menu : h.Frame().menuBar()->actions()) {
        if (menu->text() == QStringLiteral("表示(&V)"))
            view = menu->menu();
    }
    QVERIFY(view != nullptr);
    QCOMPARE(view->actions().last(), action);
    auto* toolBar = h.Frame().findChild<QToolBar*>(QStringLiteral("toolbar"));
    QCOMPARE(toolBar->actions().last(), action);
    CCaseTableWindow& window = OpenTable(h);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("ケース一覧"));
    QCOMPARE(Rows(window), 0);
    QVERIFY(!window.isModal());
}

void CaseTableWindowTest::followsEveryCommand() {
    CAppHarness h;
    CCaseTableWindow& window = OpenTable(h);

    AddCase(h, QStringLiteral("A"), false);
    QCOMPARE(Rows(window), 1);
    QCOMPARE(Shown(window, 0, "verdict"), QStringLiteral("OK"));

    // 追加 copies A; 再計算 makes it the NG wall.
    AddCase(h, QStringLiteral("B"), true);
    QCOMPARE(Rows(window), 2);
    QCOMPARE(Shown(window, 1, "title"), QStringLiteral("B"));
    QCOMPARE(Shown(window, 1, "H1"), QStringLiteral("250"));
    QCOMPARE(Shown(window, 1, "overturning"), QStringLiteral("NG"));
    QCOMPARE(Shown(window, 1, "Fo"), QStringLiteral("1.38"));
    QCOMPARE(Shown(window, 1, "verdict"), QStringLiteral("NG"));

    // 詳細設定: a required factor of 1.0 lets B pass overturning.
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->Controls().SetText(IDC_FS_OVERTURN, L"1");
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    h.Press(ID_DATA_DETAIL);
    QCOMPARE(Shown(window, 1, "FoLimit"), QStringLiteral("1"));
    QCOMPARE(Shown(window, 1, "overturning"), QStringLiteral("OK"));
    QCOMPARE(Shown(window, 1, "verdict"), QStringLiteral("NG")); // sliding still fails

    // データ設定: B moved to the top and unmarked.
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CEditDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QListWidget* list = dialog->List();
        list->setCurrentRow(1);
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton);
        list->item(0)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(dialog->Button(1), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_EDIT)->trigger();
    QCOMPARE(Shown(window, 0, "title"), QStringLiteral("B"));
    QCOMPARE(Shown(window, 0, "print"), QStringLiteral("0"));
    QCOMPARE(Shown(window, 1, "title"), QStringLiteral("A"));

    // Saved, then 新規作成 empties the table and 開く brings the cases back.
    const QString path = h.TempFile(QStringLiteral("walls.tarvo"));
    h.files.saveName = path;
    h.Frame().Action(ID_FILE_SAVE_AS)->trigger();
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(Rows(window), 0);
    h.files.openName = path;
    h.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(Rows(window), 2);
    QCOMPARE(Shown(window, 0, "title"), QStringLiteral("B"));

    // 削除 of the current case: the other one stays, numbered 1.
    const QString deleted = h.Text(IDC_TITLE);
    h.messages.answer = MessageAnswer::Yes;
    h.Frame().Action(ID_DATA_DELETE)->trigger();
    QCOMPARE(Rows(window), 1);
    QCOMPARE(Shown(window, 0, "title"),
             deleted == QStringLiteral("A") ? QStringLiteral("B") : QStringLiteral("A"));
    QCOMPARE(Shown(window, 0, "position"), QStringLiteral("1"));
}

void CaseTableWindowTest::doubleClickAndEnterMakeACaseCurrent() {
    CAppHarness h;
    for (const char* title : {"A", "B", "C"})
        AddCase(h, QString::fromLatin1(title), title[0] == 'B');
    CCaseTableWindow& window = OpenTable(h);
    QCOMPARE(h.Label(), QStringLiteral("    3 /     3"));

    ActivateRow(window, 0, false);
    QCOMPARE(h.Doc().m_nCurrent, 0);
    QCOMPARE(h.Label(), QStringLiteral("    1 /     3"));
    QCOMPARE(h.Text(IDC_TITLE), QStringLiteral("A"));
    QVERIFY(h.Frame().Splitter().ActiveView()->ShowsSheet());
    // The step commands follow: nothing before the first case.
    QVERIFY(!h.Frame().IsCommandEnabled(ID_DATA_PREV));

    ActivateRow(window, 1, true);
    QCOMPARE(h.Label(), QStringLiteral("    2 /     3"));
    QCOMPARE(h.Text(IDC_H1), QStringLiteral("250"));

    // Sorted by the number, last first: the top row is case 3.
    window.View().sortByColumn(Column(window, "position"), Qt::DescendingOrder);
    QCOMPARE(Shown(window, 0, "title"), QStringLiteral("C"));
    ActivateRow(window, 0, false);
    QCOMPARE(h.Label(), QStringLiteral("    3 /     3"));
    QCOMPARE(h.Text(IDC_TITLE), QStringLiteral("C"));
    QVERIFY(!h.Frame().IsCommandEnabled(ID_DATA_NEXT));
}

void CaseTableWindowTest::ngIsColouredAndTheCurrentCaseMarked() {
    CAppHarness h;
    AddCase(h, QStringLiteral("A"), false);
    AddCase(h, QStringLiteral("B"), true);
    AddCase(h, QStringLiteral("C"), false);
    h.Press(ID_DATA_PREV);
    h.Press(ID_DATA_PREV); // A current
    CCaseTableWindow& window = OpenTable(h);
    window.resize(1400, 300);
    QAbstractItemModel* model = window.View().model();
    const QModelIndex ng = model->index(1, Column(window, "sliding"));
    const QModelIndex ok = model->index(0, Column(window, "sliding"));
    QCOMPARE(model->data(ng).toString(), QStringLiteral("NG"));
    QVERIFY(model->data(ng, Qt::ForegroundRole).value<QBrush>().color().red() > 150);
    QVERIFY(model->data(ng, Qt::BackgroundRole).isValid());
    QVERIFY(!model->data(model->index(1, Column(window, "Fs")), Qt::BackgroundRole).isValid());
    QCOMPARE(model->data(ok).toString(), QStringLiteral("OK"));
    QVERIFY(!model->data(ok, Qt::ForegroundRole).isValid());
    // The current case is in bold; B is not current.
    QVERIFY(model->data(model->index(0, 1), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model->data(model->index(1, 1), Qt::FontRole).isValid());
    h.Press(ID_DATA_NEXT);
    QVERIFY(model->data(model->index(1, 1), Qt::FontRole).value<QFont>().bold());

    // A picture of the window with the inputs folded away, for review.
    window.InputsBox().setChecked(false);
    QDir().mkpath(QStringLiteral("screenshots"));
    window.grab().save(QStringLiteral("screenshots/case-table.png"));
    window.View().scrollTo(model->index(0, Column(window, "heel_ratio")));
    window.grab().save(QStringLiteral("screenshots/case-table-judgements.png"));
    window.InputsBox().setChecked(true);
    window.View().scrollTo(model->index(0, 0));
    window.grab().save(QStringLiteral("screenshots/case-table-inputs.png"));
}

void CaseTableWindowTest::copyAndSaveGiveTheTableAsShown() {
    CAppHarness h;
    for (const char* title : {"A", "B", "C"})
        AddCase(h, QString::fromLatin1(title), title[0] == 'B');
    CCaseTableWindow& window = OpenTable(h);
    const CCaseTable table = BuildCaseTable(h.Doc().m_arCases);

    // Inputs folded away, sorted by the verdict: the copy is what the window shows.
    window.InputsBox().setChecked(false);
    window.View().sortByColumn(Column(window, "verdict"), Qt::AscendingOrder);
    QTest::mouseClick(Button(window, QStringLiteral("コピー")), Qt::LeftButton);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    const QStringList heading = lines[0].split('\t');
    QCOMPARE(heading.first(), QStringLiteral("No."));
    QVERIFY(!heading.contains(QStringLiteral("H1(cm)")));
    // The overall verdict stands beside the title, as on screen.
    QCOMPARE(heading[2], QStringLiteral("総合判定"));
    QVERIFY(lines[1].startsWith(QStringLiteral("2\tB\tNG\t"))); // NG first; ties in list order
    CTableSelection selection{{0, 1, static_cast<int>(table.columns.size()) - 1}, {}};
    for (std::size_t i = 2; i + 1 < table.columns.size(); ++i) {
        if (!table.columns[i].input)
            selection.columns.push_back(static_cast<int>(i));
    }
    selection.rows = {1, 0, 2};
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdWString(CaseTableTabText(table, selection)));

    // A clipboard that another program holds: a message, the clipboard as it was.
    h.clipboard.heldElsewhere = true;
    const std::size_t boxes = h.messages.shown.size();
    window.InputsBox().setChecked(true);
    QTest::mouseClick(Button(window, QStringLiteral("コピー")), Qt::LeftButton);
    QCOMPARE(h.messages.shown.size(), boxes + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdWString(CaseTableTabText(table, selection)));
    h.clipboard.heldElsewhere = false;

    // CSVに保存: the command line's CSV, whatever the window shows.
    const QString path = h.TempFile(QStringLiteral("walls.csv"));
    window.SetCsvPathChooser([&](QWidget*) { return path; });
    window.SaveCsv();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), CaseTableCsv(table));
    // Cancelled: nothing written, no message.
    QFile::remove(path);
    window.SetCsvPathChooser([](QWidget*) { return QString(); });
    window.SaveCsv();
    QVERIFY(!QFile::exists(path));
    // A folder that does not exist: a message, no file.
    const QString bad = h.TempFile(QStringLiteral("no/such/folder/walls.csv"));
    window.SetCsvPathChooser([&](QWidget*) { return bad; });
    const std::size_t shownBefore = h.messages.shown.size();
    window.SaveCsv();
    QCOMPARE(h.messages.shown.size(), shownBefore + 1);
    QVERIFY(!QFile::exists(bad));
}

QTEST_MAIN(CaseTableWindowTest)
#include "CaseTableWindowTest.moc"
