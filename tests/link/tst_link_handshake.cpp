// The serial driver's handshake on a scripted port, for the replies a simulator cannot easily time (the
// unit waking only at the last attempt) and the four ways a port fails to open; and the COM numbering.

#include "LinkDoubles.h"
#include "link/CeInterface.h"
#include "link/serial/ComPortMap.h"
#include "platform/MessageLayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TIdentifyResult)
Q_DECLARE_METATYPE(TPortOpenResult)

class TLinkHandshakeTest : public QObject {
    Q_OBJECT
private slots:
    void Handshake_data();
    void Handshake();
    void OpenFailures_data();
    void OpenFailures();
    void ComNumbers();
    void RefusalNamesAGroupOnlyWhenJoiningItHelps_data();
    void RefusalNamesAGroupOnlyWhenJoiningItHelps();
};

void TLinkHandshakeTest::Handshake_data() {
    QTest::addColumn<QList<bool>>("replies"); // each wait in turn: did the awaited text arrive?
    QTest::addColumn<TIdentifyResult>("result");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("waitTicks");
    QTest::newRow("answers at once") << QList<bool>{true, true} << TIdentifyResult::Accepted
                                     << QByteArray("4d"
                                                   "3"
                                                   "4g")
                                     << QString() << QList<int>{5, 10};
    QTest::newRow("answers at the second attempt")
        << QList<bool>{false, true, true} << TIdentifyResult::Accepted
        << QByteArray("4d"
                      "3"
                      "4d"
                      "3"
                      "4g")
        << QString() << QList<int>{5, 5, 10};
    // A unit that wakes only at the last call is not trusted.
    QTest::newRow("colon only at the third attempt")
        << QList<bool>{false, false, true, true} << TIdentifyResult::NoUnit
        << QByteArray("4d"
                      "3"
                      "4d"
                      "3"
                      "4d"
                      "3"
                      "4g")
        << QStringLiteral("Could not communicate with VEK ADA") << QList<int>{5, 5, 5, 10};
}

void TLinkHandshakeTest::Handshake() {
    QFETCH(QList<bool>, replies);
    QFETCH(TIdentifyResult, result);
    QFETCH(QByteArray, wire);
    QFETCH(QString, text);
    QFETCH(QList<int>, waitTicks);
    TRecordingMessages messages;
    TScriptedSerialPort port;
    TCeInterface driver(port);
    port.SetPortNumber(2);
    QCOMPARE(port.Parity, TParity::Odd); // until the handshake opens the port
    port.Replies.assign(replies.begin(), replies.end());
    QCOMPARE(driver.OpenAndIdentify(), result);
    QCOMPARE(port.Parity, TParity::None);
    QCOMPARE(port.Written, wire);
    QCOMPARE(QList<int>(port.WaitTicks.begin(), port.WaitTicks.end()), waitTicks);
    QCOMPARE(messages.Texts(), text.isEmpty() ? QStringList{} : QStringList{text});
    if (!text.isEmpty()) QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::OkHelp);
    QVERIFY(port.IsOpen()); // open whatever the result
}

void TLinkHandshakeTest::OpenFailures_data() {
    QTest::addColumn<TPortOpenResult>("failure");
    QTest::addColumn<QString>("group"); // of the device node, for a refused user
    QTest::addColumn<QString>("text");
    QTest::newRow("does not exist") << TPortOpenResult::DoesNotExist << ""
                                    << "Com port 7 does not exist";
    QTest::newRow("hardware error") << TPortOpenResult::HardwareError << ""
                                    << "Com port 7 hardware error";
    QTest::newRow("in use") << TPortOpenResult::InUse << ""
                            << "Com port 7 in use by another program";
    QTest::newRow("any other failure") << TPortOpenResult::OtherFailure << ""
                                       << "Unable to open Com port 7";
    // A user outside the port's group is told the group and the command that cures it.
    QTest::newRow("refused, not in dialout")
        << TPortOpenResult::AccessDenied << "dialout"
        << "Com port 7 cannot be opened: you may not use /dev/ttyUSB0, which belongs to the group "
           "\"dialout\".\n"
           "To join the group, run:\n    sudo adduser student dialout\nthen log out and log in again.";
    QTest::newRow("refused, group unknown") << TPortOpenResult::AccessDenied << ""
                                            << "Com port 7 cannot be opened: you may not use /dev/ttyUSB0. "
                                               "Ask the administrator of this computer "
                                               "for access to it.";
}

