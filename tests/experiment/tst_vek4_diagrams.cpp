// "&Data" > "Show &diagrams" on the real experiment window: absent while the laboratory tools are off;
// on, Ctrl+D opens the "Diagrams" window beside the experiment window, and it follows every edit made with
// the mouse, "New layout" and the material; switched off or closed with the window, it goes.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include "LinkRig.h"
#include "experiment/PictureControl.h"
#include "experiment/SectionsPanel.h"
#include "experiment/VEK4.h"
#include "lab/DiagramsForm.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "record/LabToolsSetting.h"
#include "theory/DeflectionView.h"

namespace {

constexpr int SupportY = 160, LoadY = 190;

} // namespace

class TVEK4DiagramsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TLinkRig> Link;
    std::unique_ptr<TVEK4Form> Window;
    std::unique_ptr<TRecordingMessages> Messages;

    void Open(bool labTools) {
        Link = std::make_unique<TLinkRig>(10, false);
        Link->Module->SettingsFolder = Link->Folder;
        QVERIFY(WriteLabToolsEnabled(Link->Module->SettingsFilePath(), labTools));
        TVEK4Environment environment;
        environment.Comms = Link->Module.get();
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow(); // the shortcuts need the active window
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    }
    void DragTo(QWidget* source, QPoint to) {
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(Window->Panel1, to + QPoint(3, 0));
        QTest::mouseMove(Window->Panel1, to);
        QTest::mouseRelease(Window->Panel1, Qt::LeftButton, {}, to);
        QTest::mouseMove(Window->ScreenImage, {300 + (++Returns % 7), 40});
    }
    int Returns = 0;
    QPoint AtStation(int station, int y) const { return {StationX[station], y}; }
    static double Reaction(const TBeamDiagrams& d, int i) { return d.Reactions.at(std::size_t(i)).Value; }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }
    void init() { Messages = std::make_unique<TRecordingMessages>(); }
    void cleanup() {
        Window.reset();
        Link.reset();
        Messages.reset();
    }

    void AbsentWhileTheToolsAreOff() {
        Open(false);
        QVERIFY(!Window->ShowDiagramsAction->isVisible());
        QTest::keyClick(Window.get(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!Window->Diagrams);
        QVERIFY(Window->findChildren<TDiagramsForm*>().isEmpty());
    }

    void FollowsEveryEdit() {
        Open(true);
        TVEK4Form& w = *Window;
        QVERIFY(w.ShowDiagramsAction->isVisible() && w.ShowDiagramsAction->isEnabled());
        // Right after "Show &table" in "&Data".
        const QList<QAction*> data = w.RecordDataMenu->actions();
        QCOMPARE(data.indexOf(w.ShowDiagramsAction), data.indexOf(w.ShowTableAction) + 1);
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(w.Diagrams && w.Diagrams->isVisible());
        QCOMPARE(w.Diagrams->windowTitle(), QString("Diagrams"));
        QVERIFY(w.Diagrams->isWindow());
        // (The offscreen screen is small: the window beside would cover the picture the mouse works on.)
        w.Diagrams->move(3000, 0);
        QVERIFY(!w.Diagrams->Diagrams().Drawable); // an empty beam: words, not diagrams
        QVERIFY(!w.Diagrams->Diagrams().Reason.isEmpty());

        // Knife-edges at 100 and 500 mm, 300 g at 300 mm, by the mouse: each reaction carries half.
        DragTo(w.KnifeEdgeImage, AtStation(10, SupportY));
        DragTo(w.KnifeEdgeImage, AtStation(50, SupportY));
        DragTo(w.GramImages[2], AtStation(30, LoadY));
        const double half = 0.3 * 9.80665 / 2; // N
        TBeamDiagrams d = w.Diagrams->Diagrams();
        QVERIFY(d.Drawable);
        QCOMPARE(int(d.Reactions.size()), 2);
        QVERIFY(qAbs(Reaction(d, 0) - half) < 1e-9 && qAbs(Reaction(d, 1) - half) < 1e-9);
        // Its deflection at the gauge is the deflection view's number.
        QCOMPARE(d.GaugeDeflectionMm, w.BeamTheory.DisplayedDeflectionMm(w.Layout.GaugeStation));
        // The weight moved to 200 mm: the near support takes 3/4.
        DragTo(w.HangerSlots[30].Hanger, AtStation(20, LoadY));
        d = w.Diagrams->Diagrams();
        QVERIFY(qAbs(Reaction(d, 0) - 1.5 * half) < 1e-9);
        // A stiffer material changes the slope but not the reactions.
        const double slopeBefore = d.SlopeAt(100.0);
        QTest::keyClick(w.Sections->YoungsModulus, Qt::Key_Down);
        QVERIFY(w.Diagrams->Diagrams().SlopeAt(100.0) != slopeBefore);
        // "New layout": nothing to draw again.
        QTest::mouseClick(w.NewButton, Qt::LeftButton);
        QVERIFY(!w.Diagrams->Diagrams().Drawable);
        QVERIFY(Messages->Shown.empty());
    }

    // The gauge is followed: a cantilever with 500 g at 400 mm and 200 g at 600 mm, the gauge dragged with
    // the mouse from 300 to 600 mm. Moving the gauge recalculates nothing, yet the diagrams and the worked
    // solution must both give the deflection at 600 mm, the number the experiment window shows.
    void FollowsTheGauge() {
        Open(true);
        TVEK4Form& w = *Window;
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(w.Diagrams && w.Diagrams->isVisible());
        w.Diagrams->move(3000, 0);
        DragTo(w.EndClampImage, {80, 150});
        DragTo(w.GramImages[4], AtStation(40, LoadY)); // 500 g
        DragTo(w.GramImages[1], AtStation(60, LoadY)); // 200 g
        QCOMPARE(w.Layout.HangerSlots[40].Mass, 500);
        QCOMPARE(w.Layout.HangerSlots[60].Mass, 200);
        QCOMPARE(w.Layout.GaugeStation, 30);
        const QString at300 = FormatFixed(w.BeamTheory.DisplayedDeflectionMm(30), 2);
        w.Diagrams->UpdateWorkedSolution();
        QVERIFY(
            w.Diagrams->WorkedSolution()->toPlainText().contains(QStringLiteral("shows %1 mm").arg(at300)));

        const int grab = 18;
        QTest::mousePress(w.DialGaugeImage, Qt::LeftButton, {}, {grab, 30});
        const int to = StationX[60] + 1 - w.DialGaugeImage->x();
        QTest::mouseMove(w.DialGaugeImage, {to, 30});
        QTest::mouseRelease(w.DialGaugeImage, Qt::LeftButton, {}, {to, 30});
        QCOMPARE(w.Layout.GaugeStation, 60);

        // Cantilever, W1 = 4.903 N at 0.4 m and W2 = 1.961 N at 0.6 m, tip deflection by the standard cases.
        const double EI = double(w.BeamTheory.ModulusE) * double(w.BeamTheory.SecondMomentI);
        const double tip = -(4.903325 * 0.16 * (1.8 - 0.4) / 6.0 + 1.96133 * 0.36 * 1.2 / 6.0) / EI * 1000.0;
        const QString at600 = FormatFixed(tip, 2);
        QCOMPARE(w.View->DialGaugeDeflection->text(), at600 + QStringLiteral(" mm"));
        QCOMPARE(w.Diagrams->Diagrams().GaugeStation, 60);
        QVERIFY(std::abs(w.Diagrams->Diagrams().GaugeDeflectionMm - tip) < 1e-4 * std::abs(tip));
        QTRY_VERIFY2(
            w.Diagrams->WorkedSolution()->toPlainText().contains(QStringLiteral("at the gauge (x = 600 mm)")),
            qPrintable(w.Diagrams->WorkedSolution()->toPlainText().left(400)));
        const QString text = w.Diagrams->WorkedSolution()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("gauge reads y = −Σδ = %1 mm").arg(at600)), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("shows %1 mm").arg(at300)));
        QVERIFY(Messages->Shown.empty());
    }

    void GoesWithTheSwitchAndTheWindow() {
        Open(true);
        TVEK4Form& w = *Window;
        w.ShowDiagramsAction->trigger();
        QVERIFY(w.Diagrams->isVisible());
        w.LabToolsAction->trigger(); // off
        QVERIFY(w.Diagrams->isHidden());
        QVERIFY(!w.ShowDiagramsAction->isVisible());
        w.LabToolsAction->trigger(); // on again, then the window closes
        w.ShowDiagramsAction->trigger();
        QVERIFY(w.Diagrams->isVisible());
        QPointer<TDiagramsForm> diagrams = w.Diagrams;
        w.FileExit->trigger();
        QTRY_VERIFY(!diagrams || diagrams->isHidden());
    }
};

QTEST_MAIN(TVEK4DiagramsTest)
#include "tst_vek4_diagrams.moc"
