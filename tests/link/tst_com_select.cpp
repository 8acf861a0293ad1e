// The communications options dialog, run by the link manager's ShowCommsOptions as the program runs it:
// modal, driven with real clicks and keys from a timer and closed with its own buttons. The port list, the
// USB-only switch, OK and Cancel, the settings file (missing, corrupt, in a read-only folder), a USB unit
// plugged in while the dialog is open, and Connect falling back to the dialog when the port fails.

#include "LinkRig.h"
#include "link/ComSelect.h"
#include "platform/DebugTrace.h"
#include "platform/MessageLayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Acts on the options dialog once it is up; `act` closes it with a button, or the driver cancels it.
class TDialogDriver {
public:
    explicit TDialogDriver(std::function<void(TComSelectFormKV&)> act) : Act(std::move(act)) { Arm(); }
    int Seen = 0;

private:
    void Arm() {
        QTimer::singleShot(10, [this] {
            auto* form = qobject_cast<TComSelectFormKV*>(QApplication::activeModalWidget());
            if (!form) {
                if (++Tries < 500) Arm();
                return;
            }
            ++Seen;
            Act(*form);
            if (form->isVisible()) form->reject();
        });
    }
    std::function<void(TComSelectFormKV&)> Act;
    int Tries = 0;
};

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// Chooses `port` in the list with the arrow keys, as a user does.
void ChoosePort(TComSelectFormKV& form, const QString& port) {
    form.PortsComboBox->setFocus();
    const int target = form.PortsComboBox->findText(port);
    QVERIFY(target >= 0);
    while (form.PortsComboBox->currentIndex() < target)
        QTest::keyClick(form.PortsComboBox, Qt::Key_Down);
    while (form.PortsComboBox->currentIndex() > target)
        QTest::keyClick(form.PortsComboBox, Qt::Key_Up);
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A folder the program may read and not write. Permissions do not stop root, so as root the program runs
// as "nobody" while the folder is read-only.
class TReadOnlyFolder {
public:
    TReadOnlyFolder(const QString& parent, const QString& folder) : Folder(QFile::encodeName(folder)) {
        ::chmod(QFile::encodeName(parent).constData(), 0755);
        ::chmod(Folder.constData(), 0555);
        ::chmod((Folder + "/FerrantSettings.ini").constData(), 0444);
        if (::geteuid() == 0) Dropped = ::seteuid(65534) == 0;
    }
    ~TReadOnlyFolder() {
        if (Dropped && ::seteuid(0) != 0) qFatal("could not become root again");
        ::chmod(Folder.constData(), 0755);
        ::chmod((Folder + "/FerrantSettings.ini").constData(), 0644);
    }

private:
    QByteArray Folder;
    bool Dropped = false;
};

// The link manager with the dialog installed and ports 1 and 3 listed, no unit needed.
struct TOptionsRig : TLinkRig {
    TOptionsRig() : TLinkRig(10, false) {
        InstallCommsOptionsDialog(*Module);
        Ports = {1, 3};
        Module->Comm1().SetPortNumber(1);
    }
    QString SettingsFile() const { return Folder + QStringLiteral("FerrantSettings.ini"); }
    // Opens the dialog, checks USB only and chooses COM3 in it, and presses OK.
    bool ChooseCOM3AndUSBOnly() {
        TDialogDriver driver([](TComSelectFormKV& form) {
            if (form.USBOnlyCheckBox->isChecked()) Click(form.USBOnlyCheckBox); // the list is usable again
            ChoosePort(form, QStringLiteral("COM3"));
            Click(form.USBOnlyCheckBox);
            Click(form.OkBtn);
        });
        return Module->ShowCommsOptions();
    }
};

} // namespace

