// The dialogs worked as a user works them: the detail settings dialog with its checks and its
// automatic options, the data edit dialog with reordering, print marks and deletion, the
// message boxes with their captions, icons and buttons, and the about box.
#include "AppHarness.h"
#include "app/CommandTable.h"
#include "app/EditDlg.h"
#include "app/MainFrame.h"
#include "app/OptionDlg.h"
#include "app/SheetView.h"
#include "app/ViewSplitter.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QString Wide(const std::wstring& text) {
    return QString::fromStdWString(text);
}

void SetField(COptionDlg& dialog, int id, const QString& text) {
    dialog.Controls().SetText(id, text.toStdWString());
}

void SavePicture(QWidget& widget, const QString& name) {
    QDir().mkpath(QStringLiteral("screenshots"));
    widget.grab().save(QStringLiteral("screenshots/") + name + QStringLiteral(".png"));
}

QStringList ListTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void detailDialogKeepsOutOfRangeValuesOut();
    void detailDialogAutomaticOptions();
    void detailDialogCancelLeavesTheCase();
    void detailDialogSeismicGroup();
    void editDialogReordersUnmarksAndDeletes();
    void editDialogCancelKeepsTheCases();
    void messageBoxes();
    void aboutBox();
};

void DialogsTest::detailDialogKeepsOutOfRangeValuesOut() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Doc().SetModifiedFlag(false);
    bool openAfterRangeFault = false;
    bool openAfterTextFault = false;
    QWidget* focusAfterFault = nullptr;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        SavePicture(*dialog, QStringLiteral("detail-settings"));
        SetField(*dialog, IDC_GAMMA_C, QStringLiteral("1000"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        openAfterRangeFault = dialog->isVisible();
        focusAfterFault = QApplication::focusWidget();

        SetField(*dialog, IDC_GAMMA_C, QStringLiteral("25"));
        SetField(*dialog, IDC_FS_SLIDING, QStringLiteral("abc"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        openAfterTextFault = dialog->isVisible();

        SetField(*dialog, IDC_FS_SLIDING, QStringLiteral("1.2x"));
        SetField(*dialog, IDC_DT_WALL, QStringLiteral("5"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_DETAIL)->trigger();

    QVERIFY(openAfterRangeFault);
    QVERIFY(openAfterTextFault);
    QVERIFY(focusAfterFault != nullptr);
    QCOMPARE(h.messages.shown.size(), size_t(2));
    QCOMPARE(Wide(h.messages.shown[0].text),
             QStringLiteral("%1 から %2 までの数字を入力してください。")
                 .replace(QStringLiteral("%1"), QStringLiteral("0"))
                 .replace(QStringLiteral("%2"), QStringLiteral("999")));
    QCOMPARE(h.messages.shown[0].icon, MessageIcon::Warning);
    QCOMPARE(Wide(h.messages.shown[1].text), QStringLiteral("数字を入力してください。"));
    const CRTData& rt = *h.Doc().GetCase(0);
    QCOMPARE(rt.m_gammaC, 25.0);
    QCOMPARE(rt.m_FsSlidingLimit, 1.2);
    QCOMPARE(rt.m_dtWall, 0.05);
    QVERIFY(h.Doc().IsModified());
}

void DialogsTest::detailDialogAutomaticOptions() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    // Drawing the sheet computes δw = 2/3 φ for the default case; δ and θw stay as entered.
    h.Frame().Splitter().ActiveView()->viewport()->repaint();
    bool deltaWEnabled = true;
    bool deltaEnabled = false;
    bool deltaWEnabledAfterClear = false;
    QString deltaWShown;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        deltaWEnabled = dialog->Control(IDC_DELTA_W)->isEnabled();
        deltaEnabled = dialog->Control(IDC_DELTA)->isEnabled();
        deltaWShown = Wide(dialog->Controls().GetText(IDC_DELTA_W));
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->Control(IDC_CHECK_DELTA_W)),
                          Qt::LeftButton);
        deltaWEnabledAfterClear = dialog->Control(IDC_DELTA_W)->isEnabled();
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_DETAIL)->trigger();
    QVERIFY(!deltaWEnabled);
    QVERIFY(deltaEnabled);
    QVERIFY2(qAbs(deltaWShown.toDouble() - 20) <= 0.01, qPrintable(deltaWShown));
    QVERIFY(deltaWEnabledAfterClear);
    QCOMPARE(h.Doc().GetCase(0)->m_bDeltaWTwoThirdsPhi, 0);
}

