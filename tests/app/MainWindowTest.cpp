// The main window driven as a user drives it: typing into the input panel and pressing its
// buttons, menu items enabled and disabled by the document's rules, the accelerator keys,
// copying the sheet, saving and opening a file, the recent files in the settings file, the
// panes of the view, drag scrolling, and pictures of the window for the eye.
#include "AppHarness.h"
#include "CommandTable.h"
#include "InputPanel.h"
#include "MainFrame.h"
#include "PanelControls.h"
#include "SheetView.h"
#include "TARVODoc.h"
#include "ViewSplitter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <vector>

namespace {

QString Wide(const std::wstring& text) {
    return QString::fromStdWString(text);
}

// Saves a picture of the widget beside the test binary, for a person to look at.
QImage Snapshot(QWidget& widget, const QString& name) {
    const QImage image = widget.grab().toImage();
    QDir().mkpath(QStringLiteral("screenshots"));
    image.save(QStringLiteral("screenshots/") + name + QStringLiteral(".png"));
    return image;
}

// Share of the pixels in rect that are not white.
double Ink(const QImage& image, const QRect& rect) {
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return static_cast<double>(dark) / (rect.width() * rect.height());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithDefaultsAndPicture();
    void commandsEnabledByTheRules_data();
    void commandsEnabledByTheRules();
    void addTakesTheFirstCaseFromThePanel();
    void recalcReadsThePanelIntoTheCurrentCase();
    void recalcWithInvalidValuesShowsTheMessage();
    void enterInAFieldAddsACase();
    void acceleratorsFollowTheTableOrder();
    void deleteAsksFirst();
    void copyPutsTheSheetTextOnTheClipboard();
    void saveAndOpenRoundTrip();
    void saveQuestionBeforeNewDocument();
    void exitWritesTheRecentFiles();
    void fileOnTheCommandLineFillsThePanel();
    void splitGivesFourPanes();
    void dragScrollsTheSheet();
    void pictures();
};

void MainWindowTest::startsEmptyWithDefaultsAndPicture() {
    CAppHarness h;
    QCOMPARE(h.startUp, CTARVOApp::StartUp::ShowWindow);
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("無題 - TARVO"));
    QCOMPARE(h.Frame().size(), QSize(1150, 900));
    QCOMPARE(h.Label(), QStringLiteral("    0 /     0"));
    QCOMPARE(h.Text(IDC_TITLE), QStringLiteral("新規擁壁設計"));
    QCOMPARE(h.Text(IDC_H1), QStringLiteral("120"));
    QCOMPARE(h.Text(IDC_PHI), QStringLiteral("30.0"));
    QCOMPARE(h.Text(IDC_BAR_WALL), QStringLiteral("D10+D13"));
    QVERIFY(h.messages.shown.empty()); // the bar table was found
    QVERIFY(!h.Frame().Splitter().ActiveView()->ShowsSheet());
    // Prompts: the status-bar text before the line feed, the tooltip after it.
    QCOMPARE(h.Frame().Action(ID_DATA_EDIT)->statusTip(),
             QStringLiteral("ソート・印刷・削除\nソート・印刷・削除").section('\n', 0, 0));
    QCOMPARE(h.Frame().Action(ID_HELP_MANUAL)->toolTip(),
             QStringLiteral("入力説明を表示する。\n入力説明").section('\n', 1, 1));
    // The read-me beside the program goes to the desktop.
    h.Frame().Action(ID_HELP_README)->trigger();
    QCOMPARE(h.shell.opened, std::vector<std::filesystem::path>{
                                 std::filesystem::path(TARVO_BIN_DIR "/") / "readme.txt"});
}

