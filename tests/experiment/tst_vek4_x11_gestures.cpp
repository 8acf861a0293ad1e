// Gestures through a real X server: the pointer is moved and its button pressed by the server itself
// (xdotool, XTEST), so the events reach the window as a student's would, with the server's implicit pointer
// grab and Qt's routing of it. The offscreen platform has neither: a placed support that vanished under the
// pointer once lost the rest of its gesture on X while every offscreen test passed.
//
// Runs when QT_QPA_PLATFORM is xcb (the test command starts it under Xvfb); skipped elsewhere.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "experiment/PictureControl.h"
#include "experiment/SectionsPanel.h"
#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/DragController.h"
#include "platform/MessageLayer.h"

namespace {

constexpr int SupportY = 160, LoadY = 190;

} // namespace

class TVEK4X11GesturesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TVEK4Form> Window;
    std::unique_ptr<TRecordingMessages> Messages;
    QString Xdotool;

    // One gesture, as the server sees it: to `from`, press, `steps` moves on the way to `to`, release.
    // The event loop runs while xdotool plays it, so every event is handled as it arrives.
    void Gesture(QPoint from, QPoint to, int steps = 15) {
        QStringList args{QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                         QStringLiteral("sleep"),     QStringLiteral("0.05"),    QStringLiteral("mousedown"),
                         QStringLiteral("1")};
        for (int i = 1; i <= steps; ++i) {
            const QPoint p = from + (to - from) * i / steps;
            args << QStringLiteral("sleep") << QStringLiteral("0.02") << QStringLiteral("mousemove")
                 << QString::number(p.x()) << QString::number(p.y());
        }
        args << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mouseup")
             << QStringLiteral("1") << QStringLiteral("sleep") << QStringLiteral("0.05");
        RunXdotool(args);
    }
    void Click(QPoint at) {
        RunXdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("click"),
                    QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.05")});
    }
    void RunXdotool(const QStringList& args) {
        QProcess xdotool;
        xdotool.start(Xdotool, args);
        QVERIFY2(xdotool.waitForStarted(), "xdotool did not start");
        QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 10000);
        QCOMPARE(xdotool.exitCode(), 0);
        QTest::qWait(50); // the last events in flight
    }
    QPoint Global(QWidget* w, QPoint p) const { return w->mapToGlobal(p); }
    QPoint Centre(QWidget* w) const { return w->mapToGlobal(w->rect().center()); }
    QPoint OnPicture(int station, int y) const {
        return Window->Panel1->mapToGlobal(QPoint(StationX[station], y));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (QT_QPA_PLATFORM=xcb under Xvfb)");
        Xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (Xdotool.isEmpty()) QFAIL("xdotool is missing (scripts/deps.sh installs it)");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }
    void init() {
        Messages = std::make_unique<TRecordingMessages>();
        Window = std::make_unique<TVEK4Form>();
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        QTest::qWait(100);
    }
    void cleanup() {
        Window.reset();
        Messages.reset();
    }

    // Pressing on a support already on the beam lifts it; the same gesture carries it to its new place, and
    // the next click is the button's own again. A knife-edge moves along the beam; a clamp can only go back
    // to its end or leave by the tool box.
    void PlacedKnifeEdgeMovesInOneGesture() {
        TVEK4Form& w = *Window;
        // Built by the server's pointer as well: knife-edges at 100 and 500 mm, 100 g at 300 mm.
        Gesture(Centre(w.KnifeEdgeImage), OnPicture(10, SupportY));
        Gesture(Centre(w.KnifeEdgeImage), OnPicture(50, SupportY));
        QCOMPARE(w.Layout.KnifeEdgeCount(), 2);
        Gesture(Centre(w.GramImages[0]), OnPicture(30, LoadY));
        QCOMPARE(w.Layout.HangerSlots[30].Mass, 100);

        // The knife-edge at 500 mm goes to 400 mm, the popup following it on the way.
        bool popupFollowed = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (w.Drag->Dragging() && w.PositionValue->isVisible() && w.PositionValue->text() == "450 mm")
                popupFollowed = true;
        });
        watch.start(5);
        Gesture(Centre(w.KnifeEdge2), OnPicture(40, SupportY), 30);
        watch.stop();
        QVERIFY(popupFollowed);
        QCOMPARE(w.Layout.KnifeEdge2Station, 40);
        QVERIFY(w.KnifeEdge2->isVisible());
        QCOMPARE(w.KnifeEdge2->x(), StationX[40] - 12);
        QVERIFY(!w.Drag->Dragging());
        QVERIFY(Messages->Shown.empty());

        // The next click is the button's: "New layout" clears the beam (no drag is left to swallow it).
        Click(Centre(w.NewButton));
        QCOMPARE(w.Layout.KnifeEdgeCount(), 0);
        QCOMPARE(w.Layout.HangerSlots[30].Mass, -1);
    }

    void PlacedClampMovesInOneGesture() {
        TVEK4Form& w = *Window;
        Gesture(Centre(w.EndClampImage), w.Panel1->mapToGlobal(QPoint(80, 150)));
        QVERIFY(w.Layout.LeftClamp);
        // Lifted and put back at its end in one gesture: there again, and the drag is over.
        Gesture(Centre(w.LClampImage), w.Panel1->mapToGlobal(QPoint(70, 170)), 20);
        QVERIFY(w.Layout.LeftClamp);
        QVERIFY(w.LClampImage->isVisible());
        QVERIFY(!w.Drag->Dragging());
        // Carried to the tool box in one gesture: removed.
        Gesture(Centre(w.LClampImage), Centre(w.WeightsBinImage), 20);
        QVERIFY(!w.Layout.LeftClamp);
        QVERIFY(w.LClampImage->isHidden() && w.LeftSupport->isHidden());
        QVERIFY(!w.Drag->Dragging());
        QVERIFY(Messages->Shown.empty());
        // And the next click is the button's own.
        Gesture(Centre(w.KnifeEdgeImage), OnPicture(20, SupportY));
        QCOMPARE(w.Layout.KnifeEdgeCount(), 1);
        Click(Centre(w.NewButton));
        QCOMPARE(w.Layout.KnifeEdgeCount(), 0);
    }

    // Taking a placed knife-edge off the beam: dragged onto the tool box in one gesture.
    void PlacedKnifeEdgeLeavesByTheToolBox() {
        TVEK4Form& w = *Window;
        Gesture(Centre(w.KnifeEdgeImage), OnPicture(20, SupportY));
        QCOMPARE(w.Layout.KnifeEdgeCount(), 1);
        Gesture(Centre(w.KnifeEdge1), Centre(w.WeightsBinImage), 20);
        QCOMPARE(w.Layout.KnifeEdgeCount(), 0);
        QVERIFY(w.KnifeEdge1->isHidden());
        QVERIFY(!w.Drag->Dragging());
    }
    // A list's hint goes once the pointer has left the list: pick a material from the dropped-down list,
    // then cross the picture and the tool box, and the status bar no longer shows "Pull down list...".
    void ListHintGoesAfterAPick_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("section list") << "SectionsComboBox";
        QTest::newRow("Young's modulus list") << "YoungsModulus";
    }
    void ListHintGoesAfterAPick() {
        QFETCH(QString, list);
        TVEK4Form& w = *Window;
        QVERIFY(w.WizardBtn->isChecked()); // virtual experiments, as the window opens
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox* combo = list == "YoungsModulus" ? w.Sections->YoungsModulus : w.Sections->SectionsComboBox;
        QVERIFY(combo->isVisible() && combo->isEnabled());
        RunXdotool({QStringLiteral("mousemove"), QString::number(Centre(combo).x()),
                    QString::number(Centre(combo).y()), QStringLiteral("sleep"), QStringLiteral("0.1")});
        QTRY_COMPARE(w.StatusPanel1->text(), combo->statusTip());
        Click(Centre(combo));
        QTRY_VERIFY(combo->view()->isVisible());
        QAbstractItemView* view = combo->view();
        const QPoint item =
            view->viewport()->mapToGlobal(view->visualRect(view->model()->index(1, 0)).center());
        Click(item);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(combo->currentIndex(), 1);
        // Across the bare picture and the tool box's background, on the way to the status bar.
        for (QPoint p : {Global(w.Panel1, {300, 40}), Global(w.Panel1, {200, 250}), Global(w.ToolBox, {3, 3}),
                         Global(w.Panel1, {420, 60})}) {
            RunXdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                        QStringLiteral("sleep"), QStringLiteral("0.1")});
        }
        QCOMPARE(w.StatusPanel1->text(), QString());
    }
    // With the laboratory tools on, a disabled "&Data" command explains itself in the status bar when the
    // pointer is on it (a menu shows nothing for a disabled command), and every command's hint shows whole.
    void DisabledDataCommandsSayWhyInTheStatusBar() {
        TVEK4Form& w = *Window;
        w.LabToolsAction->trigger();
        QVERIFY(w.LabToolsOn());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QMenu* data = w.RecordDataMenu;
        const QRect title = w.MainMenu1->actionGeometry(data->menuAction());
        Click(w.MainMenu1->mapToGlobal(title.center()));
        QTRY_VERIFY(data->isVisible());
        auto pointAt = [&](QAction* a) {
            const QPoint p = data->mapToGlobal(data->actionGeometry(a).center());
            RunXdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                        QStringLiteral("sleep"), QStringLiteral("0.1")});
        };
        QVERIFY(!w.ZeroGaugesAction->isEnabled() && !w.ClearZeroAction->isEnabled());
        pointAt(w.ZeroGaugesAction);
        QTRY_COMPARE(w.StatusPanel1->text(), w.ZeroGaugesAction->statusTip());
        QVERIFY(w.StatusPanel1->text().contains("needs a connected VEK2000"));
        pointAt(w.ClearZeroAction);
        QTRY_COMPARE(w.StatusPanel1->text(), QString("Clear zero: no zero is in use"));
        pointAt(w.ShowTableAction);
        QTRY_COMPARE(w.StatusPanel1->text(), w.ShowTableAction->statusTip());
        pointAt(w.ShowDiagramsAction);
        QTRY_COMPARE(w.StatusPanel1->text(), w.ShowDiagramsAction->statusTip());
        QTest::keyClick(data, Qt::Key_Escape);
        QTRY_VERIFY(!data->isVisible());

        const QLabel* panel = w.StatusPanel1;
        for (const QAction* a : w.findChildren<QAction*>())
            QVERIFY2(panel->fontMetrics().horizontalAdvance(a->statusTip()) <=
                         panel->contentsRect().width() - 2 * panel->margin() - panel->indent(),
                     qPrintable(a->statusTip()));
    }
};

QTEST_MAIN(TVEK4X11GesturesTest)
#include "tst_vek4_x11_gestures.moc"
