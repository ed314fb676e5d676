// The main window driven as a user drives it: typing into the input panel and pressing its
// buttons, menu items enabled and disabled by the document's rules, the accelerator keys,
// copying the sheet, saving and opening a file, the recent files in the settings file, the
// panes of the view, drag scrolling, and pictures of the window for the eye.
#include "AppHarness.h"
#include "app/CommandTable.h"
#include "app/EditDlg.h"
#include "app/InputPanel.h"
#include "app/KeyStateIndicators.h"
#include "app/MainFrame.h"
#include "app/SheetView.h"
#include "app/SplitTracker.h"
#include "app/ViewSplitter.h"
#include "app/WindowSize.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <algorithm>
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
    void keyStateIndicators();
    void commandsEnabledByTheRules_data();
    void commandsEnabledByTheRules();
    void addTakesTheFirstCaseFromThePanel();
    void recalcReadsThePanelIntoTheCurrentCase();
    void recalcWithInvalidValuesShowsTheMessage();
    void enterInAFieldAddsACase();
    void acceleratorsFollowTheTableOrder();
    void programKeysWinInEveryField_data();
    void programKeysWinInEveryField();
    void titleKeepsTheFirstLineOfAPaste_data();
    void titleKeepsTheFirstLineOfAPaste();
    void panelFontsAndNothingClipped();
    void deleteAsksFirst();
    void copyPutsTheSheetTextOnTheClipboard();
    void copyWithTheClipboardHeldElsewhere();
    void saveAndOpenRoundTrip();
    void saveQuestionBeforeNewDocument();
    void droppedFileOpensAfterTheSaveQuestion();
    void exitWritesTheRecentFiles();
    void fileOnTheCommandLineFillsThePanel();
    void interactiveSplit_data();
    void interactiveSplit();
    void splitBarsByKeysAndRemoval();
    void panesStartAtTheTopLeft();
    void windowFitsTheScreen();
    void fittedWindowSizes_data();
    void fittedWindowSizes();
    void dragScrollsTheSheet();
    void pictures();
};

void MainWindowTest::startsEmptyWithDefaultsAndPicture() {
    CAppHarness h;
    QCOMPARE(h.startUp, CTARVOApp::StartUp::ShowWindow);
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("無題 - TARVO"));
    QCOMPARE(h.Frame().frameGeometry().size(), QSize(1150, 900));
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

void MainWindowTest::keyStateIndicators() {
    CAppHarness h;
    auto* indicators = h.Frame().statusBar()->findChild<CKeyStateIndicators*>();
    QVERIFY(indicators != nullptr);
    QStringList texts;
    for (QLabel* pane : indicators->Panes())
        texts << pane->text();
    QCOMPARE(texts, (QStringList{"CAP", "NUM", "SCRL"}));
    // The offscreen platform reports no key states: the indicators stay grey, also after a key.
    QVERIFY(!ReadKeyStates().known);
    QTest::keyClick(h.Panel().Control(IDC_H1), Qt::Key_CapsLock);
    for (QLabel* pane : indicators->Panes())
        QVERIFY(!pane->isEnabled());
    // Where they are reported, each lights with its key.
    CKeyStates states;
    states.known = true;
    states.caps = true;
    states.scroll = true;
    indicators->Show(states);
    QCOMPARE(indicators->Panes()[0]->isEnabled(), true);
    QCOMPARE(indicators->Panes()[1]->isEnabled(), false);
    QCOMPARE(indicators->Panes()[2]->isEnabled(), true);
    states.known = false;
    indicators->Show(states);
    QVERIFY(!indicators->Panes()[0]->isEnabled());
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

void MainWindowTest::programKeysWinInEveryField_data() {
    QTest::addColumn<int>("control");
    QTest::newRow("edit") << int(IDC_H1);
    QTest::newRow("title") << int(IDC_TITLE);
    QTest::newRow("combo box Fc") << int(IDC_FC);
    QTest::newRow("combo box of a bar") << int(IDC_BAR_WALL);
    QTest::newRow("combo box of a pitch") << int(IDC_PITCH_HEEL);
}

void MainWindowTest::programKeysWinInEveryField() {
    QFETCH(int, control);
    CAppHarness h;
    QWidget* field = h.Panel().Control(control);
    field->setFocus();
    QCOMPARE(QApplication::focusWidget(), field);
    // Ctrl+A adds a case where the field would select its text.
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.Doc().GetCaseCount(), 1);
    // Ctrl+E opens the data edit dialog where the field would move to the end of the line.
    bool editDialog = false;
    WhenModal([&](QWidget* modal) {
        editDialog = qobject_cast<CEditDlg*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(editDialog);
    // Editing keys stay the field's: Ctrl+V pastes into it.
    QGuiApplication::clipboard()->setText(QStringLiteral("25"));
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    edit->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("25"));
}

void MainWindowTest::titleKeepsTheFirstLineOfAPaste_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("one line") << "擁壁" << 2 << "A-1"
                              << "擁壁A-1";
    QTest::newRow("two lines") << "" << 0 << "第1擁壁\n第2擁壁"
                               << "第1擁壁";
    QTest::newRow("CR LF, into the middle") << "XY" << 1 << "ab\r\ncd\r\n"
                                            << "XabY";
    QTest::newRow("line break first") << "XY" << 2 << "\nZ"
                                      << "XY";
    QTest::newRow("unicode line separator") << "" << 0 << QString::fromUtf16(u"A\u2028B") << "A";
}

