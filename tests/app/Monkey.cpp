// The desktop program under random use: commands, keys and panel edits with hostile text, on
// the offscreen platform, with every message box and dialog answered at random as it opens.
// The program must neither crash nor stop a command with an exception, and at every check and
// at the end a save and a reload must give the same cases back. Run by scripts/monkey.
//
//   tarvo_monkey [STEPS] [SEED]
//
// Prints the counts of what it did and ends with 0 when every check held, 1 otherwise.
#include "AppHarness.h"
#include "app/CommandTable.h"
#include "app/GuardedApplication.h"
#include "app/InputPanel.h"
#include "app/MainFrame.h"
#include "app/PreviewPane.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Texts no field expects: empty, huge, control characters, lone surrogates, numbers beyond
// any range, format directives, full-width and right-to-left characters.
std::vector<QString> HostileTexts() {
    std::vector<QString> texts = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("0"),
        QStringLiteral("-0"),
        QStringLiteral("1e308"),
        QStringLiteral("-1e-320"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("99999999999999999999999"),
        QStringLiteral("4294967423"),
        QStringLiteral("0x1p-1074"),
        QStringLiteral("%s%n%ls%99999d"),
        QStringLiteral("１２．５"),
        QStringLiteral("D10+D13"),
        QStringLiteral("D13+D10+D16"),
        QStringLiteral("擁壁　　テスト"),
        QStringLiteral("\u202Eevil\u202C"),
        QStringLiteral("😀🏗️"),
        QStringLiteral("a\tb\r\nc\n"),
        QStringLiteral("\\\\?\\C:\\CON"),
    };
    texts.push_back(QString(1, QChar(0xD800)) + QStringLiteral("x") + QChar(0xDFFF));
    texts.push_back(QString(QChar(0)) + QStringLiteral("nul"));
    texts.push_back(QString(300, QChar(0x64F6)));
    texts.push_back(QString(20000, QLatin1Char('9')));
    return texts;
}

const int kPanelFields[] = {IDC_TITLE,      IDC_H1,        IDC_H2,        IDC_D1,      IDC_D2,
                            IDC_ALPHA,      IDC_T1,        IDC_T2,        IDC_T3,      IDC_L1,
                            IDC_L2,         IDC_FC,        IDC_Q,         IDC_MU,      IDC_PHI,
                            IDC_GAMMA_S,    IDC_FE,        IDC_BAR_WALL,  IDC_BAR_TOE, IDC_BAR_HEEL,
                            IDC_PITCH_WALL, IDC_PITCH_TOE, IDC_PITCH_HEEL};

// Commands that would end the run, or print on a real printer.
bool LeftOut(int id) {
    return id == ID_APP_EXIT || id == ID_FILE_PRINT;
}

std::vector<int> MonkeyCommands() {
    std::vector<int> ids;
    for (const CMenuDef& menu : MenuBar()) {
        for (const CMenuItem& item : menu.items) {
            if (item.id != 0 && !LeftOut(item.id))
                ids.push_back(item.id);
        }
    }
    // The panel's buttons as well; adding and recalculating carry the panel's hostile text
    // into the cases, so they come up more often than the rest.
    for (int id : {ID_DATA_ADD, ID_DATA_RECALC, ID_DATA_DELETE, ID_DATA_NEXT, ID_DATA_PREV,
                   ID_DATA_EDIT, ID_DATA_DETAIL, ID_CHECK_PHI})
        ids.push_back(id);
    ids.insert(ids.end(), 8, ID_DATA_ADD);
    ids.insert(ids.end(), 8, ID_DATA_RECALC);
    return ids;
}

class CMonkey {
public:
    CMonkey(CGuardedApplication& application, unsigned seed)
        : m_random(seed), m_texts(HostileTexts()), m_commands(MonkeyCommands()) {
        application.ReportTo(&m_stopped);
        PrepareFiles();
        for (int id : kPanelFields)
            m_defaults[id] = m_app.Text(id);
        // Every modal window is answered as soon as it is the active one.
        QObject::connect(&m_answerer, &QTimer::timeout, [this] { AnswerModal(); });
        m_answerer.start(1);
    }

