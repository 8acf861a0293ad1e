// The fixed file version record: read back from a built file, absent, damaged, or at the file's very end.
#include <QTemporaryDir>
#include <QtTest>

#include "platform/VersionResource.h"

const void* FerrantVersionRecordAddress();

namespace {

// The parts pass through volatile storage: an optimiser that folded Make() with constant parts would put a
// second valid record into this very executable, ahead of the embedded one.
QByteArray RecordBytes(unsigned major, unsigned minor, unsigned release, unsigned build) {
    volatile unsigned parts[4] = {major, minor, release, build};
    const auto bytes = VersionRecord::Make(parts[0], parts[1], parts[2], parts[3]);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& contents) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class TVersionResourceTest : public QObject {
    Q_OBJECT
private slots:
    void BuiltExecutableCarriesTheProjectVersion() {
        QVERIFY(FerrantVersionRecordAddress() != nullptr);
        // The project is version 1.5.0.0 (root CMakeLists.txt); this test executable embeds it as the
        // program does.
        const TFileVersion version = ReadFileVersion(QCoreApplication::applicationFilePath());
        QCOMPARE(version, (TFileVersion{1, 5, 0, 0}));
        QCOMPARE(VersionText(version), QStringLiteral("1.5.0"));
    }

    void FilesRead_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("release");
        QTest::addColumn<int>("build");
        const QByteArray padding(5000, 'x');
        const QByteArray record = RecordBytes(2, 13, 7, 65535);
        QTest::newRow("record in the middle") << padding + record + padding << 2 << 13 << 7 << 65535;
        QTest::newRow("record ends the file") << padding + record << 2 << 13 << 7 << 65535;
        QTest::newRow("no record") << QByteArray("plain text, no version here\n").repeated(40) << 0 << 0 << 0
                                   << 0;
        QTest::newRow("empty file") << QByteArray() << 0 << 0 << 0 << 0;
        QByteArray damaged = record;
        damaged[20] = char(damaged[20] ^ 0x01); // one bit of the version words: the check word no longer fits
        QTest::newRow("damaged record") << padding + damaged + padding << 0 << 0 << 0 << 0;
        QTest::newRow("record cut short") << padding + record.left(24) << 0 << 0 << 0 << 0;
        // A stray marker before the real record is passed over.
        QTest::newRow("stray marker first")
            << padding + record.left(VersionRecord::MarkerSize) + padding + record << 2 << 13 << 7 << 65535;
    }
    void FilesRead() {
        QFETCH(QByteArray, contents);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, release);
        QFETCH(int, build);
        QTemporaryDir dir;
        const QString path = WriteFile(dir, QStringLiteral("file.bin"), contents);
        const TFileVersion version = ReadFileVersion(path);
        QCOMPARE(version, (TFileVersion{std::uint16_t(major), std::uint16_t(minor), std::uint16_t(release),
                                        std::uint16_t(build)}));
    }

    void MissingFileReadsZero() {
        QCOMPARE(ReadFileVersion(QStringLiteral("/nonexistent/ferrant-demo")), TFileVersion{});
        QCOMPARE(VersionText(TFileVersion{}), QStringLiteral("0.0.0"));
    }

    void VersionTextHasNoLeadingZeros() {
        QCOMPARE(VersionText(TFileVersion{10, 0, 3, 9}), QStringLiteral("10.0.3"));
    }
};

QTEST_GUILESS_MAIN(TVersionResourceTest)
#include "tst_version_resource.moc"