void MainWindowTest::titleKeepsTheFirstLineOfAPaste() {
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    CAppHarness h;
    auto* title = qobject_cast<QLineEdit*>(h.Panel().Control(IDC_TITLE));
    title->setFocus();
    title->selectAll();
    title->insert(before);
    title->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(title, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(title->text(), after);
}

void MainWindowTest::panelFontsAndNothingClipped() {
    CAppHarness h;
    QCOMPARE(h.Panel().font().pointSize(), 12);
    QVERIFY(QFontInfo(h.Panel().font()).family().contains(QStringLiteral("Gothic")));
    // Every label shows its whole text, and every field its value.
    for (QLabel* label : h.Panel().findChildren<QLabel*>()) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(label->text()));
    }
    for (QComboBox* combo : h.Panel().findChildren<QComboBox*>()) {
        QLineEdit* edit = combo->lineEdit();
        QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width(),
                 qPrintable(edit->text()));
        // Typed numbers stand at the right as in the edits.
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
    for (QAbstractButton* button : h.Panel().findChildren<QAbstractButton*>())
        QVERIFY2(button->width() >= button->sizeHint().width() - 1, qPrintable(button->text()));
    bool aboutTen = false;
    WhenModal([&](QWidget* modal) {
        aboutTen = modal->font().pointSize() == 10;
        qobject_cast<QDialog*>(modal)->accept();
    });
    h.Frame().Action(ID_APP_ABOUT)->trigger();
    QVERIFY(aboutTen);
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

void MainWindowTest::copyWithTheClipboardHeldElsewhere() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    h.clipboard.heldElsewhere = true;
    h.Frame().Action(ID_EDIT_COPY)->trigger();
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(Wide(h.messages.shown[0].text), QStringLiteral("エラー"));
    QCOMPARE(Wide(h.messages.shown[0].caption), QStringLiteral("TARVO"));
    QCOMPARE(h.messages.shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
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

void MainWindowTest::droppedFileOpensAfterTheSaveQuestion() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Press(ID_DATA_ADD);
    const QString path = h.TempFile(QStringLiteral("dropped.tarvo"));
    h.files.saveName = path;
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    h.Frame().Action(ID_FILE_NEW)->trigger();
    h.Press(ID_DATA_ADD); // modified again
    auto drop = [&] {
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(500, 400), Qt::CopyAction, &dropped, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&h.Frame(), &enter);
        QDropEvent event(QPointF(500, 400), Qt::CopyAction, &dropped, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&h.Frame(), &event);
    };
    // Cancelled at the question: the document stays.
    h.messages.saveAnswer = SaveAnswer::Cancel;
    drop();
    QCOMPARE(h.messages.saveQuestions.size(), size_t(1));
    QCOMPARE(h.Doc().GetCaseCount(), 1);
    // Changes discarded: the dropped file opens.
    h.messages.saveAnswer = SaveAnswer::Discard;
    drop();
    QCOMPARE(h.messages.saveQuestions.size(), size_t(2));
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Frame().windowTitle(), QStringLiteral("dropped.tarvo - TARVO"));
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

void MainWindowTest::interactiveSplit_data() {
    QTest::addColumn<QPointF>("at"); // where the bars are placed, as a share of the panes' area
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("2 x 2") << QPointF(0.5, 0.4) << 2 << 2;
    QTest::newRow("1 x 2: row bar at the top edge") << QPointF(0.3, 0.0) << 1 << 2;
    QTest::newRow("1 x 2: row bar at the bottom edge") << QPointF(0.6, 1.0) << 1 << 2;
    QTest::newRow("2 x 1: column bar at the left edge") << QPointF(0.0, 0.5) << 2 << 1;
    QTest::newRow("none: both bars at a corner") << QPointF(1.0, 0.0) << 1 << 1;
}

