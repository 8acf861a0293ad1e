// The installed program: `cmake --install` into a temporary prefix gives a program that starts from
// PREFIX/bin with its pictures found, the simulator, and desktop files that the desktop's own validators
// accept; the installed program, started on a headless X server, maps its launcher with its icon.
#include <QDate>
#include <QDirIterator>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/JpegFile.h"
#include "resources/artwork/ModuleTitles.h"

namespace {

const QString Id = QStringLiteral(FERRANT_APPLICATION_ID);

struct TRun {
    int ExitCode = -1;
    QString Output;
};

TRun Run(const QString& program, const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    TRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.Output = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return run;
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Output = QString::fromLocal8Bit(process.readAll());
    return run;
}

QString Text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A headless X server on a display of its own, for as long as the object lives.
class TXvfb {
public:
    TXvfb() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) return;
        int fds[2];
        if (::pipe(fds) != 0) return;
        // Xvfb writes the display number to the descriptor once it accepts clients.
        Server.setChildProcessModifier([fds] { ::close(fds[0]); });
        Server.start(xvfb, {QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp")});
        ::close(fds[1]);
        QFile number;
        if (Server.waitForStarted(30000) &&
            number.open(fds[0], QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
            const QByteArray line = number.readLine().trimmed();
            if (!line.isEmpty()) Display = QStringLiteral(":") + QString::fromLatin1(line);
        } else {
            ::close(fds[0]);
        }
    }
    ~TXvfb() {
        Server.terminate();
        if (!Server.waitForFinished(10000)) Server.kill();
        Server.waitForFinished();
    }
    QString Display; // empty when no server could be started
    QProcess Server;
};

} // namespace

class TInstallTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir Prefix;
    QString Path(const QString& relative) const { return Prefix.filePath(relative); }

private slots:
    void initTestCase() {
        QVERIFY(Prefix.isValid());
        const TRun install = Run(QStringLiteral(FERRANT_CMAKE_COMMAND),
                                 {QStringLiteral("--install"), QStringLiteral(FERRANT_BUILD_DIR),
                                  QStringLiteral("--prefix"), Prefix.path()});
        QVERIFY2(install.ExitCode == 0, qPrintable(install.Output));
    }

    // bin/ferrant-demo leads to the real program, whose folder holds every module picture (the program
    // looks for them beside its own file); each decodes as the viewer would decode it.
    void ProgramAndPictures() {
        const QFileInfo program(Path(QStringLiteral("bin/ferrant-demo")));
        QVERIFY(program.exists());
        QVERIFY(program.isExecutable());
        const QDir folder = QFileInfo(program.canonicalFilePath()).dir();
        QVERIFY2(folder != QDir(Path(QStringLiteral("bin"))), "pictures would land in bin/");
        for (int n = FirstModule; n <= LastModule; ++n) {
            const TJpegResult picture = LoadJpegFile(folder.filePath(QStringLiteral("VEK%1.JPG").arg(n)));
            QVERIFY2(picture.Ok(), qPrintable(picture.Error));
            QCOMPARE(picture.Image.size(), QSize(ModulePictureWidth, ModulePictureHeight));
        }
        QVERIFY(QFileInfo(Path(QStringLiteral("bin/vek2000-sim"))).isExecutable());
    }