void DialogsTest::detailDialogCancelLeavesTheCase() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Doc().SetModifiedFlag(false);
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        SetField(*dialog, IDC_GAMMA_C, QStringLiteral("30"));
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    });
    h.Press(ID_DATA_DETAIL);
    QCOMPARE(h.Doc().GetCase(0)->m_gammaC, 24.0);
    QVERIFY(!h.Doc().IsModified());
}

// The group 地震時 below the other rows: its labels in order, a range checked on OK with the
// dialog's message, the values reaching the case; without an entered friction angle its fields
// are disabled and a note says why.
void DialogsTest::detailDialogSeismicGroup() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    QStringList labels;
    bool enabled = false;
    bool openAfterRangeFault = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        auto* group = dialog->findChild<QGroupBox*>();
        QVERIFY(group != nullptr);
        QCOMPARE(group->title(), QStringLiteral("地震時"));
        for (QLabel* label : group->findChildren<QLabel*>())
            labels << label->text();
        enabled = dialog->Control(IDC_KH1)->isEnabled();
        QVERIFY(group->isAncestorOf(dialog->Control(IDC_RU)));
        SetField(*dialog, IDC_KH1, QStringLiteral("0.2"));
        SetField(*dialog, IDC_KH2, QStringLiteral("1.5"));
        SavePicture(*dialog, QStringLiteral("detail-settings-seismic"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        openAfterRangeFault = dialog->isVisible();
        SetField(*dialog, IDC_KH2, QStringLiteral("0.25"));
        SetField(*dialog, IDC_RU, QStringLiteral("2.5"));
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_DETAIL)->trigger();
    QCOMPARE(labels, (QStringList{QStringLiteral("中地震時の設計水平震度(kh)"),
                                  QStringLiteral("大地震時の設計水平震度(kh)"),
                                  QStringLiteral("大地震時の転倒安全率の判定値"),
                                  QStringLiteral("大地震時の滑動安全率の判定値"),
                                  QStringLiteral("極限支持力の倍率(対 fe)")}));
    QVERIFY(enabled);
    QVERIFY(openAfterRangeFault);
    QCOMPARE(h.messages.shown.size(), size_t(1));
    QCOMPARE(Wide(h.messages.shown[0].text),
             QStringLiteral("0 から 1 までの数字を入力してください。"));
    const CRTData& rt = *h.Doc().GetCase(0);
    QCOMPARE(rt.m_kh1, 0.2);
    QCOMPARE(rt.m_kh2, 0.25);
    QCOMPARE(rt.m_ru, 2.5);

    h.Doc().GetCase(0)->m_bPhiInput = 0;
    bool disabled = false;
    QStringList notes;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<COptionDlg*>(modal);
        QVERIFY(dialog != nullptr);
        disabled = !dialog->Control(IDC_KH1)->isEnabled() && !dialog->Control(IDC_RU)->isEnabled();
        for (QLabel* label : dialog->findChild<QGroupBox*>()->findChildren<QLabel*>())
            notes << label->text();
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_DETAIL)->trigger();
    QVERIFY(disabled);
    QVERIFY(
        notes.contains(QStringLiteral("地震時の検討は内部摩擦角(φ)を入力した場合に行います。")));
}

void DialogsTest::editDialogReordersUnmarksAndDeletes() {
    CAppHarness h;
    for (const char* title : {"A", "B", "C", "D"}) {
        h.Type(IDC_TITLE, QString::fromLatin1(title));
        h.Press(ID_DATA_ADD);
        h.Press(ID_DATA_RECALC);
    }
    h.Press(ID_DATA_PREV);
    h.Press(ID_DATA_PREV); // case 2 of 4
    h.Doc().SetModifiedFlag(false);

    QStringList opened;
    QStringList beforeOk;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CEditDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QListWidget* list = dialog->List();
        opened = ListTexts(*list);
        SavePicture(*dialog, QStringLiteral("data-edit"));
        // "上へ" on nothing selected and on the top entry changes nothing.
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton);
        list->setCurrentRow(0);
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton);
        // C up to the top, D down past nothing, B unmarked, A deleted.
        list->setCurrentRow(2);
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton);
        QTest::mouseClick(dialog->Button(IDC_UP), Qt::LeftButton);
        list->setCurrentRow(3);
        QTest::mouseClick(dialog->Button(IDC_DOWN), Qt::LeftButton);
        list->item(2)->setCheckState(Qt::Unchecked);
        list->setCurrentRow(1);
        QTest::mouseClick(dialog->Button(IDC_DELETE), Qt::LeftButton);
        beforeOk = ListTexts(*list);
        QTest::mouseClick(dialog->Button(1), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_EDIT)->trigger();

    QCOMPARE(opened, (QStringList{" 1 A", " 2 B", " 3 C", " 4 D"}));
    QCOMPARE(beforeOk, (QStringList{" 3 C", " 2 B", " 4 D"}));
    QCOMPARE(h.Doc().GetCaseCount(), 3);
    QCOMPARE(Wide(h.Doc().GetCase(0)->m_strTitle), QStringLiteral("C"));
    QCOMPARE(Wide(h.Doc().GetCase(1)->m_strTitle), QStringLiteral("B"));
    QCOMPARE(h.Doc().GetCase(1)->m_bPrint, 0);
    QCOMPARE(h.Doc().GetCase(2)->m_bPrint, 1);
    // The current index keeps its number: B now stands second.
    QCOMPARE(h.Label(), QStringLiteral("    2 /     3"));
    QCOMPARE(h.Text(IDC_TITLE), QStringLiteral("B"));
    QVERIFY(h.Doc().IsModified());

    // The cleared mark shows again; "全選択" sets every mark.
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CEditDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->List()->item(1)->checkState(), Qt::Unchecked);
        QTest::mouseClick(dialog->Button(IDC_CHECK_ALL), Qt::LeftButton);
        QTest::mouseClick(dialog->Button(1), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_EDIT)->trigger();
    QCOMPARE(h.Doc().GetPrintPageCount(), 6);
}