void MainWindowTest::interactiveSplit() {
    QFETCH(QPointF, at);
    QFETCH(int, rows);
    QFETCH(int, columns);
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    CViewSplitter& splitter = h.Frame().Splitter();
    splitter.ActiveView()->ScrollTo(QPoint(0, 400));
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    CSplitTracker* tracker = splitter.Tracker();
    QVERIFY(tracker != nullptr);
    // The bars start in the middle and follow the mouse until the click.
    QCOMPARE(tracker->Position(), QPoint(splitter.width() / 2, splitter.height() / 2));
    const QPoint target(qRound(at.x() * (splitter.width() - 1)),
                        qRound(at.y() * (splitter.height() - 1)));
    QTest::mouseMove(tracker, target);
    QCOMPARE(tracker->Position(), target);
    QCOMPARE(splitter.Views().size(), size_t(1));
    QTest::mouseClick(tracker, Qt::LeftButton, {}, target);
    QVERIFY(splitter.Tracker() == nullptr);
    QCOMPARE(splitter.Rows(), rows);
    QCOMPARE(splitter.Columns(), columns);
    const std::vector<CTARVOView*> views = splitter.Views();
    QCOMPARE(views.size(), size_t(rows * columns));
    for (CTARVOView* view : views) {
        QVERIFY(view->isVisible());
        QVERIFY(view->ShowsSheet());
        QCOMPARE(view->ScrollPosition(), QPoint(0, 400));
    }
    // The bars stand where they were placed, once the panes are laid out.
    if (columns == 2)
        QTRY_VERIFY(qAbs(views[1]->mapTo(&splitter, QPoint(0, 0)).x() - target.x()) <= 8);
    if (rows == 2)
        QTRY_VERIFY(qAbs(views.back()->mapTo(&splitter, QPoint(0, 0)).y() - target.y()) <= 8);
    QCOMPARE(h.Label(), QStringLiteral("    1 /     1"));
    Snapshot(h.Frame(), QStringLiteral("split-%1x%2").arg(rows).arg(columns));
}

