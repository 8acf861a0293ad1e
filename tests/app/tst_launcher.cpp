// The launcher: its grid, focus, hints, the browser prerequisite, the colour-depth notice, the version
// caption, and module selection with its busy cursor and failure path.
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalProbe.h"
#include "app/EquipmentSelection.h"
#include "app/ImageForm.h"
#include "platform/Cursors.h"
#include "platform/ErrorHandler.h"
#include "platform/MessageLayer.h"
#include "resources/artwork/ModuleTitles.h"

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const QString NoticeText =
    QStringLiteral("It is recommended that you increase the system color setting to at least 16 bit\n\r"
                   "Lower color settings will result in some graphics not being displayed correctly.");

struct TFakeSystem {
    std::optional<QString> Browser = QStringLiteral("11.0.9600.0");
    int Depth = 32;
    QString VersionFile = QCoreApplication::applicationFilePath(); // carries 1.5.0.0
    int ExperimentsOpened = 0;

    TLauncherEnvironment Environment() {
        TLauncherEnvironment environment;
        environment.BrowserVersion = [this] { return Browser; };
        environment.ColourDepth = [this] { return Depth; };
        environment.VersionFile = VersionFile;
        environment.OpenExperiment = [this] { ++ExperimentsOpened; };
        return environment;
    }
};

void WritePicture(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path, "JPEG"));
}

void Screenshot(QWidget& widget, const char* name) {
    const QString dir = qEnvironmentVariable("FERRANT_SCREENSHOT_DIR");
    if (!dir.isEmpty()) widget.grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

} // namespace

class TLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetScreenCursor(crDefault); }

    void ButtonGrid_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QPoint>("topLeft");
        // Column (n - 1) mod 5, row (n - 1) div 5; left 6 + 152 c, top 12 + 116 r, worked by hand.
        QTest::newRow("module 2, first row second column") << 2 << QPoint(158, 12);
        QTest::newRow("module 4") << 4 << QPoint(462, 12);
        QTest::newRow("module 5, end of first row") << 5 << QPoint(614, 12);
        QTest::newRow("module 6, start of second row") << 6 << QPoint(6, 128);
        QTest::newRow("module 13, middle of third row") << 13 << QPoint(310, 244);
        QTest::newRow("module 16, start of last row") << 16 << QPoint(6, 360);
        QTest::newRow("module 20, bottom right") << 20 << QPoint(614, 360);
    }
    void ButtonGrid() {
        QFETCH(int, module);
        QFETCH(QPoint, topLeft);
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        QCOMPARE(launcher.ModuleButton(module)->geometry(), QRect(topLeft, QSize(148, 107)));
        QCOMPARE(launcher.ModuleButton(module)->property("Tag").toInt(), module);
        QCOMPARE(launcher.ModuleButton(module)->statusTip(), QString::fromUtf8(ModuleTitle(module)));
    }

    void WindowDesign() {
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        QCOMPARE(launcher.size(), QSize(768, 501));
        QCOMPARE(launcher.Image2->geometry(), QRect(0, 0, 768, 479));
        QCOMPARE(launcher.StatusBar1->geometry(), QRect(0, 479, 768, 22));
        QCOMPARE(launcher.Image2->pixmap().size(), QSize(768, 479));
        QCOMPARE(launcher.VEK4Btn->statusTip(), QStringLiteral("Deflection of Beams and Cantilevers (VEK4)"));
        // No button covers the top-left cell, where the logo is.
        const QRect logoCell(6, 12, 148, 107);
        const auto buttons = launcher.findChildren<TPictureButton*>();
        QCOMPARE(buttons.size(), 19);
        for (const TPictureButton* button : buttons) {
            QVERIFY2(!button->geometry().intersects(logoCell), qPrintable(button->objectName()));
            QCOMPARE(button->iconSize(), QSize(140, 100));
            QVERIFY(!button->icon().isNull());
        }
        // Tab order follows the module numbers.
        QWidget* next = launcher.ModuleButton(2);
        for (int n = 3; n <= 20; ++n) {
            next = next->nextInFocusChain();
            while (!qobject_cast<TPictureButton*>(next))
                next = next->nextInFocusChain();
            QCOMPARE(next, launcher.ModuleButton(n));
        }
    }

    void ShowingFocusesModuleFourAndEnterOpensIt() {
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QCOMPARE(launcher.focusWidget(), launcher.VEK4Btn);
        QTest::keyClick(launcher.VEK4Btn, Qt::Key_Return);
        QCOMPARE(system.ExperimentsOpened, 1);
        QTest::keyClick(launcher.VEK4Btn, Qt::Key_Space);
        QCOMPARE(system.ExperimentsOpened, 2); // a fresh window each time
        Screenshot(launcher, "launcher.png");
    }

    void HintShowsInTheStatusBarInBold() {
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        launcher.show();
        launcher.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&launcher));
        QVERIFY(launcher.StatusBar1->font().bold());
        QTest::mouseMove(launcher.ModuleButton(7), QPoint(70, 50));
        QTRY_COMPARE(launcher.StatusBar1->currentMessage(), QString::fromUtf8(ModuleTitle(7)));
        QTest::mouseMove(launcher.Image2, QPoint(300, 473)); // between the rows: the background
        QTRY_COMPARE(launcher.StatusBar1->currentMessage(),
                     QStringLiteral("Click a button to select an experimental module"));
        Screenshot(launcher, "launcher-hint.png");
    }

    void BrowserPrerequisite_data() {
        QTest::addColumn<std::optional<QString>>("value");
        QTest::addColumn<bool>("refused");
        // The major version is the text before the first ".".
        QTest::newRow("4.72.3110.0 is too old")
            << std::optional<QString>(QStringLiteral("4.72.3110.0")) << true;
        QTest::newRow("11.0.9600.0 passes") << std::optional<QString>(QStringLiteral("11.0.9600.0")) << false;
        QTest::newRow("9.11.19041.0 passes")
            << std::optional<QString>(QStringLiteral("9.11.19041.0")) << false;
        QTest::newRow("5.0 is enough") << std::optional<QString>(QStringLiteral("5.0")) << false;
        QTest::newRow("no dot reads as 0") << std::optional<QString>(QStringLiteral("11")) << true;
        QTest::newRow("nothing to read") << std::optional<QString>() << true;
    }
    void BrowserPrerequisite() {
        QFETCH(std::optional<QString>, value);
        QFETCH(bool, refused);
        TFakeSystem system;
        system.Browser = value;
        TRecordingMessages messages;
        TEquipmentSelectionForm launcher(system.Environment());
        QCOMPARE(launcher.TerminationRequested, refused);
        if (refused) {
            QCOMPARE(messages.Shown.size(), std::size_t(1));
            QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Error"));
            QCOMPARE(messages.Shown[0].Text,
                     QStringLiteral("Please install Microsoft Internet Explorer 5.0 or later"));
            QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
        } else {
            QVERIFY(messages.Shown.empty());
        }
        // Creation carries on either way.
        QCOMPARE(launcher.windowTitle(), QStringLiteral("Ferrant Demo v1.5.0"));
    }

    void BrowserVersionNotAnInteger() {
        TFakeSystem system;
        system.Browser = QStringLiteral("abc.5.1");
        system.Depth = 8; // the colour step is skipped with the rest of creation
        TRecordingMessages messages;
        TEquipmentSelectionForm launcher(system.Environment());
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Ferrant Demo"));
        QCOMPARE(messages.Shown[0].Text, QStringLiteral("'abc' is not a valid integer value."));
        QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
        QCOMPARE(launcher.windowTitle(), QStringLiteral("Welcome to the Korvex Ferrant Product Range"));
        QVERIFY(!launcher.TerminationRequested);
        QVERIFY(launcher.VersionText.isEmpty());
    }

    void ColourDepthNotice_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("notice");
        QTest::newRow("256 colours") << 8 << true;
        QTest::newRow("15 bit") << 15 << true;
        QTest::newRow("16 bit") << 16 << false;
        QTest::newRow("32 bit") << 32 << false;
    }
    void ColourDepthNotice() {
        QFETCH(int, depth);
        QFETCH(bool, notice);
        TFakeSystem system;
        system.Depth = depth;
        TRecordingMessages messages;
        TEquipmentSelectionForm launcher(system.Environment());
        QCOMPARE(messages.Shown.size(), std::size_t(notice ? 1 : 0));
        if (notice) {
            QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Ferrant Demo"));
            QCOMPARE(messages.Shown[0].Text, NoticeText);
            QCOMPARE(messages.Shown[0].Icon, TMsgIcon::None);
            QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::Ok);
        }
    }

    void VersionCaption() {
        TFakeSystem system; // this test executable carries the project version 1.5.0.0
        TEquipmentSelectionForm stamped(system.Environment());
        QCOMPARE(stamped.windowTitle(), QStringLiteral("Ferrant Demo v1.5.0"));
        QCOMPARE(stamped.VersionText, QStringLiteral("1.5.0"));

        QTemporaryDir dir;
        system.VersionFile = dir.filePath(QStringLiteral("plain"));
        QFile plain(system.VersionFile);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write(QByteArray(4096, 'p'));
        plain.close();
        TEquipmentSelectionForm unstamped(system.Environment());
        QCOMPARE(unstamped.windowTitle(), QStringLiteral("Ferrant Demo v0.0.0"));
    }

    void ModulePictureFromTheButton() {
        QTemporaryDir dir;
        WritePicture(dir.filePath(QStringLiteral("VEK7.JPG")), QSize(400, 300));
        TImageViewer viewer;
        viewer.PictureDirectory = dir.path();
        ImageViewer = &viewer;
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QSize shown;
        TModalProbe probe([&](QWidget* modal) {
            QCOMPARE(modal, &viewer);
            shown = viewer.size();
            QTest::mouseClick(viewer.Image1, Qt::LeftButton, {}, QPoint(200, 150));
        });
        QTest::mouseClick(launcher.ModuleButton(7), Qt::LeftButton);
        QCOMPARE(probe.Seen, 1);
        QCOMPARE(shown, QSize(400, 300));
        QCOMPARE(ScreenCursor(), crDefault);
        QCOMPARE(system.ExperimentsOpened, 0);
        ImageViewer = nullptr;
    }

    void MissingPictureLeavesTheLauncherUsable() {
        QTemporaryDir dir;
        TImageViewer viewer;
        viewer.PictureDirectory = dir.path();
        ImageViewer = &viewer;
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        TRecordingMessages messages;
        QTest::mouseClick(launcher.ModuleButton(7), Qt::LeftButton);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QVERIFY(
            messages.Shown[0].Text.startsWith(QStringLiteral("Cannot open file \"%1\". ")
                                                  .arg(QDir::toNativeSeparators(dir.filePath("VEK7.JPG")))));
        QVERIFY(!viewer.isVisible());
        QCOMPARE(ScreenCursor(), crDefault); // no busy cursor left behind
        QVERIFY(launcher.isEnabled());
        // Restored, module 7 opens.
        WritePicture(dir.filePath(QStringLiteral("VEK7.JPG")), QSize(120, 90));
        TModalProbe probe([&](QWidget*) { QTest::mouseClick(viewer.Image1, Qt::LeftButton); });
        QTest::mouseClick(launcher.ModuleButton(7), Qt::LeftButton);
        QCOMPARE(probe.Seen, 1);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        ImageViewer = nullptr;
    }

    void BusyCursorUntilTheExperimentWindowShows() {
        TFakeSystem system;
        TCursorNumber cursorAtOpening = crDefault;
        TLauncherEnvironment environment = system.Environment();
        environment.OpenExperiment = [&] { cursorAtOpening = ScreenCursor(); };
        TEquipmentSelectionForm launcher(environment);
        QTest::mouseClick(launcher.VEK4Btn, Qt::LeftButton);
        QCOMPARE(cursorAtOpening, crHourGlass);
    }

    void ModuleFourOpensTheExperimentWindowModally() {
        TFakeSystem system;
        TLauncherEnvironment environment = system.Environment();
        environment.OpenExperiment = nullptr; // the real window
        TEquipmentSelectionForm launcher(environment);
        launcher.show();
        launcher.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&launcher));
        for (int opening = 1; opening <= 2; ++opening) {
            TModalProbe probe([&](QWidget* modal) {
                QVERIFY(modal != &launcher);
                QVERIFY(modal->parentWidget() == nullptr); // no owner
                Screenshot(*modal, "experiment.png");
            });
            QTest::mouseClick(launcher.VEK4Btn, Qt::LeftButton);
            QCOMPARE(probe.Seen, 1);
            QCOMPARE(ScreenCursor(), crDefault);
        }
        // The launcher shows hints again once the window has closed.
        launcher.HintDisplay(QString());
        QTest::mouseMove(launcher.ModuleButton(9), QPoint(20, 20));
        QTRY_COMPARE(launcher.StatusBar1->currentMessage(), QString::fromUtf8(ModuleTitle(9)));
    }

    void PrivateMessageRestoresTheArrow() {
        TFakeSystem system;
        TEquipmentSelectionForm launcher(system.Environment());
        SetScreenCursor(crHourGlass);
        QEvent message(LauncherCursorEvent);
        QCoreApplication::sendEvent(&launcher, &message);
        QCOMPARE(ScreenCursor(), crDefault);
    }

    // Every registered cursor is one of our drawings, and its hot spot lies on the drawing, where the cursor
    // acts (a hot spot off the drawing would drop a weight beside the place the user pointed at).
    void RegisteredCursors() {
        RegisterProgramCursors();
        for (int number = 1; number <= 8; ++number) {
            QVERIFY(IsCursorRegistered(number));
            const QCursor cursor = CursorByNumber(number);
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            const QPoint hot = cursor.hotSpot();
            bool drawn = false;
            for (int dy = -3; dy <= 3 && !drawn; ++dy)
                for (int dx = -3; dx <= 3 && !drawn; ++dx)
                    drawn =
                        image.valid(hot + QPoint(dx, dy)) && qAlpha(image.pixel(hot + QPoint(dx, dy))) > 128;
            QVERIFY2(drawn, qPrintable(QStringLiteral("cursor %1").arg(number)));
        }
        QVERIFY(!IsCursorRegistered(9));
    }

    void BrowserMajorVersionParsing_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("error");
        QTest::newRow("signed") << "+7.1" << 7 << "";
        QTest::newRow("empty before the dot") << ".5" << 0 << "'' is not a valid integer value";
        QTest::newRow("space before the dot") << "6 .0" << 0 << "'6 ' is not a valid integer value";
        QTest::newRow("hex-looking") << "0x5.0" << 0 << "'0x5' is not a valid integer value";
    }
    void BrowserMajorVersionParsing() {
        QFETCH(QString, value);
        QFETCH(int, major);
        QFETCH(QString, error);
        const TBrowserVersion version = BrowserMajorVersion(value);
        QCOMPARE(version.Major, major);
        QCOMPARE(version.ConversionError, error);
    }
};

int main(int argc, char** argv) {
    TFerrantApplication app(argc, argv);
    TLauncherTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_launcher.moc"
