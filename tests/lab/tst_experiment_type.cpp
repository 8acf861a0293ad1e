// The experiment file's type on the desktop: the shared MIME database built from our package file maps
// *.ferx to it, and the hidden desktop entry that opens it names the same type and passes the file.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "record/io/ExperimentFile.h"

namespace {
const QString Packaging = QStringLiteral(FERRANT_SOURCE_DIR "/packaging/");
QString Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class TestExperimentType : public QObject {
    Q_OBJECT
private slots:
    void globAndEntryAgree() {
        if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QSKIP("update-mime-database (shared-mime-info) is needed");
        QTemporaryDir mime;
        QVERIFY(QDir(mime.path()).mkpath(QStringLiteral("packages")));
        QVERIFY(QFile::copy(Packaging + QStringLiteral("example.korvex.FerrantDemo.mime.xml"),
                            mime.filePath(QStringLiteral("packages/ferrant.xml"))));
        QProcess update;
        update.start(QStringLiteral("update-mime-database"), {mime.path()});
        QVERIFY(update.waitForFinished(30000));
        QCOMPARE(update.exitCode(), 0);
        QVERIFY(
            Read(mime.filePath(QStringLiteral("globs2")))
                .contains(QStringLiteral("application/x-ferrant-experiment:*.") + ExperimentFileExtension));
        QVERIFY(Read(mime.filePath(QStringLiteral("subclasses")))
                    .contains(QStringLiteral("application/x-ferrant-experiment application/json")));

        const QString entry = Packaging + QStringLiteral("example.korvex.FerrantDemo.Experiment.desktop");
        const QString text = Read(entry);
        QVERIFY(text.contains(QStringLiteral("\nMimeType=application/x-ferrant-experiment;\n")));
        QVERIFY(text.contains(QStringLiteral("\nExec=ferrant-demo --open %f\n")));
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"), {entry});
            QVERIFY(validate.waitForFinished(30000));
            QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestExperimentType)
#include "tst_experiment_type.moc"