void MainWindowTest::commandsEnabledByTheRules_data() {
    QTest::addColumn<int>("cases");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("enabled");
    struct Row {
        const char* name;
        int cases, current, command;
        bool enabled;
    };
    const Row rows[] = {
        {"empty: previous", 0, -1, ID_DATA_PREV, false},
        {"empty: next", 0, -1, ID_DATA_NEXT, false},
        {"empty: delete", 0, -1, ID_DATA_DELETE, false},
        {"empty: recalc", 0, -1, ID_DATA_RECALC, false},
        {"empty: detail", 0, -1, ID_DATA_DETAIL, false},
        {"empty: edit", 0, -1, ID_DATA_EDIT, false},
        {"empty: save", 0, -1, ID_FILE_SAVE, false},
        {"empty: save as", 0, -1, ID_FILE_SAVE_AS, false},
        {"empty: copy", 0, -1, ID_EDIT_COPY, false},
        {"empty: add", 0, -1, ID_DATA_ADD, true},
        {"empty: manual", 0, -1, ID_HELP_MANUAL, true},
        {"empty: readme", 0, -1, ID_HELP_README, true},
        {"empty: recent placeholder", 0, -1, ID_FILE_MRU_FILE1, false},
        {"first of three: previous", 3, 0, ID_DATA_PREV, false},
        {"first of three: next", 3, 0, ID_DATA_NEXT, true},
        {"last of three: previous", 3, 2, ID_DATA_PREV, true},
        {"last of three: next", 3, 2, ID_DATA_NEXT, false},
        {"cases: save", 3, 1, ID_FILE_SAVE, true},
        {"cases: detail", 3, 1, ID_DATA_DETAIL, true},
        {"cases: copy", 3, 1, ID_EDIT_COPY, true},
        {"cases: cut", 3, 1, ID_EDIT_CUT, false},
        {"cases: paste", 3, 1, ID_EDIT_PASTE, false},
        {"cases: undo", 3, 1, ID_EDIT_UNDO, false},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.cases << r.current << r.command << r.enabled;
}

void MainWindowTest::commandsEnabledByTheRules() {
    QFETCH(int, cases);
    QFETCH(int, current);
    QFETCH(int, command);
    QFETCH(bool, enabled);
    CAppHarness h;
    for (int i = 0; i < cases; ++i)
        h.Doc().m_arCases.emplace_back();
    h.Doc().m_nCurrent = current;
    h.Doc().m_bShowManual = cases == 0;
    h.Frame().UpdateCommandUI();
    QAction* action = h.Frame().Action(command);
    QVERIFY(action != nullptr);
    QCOMPARE(action->isEnabled(), enabled);
    // The panel's buttons follow the same rule.
    if (QAbstractButton* button = h.Panel().Button(command))
        QCOMPARE(button->isEnabled(), enabled);
}

void MainWindowTest::addTakesTheFirstCaseFromThePanel() {
    CAppHarness h;
    h.Type(IDC_TITLE, QStringLiteral("第1擁壁"));
    h.Type(IDC_H1, QStringLiteral("150"));
    h.Type(IDC_L2, QStringLiteral("12.5"));
    h.Press(ID_DATA_ADD);

    QCOMPARE(h.Doc().GetCaseCount(), 1);
    const CRTData& rt = *h.Doc().GetCase(0);
    QCOMPARE(Wide(rt.m_strTitle), QStringLiteral("第1擁壁"));
    QCOMPARE(rt.m_H1, 1.5);
    QCOMPARE(rt.m_L2, 0.125);
    QCOMPARE(h.Label(), QStringLiteral("    1 /     1"));
    QVERIFY(h.Doc().IsModified());
    QVERIFY(h.Frame().Splitter().ActiveView()->ShowsSheet());
    QVERIFY(h.Frame().Action(ID_EDIT_COPY)->isEnabled());
    QVERIFY(h.Panel().Button(ID_DATA_RECALC)->isEnabled());

    // A second add copies the stored case, not the panel's unapplied edits.
    h.Type(IDC_H1, QStringLiteral("200"));
    h.Press(ID_DATA_ADD);
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Doc().GetCase(1)->m_H1, 1.5);
    QCOMPARE(h.Label(), QStringLiteral("    2 /     2"));
    QCOMPARE(h.Text(IDC_H1), QStringLiteral("200"));
}

