// The laboratory tools' windows on the screens lab PCs have, on a real X server with no window manager and
// with openbox (tests/support/run-on-screen.sh starts both; the size comes in FERRANT_SCREEN): the
// experiment window whole on the screen, the "Readings" and "Diagrams" windows beside it, none over it and
// none past an edge, every position read back from the X server; and a key pressed with the focus in the
// readings window records a row.
#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/EquipmentSelection.h"
#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "lab/ReadingsWindow.h"
#include "model/PlacementRules.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"

namespace {

// A window's client area as the X server has it, in root coordinates.
QRect FromX(const QWidget& window) {
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    if (!info.waitForFinished(10000)) return {};
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    auto value = [&out](const char* label) {
        const QRegularExpressionMatch m =
            QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s*(-?\\d+)")).match(out);
        return m.hasMatch() ? m.captured(1).toInt() : -100000;
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
                 value("Height"));
}

QRect RootArea() {
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-root")});
    info.waitForFinished(10000);
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    const QRegularExpressionMatch w = QRegularExpression(QStringLiteral("Width:\\s*(\\d+)")).match(out);
    const QRegularExpressionMatch h = QRegularExpression(QStringLiteral("Height:\\s*(\\d+)")).match(out);
    return QRect(0, 0, w.captured(1).toInt(), h.captured(1).toInt());
}

QString Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TVEK4LabScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (tests/support/run-on-screen.sh)");
        InstallDesignFontSubstitutes();
    }

    // The launcher opens at its designed place (300, 275) where the screen holds it whole, else at the
    // nearest place where it does: on 1366 x 768 its bottom row of buttons and its status bar would be cut.
    void launcherWholeOnTheScreen() {
        TLauncherEnvironment environment;
        environment.BrowserVersion = [] { return std::optional<QString>(QStringLiteral("11.0.9600.0")); };
        environment.ColourDepth = [] { return 32; };
        environment.OpenExperiment = [] {};
        TEquipmentSelectionForm launcher(environment);
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QTest::qWait(400); // framed by the window manager, and placed again
        const QRect screen = RootArea(), client = FromX(launcher);
        const QString seen = QStringLiteral("screen %1 (%2): launcher %3")
                                 .arg(Text(screen), qEnvironmentVariable("FERRANT_WM"), Text(client));
        qInfo().noquote() << seen;
        QVERIFY2(screen.contains(client), qPrintable(seen));
        QVERIFY2(screen.contains(launcher.frameGeometry()), qPrintable(seen));
        // Where the designed place fits, it is kept.
        if (screen.height() >= 1000) QCOMPARE(launcher.frameGeometry().topLeft(), QPoint(300, 275));
    }

    void labWindowsBesideTheExperimentWindow() {
        TRecordingMessages messages;
        QTemporaryDir folder;
        qint64 now = 1000;
        TVEK4Environment environment;
        environment.Clock = [&now] { return now; };
        environment.LabFiles.JournalFolder = folder.path();
        environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
            return new TReadingsWindow(c);
        };
        TVEK4Form w(std::move(environment));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.LabToolsActionClick(true);
        w.ApplyDrop(
            DragAndDrop(w.Layout, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150)));
        QTest::qWait(400); // the window manager frames the window; the window then keeps whole on the screen

        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        auto* readings = dynamic_cast<TReadingsWindow*>(w.ReadingsView());
        QVERIFY(readings);
        QVERIFY(QTest::qWaitForWindowExposed(readings));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
        auto* diagrams = w.findChild<TDiagramsForm*>();
        QVERIFY(diagrams);
        QVERIFY(QTest::qWaitForWindowExposed(diagrams));
        QTest::qWait(600);

        const QRect screen = RootArea();
        const QRect experiment = FromX(w);
        // Where they share one window as tabs, that window's frame is each one's.
        const QRect table = FromX(*readings->window()), pictures = FromX(*diagrams->window());
        const QString seen = QStringLiteral("screen %1 (%2): experiment %3, readings %4, diagrams %5")
                                 .arg(Text(screen), qEnvironmentVariable("FERRANT_WM"), Text(experiment),
                                      Text(table), Text(pictures));
        qInfo().noquote() << seen;
        for (const QRect& r : {experiment, table, pictures})
            QVERIFY2(screen.contains(r), qPrintable(QStringLiteral("past an edge: ") + seen));
        QVERIFY2(!table.intersects(experiment),
                 qPrintable(QStringLiteral("readings over the apparatus: ") + seen));
        QVERIFY2(!pictures.intersects(experiment),
                 qPrintable(QStringLiteral("diagrams over the apparatus: ") + seen));
        // The two share the free side: apart where there is room, else as tabs of one window (the newer tab
        // in front), never one window half over the other.
        if (readings->window() == diagrams->window()) {
            auto* tabs = qobject_cast<QTabWidget*>(readings->window());
            QVERIFY2(tabs, qPrintable(seen));
            QCOMPARE(tabs->currentWidget(), diagrams);
            QCOMPARE(tabs->count(), 2);
        } else {
            QVERIFY2(!table.intersects(pictures), qPrintable(QStringLiteral("one over the other: ") + seen));
        }
        if (screen.width() < 1824) QCOMPARE(readings->window(), diagrams->window());

        // A weight dragged onto the beam now lands on the beam: the point under it is the experiment
        // window's.
        const QPoint beam = w.ScreenImage->mapToGlobal(QPoint(StationX[40], 190));
        QCOMPARE(QApplication::widgetAt(beam) ? QApplication::widgetAt(beam)->window() : nullptr,
                 static_cast<QWidget*>(&w));

        // F10 with the focus in the readings window records a row.
        readings->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(readings));
        readings->Grid->setFocus();
        now += 2000;
        QTest::keyClick(readings->Grid, Qt::Key_F10);
        QCOMPARE(w.Session().Table().Count(), 1);
        // Ctrl+R there starts a new run: the next row is in run 2.
        QTest::keyClick(readings->Grid, Qt::Key_R, Qt::ControlModifier);
        now += 2000;
        QTest::keyClick(readings->Grid, Qt::Key_F10);
        QCOMPARE(w.Session().Table().Count(), 2);
        QCOMPARE(w.Session().Table().Row(1).Run, 2);
        QVERIFY(w.StatusBar1->currentMessage().startsWith(QStringLiteral("Row 2 recorded:")));
        // For a screenshot of the arrangement (FERRANT_HOLD_MS=3000 ... import -window root).
        if (qEnvironmentVariableIsSet("FERRANT_HOLD_MS"))
            QTest::qWait(qEnvironmentVariableIntValue("FERRANT_HOLD_MS"));
        messages.Answers = {TMsgResult::Discard};
    }
};

QTEST_MAIN(TVEK4LabScreensTest)
#include "tst_vek4_lab_screens.moc"
