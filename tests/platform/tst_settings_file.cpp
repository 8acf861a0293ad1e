// The settings file: what a write keeps (other sections, comments, their places) and drops (garbage), how
// the text is read, and where a write goes when the file's place holds something else: only a regular file
// of the user's, directly or through a link, is written; anything else is left exactly as it was, and
// nothing is made outside the settings folder.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "OrdinaryUser.h"
#include "SmallDisk.h"
#include "platform/SettingsFile.h"

namespace {

// What the link manager writes when the user chooses COM3 and USB only.
const QList<TSettingsValue> Choice = {{QStringLiteral("Communiations"), QStringLiteral("SerialPort"), "3"},
                                      {QStringLiteral("Communiations"), QStringLiteral("USBOnly"), "True"}};

// Everything lstat() and the contents say about one name.
struct TState {
    mode_t Mode = 0; // type and permission bits; 0: nothing there
    uid_t Owner = 0;
    dev_t Device = 0;
    QByteArray Target; // a link's
    QByteArray Bytes;  // a regular file's
    bool operator==(const TState&) const = default;
};

TState StateOf(const QString& path) {
    TState state;
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) return state;
    state.Mode = status.st_mode;
    state.Owner = status.st_uid;
    state.Device = status.st_rdev;
    if (S_ISLNK(status.st_mode)) {
        char target[4096];
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        state.Target = QByteArray(target, int(std::max<ssize_t>(length, 0)));
    } else if (S_ISREG(status.st_mode)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) state.Bytes = file.readAll();
    }
    return state;
}

// Every name in a folder with its state.
QMap<QString, TState> FolderState(const QString& folder) {
    QMap<QString, TState> states;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        states.insert(name, StateOf(dir.filePath(name)));
    return states;
}

// A literal's bytes, NULs included.
template <std::size_t N> QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, qsizetype(N - 1));
}

void Write(const QString& path, const QByteArray& bytes, mode_t mode = 0644) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

void Link(const QString& target, const QString& path) {
    QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
}

} // namespace

class TSettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    // A settings file of its real size on a disk that fills: the write says it failed and the file is
    // unchanged (a writer that only flushes at its close would empty it and report success).
    void FullDiskKeepsTheFile() {
        TSmallDisk disk;
        QVERIFY(disk.Valid());
        const QString path = disk.Path(QStringLiteral("FerrantSettings.ini"));
        QCOMPARE(WriteSettingsValues(
                     path, {{QStringLiteral("Communiations"), QStringLiteral("ComPort"), QStringLiteral("3")},
                            {QStringLiteral("LabTools"), QStringLiteral("Enabled"), QStringLiteral("True")}}),
                 TSettingsWrite::Written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        disk.Fill();
        const TSettingsWrite result = WriteSettingsValues(
            path, {{QStringLiteral("LabTools"), QStringLiteral("Window"), QString(300, QLatin1Char('w'))}});
        disk.Unfill();
        QCOMPARE(result, TSettingsWrite::Failed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // The link manager's choice written into files of various contents.
    void Update_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty") << QByteArray() << QByteArray("[Communiations]\nSerialPort=3\nUSBOnly=True\n");
        QTest::newRow("other sections, comments and blank lines stay in place")
            << QByteArray("; Ferrant Demo\n[LabTools]\nEnabled=True\n\n[Communiations]\nSerialPort=1\n"
                          "# chosen in the lab\nUSBOnly=False\n\n[Other]\n  A = b  \n")
            << QByteArray("; Ferrant Demo\n[LabTools]\nEnabled=True\n\n[Communiations]\nSerialPort=3\n"
                          "# chosen in the lab\nUSBOnly=True\n\n[Other]\n  A = b  \n");
        QTest::newRow("a missing key joins its section")
            << QByteArray("[Communiations]\nSerialPort=1\n\n[LabTools]\nEnabled=True\n")
            << QByteArray("[Communiations]\nSerialPort=3\nUSBOnly=True\n\n[LabTools]\nEnabled=True\n");
        QTest::newRow("a missing section goes at the end")
            << QByteArray("[LabTools]\nEnabled=True\n")
            << QByteArray("[LabTools]\nEnabled=True\n\n[Communiations]\nSerialPort=3\nUSBOnly=True\n");
        QTest::newRow("a section spelled otherwise is another one")
            << QByteArray("[Communications]\nSerialPort=7\n")
            << QByteArray("[Communications]\nSerialPort=7\n\n[Communiations]\nSerialPort=3\nUSBOnly=True\n");
        QTest::newRow("garbage goes: binary bytes, a line that is no setting")
            << Bytes("\x00\x01\xfe[[=\n[LabTools]\nEnabled=True\nnot a setting\n[Communiations]\n"
                     "SerialPort=COM\xff\x01\n\xff\n")
            << QByteArray("[LabTools]\nEnabled=True\n[Communiations]\nSerialPort=3\nUSBOnly=True\n");
        QTest::newRow("a repeated key: the last is set, the others go")
            << QByteArray("[Communiations]\nSerialPort=1\nUSBOnly=False\nSerialPort=2\n")
            << QByteArray("[Communiations]\nUSBOnly=True\nSerialPort=3\n");
        QTest::newRow("CR LF lines and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Communiations]\r\nSerialPort=1\r\n[LabTools]\r\nEnabled=True")
            << QByteArray("[Communiations]\nSerialPort=3\nUSBOnly=True\n[LabTools]\nEnabled=True\n");
    }
    void Update() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TSettingsText text = TSettingsText::Parse(before);
        for (const TSettingsValue& value : Choice)
            text.SetValue(value.Section, value.Key, value.Value);
        QCOMPARE(text.Text(), after);
        // Written again, nothing moves.
        QCOMPARE(TSettingsText::Parse(after).Text(), after);
    }

    void Values_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // null: none
        QTest::newRow("the last of a repeated key") << QByteArray("[S]\nK=1\nK=2\n") << "S"
                                                    << "K"
                                                    << "2";
        QTest::newRow("trimmed, then unquoted") << QByteArray("[S]\n  K =  \" a b \"  \n") << "S"
                                                << "K"
                                                << " a b ";
        QTest::newRow("a section met twice") << QByteArray("[S]\nK=1\n[T]\nK=9\n[S]\nJ=2\n") << "S"
                                             << "K"
                                             << "1";
        QTest::newRow("another section's key") << QByteArray("[T]\nK=1\n") << "S"
                                               << "K" << QString();
        QTest::newRow("a key before any section") << QByteArray("K=1\n[S]\n") << "S"
                                                  << "K" << QString();
        QTest::newRow("names are case-sensitive") << QByteArray("[s]\nk=1\n") << "S"
                                                  << "K" << QString();
        QTest::newRow("a line with a control byte is garbage") << QByteArray("[S]\nK=1\x01\n") << "S"
                                                               << "K" << QString();
        QTest::newRow("an empty value") << QByteArray("[S]\nK=\n") << "S"
                                        << "K"
                                        << "";
        QTest::newRow("an empty value in quotes") << QByteArray("[S]\nK=\"\"\n") << "S"
                                                  << "K"
                                                  << "";
        QTest::newRow("a lone quote is the value") << QByteArray("[S]\nK=\"\n") << "S"
                                                   << "K"
                                                   << "\"";
        QTest::newRow("quotes inside stay") << QByteArray("[S]\nK=\"a\"b\"\n") << "S"
                                            << "K"
                                            << "a\"b";
    }
    void Values() {
        QFETCH(QByteArray, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const std::optional<QString> read = TSettingsText::Parse(text).Value(section, key);
        QCOMPARE(read.has_value(), !value.isNull());
        if (read) QCOMPARE(*read, value);
    }

    // The settings file's place in the folder holds something; elsewhere/ stands for everything outside
    // the settings folder.
    void WhereAWriteGoes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing yet, not even the folder") << "nothing" << true;
        QTest::newRow("a file of the user's") << "file" << true;
        QTest::newRow("a link to a file of the user's") << "link to file" << true;
        QTest::newRow("a file made read-only") << "read-only file" << false;
        QTest::newRow("a link to a file made read-only") << "link to read-only file" << false;
        QTest::newRow("a file of another user") << "other user's file" << false;
        QTest::newRow("a link to a file of another user") << "link to other user's file" << false;
        QTest::newRow("a link to a device") << "link to device" << false;
        QTest::newRow("a link to a pipe") << "link to pipe" << false;
        QTest::newRow("a pipe") << "pipe" << false;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("a dangling link") << "dangling link" << false;
        QTest::newRow("a file over the bound") << "huge file" << false;
    }
    void WhereAWriteGoes() {
        QFETCH(QString, kind);
        QFETCH(bool, written);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("settings"));
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        const QString path = folder + QStringLiteral("/FerrantSettings.ini");
        const QString target = elsewhere + QStringLiteral("/ferrant.ini");
        const QByteArray name = QFile::encodeName(path);
        const QByteArray kept("; kept\n[LabTools]\nEnabled=True\n[Communiations]\nSerialPort=1\n");
        QVERIFY(QDir().mkpath(elsewhere));
        if (kind != QLatin1String("nothing")) QVERIFY(QDir().mkpath(folder));
        const bool asRoot = ::geteuid() == 0;
        if (kind.contains(QLatin1String("other user's")) && !asRoot)
            QSKIP("giving a file to another user needs root (the CI runs as root)");

        if (kind == QLatin1String("file")) {
            Write(path, kept, 0640);
        } else if (kind == QLatin1String("read-only file")) {
            Write(path, kept, 0444);
        } else if (kind == QLatin1String("other user's file")) {
            Write(path, kept, 0666);
            QCOMPARE(::chown(name.constData(), NobodyUid, NobodyGid), 0);
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == QLatin1String("huge file")) {
            Write(path, kept);
            QVERIFY(QFile(path).resize(LargestSettingsFile + 1));
        } else if (kind.startsWith(QLatin1String("link to")) || kind == QLatin1String("dangling link")) {
            Link(target, path);
            const QByteArray targetName = QFile::encodeName(target);
            if (kind == QLatin1String("link to file")) {
                Write(target, kept, 0600);
            } else if (kind == QLatin1String("link to read-only file")) {
                Write(target, kept, 0400);
            } else if (kind == QLatin1String("link to other user's file")) {
                Write(target, kept, 0666);
                QCOMPARE(::chown(targetName.constData(), NobodyUid, NobodyGid), 0);
            } else if (kind == QLatin1String("link to pipe")) {
                QCOMPARE(::mkfifo(targetName.constData(), 0600), 0);
            } else if (kind == QLatin1String("link to device")) {
                // A device of our own making (the null device's numbers), never a system one: replaced by a
                // faulty write, /dev/null would break the machine.
                if (::mknod(targetName.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
                    if (asRoot) QSKIP("no device node can be made here (no CAP_MKNOD)");
                    QVERIFY(QFile::remove(path)); // an ordinary user cannot replace /dev/null
                    Link(QStringLiteral("/dev/null"), path);
                }
            }
        }
        const QMap<QString, TState> folderBefore = FolderState(folder);
        const QMap<QString, TState> elsewhereBefore = FolderState(elsewhere);

        // Reading never waits on a pipe or reads a device: anything but a regular file within the bound
        // reads as empty. A regular file is read whoever owns it.
        const bool readable = kind.endsWith(QLatin1String("file")) && kind != QLatin1String("huge file");
        QCOMPARE(ReadSettingsText(path).Value("LabTools", "Enabled").has_value(), readable);

        const TSettingsWrite result = WriteSettingsValues(path, Choice);
        QCOMPARE(result, written ? TSettingsWrite::Written : TSettingsWrite::Refused);
        if (!written) {
            QCOMPARE(FolderState(folder), folderBefore);
            QCOMPARE(FolderState(elsewhere), elsewhereBefore);
            return;
        }

        // Written: the user's other settings are kept, the file's mode too, and a link stays a link.
        const bool throughLink = kind == QLatin1String("link to file");
        const QString file = throughLink ? target : path;
        const TState after = StateOf(file);
        QVERIFY(S_ISREG(after.Mode));
        QCOMPARE(after.Owner, ::geteuid());
        const QByteArray expected = kind == QLatin1String("nothing")
                                        ? QByteArray("[Communiations]\nSerialPort=3\nUSBOnly=True\n")
                                        : QByteArray("; kept\n[LabTools]\nEnabled=True\n[Communiations]\n"
                                                     "SerialPort=3\nUSBOnly=True\n");
        QCOMPARE(after.Bytes, expected);
        if (kind == QLatin1String("file")) QCOMPARE(after.Mode & 07777, mode_t(0640));
        if (throughLink) {
            QCOMPARE(after.Mode & 07777, mode_t(0600));
            QCOMPARE(StateOf(path), folderBefore.value(QStringLiteral("FerrantSettings.ini")));
            QCOMPARE(FolderState(elsewhere).keys(), elsewhereBefore.keys()); // no file left beside it
        } else {
            QCOMPARE(FolderState(folder).keys(), QStringList{QStringLiteral("FerrantSettings.ini")});
            QCOMPARE(FolderState(elsewhere), elsewhereBefore);
        }
    }

    // File modes speak for an ordinary user too: in a folder of theirs, a read-only file is refused and a
    // file of theirs written; a folder they may not write fails without a trace.
    void AsAnOrdinaryUser() {
        QTemporaryDir root;
        const QString mine = root.filePath(QStringLiteral("FerrantSettings.ini"));
        const QString readOnly = root.filePath(QStringLiteral("ReadOnly.ini"));
        Write(mine, "[LabTools]\nEnabled=True\n", 0644);
        Write(readOnly, "[LabTools]\nEnabled=True\n", 0444);
        const QString locked = root.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        TOrdinaryUser user({root.path(), mine, readOnly, locked});
        QCOMPARE(WriteSettingsValues(mine, Choice), TSettingsWrite::Written);
        QCOMPARE(WriteSettingsValues(readOnly, Choice), TSettingsWrite::Refused);
        QCOMPARE(StateOf(readOnly).Bytes, QByteArray("[LabTools]\nEnabled=True\n"));
        QCOMPARE(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
        QCOMPARE(WriteSettingsValues(locked + QStringLiteral("/FerrantSettings.ini"), Choice),
                 TSettingsWrite::Failed);
        QVERIFY(QDir(locked).isEmpty());
        QCOMPARE(::chmod(QFile::encodeName(locked).constData(), 0755), 0);
    }
};

QTEST_APPLESS_MAIN(TSettingsFileTest)
#include "tst_settings_file.moc"