void MainWindowTest::recalcReadsThePanelIntoTheCurrentCase() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Doc().SetModifiedFlag(false);
    h.Type(IDC_L2, QStringLiteral("120"));
    h.Type(IDC_PITCH_TOE, QStringLiteral("150mm"));
    h.Press(ID_DATA_RECALC);
    QCOMPARE(h.Doc().GetCase(0)->m_L2, 1.2);
    QCOMPARE(h.Doc().GetCase(0)->m_nPitch[1], 150);
    QVERIFY(h.Doc().IsModified());
    QVERIFY(h.messages.shown.empty());

    // The φ box converts the field to KA and back.
    QTest::mouseClick(qobject_cast<QAbstractButton*>(h.Panel().Control(IDC_PHI_CHECK)),
                      Qt::LeftButton);
    QCOMPARE(h.Text(IDC_PHI_LABEL), QStringLiteral("土圧係数(KA)"));
    QCOMPARE(h.Text(IDC_PHI), QStringLiteral("0.333"));
}

void MainWindowTest::recalcWithInvalidValuesShowsTheMessage() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Doc().SetModifiedFlag(false);
    h.Type(IDC_H1, QStringLiteral("abc"));
    h.Press(ID_DATA_RECALC);
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(Wide(h.messages.shown[0].text), QStringLiteral("擁壁高さが０以下である\n"));
    QCOMPARE(Wide(h.messages.shown[0].caption), QStringLiteral("TARVO"));
    QCOMPARE(h.messages.shown[0].icon, MessageIcon::Warning);
    // The case keeps what was read; the document is not marked modified.
    QCOMPARE(h.Doc().GetCase(0)->m_H1, 0.0);
    QVERIFY(!h.Doc().IsModified());
}

void MainWindowTest::enterInAFieldAddsACase() {
    CAppHarness h;
    auto* edit = qobject_cast<QLineEdit*>(h.Panel().Control(IDC_T1));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.Doc().GetCaseCount(), 1);
}

void MainWindowTest::acceleratorsFollowTheTableOrder() {
    CAppHarness h;
    auto* edit = qobject_cast<QLineEdit*>(h.Panel().Control(IDC_H1));
    edit->setFocus();
    // Ctrl+A adds a case even in a text field, where it would otherwise select the text.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.Doc().GetCaseCount(), 1);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    // F2 steps back, F3 forward.
    QTest::keyClick(edit, Qt::Key_F2);
    QCOMPARE(h.Label(), QStringLiteral("    1 /     2"));
    QTest::keyClick(edit, Qt::Key_F3);
    QCOMPARE(h.Label(), QStringLiteral("    2 /     2"));
    // F1 shows the picture; copy is then disabled although there are cases.
    QTest::keyClick(edit, Qt::Key_F1);
    QVERIFY(h.Doc().m_bShowManual);
    QVERIFY(!h.Frame().Action(ID_EDIT_COPY)->isEnabled());
    // F5 reads the panel into the current case.
    h.Type(IDC_L1, QStringLiteral("45"));
    QTest::keyClick(edit, Qt::Key_F5);
    QCOMPARE(h.Doc().GetCase(1)->m_L1, 0.45);
    // Ctrl+O opens a file: the first entry of the key wins over "詳細設定".
    QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(h.files.opens, 1);
    // Ctrl+C in a text field copies the field's text, not the sheet.
    QGuiApplication::clipboard()->clear();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), edit->text());
}

void MainWindowTest::deleteAsksFirst() {
    CAppHarness h;
    for (int i = 0; i < 3; ++i)
        h.Press(ID_DATA_ADD);
    h.Press(ID_DATA_PREV); // case 2 of 3
    h.messages.answer = MessageAnswer::No;
    h.Frame().Action(ID_DATA_DELETE)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 3);
    QCOMPARE(h.messages.shown.back().icon, MessageIcon::Question);
    QCOMPARE(Wide(h.messages.shown.back().text),
             QStringLiteral("現在表示されているデータを削除します"));
    h.messages.answer = MessageAnswer::Yes;
    h.Frame().Action(ID_DATA_DELETE)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Label(), QStringLiteral("    2 /     2"));
}