void DialogsTest::editDialogCancelKeepsTheCases() {
    CAppHarness h;
    h.Press(ID_DATA_ADD);
    h.Press(ID_DATA_ADD);
    h.Doc().SetModifiedFlag(false);
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CEditDlg*>(modal);
        QVERIFY(dialog != nullptr);
        QTest::mouseClick(dialog->Button(IDC_UNCHECK_ALL), Qt::LeftButton);
        dialog->List()->setCurrentRow(0);
        QTest::mouseClick(dialog->Button(IDC_DELETE), Qt::LeftButton);
        QTest::mouseClick(dialog->Button(2), Qt::LeftButton);
    });
    h.Frame().Action(ID_DATA_EDIT)->trigger();
    QCOMPARE(h.Doc().GetCaseCount(), 2);
    QCOMPARE(h.Doc().GetPrintPageCount(), 4);
    QVERIFY(!h.Doc().IsModified());
}

void DialogsTest::messageBoxes() {
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    auto answerNextBox = [](Seen& seen, QMessageBox::StandardButton press) {
        WhenModal([&seen, press](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            if (press == QMessageBox::Escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press)->click();
        });
    };
    CQtMessageSink sink;

    Seen warning;
    answerNextBox(warning, QMessageBox::Ok);
    QCOMPARE(sink.Show(L"TARVO", L"一行目\n二行目", MessageIcon::Warning, MessageButtons::Ok),
             MessageAnswer::Ok);
    QCOMPARE(warning.title, QStringLiteral("TARVO"));
    QCOMPARE(warning.text, QStringLiteral("一行目\n二行目"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    Seen question;
    answerNextBox(question, QMessageBox::Yes);
    QCOMPARE(sink.Show(L"TARVO", L"?", MessageIcon::Question, MessageButtons::YesNo),
             MessageAnswer::Yes);
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(question, QMessageBox::Escape);
    QCOMPARE(sink.Show(L"TARVO", L"?", MessageIcon::Question, MessageButtons::YesNo),
             MessageAnswer::No);

    Seen save;
    answerNextBox(save, QMessageBox::No);
    QCOMPARE(sink.AskSave(L"保存?"), SaveAnswer::Discard);
    QCOMPARE(save.title, QStringLiteral("TARVO"));
    QCOMPARE(save.icon, QMessageBox::Question);
    QCOMPARE(save.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    answerNextBox(save, QMessageBox::Escape);
    QCOMPARE(sink.AskSave(L"保存?"), SaveAnswer::Cancel);
}

void DialogsTest::aboutBox() {
    CAppHarness h;
    QString title;
    QStringList texts;
    bool closedByEnter = false;
    WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        for (QLabel* label : modal->findChildren<QLabel*>())
            texts << label->text();
        SavePicture(*modal, QStringLiteral("about"));
        QTest::keyClick(modal, Qt::Key_Return);
        closedByEnter = !modal->isVisible();
    });
    h.Frame().Action(ID_APP_ABOUT)->trigger();
    QCOMPARE(title, QStringLiteral("バージョン情報 TARVO"));
    QVERIFY(texts.contains(QStringLiteral("Tarvo Version 1.03")));
    QVERIFY(texts.contains(
        QStringLiteral("本プログラムは利用者さまの自己責任\nにおいてご利用下さい。")));
    QVERIFY(closedByEnter);
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