void MainWindowTest::splitBarsByKeysAndRemoval() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    CViewSplitter& splitter = h.Frame().Splitter();
    // Enter places the bars where they stand: 2 x 2 panes.
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    QTest::keyClick(splitter.Tracker(), Qt::Key_Return);
    QCOMPARE(splitter.Views().size(), size_t(4));
    std::vector<CTARVOView*> views = splitter.Views();
    QTRY_VERIFY(views[3]->mapTo(&splitter, QPoint(0, 0)).x() > 0);

    // F6 moves the focus from pane to pane, Shift+F6 back.
    views[0]->setFocus();
    QTest::keyClick(views[0], Qt::Key_F6);
    QCOMPARE(splitter.ActiveView(), views[1]);
    QTest::keyClick(views[1], Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(splitter.ActiveView(), views[0]);
    QTest::keyClick(views[0], Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(splitter.ActiveView(), views[3]);

    // Tracking starts at the bars as they stand; the program's keys are the tracker's
    // meanwhile, and Escape leaves the panes as they were.
    const int columnBar = views[1]->mapTo(&splitter, QPoint(0, 0)).x();
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    CSplitTracker* tracker = splitter.Tracker();
    QVERIFY(qAbs(tracker->Position().x() - columnBar) <= 8);
    const QPoint start = tracker->Position();
    QTest::keyClick(tracker, Qt::Key_Right);
    QTest::keyClick(tracker, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(tracker->Position(), start + QPoint(16, 1));
    QTest::keyClick(tracker, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.Doc().GetCaseCount(), 1);
    QTest::keyClick(tracker, Qt::Key_Escape);
    QVERIFY(splitter.Tracker() == nullptr);
    QCOMPARE(splitter.Views(), views);

    // The column bar moved to the left edge with the arrow keys goes: 2 x 1, the active pane
    // kept.
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    for (int i = 0; i < splitter.width() / 16 + 1; ++i)
        QTest::keyClick(splitter.Tracker(), Qt::Key_Left);
    QTest::keyClick(splitter.Tracker(), Qt::Key_Enter);
    QCOMPARE(splitter.Rows(), 2);
    QCOMPARE(splitter.Columns(), 1);
    const std::vector<CTARVOView*> left = splitter.Views();
    QVERIFY(std::count(left.begin(), left.end(), views[3]) == 1);

    // The row bar dragged to the bottom edge goes too.
    QSplitterHandle* rowBar = nullptr;
    for (QSplitterHandle* handle : splitter.findChildren<QSplitterHandle*>())
        if (handle->orientation() == Qt::Vertical && handle->isVisible())
            rowBar = handle;
    QVERIFY(rowBar != nullptr);
    const QPoint grip = rowBar->rect().center();
    QTest::mousePress(rowBar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(rowBar, grip + QPoint(0, splitter.height()));
    QTest::mouseRelease(rowBar, Qt::LeftButton, {}, grip + QPoint(0, splitter.height()));
    QTRY_COMPARE(splitter.Views().size(), size_t(1));
    QVERIFY(!splitter.IsSplit());
    QVERIFY(splitter.ActiveView()->isVisible());
}

void MainWindowTest::panesStartAtTheTopLeft() {
    CAppHarness h;
    h.Type(IDC_TITLE, QStringLiteral("A"));
    h.Press(ID_DATA_ADD);
    h.Press(ID_DATA_ADD);
    h.Type(IDC_TITLE, QStringLiteral("B"));
    h.Press(ID_DATA_RECALC);
    CViewSplitter& splitter = h.Frame().Splitter();
    h.Frame().Action(ID_WINDOW_SPLIT)->trigger();
    QTest::keyClick(splitter.Tracker(), Qt::Key_Return);
    auto scrollAll = [&] {
        for (CTARVOView* view : splitter.Views())
            view->ScrollTo(QPoint(120, 700));
    };
    auto allAtOrigin = [&] {
        for (CTARVOView* view : splitter.Views())
            if (view->ScrollPosition() != QPoint(0, 0))
                return false;
        return true;
    };

    // A data edit that leaves the current case in its place keeps the scroll positions; one
    // that brings another case there starts at the top left.
    scrollAll();
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    h.Frame().Action(ID_DATA_EDIT)->trigger();
    QCOMPARE(splitter.Views().front()->ScrollPosition(), QPoint(120, 700));
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CEditDlg*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->List()->setCurrentRow(1);
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton); // "上へ"
        QTest::mouseClick(dialog->Button(1), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_EDIT)->trigger();
    QVERIFY(allAtOrigin());

    const QString path = h.TempFile(QStringLiteral("scroll.tarvo"));
    h.files.saveName = path;
    h.Frame().Action(ID_FILE_SAVE)->trigger();
    scrollAll();
    h.Frame().Action(ID_FILE_NEW)->trigger();
    QVERIFY(allAtOrigin());
    h.Press(ID_DATA_ADD);
    scrollAll();
    h.files.openName = path;
    h.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QVERIFY(allAtOrigin());
}

void MainWindowTest::windowFitsTheScreen() {
    // Run on screens larger and smaller than the window.
    CAppHarness h;
    const QRect available = h.Frame().screen()->availableGeometry();
    const QRect outer = h.Frame().frameGeometry();
    QCOMPARE(outer.size(), QSize(1150, 900).boundedTo(available.size()));
    QVERIFY(available.contains(outer));
    QStatusBar* status = h.Frame().statusBar();
    QVERIFY(status->isVisible());
    QVERIFY(available.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
    // The panel scrolls rather than being cut off at the bottom.
    QVERIFY(h.Panel().height() <= h.Frame().height());
}

void MainWindowTest::fittedWindowSizes_data() {
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("client");
    QTest::newRow("large screen, no frame") << QSize(1600, 1200) << QMargins() << QSize(1150, 900);
    QTest::newRow("large screen, frame")
        << QSize(1920, 1080) << QMargins(4, 30, 4, 4) << QSize(1142, 866);
    // 1600 x 1200 at 150 %: 1066 x 800 device-independent pixels less a panel of 40.
    QTest::newRow("scaled small screen")
        << QSize(1066, 760) << QMargins(4, 30, 4, 4) << QSize(1058, 726);
    QTest::newRow("too short only") << QSize(1280, 720) << QMargins() << QSize(1150, 720);
    QTest::newRow("smaller than its frame") << QSize(6, 20) << QMargins(4, 30, 4, 4) << QSize(1, 1);
}

void MainWindowTest::fittedWindowSizes() {
    QFETCH(QSize, available);
    QFETCH(QMargins, frame);
    QFETCH(QSize, client);
    QCOMPARE(FittedClientSize(QSize(1150, 900), available, frame), client);
    // A window that reaches beyond the area moves back into it, its corner first.
    const QRect area(QPoint(0, 40), available);
    const QRect outer(QPoint(300, 500), client.grownBy(frame));
    const QPoint at = FittedOuterPosition(outer, area);
    QVERIFY(area.contains(at));
    if (outer.width() <= area.width() && outer.height() <= area.height())
        QVERIFY(area.contains(QRect(at, outer.size())));
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