class TComSelectTest : public QObject {
    Q_OBJECT
private slots:
    void PortList_data();
    void PortList();
    void EveryPortFromCOM1ToCOM50();
    void PortHeldByAnotherProgramIsListed();
    void USBOnlyDisablesTheSerialPart_data();
    void USBOnlyDisablesTheSerialPart();
    void DisabledSerialPartLooksDisabled_data();
    void DisabledSerialPartLooksDisabled();
    void OKMovesTheOpenLinkToCOM3WithNoSettingsFileYet();
    void CancelChangesNothing_data();
    void CancelChangesNothing();
    void SettingsFile_data();
    void SettingsFile();
    void SettingsFileThatIsNoFile_data();
    void SettingsFileThatIsNoFile();
    void PlugWhileTheDialogIsOpen();
    void ConnectOffersTheDialogWhenThePortFails();
    void Picture();
};

void TComSelectTest::PortList_data() {
    QTest::addColumn<std::vector<int>>("ports");
    QTest::addColumn<int>("linkPort");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<bool>("label2Shown");
    QTest::addColumn<bool>("serialEnabled");
    const QString select = QStringLiteral("Select the serial port to be used.");
    QTest::newRow("the link's port is chosen")
        << std::vector<int>{1, 3} << 3 << QStringList{"COM1", "COM3"} << "COM3" << select << false << true;
    QTest::newRow("the link's port is not listed: the first")
        << std::vector<int>{2, 12, 50} << 7 << QStringList{"COM2", "COM12", "COM50"} << "COM2" << select
        << false << true;
    QTest::newRow("no port: USB must be used") << std::vector<int>{} << 1 << QStringList{} << ""
                                               << "No serial port found" << true << false;
}

