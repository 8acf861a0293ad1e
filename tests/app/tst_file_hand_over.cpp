// A file handed to the copy of the program that already runs: the socket beside the single-instance lock
// (one line, an answer, bounded in size and time), and with real processes of the program's start-up, a
// second start with "--open FILE" that hands the file over and ends, and the first copy opening it.
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "app/StartUp.h"
#include "platform/FileHandOver.h"
#include "record/io/ExperimentFile.h"

namespace {

// The second start's side runs on a thread of its own: it waits for an answer the listener gives from this
// thread's event loop.
bool HandOverFromAnotherThread(const QString& socket, const QString& file, QSignalSpy* spy) {
    bool handed = false;
    std::thread client([&] { handed = HandFileToRunningCopy(socket, file, 5000); });
    if (spy) spy->wait(5000);
    client.join();
    return handed;
}

// A raw client that connects and sends what it is given, then waits (for the listener to give up on it).
void Misbehave(const QString& socket, const QByteArray& bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socket);
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        (void)::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
    QTest::qWait(50);
    ::close(fd);
}

} // namespace

class TFileHandOverTest : public QObject {
    Q_OBJECT
private slots:
    void handsTheAbsolutePathOver() {
        QTemporaryDir dir;
        const QString socket = HandOverSocketPath(SingleInstanceName, dir.path());
        TFileHandOverListener listener(socket);
        QVERIFY(listener.Listening());
        QSignalSpy spy(&listener, &TFileHandOverListener::FileHandedOver);
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(HandOverFromAnotherThread(socket, QStringLiteral("class 3b/run 1.ferx"), &spy));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toString(), QDir(dir.path()).filePath(QStringLiteral("class 3b/run 1.ferx")));
    }

    void nobodyListening() {
        QTemporaryDir dir;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!HandFileToRunningCopy(HandOverSocketPath(SingleInstanceName, dir.path()),
                                       QStringLiteral("/x.ferx")));
        QVERIFY(clock.elapsed() < 2000);
    }

    void strayClientsAreDroppedAndTheNextIsServed() {
        QTemporaryDir dir;
        const QString socket = HandOverSocketPath(SingleInstanceName, dir.path());
        TFileHandOverListener listener(socket);
        QSignalSpy spy(&listener, &TFileHandOverListener::FileHandedOver);
        // Silent, endless, relative: none of them opens anything or holds the listener.
        Misbehave(socket, QByteArray());
        Misbehave(socket, QByteArray(MaxHandOverBytes + 10, 'x'));
        Misbehave(socket, "relative/path.ferx\n");
        QTest::qWait(1200);
        QCOMPARE(spy.size(), 0);
        QVERIFY(HandOverFromAnotherThread(socket, QStringLiteral("/tmp/next.ferx"), &spy));
        QCOMPARE(spy.size(), 1);
    }

    void leftoverSocketIsReplacedOtherFilesAreNot() {
        QTemporaryDir dir;
        const QString socket = HandOverSocketPath(SingleInstanceName, dir.path());
        // What a killed copy leaves behind: a bound socket nobody listens on.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, QFile::encodeName(socket).constData(), std::size_t(socket.size()));
        QVERIFY(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        ::close(fd);
        TFileHandOverListener next(socket);
        QVERIFY(next.Listening());

        // A user's file at that path is never removed: the copy runs on without a listener.
        QTemporaryDir other;
        const QString file = HandOverSocketPath(SingleInstanceName, other.path());
        QFile keep(file);
        QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("mine") == 4);
        keep.close();
        TFileHandOverListener refused(file);
        QVERIFY(!refused.Listening());
        QVERIFY(keep.open(QIODevice::ReadOnly) && keep.readAll() == "mine");
    }

    // Real processes: the first copy runs; a second one started on an experiment hands it over and ends
    // without its "already running" box; the first opens the experiment (its crash journal then names the
    // file, as an opened experiment's does).
    void secondStartHandsItsFileToTheFirst() {
        QTemporaryDir dir;
        const QString experiment = dir.filePath(QStringLiteral("handed.ferx"));
        TExperimentSetup setup;
        setup.Layout.LeftClamp = true;
        setup.Layout.HangerSlots[60] = {300, false};
        QCOMPARE(SaveExperiment(experiment, setup, {}), QString());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        const QStringList guard = {dir.path(), dir.filePath(QStringLiteral("quit"))};
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(FERRANT_INSTANCE_PROBE), guard);
        QVERIFY(first.waitForStarted());
        QByteArray out;
        while (!out.contains("started") && first.waitForReadyRead(60000))
            out += first.readAllStandardOutput();
        QVERIFY2(out.contains("started"), first.readAllStandardError().constData());

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(FERRANT_INSTANCE_PROBE),
                     guard + QStringList{QStringLiteral("--open"), experiment});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        const QByteArray said = second.readAllStandardError();
        QVERIFY2(!said.contains("already running"), said.constData());

        // The first copy opened it: its journal (in its settings folder) belongs to the file.
        const QString journal = dir.filePath(QStringLiteral("config/Ferrant Demo/experiment-journal.jsonl"));
        auto journalNamesTheFile = [&journal] {
            QFile file(journal);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("handed.ferx");
        };
        QTRY_VERIFY_WITH_TIMEOUT(journalNamesTheFile(), 30000);
        first.kill();
        first.waitForFinished();
    }
};

QTEST_MAIN(TFileHandOverTest)
#include "tst_file_hand_over.moc"
