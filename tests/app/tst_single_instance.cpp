// The single-instance guard: in one process, and with real processes of the program's start-up (a second
// copy is refused with its message; a copy that ended normally or was killed never blocks the next one).
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/StartUp.h"
#include "platform/MessageLayer.h"
#include "platform/SingleInstance.h"

namespace {

const QString RefusalLine =
    QStringLiteral("[Application already running] An Instance of this application is already running.");

// Waits (generously: the machine may be loaded) for the probe to report that its launcher is up.
bool WaitStarted(QProcess& process) {
    QByteArray seen;
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (!process.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 1000))) &&
            process.state() == QProcess::NotRunning)
            return false;
        seen += process.readAllStandardOutput();
        if (seen.contains("started")) return true;
    }
    return false;
}

} // namespace

class TSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void GuardInOneProcess() {
        QTemporaryDir dir;
        TSingleInstanceGuard first(SingleInstanceName, dir.path());
        QCOMPARE(first.Outcome(), TSingleInstanceGuard::TOutcome::Owned);
        {
            TSingleInstanceGuard second(SingleInstanceName, dir.path());
            QCOMPARE(second.Outcome(), TSingleInstanceGuard::TOutcome::AlreadyRunning);
        }
        // The refused guard must not have disturbed the owner.
        TSingleInstanceGuard third(SingleInstanceName, dir.path());
        QCOMPARE(third.Outcome(), TSingleInstanceGuard::TOutcome::AlreadyRunning);
        first.Release();
        TSingleInstanceGuard fourth(SingleInstanceName, dir.path());
        QCOMPARE(fourth.Outcome(), TSingleInstanceGuard::TOutcome::Owned);
    }

    void NoGuardWhereNoneCanBeMade() {
        TSingleInstanceGuard guard(SingleInstanceName, QStringLiteral("/nonexistent/ferrant/dir"));
        QCOMPARE(guard.Outcome(), TSingleInstanceGuard::TOutcome::Unguarded);
    }

    void StartUpRefusesASecondCopyWithItsBox() {
        QTemporaryDir dir;
        TSingleInstanceGuard running(SingleInstanceName, dir.path());
        QCOMPARE(running.Outcome(), TSingleInstanceGuard::TOutcome::Owned);
        TRecordingMessages messages;
        TStartupOptions options;
        options.GuardDirectory = dir.path();
        options.ScreenMessages = false;
        bool started = false;
        options.Started = [&](TEquipmentSelectionForm&) { started = true; };
        QCOMPARE(RunFerrantDemo(options), 0);
        QVERIFY(!started);
        QVERIFY(QApplication::topLevelWidgets().isEmpty()); // no window was created
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        const TMessageRequest& box = messages.Shown.front();
        QCOMPARE(box.Caption, QStringLiteral("Application already running"));
        QCOMPARE(box.Text, QStringLiteral("An Instance of this application is already running."));
        QCOMPARE(box.Icon, TMsgIcon::Error);
        QCOMPARE(box.Buttons, TMsgButtons::Ok);
    }

    void RealProcesses() {
        QTemporaryDir dir;
        const QString quitFile = dir.filePath(QStringLiteral("quit"));
        auto probe = [&](QProcess& process) {
            process.setProgram(QStringLiteral(FERRANT_INSTANCE_PROBE));
            process.setArguments({dir.path(), quitFile});
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process.setProcessEnvironment(environment);
            process.start();
            QVERIFY2(process.waitForStarted(60000), qPrintable(process.errorString()));
        };

        // The first copy runs.
        QProcess first;
        probe(first);
        QVERIFY2(WaitStarted(first), first.readAllStandardError().constData());

        // A second copy shows the message and ends without starting.
        QProcess second;
        probe(second);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.readAllStandardOutput().contains("started"));
        QVERIFY2(QString::fromLocal8Bit(second.readAllStandardError()).contains(RefusalLine),
                 "the second copy did not show the refusal");
        QCOMPARE(first.state(), QProcess::Running); // undisturbed

        // The first copy ends the ordinary way (its launcher closes); a new copy starts.
        QFile(quitFile).open(QIODevice::WriteOnly);
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QFile::remove(quitFile);
        QProcess third;
        probe(third);
        QVERIFY2(WaitStarted(third), third.readAllStandardError().constData());

        // Killed, it leaves nothing behind that blocks the next start.
        third.kill();
        QVERIFY(third.waitForFinished(60000));
        QCOMPARE(third.exitStatus(), QProcess::CrashExit);
        QProcess fourth;
        probe(fourth);
        QVERIFY2(WaitStarted(fourth), fourth.readAllStandardError().constData());
        QFile(quitFile).open(QIODevice::WriteOnly);
        QVERIFY(fourth.waitForFinished(60000));
        QCOMPARE(fourth.exitCode(), 0);
    }
};

QTEST_MAIN(TSingleInstanceTest)
#include "tst_single_instance.moc"
