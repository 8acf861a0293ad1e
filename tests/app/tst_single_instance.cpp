// The single-instance guard: in one process, and with real processes of the program's start-up (a second
// copy is refused with its message; a copy that ended normally or was killed never blocks the next one).
// Whatever a user leaves at the lock's path either still guards or is reported once.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "OrdinaryUser.h"
#include "app/EquipmentSelection.h"
#include "app/StartUp.h"
#include "platform/MessageLayer.h"
#include "platform/SingleInstance.h"

namespace {

using TOutcome = TSingleInstanceGuard::TOutcome;

const QString UnguardedLine = QStringLiteral("Running without the single-instance guard: ");

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

    // What a user (or a mischievous neighbour) may leave at the lock's path, tried as an ordinary user,
    // since file modes do not stop root. The first two still guard; the others cannot be locked, and say why.
    void WhateverIsAtTheLockPath_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<TOutcome>("first");
        QTest::addColumn<TOutcome>("second");
        QTest::addColumn<QString>("reason"); // part of UnguardedReason()
        QTest::newRow("lock file made read-only (chmod 400)")
            << "read-only" << TOutcome::Owned << TOutcome::AlreadyRunning << QString();
        QTest::newRow("a folder") << "folder" << TOutcome::Owned << TOutcome::AlreadyRunning << QString();
        QTest::newRow("lock file made unreadable (chmod 000)")
            << "unreadable" << TOutcome::Unguarded << TOutcome::Unguarded
            << QString::fromLocal8Bit(std::strerror(EACCES));
        QTest::newRow("a link, dangling") << "link" << TOutcome::Unguarded << TOutcome::Unguarded
                                          << QStringLiteral("a symbolic link, not followed");
        QTest::newRow("a pipe") << "pipe" << TOutcome::Unguarded << TOutcome::Unguarded
                                << QStringLiteral("neither a file nor a folder");
    }
    void WhateverIsAtTheLockPath() {
        QFETCH(QString, kind);
        QFETCH(TOutcome, first);
        QFETCH(TOutcome, second);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString lock = dir.filePath(SingleInstanceName + QStringLiteral(".lock"));
        const QByteArray path = QFile::encodeName(lock);
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        if (kind == QLatin1String("read-only") || kind == QLatin1String("unreadable")) {
            QVERIFY(QFile(lock).open(QIODevice::WriteOnly));
            QCOMPARE(::chmod(path.constData(), kind == QLatin1String("read-only") ? 0400 : 0000), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(lock));
        } else if (kind == QLatin1String("link")) {
            QCOMPARE(::symlink(QFile::encodeName(elsewhere).constData(), path.constData()), 0);
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        }

        TOrdinaryUser user({dir.path(), lock});
        {
            TSingleInstanceGuard one(SingleInstanceName, dir.path());
            QCOMPARE(one.Outcome(), first);
            TSingleInstanceGuard two(SingleInstanceName, dir.path());
            QCOMPARE(two.Outcome(), second);
            if (first == TOutcome::Unguarded) {
                QVERIFY2(one.UnguardedReason().contains(reason) && one.UnguardedReason().contains(lock),
                         qPrintable(one.UnguardedReason()));
            } else {
                QVERIFY(one.UnguardedReason().isEmpty());
            }
        }
        // Released, the guard can be taken again; nothing was made at a link's target.
        TSingleInstanceGuard again(SingleInstanceName, dir.path());
        QCOMPARE(again.Outcome(), first);
        QVERIFY(!QFileInfo::exists(elsewhere));
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
        // A guard that let this copy through must fail here, not leave the launcher's loop running.
        options.Started = [&](TEquipmentSelectionForm& launcher) {
            started = true;
            QTimer::singleShot(0, &launcher, &QWidget::close);
        };
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
        QVERIFY2(!WaitStarted(second), "a second copy started beside the first");
        QCOMPARE(second.state(), QProcess::NotRunning); // (WaitStarted waits for its end)
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

    // Where no lock can be had, the program starts and says so once, on its debugger output.
    void UnguardedStartIsReportedOnce() {
        QTemporaryDir dir;
        const QString quitFile = dir.filePath(QStringLiteral("quit"));
        const QString noFolder = dir.filePath(QStringLiteral("no/such/folder"));
        QProcess probe;
        probe.setProgram(QStringLiteral(FERRANT_INSTANCE_PROBE));
        probe.setArguments({noFolder, quitFile});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        probe.setProcessEnvironment(environment);
        probe.start();
        QVERIFY2(probe.waitForStarted(60000), qPrintable(probe.errorString()));
        QVERIFY(WaitStarted(probe)); // (QVERIFY2 would read standard error before it is counted)
        QFile(quitFile).open(QIODevice::WriteOnly);
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(probe.readAllStandardError());
        QCOMPARE(errors.count(UnguardedLine), 1);
        QVERIFY2(errors.contains(noFolder + QStringLiteral("/KV_Ferrant_Demo.lock")), qPrintable(errors));
    }
};

QTEST_MAIN(TSingleInstanceTest)
#include "tst_single_instance.moc"
