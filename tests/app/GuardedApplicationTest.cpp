// An exception leaving an event handler or the start-up stops only that piece of work with a
// message box; the program's event loop goes on.
#include "app/GuardedApplication.h"
#include "AppHarness.h"

#include <QEvent>
#include <QTest>
#include <QTimer>

#include <stdexcept>
#include <vector>

namespace {

// Throws from its event handler for two kinds of event and counts a third.
class CThrowingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::bad_alloc();
        if (e->type() == QEvent::User + 1)
            throw std::runtime_error("damaged");
        if (e->type() == QEvent::User + 2)
            ++handled;
        return QObject::event(e);
    }
    int handled = 0;
};

} // namespace

class GuardedApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void exceptionsStopOneEventWithTheirMessage();
};

void GuardedApplicationTest::exceptionsStopOneEventWithTheirMessage() {
    int argc = 1;
    char name[] = "tarvo";
    char* argv[] = {name, nullptr};
    CGuardedApplication app(argc, argv);
    CRecordingAppMessages messages;
    app.ReportTo(&messages);
    CThrowingObject target;

    QEvent outOfMemory(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&target, &outOfMemory));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 2)));
    // Through the event loop: a timer's slot that throws.
    QTimer::singleShot(0, &target, [] { throw std::runtime_error("in a slot"); });
    QTimer::singleShot(10, &app, &QCoreApplication::quit);
    QCOMPARE(QCoreApplication::exec(), 0);

    QCOMPARE(target.handled, 1);
    const std::vector<std::wstring> expected = {kOutOfMemoryMessage, kUnexpectedErrorMessage,
                                                kUnexpectedErrorMessage};
    QCOMPARE(messages.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QVERIFY(messages.shown[i].text == expected[i]);
        QVERIFY(messages.shown[i].caption == kAppTitle);
        QVERIFY(messages.shown[i].icon == MessageIcon::Warning);
    }

    QVERIFY(!app.Guarded([] { throw std::bad_alloc(); }));
    QVERIFY(app.Guarded([] {}));
    QCOMPARE(messages.shown.size(), std::size_t(4));
}

QTEST_APPLESS_MAIN(GuardedApplicationTest)
#include "GuardedApplicationTest.moc"
