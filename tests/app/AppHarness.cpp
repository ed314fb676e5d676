#include "AppHarness.h"

#include "app/InputPanel.h"
#include "app/MainFrame.h"
#include "doc/PanelControls.h"
#include "doc/TARVODoc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kModalLimitMs = 5000;

} // namespace

QString CScriptedFileDialogs::GetOpenFileName(QWidget*) {
    ++opens;
    return openName;
}

QString CScriptedFileDialogs::GetSaveFileName(QWidget*, const QString& proposed) {
    proposals.push_back(proposed);
    return saveName;
}

bool CTestClipboard::SetText(const QString& text) {
    if (heldElsewhere)
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

CAppHarness::CAppHarness(const QStringList& arguments, const QByteArray& settings,
                         bool settingsWritable) {
    // The program's fonts and translations, as at its start.
    static const bool uiDefaults = (InstallUiDefaults(), true);
    Q_UNUSED(uiDefaults);
    // The settings file's folder, or a plain file in its place.
    const QString folder = QFileInfo(SettingsPath()).path();
    if (settingsWritable) {
        QDir().mkpath(folder);
    } else {
        QFile blocker(folder);
        if (!blocker.open(QIODevice::WriteOnly))
            qWarning("the settings folder could not be blocked");
    }
    if (!settings.isEmpty()) {
        QFile file(SettingsPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(settings) < 0)
            qWarning("the settings file could not be written");
    }
    m_app = std::make_unique<CTARVOApp>(CAppServices{messages, files, shell, clipboard},
                                        std::filesystem::path(TARVO_BIN_DIR "/"), SettingsPath());
    startUp = m_app->InitInstance(arguments);
    if (startUp == CTARVOApp::StartUp::ShowWindow) {
        Frame().activateWindow();
        if (!QTest::qWaitForWindowActive(&Frame()))
            qWarning("the main window did not become active");
    }
}

CAppHarness::~CAppHarness() = default;

CMainFrame& CAppHarness::Frame() {
    return m_app->MainFrame();
}

CTARVODoc& CAppHarness::Doc() {
    return m_app->Document();
}

CInputPanel& CAppHarness::Panel() {
    return Frame().Panel();
}

void CAppHarness::Type(int controlId, const QString& text) {
    QWidget* control = Panel().Control(controlId);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        edit = combo->lineEdit();
    if (edit == nullptr) {
        qWarning("no field %d on the panel", controlId);
        return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        // QTest names keys for ASCII characters only; any other character arrives as text.
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString CAppHarness::Text(int controlId) {
    return QString::fromStdWString(Panel().Controls().GetText(controlId));
}

void CAppHarness::Press(int commandId) {
    QAbstractButton* button = Panel().Button(commandId);
    if (button == nullptr) {
        qWarning("no button for command %d on the panel", commandId);
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

QString CAppHarness::Label() {
    return Text(IDC_INDEX);
}

void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (waited->elapsed() > kModalLimitMs) {
                poll->deleteLater();
                QTest::qFail("no modal window opened", __FILE__, __LINE__);
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        action(modal);
        QTimer::singleShot(kModalLimitMs, modal, [modal] {
            if (!modal->isVisible())
                return;
            QTest::qFail("a modal window was left open", __FILE__, __LINE__);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
    });
    poll->start(10);
}
