// The laboratory tools' switch in FerrantSettings.ini: what reads as on, and that the link manager's writes
// and ours keep each other's sections.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "LinkRig.h"
#include "record/LabToolsSetting.h"

namespace {

QString WriteFile(const QString& folder, const QByteArray& text) {
    const QString path = folder + QStringLiteral("FerrantSettings.ini");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    f.write(text);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLabToolsSetting : public QObject {
    Q_OBJECT
private slots:
    void ReadsOnlyTrueAsOn_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("on");
        QTest::newRow("True") << QByteArray("[LabTools]\nEnabled=True\n") << true;
        QTest::newRow("False") << QByteArray("[LabTools]\nEnabled=False\n") << false;
        QTest::newRow("lower-case true is damaged") << QByteArray("[LabTools]\nEnabled=true\n") << false;
        QTest::newRow("garbage") << QByteArray("[LabTools]\nEnabled=\x01yes\n") << false;
        QTest::newRow("no key") << QByteArray("[LabTools]\nOther=True\n") << false;
        QTest::newRow("no section") << QByteArray("[Communiations]\nUSBOnly=True\n") << false;
        QTest::newRow("not an ini file") << QByteArray("\xff\xfe\x00garbage[[[") << false;
    }
    void ReadsOnlyTrueAsOn() {
        QFETCH(QByteArray, file);
        QFETCH(bool, on);
        QTemporaryDir dir;
        QCOMPARE(ReadLabToolsEnabled(WriteFile(dir.path() + QLatin1Char('/'), file)), on);
    }

    void MissingFileOrFolderReadsOff() {
        QTemporaryDir dir;
        QVERIFY(!ReadLabToolsEnabled(dir.path() + QStringLiteral("/FerrantSettings.ini")));
        QVERIFY(!ReadLabToolsEnabled(QString()));
        QVERIFY(!WriteLabToolsEnabled(QString(), true));
    }

    // The link manager's own write (the options dialog's OK) keeps the switch; the switch's write keeps the
    // link manager's settings, and both read back.
    void EachWriteKeepsTheOtherSection() {
        TLinkRig rig(10, false);
        rig.Module->SettingsFolder = rig.Folder;
        const QString path = rig.Module->SettingsFilePath();
        QVERIFY(WriteLabToolsEnabled(path, true));
        rig.Module->Comm1().SetPortNumber(6);
        rig.Module->USBOnly = true;
        rig.Module->SaveSettings(true);
        QVERIFY(!rig.Module->SettingsWriteFailed);
        QVERIFY2(ReadLabToolsEnabled(path), ReadFile(path).constData());

        QVERIFY(WriteLabToolsEnabled(path, false));
        QVERIFY(WriteLabToolsEnabled(path, true));
        const QByteArray text = ReadFile(path);
        QVERIFY2(text.contains("[Communiations]") && text.contains("SerialPort=6") &&
                     text.contains("USBOnly=True") && text.contains("[LabTools]") &&
                     text.contains("Enabled=True"),
                 text.constData());
        TLinkRig reader(10, false);
        reader.Module->SettingsFolder = rig.Folder;
        reader.Module->LoadSettings();
        QCOMPARE(reader.Module->ComPortNumber(), 6);
        QVERIFY(reader.Module->USBOnly);
    }

    // The switch goes through the settings file's guarded writer like the link manager's choices: a link in
    // the file's place to something that is not the user's own writable file is left alone, and so is its
    // target; a pipe there reads as off at once instead of waiting for a writer.
    void NeverWrittenThroughAStrayLinkNorHungOnAPipe() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString target = folder + QStringLiteral("elsewhere.txt");
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("keep me\n");
        }
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadUser));
        const QString path = folder + QStringLiteral("FerrantSettings.ini");
        QVERIFY(QFile::link(target, path));
        QVERIFY(!WriteLabToolsEnabled(path, true));
        QCOMPARE(ReadFile(target), QByteArray("keep me\n"));
        QVERIFY(QFileInfo(path).isSymLink());

        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QVERIFY(!ReadLabToolsEnabled(path));
        QVERIFY(!WriteLabToolsEnabled(path, true));
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestLabToolsSetting)
#include "tst_lab_tools_setting.moc"