void TLinkHandshakeTest::OpenFailures() {
    QFETCH(TPortOpenResult, failure);
    QFETCH(QString, group);
    QFETCH(QString, text);
    TRecordingMessages messages;
    TScriptedSerialPort port;
    TCeInterface driver(port);
    port.SetPortNumber(7);
    port.OpenResult = failure;
    if (failure == TPortOpenResult::AccessDenied)
        port.Denied = {QStringLiteral("/dev/ttyUSB0"), group, QStringLiteral("student")};
    QCOMPARE(driver.OpenAndIdentify(), TIdentifyResult::PortFailed);
    QCOMPARE(messages.Texts(), QStringList{text});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Warning);
    QVERIFY(port.Written.isEmpty());
}

void TLinkHandshakeTest::ComNumbers() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/settings/");
    const QString dev = dir.path() + QStringLiteral("/dev");
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(dev + QStringLiteral("/serial/by-id")));
    auto touch = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly);
    };
    // Two adapters known by id, one more without an id.
    QVERIFY(touch(dev + "/ttyUSB0") && touch(dev + "/ttyUSB1") && touch(dev + "/ttyACM0"));
    QVERIFY(QFile::link(dev + "/ttyUSB1", dev + "/serial/by-id/usb-A-port0"));
    QVERIFY(QFile::link(dev + "/ttyUSB0", dev + "/serial/by-id/usb-B-port0"));
    // Overrides: a link, and a text file holding a path.
    QVERIFY(QFile::link(QStringLiteral("/dev/pts/77"), folder + "com9"));
    QFile text(folder + "COM12");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("/dev/ttyXR3\n");
    text.close();
    // An override also wins over an on-board port.
    QVERIFY(QFile::link(QStringLiteral("/dev/pts/5"), folder + "com2"));

    const TComPortMap map(folder, dev);
    QCOMPARE(map.DevicePath(1), dev + "/ttyS0");
    QCOMPARE(map.DevicePath(2), QStringLiteral("/dev/pts/5"));
    QCOMPARE(map.DevicePath(4), dev + "/ttyS3");
    QCOMPARE(map.DevicePath(5), dev + "/serial/by-id/usb-A-port0");
    QCOMPARE(map.DevicePath(6), dev + "/serial/by-id/usb-B-port0");
    QCOMPARE(map.DevicePath(7), dev + "/ttyACM0");
    QCOMPARE(map.DevicePath(8), QString());
    QCOMPARE(map.DevicePath(9), QStringLiteral("/dev/pts/77"));
    QCOMPARE(map.DevicePath(12), QStringLiteral("/dev/ttyXR3"));
    QCOMPARE(map.DevicePath(0), QString());
    QCOMPARE(map.DevicePath(51), QString());
}

// A node of mode 600 root:root was once answered with "sudo adduser student root": a group is named only when
// it may read and write the node; otherwise the user learns who owns it.
void TLinkHandshakeTest::RefusalNamesAGroupOnlyWhenJoiningItHelps_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("groupMayReadWrite");
    QTest::addColumn<QString>("text");
    QTest::newRow("crw-rw---- root:dialout")
        << "dialout" << true
        << "Com port 4 cannot be opened: you may not use /dev/ttyS0, which belongs to the group "
           "\"dialout\".\n"
           "To join the group, run:\n    sudo adduser student dialout\nthen log out and log in again.";
    QTest::newRow("crw------- root:root")
        << "root" << false
        << "Com port 4 cannot be opened: /dev/ttyS0 is not accessible to this user; it belongs to \"root\" "
           "and no group may use it. Ask the administrator of this computer for access to it.";
    QTest::newRow("crw-r----- root:dialout (the group may only read)")
        << "dialout" << false
        << "Com port 4 cannot be opened: /dev/ttyS0 is not accessible to this user; it belongs to \"root\" "
           "and no group may use it. Ask the administrator of this computer for access to it.";
}

void TLinkHandshakeTest::RefusalNamesAGroupOnlyWhenJoiningItHelps() {
    QFETCH(QString, group);
    QFETCH(bool, groupMayReadWrite);
    QFETCH(QString, text);
    TRecordingMessages messages;
    TScriptedSerialPort port;
    TCeInterface driver(port);
    port.SetPortNumber(4);
    port.OpenResult = TPortOpenResult::AccessDenied;
    port.Denied = DescribeDeniedAccess(QStringLiteral("/dev/ttyS0"), QStringLiteral("root"), group,
                                       groupMayReadWrite, QStringLiteral("student"));
    QCOMPARE(driver.OpenAndIdentify(), TIdentifyResult::PortFailed);
    QCOMPARE(messages.Texts(), QStringList{text});
}

QTEST_APPLESS_MAIN(TLinkHandshakeTest)
#include "tst_link_handshake.moc"