void MainWindowTest::copyPutsTheSheetTextOnTheClipboard() {
    CAppHarness h;
    h.Type(IDC_TITLE, QStringLiteral("複写試験"));
    h.Press(ID_DATA_ADD);
    QGuiApplication::clipboard()->clear();
    h.Frame().Splitter().ActiveView()->setFocus();
    QTest::keyClick(h.Frame().Splitter().ActiveView(), Qt::Key_C, Qt::ControlModifier);

    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.startsWith(QStringLiteral("複写試験")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QVERIFY(text.count(QStringLiteral("\r\n")) > 50);
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
    QCOMPARE(text, Wide(h.Doc().GetCase(0)->m_strSheet));
}

void MainWindowTest::saveAndOpenRoundTrip() {
    CAppHarness h;
    h.Type(IDC_TITLE, QStringLiteral("保存試験"));
    h.Type(IDC_H1, QStringLiteral("180"));
    h.Press(ID_DATA_ADD);
    h.Press(ID_DATA_ADD);
    h.Type(IDC_H1, QStringLiteral("210"));
    h.Press(ID_DATA_RECALC);
    h.Press(ID_DATA_PREV);

    const QString path = h.TempFile(QStringLiteral("壁.tarvo"));
    h.files.saveName = path;
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    QCOMPARE(h.files.proposals, std::vector<QString>{QStringLiteral("無題.tarvo")});
    QVERIFY(QFile::exists(path));
    QVERIFY(!h.Doc().IsModified());
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("壁.tarvo - TARVO"));
    // The recent file, shortened to 30 characters in the menu.
    const QString recent = h.Frame().Action(ID_FILE_MRU_FILE1)->text();
    QVERIFY2(recent.startsWith(QStringLiteral("&1 /...")) &&
                 recent.endsWith(QStringLiteral("/壁.tarvo")),
             qPrintable(recent));
    QVERIFY(recent.size() <= 3 + 30);

    h.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 0);
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("無題 - TARVO"));

    h.files.openName = path;
    h.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Doc().GetCase(0)->m_H1, 1.8);
    QCOMPARE(h.Doc().GetCase(1)->m_H1, 2.1);
    QCOMPARE(Wide(h.Doc().GetCase(1)->m_strTitle), QStringLiteral("保存試験"));
    // The stored current case is the first; the panel shows it.
    QCOMPARE(h.Label(), QStringLiteral("    1 /     2"));
    QCOMPARE(h.Text(IDC_H1), QStringLiteral("180"));
    QVERIFY(h.Frame().Splitter().ActiveView()->ShowsSheet());

    // A file dropped on the window opens as "開く" does.
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(500, 400), Qt::CopyAction, &dropped, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&h.Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(500, 400), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.Frame(), &drop);
    QCOMPARE(h.Doc().GetCaseCount(), 2);

    // A file that cannot be read is reported; the document stays as it was.
    QFile broken(h.TempFile(QStringLiteral("broken.tarvo")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a case file");
    broken.close();
    h.files.openName = broken.fileName();
    h.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("壁.tarvo - TARVO"));
}

void MainWindowTest::saveQuestionBeforeNewDocument() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.messages.saveAnswer = SaveAnswer::Cancel;
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(h.messages.saveQuestions,
             std::vector<std::wstring>{QStringLiteral("%1 への変更を保存しますか?")
                                           .arg(QStringLiteral("無題"))
                                           .toStdWString()});
    QCOMPARE(h.Doc().GetCaseCount(), 1);

    // Yes saves first; a cancelled save dialog cancels the new document too.
    h.messages.saveAnswer = SaveAnswer::Save;
    h.files.saveName.clear();
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 1);

    h.files.saveName = h.TempFile(QStringLiteral("new.tarvo"));
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QVERIFY(QFile::exists(h.files.saveName));
    QCOMPARE(h.Doc().GetCaseCount(), 0);
    QCOMPARE(h.Label(), QStringLiteral("    0 /     0"));
}