    // The desktop entry, the metainfo and the icon name one another, and the validators accept them.
    void DesktopFiles() {
        const QString entry = Path(QStringLiteral("share/applications/%1.desktop").arg(Id));
        const QString metainfo = Path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(Id));
        QVERIFY(Text(entry).contains(QStringLiteral("\nExec=ferrant-demo\n")));
        QVERIFY(Text(entry).contains(QStringLiteral("\nIcon=%1\n").arg(Id)));
        QVERIFY(Text(entry).contains(QStringLiteral("\nName=Ferrant Demo\n")));
        QVERIFY(
            Text(metainfo).contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop<").arg(Id)));
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QImage icon(
                Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(Id)));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        // The menu and the software centre file the program under the same categories.
        const QRegularExpression categories(QStringLiteral("\nCategories=([^\n]*)\n"));
        QStringList menu =
            categories.match(Text(entry)).captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QStringList centre;
        const QRegularExpression category(QStringLiteral("<category>([^<]*)</category>"));
        for (auto it = category.globalMatch(Text(metainfo)); it.hasNext();)
            centre.append(it.next().captured(1));
        menu.sort();
        centre.sort();
        QVERIFY(!menu.isEmpty());
        QCOMPARE(centre, menu);
        // The release date is the date of the changelog's latest entry, whatever the day of the build.
        const TRun changelog =
            Run(QStringLiteral("zcat"), {Path(QStringLiteral("share/doc/ferrant-demo/changelog.Debian.gz"))});
        const QRegularExpression trailer(QStringLiteral("\n -- [^\n]*>  \\w+, (\\d+ \\w+ \\d+) "));
        const QRegularExpressionMatch dated = trailer.match(changelog.Output);
        QVERIFY2(dated.hasMatch(), qPrintable(changelog.Output));
        const QDate day = QLocale::c().toDate(dated.captured(1), QStringLiteral("d MMM yyyy"));
        QVERIFY(day.isValid());
        QVERIFY2(Text(metainfo).contains(QStringLiteral("date=\"%1\"").arg(day.toString(Qt::ISODate))),
                 qPrintable(Text(metainfo)));
        const TRun desktop = Run(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(desktop.ExitCode == 0, qPrintable(desktop.Output));
        const TRun appstream = Run(QStringLiteral("appstreamcli"),
                                   {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(appstream.ExitCode == 0, qPrintable(appstream.Output));
    }

    // The rule matches the data unit's hidraw node and hands it to the user at the seat, before
    // 73-seat-late.rules acts on the tag.
    void UdevRule() {
        const QString rule = Text(Path(QStringLiteral("lib/udev/rules.d/70-ferrant-demo-vek2000.rules")));
        const QStringList lines = rule.split(QLatin1Char('\n'));
        const auto match = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return !line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty();
        });
        QVERIFY(match != lines.end());
        for (const char* part : {"KERNEL==\"hidraw*\"", "ATTRS{idVendor}==\"1781\"",
                                 "ATTRS{idProduct}==\"07e8\"", "TAG+=\"uaccess\""})
            QVERIFY2(match->contains(QLatin1String(part)), part);
    }

    // Started as the desktop's menu starts it, by the name in PREFIX/bin, the installed program shows its
    // launcher with the version of its own file in the caption, and a click on module 7 shows that module's
    // picture: the viewer, exactly the picture's size, is mapped (a picture not found would give an error
    // box instead).
    void InstalledProgramShowsItsLauncher() {
        TXvfb server;
        QVERIFY2(!server.Display.isEmpty(), "no Xvfb (package xvfb): run scripts/deps.sh");
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("DISPLAY"), server.Display);
        // Its own lock and settings: a copy running on the desktop must not refuse this one.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        const QString caption = QStringLiteral("Ferrant Demo v%1.%2.%3")
                                    .arg(FERRANT_VERSION_MAJOR)
                                    .arg(FERRANT_VERSION_MINOR)
                                    .arg(FERRANT_VERSION_PATCH);
        // Module 7's button: column 1, row 1 of the launcher's grid, at (158, 128), 148 x 107.
        const QString pictureSize = QStringLiteral("%1x%2").arg(ModulePictureWidth).arg(ModulePictureHeight);
        const TRun watch =
            Run(QStringLiteral(FERRANT_MAP_WATCH),
                {QStringLiteral("--title"), caption, QStringLiteral("--settle"), QStringLiteral("100"),
                 QStringLiteral("--click"), QStringLiteral("232,181"), QStringLiteral("--then-size"),
                 pictureSize, Path(QStringLiteral("bin/ferrant-demo"))},
                environment);
        QVERIFY2(watch.ExitCode == 0, qPrintable(watch.Output));
        QVERIFY2(watch.Output.contains(QStringLiteral("title=") + caption), qPrintable(watch.Output));
        QVERIFY2(watch.Output.contains(QStringLiteral("then_ms=")), qPrintable(watch.Output));
        // Both windows carry the program's icon themselves (_NET_WM_ICON), small and large.
        for (const char* key : {" icon=", " then_icon="}) {
            const QRegularExpression sizes(QLatin1String(key) + QStringLiteral("(\\S+)"));
            const QStringList found = sizes.match(watch.Output).captured(1).split(QLatin1Char(','));
            QVERIFY2(found.contains(QStringLiteral("16x16")) && found.contains(QStringLiteral("64x64")),
                     qPrintable(watch.Output));
        }
    }
};

QTEST_MAIN(TInstallTest)
#include "tst_install.moc"