void TComSelectTest::PortList() {
    QFETCH(std::vector<int>, ports);
    QFETCH(int, linkPort);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    QFETCH(QString, label1);
    QFETCH(bool, label2Shown);
    QFETCH(bool, serialEnabled);
    TOptionsRig rig;
    rig.Ports = ports;
    rig.Module->Comm1().SetPortNumber(linkPort);
    TDialogDriver driver([&](TComSelectFormKV& form) {
        QCOMPARE(form.windowTitle(), QStringLiteral("Communications Options"));
        QCOMPARE(Items(form.PortsComboBox), items);
        QCOMPARE(form.PortsComboBox->currentText(), selected);
        QCOMPARE(form.Label1->text(), label1);
        QCOMPARE(form.Label2->isVisible(), label2Shown);
        if (label2Shown) QCOMPARE(form.Label2->text(), QStringLiteral("USB must be used."));
        QCOMPARE(form.GroupBox2->isEnabled(), serialEnabled);
        QCOMPARE(form.PortsComboBox->isEnabled(), serialEnabled);
        QVERIFY(!form.USBOnlyCheckBox->isChecked());
        QCOMPARE(form.USBConnectedLabel->text(), QStringLiteral("USB Device Not Connected"));
        Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());
    QCOMPARE(driver.Seen, 1);
}

void TComSelectTest::EveryPortFromCOM1ToCOM50() {
    QList<int> asked;
    TComSelectFormKV form([&](int n) {
        asked << n;
        return true;
    });
    QCOMPARE(asked.size(), 50);
    QCOMPARE(asked.front(), 1);
    QCOMPARE(asked.back(), 50);
    QCOMPARE(form.PortsComboBox->count(), 50);
    QCOMPARE(form.PortsComboBox->itemText(49), QStringLiteral("COM50"));
    form.PortsComboBox->setCurrentIndex(49);
    QCOMPARE(form.PortNumberFromItem(), 50);
    TComSelectFormKV none([](int) { return false; });
    QVERIFY(!none.GroupBox2->isEnabled());
    QCOMPARE(none.PortNumberFromItem(), 0);
}

void TComSelectTest::PortHeldByAnotherProgramIsListed() {
    // COM1 and COM3 are pseudo-terminals; COM3 is held by another program; nothing else is there.
    TOptionsRig rig;
    TVek2000Sim unit1;
    QVERIFY(unit1.Start());
    QVERIFY(QFile::link(QString::fromStdString(unit1.SlavePath()), rig.Folder + QStringLiteral("com1")));
    TVek2000Sim unit3;
    QVERIFY(unit3.Start());
    QVERIFY(QFile::link(QString::fromStdString(unit3.SlavePath()), rig.Folder + QStringLiteral("com3")));
    const TComPortMap map(rig.Folder, rig.Dir.path() + QStringLiteral("/dev"));
    TQtSerialPort other(map);
    other.SetPortNumber(3);
    QCOMPARE(other.Open(), TPortOpenResult::Opened);

    rig.Ports.clear();
    for (int n = 1; n <= HighestComPort; ++n)
        if (IsPortAvailable(map, n)) rig.Ports.push_back(n);
    QCOMPARE(rig.Ports, (std::vector<int>{1, 3}));
    QVERIFY(!IsPortAvailable(map, 0));

    rig.Module->Comm1().SetPortNumber(3);
    TDialogDriver driver([&](TComSelectFormKV& form) {
        QCOMPARE(Items(form.PortsComboBox), (QStringList{"COM1", "COM3"}));
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM3"));
        Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());
    QCOMPARE(driver.Seen, 1);
}

void TComSelectTest::USBOnlyDisablesTheSerialPart_data() {
    QTest::addColumn<std::vector<int>>("ports");
    QTest::newRow("ports listed") << std::vector<int>{1, 3};
    QTest::newRow("no port") << std::vector<int>{};
}

void TComSelectTest::USBOnlyDisablesTheSerialPart() {
    QFETCH(std::vector<int>, ports);
    TOptionsRig rig;
    rig.Ports = ports;
    const bool any = !ports.empty();
    TDialogDriver driver([&](TComSelectFormKV& form) {
        const auto serialEnabled = [&](bool enabled) {
            for (QWidget* w :
                 {static_cast<QWidget*>(form.GroupBox2), static_cast<QWidget*>(form.PortsComboBox),
                  static_cast<QWidget*>(form.Label1), static_cast<QWidget*>(form.Label2)})
                if (w->isEnabled() != enabled) return false;
            return true;
        };
        QVERIFY(serialEnabled(any));
        Click(form.USBOnlyCheckBox);
        QVERIFY(form.USBOnlyCheckBox->isChecked());
        QVERIFY(serialEnabled(false));
        Click(form.USBOnlyCheckBox);
        QVERIFY(!form.USBOnlyCheckBox->isChecked());
        QVERIFY(serialEnabled(any)); // only when there is a port to choose
        Click(form.USBOnlyCheckBox);
        Click(form.OkBtn);
    });
    QVERIFY(rig.Module->ShowCommsOptions());
    QVERIFY(rig.Module->USBOnly); // OK applies the check box with or without ports
    QCOMPARE(rig.Module->ComPortNumber(), 1);
}

// The darkest pixel of a control as drawn: black text reads as usable, whatever its enabled flag says.
static int DarkestGrey(QWidget* w) {
    const QImage image = w->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

void TComSelectTest::DisabledSerialPartLooksDisabled_data() {
    QTest::addColumn<std::vector<int>>("ports");
    QTest::newRow("ports listed, USB only ticked") << std::vector<int>{1, 3};
    QTest::newRow("no port") << std::vector<int>{};
}

// With "Only connect via USB" ticked (or no port at all) the serial part's texts are drawn grey, as every
// disabled control is; black texts once made it look usable.
void TComSelectTest::DisabledSerialPartLooksDisabled() {
    QFETCH(std::vector<int>, ports);
    TOptionsRig rig;
    rig.Ports = ports;
    QList<int> darkest;
    TDialogDriver driver([&](TComSelectFormKV& form) {
        if (!form.USBOnlyCheckBox->isChecked() && !ports.empty()) {
            darkest << DarkestGrey(form.Label1); // usable: black
            Click(form.USBOnlyCheckBox);
        }
        for (QLabel* label : {form.Label1, form.Label2})
            if (label->isVisible()) darkest << DarkestGrey(label);
        Click(form.AbortBtn);
    });
    rig.Module->ShowCommsOptions();
    QVERIFY(!darkest.isEmpty());
    int first = 0;
    if (!ports.empty()) {
        QVERIFY2(darkest[0] < 60, qPrintable(QStringLiteral("usable text darkest grey %1").arg(darkest[0])));
        first = 1;
    }
    for (int i = first; i < darkest.size(); ++i)
        QVERIFY2(
            darkest[i] > 90,
            qPrintable(
                QStringLiteral("disabled text %1 drawn with grey %2 (black is 0)").arg(i).arg(darkest[i])));
}

void TComSelectTest::OKMovesTheOpenLinkToCOM3WithNoSettingsFileYet() {
    TRecordingMessages messages;
    TOptionsRig rig;
    rig.Module->SettingsFolder = rig.Folder; // in use, no file in it yet
    // The simulated unit is COM3; another is COM1, where the link is open.
    TVek2000Sim unit1;
    QVERIFY(unit1.Start());
    unit1.SetAutoStream(false);
    QVERIFY(QFile::link(QString::fromStdString(unit1.SlavePath()), rig.Folder + QStringLiteral("com1")));
    QVERIFY(rig.Sim.Start());
    QVERIFY(QFile::link(QString::fromStdString(rig.Sim.SlavePath()), rig.Folder + QStringLiteral("com3")));
    // Connected to the unit on COM1 and disconnected: the port stays open.
    QVERIFY(rig.Module->Connect());
    rig.Module->Disconnect();
    QVERIFY(rig.Module->Comm1().IsOpen());
    QVERIFY(unit1.WaitForReceived(17, 5000)); // set-up and park
    const QByteArray unit1Before = unit1.Received();

    TDialogDriver driver([](TComSelectFormKV& form) {
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM1"));
        ChoosePort(form, QStringLiteral("COM3"));
        QTest::keyClick(&form, Qt::Key_Return); // OK is the default button
    });
    QVERIFY(rig.Module->ShowCommsOptions());
    QCOMPARE(rig.Module->ComPortNumber(), 3);
    QVERIFY(rig.Module->Comm1().IsOpen()); // closed on COM1 and opened on COM3
    QVERIFY(!rig.Module->SettingsWriteFailed);
    const QByteArray file = FileBytes(rig.SettingsFile());
    QVERIFY2(file.contains("[Communiations]") && file.contains("SerialPort=3") &&
                 file.contains("USBOnly=False"),
             file.constData());
    // The next Connect talks to the unit on COM3.
    rig.Sim.SetAutoStream(false);
    QVERIFY(rig.ConnectAndSetUp());
    QCOMPARE(unit1.Received(), unit1Before); // nothing more for the unit on COM1
    QVERIFY(messages.Shown.empty());
    rig.Module->Disconnect();
}

void TComSelectTest::CancelChangesNothing_data() {
    QTest::addColumn<bool>("closeIcon");
    QTest::newRow("Cancel") << false;
    QTest::newRow("the close icon") << true;
}

void TComSelectTest::CancelChangesNothing() {
    QFETCH(bool, closeIcon);
    TOptionsRig rig;
    rig.Module->SettingsFolder = rig.Folder;
    const QByteArray saved("[Communiations]\nSerialPort=1\nUSBOnly=False\n");
    WriteFile(rig.SettingsFile(), saved);
    TDialogDriver driver([&](TComSelectFormKV& form) {
        ChoosePort(form, QStringLiteral("COM3"));
        Click(form.USBOnlyCheckBox);
        if (closeIcon)
            form.close();
        else
            Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());
    QCOMPARE(rig.Module->ComPortNumber(), 1);
    QVERIFY(!rig.Module->USBOnly);
    QCOMPARE(FileBytes(rig.SettingsFile()), saved);
    QVERIFY(!rig.Module->OptionsUSBLabel); // unregistered when the dialog goes
}

void TComSelectTest::SettingsFile_data() {
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("shownPort"); // what the dialog shows when it opens (the link is on COM1)
    QTest::addColumn<bool>("writeFails");
    QTest::newRow("a file from an earlier run")
        << QByteArray("[Communiations]\nSerialPort=3\nUSBOnly=False\n") << false << 3 << false;
    QTest::newRow("corrupt: a port that is no number")
        << QByteArray("[Communiations]\nSerialPort=COM\xff\x01\nUSBOnly=True\n") << false << 1 << false;
    QTest::newRow("corrupt: not text at all")
        << QByteArray("\x00\x01\xfe[[=\n\xff", 9) << false << 1 << false;
    QTest::newRow("read-only folder")
        << QByteArray("[Communiations]\nSerialPort=1\nUSBOnly=False\n") << true << 1 << true;
}

void TComSelectTest::SettingsFile() {
    QFETCH(QByteArray, before);
    QFETCH(bool, readOnly);
    QFETCH(int, shownPort);
    QFETCH(bool, writeFails);
    TOptionsRig rig;
    QDir().mkpath(rig.Folder + QStringLiteral("settings"));
    rig.Module->SettingsFolder = rig.Folder + QStringLiteral("settings/");
    const QString path = rig.Module->SettingsFilePath();
    WriteFile(path, before);
    std::optional<TReadOnlyFolder> locked;
    if (readOnly) locked.emplace(rig.Dir.path(), rig.Module->SettingsFolder);

    // The dialog shows what the file says, or what the link has where the file says nothing usable.
    TDialogDriver look([&](TComSelectFormKV& form) {
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM%1").arg(shownPort));
        Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());

    // The user chooses COM3 and USB only.
    QVERIFY(rig.ChooseCOM3AndUSBOnly());
    QCOMPARE(rig.Module->ComPortNumber(), 3);
    QVERIFY(rig.Module->USBOnly);
    QCOMPARE(rig.Module->SettingsWriteFailed, writeFails);
    const QByteArray after = FileBytes(path);
    if (writeFails) {
        QCOMPARE(after, before); // the file is as it was
    } else {
        QVERIFY2(after.contains("[Communiations]") && after.contains("SerialPort=3") &&
                     after.contains("USBOnly=True"),
                 after.constData());
    }

    // Opening the dialog again shows the choice, whether or not the file could keep it, and Cancel keeps it.
    TDialogDriver again([](TComSelectFormKV& form) {
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM3"));
        QVERIFY(form.USBOnlyCheckBox->isChecked());
        Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());
    QCOMPARE(again.Seen, 1);
    QCOMPARE(rig.Module->ComPortNumber(), 3);
    QVERIFY(rig.Module->USBOnly);
    locked.reset();

    // A later run reads what was saved.
    if (!writeFails) {
        TLinkRig next(10, false);
        next.Module->SettingsFolder = rig.Module->SettingsFolder;
        next.Module->LoadSettings();
        QCOMPARE(next.Module->ComPortNumber(), 3);
        QVERIFY(next.Module->USBOnly);
    }
}

// Something else in the settings file's place: the dialog opens at once (a pipe is not waited on), OK leaves
// it exactly as it was and writes nothing elsewhere, and the choice holds for the run as after any failed
// write.
void TComSelectTest::SettingsFileThatIsNoFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a link to a pipe outside the folder") << "link to pipe";
    QTest::newRow("a dangling link") << "dangling link";
}

void TComSelectTest::SettingsFileThatIsNoFile() {
    QFETCH(QString, kind);
    TOptionsRig rig;
    QDir().mkpath(rig.Folder + QStringLiteral("settings"));
    rig.Module->SettingsFolder = rig.Folder + QStringLiteral("settings/");
    const QByteArray path = QFile::encodeName(rig.Module->SettingsFilePath());
    const QByteArray outside = QFile::encodeName(rig.Folder + QStringLiteral("outside"));
    if (kind == QLatin1String("pipe")) QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    if (kind == QLatin1String("link to pipe")) QCOMPARE(::mkfifo(outside.constData(), 0600), 0);
    if (kind != QLatin1String("pipe")) QCOMPARE(::symlink(outside.constData(), path.constData()), 0);
    struct stat before {};
    QCOMPARE(::lstat(path.constData(), &before), 0);

    QVERIFY(rig.ChooseCOM3AndUSBOnly());
    QVERIFY(rig.Module->SettingsWriteFailed);
    struct stat after {};
    QCOMPARE(::lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    struct stat target {};
    const bool outsideExists = ::lstat(outside.constData(), &target) == 0;
    QCOMPARE(outsideExists, kind == QLatin1String("link to pipe"));
    if (outsideExists) QVERIFY(S_ISFIFO(target.st_mode));
    QCOMPARE(QDir(rig.Module->SettingsFolder)
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("FerrantSettings.ini")});

    TDialogDriver again([](TComSelectFormKV& form) {
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM3"));
        QVERIFY(form.USBOnlyCheckBox->isChecked());
        Click(form.AbortBtn);
    });
    QVERIFY(!rig.Module->ShowCommsOptions());
    QCOMPARE(again.Seen, 1);
}

void TComSelectTest::PlugWhileTheDialogIsOpen() {
    TRecordingTrace trace;
    TOptionsRig rig;
    int unit = 0;
    QStringList labels;
    TDialogDriver driver([&](TComSelectFormKV& form) {
        labels << form.USBConnectedLabel->text();
        unit = rig.Hid->Plug(VekVendorID, VekProductID);
        labels << form.USBConnectedLabel->text();
        rig.Hid->Unplug(unit);
        labels << form.USBConnectedLabel->text();
        unit = rig.Hid->Plug(VekVendorID, VekProductID);
        labels << form.USBConnectedLabel->text();
        Click(form.AbortBtn);
    });
    rig.Module->ShowCommsOptions();
    QCOMPARE(labels, (QStringList{"USB Device Not Connected", "USB Device Connected",
                                  "USB Device Not Connected", "USB Device Connected"}));
    // Once the dialog has gone, plug events reach only the link manager.
    rig.Hid->Unplug(unit);
    QVERIFY(!rig.Module->IsUSBConnected());
    // Opened with a unit plugged in, it says so at once.
    rig.Hid->Plug(VekVendorID, VekProductID);
    TDialogDriver second([](TComSelectFormKV& form) {
        QCOMPARE(form.USBConnectedLabel->text(), QStringLiteral("USB Device Connected"));
        Click(form.AbortBtn);
    });
    rig.Module->ShowCommsOptions();
    QCOMPARE(second.Seen, 1);
}

void TComSelectTest::ConnectOffersTheDialogWhenThePortFails() {
    TRecordingMessages messages;
    TLinkRig rig; // the simulated unit on COM3
    InstallCommsOptionsDialog(*rig.Module);
    rig.Ports = {3, 7};
    rig.Module->Comm1().SetPortNumber(7); // listed, but nothing behind it now
    TDialogDriver driver([](TComSelectFormKV& form) {
        QCOMPARE(form.PortsComboBox->currentText(), QStringLiteral("COM7"));
        ChoosePort(form, QStringLiteral("COM3"));
        Click(form.OkBtn);
    });
    QVERIFY(rig.ConnectAndSetUp());
    QCOMPARE(driver.Seen, 1);
    QCOMPARE(messages.Texts(), QStringList{"Com port 7 does not exist"});
    QCOMPARE(rig.Module->ComPortNumber(), 3);
    rig.Module->Disconnect();
}

void TComSelectTest::Picture() {
    // FERRANT_SHOTS=DIR writes the dialog as the user sees it (docs/comms-options.png).
    const QString dir = qEnvironmentVariable("FERRANT_SHOTS");
    if (dir.isEmpty()) QSKIP("FERRANT_SHOTS not set");
    TOptionsRig rig;
    rig.Ports = {1, 3, 5};
    rig.Module->Comm1().SetPortNumber(3);
    TDialogDriver driver([&](TComSelectFormKV& form) {
        QVERIFY(form.grab().save(dir + QStringLiteral("/comms-options.png")));
        Click(form.AbortBtn);
    });
    rig.Module->ShowCommsOptions();
}

QTEST_MAIN(TComSelectTest)
#include "tst_com_select.moc"