    int Run(int steps) {
        for (int step = 1; step <= steps; ++step) {
            Step();
            QCoreApplication::processEvents();
            if (step % 500 == 0 && !SaveAndReloadAgree(step))
                ++m_failures;
        }
        if (!SaveAndReloadAgree(steps))
            ++m_failures;
        m_answerer.stop();
        Report(steps);
        return m_failures == 0 && m_stopped.shown.empty() ? 0 : 1;
    }

private:
    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random);
    }
    bool Coin() { return Pick(2) == 0; }

    const QString& Hostile() { return m_texts[Pick(m_texts.size())]; }

    // Files the open and save dialogs hand over: good ones, damaged ones and what is not a
    // case file at all.
    void PrepareFiles() {
        const QString good = m_app.TempFile(QStringLiteral("good.tarvo"));
        const QString garbage = m_app.TempFile(QStringLiteral("garbage.tarvo"));
        std::ofstream(garbage.toStdString(), std::ios::binary) << "\x01\x02garbage\xff\xfe";
        const QString fifo = m_app.TempFile(QStringLiteral("fifo.tarvo"));
        mkfifo(fifo.toLocal8Bit().constData(), 0600);
        m_savePaths = {good,
                       garbage,
                       fifo,
                       m_app.TempFile(QString()),
                       m_app.TempFile(QStringLiteral("missing/none.tarvo")),
                       m_app.TempFile(QStringLiteral("名前　のある.tarvo"))};
        // A device is only ever opened: a save must not be aimed at one, however sure its
        // refusal is.
        m_openPaths = m_savePaths;
        m_openPaths.push_back(QStringLiteral("/dev/zero"));
    }

    void Step() {
        // Answers to the program's own boxes, and the files its dialogs give.
        m_app.messages.answer = Coin() ? MessageAnswer::Yes : MessageAnswer::No;
        m_app.messages.saveAnswer = static_cast<SaveAnswer>(Pick(3));
        m_app.files.openName = Pick(5) == 0 ? QString() : m_openPaths[Pick(m_openPaths.size())];
        m_app.files.saveName = Pick(5) == 0 ? QString() : m_savePaths[Pick(m_savePaths.size())];
        if (m_app.Frame().IsPreviewOpen() && Coin()) {
            // The preview's own buttons; its print button would print.
            ++m_counts["preview buttons"];
            const int index = CPreviewPane::Next + static_cast<int>(Pick(CPreviewPane::Close));
            m_app.Frame().Preview().Action(index)->trigger();
            return;
        }
        switch (Pick(3)) {
        case 0: {
            const int id = m_commands[Pick(m_commands.size())];
            ++m_counts[m_app.Frame().IsCommandEnabled(id) ? "commands" : "disabled commands"];
            m_app.Frame().OnCommand(id);
            break;
        }
        case 1:
            ++m_counts["keys"];
            PressKey();
            break;
        default:
            ++m_counts["panel edits"];
            EditPanel();
            break;
        }
    }

    void PressKey() {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            target = &m_app.Frame();
        const std::vector<CAccelerator>& keys = Accelerators();
        const CAccelerator& accelerator = keys[Pick(keys.size())];
        if (Coin() && !LeftOut(accelerator.command)) {
            const QKeyCombination key = accelerator.key[0];
            QTest::sendKeyEvent(QTest::Click, target, key.key(), QString(),
                                key.keyboardModifiers());
            return;
        }
        static const Qt::Key plain[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
                                        Qt::Key_Escape, Qt::Key_Up,      Qt::Key_Down,
                                        Qt::Key_PageUp, Qt::Key_End,     Qt::Key_Delete,
                                        Qt::Key_A,      Qt::Key_9,       Qt::Key_Minus};
        QTest::sendKeyEvent(QTest::Click, target, plain[Pick(std::size(plain))], QString(),
                            Coin() ? Qt::NoModifier : Qt::ControlModifier);
    }

    // The title takes any text; another field gets hostile text one time in four and
    // otherwise its value of a new case back, so that cases can still be added.
    void EditPanel() {
        const int id = kPanelFields[Pick(std::size(kPanelFields))];
        const QString& text = id == IDC_TITLE || Pick(4) == 0 ? Hostile() : m_defaults[id];
        const bool typeable = std::none_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7F;
        });
        if (text.size() <= 40 && typeable) {
            m_app.Type(id, text);
            return;
        }
        // Long texts and control characters arrive as a paste would bring them.
        QWidget* control = m_app.Panel().Control(id);
        QLineEdit* edit = qobject_cast<QLineEdit*>(control);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            edit = combo->lineEdit();
        if (edit != nullptr)
            edit->setText(text);
    }

    // A message box gets one of its buttons; a dialog gets hostile text in its fields, a
    // flipped check box, and then OK or Cancel.
    void AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        ++m_counts["boxes answered"];
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (!buttons.isEmpty())
                buttons[static_cast<int>(Pick(buttons.size()))]->click();
            else
                box->close();
            return;
        }
        for (QLineEdit* edit : modal->findChildren<QLineEdit*>()) {
            if (Pick(3) == 0)
                edit->setText(Hostile());
        }
        for (QCheckBox* check : modal->findChildren<QCheckBox*>()) {
            if (Pick(4) == 0)
                check->toggle();
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        // A print dialog is never accepted: it would print.
        if (Coin() && !modal->inherits("QAbstractPrintDialog"))
            dialog->accept();
        else
            dialog->reject();
    }

    // Saves the document under a new name, reads the file back, and compares the case lists
    // through their bytes.
    bool SaveAndReloadAgree(int step) {
        CTARVODoc& doc = m_app.Doc();
        const std::vector<std::uint8_t> before = doc.SaveToBytes();
        m_mostCases = std::max(m_mostCases, doc.GetCaseCount());
        const QString path = m_app.TempFile(QStringLiteral("check-%1.tarvo").arg(step));
        ++m_counts["save and reload checks"];
        if (!doc.OnSaveDocument(path.toStdString())) {
            std::printf("step %d: the document could not be saved to %s\n", step,
                        path.toLocal8Bit().constData());
            return false;
        }
        m_app.messages.saveAnswer = SaveAnswer::Discard;
        if (!m_app.App().OpenDocumentFile(path)) {
            std::printf("step %d: the saved file could not be read back\n", step);
            return false;
        }
        if (doc.SaveToBytes() != before) {
            std::printf("step %d: the reloaded cases differ from the saved ones\n", step);
            return false;
        }
        return true;
    }

    void Report(int steps) {
        std::printf("steps: %d\n", steps);
        for (const auto& [what, count] : m_counts)
            std::printf("%s: %d\n", what.c_str(), count);
        std::printf("most cases at a save and reload check: %d\n", m_mostCases);
        std::printf("program's own boxes: %zu\n", m_app.messages.shown.size());
        std::printf("commands stopped by an exception: %zu\n", m_stopped.shown.size());
        std::printf("main window still shown: %s\n", m_app.Frame().isVisible() ? "yes" : "no");
        std::printf("failed checks: %d\n", m_failures);
        std::printf("%s\n", m_failures == 0 && m_stopped.shown.empty() ? "PASS" : "FAIL");
    }

    std::mt19937 m_random;
    std::vector<QString> m_texts;
    std::vector<int> m_commands;
    CRecordingAppMessages m_stopped; // messages of commands stopped by an exception
    CAppHarness m_app;
    QTimer m_answerer;
    std::vector<QString> m_savePaths;
    std::vector<QString> m_openPaths;
    std::map<std::string, int> m_counts;
    std::map<int, QString> m_defaults;
    int m_failures = 0;
    int m_mostCases = 0;
};

} // namespace

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::atoi(argv[1]) : 10000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    CGuardedApplication application(argc, argv);
    CMonkey monkey(application, seed);
    return monkey.Run(steps);
}