void MainWindowTest::exitWritesTheRecentFiles() {
    QString settings;
    QString path;
    {
        CAppHarness h;
        h.Press(ID_DATA_ADD);
        path = h.TempFile(QStringLiteral("recent.tarvo"));
        h.files.saveName = path;
        h.Frame().Action(ID_FILE_SAVE_AS)->trigger();
        h.Frame().Action(ID_APP_EXIT)->trigger();
        QVERIFY(!h.Frame().isVisible());
        QFile file(h.SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(file.readAll());
    }
    QVERIFY2(settings.contains(QStringLiteral("[Recent File List]\nFile1=") + path + "\n"),
             qPrintable(settings));
    QVERIFY2(settings.contains(QStringLiteral("[Settings]\nPreviewPages=0\n")),
             qPrintable(settings));
}

void MainWindowTest::fileOnTheCommandLineFillsThePanel() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("start.tarvo"));
    {
        CAppHarness h;
        h.Type(IDC_H1, QStringLiteral("333"));
        h.Press(ID_DATA_ADD);
        h.files.saveName = path;
        h.Frame().Action(ID_FILE_SAVE)->trigger();
    }
    CAppHarness h(QStringList{path});
    QCOMPARE(h.Doc().GetCaseCount(), 1);
    QCOMPARE(h.Text(IDC_H1), QStringLiteral("333"));
    QCOMPARE(h.Label(), QStringLiteral("    1 /     1"));
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("start.tarvo - TARVO"));

    CAppHarness missing(QStringList{dir.filePath(QStringLiteral("none.tarvo"))});
    QCOMPARE(missing.startUp, CTARVOApp::StartUp::Failed);
    QCOMPARE(missing.messages.shown.size(), size_t(1));
}

void MainWindowTest::splitGivesFourPanes() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    CViewSplitter& splitter = h.Frame().Splitter();
    QCOMPARE(splitter.Views().size(), size_t(1));
    splitter.ActiveView()->ScrollTo(QPoint(0, 400));
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    const std::vector<CTARVOView*> views = splitter.Views();
    QCOMPARE(views.size(), size_t(4));
    for (CTARVOView* view : views)
        QVERIFY(view->ShowsSheet());

    // F6 moves the focus from pane to pane, Shift+F6 back.
    views[0]->setFocus();
    QTest::keyClick(views[0], Qt::Key_F6);
    QCOMPARE(splitter.ActiveView(), views[1]);
    QTest::keyClick(views[1], Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(splitter.ActiveView(), views[0]);

    // Splitting again keeps the active pane alone.
    views[0]->ScrollTo(QPoint(0, 300));
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    QCOMPARE(splitter.Views(), std::vector<CTARVOView*>{views[0]});
    QCOMPARE(views[0]->ScrollPosition(), QPoint(0, 300));
    QCOMPARE(h.Label(), QStringLiteral("    1 /     1"));
}

void MainWindowTest::dragScrollsTheSheet() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    CTARVOView* view = h.Frame().Splitter().ActiveView();
    QWidget* area = view->viewport();
    QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);
    // The sheet follows the mouse: dragging up by 120 scrolls down by 120.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(200, 300));
    QCOMPARE(area->cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(area, QPoint(200, 180));
    QCOMPARE(view->ScrollPosition(), QPoint(0, 120));
    // Beyond the top the scroll stops at 0.
    QTest::mouseMove(area, QPoint(260, 500));
    QCOMPARE(view->ScrollPosition(), QPoint(0, 0));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(260, 500));
    QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);
    // The scroll area ends at 2500 pixels.
    view->ScrollTo(QPoint(0, 100000));
    QCOMPARE(view->ScrollPosition().y(), 2500 - area->height());
}

void MainWindowTest::pictures() {
    CAppHarness h;
    const QImage start = Snapshot(h.Frame(), QStringLiteral("main-picture"));
    CTARVOView* view = h.Frame().Splitter().ActiveView();
    const QRect viewRect(view->mapTo(&h.Frame(), QPoint(0, 0)), view->viewport()->size());
    QVERIFY(Ink(start, viewRect) > 0.02); // the explanation picture is drawn

    h.Press(ID_DATA_ADD);
    const QImage sheet = Snapshot(h.Frame(), QStringLiteral("main-sheet"));
    QVERIFY(Ink(sheet, viewRect) > 0.02);
    QVERIFY(sheet != start);
    const QRect panelRect(h.Panel().mapTo(&h.Frame(), QPoint(0, 0)), h.Panel().size());
    QVERIFY(panelRect.right() < viewRect.left());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
